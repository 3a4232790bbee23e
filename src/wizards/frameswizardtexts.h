#pragma once

#include "settings/language.h"
#include "settings/messagetable.h"

// Texts of the frames wizard that are not captions of a control.
namespace FramesWizardTexts {

// The language the wizard's windows speak: the chosen one, English before
// a language has been chosen.
int language();

extern const Message Next;

// Refusals of input that would land outside the target directory or break
// the generated markup; each follows the offending text on its own line.
extern const Message NotPlainFileName;
extern const Message QuoteInFrameName;
extern const Message QuoteInSize;

// %1 is the directory.
extern const Message DirectoryNotCreated;
extern const Message DirectoryNotWritable;

} // namespace FramesWizardTexts

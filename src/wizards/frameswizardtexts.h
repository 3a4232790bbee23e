#pragma once

#include "settings/language.h"

// Texts of the frames wizard that are not captions of a control.
namespace FramesWizardTexts {

// The language the wizard's windows speak: the chosen one, English before
// a language has been chosen.
int language();

extern const LangText Next;

// Refusals of input that would land outside the target directory or break
// the generated markup; each follows the offending text on its own line.
extern const LangText NotPlainFileName;
extern const LangText QuoteInFrameName;
extern const LangText QuoteInSize;

// %1 is the directory.
extern const LangText DirectoryNotCreated;
extern const LangText DirectoryNotWritable;

} // namespace FramesWizardTexts

#pragma once

#include "settings/captiontable.h"
#include "settings/messagetable.h"

// Captions of the configuration dialog.
extern const CaptionTable ConfigCaptions;

// The prompts of the three folder dialogs.
namespace ConfigTexts {
extern const Message OpenDirPrompt;
extern const Message SaveDirPrompt;
extern const Message TextDirPrompt;
} // namespace ConfigTexts

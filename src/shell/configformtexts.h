#pragma once

#include "settings/captiontable.h"

// Captions of the configuration dialog.
extern const CaptionTable ConfigCaptions;

// The prompts of the three folder dialogs.
extern const LangText OpenDirPrompt;
extern const LangText SaveDirPrompt;
extern const LangText TextDirPrompt;

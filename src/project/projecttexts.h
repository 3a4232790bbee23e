#pragma once

#include "settings/captiontable.h"
#include "settings/messagetable.h"

// Captions and messages of the project window and its two dialogs.
extern const CaptionTable ProjectCaptions;
extern const CaptionTable ProjectNameCaptions;
extern const CaptionTable SnippetCaptions;

extern const Message ProjectNameLabel;
extern const Message ProjectFilter;
extern const Message ProjectDocumentFilter;
extern const Message InvalidProjectText;
extern const Message MissingFileText;
extern const Message ProjectSaveQuestion;
extern const Message ProjectSaveFailed;

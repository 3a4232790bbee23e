#pragma once

#include "settings/captiontable.h"

// Captions and messages of the project window and its two dialogs.
extern const CaptionTable ProjectCaptions;
extern const CaptionTable ProjectNameCaptions;
extern const CaptionTable SnippetCaptions;

extern const LangText ProjectNameLabel;
extern const LangText ProjectFilter;
extern const LangText ProjectDocumentFilter;
extern const LangText InvalidProjectText;
extern const LangText MissingFileText;
extern const LangText ProjectSaveQuestion;
extern const LangText ProjectSaveFailed;

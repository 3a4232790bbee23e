#pragma once

#include "settings/captiontable.h"

#include <QString>

// Texts of the editor windows, set by the most recently created window from
// the current language.
struct EditorTexts
{
    QString AutoSaveSuffix;
    QString NotNamedMessage;
    QString SaveFirstQuestion;
    QString AreYouSureText;
    QString NotANumberText;
    QString SaveDialogTitle;
    QString InsertDialogTitle;
    QString ReadError;   // %1 file, %2 reason
    QString WriteError;  // %1 file, %2 reason
    QString BinaryFile;  // %1 file
    QString TooLarge;    // %1 file
    QString Unencodable; // %1 file, %2 encoding
};

EditorTexts &editorTexts();
void applyEditorTexts(int lang);

// Captions of the editor window's menus for Lang 1, 2 and 3.
extern const CaptionTable EditorCaptions;

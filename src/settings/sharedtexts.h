#pragma once

#include <QString>

// Texts of the current language that several windows use. Filled by the main
// window's caption routine; English until a language has been chosen.
struct SharedTexts
{
    QString UntitledName;  // a new HTML document, never saved
    QString BlankName;     // a new blank document, never saved
    QString ModifiedText;  // modified mark in the status bar
    QString WindowsText;   // after the window count in the status bar
    QString OpenFilter;    // document filter of the open and save dialogs
    QString DriveError;
    QString OverwriteSelection;
    QString MissingDirectory;
    QString FileExists;    // follows a file name
    QString ContinueQuestion;
    QString ReplaceWord;   // "Replace " old " with " new " ?"
    QString WithWord;
    QString QuestionEnd;
};

SharedTexts &sharedTexts();

// Fills the shared texts for a language (1 English, 2 Danish, 3 German).
// Any other value keeps the texts as they are.
void applySharedTexts(int lang);

// Title of the main window's picture dialog, which the editor's picture
// command and the image-map wizard show too; English for any other value.
QString pictureDialogTitle(int lang);

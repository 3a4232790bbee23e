#pragma once

#include "settings/messagetable.h"

// Texts that several windows use.
namespace SharedTexts {

extern const Message UntitledName; // a new HTML document, never saved
extern const Message BlankName;    // a new blank document, never saved
extern const Message ModifiedText; // modified mark in the status bar
extern const Message WindowsText;  // after the window count in the status bar
extern const Message OpenFilter;   // document filter of the open and save dialogs
extern const Message DriveError;
extern const Message OverwriteSelection;
extern const Message MissingDirectory;
extern const Message FileExists; // follows a file name
extern const Message ContinueQuestion;
extern const Message ReplaceWord; // "Replace " old " with " new " ?"
extern const Message WithWord;
extern const Message QuestionEnd;
// Title of the main window's picture dialog, which the editor's picture
// command and the image-map wizard show too.
extern const Message PictureDialogTitle;
extern const Message PictureFilter;
// The length of a document in the status bar; %1 the count.
extern const Message ByteCount;

} // namespace SharedTexts

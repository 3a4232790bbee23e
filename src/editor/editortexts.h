#pragma once

#include "imaging/picture.h"
#include "platform/textfile.h"
#include "settings/captiontable.h"
#include "settings/messagetable.h"

#include <QString>

// Texts of the editor windows.
namespace EditorTexts {
extern const Message AutoSaveSuffix;
extern const Message NotNamedMessage;
extern const Message SaveFirstQuestion;
extern const Message AreYouSureText;
extern const Message NotANumberText;
extern const Message SaveDialogTitle;
extern const Message InsertDialogTitle;
extern const Message TextFileFilter;
// The caret's line and column in the editor's status bar.
extern const Message CaretPosition;
extern const Message ReadError;   // %1 file, %2 reason
extern const Message WriteError;  // %1 file, %2 reason
extern const Message BinaryFile;  // %1 file
extern const Message TooLarge;    // %1 file
extern const Message Unencodable; // %1 file, %2 encoding
// Reasons that follow ReadError's file name
extern const Message NoSuchFile;
extern const Message IsDirectory;
extern const Message Unreadable;
extern const Message PictureEmpty;
extern const Message NotAPicture;
extern const Message PictureDamaged;
extern const Message PictureIncomplete;
extern const Message PictureTooLarge; // %1 width x height
extern const Message PictureNoMemory;
// A document's file changed by another program; %1 file.
extern const Message ReloadQuestion;
extern const Message OverwriteQuestion;
extern const Message SaveAnywayChoice;
extern const Message ReloadChoice;
extern const Message CancelChoice;
extern const Message FileRemoved;
} // namespace EditorTexts

// The message for a file that could not be read as text or as a picture: the
// reason in the current language, the system's or decoder's words below it.
QString readErrorText(const QString &path, TextFile::Error error, const QString &detail);
QString pictureErrorText(const QString &path, const PictureError &error);

// Captions of the editor window's menus for Lang 1, 2 and 3.
extern const CaptionTable EditorCaptions;

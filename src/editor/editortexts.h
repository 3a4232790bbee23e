#pragma once

#include "imaging/picture.h"
#include "platform/textfile.h"
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
    // Reasons that follow ReadError's file name
    QString NoSuchFile;
    QString IsDirectory;
    QString Unreadable;
    QString PictureEmpty;
    QString NotAPicture;
    QString PictureDamaged;
    QString PictureIncomplete;
    QString PictureTooLarge; // %1 width x height
    QString PictureNoMemory;
    // A document's file changed by another program; %1 file.
    QString ReloadQuestion;
    QString OverwriteQuestion;
    QString SaveAnywayChoice;
    QString ReloadChoice;
    QString CancelChoice;
    QString FileRemoved;
};

EditorTexts &editorTexts();
void applyEditorTexts(int lang);

// The message for a file that could not be read as text or as a picture: the
// reason in the current language, the system's or decoder's words below it.
QString readErrorText(const QString &path, TextFile::Error error, const QString &detail);
QString pictureErrorText(const QString &path, const PictureError &error);

// Captions of the editor window's menus for Lang 1, 2 and 3.
extern const CaptionTable EditorCaptions;

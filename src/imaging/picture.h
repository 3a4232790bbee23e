#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Pictures the program reads: GIF, JPEG and BMP, recognised by their content
// rather than by the file name's extension.

// Why a picture could not be read: the kind, which the windows put in words
// of the user's language, and the system's or the decoder's own words where
// there are any (for TooLarge the pixel size, "4000 x 3000").
struct PictureError
{
    enum class Kind { None, NotFound, IsDirectory, Unreadable, Empty, NotAPicture, Damaged, Incomplete, TooLarge,
                      OutOfMemory };
    Kind kind = Kind::None;
    QString detail;
};

// Width and height in pixels, read from the file's header without decoding
// the picture. On failure: no value, and *error (when given) says why.
std::optional<QSize> pictureSize(const QString &path, PictureError *error = nullptr);

// The decoded picture; a null image and the reason in *error on failure.
QImage loadPicture(const QString &path, PictureError *error = nullptr);

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Pictures the program reads: GIF, JPEG and BMP, recognised by their content
// rather than by the file name's extension.

// Width and height in pixels, read from the file's header without decoding
// the picture. On failure: no value, and *error (when given) says why.
std::optional<QSize> pictureSize(const QString &path, QString *error = nullptr);

// The decoded picture; a null image and the reason in *error on failure.
QImage loadPicture(const QString &path, QString *error = nullptr);

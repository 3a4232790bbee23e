#pragma once

#include "imaging/picture.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// JPEG files through libjpeg. Both report failures in *error.
namespace JpegPicture {

std::optional<QSize> size(const QString &path, PictureError *error);
QImage load(const QString &path, PictureError *error);

} // namespace JpegPicture

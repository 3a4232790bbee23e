#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// JPEG files through libjpeg. Both report failures in *error.
namespace JpegPicture {

std::optional<QSize> size(const QString &path, QString *error);
QImage load(const QString &path, QString *error);

} // namespace JpegPicture

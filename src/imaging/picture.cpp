#include "imaging/picture.h"

#include "imaging/jpegpicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

enum class Format { Unknown, Gif, Jpeg, Bmp };

// The first bytes decide, so a picture with a misleading extension is read
// by the right decoder or refused.
Format sniff(const QByteArray &head)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        return Format::Jpeg;
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return Format::Gif;
    if (head.startsWith("BM"))
        return Format::Bmp;
    return Format::Unknown;
}

// Opens the file and recognises its format; Unknown with *error on failure.
Format identify(const QString &path, PictureError *error)
{
    using Kind = PictureError::Kind;
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = {Kind::NotFound, QString()};
        return Format::Unknown;
    }
    if (info.isDir()) {
        *error = {Kind::IsDirectory, QString()};
        return Format::Unknown;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {Kind::Unreadable, file.errorString()};
        return Format::Unknown;
    }
    const QByteArray head = file.read(8);
    if (head.isEmpty()) {
        *error = {Kind::Empty, QString()};
        return Format::Unknown;
    }
    const Format format = sniff(head);
    if (format == Format::Unknown)
        *error = {Kind::NotAPicture, QString()};
    return format;
}

QByteArray qtFormat(Format format)
{
    return format == Format::Gif ? QByteArrayLiteral("gif") : QByteArrayLiteral("bmp");
}

// Qt's BMP reader fills a cut-off file with whatever it finds; an
// uncompressed bitmap shorter than its rows cannot be whole.
bool bitmapComplete(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(34);
    if (header.size() < 34)
        return false;
    const auto number = [&header](int at, int bytes) {
        qint64 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | uchar(header.at(at + i));
        return value;
    };
    const qint64 pixelsAt = number(10, 4);
    const qint64 width = qAbs(qint32(number(18, 4)));
    const qint64 height = qAbs(qint32(number(22, 4)));
    const qint64 bits = number(28, 2);
    const qint64 compression = number(30, 4);
    if (compression != 0 && compression != 3) // run-length data has no fixed length
        return true;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return file.size() >= pixelsAt + stride * height;
}

PictureError damaged(const QImageReader &reader)
{
    const bool said = reader.error() != QImageReader::UnknownError && !reader.errorString().isEmpty();
    return {PictureError::Kind::Damaged, said ? reader.errorString() : QString()};
}

} // namespace

std::optional<QSize> pictureSize(const QString &path, PictureError *error)
{
    PictureError reason;
    std::optional<QSize> size;
    const Format format = identify(path, &reason);
    if (format == Format::Jpeg) {
        size = JpegPicture::size(path, &reason);
    } else if (format != Format::Unknown) {
        QImageReader reader(path, qtFormat(format));
        const QSize header = reader.size();
        if (header.isValid() && !header.isEmpty())
            size = header;
        else
            reason = damaged(reader);
    }
    if (!size && error)
        *error = reason;
    return size;
}

QImage loadPicture(const QString &path, PictureError *error)
{
    PictureError reason;
    QImage image;
    const Format format = identify(path, &reason);
    if (format == Format::Jpeg) {
        image = JpegPicture::load(path, &reason);
    } else if (format != Format::Unknown) {
        QImageReader reader(path, qtFormat(format));
        image = reader.read();
        if (image.isNull()) {
            reason = damaged(reader);
        } else if (format == Format::Bmp && !bitmapComplete(path)) {
            image = QImage();
            reason = {PictureError::Kind::Incomplete, QString()};
        }
    }
    if (image.isNull() && error)
        *error = reason;
    return image;
}

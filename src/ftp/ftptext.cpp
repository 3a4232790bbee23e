#include "ftp/ftptext.h"

#include "platform/windows1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace FtpText {

bool fitsWindows1252(const QString &text)
{
    for (const QChar c : text) {
        if (Windows1252::byteOf(c.unicode()) < 0)
            return false;
    }
    return true;
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

bool isUtf8(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return true;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

QByteArray encode(const QString &text, bool utf8)
{
    if (utf8)
        return text.toUtf8();
    QByteArray bytes;
    Windows1252::encode(text, &bytes);
    return bytes;
}

QString decode(const QByteArray &bytes, bool utf8)
{
    if (utf8)
        return QString::fromUtf8(bytes);
    return Windows1252::decode(bytes);
}

} // namespace FtpText

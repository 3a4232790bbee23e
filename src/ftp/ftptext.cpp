#include "ftp/ftptext.h"

#include <QStringDecoder>

#include <algorithm>

namespace FtpText {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones keep their Latin-1 meaning.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int windows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (High[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

bool fitsWindows1252(const QString &text)
{
    for (const QChar c : text) {
        if (windows1252(c.unicode()) < 0)
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
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const int byte = windows1252(c.unicode());
        bytes.append(byte < 0 ? '?' : char(byte));
    }
    return bytes;
}

QString decode(const QByteArray &bytes, bool utf8)
{
    if (utf8)
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = uchar(byte);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char16_t(b)));
    }
    return text;
}

} // namespace FtpText

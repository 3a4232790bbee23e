#include "platform/textfile.h"

#include "platform/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <iconv.h>

namespace {

bool isWindows1252Alias(const QByteArray &name)
{
    static const QByteArray aliases[] = {"windows-1252", "cp1252", "iso-8859-1", "iso8859-1",
                                         "latin1", "latin-1", "us-ascii", "ascii", "utf-8", "utf8"};
    const QByteArray lower = name.toLower();
    for (const QByteArray &alias : aliases) {
        if (lower == alias)
            return true;
    }
    return false;
}

// The charset named by a <meta charset=...> or http-equiv declaration near the
// top of an HTML file.
QByteArray declaredCharset(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(8192).toLower();
    qsizetype at = 0;
    while ((at = head.indexOf("charset", at)) >= 0) {
        qsizetype i = at + 7;
        while (i < head.size() && (head[i] == ' ' || head[i] == '\t'))
            ++i;
        if (i < head.size() && head[i] == '=') {
            ++i;
            while (i < head.size() && (head[i] == ' ' || head[i] == '"' || head[i] == '\''))
                ++i;
            const qsizetype start = i;
            while (i < head.size() && (QChar::isLetterOrNumber(uchar(head[i])) || head[i] == '-'
                                       || head[i] == '_' || head[i] == '.' || head[i] == ':'))
                ++i;
            if (i > start)
                return head.mid(start, i - start);
        }
        at += 7;
    }
    return QByteArray();
}

// Runs iconv over the whole input; false on any sequence it cannot convert.
bool iconvConvert(const QByteArray &from, const QByteArray &to, const QByteArray &input,
                  QByteArray *output)
{
    iconv_t cd = iconv_open(to.constData(), from.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    output->resize(input.size() * 4 + 16);
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = size_t(input.size());
    char *out = output->data();
    size_t outLeft = size_t(output->size());
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) == size_t(-1)) {
            if (errno == E2BIG) {
                const qsizetype used = out - output->data();
                output->resize(output->size() * 2);
                out = output->data() + used;
                outLeft = size_t(output->size() - used);
                continue;
            }
            ok = false;
            break;
        }
    }
    if (ok)
        iconv(cd, nullptr, nullptr, &out, &outLeft);
    output->resize(out - output->data());
    iconv_close(cd);
    return ok;
}

bool iconvKnows(const QByteArray &charset)
{
    iconv_t cd = iconv_open("UTF-8", charset.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(cd);
    return true;
}

} // namespace

QString TextEncoding::name() const
{
    switch (kind) {
    case Kind::Utf8:
        return QStringLiteral("UTF-8");
    case Kind::Windows1252:
        return QStringLiteral("Windows-1252");
    case Kind::Declared:
        return QString::fromLatin1(charset);
    }
    return QString();
}

bool TextEncoding::operator==(const TextEncoding &other) const
{
    return kind == other.kind && byteOrderMark == other.byteOrderMark && charset == other.charset;
}

namespace TextFile {

QString decode(const QByteArray &bytes, TextEncoding *encoding)
{
    TextEncoding found;
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    // A second mark after the first is text, not something to drop.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(QByteArrayView(bytes).sliced(bom ? 3 : 0));
    if (!utf8.hasError()) {
        found.byteOrderMark = bom;
    } else {
        const QByteArray charset = declaredCharset(bytes);
        QByteArray converted;
        QByteArray back;
        // A declared charset is used only when writing the text back gives the
        // very same bytes; stateful or mis-declared ones would change the file.
        if (!charset.isEmpty() && !isWindows1252Alias(charset) && iconvKnows(charset)
            && iconvConvert(charset, "UTF-8", bytes, &converted)
            && iconvConvert("UTF-8", charset, converted, &back) && back == bytes) {
            found.kind = TextEncoding::Kind::Declared;
            found.charset = charset;
            text = QString::fromUtf8(converted);
        } else {
            found.kind = TextEncoding::Kind::Windows1252;
            text = Windows1252::decode(bytes);
        }
    }
    if (encoding)
        *encoding = found;
    return text;
}

bool encode(const QString &text, const TextEncoding &encoding, QByteArray *out)
{
    switch (encoding.kind) {
    case TextEncoding::Kind::Utf8: {
        QStringEncoder utf8(QStringEncoder::Utf8);
        *out = utf8.encode(text);
        if (encoding.byteOrderMark)
            out->prepend("\xEF\xBB\xBF");
        return !utf8.hasError();
    }
    case TextEncoding::Kind::Windows1252:
        return Windows1252::encode(text, out);
    case TextEncoding::Kind::Declared:
        if (iconvConvert("UTF-8", encoding.charset, text.toUtf8(), out))
            return true;
        // Keep what can be kept; the caller reports the loss.
        iconvConvert("UTF-8", encoding.charset + "//TRANSLIT", text.toUtf8(), out);
        return false;
    }
    return false;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const QChar *data = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(QString(data + start, i - start));
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString(data + start, size - start));
    return lines;
}

namespace {

// The bytes of a file that is to be read as text, or why it cannot be.
Error readBytes(const QString &path, qint64 maxBytes, QByteArray *bytes, QString *detail)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Error::NotFound;
    if (info.isDir())
        return Error::IsDirectory;
    if (info.size() > maxBytes)
        return Error::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *detail = file.errorString();
        return Error::Unreadable;
    }
    *bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *detail = file.errorString();
        return Error::Unreadable;
    }
    if (bytes->size() > maxBytes)
        return Error::TooLarge;
    if (bytes->contains('\0'))
        return Error::Binary;
    return Error::None;
}

} // namespace

ReadResult read(const QString &path, qint64 maxBytes)
{
    ReadResult result;
    QByteArray bytes;
    result.error = readBytes(path, maxBytes, &bytes, &result.detail);
    if (result.ok())
        result.lines = splitLines(decode(bytes, &result.encoding));
    return result;
}

DocumentResult readDocument(const QString &path, qint64 maxBytes)
{
    DocumentResult result;
    QByteArray bytes;
    result.error = readBytes(path, maxBytes, &bytes, &result.detail);
    if (!result.ok())
        return result;
    result.text = decode(bytes, &result.encoding);
    bytes = QByteArray();
    if (qsizetype at = result.text.indexOf(QLatin1Char('\r')); at >= 0) {
        // In place, in one pass: replace() moves the rest of a large text for
        // every break.
        QChar *data = result.text.data();
        const qsizetype size = result.text.size();
        qsizetype out = at;
        for (qsizetype in = at; in < size; ++in) {
            if (data[in] == u'\r') {
                data[out++] = u'\n';
                if (in + 1 < size && data[in + 1] == u'\n')
                    ++in;
            } else {
                data[out++] = data[in];
            }
        }
        result.text.truncate(out);
    }
    if (!result.text.isEmpty() && !result.text.endsWith(QLatin1Char('\n')))
        result.text += QLatin1Char('\n');
    return result;
}

Error writeText(const QString &path, const QString &text, const TextEncoding &encoding,
                QString *detail, Access access)
{
    QByteArray bytes;
    if (!encode(text, encoding, &bytes)) {
        if (detail)
            *detail = encoding.name();
        return Error::Unencodable;
    }
    QSaveFile file(path);
    // Set on the temporary file, so the content is never readable by others, not even briefly.
    const bool opened = file.open(QIODevice::WriteOnly)
                        && (access == Access::Default || file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    if (!opened || file.write(bytes) != bytes.size() || !file.commit()) {
        if (detail)
            *detail = file.errorString();
        return Error::WriteFailed;
    }
    return Error::None;
}

Error write(const QString &path, const QStringList &lines, const TextEncoding &encoding,
            QString *detail, Access access)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return writeText(path, text, encoding, detail, access);
}

} // namespace TextFile

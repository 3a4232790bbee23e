#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How a text file's bytes map to characters, remembered so that a file is
// written back the way it was read.
struct TextEncoding
{
    enum class Kind { Utf8, Windows1252, Declared };

    Kind kind = Kind::Utf8;
    bool byteOrderMark = false; // UTF-8 only
    QByteArray charset;         // Declared only: the name from the file's meta tag

    QString name() const;
    bool operator==(const TextEncoding &other) const;
};

namespace TextFile {

enum class Error { None, NotFound, IsDirectory, Unreadable, TooLarge, Binary, WriteFailed, Unencodable };

struct ReadResult
{
    Error error = Error::None;
    QString detail; // the system's reason, where there is one
    QStringList lines;
    TextEncoding encoding;
    bool ok() const { return error == Error::None; }
};

struct DocumentResult
{
    Error error = Error::None;
    QString detail;
    // The lines joined by '\n', each ended by one, as an editor holds them.
    QString text;
    TextEncoding encoding;
    bool ok() const { return error == Error::None; }
};

// UTF-8 when the bytes are valid UTF-8, else the charset a <meta> declaration
// names when iconv knows it, else Windows-1252.
QString decode(const QByteArray &bytes, TextEncoding *encoding = nullptr);

// Returns false when some character has no form in the encoding; such
// characters are written as '?' in *out.
bool encode(const QString &text, const TextEncoding &encoding, QByteArray *out);

// CR LF, a lone CR and a lone LF each end a line; a final line break does not
// start another line.
QStringList splitLines(const QString &text);

// Reads a whole file. Files with NUL bytes are refused as binary.
ReadResult read(const QString &path, qint64 maxBytes = Q_INT64_C(512) * 1024 * 1024);

// Reads a whole file for editing, without splitting it into lines first.
DocumentResult readDocument(const QString &path, qint64 maxBytes = Q_INT64_C(512) * 1024 * 1024);

// Who may read a written file: as the user's file creation mask allows, or its owner only.
enum class Access { Default, OwnerOnly };

// Writes the lines, each ended by CR LF, through a temporary file that replaces
// the old one only when everything was written.
Error write(const QString &path, const QStringList &lines, const TextEncoding &encoding,
            QString *detail = nullptr, Access access = Access::Default);

// Writes text as it stands (line breaks already in it).
Error writeText(const QString &path, const QString &text, const TextEncoding &encoding,
                QString *detail = nullptr, Access access = Access::Default);

} // namespace TextFile

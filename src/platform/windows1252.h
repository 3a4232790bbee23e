#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of older pages and of FTP servers that keep no
// UTF-8 names. The five unassigned bytes map to the C1 controls of the same
// value, so that any byte sequence survives a round trip.
namespace Windows1252 {

QString decode(const QByteArray &bytes);
// A character without a byte becomes '?'; false if any did.
bool encode(const QString &text, QByteArray *out);
// The byte of a character, or -1 where the code page has none.
int byteOf(char16_t c);

} // namespace Windows1252

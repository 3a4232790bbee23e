#pragma once

#include <QByteArray>
#include <QString>

// Names on the FTP connections: UTF-8, or Windows-1252, the usual code page of servers that
// do not keep UTF-8 names.
namespace FtpText {

QByteArray encode(const QString &text, bool utf8);
QString decode(const QByteArray &bytes, bool utf8);
// Whether every character of the text has a Windows-1252 byte.
bool fitsWindows1252(const QString &text);
bool isAscii(const QByteArray &bytes);
bool isUtf8(const QByteArray &bytes);

} // namespace FtpText

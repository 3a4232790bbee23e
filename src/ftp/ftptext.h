#pragma once

#include <QByteArray>
#include <QString>

// Names on the control connection: UTF-8 with servers that announce it, else Windows-1252,
// the usual code page of servers that do not.
namespace FtpText {

QByteArray encode(const QString &text, bool utf8);
QString decode(const QByteArray &bytes, bool utf8);
// Whether every character of the text has a Windows-1252 byte.
bool fitsWindows1252(const QString &text);

} // namespace FtpText

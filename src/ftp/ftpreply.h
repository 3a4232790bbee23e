#pragma once

#include <QHostAddress>
#include <QString>

// Reading FTP reply lines.
namespace FtpReply {

// The leading decimal digits (at most 10) of a line; 0 without any.
int code(const QString &line);

// Whether the line just read is followed by more lines of the same reply: it begins with a
// space or has "-" as its fourth character.
bool continues(const QString &line);

// Whether a code counts as a failure for a step whose failures begin at firstFailure.
bool failed(int code, int firstFailure);

// The byte count a reply announces, as in "150 Opening (2048 bytes)"; 0 without one.
qint64 size(const QString &reply);

// The folder between the first two double quotes of a PWD reply; empty without them.
QString folder(const QString &reply);

// The port of an EPSV reply, "229 Entering Extended Passive Mode (|||6446|)"; 0 without one.
quint16 extendedPassivePort(const QString &reply);

// The address and port of a PASV reply, "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)";
// false without them.
bool passiveAddress(const QString &reply, QHostAddress &address, quint16 &port);

// The line without its line end.
QString chomp(const QString &line);

} // namespace FtpReply

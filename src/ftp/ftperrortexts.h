#pragma once

#include <QString>

#include <exception>

// The FTP client speaks English; the FTP window shows its failures in the
// user's language. A known text is translated, its technical part (the
// server's reply, a socket error, a TLS or file-system reason) kept on a line
// of its own; any other text is shown under a translated lead. English texts
// stay as the client wrote them.
namespace FtpErrorTexts {

// A failure of the socket layer or the client, or a socket error text.
QString clientText(const QString &message, int lang);

// A negative reply of the server, its first line.
QString serverText(const QString &reply, int lang);

// The text for a caught exception: server replies and client failures; a cancelled, timed-out
// or closed connection in plain words, in English too.
QString text(const std::exception &error, int lang);

// The client's English texts that have translations ("%1" where a part varies).
QStringList knownTexts();

} // namespace FtpErrorTexts

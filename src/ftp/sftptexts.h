#pragma once

#include "ftp/sftptypes.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// What the FTP window says about SFTP, in one language.
namespace SftpTexts {

// The question for a host key not known yet; host, key type and fingerprint.
QString unknownHostKey(const QString &host, const SftpHostKey &key, int lang);
// Its answers, in the order of SftpHostKeyAnswer after Refuse: trust once, trust and
// remember, then refuse.
QStringList hostKeyChoices(int lang);
QString passphrase(const QString &keyFile, bool again, int lang);
// A modification time as listings show it: month, day and the time within the last half
// year, the year before that.
QString date(const QDateTime &modified, const QDateTime &now, int lang);
// A failure; the host and the known-hosts file name the place to look when the key changed.
QString error(const SftpError &error, const QString &host, const QString &knownHostsFile, int lang);

} // namespace SftpTexts

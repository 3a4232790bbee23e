#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslError>
#include <QString>

namespace FtpCertificate {

// What the user needs to judge a certificate that failed verification: whom it names, who
// issued it, when it is valid, its fingerprint and the problems found, in the language given.
QString details(const QSslCertificate &certificate, const QList<QSslError> &errors, int lang);

} // namespace FtpCertificate

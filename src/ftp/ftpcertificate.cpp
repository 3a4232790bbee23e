#include "ftp/ftpcertificate.h"

#include "settings/language.h"
#include "settings/messagetable.h"

#include <QCryptographicHash>
#include <QStringList>

namespace FtpCertificate {

namespace {

const MessageTable Table{"FTP certificate"};

const Message IssuedTo{Table, {"Issued to: ", "Udstedt til: ", "Ausgestellt für: "}};
const Message IssuedBy{Table, {"Issued by: ", "Udstedt af: ", "Ausgestellt von: "}};
const Message ValidFromTo{Table, {"Valid: %1 to %2", "Gyldigt: %1 til %2", "Gültig: %1 bis %2"}};

QString names(const QSslCertificate &certificate, bool issuer)
{
    const QStringList common = issuer ? certificate.issuerInfo(QSslCertificate::CommonName)
                                      : certificate.subjectInfo(QSslCertificate::CommonName);
    const QStringList organization = issuer ? certificate.issuerInfo(QSslCertificate::Organization)
                                            : certificate.subjectInfo(QSslCertificate::Organization);
    QStringList parts = common + organization;
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

QString fingerprint(const QSslCertificate &certificate)
{
    const QByteArray digest = certificate.digest(QCryptographicHash::Sha256).toHex().toUpper();
    QStringList pairs;
    for (int i = 0; i < digest.size(); i += 2)
        pairs.append(QString::fromLatin1(digest.mid(i, 2)));
    return pairs.join(QLatin1Char(':'));
}

} // namespace

QString details(const QSslCertificate &certificate, const QList<QSslError> &errors, int lang)
{
    QStringList lines;
    for (const QSslError &error : errors)
        lines.append(QStringLiteral("- ") + error.errorString());
    lines.append(QString());
    lines.append(IssuedTo.text(lang) + names(certificate, false));
    lines.append(IssuedBy.text(lang) + names(certificate, true));
    lines.append(ValidFromTo.text(lang).arg(certificate.effectiveDate().toString(Qt::ISODate),
                                            certificate.expiryDate().toString(Qt::ISODate)));
    lines.append(QStringLiteral("SHA-256: ") + fingerprint(certificate));
    return lines.join(QLatin1Char('\n'));
}

} // namespace FtpCertificate

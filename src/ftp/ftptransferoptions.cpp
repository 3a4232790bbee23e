#include "ftp/ftptransferoptions.h"

#include "platform/configstore.h"
#include "settings/regops.h"
#include "settings/settings.h"

namespace FtpTransferStore {

namespace {

QString trustName(const QString &host)
{
    return QStringLiteral("FTPTrust ") + host.trimmed().toLower();
}

} // namespace

FtpTransferOptions load(int slot)
{
    FtpTransferOptions options;
    ConfigKey key;
    if (slot < 0 || slot >= FtpSlotCount || !key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::OpenExisting))
        return options;
    const QString n = QString::number(slot);
    const int protocol = key.readInteger(QStringLiteral("FTPProtocol") + n);
    const int mode = key.readInteger(QStringLiteral("FTPMode") + n);
    const int encryption = key.readInteger(QStringLiteral("FTPTls") + n);
    if (protocol == int(FtpProtocol::Sftp))
        options.protocol = FtpProtocol::Sftp;
    if (mode >= 0 && mode <= int(TNMFTP::TransferMode::Passive))
        options.mode = TNMFTP::TransferMode(mode);
    if (encryption >= 0 && encryption <= int(TNMFTP::Encryption::Required))
        options.encryption = TNMFTP::Encryption(encryption);
    return options;
}

void save(int slot, const FtpTransferOptions &options)
{
    ConfigKey key;
    if (slot < 0 || slot >= FtpSlotCount || !key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::CreateIfMissing))
        return;
    const QString n = QString::number(slot);
    key.writeInteger(QStringLiteral("FTPProtocol") + n, int(options.protocol));
    key.writeInteger(QStringLiteral("FTPMode") + n, int(options.mode));
    key.writeInteger(QStringLiteral("FTPTls") + n, int(options.encryption));
}

QList<QSslCertificate> trustedCertificates(const QString &host)
{
    ConfigKey key;
    if (!key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::OpenExisting))
        return {};
    return QSslCertificate::fromData(key.readString(trustName(host)).toLatin1(), QSsl::Pem);
}

void saveTrustedCertificates(const QString &host, const QList<QSslCertificate> &certificates)
{
    ConfigKey key;
    if (!key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::CreateIfMissing))
        return;
    QByteArray pem;
    for (const QSslCertificate &certificate : certificates)
        pem += certificate.toPem();
    key.writeString(trustName(host), QString::fromLatin1(pem));
}

} // namespace FtpTransferStore

#pragma once

#include "ftp/nmftp.h"

#include <QList>
#include <QSslCertificate>
#include <QString>

enum class FtpProtocol { Ftp, Sftp };

// Protocol, transfer mode and encryption of one stored connection, kept beside its slot's
// values ("FTPProtocol" + n, "FTPMode" + n, "FTPTls" + n) and outside the settings file. Mode
// and encryption belong to FTP.
struct FtpTransferOptions
{
    FtpProtocol protocol = FtpProtocol::Ftp;
    TNMFTP::TransferMode mode = TNMFTP::TransferMode::Automatic;
    TNMFTP::Encryption encryption = TNMFTP::Encryption::None;
};

namespace FtpTransferStore {

// Defaults for a slot without stored values, or with values out of range.
FtpTransferOptions load(int slot);
void save(int slot, const FtpTransferOptions &options);

// Certificates the user has trusted for a host although they failed verification.
QList<QSslCertificate> trustedCertificates(const QString &host);
void saveTrustedCertificates(const QString &host, const QList<QSslCertificate> &certificates);

} // namespace FtpTransferStore

#pragma once

#include "ftp/nmftp.h"
#include "ftp/remotefolder.h"

#include <memory>

// A remote folder over FTP, with or without TLS. The certificate question goes to the user
// through the prompts; a trusted certificate is kept per host.
class FtpFolder final : public RemoteFolder
{
public:
    FtpFolder();
    ~FtpFolder() override;

    void setConnection(const FtpConnections::PendingConnection &connection, int timeOutMs) override;
    void connectToServer() override;
    void disconnectFromServer() override;
    void abort() override;
    bool isConnected() const override;

    QString workingFolder() override;
    void changeFolder(const QString &name) override;
    QList<Entry> list() override;
    bool listingCut() const override;
    void makeFolder(const QString &name) override;
    void removeFolder(const QString &name) override;
    void removeFile(const QString &name) override;
    void rename(const QString &oldName, const QString &newName) override;
    void fetchFile(const QString &name, const QString &localPath) override;
    void putFile(const QString &localPath, const QString &name) override;
    qint64 bytesDone() const override;
    qint64 transferSize() const override;

    QString errorText(const std::exception &error, int lang) const override;
    std::optional<QString> refusalOf(const std::exception &error) const override;

private:
    bool trustCertificate(const QSslCertificate &certificate, const QList<QSslError> &errors);
    // In the server's default ASCII mode line ends would be rewritten and pictures spoilt.
    void useBinary();

    const std::unique_ptr<TNMFTP> m_client;
    bool m_binary = false;
    bool m_sending = false; // the running transfer is an upload
};

#pragma once

#include "ftp/remotefolder.h"
#include "ftp/sftpsession.h"

// A remote folder over SFTP with the user's SSH files (~/.ssh, the agent). The host-key and
// passphrase questions go to the user through the prompts, in the user's language.
class SftpFolder final : public RemoteFolder
{
public:
    SftpFolder();

    void setConnection(const FtpConnections::PendingConnection &connection, int timeOutMs) override;
    void connectToServer() override;
    void disconnectFromServer() override;
    void abort() override;
    bool isConnected() const override;

    QString workingFolder() override;
    void changeFolder(const QString &name) override;
    QList<Entry> list() override;
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
    // Runs one operation; a refusal goes to OnFailure.
    void attempt(TCmdType type, const std::function<void()> &call);
    // The server as the user named it, with a port that is not the usual one.
    QString server() const;
    SftpHostKeyAnswer askHostKey(const SftpHostKey &key);
    std::optional<QString> askPassphrase(const QString &keyFile, bool again);

    SftpLogin m_login;
    SftpSession m_session;
};

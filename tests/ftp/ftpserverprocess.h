#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A pyftpdlib server on 127.0.0.1 at a free port, with one user who may write, serving a
// folder. Stopped when destroyed.
class FtpServerProcess
{
public:
    FtpServerProcess() = default;
    ~FtpServerProcess();

    // Returns an empty text when the server accepts connections, else what went wrong.
    // Options go to ftpserver.py: --tls CERTFILE, --tls-required, --no-connect-back, --passive-only.
    QString start(const QString &root, const QString &user, const QString &password,
                  const QStringList &options = {});
    quint16 port() const { return m_port; }

    // Makes a self-signed certificate for 127.0.0.1 with its key in one file in folder, for
    // --tls; returns its path, empty when openssl failed.
    static QString makeCertificate(const QString &folder);

private:
    QProcess m_process;
    quint16 m_port = 0;
};

#pragma once

#include "ftp/sftptypes.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// An OpenSSH server on 127.0.0.1 at a free port, run as the current user with its own
// configuration, host key and authorized keys in a temporary folder. SFTP starts in root().
// The account's password for this server is Password, whatever the system's is. Stopped
// when destroyed.
class SshdProcess
{
public:
    static constexpr const char *Password = "sftp-test-secret";

    SshdProcess() = default;
    ~SshdProcess();
    SshdProcess(const SshdProcess &) = delete;
    SshdProcess &operator=(const SshdProcess &) = delete;

    // Returns an empty text when the server accepts connections, else what went wrong.
    QString start();
    quint16 port() const { return m_port; }
    QString root() const;

    // A login as the current user, with a client folder of its own (no keys, no known hosts,
    // no agent) and no password.
    SftpLogin login() const;
    QString clientFolder() const;
    // Empties the client folder and forgets the client keys the server accepted.
    void resetClient();
    // Makes a key pair in the client folder (id_ed25519 by default) that the server accepts;
    // returns its private key file, empty when ssh-keygen failed.
    QString makeClientKey(const QString &passphrase = QString(), const QString &name = QStringLiteral("id_ed25519"));
    // A known-hosts line for this server with the key of the given .pub file.
    QString knownHostsLine(const QString &publicKeyFile) const;
    QString hostPublicKey() const;

    // Stops (and lets go on) every process of the server, as a server that stops answering.
    void freeze();
    void thaw();

private:
    QString path(const QString &name) const;
    QList<qint64> processes() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

// Generates a key pair with ssh-keygen; false when it failed.
bool generateKey(const QString &file, const QString &passphrase = QString());

#pragma once

#include "ftp/sftptypes.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
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

private:
    QString path(const QString &name) const;
    QList<qint64> processes() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

// Passes connections on to a port on 127.0.0.1 until stalled; from then on it holds them open
// and passes nothing, as a server that stops answering. Lives in the test, so nothing is left
// stopped when the test is killed.
class StallingRelay : public QObject
{
public:
    explicit StallingRelay(quint16 target);
    quint16 port() const { return m_server.serverPort(); }
    void stall() { m_stalled = true; }

private:
    void pass(QTcpSocket *from, QTcpSocket *to);

    QTcpServer m_server;
    quint16 m_target;
    bool m_stalled = false;
};

// Generates a key pair with ssh-keygen; false when it failed.
bool generateKey(const QString &file, const QString &passphrase = QString());

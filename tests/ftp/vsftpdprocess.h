#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// vsftpd, a fast FTP server written in C, on 127.0.0.1 at a free port with a configuration of
// its own in a temporary folder. It serves a folder to anonymous logins that may write, runs
// as the user who starts it (root or not), and is stopped when destroyed.
class VsftpdProcess
{
public:
    VsftpdProcess() = default;
    ~VsftpdProcess();

    // Returns an empty text when the server accepts connections, else what went wrong.
    QString start(const QString &root);
    quint16 port() const { return m_port; }

    static QString user() { return QStringLiteral("anonymous"); }
    static QString password() { return QStringLiteral("guest"); }

private:
    QString startAt(const QString &root, quint16 port);
    void stop();

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

#include "vsftpdprocess.h"
#include "testprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr int StartMs = 10000;
constexpr int Attempts = 5;
const QString Program = QStringLiteral("/usr/sbin/vsftpd");

// Anonymous logins only: a server that runs as the user who starts it cannot switch to
// another user's account.
QByteArray configuration(const QString &root, const QString &log, quint16 port)
{
    return QByteArrayLiteral("listen=YES\n"
                             "listen_ipv6=NO\n"
                             "listen_address=127.0.0.1\n"
                             "background=NO\n"
                             "run_as_launching_user=YES\n"
                             "seccomp_sandbox=NO\n"
                             "anonymous_enable=YES\n"
                             "local_enable=NO\n"
                             "no_anon_password=YES\n"
                             "write_enable=YES\n"
                             "anon_upload_enable=YES\n"
                             "anon_mkdir_write_enable=YES\n"
                             "anon_other_write_enable=YES\n"
                             "anon_world_readable_only=NO\n"
                             "anon_umask=022\n"
                             "connect_from_port_20=NO\n"
                             "port_enable=YES\n"
                             "pasv_enable=YES\n"
                             "xferlog_enable=NO\n"
                             "syslog_enable=NO\n")
        + "listen_port=" + QByteArray::number(port) + "\nanon_root=" + QFile::encodeName(root)
        + "\nvsftpd_log_file=" + QFile::encodeName(log) + "\n";
}

} // namespace

VsftpdProcess::~VsftpdProcess()
{
    stop();
}

void VsftpdProcess::stop()
{
    stopTestProcess(m_process);
}

QString VsftpdProcess::start(const QString &root)
{
    if (!QFile::exists(Program))
        return QStringLiteral("%1 is not installed (Debian package vsftpd)").arg(Program);
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder for the configuration");
    // The port is free when chosen, but another program may take it before the server does.
    QString failure;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        failure = startAt(root, freePort());
        if (failure.isEmpty())
            return QString();
        stop();
    }
    return failure;
}

QString VsftpdProcess::startAt(const QString &root, quint16 port)
{
    const QString config = m_dir.filePath(QStringLiteral("vsftpd.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(configuration(QDir(root).absolutePath(), m_dir.filePath(QStringLiteral("vsftpd.log")), port)) < 0)
        return QStringLiteral("cannot write %1").arg(config);
    file.close();

    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(Program, {config});
    if (!m_process.waitForStarted(StartMs))
        return QStringLiteral("vsftpd did not start: ") + m_process.errorString();

    // Ready once it greets; an early exit means the port was taken or the configuration refused.
    const QDeadlineTimer deadline(StartMs);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200) && probe.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 2000)))
            && probe.readAll().startsWith("220")) {
            m_port = port;
            return QString();
        }
        m_process.waitForFinished(50);
    }
    return QStringLiteral("vsftpd did not accept connections on port %1: %2")
        .arg(port)
        .arg(QString::fromLocal8Bit(m_process.readAll()).trimmed());
}

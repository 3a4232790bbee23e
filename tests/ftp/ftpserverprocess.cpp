#include "ftpserverprocess.h"
#include "testprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpSocket>

namespace {

constexpr int StartMs = 15000;

} // namespace

FtpServerProcess::~FtpServerProcess()
{
    stopTestProcess(m_process);
}

QString FtpServerProcess::makeCertificate(const QString &folder)
{
    const QDir dir(folder);
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    const QString certificate = dir.filePath(QStringLiteral("certificate.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2",
                   "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", certificate});
    if (!openssl.waitForFinished(StartMs) || openssl.exitCode() != 0)
        return QString();
    QFile keyFile(key);
    QFile certificateFile(certificate);
    const QString both = dir.filePath(QStringLiteral("server.pem"));
    QFile bothFile(both);
    if (!keyFile.open(QIODevice::ReadOnly) || !certificateFile.open(QIODevice::ReadOnly)
        || !bothFile.open(QIODevice::WriteOnly))
        return QString();
    bothFile.write(keyFile.readAll() + certificateFile.readAll());
    return both;
}

QString FtpServerProcess::start(const QString &root, const QString &user, const QString &password,
                                const QStringList &options)
{
    // Debian's interpreter: the one first on PATH may lack Debian's modules.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    if (options.isEmpty()) {
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                         QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QStringLiteral("0"),
                         QStringLiteral("-w"), QStringLiteral("-d"), root, QStringLiteral("-u"), user,
                         QStringLiteral("-P"), password});
    } else {
        // Beside this file in the source tree.
        const QString script = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("ftpserver.py"));
        if (!QFileInfo::exists(script))
            return QStringLiteral("%1 not found").arg(script);
        m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{script, root, user, password} + options);
    }
    if (!m_process.waitForStarted(StartMs))
        return QStringLiteral("pyftpdlib did not start: ") + m_process.errorString();

    // Port 0 lets the server pick a free port; its log names it.
    const QRegularExpression started(QStringLiteral("starting FTP server on 127\\.0\\.0\\.1:(\\d+)"));
    const QDeadlineTimer deadline(StartMs);
    QByteArray log;
    while (m_port == 0 && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(int(deadline.remainingTime())))
            break;
        log += m_process.readAll();
        const QRegularExpressionMatch match = started.match(QString::fromUtf8(log));
        if (match.hasMatch())
            m_port = quint16(match.captured(1).toUInt());
    }
    if (m_port == 0)
        return QStringLiteral("pyftpdlib did not report its port: ") + QString::fromUtf8(log);

    // The log keeps coming; unread it would fill the pipe and stall the server.
    QObject::connect(&m_process, &QProcess::readyRead, &m_process, [this] { m_process.readAll(); });

    QTcpSocket probe;
    probe.connectToHost(QStringLiteral("127.0.0.1"), m_port);
    if (!probe.waitForConnected(int(qMax<qint64>(deadline.remainingTime(), 1000))))
        return QStringLiteral("pyftpdlib does not accept connections: ") + probe.errorString();
    probe.abort();
    return QString();
}

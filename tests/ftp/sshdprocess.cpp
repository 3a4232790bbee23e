#include "sshdprocess.h"
#include "testfiles.h"
#include "testprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <crypt.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr int StartMs = 15000;
constexpr int StartAttempts = 3;
// sshd must be started by its absolute path to re-execute itself.
const char *const Sshd = "/usr/sbin/sshd";

QString userName()
{
    const passwd *account = ::getpwuid(::geteuid());
    return account ? QString::fromLocal8Bit(account->pw_name) : QString();
}

bool writeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    return file.open(mode) && file.write(bytes) == bytes.size();
}

} // namespace

bool generateKey(const QString &file, const QString &passphrase)
{
    QFile::remove(file);
    QFile::remove(file + QStringLiteral(".pub"));
    QProcess keygen;
    keygen.start(QStringLiteral("ssh-keygen"),
                 {"-q", "-t", "ed25519", "-N", passphrase, "-C", "markvale-test", "-f", file});
    return keygen.waitForFinished(StartMs) && keygen.exitCode() == 0;
}

SshdProcess::~SshdProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // The server's connection processes outlive the listener; they are ours too.
    const QList<qint64> children = processes();
    for (const qint64 pid : children) {
        if (pid != m_process.processId())
            ::kill(pid_t(pid), SIGTERM);
    }
    stopTestProcess(m_process);
}

QString SshdProcess::path(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

QString SshdProcess::root() const
{
    return path(QStringLiteral("www"));
}

QString SshdProcess::clientFolder() const
{
    return path(QStringLiteral("client"));
}

void SshdProcess::resetClient()
{
    QDir(clientFolder()).removeRecursively();
    QDir().mkpath(clientFolder());
    writeFile(path(QStringLiteral("authorized_keys")), QByteArray());
}

QString SshdProcess::hostPublicKey() const
{
    return path(QStringLiteral("host_ed25519.pub"));
}

SftpLogin SshdProcess::login() const
{
    SftpLogin login;
    login.host = QStringLiteral("127.0.0.1");
    login.port = m_port;
    login.user = userName();
    login.sshFolder = clientFolder();
    login.knownHostsFile = QDir(clientFolder()).filePath(QStringLiteral("known_hosts"));
    login.globalKnownHostsFile = path(QStringLiteral("no_global_known_hosts"));
    return login;
}

QString SshdProcess::makeClientKey(const QString &passphrase, const QString &name)
{
    const QString file = QDir(clientFolder()).filePath(name);
    if (!generateKey(file, passphrase))
        return QString();
    if (!writeFile(path(QStringLiteral("authorized_keys")), readTestFile(file + QStringLiteral(".pub")),
                   QIODevice::Append))
        return QString();
    return file;
}

QString SshdProcess::knownHostsLine(const QString &publicKeyFile) const
{
    const QList<QByteArray> fields = readTestFile(publicKeyFile).split(' ');
    return QStringLiteral("[127.0.0.1]:%1 %2 %3\n")
        .arg(m_port)
        .arg(QString::fromLatin1(fields.value(0)), QString::fromLatin1(fields.value(1).trimmed()));
}

QString SshdProcess::start()
{
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");
    if (!QDir().mkpath(root()) || !QDir().mkpath(clientFolder()))
        return QStringLiteral("cannot make folders in ") + m_dir.path();
    if (!generateKey(path(QStringLiteral("host_ed25519"))))
        return QStringLiteral("ssh-keygen failed");
    writeFile(path(QStringLiteral("authorized_keys")), QByteArray());
    // Run as root, sshd insists on its privilege separation folder.
    if (::geteuid() == 0 && !QDir().mkpath(QStringLiteral("/run/sshd")))
        return QStringLiteral("cannot make /run/sshd");

    // The server checks passwords against the shadow entry, which the preloaded library
    // answers with this hash: a password login works for any account, root or not.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(MARKVALE_FAKESHADOW));
    environment.insert(QStringLiteral("MARKVALE_TEST_SHADOW"),
                       QString::fromLatin1(crypt(Password, "$6$markvaletest$")));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);

    QByteArray log;
    for (int attempt = 0; attempt < StartAttempts && m_port == 0; ++attempt) {
        const quint16 port = freePort();
        const QString config = QStringLiteral(
                                   "Port %1\nListenAddress 127.0.0.1\nHostKey %2\nPidFile none\n"
                                   "AuthorizedKeysFile %3\nStrictModes no\nUsePAM no\n"
                                   "PasswordAuthentication yes\nKbdInteractiveAuthentication no\n"
                                   "PubkeyAuthentication yes\nPermitRootLogin yes\nUseDNS no\nMaxAuthTries 20\n"
                                   "Subsystem sftp internal-sftp -d %4\n")
                                   .arg(port)
                                   .arg(path(QStringLiteral("host_ed25519")), path(QStringLiteral("authorized_keys")),
                                        root());
        if (!writeFile(path(QStringLiteral("sshd_config")), config.toUtf8()))
            return QStringLiteral("cannot write the configuration");
        m_process.start(QLatin1String(Sshd), {"-D", "-e", "-f", path(QStringLiteral("sshd_config"))});
        if (!m_process.waitForStarted(StartMs))
            return QStringLiteral("sshd did not start: ") + m_process.errorString();
        // With -e the server says on its error output when it listens.
        const QDeadlineTimer deadline(StartMs);
        log.clear();
        while (!log.contains("Server listening") && !deadline.hasExpired()
               && m_process.state() == QProcess::Running) {
            m_process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 500)));
            log += m_process.readAll();
        }
        if (log.contains("Server listening"))
            m_port = port;
        else
            m_process.waitForFinished(1000);
    }
    if (m_port == 0)
        return QStringLiteral("sshd did not listen: ") + QString::fromUtf8(log);
    // The log keeps coming; unread it would fill the pipe and stall the server.
    QObject::connect(&m_process, &QProcess::readyRead, &m_process, [this] { m_process.readAll(); });
    return QString();
}

QList<qint64> SshdProcess::processes() const
{
    // The listener and everything below it, found through the parents in /proc.
    QList<qint64> found{m_process.processId()};
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    bool grew = true;
    while (grew) {
        grew = false;
        for (const QString &entry : entries) {
            bool number = false;
            const qint64 pid = entry.toLongLong(&number);
            if (!number || found.contains(pid))
                continue;
            // The parent is the second field after the name, which ends with the last ')'.
            const QByteArray stat = readTestFile(QStringLiteral("/proc/%1/stat").arg(pid));
            const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
            if (found.contains(fields.value(1).toLongLong())) {
                found << pid;
                grew = true;
            }
        }
    }
    return found;
}

StallingRelay::StallingRelay(quint16 target)
    : m_target(target)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = m_server.nextPendingConnection()) {
            auto *upstream = new QTcpSocket(client);
            upstream->connectToHost(QHostAddress::LocalHost, m_target);
            connect(client, &QTcpSocket::readyRead, this, [=] { pass(client, upstream); });
            connect(upstream, &QTcpSocket::readyRead, this, [=] { pass(upstream, client); });
            connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            connect(upstream, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        }
    });
}

void StallingRelay::pass(QTcpSocket *from, QTcpSocket *to)
{
    // Stalled, the data stays unread and the sender's side fills up.
    if (!m_stalled)
        to->write(from->readAll());
}

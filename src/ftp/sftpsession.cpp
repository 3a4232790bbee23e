#include "ftp/sftpsession.h"

#include "ftp/sftpworker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QHostInfo>
#include <QSemaphore>
#include <QTimer>

#include <atomic>
#include <exception>

namespace {

constexpr int TickMs = 50;

} // namespace

SftpLogin SftpLogin::userDefaults()
{
    SftpLogin login;
    login.sshFolder = QDir::home().filePath(QStringLiteral(".ssh"));
    login.knownHostsFile = QDir(login.sshFolder).filePath(QStringLiteral("known_hosts"));
    login.globalKnownHostsFile = QStringLiteral("/etc/ssh/ssh_known_hosts");
    login.agentSocket = qEnvironmentVariable("SSH_AUTH_SOCK");
    return login;
}

SftpSession::SftpSession(QObject *parent)
    : QObject(parent)
    , m_progress(std::make_unique<SftpProgress>())
{
    m_worker = std::make_unique<SftpWorker>(*m_progress, [this](const QString &line) {
        QMetaObject::invokeMethod(
            this,
            [this, line] {
                if (OnStatus)
                    OnStatus(line);
            },
            Qt::QueuedConnection);
    });
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("sftp"));
    m_thread.start();
}

SftpSession::~SftpSession()
{
    // Only a window torn down inside a wait gets here with a call running.
    if (m_loop) {
        m_progress->cancelled = true;
        m_worker->abortSocket(SftpError::Kind::Cancelled);
    }
    m_thread.quit();
    m_thread.wait();
    delete m_context;
    m_worker.reset();
}

qint64 SftpSession::bytesDone() const
{
    return m_progress->done.load();
}

qint64 SftpSession::transferSize() const
{
    return m_progress->total.load();
}

void SftpSession::cancel()
{
    if (m_loop)
        m_progress->cancelled = true;
}

void SftpSession::begin()
{
    if (m_loop)
        throw SftpError(SftpError::Kind::Failure, QStringLiteral("busy"));
    m_progress->cancelled = false;
}

void SftpSession::spin(QEventLoop &loop, const std::function<void()> &watch)
{
    QTimer tick;
    tick.setInterval(TickMs);
    connect(&tick, &QTimer::timeout, &loop, watch);
    tick.start();
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
}

void SftpSession::run(const std::function<void(SftpWorker &)> &job)
{
    struct Outcome
    {
        std::exception_ptr error;
        std::atomic<bool> done{false};
        QSemaphore finished;
    };
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    SftpWorker *worker = m_worker.get();
    QMetaObject::invokeMethod(
        m_context,
        [worker, job, outcome, &loop] {
            try {
                job(*worker);
            } catch (...) {
                outcome->error = std::current_exception();
            }
            outcome->done = true;
            // Queued behind the job's status lines, so that they are shown first.
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
            outcome->finished.release();
        },
        Qt::QueuedConnection);

    quint64 activity = m_progress->activity.load();
    // Only a transfer moves this count; other calls report no progress.
    qint64 shown = m_progress->done.load();
    QElapsedTimer silence;
    silence.start();
    QElapsedTimer sinceCancel;
    bool aborted = false;
    spin(loop, [&] {
        const quint64 now = m_progress->activity.load();
        if (now != activity) {
            activity = now;
            silence.restart();
        }
        if (m_progress->done.load() != shown) {
            shown = m_progress->done.load();
            if (OnProgress)
                OnProgress();
        }
        if (m_progress->cancelled.load() && !sinceCancel.isValid())
            sinceCancel.start();
        if (aborted)
            return;
        // Either the server stopped answering, or a cancelled call waits on it: closing the
        // connection ends the call.
        if (silence.elapsed() > m_timeOutMs) {
            aborted = true;
            worker->abortSocket(SftpError::Kind::TimedOut);
        } else if (sinceCancel.isValid() && sinceCancel.elapsed() > CancelGraceMs) {
            aborted = true;
            worker->abortSocket(SftpError::Kind::Cancelled);
        }
    });
    // The application quitting ends every event loop, this one too, before the job is done.
    // The job refers to the caller's variables: it is ended, and waited for in any case.
    if (!outcome->done.load()) {
        m_progress->cancelled = true;
        aborted = true;
        worker->abortSocket(SftpError::Kind::Cancelled);
    }
    outcome->finished.acquire();
    if (m_connected && (aborted || !worker->isConnected()))
        dropConnection();
    if (outcome->error)
        std::rethrow_exception(outcome->error);
}

QList<QHostAddress> SftpSession::resolve(const QString &host)
{
    QHostAddress literal;
    if (literal.setAddress(host))
        return {literal};
    std::optional<QHostInfo> found;
    QEventLoop loop;
    // The context ends with this call, and an answer that comes later with it.
    QObject context;
    QHostInfo::lookupHost(host, &context, [&](const QHostInfo &info) {
        found = info;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    if (!found) {
        spin(loop, [&] {
            if (m_progress->cancelled.load() || clock.elapsed() > m_timeOutMs)
                loop.quit();
        });
    }
    // Ended early by Cancel or by the application quitting.
    if (!found)
        throw SftpError(clock.elapsed() > m_timeOutMs ? SftpError::Kind::TimedOut : SftpError::Kind::Cancelled, host);
    if (found->error() != QHostInfo::NoError || found->addresses().isEmpty())
        throw SftpError(SftpError::Kind::ConnectionFailed, host + QStringLiteral(": ") + found->errorString());
    return found->addresses();
}

void SftpSession::connectToHost(const SftpLogin &login)
{
    if (m_connected)
        return;
    begin();
    m_timeOutMs = login.timeOutMs;
    try {
        const QList<QHostAddress> addresses = resolve(login.host);
        SftpHostKey key;
        run([&](SftpWorker &worker) { key = worker.open(login, addresses); });
        checkHostKey(key);
        logIn(login);
        QString home;
        run([&](SftpWorker &worker) { home = worker.startSftp(); });
        m_folder = home;
        m_connected = true;
    } catch (...) {
        run([](SftpWorker &worker) { worker.close(); });
        throw;
    }
}

void SftpSession::checkHostKey(const SftpHostKey &key)
{
    switch (key.state) {
    case SftpHostKey::State::Known:
        return;
    case SftpHostKey::State::Changed:
        throw SftpError(SftpError::Kind::HostKeyChanged, key.type + QLatin1Char(' ') + key.fingerprint);
    case SftpHostKey::State::Unknown:
        break;
    }
    const SftpHostKeyAnswer answer = OnHostKey ? OnHostKey(key) : SftpHostKeyAnswer::Refuse;
    if (answer == SftpHostKeyAnswer::Refuse)
        throw SftpError(SftpError::Kind::HostKeyRefused, key.type + QLatin1Char(' ') + key.fingerprint);
    if (answer == SftpHostKeyAnswer::TrustAndRemember)
        run([](SftpWorker &worker) { worker.rememberHostKey(); });
}

void SftpSession::logIn(const SftpLogin &login)
{
    SftpWorker::LoginResult result;
    run([&](SftpWorker &worker) { result = worker.logIn(login); });
    if (result.loggedIn)
        return;
    for (const QString &keyFile : std::as_const(result.lockedKeys)) {
        for (int attempt = 0; OnPassphrase && attempt < PassphraseAttempts; ++attempt) {
            const std::optional<QString> passphrase = OnPassphrase(keyFile, attempt > 0);
            if (!passphrase)
                break;
            auto outcome = SftpWorker::KeyLogin::Refused;
            run([&](SftpWorker &worker) { outcome = worker.logInWithKey(keyFile, *passphrase); });
            if (outcome == SftpWorker::KeyLogin::Accepted)
                return;
            if (outcome == SftpWorker::KeyLogin::Refused)
                break;
        }
    }
    throw SftpError(SftpError::Kind::LoginFailed, login.user);
}

void SftpSession::dropConnection()
{
    m_connected = false;
    m_worker->close();
    if (OnDisconnect)
        OnDisconnect();
}

void SftpSession::disconnectFromHost()
{
    if (!m_connected || m_loop)
        return;
    m_connected = false;
    run([](SftpWorker &worker) { worker.close(); });
    if (OnDisconnect)
        OnDisconnect();
}

QString SftpSession::pathOf(const QString &name) const
{
    if (name.startsWith(QLatin1Char('/')))
        return name;
    return m_folder.endsWith(QLatin1Char('/')) ? m_folder + name : m_folder + QLatin1Char('/') + name;
}

void SftpSession::changeFolder(const QString &name)
{
    begin();
    QString folder;
    run([&](SftpWorker &worker) { folder = worker.folderPath(pathOf(name)); });
    m_folder = folder;
}

QList<SftpEntry> SftpSession::list()
{
    begin();
    QList<SftpEntry> entries;
    run([&](SftpWorker &worker) { entries = worker.list(m_folder); });
    return entries;
}

void SftpSession::makeFolder(const QString &name)
{
    begin();
    run([&](SftpWorker &worker) { worker.makeFolder(pathOf(name)); });
}

void SftpSession::removeFolder(const QString &name)
{
    begin();
    run([&](SftpWorker &worker) { worker.removeFolder(pathOf(name)); });
}

void SftpSession::removeFile(const QString &name)
{
    begin();
    run([&](SftpWorker &worker) { worker.removeFile(pathOf(name)); });
}

void SftpSession::rename(const QString &oldName, const QString &newName)
{
    begin();
    run([&](SftpWorker &worker) { worker.rename(pathOf(oldName), pathOf(newName)); });
}

void SftpSession::fetchFile(const QString &name, const QString &localPath)
{
    begin();
    run([&](SftpWorker &worker) { worker.download(pathOf(name), localPath); });
}

void SftpSession::putFile(const QString &localPath, const QString &name)
{
    begin();
    const QString remote = pathOf(name.isEmpty() ? QFileInfo(localPath).fileName() : name);
    run([&](SftpWorker &worker) { worker.upload(localPath, remote); });
}

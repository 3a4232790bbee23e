#pragma once

#include "ftp/sftptypes.h"

#include <QHostAddress>
#include <QList>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>

struct ssh_session_struct;
struct sftp_session_struct;
struct sftp_file_struct;
struct ssh_key_struct;

// Counters a running call moves forward. The session reads them on its own thread to show
// progress and to notice a server that stopped answering, and sets the cancel flag there.
struct SftpProgress
{
    std::atomic<quint64> activity{0};
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    std::atomic<bool> cancelled{false};
};

// The libssh side of one session. All calls but abortSocket() come from one worker thread,
// one at a time; they block and report failures as SftpError.
class SftpWorker
{
public:
    using Trace = std::function<void(const QString &line)>;

    SftpWorker(SftpProgress &progress, Trace trace);
    ~SftpWorker();
    SftpWorker(const SftpWorker &) = delete;
    SftpWorker &operator=(const SftpWorker &) = delete;

    // Connects to the first address that answers and completes the key exchange.
    SftpHostKey open(const SftpLogin &login, const QList<QHostAddress> &addresses);
    void rememberHostKey();

    struct LoginResult
    {
        bool loggedIn = false;
        // Keys the server would take, but whose files need a passphrase.
        QStringList lockedKeys;
    };
    // Tries the agent, the key files that need no passphrase and the password.
    LoginResult logIn(const SftpLogin &login);
    enum class KeyLogin { Accepted, WrongPassphrase, Refused };
    KeyLogin logInWithKey(const QString &keyFile, const QString &passphrase);

    // Starts SFTP and returns the folder the server starts in.
    QString startSftp();
    // The canonical path of a folder; NotFound when it is no folder.
    QString folderPath(const QString &path);
    QList<SftpEntry> list(const QString &folder);
    void makeFolder(const QString &path);
    void removeFolder(const QString &path);
    void removeFile(const QString &path);
    // Refuses to replace an existing entry.
    void rename(const QString &from, const QString &to);
    // The local file is replaced only by a complete download.
    void download(const QString &remote, const QString &localPath);
    // Where the server can rename over a file, an existing remote file is replaced only by
    // a complete upload.
    void upload(const QString &localPath, const QString &remote);
    void close();
    bool isConnected() const;

    // From any thread: closes the connection under a running call, which then fails with
    // the given kind.
    void abortSocket(SftpError::Kind reason);

private:
    [[noreturn]] void fail(SftpError::Kind kind, const QString &detail);
    [[noreturn]] void failSftp(const QString &what);
    [[noreturn]] void failSsh(const QString &what);
    int connectSocket(const QList<QHostAddress> &addresses, int port, int timeOutMs);
    void checkCancelled();
    void bump() { m_progress.activity.fetch_add(1, std::memory_order_relaxed); }
    bool tryAgent();
    bool tryKeyFile(const QString &keyFile, QStringList &lockedKeys);
    // Logs in with a loaded private key, which it frees; the server's answer.
    int logInWithLoadedKey(ssh_key_struct *key, const QString &keyFile);
    bool tryPassword(const QString &password, int methods);
    bool isFolder(const QString &path);
    void drainReads(sftp_file_struct *file, QList<int> &requests);

    SftpProgress &m_progress;
    Trace m_trace;
    ssh_session_struct *m_ssh = nullptr;
    sftp_session_struct *m_sftp = nullptr;
    std::mutex m_socketLock; // guards m_socket against closing while it is aborted
    int m_socket = -1;
    std::atomic<int> m_abortReason{-1};
};

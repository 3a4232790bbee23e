#pragma once

#include "ftp/sftptypes.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>

class QEventLoop;
class SftpWorker;
struct SftpProgress;

// A connection to an SFTP server for the user-interface thread. Its calls look blocking, as
// the FTP client's do: a worker thread does the work while the event loop runs, so windows
// stay responsive and Cancel can be pressed. A server that stays silent for the login's
// time-out is given up. Failures raise SftpError.
class SftpSession : public QObject
{
    Q_OBJECT

public:
    using HostKeyQuestion = std::function<SftpHostKeyAnswer(const SftpHostKey &key)>;
    // The passphrase of a key file, asked `again` after a wrong one; nothing skips the key.
    using PassphraseQuestion = std::function<std::optional<QString>(const QString &keyFile, bool again)>;
    using StatusEvent = std::function<void(const QString &line)>;
    using NotifyEvent = std::function<void()>;

    // A cancelled call that has not ended after this long loses its connection.
    static constexpr int CancelGraceMs = 2000;
    static constexpr int PassphraseAttempts = 3;

    explicit SftpSession(QObject *parent = nullptr);
    ~SftpSession() override;

    HostKeyQuestion OnHostKey;
    PassphraseQuestion OnPassphrase;
    StatusEvent OnStatus;
    NotifyEvent OnProgress;   // during a transfer, a few times a second
    NotifyEvent OnDisconnect; // the connection closed or was lost

    void connectToHost(const SftpLogin &login);
    void disconnectFromHost();
    bool isConnected() const { return m_connected; }
    // Ends the running call from inside its wait; the call raises SftpError Cancelled.
    void cancel();

    QString workingFolder() const { return m_folder; }
    // Names are taken relative to the working folder; ".." leads to its parent.
    void changeFolder(const QString &name);
    QList<SftpEntry> list();
    void makeFolder(const QString &name);
    void removeFolder(const QString &name);
    void removeFile(const QString &name);
    void rename(const QString &oldName, const QString &newName);
    void fetchFile(const QString &name, const QString &localPath);
    // Without a name the local file's name is used.
    void putFile(const QString &localPath, const QString &name = QString());
    qint64 bytesDone() const;
    qint64 transferSize() const;

private:
    void begin();
    void run(const std::function<void(SftpWorker &)> &job);
    void spin(QEventLoop &loop, const std::function<void()> &watch);
    QList<QHostAddress> resolve(const QString &host);
    void checkHostKey(const SftpHostKey &key);
    void logIn(const SftpLogin &login);
    void dropConnection();
    QString pathOf(const QString &name) const;

    std::unique_ptr<SftpProgress> m_progress;
    std::unique_ptr<SftpWorker> m_worker;
    QThread m_thread;
    QObject *m_context = nullptr; // lives in m_thread and runs the jobs there
    QEventLoop *m_loop = nullptr; // the running wait
    bool m_connected = false;
    int m_timeOutMs = SftpLogin().timeOutMs;
    QString m_folder;
};

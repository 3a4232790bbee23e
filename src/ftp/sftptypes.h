#pragma once

#include <QDateTime>
#include <QString>

#include <stdexcept>

// What an SFTP login needs: the server and account, and where the user's SSH files are.
struct SftpLogin
{
    static constexpr int DefaultPort = 22;

    QString host;
    int port = DefaultPort;
    QString user;
    QString password;            // empty: no password login
    QString sshFolder;           // the keys id_* are looked for here
    QString knownHostsFile;      // host keys checked and remembered
    QString globalKnownHostsFile;
    QString agentSocket;         // empty: no agent
    int timeOutMs = 30000;       // a server silent this long is given up

    // The user's own: ~/.ssh, its known_hosts, the system's list and $SSH_AUTH_SOCK.
    static SftpLogin userDefaults();
};

// The server's host key as checked against the known hosts.
struct SftpHostKey
{
    enum class State { Known, Unknown, Changed };

    State state = State::Unknown;
    QString type;        // e.g. ssh-ed25519
    QString fingerprint; // SHA256:base64
};

enum class SftpHostKeyAnswer { Refuse, TrustOnce, TrustAndRemember };

struct SftpEntry
{
    QString name;
    qint64 size = 0;
    QDateTime modified;
    bool folder = false;
};

// A failed SFTP operation. The kind tells the caller what to say; the detail is the server's
// or the library's own text.
class SftpError : public std::runtime_error
{
public:
    enum class Kind {
        Cancelled,
        TimedOut,
        ConnectionFailed,
        ConnectionLost,
        HostKeyChanged,
        HostKeyRefused,
        LoginFailed,
        NotFound,
        PermissionDenied,
        AlreadyExists,
        LocalFile,
        Failure,
    };

    SftpError(Kind kind, const QString &detail)
        : std::runtime_error(detail.toStdString())
        , m_kind(kind)
    {
    }

    Kind kind() const { return m_kind; }
    QString detail() const { return QString::fromStdString(what()); }

private:
    Kind m_kind;
};

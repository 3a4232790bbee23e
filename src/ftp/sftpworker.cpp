#include "ftp/sftpworker.h"

#include "ftp/downloadfile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <libssh/libssh.h>
#include <libssh/sftp.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Servers that state their limits (OpenSSH 8.6 on) take reads and writes up to 255 KB; any
// server must take 32 KB. Each write waits for its answer, so an upload's speed is bound by
// round trips and the largest write counts; reads are kept in flight and need not be as large.
constexpr int SmallChunk = 32 * 1024;
constexpr int LargeChunk = 128 * 1024;
constexpr int LargestWrite = 255 * 1024;
// Downloads keep this many reads in flight.
constexpr int ReadDepth = 16;
constexpr int PollSliceMs = 100;
// A listing longer than this ends with an error rather than exhaust memory.
constexpr int MaxEntries = 200000;
constexpr mode_t NewFileMode = 0644;
constexpr mode_t NewFolderMode = 0755;
// AES-GCM first: with the processor's AES instructions it is the fastest of the safe ciphers,
// and a transfer's speed is bound by its cipher.
constexpr const char *Ciphers =
    "aes128-gcm@openssh.com,aes256-gcm@openssh.com,chacha20-poly1305@openssh.com,aes128-ctr,aes192-ctr,aes256-ctr";
constexpr const char *KeyFiles[] = {"id_ed25519", "id_ecdsa", "id_rsa"};

QByteArray pathBytes(const QString &path)
{
    return path.toUtf8();
}

QString fromC(const char *text)
{
    return QString::fromUtf8(text ? text : "");
}

// What an SFTP status means to the caller.
SftpError::Kind kindOfStatus(int status)
{
    switch (status) {
    case SSH_FX_NO_SUCH_FILE:
    case SSH_FX_NO_SUCH_PATH:
        return SftpError::Kind::NotFound;
    case SSH_FX_PERMISSION_DENIED:
    case SSH_FX_WRITE_PROTECT:
        return SftpError::Kind::PermissionDenied;
    case SSH_FX_FILE_ALREADY_EXISTS:
        return SftpError::Kind::AlreadyExists;
    case SSH_FX_NO_CONNECTION:
    case SSH_FX_CONNECTION_LOST:
        return SftpError::Kind::ConnectionLost;
    default:
        return SftpError::Kind::Failure;
    }
}

bool sockaddrOf(const QHostAddress &address, int port, sockaddr_storage &storage, socklen_t &length)
{
    std::memset(&storage, 0, sizeof storage);
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        auto *in = reinterpret_cast<sockaddr_in *>(&storage);
        in->sin_family = AF_INET;
        in->sin_port = htons(quint16(port));
        in->sin_addr.s_addr = htonl(address.toIPv4Address());
        length = sizeof(sockaddr_in);
        return true;
    }
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&storage);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(quint16(port));
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&in6->sin6_addr, &bytes, sizeof bytes);
        in6->sin6_scope_id = address.scopeId().toUInt();
        length = sizeof(sockaddr_in6);
        return true;
    }
    return false;
}

} // namespace

SftpWorker::SftpWorker(SftpProgress &progress, Trace trace)
    : m_progress(progress)
    , m_trace(std::move(trace))
{
}

SftpWorker::~SftpWorker()
{
    close();
}

void SftpWorker::fail(SftpError::Kind kind, const QString &detail)
{
    const int reason = m_abortReason.load();
    throw SftpError(reason >= 0 ? SftpError::Kind(reason) : kind, detail);
}

void SftpWorker::failSsh(const QString &what)
{
    const bool connected = m_ssh && ssh_is_connected(m_ssh);
    fail(connected ? SftpError::Kind::Failure : SftpError::Kind::ConnectionLost,
         what + QStringLiteral(": ") + (m_ssh ? fromC(ssh_get_error(m_ssh)) : QString()));
}

void SftpWorker::failSftp(const QString &what)
{
    if (!m_ssh || !ssh_is_connected(m_ssh) || !m_sftp)
        failSsh(what);
    const QString detail = what + QStringLiteral(": ") + fromC(ssh_get_error(m_ssh));
    m_trace(detail);
    fail(kindOfStatus(sftp_get_error(m_sftp)), detail);
}

void SftpWorker::checkCancelled()
{
    if (m_progress.cancelled.load())
        fail(SftpError::Kind::Cancelled, QStringLiteral("cancelled"));
}

void SftpWorker::abortSocket(SftpError::Kind reason)
{
    int expected = -1;
    m_abortReason.compare_exchange_strong(expected, int(reason));
    const std::lock_guard<std::mutex> lock(m_socketLock);
    if (m_socket >= 0)
        ::shutdown(m_socket, SHUT_RDWR);
}

int SftpWorker::connectSocket(const QList<QHostAddress> &addresses, int port, int timeOutMs)
{
    QString error = QStringLiteral("no address");
    const QDeadlineTimer deadline(timeOutMs);
    for (const QHostAddress &address : addresses) {
        sockaddr_storage storage;
        socklen_t length = 0;
        if (!sockaddrOf(address, port, storage, length))
            continue;
        const int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            error = fromC(std::strerror(errno));
            continue;
        }
        {
            const std::lock_guard<std::mutex> lock(m_socketLock);
            m_socket = fd;
        }
        int result = ::connect(fd, reinterpret_cast<sockaddr *>(&storage), length);
        int status = result == 0 ? 0 : errno;
        // Waits in slices, so that Cancel and the time-out end a connect the system would
        // keep trying for minutes.
        while (status == EINPROGRESS && !deadline.hasExpired() && !m_progress.cancelled.load()) {
            pollfd waiting{fd, POLLOUT, 0};
            if (::poll(&waiting, 1, int(qMin<qint64>(PollSliceMs, deadline.remainingTime()))) > 0) {
                socklen_t size = sizeof status;
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &status, &size);
            }
        }
        if (status == 0) {
            const int on = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            return fd;
        }
        {
            const std::lock_guard<std::mutex> lock(m_socketLock);
            m_socket = -1;
        }
        ::close(fd);
        checkCancelled();
        if (status == EINPROGRESS)
            fail(SftpError::Kind::TimedOut, address.toString());
        error = address.toString() + QStringLiteral(": ") + fromC(std::strerror(status));
    }
    fail(SftpError::Kind::ConnectionFailed, error);
}

SftpHostKey SftpWorker::open(const SftpLogin &login, const QList<QHostAddress> &addresses)
{
    close();
    m_abortReason = -1;
    m_ssh = ssh_new();
    if (!m_ssh)
        fail(SftpError::Kind::Failure, QStringLiteral("ssh_new"));
    const int fd = connectSocket(addresses, login.port, login.timeOutMs);
    // libssh closes the socket it is given when it fails; the duplicate kept here stays
    // valid until close(), so aborting never touches a file number used again elsewhere.
    socket_t sshSocket = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (sshSocket < 0)
        fail(SftpError::Kind::Failure, fromC(std::strerror(errno)));
    const bool no = false;
    const int yes = 1;
    // libssh's own waits end a little after the session's, whose message is clearer.
    const long seconds = (login.timeOutMs + 999) / 1000 + 5;
    ssh_options_set(m_ssh, SSH_OPTIONS_PROCESS_CONFIG, &no);
    ssh_options_set(m_ssh, SSH_OPTIONS_HOST, pathBytes(login.host).constData());
    ssh_options_set(m_ssh, SSH_OPTIONS_PORT, &login.port);
    if (!login.user.isEmpty())
        ssh_options_set(m_ssh, SSH_OPTIONS_USER, pathBytes(login.user).constData());
    ssh_options_set(m_ssh, SSH_OPTIONS_SSH_DIR, pathBytes(login.sshFolder).constData());
    ssh_options_set(m_ssh, SSH_OPTIONS_KNOWNHOSTS, pathBytes(login.knownHostsFile).constData());
    ssh_options_set(m_ssh, SSH_OPTIONS_GLOBAL_KNOWNHOSTS, pathBytes(login.globalKnownHostsFile).constData());
    if (!login.agentSocket.isEmpty())
        ssh_options_set(m_ssh, SSH_OPTIONS_IDENTITY_AGENT, pathBytes(login.agentSocket).constData());
    ssh_options_set(m_ssh, SSH_OPTIONS_TIMEOUT, &seconds);
    ssh_options_set(m_ssh, SSH_OPTIONS_NODELAY, &yes);
    ssh_options_set(m_ssh, SSH_OPTIONS_CIPHERS_C_S, Ciphers);
    ssh_options_set(m_ssh, SSH_OPTIONS_CIPHERS_S_C, Ciphers);
    ssh_options_set(m_ssh, SSH_OPTIONS_FD, &sshSocket);
    if (ssh_connect(m_ssh) != SSH_OK) {
        checkCancelled();
        fail(SftpError::Kind::ConnectionFailed, fromC(ssh_get_error(m_ssh)));
    }
    bump();
    m_trace(fromC(ssh_get_serverbanner(m_ssh)));

    ssh_key key = nullptr;
    if (ssh_get_server_publickey(m_ssh, &key) != SSH_OK)
        failSsh(QStringLiteral("host key"));
    const auto freeKey = qScopeGuard([&] { ssh_key_free(key); });
    SftpHostKey hostKey;
    hostKey.type = fromC(ssh_key_type_to_char(ssh_key_type(key)));
    unsigned char *hash = nullptr;
    size_t hashLength = 0;
    if (ssh_get_publickey_hash(key, SSH_PUBLICKEY_HASH_SHA256, &hash, &hashLength) != 0)
        failSsh(QStringLiteral("host key"));
    char *fingerprint = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, hash, hashLength);
    hostKey.fingerprint = fromC(fingerprint);
    ssh_string_free_char(fingerprint);
    ssh_clean_pubkey_hash(&hash);
    m_trace(hostKey.type + QLatin1Char(' ') + hostKey.fingerprint);

    switch (ssh_session_is_known_server(m_ssh)) {
    case SSH_KNOWN_HOSTS_OK:
        hostKey.state = SftpHostKey::State::Known;
        break;
    // A key of another type than the one on record is as suspect as a changed one.
    case SSH_KNOWN_HOSTS_CHANGED:
    case SSH_KNOWN_HOSTS_OTHER:
        hostKey.state = SftpHostKey::State::Changed;
        break;
    case SSH_KNOWN_HOSTS_UNKNOWN:
    case SSH_KNOWN_HOSTS_NOT_FOUND:
        hostKey.state = SftpHostKey::State::Unknown;
        break;
    case SSH_KNOWN_HOSTS_ERROR:
        failSsh(login.knownHostsFile);
    }
    return hostKey;
}

void SftpWorker::rememberHostKey()
{
    if (ssh_session_update_known_hosts(m_ssh) != SSH_OK)
        fail(SftpError::Kind::LocalFile, fromC(ssh_get_error(m_ssh)));
}

SftpWorker::LoginResult SftpWorker::logIn(const SftpLogin &login)
{
    LoginResult result;
    const int none = ssh_userauth_none(m_ssh, nullptr);
    bump();
    if (none == SSH_AUTH_ERROR)
        failSsh(QStringLiteral("userauth"));
    if (none == SSH_AUTH_SUCCESS) {
        result.loggedIn = true;
        return result;
    }
    const int methods = ssh_userauth_list(m_ssh, nullptr);
    if (methods & SSH_AUTH_METHOD_PUBLICKEY) {
        if (!login.agentSocket.isEmpty() && tryAgent()) {
            result.loggedIn = true;
            return result;
        }
        for (const char *name : KeyFiles) {
            if (tryKeyFile(QDir(login.sshFolder).filePath(QLatin1String(name)), result.lockedKeys)) {
                result.loggedIn = true;
                return result;
            }
        }
    }
    result.loggedIn = !login.password.isEmpty() && tryPassword(login.password, methods);
    return result;
}

bool SftpWorker::tryAgent()
{
    m_trace(QStringLiteral("userauth agent"));
    const int rc = ssh_userauth_agent(m_ssh, nullptr);
    bump();
    // An agent that cannot be reached is no reason to give up the other ways.
    if (rc == SSH_AUTH_ERROR && !ssh_is_connected(m_ssh))
        failSsh(QStringLiteral("userauth agent"));
    return rc == SSH_AUTH_SUCCESS;
}

bool SftpWorker::tryKeyFile(const QString &keyFile, QStringList &lockedKeys)
{
    if (!QFileInfo::exists(keyFile))
        return false;
    // Asking the server first spares a passphrase question for a key it would not take.
    ssh_key publicKey = nullptr;
    if (ssh_pki_import_pubkey_file(pathBytes(keyFile + QStringLiteral(".pub")).constData(), &publicKey) == SSH_OK) {
        const int offered = ssh_userauth_try_publickey(m_ssh, nullptr, publicKey);
        ssh_key_free(publicKey);
        bump();
        if (offered == SSH_AUTH_ERROR)
            failSsh(QStringLiteral("userauth publickey"));
        if (offered != SSH_AUTH_SUCCESS)
            return false;
    }
    ssh_key key = nullptr;
    if (ssh_pki_import_privkey_file(pathBytes(keyFile).constData(), nullptr, nullptr, nullptr, &key) != SSH_OK) {
        lockedKeys << keyFile;
        return false;
    }
    return logInWithLoadedKey(key, keyFile) == SSH_AUTH_SUCCESS;
}

int SftpWorker::logInWithLoadedKey(ssh_key key, const QString &keyFile)
{
    m_trace(QStringLiteral("userauth publickey ") + keyFile);
    const int rc = ssh_userauth_publickey(m_ssh, nullptr, key);
    ssh_key_free(key);
    bump();
    if (rc == SSH_AUTH_ERROR)
        failSsh(QStringLiteral("userauth publickey"));
    return rc;
}

SftpWorker::KeyLogin SftpWorker::logInWithKey(const QString &keyFile, const QString &passphrase)
{
    ssh_key key = nullptr;
    if (ssh_pki_import_privkey_file(pathBytes(keyFile).constData(), passphrase.toUtf8().constData(), nullptr, nullptr,
                                    &key)
        != SSH_OK)
        return KeyLogin::WrongPassphrase;
    return logInWithLoadedKey(key, keyFile) == SSH_AUTH_SUCCESS ? KeyLogin::Accepted : KeyLogin::Refused;
}

bool SftpWorker::tryPassword(const QString &password, int methods)
{
    const QByteArray secret = password.toUtf8();
    if (methods & SSH_AUTH_METHOD_PASSWORD) {
        m_trace(QStringLiteral("userauth password"));
        const int rc = ssh_userauth_password(m_ssh, nullptr, secret.constData());
        bump();
        if (rc == SSH_AUTH_ERROR)
            failSsh(QStringLiteral("userauth password"));
        return rc == SSH_AUTH_SUCCESS;
    }
    if (!(methods & SSH_AUTH_METHOD_INTERACTIVE))
        return false;
    // Servers that ask for the password through keyboard-interactive ask one hidden question.
    m_trace(QStringLiteral("userauth keyboard-interactive"));
    constexpr int MaxRounds = 4;
    int rc = ssh_userauth_kbdint(m_ssh, nullptr, nullptr);
    for (int round = 0; rc == SSH_AUTH_INFO && round < MaxRounds; ++round) {
        const int prompts = ssh_userauth_kbdint_getnprompts(m_ssh);
        if (prompts > 1)
            return false;
        if (prompts == 1) {
            char echo = 1;
            ssh_userauth_kbdint_getprompt(m_ssh, 0, &echo);
            if (echo)
                return false;
            ssh_userauth_kbdint_setanswer(m_ssh, 0, secret.constData());
        }
        rc = ssh_userauth_kbdint(m_ssh, nullptr, nullptr);
        bump();
    }
    if (rc == SSH_AUTH_ERROR)
        failSsh(QStringLiteral("userauth keyboard-interactive"));
    return rc == SSH_AUTH_SUCCESS;
}

QString SftpWorker::startSftp()
{
    m_sftp = sftp_new(m_ssh);
    if (!m_sftp)
        failSsh(QStringLiteral("sftp"));
    if (sftp_init(m_sftp) != SSH_OK)
        failSftp(QStringLiteral("sftp"));
    bump();
    return folderPath(QStringLiteral("."));
}

QString SftpWorker::folderPath(const QString &path)
{
    char *canonical = sftp_canonicalize_path(m_sftp, pathBytes(path).constData());
    bump();
    if (!canonical)
        failSftp(QStringLiteral("realpath ") + path);
    const QString result = fromC(canonical);
    ssh_string_free_char(canonical);
    if (!isFolder(result))
        fail(SftpError::Kind::NotFound, result);
    return result;
}

bool SftpWorker::isFolder(const QString &path)
{
    sftp_attributes attributes = sftp_stat(m_sftp, pathBytes(path).constData());
    bump();
    if (!attributes) {
        if (!ssh_is_connected(m_ssh))
            failSsh(QStringLiteral("stat ") + path);
        return false;
    }
    const bool folder = attributes->type == SSH_FILEXFER_TYPE_DIRECTORY;
    sftp_attributes_free(attributes);
    return folder;
}

QList<SftpEntry> SftpWorker::list(const QString &folder)
{
    m_trace(QStringLiteral("opendir ") + folder);
    sftp_dir dir = sftp_opendir(m_sftp, pathBytes(folder).constData());
    if (!dir)
        failSftp(QStringLiteral("opendir ") + folder);
    auto closeDir = qScopeGuard([dir] { sftp_closedir(dir); });
    QList<SftpEntry> entries;
    QStringList links;
    while (sftp_attributes attributes = sftp_readdir(m_sftp, dir)) {
        bump();
        const auto freeAttributes = qScopeGuard([attributes] { sftp_attributes_free(attributes); });
        const QString name = fromC(attributes->name);
        checkCancelled();
        if (entries.size() >= MaxEntries)
            fail(SftpError::Kind::Failure, QStringLiteral("more than %1 entries in %2").arg(MaxEntries).arg(folder));
        // Names are single path components; anything else cannot be an entry of this folder.
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
            || name.contains(QLatin1Char('/')))
            continue;
        SftpEntry entry;
        entry.name = name;
        entry.size = qint64(attributes->size);
        entry.modified = QDateTime::fromSecsSinceEpoch(qint64(attributes->mtime));
        entry.folder = attributes->type == SSH_FILEXFER_TYPE_DIRECTORY;
        if (attributes->type == SSH_FILEXFER_TYPE_SYMLINK)
            links << name;
        entries << entry;
    }
    if (!sftp_dir_eof(dir))
        failSftp(QStringLiteral("readdir ") + folder);
    closeDir.dismiss();
    sftp_closedir(dir);
    // A link to a folder is opened like the folder.
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (SftpEntry &entry : entries) {
        if (links.contains(entry.name))
            entry.folder = isFolder(base + entry.name);
    }
    return entries;
}

void SftpWorker::makeFolder(const QString &path)
{
    m_trace(QStringLiteral("mkdir ") + path);
    if (sftp_mkdir(m_sftp, pathBytes(path).constData(), NewFolderMode) != 0)
        failSftp(QStringLiteral("mkdir ") + path);
    bump();
}

void SftpWorker::removeFolder(const QString &path)
{
    m_trace(QStringLiteral("rmdir ") + path);
    if (sftp_rmdir(m_sftp, pathBytes(path).constData()) != 0)
        failSftp(QStringLiteral("rmdir ") + path);
    bump();
}

void SftpWorker::removeFile(const QString &path)
{
    m_trace(QStringLiteral("remove ") + path);
    if (sftp_unlink(m_sftp, pathBytes(path).constData()) != 0)
        failSftp(QStringLiteral("remove ") + path);
    bump();
}

void SftpWorker::rename(const QString &from, const QString &to)
{
    m_trace(QStringLiteral("rename ") + from + QLatin1Char(' ') + to);
    if (sftp_attributes existing = sftp_lstat(m_sftp, pathBytes(to).constData())) {
        sftp_attributes_free(existing);
        fail(SftpError::Kind::AlreadyExists, to);
    }
    if (sftp_rename(m_sftp, pathBytes(from).constData(), pathBytes(to).constData()) != 0)
        failSftp(QStringLiteral("rename ") + from);
    bump();
}

void SftpWorker::drainReads(sftp_file_struct *file, QList<int> &requests)
{
    std::vector<char> discard(LargeChunk);
    for (const int id : std::as_const(requests)) {
        if (sftp_async_read(file, discard.data(), uint32_t(discard.size()), uint32_t(id)) == SSH_ERROR
            && !ssh_is_connected(m_ssh))
            break;
    }
    requests.clear();
}

void SftpWorker::download(const QString &remote, const QString &localPath)
{
    m_trace(QStringLiteral("open ") + remote);
    DownloadFile target(localPath);
    if (!target.open())
        fail(SftpError::Kind::LocalFile, localPath + QStringLiteral(": ") + target.errorString());
    sftp_file file = sftp_open(m_sftp, pathBytes(remote).constData(), O_RDONLY, 0);
    if (!file)
        failSftp(QStringLiteral("open ") + remote);
    QList<int> requests;
    auto closeFile = qScopeGuard([&] {
        drainReads(file, requests);
        sftp_close(file);
    });
    if (sftp_attributes attributes = sftp_fstat(file)) {
        m_progress.total = qint64(attributes->size);
        sftp_attributes_free(attributes);
    }
    m_progress.done = 0;

    const bool large = sftp_extension_supported(m_sftp, "limits@openssh.com", "1");
    int chunk = large ? LargeChunk : SmallChunk;
    std::vector<char> buffer(LargeChunk);
    QList<int> lengths;
    bool end = false;
    while (true) {
        checkCancelled();
        while (!end && requests.size() < ReadDepth) {
            const int id = sftp_async_read_begin(file, uint32_t(chunk));
            if (id < 0)
                failSftp(QStringLiteral("read ") + remote);
            requests << id;
            lengths << chunk;
        }
        if (requests.isEmpty())
            break;
        const int id = requests.takeFirst();
        const int asked = lengths.takeFirst();
        const int got = sftp_async_read(file, buffer.data(), uint32_t(buffer.size()), uint32_t(id));
        bump();
        if (got < 0)
            failSftp(QStringLiteral("read ") + remote);
        if (got == 0) {
            end = true;
            continue;
        }
        if (target.device().write(buffer.data(), got) != got)
            fail(SftpError::Kind::LocalFile, localPath + QStringLiteral(": ") + target.errorString());
        m_progress.done += got;
        // The reads in flight asked for what follows a full answer; after a short one they
        // are dropped and reading goes on from where the data ends, in pieces the server gives.
        if (got < asked && !end) {
            drainReads(file, requests);
            lengths.clear();
            sftp_seek64(file, uint64_t(m_progress.done.load()));
            chunk = qMax(got, SmallChunk);
        }
    }
    closeFile.dismiss();
    if (sftp_close(file) != SSH_OK)
        failSftp(QStringLiteral("close ") + remote);
    if (!target.commit())
        fail(SftpError::Kind::LocalFile, localPath + QStringLiteral(": ") + target.errorString());
    m_trace(QStringLiteral("Received %1 Bytes").arg(m_progress.done.load()));
}

void SftpWorker::upload(const QString &localPath, const QString &remote)
{
    QFile source(localPath);
    if (!source.open(QIODevice::ReadOnly))
        fail(SftpError::Kind::LocalFile, localPath + QStringLiteral(": ") + source.errorString());
    m_progress.total = source.size();
    m_progress.done = 0;

    // A complete upload under a temporary name replaces the remote file, so that a failed
    // or cancelled one leaves the published file as it was; a new file that did not arrive
    // whole is removed. A link is written through.
    mode_t mode = NewFileMode;
    bool replace = false;
    bool created = true;
    if (sftp_attributes existing = sftp_lstat(m_sftp, pathBytes(remote).constData())) {
        replace = existing->type == SSH_FILEXFER_TYPE_REGULAR;
        created = false;
        mode = existing->permissions & 07777;
        sftp_attributes_free(existing);
    }
    const qsizetype slash = remote.lastIndexOf(QLatin1Char('/'));
    const QString partial = remote.left(slash + 1) + QLatin1Char('.') + remote.mid(slash + 1) + QStringLiteral(".part");
    QString written = replace ? partial : remote;
    m_trace(QStringLiteral("open ") + written);
    sftp_file file = sftp_open(m_sftp, pathBytes(written).constData(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    if (!file && replace && sftp_get_error(m_sftp) == SSH_FX_PERMISSION_DENIED) {
        // A folder that takes no new files may still let its files be rewritten.
        replace = false;
        written = remote;
        file = sftp_open(m_sftp, pathBytes(written).constData(), O_WRONLY | O_TRUNC, mode);
    }
    if (!file)
        failSftp(QStringLiteral("open ") + written);
    auto removeWritten = qScopeGuard([&] {
        if (file)
            sftp_close(file);
        if ((replace || created) && ssh_is_connected(m_ssh))
            sftp_unlink(m_sftp, pathBytes(written).constData());
    });

    const bool large = sftp_extension_supported(m_sftp, "limits@openssh.com", "1");
    std::vector<char> buffer(large ? LargestWrite : SmallChunk);
    while (true) {
        checkCancelled();
        const qint64 got = source.read(buffer.data(), qint64(buffer.size()));
        if (got < 0)
            fail(SftpError::Kind::LocalFile, localPath + QStringLiteral(": ") + source.errorString());
        if (got == 0)
            break;
        if (sftp_write(file, buffer.data(), size_t(got)) != got)
            failSftp(QStringLiteral("write ") + written);
        bump();
        m_progress.done += got;
    }
    const int closed = sftp_close(file);
    file = nullptr;
    if (closed != SSH_OK)
        failSftp(QStringLiteral("close ") + written);
    if (replace) {
        // The server's umask may have narrowed the old file's permissions.
        sftp_chmod(m_sftp, pathBytes(partial).constData(), mode);
        if (sftp_unlink(m_sftp, pathBytes(remote).constData()) != 0)
            failSftp(QStringLiteral("remove ") + remote);
        // From here the partial file is the only copy of the upload.
        removeWritten.dismiss();
        if (sftp_rename(m_sftp, pathBytes(partial).constData(), pathBytes(remote).constData()) != 0)
            failSftp(QStringLiteral("rename ") + partial);
    }
    removeWritten.dismiss();
    bump();
}

bool SftpWorker::isConnected() const
{
    return m_ssh && ssh_is_connected(m_ssh);
}

void SftpWorker::close()
{
    {
        const std::lock_guard<std::mutex> lock(m_socketLock);
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = -1;
    }
    if (m_sftp)
        sftp_free(m_sftp);
    m_sftp = nullptr;
    if (m_ssh) {
        ssh_disconnect(m_ssh);
        ssh_free(m_ssh);
    }
    m_ssh = nullptr;
}

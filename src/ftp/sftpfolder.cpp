#include "ftp/sftpfolder.h"

#include "ftp/ftperrortexts.h"
#include "ftp/sftptexts.h"
#include "settings/settings.h"
#include "ui/prompts.h"

namespace {

// Refusals of one operation; the connection stays.
bool isRefusal(SftpError::Kind kind)
{
    return kind == SftpError::Kind::NotFound || kind == SftpError::Kind::PermissionDenied
        || kind == SftpError::Kind::AlreadyExists || kind == SftpError::Kind::Failure;
}

} // namespace

SftpFolder::SftpFolder()
    : m_login(SftpLogin::userDefaults())
{
    m_session.OnHostKey = [this](const SftpHostKey &key) { return askHostKey(key); };
    m_session.OnPassphrase = [this](const QString &keyFile, bool again) { return askPassphrase(keyFile, again); };
    m_session.OnStatus = [this](const QString &line) {
        if (OnStatus)
            OnStatus(line);
    };
    m_session.OnProgress = [this] {
        if (OnProgress)
            OnProgress();
    };
    m_session.OnDisconnect = [this] {
        if (OnDisconnect)
            OnDisconnect();
    };
}

void SftpFolder::setConnection(const FtpConnections::PendingConnection &connection, int timeOutMs)
{
    const FtpConnections::Endpoint endpoint = FtpConnections::endpointOf(connection.host, SftpLogin::DefaultPort);
    m_login.host = endpoint.host;
    m_login.port = endpoint.port;
    m_login.user = connection.user;
    m_login.password = connection.password;
    m_login.timeOutMs = timeOutMs;
}

QString SftpFolder::server() const
{
    if (m_login.port == SftpLogin::DefaultPort)
        return m_login.host;
    return QStringLiteral("%1:%2").arg(m_login.host).arg(m_login.port);
}

SftpHostKeyAnswer SftpFolder::askHostKey(const SftpHostKey &key)
{
    const int lang = settings().Lang;
    Prompts::Choice question;
    question.kind = Prompts::Kind::Warning;
    question.text = SftpTexts::unknownHostKey(server(), key, lang);
    question.choices = SftpTexts::hostKeyChoices(lang);
    // Refusing is what Enter does: trust takes a deliberate choice.
    question.defaultChoice = 2;
    int chosen = -1;
    ask([&] { chosen = Prompts::choose(question); });
    switch (chosen) {
    case 0:
        return SftpHostKeyAnswer::TrustOnce;
    case 1:
        return SftpHostKeyAnswer::TrustAndRemember;
    default:
        return SftpHostKeyAnswer::Refuse;
    }
}

std::optional<QString> SftpFolder::askPassphrase(const QString &keyFile, bool again)
{
    std::optional<QString> answer;
    ask([&] { answer = Prompts::secret(SftpTexts::passphrase(keyFile, again, settings().Lang)); });
    return answer;
}

void SftpFolder::connectToServer()
{
    try {
        m_session.connectToHost(m_login);
    } catch (const SftpError &) {
        if (OnConnectionFailed)
            OnConnectionFailed();
        throw;
    }
}

void SftpFolder::disconnectFromServer()
{
    m_session.disconnectFromHost();
}

void SftpFolder::abort()
{
    m_session.cancel();
}

bool SftpFolder::isConnected() const
{
    return m_session.isConnected();
}

void SftpFolder::attempt(TCmdType type, const std::function<void()> &call)
{
    if (!m_session.isConnected()) {
        bool handled = false;
        if (OnConnectionRequired)
            OnConnectionRequired(handled);
        if (!m_session.isConnected())
            throw SftpError(SftpError::Kind::ConnectionLost, QStringLiteral("not connected"));
    }
    try {
        call();
    } catch (const SftpError &error) {
        if (!isRefusal(error.kind()))
            throw;
        bool handled = false;
        if (OnFailure)
            OnFailure(handled, type);
        if (!handled)
            throw;
        return;
    }
    if (OnSuccess)
        OnSuccess(type);
}

QString SftpFolder::workingFolder()
{
    return m_session.workingFolder();
}

void SftpFolder::changeFolder(const QString &name)
{
    attempt(TCmdType::ChangeFolder, [&] { m_session.changeFolder(name); });
}

QList<RemoteFolder::Entry> SftpFolder::list()
{
    QList<Entry> entries;
    attempt(TCmdType::ListFolder, [&] {
        const QDateTime now = QDateTime::currentDateTime();
        for (const SftpEntry &found : m_session.list())
            entries << Entry{found.name, found.size, SftpTexts::date(found.modified, now, settings().Lang),
                             found.folder};
    });
    return entries;
}

void SftpFolder::makeFolder(const QString &name)
{
    attempt(TCmdType::MakeFolder, [&] { m_session.makeFolder(name); });
}

void SftpFolder::removeFolder(const QString &name)
{
    attempt(TCmdType::RemoveFolder, [&] { m_session.removeFolder(name); });
}

void SftpFolder::removeFile(const QString &name)
{
    attempt(TCmdType::RemoveFile, [&] { m_session.removeFile(name); });
}

void SftpFolder::rename(const QString &oldName, const QString &newName)
{
    attempt(TCmdType::Rename, [&] { m_session.rename(oldName, newName); });
}

void SftpFolder::fetchFile(const QString &name, const QString &localPath)
{
    attempt(TCmdType::Download, [&] { m_session.fetchFile(name, localPath); });
}

void SftpFolder::putFile(const QString &localPath, const QString &name)
{
    attempt(TCmdType::Upload, [&] { m_session.putFile(localPath, name); });
}

qint64 SftpFolder::bytesDone() const
{
    return m_session.bytesDone();
}

qint64 SftpFolder::transferSize() const
{
    return m_session.transferSize();
}

QString SftpFolder::errorText(const std::exception &error, int lang) const
{
    if (const auto *failure = dynamic_cast<const SftpError *>(&error))
        return SftpTexts::error(*failure, server(), m_login.knownHostsFile, lang);
    // The window's own, such as a cancel between two steps.
    return FtpErrorTexts::text(error, lang);
}

std::optional<QString> SftpFolder::refusalOf(const std::exception &error) const
{
    if (const auto *failure = dynamic_cast<const SftpError *>(&error); failure && isRefusal(failure->kind()))
        return failure->detail();
    return std::nullopt;
}

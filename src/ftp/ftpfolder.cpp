#include "ftp/ftpfolder.h"

#include "ftp/ftpcertificate.h"
#include "ftp/ftperrortexts.h"
#include "ftp/ftpexception.h"
#include "ftp/ftpformtexts.h"
#include "ftp/ftplisting.h"
#include "ftp/ftpreply.h"
#include "ftp/ftptransferoptions.h"
#include "settings/settings.h"
#include "ui/prompts.h"

namespace {

constexpr int ReportLevel = 2;
constexpr int BinaryType = 2;

} // namespace

FtpFolder::FtpFolder()
    : m_client(std::make_unique<TNMFTP>())
{
    m_client->ReportLevel = ReportLevel;
    m_client->Vendor = TNMFTP::VendorAuto;
    m_client->ParseList = true;
    m_client->ProxyPort = 0;
    m_client->OnDisconnect = [this](TPowersock *) {
        m_binary = false;
        if (OnDisconnect)
            OnDisconnect();
    };
    m_client->OnStatus = [this](TPowersock *, const QString &status) {
        if (OnStatus)
            OnStatus(status);
    };
    m_client->OnConnectionFailed = [this](TPowersock *) {
        if (OnConnectionFailed)
            OnConnectionFailed();
    };
    m_client->OnPacketRecvd = [this](TPowersock *) {
        m_sending = false;
        if (OnProgress)
            OnProgress();
    };
    m_client->OnPacketSent = [this](TPowersock *) {
        m_sending = true;
        if (OnProgress)
            OnProgress();
    };
    m_client->OnError = [this](TPowersock *, quint16, const QString &message) {
        if (OnError)
            OnError(FtpErrorTexts::clientText(message, settings().Lang));
    };
    m_client->OnConnectionRequired = [this](bool &handled) {
        if (OnConnectionRequired)
            OnConnectionRequired(handled);
    };
    m_client->OnFailure = [this](bool &handled, TCmdType type) {
        if (OnFailure)
            OnFailure(handled, type);
    };
    m_client->OnSuccess = [this](TCmdType type) {
        if (OnSuccess)
            OnSuccess(type);
    };
    m_client->OnCertificateError = [this](const QSslCertificate &certificate, const QList<QSslError> &errors) {
        return trustCertificate(certificate, errors);
    };
}

// The client goes first, while the events it fires still reach this object.
FtpFolder::~FtpFolder() = default;

void FtpFolder::setConnection(const FtpConnections::PendingConnection &connection, int timeOutMs)
{
    const FtpConnections::Endpoint endpoint = FtpConnections::endpointOf(connection.host);
    m_client->Host = endpoint.host;
    m_client->Port = endpoint.port;
    m_client->Password = connection.password;
    m_client->UserID = connection.user;
    m_client->Mode = connection.options.mode;
    m_client->Security = connection.options.encryption;
    m_client->TrustedCertificates = FtpTransferStore::trustedCertificates(endpoint.host);
    m_client->TimeOut = timeOutMs;
}

bool FtpFolder::trustCertificate(const QSslCertificate &certificate, const QList<QSslError> &errors)
{
    const int lang = settings().Lang;
    const QString question = FtpTexts::TrustCertificate.text(lang).arg(
        m_client->Host, FtpCertificate::details(certificate, errors, lang));
    bool trusted = false;
    ask([&] {
        trusted = Prompts::message(Prompts::Kind::Warning, question, Prompts::Button::Yes | Prompts::Button::No)
            == Prompts::Button::Yes;
    });
    if (trusted)
        FtpTransferStore::saveTrustedCertificates(m_client->Host, m_client->TrustedCertificates + QList{certificate});
    return trusted;
}

void FtpFolder::connectToServer()
{
    m_client->Connect();
}

void FtpFolder::disconnectFromServer()
{
    m_client->Disconnect();
}

void FtpFolder::abort()
{
    m_client->Abort();
}

bool FtpFolder::isConnected() const
{
    return m_client->connected();
}

QString FtpFolder::workingFolder()
{
    return m_client->WorkingFolder();
}

void FtpFolder::changeFolder(const QString &name)
{
    m_client->ChangeFolder(name);
}

QList<RemoteFolder::Entry> FtpFolder::list()
{
    m_client->ListFolder();
    QList<Entry> entries;
    const TFTPDirectoryList *listing = m_client->directoryList();
    if (!listing)
        return entries;
    for (qsizetype k = 0; k < listing->names().size(); ++k) {
        const QString &name = listing->names().at(k);
        entries << Entry{name, listing->sizes().value(k).toLongLong(), listing->dates().value(k),
                         !FtpListing::isFile(name)};
    }
    return entries;
}

bool FtpFolder::listingCut() const
{
    return m_client->listingCut();
}

void FtpFolder::makeFolder(const QString &name)
{
    m_client->MakeFolder(name);
}

void FtpFolder::removeFolder(const QString &name)
{
    m_client->RemoveFolder(name);
}

void FtpFolder::removeFile(const QString &name)
{
    m_client->RemoveFile(name);
}

void FtpFolder::rename(const QString &oldName, const QString &newName)
{
    m_client->RenameEntry(oldName, newName);
}

void FtpFolder::useBinary()
{
    if (m_binary)
        return;
    m_client->SetTransferType(BinaryType);
    m_binary = true;
}

void FtpFolder::fetchFile(const QString &name, const QString &localPath)
{
    useBinary();
    m_client->FetchFile(name, localPath);
}

void FtpFolder::putFile(const QString &localPath, const QString &name)
{
    useBinary();
    m_client->PutFile(localPath, name);
}

qint64 FtpFolder::bytesDone() const
{
    return m_sending ? m_client->bytesSent() : m_client->bytesReceived();
}

qint64 FtpFolder::transferSize() const
{
    return m_client->transferSize();
}

QString FtpFolder::errorText(const std::exception &error, int lang) const
{
    return FtpErrorTexts::text(error, lang);
}

std::optional<QString> FtpFolder::refusalOf(const std::exception &error) const
{
    if (const auto *reply = dynamic_cast<const FTPException *>(&error))
        return FtpReply::chomp(reply->message());
    return std::nullopt;
}

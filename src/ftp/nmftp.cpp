#include "ftp/nmftp.h"

#include "ftp/downloadfile.h"
#include "ftp/ftpexception.h"
#include "ftp/ftpreply.h"
#include "ftp/ftptext.h"
#include "ftp/ftpunixlist.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSslSocket>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

constexpr int PortFailure = 301;
constexpr int LoginFailure = 401;
constexpr int CommandFailure = 400;
constexpr int RenameFromFailure = 352;
// How long the answers to an ABOR are awaited.
constexpr int AbortReplyMs = 5000;
// How long a server may take to answer ABOR while the transfer still runs.
constexpr int FirstAbortReplyMs = 1000;
// After a positive reply that may be the broken-off transfer's own, how long the answer to
// ABOR itself may take to follow.
constexpr int SecondAbortReplyMs = 1000;

// Refusals of PORT that passive mode may overcome: the server cannot connect, does not know
// the command, or will not connect to the address (a router's private one).
bool refusesActive(int code)
{
    return code == 425 || (code >= 500 && code <= 502);
}

QString receivedText(qint64 count)
{
    return QStringLiteral("Received %1 Bytes").arg(count);
}

} // namespace

TNMFTP::TNMFTP(QObject *parent)
    : TPowersock(parent)
{
    Port = 21;
}

TNMFTP::~TNMFTP()
{
    closeForGood();
    m_data.reset();
    // Log out without waiting for the answer: no event loop may run inside a destructor.
    writeNow("QUIT\r\n");
}

TCmdType TNMFTP::commandType(const QString &line)
{
    const QString word = line.section(QLatin1Char(' '), 0, 0);
    if (word == QLatin1String("CWD"))
        return TCmdType::ChangeFolder;
    if (word == QLatin1String("DELE"))
        return TCmdType::RemoveFile;
    if (word == QLatin1String("MKD"))
        return TCmdType::MakeFolder;
    if (word == QLatin1String("RMD"))
        return TCmdType::RemoveFolder;
    return line == QLatin1String("PWD") ? TCmdType::WorkingFolder : TCmdType::Command;
}

int TNMFTP::vendorOf(const QString &systemReply)
{
    static const std::pair<const char *, int> kinds[] = {
        {"UNIX", VendorUnix}, {"NETWARE", VendorNetWare}, {"DOS", VendorDos},
        {"VMS", VendorVms},   {"MVS", VendorMvs},         {"VM", VendorVm},
        {"MACOS", VendorMacOs}, {"OS/400", VendorOs400},
    };
    for (const auto &[text, kind] : kinds) {
        if (systemReply.contains(QLatin1String(text)))
            return kind;
    }
    return VendorOther;
}

qint64 TNMFTP::bytesReceived() const
{
    return m_data ? m_data->bytesReceived() : m_dataReceived;
}

qint64 TNMFTP::bytesSent() const
{
    return m_data ? m_data->bytesSent() : m_dataSent;
}

void TNMFTP::startOperation()
{
    clearCancelled();
    m_aborted = false;
}

bool TNMFTP::holdsServiceEnd() const
{
    const QByteArray &buffer = receiveBuffer();
    return (buffer.startsWith("421") || buffer.startsWith("426")) && buffer.contains('\n');
}

void TNMFTP::dataArrived()
{
    // The server is closing the connection or has dropped the transfer: stop waiting. While a
    // transfer is being aborted, that is the expected answer.
    if (holdsServiceEnd() && !m_abortingTransfer) {
        Cancel();
        if (m_data)
            m_data->Cancel();
        return;
    }
    // A server that gives up connecting says so; the data connection will not come.
    if (m_awaitingData && m_data && holdsRefusal())
        m_data->Cancel();
}

bool TNMFTP::holdsRefusal() const
{
    const QByteArray &buffer = receiveBuffer();
    return buffer.contains('\n') && FtpReply::failed(FtpReply::code(QString::fromLatin1(buffer.left(3))), CommandFailure);
}

void TNMFTP::socketClosed()
{
    m_list.reset();
    Vendor = VendorAuto;
    m_passive = false;
    m_extendedPassiveRefused = false;
    m_protectData = false;
    m_announcedUtf8 = false;
    m_unixServer = false;
    m_listingEncoding = NameEncoding::Unknown;
    updateEncoding();
    // A transfer cannot be completed without its control connection.
    if (m_data)
        m_data->Cancel();
}

QString TNMFTP::readReplyLine()
{
    try {
        return ReadLn();
    } catch (const ESockError &error) {
        if (error.reason() == ESockError::Reason::Cancelled && !m_aborted && holdsServiceEnd()) {
            clearCancelled();
            return ReadLn();
        }
        // A reply still on its way would be taken for the answer to the next command.
        if (error.reason() == ESockError::Reason::Cancelled || error.reason() == ESockError::Reason::TimedOut)
            dropConnection();
        throw;
    }
}

void TNMFTP::dropConnection()
{
    if (!connected())
        return;
    Status(ProtocolLevel, QStringLiteral("No reply: connection closed"));
    TPowersock::Disconnect();
}

QString TNMFTP::Transaction(const QString &command)
{
    Status(TraceLevel, QStringLiteral("Transaction"));
    Writeln(command);
    storeReply(readReplyLine());
    return lastReply();
}

void TNMFTP::readContinuation(Reply &reply)
{
    QString line = reply.lines.constLast();
    while (FtpReply::continues(line)) {
        line = readReplyLine();
        Status(ProtocolLevel, FtpReply::chomp(line));
        reply.lines.append(line);
    }
}

TNMFTP::Reply TNMFTP::completeReply()
{
    Reply reply;
    reply.line = lastReply();
    reply.code = replyCode();
    reply.lines.append(reply.line);
    readContinuation(reply);
    return reply;
}

TNMFTP::Reply TNMFTP::exchange(const QString &command)
{
    Transaction(command);
    return completeReply();
}

TNMFTP::Reply TNMFTP::readReply()
{
    storeReply(readReplyLine());
    return completeReply();
}

void TNMFTP::fail(const Reply &reply, TCmdType type, bool unsupportedFirst)
{
    if (unsupportedFirst && reply.code >= 500 && reply.code <= 502 && OnUnSupportedFunction)
        OnUnSupportedFunction(type);
    bool handled = false;
    if (OnFailure)
        OnFailure(handled, type);
    if (!handled)
        throw FTPException(reply.line);
}

void TNMFTP::refuseLogin(const Reply &reply)
{
    if (TPowersock::OnConnectionFailed)
        TPowersock::OnConnectionFailed(this);
    throw FTPException(reply.line);
}

void TNMFTP::refuseLogin(const QString &reason)
{
    if (TPowersock::OnConnectionFailed)
        TPowersock::OnConnectionFailed(this);
    throw ESockError(reason);
}

bool TNMFTP::passive() const
{
    return Mode == TransferMode::Passive || (Mode == TransferMode::Automatic && m_passive);
}

QString TNMFTP::connectionSummary() const
{
    QString mode;
    switch (Mode) {
    case TransferMode::Automatic:
        mode = m_passive ? QStringLiteral("automatic, now passive") : QStringLiteral("automatic, now active");
        break;
    case TransferMode::Active: mode = QStringLiteral("active"); break;
    case TransferMode::Passive: mode = QStringLiteral("passive"); break;
    }
    QString security = QStringLiteral("none");
    if (encrypted())
        security = m_protectData ? QStringLiteral("TLS, data encrypted") : QStringLiteral("TLS, data unencrypted");
    return QStringLiteral("Transfer mode: %1; encryption: %2").arg(mode, security);
}

void TNMFTP::Connect()
{
    startOperation();
    if (connected())
        return;
    requireSingleLine(UserID);
    requireSingleLine(Password);
    SetTlsCapable(Security != Encryption::None);
    m_passive = false;
    // Once more when the user has just trusted the server's certificate.
    for (bool again = true; again;) {
        discardReceived();
        TPowersock::Connect();
        try {
            again = !logIn();
        } catch (...) {
            // No QUIT: a server that failed the login need not be waited for again.
            TPowersock::Disconnect();
            Status(ProtocolLevel, QStringLiteral("Disconnected"));
            throw;
        }
    }
}

bool TNMFTP::logIn()
{
    Reply greeting;
    greeting.lines.append(QStringLiteral(" "));
    readContinuation(greeting);
    // A server that turns us away says so in its greeting.
    greeting.line = greeting.lines.value(1);
    if (FtpReply::failed(FtpReply::code(greeting.line), LoginFailure))
        refuseLogin(greeting);
    if (Security != Encryption::None && !secureControl())
        return false;

    if ((UserID.isEmpty() || Password.isEmpty()) && OnAuthenticationNeeded) {
        bool handled = false;
        OnAuthenticationNeeded(handled);
        requireSingleLine(UserID);
        requireSingleLine(Password);
    }

    Status(ProtocolLevel, QStringLiteral("USER ") + UserID);
    const QString user = Proxy.isEmpty() ? UserID : UserID + QLatin1Char('@') + Host;
    const Reply userReply = exchange(QStringLiteral("USER ") + user);
    if (FtpReply::failed(userReply.code, LoginFailure))
        refuseLogin(userReply);
    if (userReply.code == 331) {
        Status(ProtocolLevel, QStringLiteral("PASS "));
        const Reply passReply = exchange(QStringLiteral("PASS ") + Password);
        if (FtpReply::failed(passReply.code, LoginFailure))
            refuseLogin(passReply);
    }
    if (encrypted())
        protectData();
    negotiateFeatures();
    Status(ProtocolLevel, connectionSummary());
    if (OnConnect)
        OnConnect(this);
    return true;
}

bool TNMFTP::secureControl()
{
    // Asked before AUTH: once the server agrees, it accepts nothing but a handshake.
    if (!QSslSocket::supportsSsl()) {
        const QString missing = QStringLiteral("Encryption is not available: the TLS library (OpenSSL) could not be loaded");
        if (Security == Encryption::Required)
            refuseLogin(missing);
        Status(ProtocolLevel, missing);
        return true;
    }
    Status(ProtocolLevel, QStringLiteral("AUTH TLS"));
    const Reply auth = exchange(QStringLiteral("AUTH TLS"));
    if (auth.code != 234) {
        if (Security == Encryption::Required)
            refuseLogin(QStringLiteral("The server does not offer encryption (TLS), which this connection requires. "
                                       "Its answer: %1").arg(FtpReply::chomp(auth.line)));
        return true;
    }

    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    // The data connections resume this session; many servers insist on it.
    configuration.setSslOption(QSsl::SslOptionDisableSessionPersistence, false);
    // TLS 1.3 servers send their session tickets after the handshake; one arriving on a data
    // connection just closed after an upload resets it, and the server loses the upload's end.
    configuration.setProtocol(QSsl::TlsV1_2);
    try {
        StartTls(configuration, Proxy.isEmpty() ? Host : Proxy, TrustedCertificates);
    } catch (const ESockError &) {
        const QList<QSslError> errors = sslErrors();
        const auto withCertificate = std::find_if(errors.cbegin(), errors.cend(),
                                                  [](const QSslError &error) { return !error.certificate().isNull(); });
        if (withCertificate == errors.cend() || !OnCertificateError
            || !OnCertificateError(withCertificate->certificate(), errors))
            throw;
        TrustedCertificates.append(withCertificate->certificate());
        return false;
    }
    return true;
}

void TNMFTP::protectData()
{
    Status(ProtocolLevel, QStringLiteral("PBSZ 0"));
    const Reply size = exchange(QStringLiteral("PBSZ 0"));
    Reply protection = size;
    if (!FtpReply::failed(size.code, CommandFailure)) {
        Status(ProtocolLevel, QStringLiteral("PROT P"));
        protection = exchange(QStringLiteral("PROT P"));
    }
    m_protectData = !FtpReply::failed(protection.code, CommandFailure);
    if (!m_protectData && Security == Encryption::Required)
        refuseLogin(QStringLiteral("The server does not encrypt data connections, which this connection requires. "
                                   "Its answer: %1").arg(FtpReply::chomp(protection.line)));
}

void TNMFTP::negotiateFeatures()
{
    Status(ProtocolLevel, QStringLiteral("FEAT"));
    const Reply features = exchange(QStringLiteral("FEAT"));
    bool utf8 = false;
    if (features.code == 211) {
        for (const QString &line : features.lines)
            utf8 = utf8 || (line.startsWith(QLatin1Char(' ')) && line.trimmed().compare(QLatin1String("UTF8"), Qt::CaseInsensitive) == 0);
    }
    if (utf8) {
        Status(ProtocolLevel, QStringLiteral("OPTS UTF8 ON"));
        exchange(QStringLiteral("OPTS UTF8 ON"));
    }
    m_announcedUtf8 = utf8;
    updateEncoding();
}

void TNMFTP::updateEncoding()
{
    // Names are written as the last listing with other than ASCII names showed them, so that
    // they reach the same files; before that, as the server announced, and on Unix servers,
    // which mostly keep UTF-8 names without announcing it, as UTF-8. Other servers mostly
    // speak their Windows code page.
    switch (m_listingEncoding) {
    case NameEncoding::Utf8: SetUtf8(true); break;
    case NameEncoding::Windows1252: SetUtf8(false); break;
    case NameEncoding::Unknown: SetUtf8(m_announcedUtf8 || m_unixServer); break;
    }
}

QString TNMFTP::decodeLine(const QByteArray &bytes) const
{
    if (m_listingEncoding == NameEncoding::Windows1252)
        return FtpText::decode(bytes, false);
    return FtpText::decode(bytes, FtpText::isUtf8(bytes));
}

void TNMFTP::Disconnect()
{
    startOperation();
    if (!connected()) {
        TPowersock::Disconnect();
        return;
    }
    Status(ProtocolLevel, QStringLiteral("QUIT"));
    m_list.reset();
    Vendor = VendorAuto;
    discardReceived();
    Reply reply;
    try {
        reply = exchange(QStringLiteral("QUIT"));
    } catch (const ESockError &) {
        // A server that closes the connection, or does not answer, has logged us out all the
        // same once the connection is closed.
    }
    TPowersock::Disconnect();
    if (FtpReply::failed(reply.code, PortFailure))
        throw FTPException(reply.line);
}

void TNMFTP::Abort()
{
    m_aborted = true;
    if (m_data)
        m_data->Cancel();
    Cancel();
}

QString TNMFTP::SendCommand(const QString &line)
{
    requireSingleLine(line);
    const TCmdType type = commandType(line);
    startOperation();
    CertifyConnect();
    Status(ProtocolLevel, line);
    discardReceived();
    const Reply reply = exchange(line);
    if (FtpReply::failed(reply.code, CommandFailure))
        fail(reply, type, true);
    else if (OnSuccess)
        OnSuccess(type);
    return reply.line;
}

QString TNMFTP::WorkingFolder()
{
    return FtpReply::folder(SendCommand(QStringLiteral("PWD")));
}

void TNMFTP::ChangeFolder(const QString &folder)
{
    SendCommand(QStringLiteral("CWD ") + folder);
}

void TNMFTP::MakeFolder(const QString &name)
{
    SendCommand(QStringLiteral("MKD ") + name);
}

void TNMFTP::RemoveFile(const QString &name)
{
    SendCommand(QStringLiteral("DELE ") + name);
}

void TNMFTP::RemoveFolder(const QString &name)
{
    SendCommand(QStringLiteral("RMD ") + name);
}

void TNMFTP::SetTransferType(int type)
{
    switch (type) {
    case 1: SendCommand(QStringLiteral("TYPE A")); break;
    case 2: SendCommand(QStringLiteral("TYPE I")); break;
    case 3: SendCommand(QStringLiteral("TYPE L 8")); break;
    default: break;
    }
}

void TNMFTP::RenameEntry(const QString &oldName, const QString &newName)
{
    requireSingleLine(oldName);
    requireSingleLine(newName);
    startOperation();
    CertifyConnect();
    discardReceived();
    Status(ProtocolLevel, QStringLiteral("RNFR ") + oldName);
    const Reply from = exchange(QStringLiteral("RNFR ") + oldName);
    if (FtpReply::failed(from.code, RenameFromFailure))
        fail(from, TCmdType::Rename, false);
    Status(ProtocolLevel, QStringLiteral("RNTO ") + newName);
    const Reply to = exchange(QStringLiteral("RNTO ") + newName);
    if (FtpReply::failed(to.code, PortFailure))
        fail(to, TCmdType::Rename, true);
    else if (OnSuccess)
        OnSuccess(TCmdType::Rename);
}

void TNMFTP::abortTransfer()
{
    // A reset rather than an orderly close: an upload broken off must not count as complete.
    const auto resetData = [this] {
        if (m_data)
            m_data->ResetConnection();
    };
    clearCancelled();
    if (!connected()) {
        resetData();
        return;
    }
    // The server may still be sending, receiving or trying to connect; ABOR stops it, and its
    // answers are taken now so that none is mistaken for the reply to what follows.
    Status(ProtocolLevel, QStringLiteral("ABOR"));
    QScopedValueRollback<bool> aborting(m_abortingTransfer, true);
    try {
        Writeln(QStringLiteral("ABOR"));
        const QDeadlineTimer deadline(AbortReplyMs);
        const auto lineArrived = [this] { return receiveBuffer().contains('\n') || !connected(); };
        // A server that reads ABOR during a transfer answers at once, before the reset could
        // look like the end of an upload to it; others read it once the data connection ends.
        waitAtMost(lineArrived, FirstAbortReplyMs);
        resetData();
        bool replied = false;
        bool transferFailed = false;
        for (;;) {
            waitAtMost(lineArrived, int(deadline.remainingTime()));
            if (!receiveBuffer().contains('\n'))
                break;
            const int code = readReply().code;
            replied = true;
            // A 4xx about the broken-off transfer comes first, then the answer to ABOR. A
            // positive reply without it may be the transfer's own end, with ABOR's to follow.
            if (code >= 400 && code <= 499) {
                transferFailed = true;
                continue;
            }
            if (code == 225 || code >= 500 || transferFailed)
                return;
            waitAtMost(lineArrived, int(qMin<qint64>(SecondAbortReplyMs, deadline.remainingTime())));
            if (receiveBuffer().contains('\n'))
                readReply();
            return;
        }
        if (!replied)
            dropConnection();
    } catch (const ESockError &) {
        resetData();
        dropConnection();
    }
}

quint16 TNMFTP::openPassive(TCmdType type)
{
    if (!m_extendedPassiveRefused) {
        Status(ProtocolLevel, QStringLiteral("EPSV"));
        const Reply extended = exchange(QStringLiteral("EPSV"));
        const quint16 port = extended.code == 229 ? FtpReply::extendedPassivePort(extended.line) : 0;
        if (port != 0)
            return port;
        m_extendedPassiveRefused = true;
    }
    Status(ProtocolLevel, QStringLiteral("PASV"));
    const Reply reply = exchange(QStringLiteral("PASV"));
    QHostAddress named;
    quint16 port = 0;
    if (reply.code == 227 && FtpReply::passiveAddress(reply.line, named, port)) {
        // Only the server we talk to gets our data: the address in the reply may be another
        // machine's, or a private one behind the server's router.
        if (!named.isEqual(remoteAddress(), QHostAddress::ConvertV4MappedToIPv4))
            Status(ProtocolLevel, QStringLiteral("Connecting to %1 instead of the address %2 in the reply")
                                      .arg(remoteAddress().toString(), named.toString()));
        return port;
    }
    fail(reply, type, false);
    return 0;
}

TNMFTP::Outcome TNMFTP::awaitDataConnection(TCmdType type)
{
    const bool automatic = Mode == TransferMode::Automatic;
    QScopedValueRollback<int> bound(m_data->TimeOut, automatic && TimeOut <= 0 ? DataConnectMs : TimeOut);
    QScopedValueRollback<bool> awaiting(m_awaitingData, true);
    try {
        // The refusal may have come with the preliminary reply.
        if (!holdsRefusal()) {
            m_data->Accept();
            return Outcome::Done;
        }
    } catch (const ESockError &error) {
        if (m_aborted || holdsServiceEnd())
            throw;
        if (automatic && error.reason() == ESockError::Reason::TimedOut) {
            abortTransfer();
            if (!connected())
                throw;
            return Outcome::TryPassive;
        }
        if (!holdsRefusal())
            throw;
    }
    const Reply refusal = readReply();
    if (Mode == TransferMode::Automatic && refusal.code == 425)
        return Outcome::TryPassive;
    fail(refusal, type, false);
    return Outcome::Refused;
}

bool TNMFTP::runTransfer(TCmdType type, const QString &command, const QString &shownCommand,
                         bool sizeFromReply, const std::function<bool()> &moveData)
{
    startOperation();
    CertifyConnect();
    Outcome outcome = transferOnce(passive(), type, command, shownCommand, sizeFromReply, moveData);
    if (outcome == Outcome::TryPassive) {
        m_passive = true;
        Status(ProtocolLevel, QStringLiteral("The server cannot connect back; passive mode from now on"));
        outcome = transferOnce(true, type, command, shownCommand, sizeFromReply, moveData);
    }
    return outcome == Outcome::Done;
}

TNMFTP::Outcome TNMFTP::transferOnce(bool passiveMode, TCmdType type, const QString &command,
                                     const QString &shownCommand, bool sizeFromReply,
                                     const std::function<bool()> &moveData)
{
    const bool mayFallBack = Mode == TransferMode::Automatic && !passiveMode;
    m_data = std::make_unique<TPowersock>();
    m_data->TimeOut = TimeOut;
    m_data->SetTlsCapable(m_protectData);
    m_data->OnPacketRecvd = [this](TPowersock *) {
        if (OnPacketRecvd)
            OnPacketRecvd(this);
    };
    m_data->OnPacketSent = [this](TPowersock *) {
        if (OnPacketSent)
            OnPacketSent(this);
    };
    const auto release = qScopeGuard([this] {
        m_dataReceived = m_data->bytesReceived();
        m_dataSent = m_data->bytesSent();
        m_data.reset();
    });

    try {
        discardReceived();
        if (passiveMode) {
            const quint16 port = openPassive(type);
            if (port == 0)
                return Outcome::Refused;
            m_data->Host = remoteAddress().toString();
            m_data->Port = port;
            m_data->Connect();
        } else {
            // Listening where the control connection is local, for its peer only.
            m_data->Listen(localAddress(), remoteAddress());
            const QString port = QStringLiteral("PORT ") + LocalAddressText() + m_data->LocalPortText();
            Status(ProtocolLevel, port);
            const Reply portReply = exchange(port);
            if (mayFallBack && refusesActive(portReply.code))
                return Outcome::TryPassive;
            if (FtpReply::failed(portReply.code, PortFailure))
                fail(portReply, type, false);
        }

        Status(ProtocolLevel, shownCommand);
        const Reply reply = exchange(command);
        if (mayFallBack && reply.code == 425)
            return Outcome::TryPassive;
        if (FtpReply::failed(reply.code, PortFailure)) {
            // The server will not connect after refusing; the operation ends here.
            fail(reply, type, true);
            return Outcome::Refused;
        }
        if (sizeFromReply) {
            setTransferSize(0);
            for (const QString &line : reply.lines) {
                if (transferSize() == 0)
                    setTransferSize(FtpReply::size(line));
            }
        }

        if (!passiveMode) {
            const Outcome connection = awaitDataConnection(type);
            if (connection != Outcome::Done)
                return connection;
        }
        if (m_protectData) {
            // The server's data certificate is the one the control connection accepted.
            m_data->StartTls(sslConfiguration(), Proxy.isEmpty() ? Host : Proxy,
                             TrustedCertificates + QList<QSslCertificate>{peerCertificate()});
        }
        if (OnTransactionStart)
            OnTransactionStart(this);
        const bool whole = moveData();
        if (OnTransactionStop)
            OnTransactionStop(this);
        if (!whole) {
            // The reader has what it wants; the rest is not awaited.
            abortTransfer();
            if (!connected())
                throw closedError();
            return Outcome::Done;
        }
        m_data->RequestCloseSocket();

        const Reply final = readReply();
        if (FtpReply::failed(final.code, PortFailure)) {
            fail(final, type, false);
            return Outcome::Refused;
        }
        return Outcome::Done;
    } catch (const FTPException &) {
        throw;
    } catch (const ESockError &error) {
        if (!connected()) {
            // The data connection's wait was ended by the closing control connection.
            if (error.reason() == ESockError::Reason::Cancelled && !m_aborted)
                throw closedError();
            throw;
        }
        if (!m_aborted && holdsServiceEnd()) {
            clearCancelled();
            fail(readReply(), type, false);
            return Outcome::Refused;
        }
        abortTransfer();
        throw;
    } catch (const std::exception &) {
        abortTransfer();
        throw;
    }
}

void TNMFTP::ListFolder()
{
    startOperation();
    CertifyConnect();
    if (ParseList && !m_list) {
        if (Vendor == VendorAuto) {
            // Any refusal only leaves the kind unknown; no failure event for it.
            Status(ProtocolLevel, QStringLiteral("SYST"));
            discardReceived();
            Vendor = vendorOf(exchange(QStringLiteral("SYST")).line);
            m_unixServer = Vendor == VendorUnix;
            updateEncoding();
        }
        m_list = std::make_unique<TFTPUnixList>();
    }
    if (ParseList)
        m_list->clear();
    m_listingCut = false;

    QList<QByteArray> lines;
    const bool done = runTransfer(TCmdType::ListFolder, QStringLiteral("LIST"), QStringLiteral("LIST"), true, [&] {
        m_data->SetReceiveLimit(MaxListingBytes);
        QByteArray line;
        while (lines.size() < MaxListingLines && m_data->TryReadLine(line))
            lines.append(line);
        m_listingCut = lines.size() >= MaxListingLines || m_data->receiveLimitReached();
        setTransferSize(m_data->bytesReceived());
        Status(ProtocolLevel, receivedText(transferSize()));
        return !m_listingCut;
    });
    takeListing(lines);
    if (done && OnSuccess)
        OnSuccess(TCmdType::ListFolder);
}

void TNMFTP::takeListing(const QList<QByteArray> &lines)
{
    // One listing comes from one file system, whose names are all in one encoding: UTF-8 when
    // every line is valid UTF-8, else the code page.
    bool ascii = true;
    bool utf8 = true;
    for (const QByteArray &line : lines) {
        ascii = ascii && FtpText::isAscii(line);
        utf8 = utf8 && FtpText::isUtf8(line);
    }
    if (!ascii) {
        m_listingEncoding = utf8 ? NameEncoding::Utf8 : NameEncoding::Windows1252;
        updateEncoding();
    }
    for (const QByteArray &bytes : lines) {
        const QString line = FtpReply::chomp(FtpText::decode(bytes, utf8));
        if (ParseList)
            m_list->ParseLine(line);
        if (OnListItem)
            OnListItem(line);
    }
}

void TNMFTP::FetchFile(const QString &remoteName, const QString &localPath)
{
    requireSingleLine(remoteName);
    // Without a local path only the remote file's own name is used, so a name such as
    // "../x" from the server cannot place the file elsewhere.
    QString path = localPath;
    if (path.isEmpty()) {
        path = QFileInfo(remoteName).fileName();
        if (path.isEmpty() || path == QLatin1String(".") || path == QLatin1String(".."))
            throw ESockError(QStringLiteral("No local file name for %1").arg(remoteName));
    }
    DownloadFile file(path);
    if (!file.open())
        throw ESockError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));

    const QString command = QStringLiteral("RETR ") + remoteName;
    const bool done = runTransfer(TCmdType::Download, command, command, true, [this, &file] {
        m_data->CaptureFile(file.device());
        setTransferSize(m_data->bytesReceived());
        Status(ProtocolLevel, receivedText(transferSize()));
        return true;
    });
    if (!done)
        return;
    if (!file.commit())
        throw ESockError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    if (OnSuccess)
        OnSuccess(TCmdType::Download);
}

void TNMFTP::PutFile(const QString &localPath, const QString &remoteName)
{
    const QString name = remoteName.isEmpty() ? QFileInfo(localPath).fileName() : remoteName;
    requireSingleLine(name);
    // Opened first: a missing file must not leave an empty one on the server.
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        throw ESockError(QStringLiteral("Cannot read %1: %2").arg(localPath, file.errorString()));
    setTransferSize(file.size());

    const QString shown = QStringLiteral("STOR ") + (remoteName.isEmpty() ? localPath : remoteName);
    const bool done = runTransfer(TCmdType::Upload, QStringLiteral("STOR ") + name, shown, false,
                                  [this, &file] {
                                      m_data->SendFile(file);
                                      // An encrypted upload is complete only with its announced end.
                                      if (m_data->encrypted())
                                          m_data->CloseGracefully();
                                      return true;
                                  });
    if (done && OnSuccess)
        OnSuccess(TCmdType::Upload);
}

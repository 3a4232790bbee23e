#include "ftp/powersock.h"

#include "ftp/ftpreply.h"
#include "ftp/ftptext.h"
#include "ftp/socketerrors.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSslSocket>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

// What is read ahead of the reader on a connection that is not capturing; beyond it the
// socket stops reading and the peer is held back by TCP itself.
constexpr int BufferLimit = 65536;
constexpr qint64 SocketBufferSize = 4 * TPowersock::FileChunkSize;
// Queued for the socket while sending a file: enough to keep it busy.
constexpr qint64 WriteAhead = 4 * TPowersock::FileChunkSize;

const QString ConnectionClosed = QStringLiteral("Connection closed");
const QString SendAborted = QStringLiteral("Socket send aborted");

// Socket notifications arrive from the event loop, which no exception may cross.
template<typename F>
void swallowExceptions(F &&work)
{
    try {
        work();
    } catch (...) {
    }
}

// A handler's failure must not stop the connection's own work around it.
template<typename Event, typename... Args>
void notify(const Event &event, Args &&...args)
{
    if (event)
        swallowExceptions([&] { event(std::forward<Args>(args)...); });
}

// Hands out accepted connections as sockets that can be encrypted later.
class TlsCapableServer : public QTcpServer
{
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        if (socket->setSocketDescriptor(descriptor))
            addPendingConnection(socket);
        else
            delete socket;
    }
};

QString errorList(const QList<QSslError> &errors)
{
    QStringList texts;
    for (const QSslError &error : errors)
        texts.append(error.errorString());
    return texts.join(QStringLiteral("; "));
}

} // namespace

TPowersock::TPowersock(QObject *parent)
    : QObject(parent)
{
    m_timer.SetEnabled(false);
    m_timer.SetOnTimer([this] { onTimeOut(); });
    m_activity.start();
    installSocket(newSocket());
}

TPowersock::~TPowersock()
{
    // No events from here on: their handlers may belong to objects already gone.
    m_closingForGood = true;
    m_cancelled = true;
    delete m_server;
    dropSocket();
}

void TPowersock::closeForGood()
{
    m_closingForGood = true;
    m_cancelled = true;
}

void TPowersock::Status(int level, const QString &text)
{
    if (!m_closingForGood && level <= ReportLevel)
        notify(OnStatus, this, text);
}

void TPowersock::wake()
{
    Q_EMIT woken(QPrivateSignal());
}

void TPowersock::waitUntil(const std::function<bool()> &done)
{
    m_timedOut = false;
    if (done())
        return;
    const int limit = TimeOut > 0 ? TimeOut : DefaultTimeOutMs;
    m_activity.start();
    QEventLoop loop;
    connect(this, &TPowersock::woken, &loop, [&] {
        if (done())
            loop.quit();
    });
    // Restarting a timer for every chunk would cost more than looking at the clock when it fires.
    QTimer idle;
    idle.setSingleShot(true);
    connect(&idle, &QTimer::timeout, &loop, [&] {
        const qint64 left = limit - m_activity.elapsed();
        if (left > 0) {
            idle.start(int(left));
            return;
        }
        m_timedOut = true;
        loop.quit();
    });
    idle.start(limit);
    loop.exec();
    if (!m_timedOut && !done())
        m_cancelled = true;
}

void TPowersock::waitAtMost(const std::function<bool()> &done, int ms)
{
    if (done())
        return;
    QEventLoop loop;
    connect(this, &TPowersock::woken, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(qMax(ms, 0), &loop, &QEventLoop::quit);
    loop.exec();
}

ESockError TPowersock::timedOutError(const char *what)
{
    Status(TraceLevel, QStringLiteral("%1 timed out").arg(QLatin1String(what)));
    const int limit = TimeOut > 0 ? TimeOut : DefaultTimeOutMs;
    return ESockError(QStringLiteral("Timed out: nothing arrived or left for %1 s").arg(limit / 1000.0),
                      ESockError::Reason::TimedOut);
}

QTcpSocket *TPowersock::newSocket()
{
    return m_tlsCapable ? new QSslSocket(this) : new QTcpSocket(this);
}

void TPowersock::SetTlsCapable(bool capable)
{
    m_tlsCapable = capable;
    if (!m_connected && !m_server && qobject_cast<QSslSocket *>(m_socket) == nullptr && capable) {
        dropSocket();
        installSocket(newSocket());
    }
}

qint64 TPowersock::pendingWrite() const
{
    const auto *ssl = qobject_cast<const QSslSocket *>(m_socket);
    return m_socket->bytesToWrite() + (ssl ? ssl->encryptedBytesToWrite() : 0);
}

void TPowersock::installSocket(QTcpSocket *socket)
{
    m_socket = socket;
    socket->setParent(this);
    socket->setReadBufferSize(SocketBufferSize);
    connect(socket, &QTcpSocket::connected, this, [this] { swallowExceptions([this] { onConnected(); }); });
    connect(socket, &QTcpSocket::readyRead, this, [this] { swallowExceptions([this] { readToStream(); }); });
    connect(socket, &QTcpSocket::bytesWritten, this,
            [this](qint64 count) { swallowExceptions([&] { onBytesWritten(count); }); });
    connect(socket, &QTcpSocket::disconnected, this, [this] { swallowExceptions([this] { onPeerClosed(); }); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this] { swallowExceptions([this] { onSocketError(); }); });
    if (auto *ssl = qobject_cast<QSslSocket *>(socket)) {
        connect(ssl, &QSslSocket::encrypted, this, [this] { wake(); });
        // Bytes handed to an encrypted socket are counted before they leave; sending a file
        // goes on as they really do.
        connect(ssl, &QSslSocket::encryptedBytesWritten, this, [this] {
            m_activity.restart();
            swallowExceptions([this] { writeFromStream(); });
        });
        connect(ssl, &QSslSocket::sslErrors, this,
                [this](const QList<QSslError> &errors) { swallowExceptions([&] { onSslErrors(errors); }); });
    }
}

void TPowersock::onSslErrors(const QList<QSslError> &errors)
{
    m_sslErrors = errors;
    auto *ssl = qobject_cast<QSslSocket *>(m_socket);
    if (ssl && m_trusted.contains(ssl->peerCertificate()))
        ssl->ignoreSslErrors();
}

void TPowersock::dropSocket()
{
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->abort();
    // Deleted later: this may run inside one of the socket's own signals.
    m_socket->deleteLater();
    m_socket = nullptr;
}

void TPowersock::onConnected()
{
    m_connected = true;
    m_activity.restart();
    notify(OnConnect, this);
    wake();
}

void TPowersock::onSocketError()
{
    const QAbstractSocket::SocketError error = m_socket->error();
    // A closing peer also ends up here; the disconnect notification handles it.
    if (error == QAbstractSocket::RemoteHostClosedError)
        return;
    m_lastError = SocketErrors::code(error);
    if (m_handshaking) {
        // Reported by StartTls, with the reasons.
        m_handshakeFailed = true;
    } else if (!m_connected) {
        m_connectFailed = true;
    } else if (error != QAbstractSocket::TemporaryError) {
        notify(OnError, this, quint16(m_lastError), ErrorText(m_lastError));
    }
    wake();
}

void TPowersock::onPeerClosed()
{
    if (m_closingForGood)
        return;
    // Take in what the socket still holds before it goes.
    while (receiveChunk(true)) {
    }
    RequestCloseSocket();
}

bool TPowersock::receiveChunk(bool ignoreLimit)
{
    if (!m_socket || !m_socket->isOpen() || (!m_captureTarget && !ignoreLimit && m_received.size() >= BufferLimit))
        return false;
    if (receiveLimitReached())
        return false;
    const QByteArray chunk = m_socket->read(m_captureTarget ? FileChunkSize : ChunkSize);
    if (chunk.isEmpty())
        return false;
    m_activity.restart();
    if (m_captureTarget) {
        if (!m_streamFailed && m_captureTarget->write(chunk) != chunk.size())
            m_streamFailed = true;
    } else {
        appendReceived(chunk);
    }
    m_bytesReceived += chunk.size();
    if (m_counting)
        notify(OnPacketRecvd, this);
    return true;
}

void TPowersock::appendReceived(const QByteArray &chunk)
{
    if (!m_skippingLineRest) {
        m_received.append(chunk);
        return;
    }
    const int end = chunk.indexOf('\n');
    if (end < 0)
        return;
    m_skippingLineRest = false;
    m_received.append(chunk.mid(end + 1));
}

void TPowersock::readToStream()
{
    if (m_reading)
        return;
    QScopedValueRollback<bool> reading(m_reading, true);
    Status(TraceLevel, QStringLiteral("ReadToStream"));
    if (!receiveChunk(false))
        return;
    // One chunk per turn keeps the event loop answering during a long transfer.
    if (m_socket->bytesAvailable() > 0)
        postContinueReading();
    dataArrived();
    wake();
}

void TPowersock::postContinueReading()
{
    if (m_readPosted)
        return;
    m_readPosted = true;
    QMetaObject::invokeMethod(this, [this] {
        m_readPosted = false;
        swallowExceptions([this] { readToStream(); });
    }, Qt::QueuedConnection);
}

void TPowersock::writeFromStream()
{
    if (m_writing || !m_sendSource || !m_socket)
        return;
    QScopedValueRollback<bool> writing(m_writing, true);
    Status(TraceLevel, QStringLiteral("WriteFromStream"));
    while (!m_cancelled && pendingWrite() < WriteAhead && !m_sendSource->atEnd()) {
        const QByteArray chunk = m_sendSource->read(FileChunkSize);
        if (chunk.isEmpty()) {
            m_streamFailed = true;
            break;
        }
        m_socket->write(chunk);
    }
    wake();
}

void TPowersock::onBytesWritten(qint64 count)
{
    m_bytesSent += count;
    m_activity.restart();
    if (m_counting)
        notify(OnPacketSent, this);
    writeFromStream();
    wake();
}

void TPowersock::Cancel()
{
    Status(TraceLevel, QStringLiteral("Canceling"));
    m_cancelled = true;
    wake();
}

void TPowersock::Abort()
{
    // A plain connection has no running operation of its own to end.
}

void TPowersock::startTimeOut()
{
    m_timedOut = false;
    if (TimeOut <= 0)
        return;
    Status(TraceLevel, QStringLiteral("Timer On"));
    m_timer.SetInterval(uint(TimeOut));
    m_timer.SetEnabled(true);
}

void TPowersock::stopTimeOut()
{
    if (!m_timer.Enabled())
        return;
    Status(TraceLevel, QStringLiteral("Timer Off"));
    m_timer.SetEnabled(false);
}

void TPowersock::onTimeOut()
{
    Status(TraceLevel, QStringLiteral("Timer Triggered"));
    m_timer.SetEnabled(false);
    m_timedOut = true;
    Abort();
    wake();
}

void TPowersock::ResolveHost()
{
    Status(TraceLevel, QStringLiteral("Resolve Host"));
    const QString name = Proxy.isEmpty() ? Host : Proxy;
    const QHostAddress dotted(name);
    if (dotted.protocol() == QAbstractSocket::IPv4Protocol) {
        m_remoteAddress = dotted;
        return;
    }

    startTimeOut();
    m_done = false;
    m_lookupId = QHostInfo::lookupHost(name, this, [this](const QHostInfo &info) {
        // A late answer to an abandoned look-up is ignored.
        if (info.lookupId() != m_lookupId)
            return;
        m_lookup = info;
        m_done = true;
        wake();
    });
    waitUntil([this] { return m_done || m_timedOut || m_cancelled; });
    stopTimeOut();
    if (!m_done) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    if (m_timedOut)
        throw ESockError(QStringLiteral("Host Lookup Timed Out"), ESockError::Reason::TimedOut);
    if (m_cancelled)
        throw ESockError(QStringLiteral("Host Lookup Canceled"), ESockError::Reason::Cancelled);

    // The data connections speak IPv4 (PORT), so the control connection does too.
    const QList<QHostAddress> addresses = m_lookup.addresses();
    const auto ipv4 = std::find_if(addresses.cbegin(), addresses.cend(), [](const QHostAddress &address) {
        return address.protocol() == QAbstractSocket::IPv4Protocol;
    });
    if (m_lookup.error() != QHostInfo::NoError || ipv4 == addresses.cend())
        throw ESockError(QStringLiteral("Host Lookup Failed"));
    m_remoteAddress = *ipv4;
    notify(OnHostResolved, this);
}

void TPowersock::Connect()
{
    Status(TraceLevel, QStringLiteral("Connecting"));
    m_cancelled = false;
    if (m_connected)
        throw ESockError(QStringLiteral("Already connected"));

    for (int attempt = 0;; ++attempt) {
        m_remoteAddress.clear();
        try {
            ResolveHost();
        } catch (const ESockError &) {
            if (m_timedOut || m_cancelled) {
                m_cancelled = false;
                throw;
            }
        }
        if (!m_remoteAddress.isNull())
            break;
        bool handled = false;
        if (attempt == 0 && OnInvalidHost)
            OnInvalidHost(handled);
        if (!handled)
            throw ESockError(QStringLiteral("Null Remote Address"));
    }

    m_connectFailed = false;
    // A server may take the connection and close it at once.
    const int closes = m_closes;
    m_socket->connectToHost(m_remoteAddress, quint16(Proxy.isEmpty() ? Port : ProxyPort));
    startTimeOut();
    waitUntil([&] { return m_connected || m_timedOut || m_cancelled || m_connectFailed || m_closes != closes; });
    stopTimeOut();
    if (m_connected && !m_timedOut && !m_cancelled)
        return;

    const bool timedOut = m_timedOut;
    const bool cancelled = m_cancelled;
    m_cancelled = false;
    dropSocket();
    installSocket(newSocket());
    m_connected = false;
    if (OnConnectionFailed)
        OnConnectionFailed(this);
    if (timedOut)
        throw ESockError(QStringLiteral("Connection Timed out"), ESockError::Reason::TimedOut);
    if (cancelled)
        throw ESockError(QStringLiteral("Connection Canceled"), ESockError::Reason::Cancelled);
    throw ESockError(QStringLiteral("Connection Failed"));
}

void TPowersock::Disconnect()
{
    Status(TraceLevel, QStringLiteral("Disconnecting"));
    RequestCloseSocket();
}

void TPowersock::ResetConnection()
{
    if (m_connected && m_socket->socketDescriptor() != -1) {
        // A zero linger time makes closing send a reset.
        const linger immediately{1, 0};
        ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &immediately, sizeof immediately);
    }
    RequestCloseSocket();
}

ESockError TPowersock::closedError()
{
    return ESockError(ConnectionClosed, ESockError::Reason::Closed);
}

void TPowersock::RequestCloseSocket()
{
    Status(BufferLevel, QStringLiteral("Request Close Socket"));
    m_connected = false;
    ++m_closes;
    if (m_server) {
        m_server->disconnect(this);
        m_server->deleteLater();
        m_server = nullptr;
    }
    dropSocket();
    installSocket(newSocket());
    socketClosed();
    notify(OnDisconnect, this);
    wake();
}

void TPowersock::CertifyConnect()
{
    if (m_connected)
        return;
    bool handled = false;
    if (OnConnectionRequired)
        OnConnectionRequired(handled);
    if (!handled || !m_connected)
        throw std::runtime_error("Not Connected");
}

void TPowersock::Write(const QString &text)
{
    Status(TraceLevel, QStringLiteral("Write"));
    SendBuffer(FtpText::encode(text, m_utf8));
}

void TPowersock::Writeln(const QString &text)
{
    Status(TraceLevel, QStringLiteral("Writeln"));
    requireSingleLine(text);
    // A character the code page lacks would name another file.
    if (!m_utf8 && !FtpText::fitsWindows1252(text))
        throw ESockError(QStringLiteral("The server does not take UTF-8 names, and this name has a character "
                                        "its code page (Windows-1252) lacks"));
    Write(text + QStringLiteral("\r\n"));
}

void TPowersock::SendBuffer(const QByteArray &bytes)
{
    Status(BufferLevel, QStringLiteral("Sending Buffer"));
    if (m_cancelled)
        return;
    if (!m_connected)
        throw closedError();
    m_socket->write(bytes);
    const auto sent = [this] { return m_socket->bytesToWrite() == 0; };
    waitUntil([&] { return m_cancelled || !m_connected || sent(); });
    if (m_cancelled) {
        m_cancelled = false;
        throw EAbortError(SendAborted);
    }
    if (!m_connected)
        throw closedError();
    if (!sent())
        throw timedOutError("Sending");
}

QByteArray TPowersock::Read(quint16 count)
{
    Status(TraceLevel, QStringLiteral("Read( %1 )").arg(count));
    if (count > 0)
        waitUntil([this, count] { return m_cancelled || !m_connected || m_received.size() >= count; });
    if (m_cancelled) {
        m_cancelled = false;
        throw EAbortError(SendAborted);
    }
    if (m_received.size() < count)
        throw m_connected ? timedOutError("Reading") : closedError();
    const int taken = count > 0 ? int(count) : qMin(int(m_received.size()), 65535);
    const QByteArray bytes = m_received.left(taken);
    m_received.remove(0, taken);
    postContinueReading();
    return bytes;
}

bool TPowersock::takeLine(QByteArray &bytes)
{
    Status(TraceLevel, QStringLiteral("ReadLn"));
    const auto lineReady = [this] {
        return m_received.contains('\n') || m_received.size() >= MaxLineLength;
    };
    waitUntil([&] { return m_cancelled || !m_connected || lineReady() || receiveLimitReached(); });
    if (m_cancelled)
        throw EAbortError(QStringLiteral("Socket readln aborted"));
    if (!lineReady()) {
        // What is left of a line cut off by the limit is not a line.
        if (receiveLimitReached())
            return false;
        if (m_connected)
            throw timedOutError("Reading a line");
    }

    bytes.clear();
    const int end = int(m_received.indexOf('\n'));
    if (end >= 0 && end < MaxLineLength) {
        bytes = m_received.left(end + 1);
        m_received.remove(0, end + 1);
    } else if (m_received.size() >= MaxLineLength) {
        bytes = m_received.left(MaxLineLength);
        const int rest = int(m_received.indexOf('\n', MaxLineLength));
        if (rest >= 0) {
            m_received.remove(0, rest + 1);
        } else {
            m_received.clear();
            m_skippingLineRest = m_connected;
        }
    } else {
        // Closed: what is left is the last line, without a line end.
        if (m_received.isEmpty())
            return false;
        bytes.swap(m_received);
    }
    postContinueReading();
    return true;
}

QString TPowersock::decodeLine(const QByteArray &bytes) const
{
    return FtpText::decode(bytes, m_utf8);
}

QString TPowersock::ReadLn()
{
    QByteArray bytes;
    if (!takeLine(bytes))
        throw closedError();
    return decodeLine(bytes);
}

bool TPowersock::TryReadLn(QString &line)
{
    QByteArray bytes;
    if (!takeLine(bytes))
        return false;
    line = decodeLine(bytes);
    return true;
}

bool TPowersock::TryReadLine(QByteArray &line)
{
    return takeLine(line);
}

QString TPowersock::Transaction(const QString &command)
{
    Status(TraceLevel, QStringLiteral("Transaction"));
    m_replyCode = 0;
    Writeln(command);
    storeReply(ReadLn());
    return m_lastReply;
}

void TPowersock::storeReply(const QString &line)
{
    m_lastReply = line;
    if (!line.isEmpty())
        Status(ProtocolLevel, FtpReply::chomp(line));
    m_replyCode = FtpReply::code(line);
}

void TPowersock::requireSingleLine(const QString &text)
{
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || text.contains(QChar(0)))
        // The text itself stays out of the message: it may be a password.
        throw ESockError(QStringLiteral("A name or command with a line break or NUL character cannot be sent"));
}

void TPowersock::writeNow(const QByteArray &bytes)
{
    if (m_connected) {
        m_socket->write(bytes);
        m_socket->flush();
    }
}

void TPowersock::SendFile(QIODevice &source)
{
    Status(TraceLevel, QStringLiteral("SendFile"));
    m_counting = true;
    m_bytesSent = 0;
    m_streamFailed = false;
    m_transferSize = source.size();
    m_sendSource = &source;
    const auto restore = qScopeGuard([this] {
        m_sendSource = nullptr;
        m_counting = false;
    });
    writeFromStream();
    const auto allSent = [&] { return source.atEnd() && pendingWrite() == 0; };
    waitUntil([&] { return m_cancelled || !m_connected || m_streamFailed || allSent(); });
    if (m_cancelled) {
        m_cancelled = false;
        throw EAbortError(SendAborted);
    }
    if (m_streamFailed)
        throw ESockError(QStringLiteral("Reading the file failed: %1").arg(source.errorString()));
    // An encrypted socket may queue a record of its own after the wait; it still goes out.
    if (!m_connected && !allSent())
        throw closedError();
    if (!allSent())
        throw timedOutError("Sending the file");
}

void TPowersock::CaptureFile(QIODevice &target)
{
    Status(TraceLevel, QStringLiteral("CaptureFile"));
    m_counting = true;
    m_streamFailed = false;
    m_bytesReceived = m_received.size();
    if (!m_received.isEmpty() && target.write(m_received) != m_received.size())
        m_streamFailed = true;
    m_received.clear();
    m_captureTarget = &target;
    const auto restore = qScopeGuard([this] {
        m_captureTarget = nullptr;
        m_counting = false;
    });
    postContinueReading();
    waitUntil([this] { return !m_connected || m_cancelled || m_streamFailed; });
    if (m_cancelled) {
        m_cancelled = false;
        throw EAbortError(SendAborted);
    }
    if (m_streamFailed)
        throw ESockError(QStringLiteral("Writing the file failed: %1").arg(target.errorString()));
    if (m_connected)
        throw timedOutError("Receiving the file");
}

void TPowersock::Listen(const QHostAddress &address, const QHostAddress &peer)
{
    Status(TraceLevel, QStringLiteral("Listening"));
    delete m_server;
    m_server = m_tlsCapable ? new TlsCapableServer(this) : new QTcpServer(this);
    m_server->setListenBacklogSize(1);
    m_allowedPeer = peer;
    m_done = false;
    m_listenFailed = false;
    connect(m_server, &QTcpServer::newConnection, this,
            [this] { swallowExceptions([this] { onIncomingConnection(); }); });
    connect(m_server, &QTcpServer::acceptError, this, [this] {
        m_listenFailed = true;
        wake();
    });
    if (!m_server->listen(address, quint16(Port)))
        raiseSocketError(SocketErrors::code(m_server->serverError()));
}

void TPowersock::onIncomingConnection()
{
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket *incoming = m_server->nextPendingConnection();
        const QHostAddress peer = incoming->peerAddress();
        // Only the server we talk to may deliver the data.
        if (m_done || !peer.isEqual(m_allowedPeer, QHostAddress::ConvertV4MappedToIPv4)) {
            Status(BufferLevel, QStringLiteral("Refused a connection from %1").arg(peer.toString()));
            incoming->abort();
            incoming->deleteLater();
            continue;
        }
        // Taken at once, so nothing the peer sends or a quick close can be missed.
        dropSocket();
        installSocket(incoming);
        m_connected = true;
        m_remoteAddress = peer;
        m_done = true;
        m_activity.restart();
        postContinueReading();
    }
    if (m_done && m_server) {
        m_server->disconnect(this);
        m_server->deleteLater();
        m_server = nullptr;
    }
    wake();
}

void TPowersock::Accept()
{
    if (!m_server && !m_done)
        throw ESockError(QStringLiteral("Error creating Data Connection"));
    waitUntil([this] { return m_done || m_cancelled || m_listenFailed; });
    if (m_cancelled) {
        m_cancelled = false;
        throw ESockError(QStringLiteral("Accepting Canceled"), ESockError::Reason::Cancelled);
    }
    if (m_timedOut && !m_done)
        throw ESockError(QStringLiteral("Accepting Timed out: the server did not open the data connection"),
                         ESockError::Reason::TimedOut);
    if (!m_done)
        throw ESockError(QStringLiteral("Error creating Data Connection"));
    Status(BufferLevel, QStringLiteral("Accepting"));
}

QHostAddress TPowersock::localAddress() const
{
    return m_socket ? m_socket->localAddress() : QHostAddress();
}

QString TPowersock::LocalAddressText() const
{
    return portAddressText(localAddress());
}

QString TPowersock::LocalPortText() const
{
    return portNumberText(m_server ? m_server->serverPort() : m_socket->localPort());
}

QString TPowersock::portAddressText(const QHostAddress &address)
{
    return address.toString().replace(QLatin1Char('.'), QLatin1Char(','));
}

QString TPowersock::portNumberText(quint16 port)
{
    return QStringLiteral(",%1,%2").arg(port >> 8).arg(port & 0xff);
}

QString TPowersock::ErrorText(int code)
{
    Status(TraceLevel, QStringLiteral("Looking Up Error Message"));
    return SocketErrors::text(code);
}

void TPowersock::raiseSocketError(int code)
{
    m_lastError = code;
    Status(ErrorManagerLevel, QStringLiteral("Checking Error In Error Manager"));
    const QString text = ErrorText(code);
    if (OnError)
        OnError(this, quint16(code), text);
    throw ESockError(text);
}

void TPowersock::discardReceived()
{
    m_received.clear();
    m_skippingLineRest = false;
    if (m_socket && m_socket->isOpen())
        m_socket->readAll();
}

void TPowersock::StartTls(const QSslConfiguration &configuration, const QString &peerName,
                          const QList<QSslCertificate> &trusted)
{
    Status(TraceLevel, QStringLiteral("StartTls"));
    if (!QSslSocket::supportsSsl())
        throw ESockError(QStringLiteral("Encryption is not available: the TLS library (OpenSSL) could not be loaded"));
    auto *ssl = qobject_cast<QSslSocket *>(m_socket);
    if (!ssl || !m_connected)
        throw closedError();
    m_trusted = trusted;
    m_sslErrors.clear();
    m_handshakeFailed = false;
    QScopedValueRollback<bool> handshaking(m_handshaking, true);
    ssl->setSslConfiguration(configuration);
    ssl->setPeerVerifyName(peerName);
    ssl->startClientEncryption();
    // The socket may be replaced while waiting, when the peer closes.
    const auto done = [this, ssl] {
        return m_cancelled || m_timedOut || !m_connected || m_handshakeFailed || m_socket != ssl || ssl->isEncrypted();
    };
    startTimeOut();
    waitUntil(done);
    stopTimeOut();
    if (m_cancelled) {
        m_cancelled = false;
        throw EAbortError(QStringLiteral("Encryption canceled"));
    }
    if (m_socket == ssl && ssl->isEncrypted())
        return;
    const QString reason = !m_sslErrors.isEmpty() ? errorList(m_sslErrors)
                           : m_timedOut          ? QStringLiteral("timed out")
                           : m_socket == ssl     ? ssl->errorString()
                                                 : ConnectionClosed;
    if (m_connected)
        RequestCloseSocket();
    throw ESockError(QStringLiteral("Encryption failed: %1").arg(reason),
                     m_timedOut ? ESockError::Reason::TimedOut : ESockError::Reason::Failed);
}

bool TPowersock::encrypted() const
{
    const auto *ssl = qobject_cast<const QSslSocket *>(m_socket);
    return ssl && ssl->isEncrypted();
}

QSslConfiguration TPowersock::sslConfiguration() const
{
    const auto *ssl = qobject_cast<const QSslSocket *>(m_socket);
    return ssl ? ssl->sslConfiguration() : QSslConfiguration();
}

QSslCertificate TPowersock::peerCertificate() const
{
    const auto *ssl = qobject_cast<const QSslSocket *>(m_socket);
    return ssl ? ssl->peerCertificate() : QSslCertificate();
}

void TPowersock::CloseGracefully()
{
    if (!m_connected)
        return;
    m_socket->disconnectFromHost();
    waitUntil([this] { return m_cancelled || !m_connected; });
    if (m_cancelled) {
        m_cancelled = false;
        throw EAbortError(SendAborted);
    }
    if (m_connected)
        throw timedOutError("Closing");
}

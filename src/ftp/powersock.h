#pragma once

#include "ftp/sockerror.h"
#include "ftp/threadtimer.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QString>

#include <functional>

class QIODevice;
class QSslSocket;
class QTcpServer;
class QTcpSocket;

// A TCP connection whose calls look blocking. Each call waits by running the event loop until
// its condition holds, so the user interface stays live and the events below fire inside the
// call; a wait uses no processor time while nothing arrives. Every wait ends when the object is
// cancelled, its connection closes, or nothing has moved on the connection for the time-out.
// One waiting call at a time per object.
class TPowersock : public QObject
{
    Q_OBJECT

public:
    using NotifyEvent = std::function<void(TPowersock *sender)>;
    using HandledEvent = std::function<void(bool &handled)>;
    using StatusEvent = std::function<void(TPowersock *sender, const QString &status)>;
    using ErrorEvent = std::function<void(TPowersock *sender, quint16 errorCode, const QString &message)>;

    // Status messages reach OnStatus when their level is at most ReportLevel.
    enum StatusLevel { ProtocolLevel = 1, BufferLevel = 4, TraceLevel = 8, ErrorManagerLevel = 16 };

    // The most one step of the event loop receives or sends; files move in larger steps,
    // which saves system calls and still leaves the event loop answering.
    static constexpr int ChunkSize = 16383;
    static constexpr int FileChunkSize = 1024 * 1024;
    // A longer line is cut here and the rest of it is dropped, so memory stays bounded.
    static constexpr int MaxLineLength = 16384;
    // The time-out of every wait when TimeOut is 0: a silent peer must not hold a call forever.
    static constexpr int DefaultTimeOutMs = 60000;

    explicit TPowersock(QObject *parent = nullptr);
    ~TPowersock() override;

    QString Host;
    int Port = 0;
    // Milliseconds a wait lasts while nothing arrives or leaves; 0 means DefaultTimeOutMs.
    int TimeOut = 0;
    int ReportLevel = 1;
    QString Proxy; // when set, connected to instead of Host
    int ProxyPort = 0;

    NotifyEvent OnConnect;
    NotifyEvent OnDisconnect;
    HandledEvent OnInvalidHost; // set handled to try the (corrected) Host once more
    NotifyEvent OnHostResolved;
    StatusEvent OnStatus;
    NotifyEvent OnConnectionFailed;
    NotifyEvent OnPacketRecvd;
    NotifyEvent OnPacketSent;
    ErrorEvent OnError;
    HandledEvent OnConnectionRequired; // set handled after connecting

    // Waits for the incoming connection of Listen and makes it this object's connection.
    virtual void Accept();
    virtual void Connect();
    virtual void Disconnect();
    // Sends a command line and returns the reply line, whose leading digits become replyCode().
    virtual QString Transaction(const QString &command);
    virtual void Abort();

    void Cancel();
    void CertifyConnect();
    void Write(const QString &text);
    // Refuses text holding CR, LF or NUL: one call sends exactly one line.
    void Writeln(const QString &text);
    void SendBuffer(const QByteArray &bytes);
    // Waits for count bytes (0: whatever is buffered, at most 65535) and returns them.
    QByteArray Read(quint16 count);
    // Returns the next line with its line end; after the peer closed, a last line may lack it.
    QString ReadLn();
    // As ReadLn, but returns false instead of failing once the peer closed and all is read,
    // or once the receive limit is reached.
    bool TryReadLn(QString &line);
    // As TryReadLn, the line's bytes as they came.
    bool TryReadLine(QByteArray &line);
    // Stops receiving after this many bytes (0: no limit), so a peer cannot stream forever.
    void SetReceiveLimit(qint64 bytes) { m_receiveLimit = bytes; }
    bool receiveLimitReached() const { return m_receiveLimit > 0 && m_bytesReceived >= m_receiveLimit; }
    // Sends the source until its end; the connection is left open.
    void SendFile(QIODevice &source);
    // Writes everything received into the target until the peer closes the connection.
    void CaptureFile(QIODevice &target);
    // Listens on address at Port (0: any free port); only a connection from peer is accepted.
    void Listen(const QHostAddress &address, const QHostAddress &peer);
    void ResolveHost();
    void RequestCloseSocket();
    // Closes with a reset rather than an orderly end, so the peer cannot take a broken-off
    // transfer for a complete one.
    void ResetConnection();

    // The parts of a PORT command: "10,0,0,7" and ",19,136".
    QString LocalAddressText() const;
    QString LocalPortText() const;
    static QString portAddressText(const QHostAddress &address);
    static QString portNumberText(quint16 port);

    QString ErrorText(int code);

    // Sockets made from now on, outgoing and accepted, can be encrypted later.
    void SetTlsCapable(bool capable);
    // Encrypts the open connection as the TLS client and waits until it is. A certificate
    // that fails verification is accepted only when it is one of trusted; otherwise the call
    // raises and sslErrors() tells why.
    void StartTls(const QSslConfiguration &configuration, const QString &peerName,
                  const QList<QSslCertificate> &trusted);
    bool encrypted() const;
    QSslConfiguration sslConfiguration() const;
    QSslCertificate peerCertificate() const;
    QList<QSslError> sslErrors() const { return m_sslErrors; }
    // Closes once everything sent has reached the peer, announcing the end; an encrypted
    // upload is complete only with that announcement.
    void CloseGracefully();
    // Texts go out and come in as UTF-8 (the default) or as Windows-1252.
    void SetUtf8(bool utf8) { m_utf8 = utf8; }
    bool utf8() const { return m_utf8; }

    bool connected() const { return m_connected; }
    bool cancelled() const { return m_cancelled; }
    bool timedOut() const { return m_timedOut; }
    QHostAddress remoteAddress() const { return m_remoteAddress; }
    QHostAddress localAddress() const;
    int replyCode() const { return m_replyCode; }
    QString lastReply() const { return m_lastReply; }
    int lastError() const { return m_lastError; }
    virtual qint64 bytesReceived() const { return m_bytesReceived; }
    virtual qint64 bytesSent() const { return m_bytesSent; }
    qint64 transferSize() const { return m_transferSize; }
    void setTransferSize(qint64 size) { m_transferSize = size; }
    qint64 bytesBuffered() const { return m_received.size(); }

Q_SIGNALS:
    // Something a wait may be waiting for has happened.
    void woken(QPrivateSignal);

protected:
    void Status(int level, const QString &text);
    // Stops all events, for a descendant's destructor.
    void closeForGood();
    // Refuses text holding CR, LF or NUL, which could smuggle in a second command.
    static void requireSingleLine(const QString &text);
    // Keeps a reply line as the last reply and takes its code.
    void storeReply(const QString &line);
    // Queues bytes without waiting for them to leave, for use while being destroyed.
    void writeNow(const QByteArray &bytes);
    void clearCancelled() { m_cancelled = false; }
    // Drops what has arrived and not been read, such as the rest of an earlier reply.
    void discardReceived();
    const QByteArray &receiveBuffer() const { return m_received; }
    // Runs the event loop until done holds, or until nothing has arrived or left for the
    // time-out, which sets timedOut(). When the application quits meanwhile, the wait ends as
    // if cancelled.
    void waitUntil(const std::function<bool()> &done);
    // Runs the event loop until done holds or ms have passed, whatever moves.
    void waitAtMost(const std::function<bool()> &done, int ms);
    void wake();
    ESockError timedOutError(const char *what);
    static ESockError closedError();
    // The text of a line that arrived.
    virtual QString decodeLine(const QByteArray &bytes) const;

    // Called after data arrived and after the connection closed.
    virtual void dataArrived() {}
    virtual void socketClosed() {}

private:
    QTcpSocket *newSocket();
    qint64 pendingWrite() const;
    void onSslErrors(const QList<QSslError> &errors);
    void installSocket(QTcpSocket *socket);
    void dropSocket();
    bool receiveChunk(bool ignoreLimit);
    void appendReceived(const QByteArray &chunk);
    void readToStream();
    void writeFromStream();
    void postContinueReading();
    void onConnected();
    void onBytesWritten(qint64 count);
    void onPeerClosed();
    void onSocketError();
    void onIncomingConnection();
    void onTimeOut();
    void startTimeOut();
    void stopTimeOut();
    void raiseSocketError(int code);
    bool takeLine(QByteArray &line);

    QTcpSocket *m_socket = nullptr;
    QTcpServer *m_server = nullptr;
    QList<QSslCertificate> m_trusted;
    QList<QSslError> m_sslErrors;
    QHostAddress m_allowedPeer;
    QHostAddress m_remoteAddress;
    QHostInfo m_lookup;
    int m_lookupId = -1;
    TThreadTimer m_timer;
    QElapsedTimer m_activity; // since something last arrived or left

    QByteArray m_received;
    QIODevice *m_captureTarget = nullptr; // file mode for receiving
    QIODevice *m_sendSource = nullptr;    // file mode for sending

    bool m_connected = false;
    bool m_cancelled = false;
    bool m_timedOut = false;
    bool m_connectFailed = false;
    bool m_listenFailed = false;
    bool m_done = false; // a look-up finished or a connection came in
    bool m_reading = false;
    bool m_readPosted = false;
    bool m_writing = false;
    bool m_counting = false;
    bool m_streamFailed = false;
    bool m_skippingLineRest = false;
    bool m_closingForGood = false;
    bool m_tlsCapable = false;
    bool m_handshaking = false;
    bool m_handshakeFailed = false;
    bool m_utf8 = true;

    qint64 m_bytesReceived = 0;
    qint64 m_bytesSent = 0;
    qint64 m_transferSize = 0;
    qint64 m_receiveLimit = 0;
    int m_closes = 0;
    int m_lastError = 0;
    int m_replyCode = 0;
    QString m_lastReply;
};

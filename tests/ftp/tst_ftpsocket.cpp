// The socket layer under the FTP client, against a peer in the test.
#include "ftp/powersock.h"
#include "ftp/socketerrors.h"

#include <QBuffer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <ctime>

namespace {

// The far end of a connection: accepts one client and keeps what it sends.
class Peer : public QObject
{
public:
    explicit Peer(const QHostAddress &address = QHostAddress::LocalHost)
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this] { received += socket->readAll(); });
        });
        server.listen(address);
    }

    QTcpServer server;
    QPointer<QTcpSocket> socket;
    QByteArray received;
};

QByteArray patterned(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

} // namespace

class TestFtpSocket : public QObject
{
    Q_OBJECT

private:
    // A connected socket and its peer's end.
    void connectTo(TPowersock &sock, Peer &peer)
    {
        sock.Host = QStringLiteral("127.0.0.1");
        sock.Port = peer.server.serverPort();
        sock.Connect();
        QVERIFY(sock.connected());
        QTRY_VERIFY_WITH_TIMEOUT(peer.socket, 5000);
    }

private Q_SLOTS:
    void errorText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("refused") << 10061 << "10061:Connection refused";
        QTest::newRow("first") << 10004 << "10004:Interrupted system call";
        QTest::newRow("look-up") << 11004 << "11004:Valid name, no data record of requested type";
        QTest::newRow("unknown") << 12345 << "Unknown Error No. 12345";
    }
    void errorText()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(SocketErrors::text(code), text);
    }

    void portText_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("addressText");
        QTest::addColumn<QString>("portText");
        QTest::newRow("10.0.0.7:5000") << "10.0.0.7" << 5000 << "10,0,0,7" << ",19,136";
        QTest::newRow("192.168.0.5:1025") << "192.168.0.5" << 1025 << "192,168,0,5" << ",4,1";
        QTest::newRow("low port") << "127.0.0.1" << 21 << "127,0,0,1" << ",0,21";
        QTest::newRow("highest port") << "255.255.255.255" << 65535 << "255,255,255,255" << ",255,255";
    }
    void portText()
    {
        QFETCH(QString, address);
        QFETCH(int, port);
        QFETCH(QString, addressText);
        QFETCH(QString, portText);
        QCOMPARE(TPowersock::portAddressText(QHostAddress(address)), addressText);
        QCOMPARE(TPowersock::portNumberText(quint16(port)), portText);
    }

    void readLnTakesOneLineAtATime()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        peer.socket->write("one\r\ntwo\r\nthree\n");
        QTRY_COMPARE_WITH_TIMEOUT(sock.bytesBuffered(), qint64(16), 5000);
        QCOMPARE(sock.ReadLn(), QStringLiteral("one\r\n"));
        QCOMPARE(sock.bytesBuffered(), qint64(11));
        QCOMPARE(sock.ReadLn(), QStringLiteral("two\r\n"));
        QCOMPARE(sock.ReadLn(), QStringLiteral("three\n"));
    }

    void readCounts()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        peer.socket->write("abcdef");
        QCOMPARE(sock.Read(3), QByteArray("abc"));
        QTRY_COMPARE_WITH_TIMEOUT(sock.bytesBuffered(), qint64(3), 5000);
        QCOMPARE(sock.Read(0), QByteArray("def"));
    }

    void transactionTakesTheCode()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        connect(peer.socket, &QTcpSocket::readyRead, this, [&] { peer.socket->write("257 \"/\"\r\n"); });
        QCOMPARE(sock.Transaction(QStringLiteral("PWD")), QStringLiteral("257 \"/\"\r\n"));
        QCOMPARE(sock.replyCode(), 257);
        QCOMPARE(peer.received, QByteArray("PWD\r\n"));
    }

    void peerClosingEndsReadLn()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        int disconnects = 0;
        sock.OnDisconnect = [&](TPowersock *) { ++disconnects; };
        peer.socket->write("last words");
        peer.socket->disconnectFromHost();
        QCOMPARE(sock.ReadLn(), QStringLiteral("last words"));
        QVERIFY_THROWS_EXCEPTION(ESockError, sock.ReadLn());
        QVERIFY(!sock.connected());
        QCOMPARE(disconnects, 1);
    }

    void cancelEndsReadLn()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        QTimer::singleShot(0, &sock, &TPowersock::Cancel);
        try {
            sock.ReadLn();
            QFAIL("no exception");
        } catch (const EAbortError &error) {
            QCOMPARE(error.message(), QStringLiteral("Socket readln aborted"));
        }
        QVERIFY(sock.cancelled());
    }

    void silentPeerCostsNoProcessorTime()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        QTimer::singleShot(400, &sock, &TPowersock::Cancel);
        const std::clock_t start = std::clock();
        QVERIFY_THROWS_EXCEPTION(EAbortError, sock.ReadLn());
        const double cpuMs = double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
        QVERIFY2(cpuMs < 40, qPrintable(QStringLiteral("%1 ms of processor time").arg(cpuMs)));
    }

    void captureEveryChunk_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("nothing") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("exactly one chunk") << TPowersock::FileChunkSize;
        QTest::newRow("one chunk and one byte") << TPowersock::FileChunkSize + 1;
        QTest::newRow("three chunks and one byte") << 3 * TPowersock::FileChunkSize + 1;
        QTest::newRow("4 MB") << 4 * 1024 * 1024;
    }
    void captureEveryChunk()
    {
        QFETCH(int, size);
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        qint64 largestStep = 0;
        qint64 previous = 0;
        sock.OnPacketRecvd = [&](TPowersock *) {
            largestStep = qMax(largestStep, sock.bytesReceived() - previous);
            previous = sock.bytesReceived();
        };
        const QByteArray bytes = patterned(size);
        peer.socket->write(bytes);
        peer.socket->disconnectFromHost();
        QBuffer target;
        target.open(QIODevice::WriteOnly);
        sock.CaptureFile(target);
        QCOMPARE(target.data().size(), bytes.size());
        QVERIFY(target.data() == bytes);
        QCOMPARE(sock.bytesReceived(), qint64(size));
        QVERIFY(largestStep <= TPowersock::FileChunkSize);
    }

    void readBeyondOneChunk_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("exactly one chunk") << TPowersock::ChunkSize;
        QTest::newRow("one chunk and the rest") << TPowersock::ChunkSize + 10;
        QTest::newRow("largest read") << 65535;
    }
    void readBeyondOneChunk()
    {
        QFETCH(int, size);
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        const QByteArray bytes = patterned(size);
        peer.socket->write(bytes);
        QVERIFY(sock.Read(quint16(size)) == bytes);
        QCOMPARE(sock.bytesBuffered(), qint64(0));
    }

    void sendFileWhole()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        QByteArray bytes = patterned(1024 * 1024 + 7);
        QBuffer source(&bytes);
        source.open(QIODevice::ReadOnly);
        qint64 lastSent = 0;
        sock.OnPacketSent = [&](TPowersock *) { lastSent = sock.bytesSent(); };
        sock.SendFile(source);
        QCOMPARE(sock.transferSize(), qint64(bytes.size()));
        QCOMPARE(lastSent, qint64(bytes.size()));
        QTRY_COMPARE_WITH_TIMEOUT(peer.received.size(), bytes.size(), 5000);
        QVERIFY(peer.received == bytes);
    }

    void lineBreakNeverSent_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("CR") << "a\rb";
        QTest::newRow("LF") << "a\nb";
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    }
    void lineBreakNeverSent()
    {
        QFETCH(QString, text);
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        QVERIFY_THROWS_EXCEPTION(ESockError, sock.Writeln(text));
        sock.Writeln(QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(peer.received, QByteArray("ok\r\n"), 5000);
    }

    void dottedHostIsNotLookedUp_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("lookups");
        QTest::newRow("dotted") << "127.0.0.1" << 0;
        QTest::newRow("name") << "localhost" << 1;
    }
    void dottedHostIsNotLookedUp()
    {
        QFETCH(QString, host);
        QFETCH(int, lookups);
        Peer peer;
        TPowersock sock;
        int resolved = 0;
        sock.OnHostResolved = [&](TPowersock *) { ++resolved; };
        sock.Host = host;
        sock.Port = peer.server.serverPort();
        sock.Connect();
        QVERIFY(sock.connected());
        QCOMPARE(resolved, lookups);
        QCOMPARE(sock.remoteAddress(), QHostAddress(QHostAddress::LocalHost));
    }

    void invalidHostGetsOneRetry_data()
    {
        QTest::addColumn<int>("handler"); // 0 none, 1 declines, 2 corrects the host, 3 leaves it bad
        QTest::addColumn<bool>("connects");
        QTest::addColumn<int>("calls");
        QTest::newRow("no handler") << 0 << false << 0;
        QTest::newRow("declined") << 1 << false << 1;
        QTest::newRow("corrected") << 2 << true << 1;
        QTest::newRow("still bad") << 3 << false << 1;
    }
    void invalidHostGetsOneRetry()
    {
        QFETCH(int, handler);
        QFETCH(bool, connects);
        QFETCH(int, calls);
        Peer peer;
        TPowersock sock;
        sock.Host = QStringLiteral("nothere.invalid");
        sock.Port = peer.server.serverPort();
        sock.TimeOut = 10000;
        int called = 0;
        if (handler != 0) {
            sock.OnInvalidHost = [&](bool &handled) {
                ++called;
                handled = handler != 1;
                if (handler == 2)
                    sock.Host = QStringLiteral("127.0.0.1");
            };
        }
        if (connects) {
            sock.Connect();
            QVERIFY(sock.connected());
        } else {
            try {
                sock.Connect();
                QFAIL("no exception");
            } catch (const ESockError &error) {
                QCOMPARE(error.message(), QStringLiteral("Null Remote Address"));
            }
        }
        QCOMPARE(called, calls);
    }

    void refusedConnection()
    {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        TPowersock sock;
        sock.Host = QStringLiteral("127.0.0.1");
        sock.Port = closedPort;
        int failed = 0;
        sock.OnConnectionFailed = [&](TPowersock *) { ++failed; };
        try {
            sock.Connect();
            QFAIL("no exception");
        } catch (const ESockError &error) {
            QCOMPARE(error.message(), QStringLiteral("Connection Failed"));
        }
        QCOMPARE(failed, 1);
        QCOMPARE(sock.lastError(), 10061);
        QVERIFY(!sock.connected());
    }

    void alreadyConnected()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        QVERIFY_THROWS_EXCEPTION(ESockError, sock.Connect());
        QVERIFY(sock.connected());
    }

    void silentAddressTimesOutOrIsCancelled_data()
    {
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<QString>("message");
        QTest::newRow("time-out") << 200 << "Connection Timed out";
        QTest::newRow("cancelled") << 0 << "Connection Canceled";
    }
    void silentAddressTimesOutOrIsCancelled()
    {
        QFETCH(int, timeOut);
        QFETCH(QString, message);
        // A server whose accept queue is full lets connections hang.
        QTcpServer full;
        full.setListenBacklogSize(0);
        QVERIFY(full.listen(QHostAddress::LocalHost));
        full.pauseAccepting();
        QTcpSocket filler;
        filler.connectToHost(QHostAddress::LocalHost, full.serverPort());
        QVERIFY(filler.waitForConnected(5000));

        TPowersock sock;
        sock.Host = QStringLiteral("127.0.0.1");
        sock.Port = full.serverPort();
        sock.TimeOut = timeOut;
        if (timeOut == 0)
            QTimer::singleShot(200, &sock, &TPowersock::Cancel);
        try {
            sock.Connect();
            QFAIL("no exception");
        } catch (const ESockError &error) {
            QCOMPARE(error.message(), message);
        }
        QVERIFY(!sock.connected());
        QVERIFY(!sock.cancelled());
    }

    void listenerTakesOnlyItsPeer()
    {
        TPowersock data;
        data.Listen(QHostAddress::LocalHost, QHostAddress::LocalHost);
        const quint16 port = quint16(data.LocalPortText().section(',', 1, 1).toUInt() * 256
                                     + data.LocalPortText().section(',', 2, 2).toUInt());

        QTcpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.2"))));
        stranger.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(stranger.waitForConnected(5000));
        QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QAbstractSocket::UnconnectedState, 5000);
        QVERIFY(!data.connected());

        QTcpSocket server;
        server.connectToHost(QHostAddress::LocalHost, port);
        server.write("from the server");
        server.disconnectFromHost();
        data.Accept();
        QVERIFY(data.connected() || data.bytesBuffered() > 0);
        QBuffer target;
        target.open(QIODevice::WriteOnly);
        data.CaptureFile(target);
        QCOMPARE(target.data(), QByteArray("from the server"));
    }

    void acceptCancelled()
    {
        TPowersock data;
        data.Listen(QHostAddress::LocalHost, QHostAddress::LocalHost);
        QTimer::singleShot(0, &data, &TPowersock::Cancel);
        try {
            data.Accept();
            QFAIL("no exception");
        } catch (const ESockError &error) {
            QCOMPARE(error.message(), QStringLiteral("Accepting Canceled"));
        }
    }
};

QTEST_GUILESS_MAIN(TestFtpSocket)
#include "tst_ftpsocket.moc"

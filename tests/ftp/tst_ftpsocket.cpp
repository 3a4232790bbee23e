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

// The far end: accepts one connection and keeps what arrives.
struct Peer : QObject {
    Peer()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this] { received += socket->readAll(); });
        });
        server.listen(QHostAddress::LocalHost);
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

QString failure(const std::function<void()> &call)
{
    try {
        call();
    } catch (const ESockError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestFtpSocket : public QObject
{
    Q_OBJECT

    void connectTo(TPowersock &sock, Peer &peer)
    {
        sock.Host = QStringLiteral("127.0.0.1");
        sock.Port = peer.server.serverPort();
        sock.Connect();
        QTRY_VERIFY_WITH_TIMEOUT(peer.socket, 5000);
    }

private Q_SLOTS:
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("refused") << SocketErrors::text(10061) << "10061:Connection refused";
        QTest::newRow("look-up") << SocketErrors::text(11004) << "11004:Valid name, no data record of requested type";
        QTest::newRow("unknown") << SocketErrors::text(12345) << "Unknown Error No. 12345";
        QTest::newRow("address") << TPowersock::portAddressText(QHostAddress("10.0.0.7")) << "10,0,0,7";
        QTest::newRow("port") << TPowersock::portNumberText(5000) << ",19,136";
        QTest::newRow("port low byte") << TPowersock::portNumberText(1025) << ",4,1";
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void readLnTakesOneLineAtATime()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        peer.socket->write("one\r\ntwo\nlast");
        QTRY_COMPARE_WITH_TIMEOUT(sock.bytesBuffered(), qint64(13), 5000);
        QCOMPARE(sock.ReadLn(), QStringLiteral("one\r\n"));
        QCOMPARE(sock.bytesBuffered(), qint64(8));
        QCOMPARE(sock.ReadLn(), QStringLiteral("two\n"));
        int closes = 0;
        sock.OnDisconnect = [&](TPowersock *) { ++closes; };
        peer.socket->disconnectFromHost();
        QCOMPARE(sock.ReadLn(), QStringLiteral("last"));
        QCOMPARE(failure([&] { sock.ReadLn(); }), QStringLiteral("Connection closed"));
        QCOMPARE(closes, 1);
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
        const QByteArray bytes = patterned(size + 3);
        peer.socket->write(bytes);
        QVERIFY(sock.Read(quint16(size)) == bytes.left(size));
        QTRY_COMPARE_WITH_TIMEOUT(sock.bytesBuffered(), qint64(3), 5000);
        QCOMPARE(sock.Read(0), bytes.right(3));
    }

    void captureEveryChunk_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("nothing") << 0;
        QTest::newRow("exactly one chunk") << TPowersock::FileChunkSize;
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
        QVERIFY(target.data() == bytes);
        QCOMPARE(sock.bytesReceived(), qint64(size));
        QVERIFY(largestStep <= TPowersock::FileChunkSize);
    }

    void cancelEndsWaitWithoutSpinning()
    {
        Peer peer;
        TPowersock sock;
        connectTo(sock, peer);
        QTimer::singleShot(400, &sock, &TPowersock::Cancel);
        const std::clock_t start = std::clock();
        QCOMPARE(failure([&] { sock.ReadLn(); }), QStringLiteral("Socket readln aborted"));
        const double cpuMs = double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
        QVERIFY2(cpuMs < 40, qPrintable(QStringLiteral("%1 ms of processor time").arg(cpuMs)));
        QVERIFY(sock.cancelled());
    }

    void connectOutcome_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("handler"); // OnInvalidHost: 0 none, 1 declines, 2 corrects, 3 leaves it bad
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("lookups");
        QTest::addColumn<int>("handlerCalls");
        QTest::newRow("dotted: no look-up") << "127.0.0.1" << 0 << "" << 0 << 0;
        QTest::newRow("name: looked up") << "localhost" << 0 << "" << 1 << 0;
        QTest::newRow("bad, no handler") << "nothere.invalid" << 0 << "Null Remote Address" << 0 << 0;
        QTest::newRow("bad, declined") << "nothere.invalid" << 1 << "Null Remote Address" << 0 << 1;
        QTest::newRow("bad, corrected") << "nothere.invalid" << 2 << "" << 0 << 1;
        QTest::newRow("bad, one retry only") << "nothere.invalid" << 3 << "Null Remote Address" << 0 << 1;
    }
    void connectOutcome()
    {
        QFETCH(QString, host);
        QFETCH(int, handler);
        QFETCH(QString, error);
        QFETCH(int, lookups);
        QFETCH(int, handlerCalls);
        Peer peer;
        TPowersock sock;
        sock.Host = host;
        sock.Port = peer.server.serverPort();
        sock.TimeOut = 10000;
        int resolved = 0;
        int called = 0;
        sock.OnHostResolved = [&](TPowersock *) { ++resolved; };
        if (handler != 0) {
            sock.OnInvalidHost = [&](bool &handled) {
                ++called;
                handled = handler != 1;
                if (handler == 2)
                    sock.Host = QStringLiteral("127.0.0.1");
            };
        }
        QCOMPARE(failure([&] { sock.Connect(); }), error);
        QCOMPARE(sock.connected(), error.isEmpty());
        QCOMPARE(resolved, lookups);
        QCOMPARE(called, handlerCalls);
        if (sock.connected())
            QCOMPARE(failure([&] { sock.Connect(); }), QStringLiteral("Already connected"));
    }

    void connectFails_data()
    {
        QTest::addColumn<int>("kind"); // 0 refused, 1 silent with time-out, 2 silent and cancelled
        QTest::addColumn<QString>("error");
        QTest::newRow("refused") << 0 << "Connection Failed";
        QTest::newRow("time-out") << 1 << "Connection Timed out";
        QTest::newRow("cancelled") << 2 << "Connection Canceled";
    }
    void connectFails()
    {
        QFETCH(int, kind);
        QFETCH(QString, error);
        // A server whose accept queue is full lets connections hang; a closed port refuses.
        QTcpServer full;
        full.setListenBacklogSize(0);
        QVERIFY(full.listen(QHostAddress::LocalHost));
        full.pauseAccepting();
        QTcpSocket filler;
        filler.connectToHost(QHostAddress::LocalHost, full.serverPort());
        QVERIFY(filler.waitForConnected(5000));
        const quint16 port = full.serverPort();
        if (kind == 0)
            full.close();

        TPowersock sock;
        sock.Host = QStringLiteral("127.0.0.1");
        sock.Port = port;
        sock.TimeOut = kind == 1 ? 200 : 0;
        if (kind == 2)
            QTimer::singleShot(200, &sock, &TPowersock::Cancel);
        int failed = 0;
        sock.OnConnectionFailed = [&](TPowersock *) { ++failed; };
        QCOMPARE(failure([&] { sock.Connect(); }), error);
        QCOMPARE(failed, 1);
        QVERIFY(!sock.connected() && !sock.cancelled());
        if (kind == 0)
            QCOMPARE(sock.lastError(), 10061);
    }

    void listenerTakesOnlyItsPeer()
    {
        TPowersock data;
        data.Listen(QHostAddress::LocalHost, QHostAddress::LocalHost);
        const QStringList port = data.LocalPortText().split(',');
        const quint16 number = quint16(port.at(1).toUInt() * 256 + port.at(2).toUInt());

        QTcpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.2"))));
        stranger.connectToHost(QHostAddress::LocalHost, number);
        QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QAbstractSocket::UnconnectedState, 5000);
        QVERIFY(!data.connected());

        QTcpSocket server;
        server.connectToHost(QHostAddress::LocalHost, number);
        server.write("from the server");
        server.disconnectFromHost();
        data.Accept();
        QBuffer target;
        target.open(QIODevice::WriteOnly);
        data.CaptureFile(target);
        QCOMPARE(target.data(), QByteArray("from the server"));
    }
};

QTEST_GUILESS_MAIN(TestFtpSocket)
#include "tst_ftpsocket.moc"

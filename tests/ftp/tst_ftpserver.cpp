// The client against a real FTP server (pyftpdlib on 127.0.0.1).
#include "ftp/ftpexception.h"
#include "ftp/nmftp.h"
#include "ftpserverprocess.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString User = QStringLiteral("tester");
const QString Secret = QStringLiteral("s3cret-pw");

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace

class TestFtpServer : public QObject
{
    Q_OBJECT

private:
    QString remote(const QString &name) const { return m_root.filePath(name); }
    QString local(const QString &name) const { return m_local.filePath(name); }

    // A logged-in client in binary mode, collecting its status messages.
    void login(TNMFTP &ftp)
    {
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = m_server.port();
        ftp.UserID = User;
        ftp.Password = Secret;
        ftp.OnStatus = [this](TPowersock *, const QString &status) { m_statuses.append(status); };
        ftp.Connect();
        ftp.SetTransferType(2);
    }

    QTemporaryDir m_root;
    QTemporaryDir m_local;
    FtpServerProcess m_server;
    QStringList m_statuses;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_root.isValid() && m_local.isValid());
        const QString failure = m_server.start(m_root.path(), User, Secret);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void init()
    {
        m_statuses.clear();
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(m_root.path());
    }

    void loginNeverShowsPassword()
    {
        TNMFTP ftp;
        ftp.ReportLevel = 16;
        bool loggedIn = false;
        ftp.OnConnect = [&](TPowersock *) { loggedIn = true; };
        login(ftp);
        QVERIFY(loggedIn);
        QVERIFY(ftp.connected());
        QVERIFY(m_statuses.contains(QStringLiteral("USER ") + User));
        QVERIFY(m_statuses.contains(QStringLiteral("PASS ")));
        for (const QString &status : std::as_const(m_statuses))
            QVERIFY2(!status.contains(Secret), qPrintable(status));
        ftp.Disconnect();
        QVERIFY(!ftp.connected());
        QVERIFY(m_statuses.contains(QStringLiteral("QUIT")));
    }

    void refusedLogin()
    {
        TNMFTP ftp;
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = m_server.port();
        ftp.UserID = User;
        ftp.Password = QStringLiteral("wrong");
        int failures = 0;
        ftp.TPowersock::OnConnectionFailed = [&](TPowersock *) { ++failures; };
        QVERIFY_THROWS_EXCEPTION(FTPException, ftp.Connect());
        QCOMPARE(ftp.replyCode(), 530);
        QCOMPARE(failures, 1);
        QVERIFY(!ftp.connected());
    }

    void listAndParse()
    {
        QVERIFY(writeBytes(remote(QStringLiteral("index.html")), "<html></html>"));
        QVERIFY(writeBytes(remote(QStringLiteral("my page.html")), QByteArray(2000, 'x')));
        QVERIFY(QDir(m_root.path()).mkdir(QStringLiteral("pub")));

        TNMFTP ftp;
        login(ftp);
        ftp.ParseList = true;
        QStringList items;
        ftp.OnListItem = [&](const QString &line) { items.append(line); };
        QList<TCmdType> successes;
        ftp.OnSuccess = [&](TCmdType type) { successes.append(type); };
        ftp.ListFolder();

        QCOMPARE(ftp.Vendor, int(TNMFTP::VendorUnix));
        const TFTPDirectoryList *list = ftp.directoryList();
        QVERIFY(list);
        QStringList names = list->names();
        names.sort();
        QCOMPARE(names, QStringList({"index.html", "my page.html", "pub"}));
        const int page = int(list->names().indexOf(QStringLiteral("my page.html")));
        QCOMPARE(list->sizes().at(page), QStringLiteral("2000"));
        QVERIFY(list->attributes().at(int(list->names().indexOf(QStringLiteral("pub")))).startsWith('d'));
        QCOMPARE(items.size(), 3);
        QVERIFY(!items.first().endsWith('\n') && !items.first().endsWith('\r'));
        QCOMPARE(successes, QList<TCmdType>{TCmdType::ListFolder});
        QVERIFY(ftp.transferSize() > 0);
        QVERIFY(m_statuses.contains(QStringLiteral("Received %1 Bytes").arg(ftp.transferSize())));

        // A second listing asks SYST no more and starts from empty lists.
        m_statuses.clear();
        ftp.ListFolder();
        QVERIFY(!m_statuses.contains(QStringLiteral("SYST")));
        QCOMPARE(ftp.directoryList()->names().size(), 3);
    }

    void uploadDownloadRenameDelete()
    {
        const QByteArray content = randomBytes(300000) + "\r\n\n\r" + QByteArray(5, '\0');
        QVERIFY(writeBytes(local(QStringLiteral("up.bin")), content));

        TNMFTP ftp;
        login(ftp);
        qint64 lastSent = 0;
        ftp.OnPacketSent = [&](TPowersock *) { lastSent = ftp.bytesSent(); };
        ftp.PutFile(local(QStringLiteral("up.bin")));
        QCOMPARE(readBytes(remote(QStringLiteral("up.bin"))), content);
        QCOMPARE(lastSent, qint64(content.size()));
        QCOMPARE(ftp.transferSize(), qint64(content.size()));
        QVERIFY(m_statuses.contains(QStringLiteral("STOR ") + local(QStringLiteral("up.bin"))));

        int packets = 0;
        ftp.OnPacketRecvd = [&](TPowersock *) { ++packets; };
        ftp.FetchFile(QStringLiteral("up.bin"), local(QStringLiteral("down.bin")));
        QCOMPARE(readBytes(local(QStringLiteral("down.bin"))), content);
        QVERIFY(packets > 1);
        QCOMPARE(ftp.bytesReceived(), qint64(content.size()));

        ftp.RenameEntry(QStringLiteral("up.bin"), QStringLiteral("renamed.bin"));
        QVERIFY(!QFile::exists(remote(QStringLiteral("up.bin"))));
        QCOMPARE(readBytes(remote(QStringLiteral("renamed.bin"))), content);

        ftp.RemoveFile(QStringLiteral("renamed.bin"));
        QVERIFY(!QFile::exists(remote(QStringLiteral("renamed.bin"))));
    }

    void makeChangeAndRemoveFolder()
    {
        TNMFTP ftp;
        login(ftp);
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/"));
        ftp.MakeFolder(QStringLiteral("site"));
        QVERIFY(QFileInfo(remote(QStringLiteral("site"))).isDir());
        ftp.ChangeFolder(QStringLiteral("site"));
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/site"));
        ftp.ChangeFolder(QStringLiteral(".."));
        ftp.RemoveFolder(QStringLiteral("site"));
        QVERIFY(!QFileInfo::exists(remote(QStringLiteral("site"))));
    }

    void refusedCommand()
    {
        TNMFTP ftp;
        login(ftp);
        try {
            ftp.ChangeFolder(QStringLiteral("missing"));
            QFAIL("no exception");
        } catch (const FTPException &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("550")), qPrintable(error.message()));
        }
        QList<TCmdType> failures;
        ftp.OnFailure = [&](bool &handled, TCmdType type) {
            failures.append(type);
            handled = true;
        };
        ftp.ChangeFolder(QStringLiteral("missing"));
        QCOMPARE(failures, QList<TCmdType>{TCmdType::ChangeFolder});
        // The connection is still in step.
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/"));
    }

    void handledRefusedDownloadEndsAtOnce()
    {
        QVERIFY(writeBytes(local(QStringLiteral("keep.txt")), "old"));
        TNMFTP ftp;
        login(ftp);
        bool stopped = false;
        ftp.OnTransactionStop = [&](TPowersock *) { stopped = true; };
        QList<TCmdType> failures;
        ftp.OnFailure = [&](bool &handled, TCmdType type) {
            failures.append(type);
            handled = true;
        };
        ftp.FetchFile(QStringLiteral("missing.txt"), local(QStringLiteral("keep.txt")));
        QCOMPARE(failures, QList<TCmdType>{TCmdType::Download});
        QVERIFY(!stopped);
        QCOMPARE(readBytes(local(QStringLiteral("keep.txt"))), QByteArray("old"));
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/"));
    }

    void cancelRunningDownload()
    {
        const QByteArray big = randomBytes(64 * 1024 * 1024);
        QVERIFY(writeBytes(remote(QStringLiteral("big.bin")), big));
        QVERIFY(writeBytes(local(QStringLiteral("big.bin")), "previous"));

        TNMFTP ftp;
        login(ftp);
        ftp.OnPacketRecvd = [&](TPowersock *) {
            if (ftp.bytesReceived() > 100000)
                ftp.Abort();
        };
        QVERIFY_THROWS_EXCEPTION(EAbortError, ftp.FetchFile(QStringLiteral("big.bin"), local(QStringLiteral("big.bin"))));
        // The old file is kept and the session goes on.
        QCOMPARE(readBytes(local(QStringLiteral("big.bin"))), QByteArray("previous"));
        ftp.OnPacketRecvd = nullptr;
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/"));
        ftp.Disconnect();
    }
};

QTEST_GUILESS_MAIN(TestFtpServer)
#include "tst_ftpserver.moc"

// The client against real FTP servers on 127.0.0.1, started and stopped here: pyftpdlib, and
// vsftpd where a fast C server behaves differently.
#include "ftp/ftpcertificate.h"
#include "ftp/ftpexception.h"
#include "ftp/nmftp.h"
#include "ftpserverprocess.h"
#include "vsftpdprocess.h"
#include "settings/language.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const QString User = QStringLiteral("tester");
const QString Secret = QStringLiteral("s3cret-pw");


QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace

using TransferMode = TNMFTP::TransferMode;
using Encryption = TNMFTP::Encryption;

class TestFtpServer : public QObject
{
    Q_OBJECT

    QString remote(const QString &name) const { return m_root.filePath(name); }
    QString local(const QString &name) const { return m_local.filePath(name); }

    // Logs in with binary transfers, collecting every status message.
    void login(TNMFTP &ftp, const QString &password = Secret)
    {
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = m_server.port();
        ftp.UserID = User;
        ftp.Password = password;
        ftp.ReportLevel = 16;
        ftp.OnStatus = [this](TPowersock *, const QString &status) { m_statuses.append(status); };
        ftp.Connect();
        ftp.SetTransferType(2);
    }

    QTemporaryDir m_root;
    QTemporaryDir m_local;
    QTemporaryDir m_keys;
    FtpServerProcess m_server;
    QStringList m_statuses;
    QString m_certificate;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_root.isValid() && m_local.isValid());
        const QString failure = m_server.start(m_root.path(), User, Secret);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        m_certificate = FtpServerProcess::makeCertificate(m_keys.path());
        QVERIFY2(!m_certificate.isEmpty(), "openssl could not make a certificate");
    }

    void init()
    {
        m_statuses.clear();
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(m_root.path());
    }

    void loginAndList()
    {
        writeTestFile(remote(QStringLiteral("index.html")), "<html></html>");
        writeTestFile(remote(QStringLiteral("my page.html")), QByteArray(2000, 'x'));
        QVERIFY(QDir(m_root.path()).mkdir(QStringLiteral("pub")));
        TNMFTP ftp;
        login(ftp);
        QVERIFY(m_statuses.contains(QStringLiteral("USER ") + User) && m_statuses.contains(QStringLiteral("PASS ")));
        for (const QString &status : std::as_const(m_statuses))
            QVERIFY2(!status.contains(Secret), qPrintable(status));

        ftp.ParseList = true;
        ftp.ListFolder();
        QCOMPARE(ftp.Vendor, int(TNMFTP::VendorUnix));
        const TFTPDirectoryList *list = ftp.directoryList();
        QStringList names = list->names();
        names.sort();
        QCOMPARE(names, QStringList({"index.html", "my page.html", "pub"}));
        QCOMPARE(list->sizes().at(int(list->names().indexOf(QStringLiteral("my page.html")))), QStringLiteral("2000"));
        QVERIFY(list->attributes().at(int(list->names().indexOf(QStringLiteral("pub")))).startsWith('d'));
        QVERIFY(m_statuses.contains(QStringLiteral("Received %1 Bytes").arg(ftp.transferSize())));

        // A second listing asks SYST no more and starts from empty lists.
        m_statuses.clear();
        ftp.ListFolder();
        QVERIFY(!m_statuses.contains(QStringLiteral("SYST")));
        QCOMPARE(ftp.directoryList()->names().size(), 3);
        ftp.Disconnect();
        QVERIFY(!ftp.connected());
    }

    void filesAndFolders()
    {
        const QByteArray content = randomBytes(300000) + "\r\n\n\r" + QByteArray(5, '\0');
        writeTestFile(local(QStringLiteral("up.bin")), content);
        TNMFTP ftp;
        login(ftp);
        ftp.PutFile(local(QStringLiteral("up.bin")));
        QCOMPARE(readTestFile(remote(QStringLiteral("up.bin"))), content);
        QCOMPARE(ftp.bytesSent(), qint64(content.size()));
        QVERIFY(m_statuses.contains(QStringLiteral("STOR ") + local(QStringLiteral("up.bin"))));

        int packets = 0;
        ftp.OnPacketRecvd = [&](TPowersock *) { ++packets; };
        ftp.FetchFile(QStringLiteral("up.bin"), local(QStringLiteral("down.bin")));
        QCOMPARE(readTestFile(local(QStringLiteral("down.bin"))), content);
        QVERIFY(packets > 1);
        QCOMPARE(ftp.bytesReceived(), qint64(content.size()));

        ftp.RenameEntry(QStringLiteral("up.bin"), QStringLiteral("renamed.bin"));
        QCOMPARE(readTestFile(remote(QStringLiteral("renamed.bin"))), content);
        ftp.RemoveFile(QStringLiteral("renamed.bin"));
        QVERIFY(QDir(m_root.path()).isEmpty());

        ftp.MakeFolder(QStringLiteral("site"));
        ftp.ChangeFolder(QStringLiteral("site"));
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/site"));
        ftp.ChangeFolder(QStringLiteral(".."));
        ftp.RemoveFolder(QStringLiteral("site"));
        QVERIFY(QDir(m_root.path()).isEmpty());
    }

    void namesOnAServerThatDoesNotAnnounceUtf8()
    {
        // vsftpd keeps names as the bytes they are and lists no UTF8 feature, as many Linux hosts.
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("latin")));
        writeTestFile(root.filePath(QString::fromUtf8("smørrebrød.html")), "utf-8 name");
        const QByteArray latinName = QFile::encodeName(root.path()) + "/latin/bl\xe5.html";
        // Gone before the folder: Qt cannot name it.
        const auto removeLatin = qScopeGuard([&] { std::remove(latinName.constData()); });
        std::FILE *latin = std::fopen(latinName.constData(), "wb");
        QVERIFY(latin && std::fputs("latin-1 name", latin) >= 0 && std::fclose(latin) == 0);
        VsftpdProcess server;
        const QString failure = server.start(root.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        TNMFTP ftp;
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = server.port();
        ftp.UserID = VsftpdProcess::user();
        ftp.Password = VsftpdProcess::password();
        ftp.ParseList = true;
        ftp.Connect();
        ftp.SetTransferType(2);
        ftp.ListFolder();
        QVERIFY2(ftp.directoryList()->names().contains(QString::fromUtf8("smørrebrød.html")),
                 qPrintable(ftp.directoryList()->names().join(QLatin1Char('|'))));
        ftp.FetchFile(QString::fromUtf8("smørrebrød.html"), local(QStringLiteral("a.html")));
        QCOMPARE(readTestFile(local(QStringLiteral("a.html"))), QByteArray("utf-8 name"));
        writeTestFile(local(QStringLiteral("up.html")), "new");
        ftp.PutFile(local(QStringLiteral("up.html")), QString::fromUtf8("new ü file.html"));
        QCOMPARE(readTestFile(root.filePath(QString::fromUtf8("new ü file.html"))), QByteArray("new"));

        // A folder whose names are not UTF-8 is read, and written to, in the code page.
        ftp.ChangeFolder(QStringLiteral("latin"));
        ftp.ListFolder();
        QCOMPARE(ftp.directoryList()->names(), QStringList{QString::fromUtf8("blå.html")});
        ftp.FetchFile(QString::fromUtf8("blå.html"), local(QStringLiteral("b.html")));
        QCOMPARE(readTestFile(local(QStringLiteral("b.html"))), QByteArray("latin-1 name"));
        ftp.Disconnect();
    }

    void refusals()
    {
        TNMFTP refused;
        int failed = 0;
        refused.TPowersock::OnConnectionFailed = [&](TPowersock *) { ++failed; };
        QVERIFY_THROWS_EXCEPTION(FTPException, login(refused, QStringLiteral("wrong")));
        QCOMPARE(refused.replyCode(), 530);
        QCOMPARE(failed, 1);
        QVERIFY(!refused.connected());

        TNMFTP ftp;
        login(ftp);
        QVERIFY_THROWS_EXCEPTION(FTPException, ftp.ChangeFolder(QStringLiteral("missing")));
        QCOMPARE(ftp.replyCode(), 550);
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/"));
    }

    void otherServers_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<Encryption>("security");
        QTest::addColumn<bool>("passive"); // in use after the first transfer
        const QStringList tls{"--tls", m_certificate, "--tls-required", "--require-reuse"};
        QTest::newRow("cannot connect back") << QStringList{"--no-connect-back"} << TransferMode::Automatic
                                             << Encryption::None << true;
        QTest::newRow("passive only") << QStringList{"--passive-only"} << TransferMode::Automatic << Encryption::None << true;
        QTest::newRow("passive only, passive mode") << QStringList{"--passive-only"} << TransferMode::Passive
                                                    << Encryption::None << true;
        QTest::newRow("TLS required") << tls << TransferMode::Automatic << Encryption::Required << false;
        QTest::newRow("TLS required, passive") << tls << TransferMode::Passive << Encryption::Required << true;
        QTest::newRow("TLS when available, cannot connect back") << QStringList{"--tls", m_certificate, "--no-connect-back"}
                                                                 << TransferMode::Automatic << Encryption::WhenAvailable << true;
    }
    void otherServers()
    {
        QFETCH(QStringList, options);
        QFETCH(TransferMode, mode);
        QFETCH(Encryption, security);
        QFETCH(bool, passive);
        if (security != Encryption::None && !QSslSocket::supportsSsl())
            QSKIP("No TLS library");
        FtpServerProcess server;
        const QString started = server.start(m_root.path(), User, Secret, options);
        QVERIFY2(started.isEmpty(), qPrintable(started));
        const QByteArray content = randomBytes(1 << 20);
        writeTestFile(local(QStringLiteral("up.bin")), content);

        TNMFTP ftp;
        ftp.Mode = mode;
        ftp.Security = security;
        QList<QSslCertificate> asked;
        ftp.OnCertificateError = [&](const QSslCertificate &certificate, const QList<QSslError> &errors) {
            asked.append(certificate);
            return !errors.isEmpty();
        };
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = server.port();
        ftp.UserID = User;
        ftp.Password = Secret;
        ftp.ParseList = true;
        ftp.Connect();
        ftp.SetTransferType(2);
        ftp.PutFile(local(QStringLiteral("up.bin")), QStringLiteral("up.bin"));
        QCOMPARE(readTestFile(remote(QStringLiteral("up.bin"))), content);
        ftp.FetchFile(QStringLiteral("up.bin"), local(QStringLiteral("down.bin")));
        QCOMPARE(readTestFile(local(QStringLiteral("down.bin"))), content);
        ftp.ListFolder();
        QCOMPARE(ftp.directoryList()->names(), QStringList{"up.bin"});
        QCOMPARE(ftp.passive(), passive);
        QCOMPARE(ftp.encrypted(), security != Encryption::None);
        QCOMPARE(ftp.dataEncrypted(), security != Encryption::None);
        // The self-signed certificate was put to the user once, and is trusted from then on.
        QCOMPARE(asked.size(), security != Encryption::None ? 1 : 0);
        QCOMPARE(ftp.TrustedCertificates, asked);
        ftp.Disconnect();
        if (security != Encryption::None) {
            ftp.Connect();
            QCOMPARE(asked.size(), 1);
            QVERIFY(ftp.encrypted());
            ftp.Disconnect();
        }
    }

    void encryptionRefused_data()
    {
        QTest::addColumn<bool>("tlsServer");
        QTest::addColumn<bool>("trust");
        QTest::addColumn<QString>("error");
        QTest::newRow("plain server") << false << true
                                      << "The server does not offer encryption (TLS), which this connection requires. "
                                         "Its answer: 500 Command \"AUTH\" not understood.";
        QTest::newRow("certificate not trusted") << true << false
                                                 << "Encryption failed: The certificate is self-signed, and untrusted";
    }
    void encryptionRefused()
    {
        QFETCH(bool, tlsServer);
        QFETCH(bool, trust);
        QFETCH(QString, error);
        if (!QSslSocket::supportsSsl())
            QSKIP("No TLS library");
        FtpServerProcess tls;
        if (tlsServer) {
            const QString started = tls.start(m_root.path(), User, Secret, {"--tls", m_certificate});
            QVERIFY2(started.isEmpty(), qPrintable(started));
        }
        TNMFTP ftp;
        ftp.Security = Encryption::Required;
        QString details;
        ftp.OnCertificateError = [&](const QSslCertificate &certificate, const QList<QSslError> &errors) {
            details = FtpCertificate::details(certificate, errors, German);
            return trust;
        };
        bool loggedIn = false;
        ftp.OnConnect = [&](TPowersock *) { loggedIn = true; };
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = tlsServer ? tls.port() : m_server.port();
        ftp.UserID = User;
        ftp.Password = Secret;
        try {
            ftp.Connect();
            QFAIL("logged in");
        } catch (const ESockError &refused) {
            QCOMPARE(refused.message(), error);
        }
        QVERIFY(!loggedIn && !ftp.connected());
        // The user is shown what the certificate is and what is wrong with it.
        QCOMPARE(details.isEmpty(), !tlsServer);
        if (tlsServer) {
            QVERIFY2(details.contains(QStringLiteral("- The certificate is self-signed, and untrusted")), qPrintable(details));
            QVERIFY(details.contains(QStringLiteral("Ausgestellt für: 127.0.0.1")));
            QVERIFY(details.contains(QRegularExpression(QStringLiteral("SHA-256: ([0-9A-F]{2}:){31}[0-9A-F]{2}"))));
        }
    }

    void cancelRunningDownload()
    {
        writeTestFile(remote(QStringLiteral("big.bin")), randomBytes(64 * 1024 * 1024));
        writeTestFile(local(QStringLiteral("big.bin")), "previous");
        TNMFTP ftp;
        login(ftp);
        ftp.OnPacketRecvd = [&](TPowersock *) {
            if (ftp.bytesReceived() > 100000)
                ftp.Abort();
        };
        QVERIFY_THROWS_EXCEPTION(EAbortError, ftp.FetchFile(QStringLiteral("big.bin"), local(QStringLiteral("big.bin"))));
        // The old file is kept and the session goes on in step.
        QCOMPARE(readTestFile(local(QStringLiteral("big.bin"))), QByteArray("previous"));
        ftp.OnPacketRecvd = nullptr;
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/"));
        ftp.Disconnect();
    }
};

QTEST_GUILESS_MAIN(TestFtpServer)
#include "tst_ftpserver.moc"

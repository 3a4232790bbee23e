// The SFTP session against a real OpenSSH server on loopback: logins, host keys, folder
// operations, transfers byte for byte, cancel and a server that stops answering.
#include "ftp/sftpsession.h"
#include "sshdprocess.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>
#include <QTest>

namespace {

constexpr qint64 LargeSize = 64LL * 1024 * 1024;

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 4093) & 0xff);
    return bytes;
}

// Runs `call` and returns the kind of SftpError it raised; fails the test when none came.
template<typename Call>
SftpError::Kind failureOf(Call &&call)
{
    try {
        call();
    } catch (const SftpError &error) {
        return error.kind();
    }
    QTest::qFail("no SftpError", __FILE__, __LINE__);
    return SftpError::Kind::Failure;
}

} // namespace

class TestSftpClient : public QObject
{
    Q_OBJECT

    SshdProcess server;
    QTemporaryDir local;
    int hostKeyQuestions = 0;

    // A session that trusts the server's key once, unless a test says otherwise.
    std::unique_ptr<SftpSession> session(SftpHostKeyAnswer answer = SftpHostKeyAnswer::TrustOnce)
    {
        auto s = std::make_unique<SftpSession>();
        s->OnHostKey = [this, answer](const SftpHostKey &key) {
            ++hostKeyQuestions;
            [&] {
                QCOMPARE(key.type, QStringLiteral("ssh-ed25519"));
                QVERIFY(key.fingerprint.startsWith(QLatin1String("SHA256:")));
            }();
            return answer;
        };
        return s;
    }

    SftpLogin passwordLogin() const
    {
        SftpLogin login = server.login();
        login.password = QLatin1String(SshdProcess::Password);
        return login;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = server.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void init()
    {
        hostKeyQuestions = 0;
        server.resetClient();
    }

    void login_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("password") << "password" << true;
        QTest::newRow("wrong password") << "wrong password" << false;
        QTest::newRow("key file") << "key" << true;
        QTest::newRow("key file with passphrase") << "passphrase" << true;
        QTest::newRow("passphrase refused") << "no passphrase" << false;
        QTest::newRow("agent") << "agent" << true;
    }

    void login()
    {
        QFETCH(QString, method);
        QFETCH(bool, succeeds);
        SftpLogin login = server.login();
        QStringList passphraseAnswers;
        QProcess agent;
        if (method == QLatin1String("password"))
            login.password = QLatin1String(SshdProcess::Password);
        else if (method == QLatin1String("wrong password"))
            login.password = QStringLiteral("not the password");
        else if (method == QLatin1String("key"))
            QVERIFY(!server.makeClientKey().isEmpty());
        else if (method.contains(QLatin1String("passphrase"))) {
            QVERIFY(!server.makeClientKey(QStringLiteral("open sesame")).isEmpty());
            // A wrong passphrase is asked again; no answer gives the key up.
            passphraseAnswers = method == QLatin1String("passphrase")
                ? QStringList{QStringLiteral("wrong"), QStringLiteral("open sesame")}
                : QStringList{QString()};
        } else if (method == QLatin1String("agent")) {
            // The key lives in the agent only.
            const QString key = server.makeClientKey(QString(), QStringLiteral("agentkey"));
            login.agentSocket = QDir(server.clientFolder()).filePath(QStringLiteral("agent.sock"));
            agent.start(QStringLiteral("ssh-agent"), {"-D", "-a", login.agentSocket});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(login.agentSocket), 10000);
            QProcess add;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("SSH_AUTH_SOCK"), login.agentSocket);
            add.setProcessEnvironment(environment);
            add.start(QStringLiteral("ssh-add"), {"-q", key});
            QVERIFY(add.waitForFinished(10000) && add.exitCode() == 0);
        }

        auto s = session();
        QStringList asked;
        s->OnPassphrase = [&](const QString &keyFile, bool again) -> std::optional<QString> {
            asked << QStringLiteral("%1 %2").arg(QFileInfo(keyFile).fileName()).arg(again);
            if (passphraseAnswers.isEmpty() || passphraseAnswers.first().isNull())
                return std::nullopt;
            return passphraseAnswers.takeFirst();
        };
        if (succeeds) {
            s->connectToHost(login);
            QVERIFY(s->isConnected());
            QCOMPARE(s->workingFolder(), QFileInfo(server.root()).canonicalFilePath());
        } else {
            QCOMPARE(failureOf([&] { s->connectToHost(login); }), SftpError::Kind::LoginFailed);
            QVERIFY(!s->isConnected());
        }
        if (method == QLatin1String("passphrase"))
            QCOMPARE(asked, QStringList({"id_ed25519 0", "id_ed25519 1"}));
        agent.terminate();
        agent.waitForFinished(5000);
    }

    void hostKeys_data()
    {
        QTest::addColumn<QString>("knownBefore"); // "", "same" or "other"
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("connects");
        QTest::addColumn<bool>("remembered");
        QTest::newRow("unknown, refused") << "" << int(SftpHostKeyAnswer::Refuse) << 1 << false << false;
        QTest::newRow("unknown, trusted once") << "" << int(SftpHostKeyAnswer::TrustOnce) << 1 << true << false;
        QTest::newRow("unknown, remembered") << "" << int(SftpHostKeyAnswer::TrustAndRemember) << 1 << true << true;
        QTest::newRow("known") << "same" << int(SftpHostKeyAnswer::Refuse) << 0 << true << true;
        // No question: a changed key cannot be accepted from here.
        QTest::newRow("changed") << "other" << int(SftpHostKeyAnswer::TrustOnce) << 0 << false << false;
    }

    void hostKeys()
    {
        QFETCH(QString, knownBefore);
        QFETCH(int, answer);
        QFETCH(int, questions);
        QFETCH(bool, connects);
        QFETCH(bool, remembered);
        const SftpLogin login = passwordLogin();
        QString otherKey = QDir(server.clientFolder()).filePath(QStringLiteral("other"));
        QVERIFY(generateKey(otherKey));
        if (knownBefore == QLatin1String("same"))
            writeTestFile(login.knownHostsFile, server.knownHostsLine(server.hostPublicKey()).toUtf8());
        else if (knownBefore == QLatin1String("other"))
            writeTestFile(login.knownHostsFile, server.knownHostsLine(otherKey + QStringLiteral(".pub")).toUtf8());
        const QByteArray before = readTestFile(login.knownHostsFile);

        auto s = session(SftpHostKeyAnswer(answer));
        if (connects)
            s->connectToHost(login);
        else
            QVERIFY(failureOf([&] { s->connectToHost(login); }) == (knownBefore.isEmpty()
                                                                       ? SftpError::Kind::HostKeyRefused
                                                                       : SftpError::Kind::HostKeyChanged));
        QCOMPARE(s->isConnected(), connects);
        QCOMPARE(hostKeyQuestions, questions);
        // A refused or changed key never reaches the known hosts.
        if (knownBefore.isEmpty())
            QCOMPARE(!readTestFile(login.knownHostsFile).isEmpty(), remembered);
        else
            QCOMPARE(readTestFile(login.knownHostsFile), before);
        if (remembered) {
            auto again = session(SftpHostKeyAnswer::Refuse);
            again->connectToHost(login);
            QCOMPARE(hostKeyQuestions, questions);
        }
    }

    void folderOperations()
    {
        auto s = session();
        int progressCalls = 0;
        s->OnProgress = [&] { ++progressCalls; };
        s->connectToHost(passwordLogin());
        const QString home = s->workingFolder();
        const QByteArray page = "<html>\r\n<body>caf\xc3\xa9</body>\r\n</html>\r\n";
        const QString source = local.filePath(QStringLiteral("index.html"));
        writeTestFile(source, page);

        s->makeFolder(QStringLiteral("site"));
        QCOMPARE(failureOf([&] { s->makeFolder(QStringLiteral("site")); }), SftpError::Kind::AlreadyExists);
        s->changeFolder(QStringLiteral("site"));
        QCOMPARE(s->workingFolder(), home + QStringLiteral("/site"));
        // Only transfers report progress.
        QCOMPARE(progressCalls, 0);
        s->putFile(source);
        s->putFile(source, QStringLiteral("copy.html"));
        s->makeFolder(QStringLiteral("img"));
        QList<SftpEntry> entries = s->list();
        std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0).name, QStringLiteral("copy.html"));
        QCOMPARE(entries.at(1).name, QStringLiteral("img"));
        QVERIFY(entries.at(1).folder);
        QCOMPARE(entries.at(2).size, qint64(page.size()));
        QVERIFY(!entries.at(2).folder);
        QCOMPARE(readTestFile(server.root() + QStringLiteral("/site/index.html")), page);

        const QString fetched = local.filePath(QStringLiteral("fetched.html"));
        s->fetchFile(QStringLiteral("copy.html"), fetched);
        QCOMPARE(readTestFile(fetched), page);
        QCOMPARE(failureOf([&] { s->fetchFile(QStringLiteral("missing.html"), fetched); }),
                 SftpError::Kind::NotFound);
        QCOMPARE(readTestFile(fetched), page);

        // Renaming onto an existing name would lose that file.
        QCOMPARE(failureOf([&] { s->rename(QStringLiteral("copy.html"), QStringLiteral("index.html")); }),
                 SftpError::Kind::AlreadyExists);
        s->rename(QStringLiteral("copy.html"), QStringLiteral("old.html"));
        s->removeFile(QStringLiteral("old.html"));
        s->removeFolder(QStringLiteral("img"));
        QCOMPARE(failureOf([&] { s->removeFolder(QStringLiteral("img")); }), SftpError::Kind::NotFound);
        QCOMPARE(s->list().size(), 1);
        s->changeFolder(QStringLiteral(".."));
        QCOMPARE(s->workingFolder(), home);
        QCOMPARE(failureOf([&] { s->changeFolder(QStringLiteral("nowhere")); }), SftpError::Kind::NotFound);
        QCOMPARE(s->workingFolder(), home);
        QVERIFY(s->isConnected());
    }

    void cancelTransfer_data()
    {
        QTest::addColumn<bool>("upload");
        QTest::addColumn<bool>("replaces");
        QTest::newRow("upload over a file") << true << true;
        QTest::newRow("upload of a new file") << true << false;
        QTest::newRow("download") << false << true;
    }

    void cancelTransfer()
    {
        QFETCH(bool, upload);
        QFETCH(bool, replaces);
        const QByteArray large = pattern(LargeSize);
        const QByteArray old = "the published page\n";
        const QString localFile = local.filePath(QStringLiteral("large.bin"));
        const QString remoteFile = server.root() + QStringLiteral("/large.bin");
        QFile::remove(remoteFile);
        writeTestFile(upload ? localFile : remoteFile, large);
        if (replaces)
            writeTestFile(upload ? remoteFile : localFile, old);

        auto s = session();
        s->connectToHost(passwordLogin());
        int progressCalls = 0;
        s->OnProgress = [&] {
            ++progressCalls;
            if (s->bytesDone() > LargeSize / 8)
                s->cancel();
        };
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(failureOf([&] {
                     if (upload)
                         s->putFile(localFile);
                     else
                         s->fetchFile(QStringLiteral("large.bin"), localFile);
                 }),
                 SftpError::Kind::Cancelled);
        QVERIFY(clock.elapsed() < SftpSession::CancelGraceMs + 5000);
        QVERIFY(progressCalls > 0);
        QCOMPARE(s->transferSize(), LargeSize);
        // What was there stays, and nothing half-written is left beside it or in its place.
        QCOMPARE(readTestFile(upload ? remoteFile : localFile), replaces ? old : QByteArray());
        QCOMPARE(QFile::exists(remoteFile), !upload || replaces);
        const QStringList partial{QStringLiteral("*part*")};
        QCOMPARE(QDir(upload ? server.root() : local.path()).entryList(partial, QDir::Files | QDir::Hidden),
                 QStringList());
        QVERIFY(s->isConnected());
        s->OnProgress = nullptr;
        if (upload)
            s->putFile(localFile);
        else
            s->fetchFile(QStringLiteral("large.bin"), localFile);
        QVERIFY(readTestFile(upload ? remoteFile : localFile) == large);
    }

    void silentServer_data()
    {
        QTest::addColumn<bool>("duringTransfer");
        QTest::newRow("never answers") << false;
        QTest::newRow("stops answering during a download") << true;
    }

    void silentServer()
    {
        QFETCH(bool, duringTransfer);
        QTcpServer mute;
        QVERIFY(mute.listen(QHostAddress::LocalHost));
        StallingRelay relay(server.port());
        SftpLogin login = passwordLogin();
        login.timeOutMs = 1500;
        login.port = duringTransfer ? relay.port() : mute.serverPort();
        writeTestFile(server.root() + QStringLiteral("/large.bin"), pattern(LargeSize));
        auto s = session();
        bool disconnected = false;
        s->OnDisconnect = [&] { disconnected = true; };
        s->OnProgress = [&] {
            if (s->bytesDone() > 0)
                relay.stall();
        };
        QElapsedTimer clock;
        clock.start();
        if (duringTransfer) {
            s->connectToHost(login);
            QCOMPARE(failureOf([&] { s->fetchFile(QStringLiteral("large.bin"), local.filePath("frozen.bin")); }),
                     SftpError::Kind::TimedOut);
            QVERIFY(disconnected);
        } else {
            QCOMPARE(failureOf([&] { s->connectToHost(login); }), SftpError::Kind::TimedOut);
        }
        QVERIFY2(clock.elapsed() < login.timeOutMs + 3000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!s->isConnected());
        QVERIFY(!QFile::exists(local.filePath("frozen.bin")));
    }

    // Last: quitting leaves no event loop running in this process.
    void applicationQuitsDuringAWait()
    {
        writeTestFile(server.root() + QStringLiteral("/large.bin"), pattern(LargeSize));
        StallingRelay relay(server.port());
        SftpLogin login = passwordLogin();
        login.timeOutMs = 20000;
        login.port = relay.port();
        auto s = session();
        s->connectToHost(login);
        bool stalled = false;
        s->OnProgress = [&] {
            if (s->bytesDone() > 0 && !stalled) {
                stalled = true;
                relay.stall();
                QTimer::singleShot(100, QCoreApplication::instance(), [] { QCoreApplication::exit(); });
            }
        };
        QElapsedTimer clock;
        clock.start();
        // The wait ends at once, and the job that wrote into it is over before it returns.
        QCOMPARE(failureOf([&] { s->fetchFile(QStringLiteral("large.bin"), local.filePath("quit.bin")); }),
                 SftpError::Kind::Cancelled);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!s->isConnected());
    }
};

QTEST_GUILESS_MAIN(TestSftpClient)
#include "tst_sftpclient.moc"

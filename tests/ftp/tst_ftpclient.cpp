// The FTP client's reply handling, against a scripted server, and its text parsers.
#include "ftp/ftpexception.h"
#include "ftp/ftpreply.h"
#include "ftp/ftpunixlist.h"
#include "ftp/nmftp.h"
#include "scriptedftpserver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

namespace {

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

} // namespace

class TestFtpClient : public QObject
{
    Q_OBJECT

private:
    void prepare(TNMFTP &ftp, ScriptedFtpServer &server)
    {
        server.replies.insert("USER", "331 Password please\r\n");
        server.replies.insert("PASS", "230 Logged in\r\n");
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = server.port();
        ftp.UserID = QStringLiteral("u");
        ftp.Password = QStringLiteral("p");
        m_statuses.clear();
        ftp.OnStatus = [this](TPowersock *, const QString &status) { m_statuses.append(status); };
    }

    QStringList m_statuses;
    QTemporaryDir m_dir;

private Q_SLOTS:
    void commandType_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<TCmdType>("type");
        QTest::newRow("CWD") << "CWD /www" << TCmdType::ChangeFolder;
        QTest::newRow("MKD") << "MKD new" << TCmdType::MakeFolder;
        QTest::newRow("DELE") << "DELE a.html" << TCmdType::RemoveFile;
        QTest::newRow("RMD") << "RMD old" << TCmdType::RemoveFolder;
        QTest::newRow("PWD alone") << "PWD" << TCmdType::WorkingFolder;
        QTest::newRow("PWD with more") << "PWD x" << TCmdType::Command;
        QTest::newRow("first word only") << "CWDX a" << TCmdType::Command;
        QTest::newRow("TYPE") << "TYPE I" << TCmdType::Command;
    }
    void commandType()
    {
        QFETCH(QString, line);
        QFETCH(TCmdType, type);
        QCOMPARE(TNMFTP::commandType(line), type);
    }

    void replyText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("continues");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("folder");
        QTest::newRow("size in parentheses")
            << "150 Opening data connection for a.txt (2048 bytes).\r\n" << 150 << false << qint64(2048) << "";
        QTest::newRow("no byte word") << "150 Opening data connection\r\n" << 150 << false << qint64(0) << "";
        QTest::newRow("no digits before") << "x BYTES follow 12\r\n" << 0 << false << qint64(0) << "";
        QTest::newRow("code digits count") << "150 BYTES follow\r\n" << 150 << false << qint64(150) << "";
        QTest::newRow("upper case, no space") << "125 Sending 77BYTES" << 125 << false << qint64(77) << "";
        QTest::newRow("pwd") << "257 \"/pub/www\" is current\r\n" << 257 << false << qint64(0) << "/pub/www";
        QTest::newRow("pwd without quotes") << "257 /pub/www\r\n" << 257 << false << qint64(0) << "";
        QTest::newRow("pwd one quote") << "257 \"/pub\r\n" << 257 << false << qint64(0) << "";
        QTest::newRow("first of multi-line") << "220-Hello\r\n" << 220 << true << qint64(0) << "";
        QTest::newRow("inner line") << " text\r\n" << 0 << true << qint64(0) << "";
        QTest::newRow("short line ends") << "22\r\n" << 22 << false << qint64(0) << "";
        QTest::newRow("ten digits at most") << "123456789012 x" << 1234567890 << false << qint64(0) << "";
        QTest::newRow("no wrap-around") << "9999999999 x" << INT_MAX << false << qint64(0) << "";
        QTest::newRow("no digits") << "hello" << 0 << false << qint64(0) << "";
    }
    void replyText()
    {
        QFETCH(QString, line);
        QFETCH(int, code);
        QFETCH(bool, continues);
        QFETCH(qint64, size);
        QFETCH(QString, folder);
        QCOMPARE(FtpReply::code(line), code);
        QCOMPARE(FtpReply::continues(line), continues);
        QCOMPARE(FtpReply::size(line), size);
        QCOMPARE(FtpReply::folder(line), folder);
    }

    void vendor_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("vendor");
        QTest::newRow("unix") << "215 UNIX Type: L8" << int(TNMFTP::VendorUnix);
        QTest::newRow("netware before dos") << "215 NETWARE DOS" << int(TNMFTP::VendorNetWare);
        QTest::newRow("vms before vm") << "215 VMS" << int(TNMFTP::VendorVms);
        QTest::newRow("vm") << "215 VM/CMS" << int(TNMFTP::VendorVm);
        QTest::newRow("os/400") << "215 OS/400" << int(TNMFTP::VendorOs400);
        QTest::newRow("other") << "215 Windows_NT" << int(TNMFTP::VendorOther);
    }
    void vendor()
    {
        QFETCH(QString, reply);
        QFETCH(int, vendor);
        QCOMPARE(TNMFTP::vendorOf(reply), vendor);
    }

    void columns_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("run of spaces") << "a   b" << QStringList{"a", "b"};
        QTest::newRow("leading space") << " a b" << QStringList{"", "a", "b"};
        QTest::newRow("trailing spaces") << "a b  " << QStringList{"a", "b", ""};
        QTest::newRow("long column cut") << QString(300, 'x') << QStringList{QString(255, 'x')};
    }
    void columns()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, columns);
        TFTPDirectoryList list;
        list.ParseLine(line);
        QCOMPARE(list.columnCount(), columns.size());
        for (int i = 0; i < columns.size(); ++i)
            QCOMPARE(list.column(i), columns.at(i));
    }

    void columnsCapped()
    {
        TFTPDirectoryList list;
        list.ParseLine(QStringList(QList<QString>(40, QStringLiteral("c"))).join(' '));
        QCOMPARE(list.columnCount(), TFTPDirectoryList::MaxColumns);
    }

    void unixLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("entry"); // attributes, name, date, size; empty: none
        QTest::newRow("total") << "total 24" << QStringList();
        QTest::newRow("seven columns") << "a b c d e f g" << QStringList();
        QTest::newRow("file") << "-rw-r--r--   1 web  users  2048 Jan  5 12:30 index.html"
                              << QStringList{"-rw-r--r--", "index.html", "Jan 5 12:30", "2048"};
        QTest::newRow("folder") << "drwxr-xr-x 2 web users 4096 Mar 1 2023 images"
                                << QStringList{"drwxr-xr-x", "images", "Mar 1 2023", "4096"};
        QTest::newRow("name with spaces") << "-rw-r--r-- 1 web users 10 Jan 5 12:30 my page.html"
                                          << QStringList{"-rw-r--r--", "my page.html", "Jan 5 12:30", "10"};
        QTest::newRow("inner spaces kept") << "-rw-r--r-- 1 web users 10 Jan 5 12:30 a  b.txt"
                                           << QStringList{"-rw-r--r--", "a  b.txt", "Jan 5 12:30", "10"};
        QTest::newRow("link") << "lrwxrwxrwx 1 web users 7 Jan 5 12:30 www -> htdocs"
                              << QStringList{"lrwxrwxrwx", "www", "Jan 5 12:30", "7"};
        QTest::newRow("no group") << "-rw-r--r-- 1 web 99 Jan 5 12:30 a.txt"
                                  << QStringList{"-rw-r--r--", "a.txt", "Jan 5 12:30", "99"};
    }
    void unixLine()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, entry);
        TFTPUnixList list;
        list.ParseLine(line);
        if (entry.isEmpty()) {
            QVERIFY(list.names().isEmpty());
            return;
        }
        QCOMPARE(list.attributes(), QStringList{entry.at(0)});
        QCOMPARE(list.names(), QStringList{entry.at(1)});
        QCOMPARE(list.dates(), QStringList{entry.at(2)});
        QCOMPARE(list.sizes(), QStringList{entry.at(3)});
    }

    void threeLineGreeting()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.greeting = "220-Hello\r\n and welcome\r\n220 Ready\r\n";
        ftp.Connect();
        const int last = int(m_statuses.indexOf(QStringLiteral("220 Ready")));
        QVERIFY(m_statuses.indexOf(QStringLiteral("220-Hello")) >= 0);
        QVERIFY(last > m_statuses.indexOf(QStringLiteral(" and welcome")));
        QVERIFY(last < m_statuses.indexOf(QStringLiteral("USER u")));
        QCOMPARE(server.commands, QStringList({"USER u", "PASS p"}));
    }

    void userAnswered230SkipsPass()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("USER", "230 Welcome\r\n");
        bool loggedIn = false;
        ftp.OnConnect = [&](TPowersock *) { loggedIn = true; };
        ftp.Connect();
        QVERIFY(loggedIn);
        QCOMPARE(server.commands, QStringList{"USER u"});
    }

    void refusedLogin_data()
    {
        QTest::addColumn<QByteArray>("word"); // empty: the greeting
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("greeting 421") << QByteArray() << QByteArray("421 Too many users\r\n") << QStringList();
        QTest::newRow("USER 530") << QByteArray("USER") << QByteArray("530 Not allowed\r\n") << QStringList{"USER u"};
        QTest::newRow("PASS 530") << QByteArray("PASS") << QByteArray("530 Wrong\r\n")
                                  << QStringList{"USER u", "PASS p"};
    }
    void refusedLogin()
    {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, commands);
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        if (word.isEmpty())
            server.greeting = reply;
        else
            server.replies.insert(word, reply);
        int failed = 0;
        bool disconnected = false;
        ftp.TPowersock::OnConnectionFailed = [&](TPowersock *) { ++failed; };
        ftp.OnDisconnect = [&](TPowersock *) { disconnected = true; };
        try {
            ftp.Connect();
            QFAIL("no exception");
        } catch (const FTPException &error) {
            QCOMPARE(error.message(), QString::fromUtf8(reply));
        }
        QCOMPARE(failed, 1);
        QVERIFY(disconnected);
        QVERIFY(!ftp.connected());
        QCOMPARE(m_statuses.constLast(), QStringLiteral("Disconnected"));
        QCOMPARE(server.commands, commands);
    }

    void proxyLogin()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        ftp.Host = QStringLiteral("ftp.example.invalid");
        ftp.Port = 1; // never used: the proxy is connected to instead
        ftp.Proxy = QStringLiteral("127.0.0.1");
        ftp.ProxyPort = server.port();
        ftp.Connect();
        QCOMPARE(server.commands.first(), QStringLiteral("USER u@ftp.example.invalid"));
        QVERIFY(m_statuses.contains(QStringLiteral("USER u")));
    }

    void sendCommandJudgement_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("failure");
        QTest::addColumn<bool>("unsupported");
        QTest::addColumn<TCmdType>("type");
        QTest::newRow("CWD 550") << "CWD x" << QByteArray("550 No such folder\r\n") << true << false
                                 << TCmdType::ChangeFolder;
        QTest::newRow("MKD 550") << "MKD x" << QByteArray("550 Exists\r\n") << true << false << TCmdType::MakeFolder;
        QTest::newRow("DELE 450") << "DELE x" << QByteArray("450 Busy\r\n") << true << false << TCmdType::RemoveFile;
        QTest::newRow("RMD 250") << "RMD x" << QByteArray("250 Removed\r\n") << false << false
                                 << TCmdType::RemoveFolder;
        QTest::newRow("350 is a success") << "REST 0" << QByteArray("350 Go on\r\n") << false << false
                                          << TCmdType::Command;
        QTest::newRow("502 unsupported") << "SITE x" << QByteArray("502 No\r\n") << true << true << TCmdType::Command;
        QTest::newRow("600 is a success") << "NOOP" << QByteArray("600 Odd\r\n") << false << false << TCmdType::Command;
        QTest::newRow("multi-line") << "STAT" << QByteArray("211-Status\r\n more\r\n211 End\r\n") << false
                                    << false << TCmdType::Command;
    }
    void sendCommandJudgement()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, reply);
        QFETCH(bool, failure);
        QFETCH(bool, unsupported);
        QFETCH(TCmdType, type);
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert(command.section(' ', 0, 0).toUtf8(), reply);
        ftp.Connect();

        QList<TCmdType> failures, successes, unsupportedTypes;
        ftp.OnFailure = [&](bool &handled, TCmdType t) {
            failures.append(t);
            handled = true;
        };
        ftp.OnSuccess = [&](TCmdType t) { successes.append(t); };
        ftp.OnUnSupportedFunction = [&](TCmdType t) { unsupportedTypes.append(t); };
        QCOMPARE(ftp.SendCommand(command), QString::fromUtf8(reply.left(reply.indexOf('\n') + 1)));
        QCOMPARE(failures, failure ? QList<TCmdType>{type} : QList<TCmdType>());
        QCOMPARE(successes, failure ? QList<TCmdType>() : QList<TCmdType>{type});
        QCOMPARE(unsupportedTypes, unsupported ? QList<TCmdType>{type} : QList<TCmdType>());
        // The whole reply was read: the next command gets its own.
        server.replies.insert("PWD", "257 \"/next\"\r\n");
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/next"));
    }

    void renameFromRefused()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RNFR", "550 No such file\r\n");
        ftp.Connect();
        QVERIFY_THROWS_EXCEPTION(FTPException, ftp.RenameEntry(QStringLiteral("a"), QStringLiteral("b")));
        QCOMPARE(server.commands.constLast(), QStringLiteral("RNFR a"));
    }

    void renameFromAccepted()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RNFR", "350 Ready for destination\r\n");
        server.replies.insert("RNTO", "250 Renamed\r\n");
        ftp.Connect();
        QList<TCmdType> successes;
        ftp.OnSuccess = [&](TCmdType t) { successes.append(t); };
        ftp.RenameEntry(QStringLiteral("a"), QStringLiteral("b"));
        QCOMPARE(server.commands.mid(2), QStringList({"RNFR a", "RNTO b"}));
        QCOMPARE(successes, QList<TCmdType>{TCmdType::Rename});
    }

    void listingTotalAndTwoEntries()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("SYST", "215 UNIX Type: L8\r\n");
        server.replies.insert("LIST", "150 Here it comes\r\n");
        server.download = "total 3\r\n"
                          "-rw-r--r-- 1 a b 12 Jan 5 12:30 one.html\r\n"
                          "drwxr-xr-x 1 a b 0 Feb 6 2020 two";
        ftp.ParseList = true;
        ftp.Connect();
        QStringList items;
        ftp.OnListItem = [&](const QString &line) { items.append(line); };
        ftp.ListFolder();
        QCOMPARE(ftp.directoryList()->names(), QStringList({"one.html", "two"}));
        QCOMPARE(ftp.directoryList()->sizes(), QStringList({"12", "0"}));
        QCOMPARE(ftp.directoryList()->dates(), QStringList({"Jan 5 12:30", "Feb 6 2020"}));
        QCOMPARE(ftp.directoryList()->attributes().size(), 2);
        // The last line had no line end and still counts; no line keeps its line end.
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.constLast(), QStringLiteral("drwxr-xr-x 1 a b 0 Feb 6 2020 two"));
        QCOMPARE(ftp.transferSize(), qint64(server.download.size()));
        QVERIFY(server.commands.contains(QStringLiteral("SYST")));
        QCOMPARE(server.commands.filter(QStringLiteral("PORT 127,0,0,1,")).size(), 1);
    }

    void sizeFromTransferReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<qint64>("size");
        QTest::newRow("with size") << QByteArray("150 Opening data connection for a.txt (2048 bytes).\r\n") << qint64(2048);
        QTest::newRow("size on a later line") << QByteArray("150-Opening\r\n 99 bytes\r\n150 Go\r\n") << qint64(99);
        QTest::newRow("without size") << QByteArray("150 Opening data connection\r\n") << qint64(0);
    }
    void sizeFromTransferReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(qint64, size);
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RETR", reply);
        server.download = QByteArray(5000, 'd');
        ftp.Connect();
        qint64 announced = -1;
        ftp.OnTransactionStart = [&](TPowersock *) { announced = ftp.transferSize(); };
        const QString target = m_dir.filePath(QStringLiteral("a.txt"));
        ftp.FetchFile(QStringLiteral("a.txt"), target);
        QCOMPARE(announced, size);
        QCOMPARE(ftp.transferSize(), qint64(5000));
        QCOMPARE(readBytes(target), server.download);
    }

    void refusedTransferEndsAtOnce_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::newRow("LIST") << QByteArray("LIST");
        QTest::newRow("RETR") << QByteArray("RETR");
        QTest::newRow("STOR") << QByteArray("STOR");
    }
    void refusedTransferEndsAtOnce()
    {
        QFETCH(QByteArray, word);
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert(word, "550 Not here\r\n");
        ftp.Connect();
        QVERIFY(writeBytes(m_dir.filePath(QStringLiteral("old.txt")), "old"));
        bool stopped = false;
        int failures = 0;
        ftp.OnTransactionStop = [&](TPowersock *) { stopped = true; };
        ftp.OnFailure = [&](bool &handled, TCmdType) {
            ++failures;
            handled = true;
        };
        if (word == "LIST")
            ftp.ListFolder();
        else if (word == "RETR")
            ftp.FetchFile(QStringLiteral("x"), m_dir.filePath(QStringLiteral("old.txt")));
        else
            ftp.PutFile(m_dir.filePath(QStringLiteral("old.txt")), QStringLiteral("x"));
        QCOMPARE(failures, 1);
        QVERIFY(!stopped);
        QCOMPARE(readBytes(m_dir.filePath(QStringLiteral("old.txt"))), QByteArray("old"));
    }

    void negativeFinalReplyKeepsOldFile()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RETR", "150 Sending\r\n");
        server.download = "partial";
        server.finalReply = "451 Local error in processing\r\n";
        ftp.Connect();
        const QString target = m_dir.filePath(QStringLiteral("kept.txt"));
        QVERIFY(writeBytes(target, "old"));
        bool succeeded = false;
        ftp.OnSuccess = [&](TCmdType) { succeeded = true; };
        QVERIFY_THROWS_EXCEPTION(FTPException, ftp.FetchFile(QStringLiteral("kept.txt"), target));
        QVERIFY(!succeeded);
        QCOMPARE(readBytes(target), QByteArray("old"));
    }

    void downloadReplacesFileKeepingPermissions()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RETR", "150 Sending\r\n");
        server.download = "new content";
        ftp.Connect();
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("page.html"));
        QVERIFY(writeBytes(target, "old"));
        const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QVERIFY(QFile::setPermissions(target, permissions));
        ftp.FetchFile(QStringLiteral("page.html"), target);
        QCOMPARE(readBytes(target), QByteArray("new content"));
        QCOMPARE(QFile::permissions(target), permissions);
        QThreadPool::globalInstance()->waitForDone();
        const QDir::Filters all = QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(folder.path()).entryList(all), QStringList{"page.html"});

        // A failed download leaves neither a changed file nor a partial one behind.
        server.finalReply = "451 Aborted\r\n";
        QVERIFY_THROWS_EXCEPTION(FTPException, ftp.FetchFile(QStringLiteral("page.html"), target));
        QCOMPARE(readBytes(target), QByteArray("new content"));
        QCOMPARE(QDir(folder.path()).entryList(all), QStringList{"page.html"});
    }

    void serviceEndDuringTransfer()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RETR", "150 Sending\r\n");
        server.dataMode = ScriptedFtpServer::DataMode::ServiceEnd;
        server.download = QByteArray(100, 'x');
        ftp.Connect();
        const QString target = m_dir.filePath(QStringLiteral("never.txt"));
        try {
            ftp.FetchFile(QStringLiteral("never.txt"), target);
            QFAIL("no exception");
        } catch (const FTPException &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("421")), qPrintable(error.message()));
        }
        QVERIFY(!QFile::exists(target));
    }

    void controlDroppedDuringTransfer()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RETR", "150 Sending\r\n");
        server.dataMode = ScriptedFtpServer::DataMode::DropControl;
        server.download = QByteArray(100, 'x');
        ftp.Connect();
        QVERIFY_THROWS_EXCEPTION(ESockError, ftp.FetchFile(QStringLiteral("a"), m_dir.filePath(QStringLiteral("a"))));
        QVERIFY(!ftp.connected());
    }

    void controlDroppedWhileWaitingForReply()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("CWD", QByteArray()); // no answer: the server goes away instead
        ftp.Connect();
        bool disconnected = false;
        ftp.OnDisconnect = [&](TPowersock *) { disconnected = true; };
        ftp.OnStatus = [&](TPowersock *, const QString &status) {
            if (status == QStringLiteral("CWD x"))
                QTimer::singleShot(0, &server, &ScriptedFtpServer::dropClient);
        };
        QVERIFY_THROWS_EXCEPTION(ESockError, ftp.ChangeFolder(QStringLiteral("x")));
        QVERIFY(disconnected);
        QVERIFY(!ftp.connected());
    }

    void dataConnectionNeverComes()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RETR", "150 Sending\r\n");
        server.dataMode = ScriptedFtpServer::DataMode::NeverConnect;
        ftp.Connect();
        ftp.OnStatus = [&](TPowersock *, const QString &status) {
            if (status.startsWith(QStringLiteral("150")))
                QTimer::singleShot(0, &ftp, [&] { ftp.Abort(); });
        };
        QVERIFY_THROWS_EXCEPTION(ESockError, ftp.FetchFile(QStringLiteral("a"), m_dir.filePath(QStringLiteral("late"))));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("late"))));
    }

    void longReplyLine_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("20 000 bytes") << 20000;
        QTest::newRow("4 MB") << 4 * 1024 * 1024;
    }
    void longReplyLine()
    {
        QFETCH(int, length);
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.greeting = "220 " + QByteArray(length, 'x') + "\r\n";
        server.replies.insert("PWD", "257 \"/after\"\r\n");
        ftp.Connect();
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/after"));
        QCOMPARE(m_statuses.first().size(), TPowersock::MaxLineLength);
        QVERIFY(ftp.bytesBuffered() < 1024);
    }

    void nulInReply()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("PASS", QByteArray("230 Wel\0come\r\n", 14));
        server.replies.insert("PWD", "257 \"/a\"\r\n");
        ftp.Connect();
        QVERIFY(m_statuses.contains(QStringLiteral("230 Wel") + QChar(0) + QStringLiteral("come")));
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/a"));
    }

    void replyInTinyPackets()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.tinyPackets = true;
        server.greeting = "220-Hello\r\n there\r\n220 Ready\r\n";
        server.replies.insert("PWD", "257 \"/pub/www\" is current\r\n");
        ftp.Connect();
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/pub/www"));
        QCOMPARE(server.commands, QStringList({"USER u", "PASS p", "PWD"}));
    }

    void lineBreaksNeverSent_data()
    {
        QTest::addColumn<int>("call");
        QTest::newRow("folder") << 0;
        QTest::newRow("rename target") << 1;
        QTest::newRow("download name") << 2;
        QTest::newRow("upload name") << 3;
        QTest::newRow("command") << 4;
    }
    void lineBreaksNeverSent()
    {
        QFETCH(int, call);
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        ftp.Connect();
        const QString evil = QStringLiteral("a\r\nDELE index.html");
        const QString local = m_dir.filePath(QStringLiteral("up.txt"));
        QVERIFY(writeBytes(local, "x"));
        const int before = int(server.commands.size());
        switch (call) {
        case 0: QVERIFY_THROWS_EXCEPTION(ESockError, ftp.ChangeFolder(evil)); break;
        case 1: QVERIFY_THROWS_EXCEPTION(ESockError, ftp.RenameEntry(QStringLiteral("a"), evil)); break;
        case 2: QVERIFY_THROWS_EXCEPTION(ESockError, ftp.FetchFile(QStringLiteral("a") + QChar(0) + QStringLiteral("b"), local)); break;
        case 3: QVERIFY_THROWS_EXCEPTION(ESockError, ftp.PutFile(local, QStringLiteral("x\ny"))); break;
        default: QVERIFY_THROWS_EXCEPTION(ESockError, ftp.SendCommand(evil)); break;
        }
        server.replies.insert("PWD", "257 \"/\"\r\n");
        QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/"));
        QCOMPARE(server.commands.mid(before), QStringList{"PWD"});
    }

    void refusedLoginNamesNeverSent()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        ftp.Password = QStringLiteral("pw\r\nDELE x");
        try {
            ftp.Connect();
            QFAIL("no exception");
        } catch (const ESockError &error) {
            QVERIFY(!error.message().contains(QStringLiteral("pw")));
        }
        QVERIFY(!ftp.connected());
        QVERIFY(server.commands.isEmpty());
    }

    void downloadWithoutLocalPathStaysInWorkingFolder()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("RETR", "150 Sending\r\n");
        server.download = "page";
        ftp.Connect();
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir(QStringLiteral("inner")));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.filePath(QStringLiteral("inner")));
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        ftp.FetchFile(QStringLiteral("../escape.html"));
        QVERIFY(QFile::exists(work.filePath(QStringLiteral("inner/escape.html"))));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("escape.html"))));
        QCOMPARE(server.commands.constLast(), QStringLiteral("RETR ../escape.html"));
    }

    void uploadWithoutRemoteName()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("STOR", "150 Send it\r\n");
        ftp.Connect();
        const QString local = m_dir.filePath(QStringLiteral("site.html"));
        QVERIFY(writeBytes(local, "<p>"));
        ftp.PutFile(local);
        QCOMPARE(server.commands.constLast(), QStringLiteral("STOR site.html"));
        QVERIFY(m_statuses.contains(QStringLiteral("STOR ") + local));
        QTRY_COMPARE_WITH_TIMEOUT(server.uploaded, QByteArray("<p>"), 5000);
    }

    void connectionRequired_data()
    {
        QTest::addColumn<int>("handler"); // 0 none, 1 declines, 2 connects
        QTest::newRow("no handler") << 0;
        QTest::newRow("declined") << 1;
        QTest::newRow("connects") << 2;
    }
    void connectionRequired()
    {
        QFETCH(int, handler);
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        server.replies.insert("PWD", "257 \"/w\"\r\n");
        if (handler != 0) {
            ftp.OnConnectionRequired = [&](bool &handled) {
                handled = handler == 2;
                if (handled)
                    ftp.Connect();
            };
        }
        if (handler == 2) {
            QCOMPARE(ftp.WorkingFolder(), QStringLiteral("/w"));
            return;
        }
        try {
            ftp.WorkingFolder();
            QFAIL("no exception");
        } catch (const std::runtime_error &error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Not Connected"));
        }
        QVERIFY(server.commands.isEmpty());
    }

    void missingUploadSendsNothing()
    {
        ScriptedFtpServer server;
        TNMFTP ftp;
        prepare(ftp, server);
        ftp.Connect();
        const int before = int(server.commands.size());
        QVERIFY_THROWS_EXCEPTION(ESockError, ftp.PutFile(m_dir.filePath(QStringLiteral("missing.html"))));
        QCOMPARE(server.commands.size(), before);
    }
};

QTEST_GUILESS_MAIN(TestFtpClient)
#include "tst_ftpclient.moc"

// The FTP client's reply handling, against a scripted server, and its text parsers.
#include "ftp/ftpexception.h"
#include "ftp/ftpreply.h"
#include "ftp/ftptext.h"
#include "ftp/ftpunixlist.h"
#include "ftp/nmftp.h"
#include "scriptedftpserver.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

using DataMode = ScriptedFtpServer::DataMode;
using TransferMode = TNMFTP::TransferMode;

namespace {


// The message of what the call raised; empty when it raised nothing.
QString failure(const std::function<void()> &call)
{
    try {
        call();
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

// A scripted server and a client set up for it, logging in as u with password p.
struct Session {
    Session()
    {
        server.replies.insert("USER", "331 Password please\r\n");
        server.replies.insert("PASS", "230 Logged in\r\n");
        server.replies.insert("PWD", "257 \"/w\"\r\n");
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = server.port();
        ftp.UserID = QStringLiteral("u");
        ftp.Password = QStringLiteral("p");
        ftp.OnStatus = [this](TPowersock *, const QString &status) { statuses.append(status); };
    }
    ScriptedFtpServer server;
    TNMFTP ftp;
    QStringList statuses;
};

} // namespace

class TestFtpClient : public QObject
{
    Q_OBJECT

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
        QTest::newRow("size") << "150 Opening data connection for a.txt (2048 bytes).\r\n" << 150 << false
                              << qint64(2048) << "";
        QTest::newRow("no byte word") << "150 Opening data connection\r\n" << 150 << false << qint64(0) << "";
        QTest::newRow("no digits before") << "x BYTES follow 12\r\n" << 0 << false << qint64(0) << "";
        QTest::newRow("upper case, no space") << "125 Sending 77BYTES" << 125 << false << qint64(77) << "";
        QTest::newRow("pwd") << "257 \"/pub/www\" is current\r\n" << 257 << false << qint64(0) << "/pub/www";
        QTest::newRow("pwd without quotes") << "257 /pub/www\r\n" << 257 << false << qint64(0) << "";
        QTest::newRow("pwd one quote") << "257 \"/pub\r\n" << 257 << false << qint64(0) << "";
        QTest::newRow("first of several") << "220-Hello\r\n" << 220 << true << qint64(0) << "";
        QTest::newRow("inner line") << " text\r\n" << 0 << true << qint64(0) << "";
        QTest::newRow("short line ends") << "22\r\n" << 22 << false << qint64(0) << "";
        QTest::newRow("ten digits at most") << "123456789012 x" << 1234567890 << false << qint64(0) << "";
        QTest::newRow("no wrap-around") << "9999999999 x" << INT_MAX << false << qint64(0) << "";
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
        QTest::newRow("25 columns at most") << QStringList(QList<QString>(40, "c")).join(' ')
                                            << QStringList(QList<QString>(25, "c"));
    }
    void columns()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, columns);
        TFTPDirectoryList list;
        list.ParseLine(line);
        QStringList parsed;
        for (int i = 0; i < list.columnCount(); ++i)
            parsed.append(list.column(i));
        QCOMPARE(parsed, columns);
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
        QStringList parsed;
        if (!list.names().isEmpty())
            parsed << list.attributes() << list.names() << list.dates() << list.sizes();
        QCOMPARE(parsed, entry);
    }

    void login_data()
    {
        QTest::addColumn<QByteArray>("greeting");
        QTest::addColumn<QByteArray>("word"); // whose reply is changed
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("proxy");
        QTest::addColumn<bool>("tinyPackets");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("commands");
        const QByteArray ready = "220 Ready\r\n";
        const QByteArray three = "220-Hello\r\n and welcome\r\n220 Ready\r\n";
        const QStringList both{"USER u", "PASS p"};
        QTest::newRow("three-line greeting") << three << QByteArray() << QByteArray() << false << false << "" << both;
        QTest::newRow("230 after USER") << ready << QByteArray("USER") << QByteArray("230 Welcome\r\n") << false
                                        << false << "" << QStringList{"USER u"};
        QTest::newRow("greeting 421") << QByteArray("421 Too many users\r\n") << QByteArray() << QByteArray()
                                      << false << false << "421 Too many users\r\n" << QStringList();
        QTest::newRow("530 after USER") << ready << QByteArray("USER") << QByteArray("530 Not allowed\r\n") << false
                                        << false << "530 Not allowed\r\n" << QStringList{"USER u"};
        QTest::newRow("530 after PASS") << ready << QByteArray("PASS") << QByteArray("530 Wrong\r\n") << false
                                        << false << "530 Wrong\r\n" << both;
        QTest::newRow("proxy") << ready << QByteArray() << QByteArray() << true << false << ""
                               << QStringList{"USER u@ftp.example.invalid", "PASS p"};
        QTest::newRow("tiny packets") << three << QByteArray() << QByteArray() << false << true << "" << both;
        QTest::newRow("NUL in a reply") << ready << QByteArray("PASS") << QByteArray("230 Wel\0come\r\n", 14)
                                        << false << false << "" << both;
        QTest::newRow("20 000-byte line") << "220 " + QByteArray(20000, 'x') + "\r\n" << QByteArray() << QByteArray()
                                          << false << false << "" << both;
        QTest::newRow("4 MB line") << "220 " + QByteArray(4 << 20, 'x') + "\r\n" << QByteArray() << QByteArray()
                                   << false << false << "" << both;
    }
    void login()
    {
        QFETCH(QByteArray, greeting);
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, reply);
        QFETCH(bool, proxy);
        QFETCH(bool, tinyPackets);
        QFETCH(QString, error);
        QFETCH(QStringList, commands);
        Session s;
        s.server.greeting = greeting;
        s.server.tinyPackets = tinyPackets;
        if (!word.isEmpty())
            s.server.replies.insert(word, reply);
        if (proxy) {
            s.ftp.Host = QStringLiteral("ftp.example.invalid"); // never looked up
            s.ftp.Port = 1;
            s.ftp.Proxy = QStringLiteral("127.0.0.1");
            s.ftp.ProxyPort = s.server.port();
        }
        int failed = 0;
        bool loggedIn = false;
        s.ftp.TPowersock::OnConnectionFailed = [&](TPowersock *) { ++failed; };
        s.ftp.OnConnect = [&](TPowersock *) { loggedIn = true; };

        QCOMPARE(failure([&] { s.ftp.Connect(); }), error);
        QCOMPARE(loggedIn, error.isEmpty());
        QCOMPARE(failed, error.isEmpty() ? 0 : 1);
        // After logging in the client asks for the server's features.
        QCOMPARE(s.server.commands, error.isEmpty() ? commands + QStringList{"FEAT"} : commands);
        for (const QString &status : std::as_const(s.statuses))
            QVERIFY(status.size() <= TPowersock::MaxLineLength);
        if (!error.isEmpty()) {
            QVERIFY(!s.ftp.connected());
            QCOMPARE(s.statuses.constLast(), QStringLiteral("Disconnected"));
            return;
        }
        // Every greeting line was read before USER went out, and the stream is still in step.
        QCOMPARE(s.statuses.indexOf(QStringLiteral("USER u")), int(greeting.count('\n')));
        QCOMPARE(s.ftp.WorkingFolder(), QStringLiteral("/w"));
        QVERIFY(s.ftp.bytesBuffered() < 1024);
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
        QTest::newRow("RMD 250") << "RMD x" << QByteArray("250 Gone\r\n") << false << false << TCmdType::RemoveFolder;
        QTest::newRow("350 is a success") << "REST 0" << QByteArray("350 Go on\r\n") << false << false
                                          << TCmdType::Command;
        QTest::newRow("502 unsupported") << "SITE x" << QByteArray("502 No\r\n") << true << true << TCmdType::Command;
        QTest::newRow("600 is a success") << "NOOP" << QByteArray("600 Odd\r\n") << false << false << TCmdType::Command;
        QTest::newRow("several lines") << "STAT" << QByteArray("211-Status\r\n more\r\n211 End\r\n") << false
                                       << false << TCmdType::Command;
    }
    void sendCommandJudgement()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, reply);
        QFETCH(bool, failure);
        QFETCH(bool, unsupported);
        QFETCH(TCmdType, type);
        Session s;
        s.server.replies.insert(command.section(' ', 0, 0).toUtf8(), reply);
        s.ftp.Connect();
        QList<TCmdType> failures, successes, unsupportedTypes;
        s.ftp.OnFailure = [&](bool &handled, TCmdType t) {
            failures.append(t);
            handled = true;
        };
        s.ftp.OnSuccess = [&](TCmdType t) { successes.append(t); };
        s.ftp.OnUnSupportedFunction = [&](TCmdType t) { unsupportedTypes.append(t); };
        QCOMPARE(s.ftp.SendCommand(command), QString::fromUtf8(reply.left(reply.indexOf('\n') + 1)));
        QCOMPARE(failures, failure ? QList<TCmdType>{type} : QList<TCmdType>());
        QCOMPARE(successes, failure ? QList<TCmdType>() : QList<TCmdType>{type});
        QCOMPARE(unsupportedTypes, unsupported ? QList<TCmdType>{type} : QList<TCmdType>());
        QCOMPARE(s.ftp.WorkingFolder(), QStringLiteral("/w"));
    }

    void rename_data()
    {
        QTest::addColumn<QByteArray>("fromReply");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("last");
        QTest::newRow("RNFR 350 leads to RNTO") << QByteArray("350 Ready\r\n") << "" << "RNTO b";
        QTest::newRow("RNFR 550 stops") << QByteArray("550 No such file\r\n") << "550 No such file\r\n" << "RNFR a";
    }
    void rename()
    {
        QFETCH(QByteArray, fromReply);
        QFETCH(QString, error);
        QFETCH(QString, last);
        Session s;
        s.server.replies.insert("RNFR", fromReply);
        s.ftp.Connect();
        QCOMPARE(failure([&] { s.ftp.RenameEntry(QStringLiteral("a"), QStringLiteral("b")); }), error);
        QCOMPARE(s.server.commands.constLast(), last);
    }

    void transfer_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<DataMode>("mode");
        QTest::addColumn<QByteArray>("finalReply");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<QString>("error");
        QTest::addColumn<qint64>("announced"); // transfer size when the data connection opens; -1: never opens
        const QByteArray opening = "150 Opening\r\n";
        const QByteArray done = "226 Done\r\n";
        const DataMode transfer = DataMode::Transfer;
        QTest::newRow("RETR with size") << QByteArray("RETR") << QByteArray("150 Opening a.txt (2048 bytes).\r\n")
                                        << transfer << done << false << "" << qint64(2048);
        QTest::newRow("size on a later line") << QByteArray("RETR") << QByteArray("150-Opening\r\n 99 bytes\r\n150 Go\r\n")
                                              << transfer << done << false << "" << qint64(99);
        QTest::newRow("STOR") << QByteArray("STOR") << opening << transfer << done << false << "" << qint64(2);
        QTest::newRow("LIST refused, handled") << QByteArray("LIST") << QByteArray("550 No\r\n") << transfer << done
                                               << true << "" << qint64(-1);
        QTest::newRow("RETR refused, handled") << QByteArray("RETR") << QByteArray("550 No\r\n") << transfer << done
                                               << true << "" << qint64(-1);
        QTest::newRow("STOR refused, handled") << QByteArray("STOR") << QByteArray("553 No\r\n") << transfer << done
                                               << true << "" << qint64(-1);
        QTest::newRow("RETR refused") << QByteArray("RETR") << QByteArray("550 No\r\n") << transfer << done << false
                                      << "550 No\r\n" << qint64(-1);
        QTest::newRow("final reply refuses") << QByteArray("RETR") << opening << transfer << QByteArray("451 Error\r\n")
                                             << false << "451 Error\r\n" << qint64(0);
        QTest::newRow("421 during transfer") << QByteArray("RETR") << opening << DataMode::ServiceEnd << done << false
                                             << "421 Service not available, closing control connection\r\n" << qint64(0);
        QTest::newRow("control connection dropped") << QByteArray("RETR") << opening << DataMode::DropControl << done
                                                    << false << "Connection closed" << qint64(0);
        QTest::newRow("data connection never comes") << QByteArray("RETR") << opening << DataMode::NeverConnect << done
                                                     << false << "Accepting Canceled" << qint64(-1);
    }
    void transfer()
    {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, reply);
        QFETCH(DataMode, mode);
        QFETCH(QByteArray, finalReply);
        QFETCH(bool, handled);
        QFETCH(QString, error);
        QFETCH(qint64, announced);
        Session s;
        s.server.replies.insert(word, reply);
        s.server.dataMode = mode;
        s.server.finalReply = finalReply;
        s.server.download = QByteArray(5000, 'd');
        s.ftp.Connect();
        const QString local = m_dir.filePath(QStringLiteral("local.txt"));
        writeTestFile(local, "ul");

        qint64 sizeAtStart = -1;
        bool stopped = false;
        bool succeeded = false;
        s.ftp.OnTransactionStart = [&](TPowersock *) { sizeAtStart = s.ftp.transferSize(); };
        s.ftp.OnTransactionStop = [&](TPowersock *) { stopped = true; };
        s.ftp.OnSuccess = [&](TCmdType) { succeeded = true; };
        if (handled)
            s.ftp.OnFailure = [](bool &h, TCmdType) { h = true; };
        s.ftp.OnStatus = [&](TPowersock *, const QString &status) {
            if (mode == DataMode::NeverConnect && status.startsWith(QStringLiteral("150")))
                QTimer::singleShot(0, &s.ftp, [&] { s.ftp.Abort(); });
        };
        QCOMPARE(failure([&] {
            if (word == "LIST")
                s.ftp.ListFolder();
            else if (word == "RETR")
                s.ftp.FetchFile(QStringLiteral("a.txt"), local);
            else
                s.ftp.PutFile(local, QStringLiteral("a.txt"));
        }), error);

        const bool complete = error.isEmpty() && !handled;
        QCOMPARE(succeeded, complete);
        QCOMPARE(sizeAtStart, announced);
        QCOMPARE(stopped, announced >= 0 && mode == DataMode::Transfer);
        // The local file changes only with a complete download.
        QCOMPARE(readTestFile(local), complete && word == "RETR" ? s.server.download : QByteArray("ul"));
        if (complete && word == "STOR")
            QTRY_COMPARE_WITH_TIMEOUT(s.server.uploaded, QByteArray("ul"), 5000);
        if (complete || handled)
            QCOMPARE(s.ftp.WorkingFolder(), QStringLiteral("/w"));
    }

    void everyWaitIsBounded_data()
    {
        QTest::addColumn<QByteArray>("silent"); // what the server leaves unanswered
        QTest::addColumn<DataMode>("dataMode");
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<bool>("timesOut");
        QTest::addColumn<bool>("staysConnected");
        const DataMode transfer = DataMode::Transfer;
        QTest::newRow("greeting") << QByteArray("greeting") << transfer << TransferMode::Active << true << false;
        QTest::newRow("SYST") << QByteArray("SYST") << transfer << TransferMode::Active << true << false;
        QTest::newRow("no data connection") << QByteArray() << DataMode::NeverConnect << TransferMode::Active << true
                                            << true;
        QTest::newRow("silent data, passive after active") << QByteArray("PORT") << DataMode::Silent
                                                           << TransferMode::Automatic << true << true;
        QTest::newRow("no line feed") << QByteArray() << DataMode::Endless << TransferMode::Active << false << true;
        QTest::newRow("CWD") << QByteArray("CWD") << transfer << TransferMode::Active << true << false;
        QTest::newRow("QUIT") << QByteArray("QUIT") << transfer << TransferMode::Active << false << false;
    }
    void everyWaitIsBounded()
    {
        QFETCH(QByteArray, silent);
        QFETCH(DataMode, dataMode);
        QFETCH(TransferMode, mode);
        QFETCH(bool, timesOut);
        QFETCH(bool, staysConnected);
        Session s;
        s.server.replies.insert("LIST", "150 Here it comes\r\n");
        s.server.replies.insert("ABOR", "225 Aborted\r\n");
        s.server.dataMode = dataMode;
        if (silent == "greeting")
            s.server.greeting.clear();
        else if (silent == "PORT")
            s.server.firstReplies.insert("PORT", "425 Can't connect\r\n"); // on to passive mode
        else if (!silent.isEmpty())
            s.server.replies.insert(silent, QByteArray());
        s.ftp.Mode = mode;
        s.ftp.ParseList = true;
        s.ftp.TimeOut = 300;
        QElapsedTimer clock;
        clock.start();
        ESockError::Reason reason = ESockError::Reason::Failed;
        bool raised = false;
        try {
            s.ftp.Connect();
            if (silent == "CWD")
                s.ftp.ChangeFolder(QStringLiteral("x"));
            else if (silent == "QUIT")
                s.ftp.Disconnect();
            else
                s.ftp.ListFolder();
        } catch (const ESockError &error) {
            raised = true;
            reason = error.reason();
        }
        QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(raised, timesOut);
        if (timesOut)
            QCOMPARE(reason, ESockError::Reason::TimedOut);
        QCOMPARE(s.ftp.connected(), staysConnected);
        if (dataMode == DataMode::Endless)
            QVERIFY(s.ftp.listingCut());
        if (staysConnected)
            QCOMPARE(s.ftp.WorkingFolder(), QStringLiteral("/w"));
    }

    void listingTotalAndTwoEntries()
    {
        Session s;
        s.server.replies.insert("SYST", "215 UNIX Type: L8\r\n");
        s.server.replies.insert("LIST", "150 Here it comes\r\n");
        s.server.download = "total 3\r\n-rw-r--r-- 1 a b 12 Jan 5 12:30 one.html\r\ndrwxr-xr-x 1 a b 0 Feb 6 2020 two";
        s.ftp.ParseList = true;
        s.ftp.Connect();
        QStringList items;
        s.ftp.OnListItem = [&](const QString &line) { items.append(line); };
        s.ftp.ListFolder();
        QCOMPARE(s.ftp.Vendor, int(TNMFTP::VendorUnix));
        QCOMPARE(s.ftp.directoryList()->names(), QStringList({"one.html", "two"}));
        QCOMPARE(s.ftp.directoryList()->sizes(), QStringList({"12", "0"}));
        QCOMPARE(s.ftp.directoryList()->dates(), QStringList({"Jan 5 12:30", "Feb 6 2020"}));
        // The last line has no line end and still counts; no line keeps its line end.
        QCOMPARE(items, QString::fromUtf8(s.server.download).split(QStringLiteral("\r\n")));
        QCOMPARE(s.ftp.transferSize(), qint64(s.server.download.size()));
        QCOMPARE(s.server.commands.filter(QRegularExpression("^PORT 127,0,0,1,\\d+,\\d+$")).size(), 1);
    }

    void downloadReplacesFileKeepingPermissions()
    {
        Session s;
        s.server.replies.insert("RETR", "150 Sending\r\n");
        s.server.download = "new";
        s.ftp.Connect();
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("page.html"));
        writeTestFile(target, "old");
        const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QVERIFY(QFile::setPermissions(target, permissions));
        s.ftp.FetchFile(QStringLiteral("page.html"), target);
        QCOMPARE(readTestFile(target), QByteArray("new"));
        QCOMPARE(QFile::permissions(target), permissions);
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.html"});
    }

    void downloadWithoutLocalPathStaysInWorkingFolder()
    {
        Session s;
        s.server.replies.insert("RETR", "150 Sending\r\n");
        s.ftp.Connect();
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir(QStringLiteral("inner")));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.filePath(QStringLiteral("inner")));
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        s.ftp.FetchFile(QStringLiteral("../escape.html"));
        QVERIFY(QFile::exists(work.filePath(QStringLiteral("inner/escape.html"))));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("escape.html"))));
    }

    void controlDroppedWhileWaitingForReply()
    {
        Session s;
        s.server.replies.insert("CWD", QByteArray()); // no answer: the server goes away instead
        s.ftp.Connect();
        bool disconnected = false;
        s.ftp.OnDisconnect = [&](TPowersock *) { disconnected = true; };
        s.ftp.OnStatus = [&](TPowersock *, const QString &status) {
            if (status == QStringLiteral("CWD x"))
                QTimer::singleShot(0, &s.server, &ScriptedFtpServer::dropClient);
        };
        QCOMPARE(failure([&] { s.ftp.ChangeFolder(QStringLiteral("x")); }), QStringLiteral("Connection closed"));
        QVERIFY(disconnected && !s.ftp.connected());
    }

    void refusedBeforeSending_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("error");
        const QString lineBreak = QStringLiteral("A name or command with a line break or NUL character cannot be sent");
        QTest::newRow("folder") << 0 << lineBreak;
        QTest::newRow("rename target") << 1 << lineBreak;
        QTest::newRow("download name") << 2 << lineBreak;
        QTest::newRow("upload name") << 3 << lineBreak;
        QTest::newRow("command") << 4 << lineBreak;
        QTest::newRow("password") << 5 << lineBreak;
        QTest::newRow("missing upload file") << 6 << "Cannot read /missing/x.html: No such file or directory";
        QTest::newRow("not connected, nobody connects") << 7 << "Not Connected";
    }
    void refusedBeforeSending()
    {
        QFETCH(int, call);
        QFETCH(QString, error);
        Session s;
        if (call < 5)
            s.ftp.Connect();
        const QString evil = QStringLiteral("a\r\nDELE index.html");
        const QString local = m_dir.filePath(QStringLiteral("up.txt"));
        writeTestFile(local, "x");
        const QStringList before = s.server.commands;
        QCOMPARE(failure([&] {
            switch (call) {
            case 0: s.ftp.ChangeFolder(evil); break;
            case 1: s.ftp.RenameEntry(QStringLiteral("a"), evil); break;
            case 2: s.ftp.FetchFile(QStringLiteral("a") + QChar(0), local); break;
            case 3: s.ftp.PutFile(local, QStringLiteral("x\ny")); break;
            case 4: s.ftp.SendCommand(evil); break;
            case 5: s.ftp.Password = evil; s.ftp.Connect(); break;
            case 6: s.ftp.PutFile(QStringLiteral("/missing/x.html")); break;
            default: s.ftp.WorkingFolder(); break;
            }
        }), error);
        QCOMPARE(s.server.commands, before);
    }

    void passiveReply_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("extendedPort");
        QTest::addColumn<QString>("address"); // empty: no PASV address
        QTest::addColumn<int>("port");
        QTest::newRow("EPSV") << "229 Entering Extended Passive Mode (|||6446|)" << 6446 << "" << 0;
        QTest::newRow("EPSV other delimiter") << "229 Go (!!!21!)" << 21 << "" << 0;
        QTest::newRow("EPSV mixed delimiters") << "229 Go (|!|21|)" << 0 << "" << 0;
        QTest::newRow("EPSV port too large") << "229 Go (|||70000|)" << 0 << "" << 0;
        QTest::newRow("PASV") << "227 Entering Passive Mode (192,168,0,5,4,1)." << 0 << "192.168.0.5" << 1025;
        QTest::newRow("PASV without brackets") << "227 =10,0,0,7,19,136" << 0 << "10.0.0.7" << 5000;
        QTest::newRow("PASV part above 255") << "227 Go (10,0,0,256,4,1)" << 0 << "" << 0;
        QTest::newRow("PASV port 0") << "227 Go (10,0,0,7,0,0)" << 0 << "" << 0;
        QTest::newRow("PASV too few parts") << "227 Go (10,0,0,7,4)" << 0 << "" << 0;
    }
    void passiveReply()
    {
        QFETCH(QString, reply);
        QFETCH(int, extendedPort);
        QFETCH(QString, address);
        QFETCH(int, port);
        QCOMPARE(FtpReply::extendedPassivePort(reply), quint16(extendedPort));
        QHostAddress named;
        quint16 namedPort = 0;
        QCOMPARE(FtpReply::passiveAddress(reply, named, namedPort), !address.isEmpty());
        if (!address.isEmpty()) {
            QCOMPARE(named.toString(), address);
            QCOMPARE(namedPort, quint16(port));
        }
    }

    void windows1252Names_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("ascii") << "index.html" << QByteArray("index.html") << true;
        QTest::newRow("latin-1") << QString::fromUtf8("bl\u00e5b\u00e6r.html") << QByteArray("bl\xe5" "b\xe6r.html") << true;
        QTest::newRow("euro and quotes") << QString::fromUtf8("\u20ac\u201cx\u201d") << QByteArray("\x80\x93x\x94") << true;
        QTest::newRow("not in the code page") << QString::fromUtf8("\u65e5.html") << QByteArray("?.html") << false;
    }
    void windows1252Names()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fits);
        QCOMPARE(FtpText::encode(text, false), bytes);
        QCOMPARE(FtpText::fitsWindows1252(text), fits);
        if (fits)
            QCOMPARE(FtpText::decode(bytes, false), text);
    }

    void namesFollowTheServersFeatures_data()
    {
        QTest::addColumn<QByteArray>("features");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("UTF8 listed") << QByteArray("211-Features:\r\n MDTM\r\n UTF8\r\n211 End\r\n") << true;
        QTest::newRow("not listed") << QByteArray("211-Features:\r\n MDTM\r\n211 End\r\n") << false;
        QTest::newRow("FEAT unknown") << QByteArray("500 Unknown command\r\n") << false;
    }
    void namesFollowTheServersFeatures()
    {
        QFETCH(QByteArray, features);
        QFETCH(bool, utf8);
        Session s;
        s.server.replies.insert("FEAT", features);
        s.server.replies.insert("PWD", "257 \"/bl\xe5\"\r\n");
        s.ftp.Connect();
        const QString name = QString::fromUtf8("bl\u00e5b\u00e6r");
        s.ftp.MakeFolder(name);
        QCOMPARE(s.server.commands.contains(QStringLiteral("OPTS UTF8 ON")), utf8);
        QCOMPARE(s.server.commandBytes.constLast(), "MKD " + (utf8 ? name.toUtf8() : QByteArray("bl\xe5" "b\xe6r")));
        if (!utf8)
            QCOMPARE(s.ftp.WorkingFolder(), QString::fromUtf8("/bl\u00e5"));
        // A name the code page cannot carry is refused rather than sent with a stand-in.
        const QString foreign = QString::fromUtf8("\u65e5\u672c");
        QCOMPARE(failure([&] { s.ftp.MakeFolder(foreign); }).isEmpty(), utf8);
        QCOMPARE(s.server.commandBytes.constLast() == "MKD " + foreign.toUtf8(), utf8);
    }

    void transferModes_data()
    {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<QByteArray>("word"); // whose first reply is changed
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<DataMode>("dataMode");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("commands"); // first words, from the first transfer on
        const QStringList fallback{"PORT", "EPSV", "LIST", "EPSV", "LIST"};
        QTest::newRow("PORT 425") << TransferMode::Automatic << QByteArray("PORT") << QByteArray("425 Can't connect\r\n")
                                  << DataMode::Transfer << "" << fallback;
        QTest::newRow("PORT unknown") << TransferMode::Automatic << QByteArray("PORT") << QByteArray("500 Unknown\r\n")
                                      << DataMode::Transfer << "" << fallback;
        QTest::newRow("PORT to a foreign address") << TransferMode::Automatic << QByteArray("PORT")
                                                   << QByteArray("501 Rejected\r\n") << DataMode::Transfer << "" << fallback;
        QTest::newRow("LIST 425") << TransferMode::Automatic << QByteArray("LIST") << QByteArray("425 No connection\r\n")
                                  << DataMode::Transfer << ""
                                  << QStringList{"PORT", "LIST", "EPSV", "LIST", "EPSV", "LIST"};
        QTest::newRow("425 while waiting") << TransferMode::Automatic << QByteArray("LIST")
                                           << QByteArray("150 Connecting\r\n425 Failed\r\n") << DataMode::NeverConnect << ""
                                           << QStringList{"PORT", "LIST", "EPSV", "LIST", "EPSV", "LIST"};
        QTest::newRow("never connects") << TransferMode::Automatic << QByteArray() << QByteArray() << DataMode::NeverConnect
                                        << "" << QStringList{"PORT", "LIST", "ABOR", "EPSV", "LIST", "EPSV", "LIST"};
        QTest::newRow("active stays active") << TransferMode::Active << QByteArray("PORT") << QByteArray("425 No\r\n")
                                             << DataMode::Transfer << "425 No\r\n" << QStringList{"PORT"};
        QTest::newRow("active, 425 while waiting") << TransferMode::Active << QByteArray("LIST")
                                                   << QByteArray("150 Connecting\r\n425 Failed\r\n")
                                                   << DataMode::NeverConnect << "425 Failed\r\n" << QStringList{"PORT", "LIST"};
        QTest::newRow("passive") << TransferMode::Passive << QByteArray() << QByteArray() << DataMode::Transfer << ""
                                 << QStringList{"EPSV", "LIST", "EPSV", "LIST"};
        QTest::newRow("EPSV refused") << TransferMode::Passive << QByteArray("EPSV") << QByteArray("500 Unknown\r\n")
                                      << DataMode::Transfer << "" << QStringList{"EPSV", "PASV", "LIST", "PASV", "LIST"};
        QTest::newRow("no passive at all") << TransferMode::Passive << QByteArray("PASV") << QByteArray("502 No\r\n")
                                           << DataMode::Transfer << "502 No\r\n" << QStringList{"EPSV", "PASV"};
    }
    void transferModes()
    {
        QFETCH(TransferMode, mode);
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, reply);
        QFETCH(DataMode, dataMode);
        QFETCH(QString, error);
        QFETCH(QStringList, commands);
        Session s;
        s.server.replies.insert("LIST", "150 Here it comes\r\n");
        s.server.replies.insert("ABOR", "226 Aborted\r\n");
        if (word == "EPSV" || word == "PASV") {
            // For good, and without EPSV when PASV is refused too.
            s.server.replies.insert("EPSV", "500 Unknown\r\n");
            s.server.replies.insert(word, reply);
        } else if (!word.isEmpty()) {
            s.server.firstReplies.insert(word, reply);
        }
        s.server.dataMode = dataMode;
        s.server.download = "-rw-r--r-- 1 a b 12 Jan 5 12:30 one.html\r\n";
        s.ftp.Mode = mode;
        s.ftp.TimeOut = 1000;
        s.ftp.Connect();
        const int before = int(s.server.commands.size());
        QStringList items;
        s.ftp.OnListItem = [&](const QString &line) { items.append(line); };
        QCOMPARE(failure([&] { s.ftp.ListFolder(); }), error);
        if (error.isEmpty()) {
            // Passive mode, once found to work, is kept for the rest of the connection.
            s.ftp.ListFolder();
            QCOMPARE(items.size(), 2);
            QCOMPARE(s.ftp.passive(), mode != TransferMode::Active);
        }
        QStringList words;
        for (const QString &command : s.server.commands.mid(before))
            words.append(command.section(' ', 0, 0));
        QCOMPARE(words, commands);
        QCOMPARE(s.ftp.WorkingFolder(), QStringLiteral("/w"));
    }

    void passiveAddressIsNotFollowed()
    {
        Session s;
        s.server.replies.insert("EPSV", "500 Unknown\r\n");
        s.server.replies.insert("RETR", "150 Sending\r\n");
        s.server.passiveAddress = "10,1,2,3";
        s.server.download = "page";
        s.ftp.Mode = TransferMode::Passive;
        s.ftp.Connect();
        const QString target = m_dir.filePath(QStringLiteral("passive.html"));
        s.ftp.FetchFile(QStringLiteral("passive.html"), target);
        // The data came from the server on 127.0.0.1, not from the address in the reply.
        QCOMPARE(readTestFile(target), QByteArray("page"));
        QVERIFY(s.statuses.contains(QStringLiteral("Connecting to 127.0.0.1 instead of the address 10.1.2.3 in the reply")));
    }

    void tlsRequiredRefusesPlainServer()
    {
        Session s;
        s.server.replies.insert("AUTH", "502 Unknown\r\n");
        s.ftp.Security = TNMFTP::Encryption::Required;
        QCOMPARE(failure([&] { s.ftp.Connect(); }),
                 QStringLiteral("The server does not offer encryption (TLS), which this connection requires. "
                                "Its answer: 502 Unknown"));
        QCOMPARE(s.server.commands, QStringList{"AUTH TLS"});
        QVERIFY(!s.ftp.connected());

        // When available only, the login goes on unencrypted.
        Session plain;
        plain.server.replies.insert("AUTH", "502 Unknown\r\n");
        plain.ftp.Security = TNMFTP::Encryption::WhenAvailable;
        plain.ftp.Connect();
        QCOMPARE(plain.server.commands, QStringList({"AUTH TLS", "USER u", "PASS p", "FEAT"}));
        QVERIFY(plain.statuses.contains(QStringLiteral("Transfer mode: automatic, now active; encryption: none")));
    }

    void connectionRequiredMayConnect()
    {
        Session s;
        s.ftp.OnConnectionRequired = [&](bool &handled) {
            handled = true;
            s.ftp.Connect();
        };
        QCOMPARE(s.ftp.WorkingFolder(), QStringLiteral("/w"));
    }
};

QTEST_GUILESS_MAIN(TestFtpClient)
#include "tst_ftpclient.moc"

// The FTP window over SFTP against a real OpenSSH server on 127.0.0.1: the host-key and
// passphrase questions come through the prompts, pages are published and fetched.
#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "ftp/conform.h"
#include "ftp/dirform.h"
#include "ftp/ftpform.h"
#include "ftp/nameform.h"
#include "ftp/sftptexts.h"
#include "mainwindowfixture.h"
#include "scriptedprompts.h"
#include "shell/mainform.h"
#include "sshdprocess.h"
#include "testconfig.h"
#include "testfiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

QTreeWidgetItem *row(const QTreeWidget *view, const QString &name)
{
    return view->findItems(name, Qt::MatchExactly).value(0);
}

} // namespace

class TestSftpWindow : public QObject, private MainWindowFixture
{
    Q_OBJECT

    SshdProcess server;
    QTemporaryDir home; // its .ssh is the server's client folder
    QTemporaryDir local;

    QString remote(const QString &name) const { return QDir(server.root()).filePath(name); }

    // Opens the window in a mode and connects with the stored SFTP connection; `questions`
    // script the answers that follow the choice of the connection.
    Tftpform *open(MainAction command, const std::function<void()> &questions)
    {
        main->action(command)->trigger();
        auto *form = main->ftpWindow();
        if (!form)
            return nullptr;
        prompts->answerDialog([](QDialog &d) {
            auto &chooser = static_cast<Tconform &>(d);
            chooser.connectionList->setCurrentRow(0);
            chooser.connectButton->click();
        });
        questions();
        form->connectButton->click();
        return form;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = server.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(QFile::link(server.clientFolder(), home.filePath(QStringLiteral(".ssh"))));
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("SSH_AUTH_SOCK");
    }

    void init()
    {
        server.resetClient();
        // No stored password: the key's passphrase is asked.
        QVERIFY(startMainWindow(English, QSize(),
                                QStringLiteral("AntCon=1\nFTPHost0=127.0.0.1:%1\nFTPName0=%2\nFTPPass0=\n"
                                               "FTPNick0=sftp test\nFTPProtocol0=1\n")
                                    .arg(server.port())
                                    .arg(server.login().user)
                                    .toUtf8()));
    }

    void cleanup() { stopMainWindow(); }

    void publishAndFetchPages()
    {
        QVERIFY(!server.makeClientKey(QStringLiteral("key words")).isEmpty());
        QDir(server.root()).mkdir(QStringLiteral("img"));
        writeTestFile(remote(QStringLiteral("README")), "a file, though without a dot");
        const QByteArray page = "<html>\r\n<body>caf\xc3\xa9</body>\r\n</html>\r\n";
        const QString source = local.filePath(QStringLiteral("index.html"));
        writeTestFile(source, page);

        main->openDocument(source);
        Tftpform *form = open(MainAction::UploadFile, [this] {
            prompts->answerChoice(1, QStringLiteral("SHA-256 fingerprint: SHA256:"));
            prompts->answerSecret(QStringLiteral("key words"), QStringLiteral("id_ed25519"));
        });
        QVERIFY(form && form->remote().isConnected());
        QCOMPARE(prompts->messages().first().kind, Prompts::Kind::Warning);
        QVERIFY(readTestFile(QDir(server.clientFolder()).filePath(QStringLiteral("known_hosts"))).contains("127.0.0.1"));
        QCOMPARE(form->folderPanel->text(), QFileInfo(server.root()).canonicalFilePath());
        QVERIFY(row(form->folderList, QStringLiteral("img")) && row(form->folderList, QStringLiteral("../")));
        QVERIFY(row(form->fileList, QStringLiteral("README")));

        prompts->answerOpen({source});
        form->uploadButton->click();
        QCOMPARE(readTestFile(remote(QStringLiteral("index.html"))), page);
        QVERIFY(row(form->fileList, QStringLiteral("index.html")));
        QCOMPARE(row(form->fileList, QStringLiteral("index.html"))->text(1),
                 QStringLiteral("%1 bytes").arg(page.size()));

        // A refusal is shown as for FTP, and the window stays connected.
        prompts->answerDialog([](QDialog &d) {
            auto &dialog = static_cast<TNameform &>(d);
            dialog.nameEdit->setText(QStringLiteral("img"));
            dialog.okButton->click();
        });
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Couldn't create the folder"));
        form->createFolderButton->click();
        QVERIFY(form->remote().isConnected() && form->createFolderButton->isEnabled());
        form->closeButton->click();
        QTRY_VERIFY(!main->findChild<Tftpform *>());

        // Fetched and opened; the remembered host key asks nothing.
        form = open(MainAction::DownloadAndOpen, [this] { prompts->answerSecret(QStringLiteral("key words")); });
        QVERIFY(form && form->remote().isConnected());
        row(form->fileList, QStringLiteral("index.html"))->setSelected(true);
        prompts->answerDialog([this](QDialog &d) {
            auto &dirform = static_cast<Tdirform &>(d);
            dirform.folderEdit->setText(local.filePath(QStringLiteral("fetched")));
            dirform.okButton->click();
        });
        QDir(local.path()).mkdir(QStringLiteral("fetched"));
        form->downloadButton->click();
        QCOMPARE(readTestFile(local.filePath(QStringLiteral("fetched/index.html"))), page);
        QCOMPARE(main->EditorCount(), 2);
        QCOMPARE(main->editors().last()->document().fileName(), local.filePath(QStringLiteral("fetched/index.html")));
        QCOMPARE(main->editors().last()->memo()->Text(), QString::fromUtf8(page));
        QVERIFY(form->statusLog->toPlainText().contains(QStringLiteral("Received %1 Bytes").arg(page.size())));
    }

    void listingDates_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QDateTime>("modified");
        QTest::addColumn<QString>("shown");
        const QDateTime now(QDate(2024, 10, 20), QTime(12, 0));
        QTest::newRow("this year") << int(English) << QDateTime(QDate(2024, 10, 5), QTime(9, 7)) << "Oct 5 09:07";
        QTest::newRow("Danish") << int(Danish) << QDateTime(QDate(2024, 5, 1), QTime(18, 30)) << "maj 1 18:30";
        QTest::newRow("over half a year") << int(German) << QDateTime(QDate(2024, 3, 2), QTime(8, 0)) << "März 2 2024";
        QTest::newRow("in the future") << int(English) << QDateTime(QDate(2025, 1, 2), QTime(8, 0)) << "Jan 2 2025";
    }

    void listingDates()
    {
        QFETCH(int, lang);
        QFETCH(QDateTime, modified);
        QFETCH(QString, shown);
        QCOMPARE(SftpTexts::date(modified, QDateTime(QDate(2024, 10, 20), QTime(12, 0)), lang), shown);
    }

    void changedHostKeyIsRefused()
    {
        const QString other = QDir(server.clientFolder()).filePath(QStringLiteral("other"));
        QVERIFY(generateKey(other));
        writeTestFile(QDir(server.clientFolder()).filePath(QStringLiteral("known_hosts")),
                      server.knownHostsLine(other + QStringLiteral(".pub")).toUtf8());
        // No question: only the warning, which names the file to edit.
        Tftpform *form = open(MainAction::DownloadAndOpen, [this] {
            prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("WARNING: the host key of 127.0.0.1:%1 has changed").arg(server.port()));
        });
        QVERIFY(form && !form->remote().isConnected());
        QVERIFY(prompts->messageTexts().first().contains(QStringLiteral("known_hosts")));
        QVERIFY(form->closeButton->isEnabled() && !form->connectButton->isEnabled()
                && !form->createFolderButton->isEnabled());
    }
};

QTEST_MAIN(TestSftpWindow)
#include "tst_sftpwindow.moc"

// The FTP window from the main window's commands against a real FTP server (pyftpdlib on
// 127.0.0.1); every box and dialog is answered through the prompts layer.
#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "ftp/conform.h"
#include "ftp/dirform.h"
#include "ftp/ftpform.h"
#include "ftp/ftplisting.h"
#include "ftp/nameform.h"
#include "ftpserverprocess.h"
#include "mainwindowfixture.h"
#include "scriptedftpserver.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "shell/mainform.h"
#include "testconfig.h"
#include "testfiles.h"

#include <QAction>
#include <QHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString User = QStringLiteral("tester");
const QString Secret = QStringLiteral("s3cret-pw");


QStringList texts(const QTreeWidget *view, int column = 0)
{
    QStringList result;
    for (int row = 0; row < view->topLevelItemCount(); ++row)
        result << view->topLevelItem(row)->text(column);
    return result;
}

QTreeWidgetItem *row(const QTreeWidget *view, const QString &name)
{
    const QList<QTreeWidgetItem *> found = view->findItems(name, Qt::MatchExactly);
    return found.value(0);
}

// The status bar counts the bytes of a running transfer.
bool showsProgress(const Tftpform *form)
{
    const QString text = form->progressPanel->text();
    return !text.isEmpty() && text.front().isDigit();
}

// Clicks `button`, then Cancel as soon as the transfer shows progress, as a user would. False
// when the transfer ended before it could be cancelled.
bool clickThenCancelOnProgress(Tftpform *form, QPushButton *button)
{
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, form, [form, &cancel] {
        if (form->cancelButton->isEnabled() && showsProgress(form)) {
            cancel.stop();
            form->cancelButton->click();
        }
    });
    cancel.start(1);
    button->click();
    return !cancel.isActive();
}

void selectOnly(QTreeWidget *view, const QStringList &names)
{
    view->clearSelection();
    for (const QString &name : names) {
        QTreeWidgetItem *item = row(view, name);
        QVERIFY2(item, qPrintable(name));
        item->setSelected(true);
    }
}

// A step of the window at which the server stops answering, and how the wait ends.
enum class Step { Login, ListData, ChangeFolder, Quit, Delete, Rename, MakeFolder, Download, Upload };
enum class Ending { Cancel, TimeOut, Close };

} // namespace

class TestFtpWindow : public QObject, private MainWindowFixture
{
    Q_OBJECT

    FtpServerProcess server;
    QTemporaryDir remoteRoot;
    std::unique_ptr<QTemporaryDir> localDir;

    QString remote(const QString &name) const { return remoteRoot.filePath(name); }
    QString local(const QString &name) const { return localDir->filePath(name); }

    void start(const QString &host, const QString &moreValues = QString())
    {
        QVERIFY(startMainWindow(1, QSize(1000, 700),
                                QStringLiteral("AntCon=1\nFTPHost0=%1\nFTPName0=%2\nFTPPass0=%3\nFTPNick0=local test\n")
                                        .arg(host, User, Secret)
                                        .toUtf8()
                                    + moreValues.toUtf8()));
    }

    Tftpform *open(MainAction command)
    {
        main->action(command)->trigger();
        auto *form = main->ftpWindow();
        return form && form->isVisible() ? form : nullptr;
    }

    void answerChooser()
    {
        prompts->answerDialog([](QDialog &d) {
            auto &chooser = static_cast<Tconform &>(d);
            chooser.connectionList->setCurrentRow(0);
            chooser.connectButton->click();
        });
    }

    // Opens the window and logs in with the stored connection.
    Tftpform *connected(MainAction command = MainAction::DownloadAndOpen)
    {
        Tftpform *form = open(command);
        if (!form)
            return nullptr;
        answerChooser();
        form->connectButton->click();
        return form->remote().isConnected() ? form : nullptr;
    }

    void answerTargetFolder()
    {
        prompts->answerDialog([this](QDialog &d) {
            auto &dirform = static_cast<Tdirform &>(d);
            dirform.folderEdit->setText(localDir->path());
            dirform.okButton->click();
        });
    }

    void answerName(const QString &name)
    {
        prompts->answerDialog([name](QDialog &d) {
            auto &dialog = static_cast<TNameform &>(d);
            QVERIFY(!dialog.okButton->isEnabled());
            dialog.nameEdit->setText(name);
            dialog.okButton->click();
        });
    }

    // Restarts the program with its stored connection leading to a scripted server, which
    // lists one page and one folder.
    void startScripted(ScriptedFtpServer &server)
    {
        server.replies.insert("USER", "331 Password please\r\n");
        server.replies.insert("PASS", "230 Logged in\r\n");
        server.replies.insert("SYST", "215 UNIX Type: L8\r\n");
        server.replies.insert("PWD", "257 \"/\"\r\n");
        server.replies.insert("LIST", "150 Here it comes\r\n");
        server.replies.insert("RETR", "150 Sending\r\n");
        server.replies.insert("STOR", "150 Go ahead\r\n");
        server.replies.insert("ABOR", "225 Aborted\r\n");
        server.download = "-rw-r--r-- 1 a b 5 Jan 5 12:30 a.html\r\ndrwxr-xr-x 1 a b 0 Jan 5 12:30 sub\r\n";
        cleanup();
        start(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    }

    QStringList openedFiles() const
    {
        QStringList names;
        for (const Teditform *editor : main->editors())
            names << QFileInfo(editor->document().fileName()).fileName();
        names.sort();
        return names;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(remoteRoot.isValid());
        const QString failure = server.start(remoteRoot.path(), User, Secret);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void init()
    {
        QDir(remoteRoot.path()).removeRecursively();
        QDir().mkpath(remoteRoot.path());
        localDir = std::make_unique<QTemporaryDir>();
        start(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    }

    void cleanup()
    {
        for (Teditform *editor : main->editors())
            editor->closeWithoutQuery();
        main.reset();
        QCOMPARE(prompts->pending(), 0);
        stopMainWindow();
    }

    void listingShowsSizesIconsAndSummary()
    {
        writeTestFile(remote(QStringLiteral("a.html")), QByteArray(2300, 'a'));
        writeTestFile(remote(QStringLiteral("b.gif")), QByteArray(900, 'b'));
        writeTestFile(remote(QStringLiteral("README")), "read me");
        QDir(remoteRoot.path()).mkdir(QStringLiteral("img"));

        Tftpform *form = connected();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Markvale PRO FTP"));
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QStringList files = texts(form->fileList);
        files.sort();
        QCOMPARE(files, (QStringList{QStringLiteral("a.html"), QStringLiteral("b.gif")}));
        QCOMPARE(row(form->fileList, QStringLiteral("a.html"))->text(1), QStringLiteral("2 Kb"));
        QCOMPARE(row(form->fileList, QStringLiteral("a.html"))->data(0, Tftpform::IconRole).toInt(),
                 int(FtpListing::PageIcon));
        QCOMPARE(row(form->fileList, QStringLiteral("b.gif"))->text(1), QStringLiteral("900 bytes"));
        QCOMPARE(row(form->fileList, QStringLiteral("b.gif"))->data(0, Tftpform::IconRole).toInt(),
                 int(FtpListing::PictureIcon));
        QVERIFY(!row(form->fileList, QStringLiteral("b.gif"))->text(2).isEmpty());
        // Sorted by text; a name without a dot is taken for a folder.
        QCOMPARE(texts(form->folderList), (QStringList{QStringLiteral("README"), QStringLiteral("img")}));
        QCOMPARE(row(form->folderList, QStringLiteral("img"))->data(0, Tftpform::IconRole).toInt(),
                 int(FtpListing::FolderIcon));
        QCOMPARE(form->folderPanel->text(), QStringLiteral("/"));
        QCOMPARE(form->progressPanel->text(), QStringLiteral("Files: 2 in 3 Kb"));

        const QString memo = form->statusLog->toPlainText();
        QVERIFY(memo.contains(QStringLiteral("USER tester")));
        QVERIFY(!memo.contains(Secret));
        QVERIFY(!memo.contains(QStringLiteral("\n\n")));

        // Connected and idle: the buttons follow the selection.
        QVERIFY(form->createFolderButton->isEnabled() && form->disconnectButton->isEnabled());
        QVERIFY(!form->connectButton->isEnabled() && !form->closeButton->isEnabled());
        QVERIFY(!form->uploadButton->isEnabled() && !form->downloadButton->isEnabled()
                && !form->cancelButton->isEnabled());
        selectOnly(form->fileList, {QStringLiteral("a.html")});
        QVERIFY(form->downloadButton->isEnabled() && form->renameFileButton->isEnabled()
                && form->deleteFilesButton->isEnabled());
        selectOnly(form->fileList, {QStringLiteral("a.html"), QStringLiteral("b.gif")});
        QVERIFY(form->downloadButton->isEnabled() && !form->renameFileButton->isEnabled()
                && form->deleteFilesButton->isEnabled());
        QVERIFY(!form->deleteFolderButton->isEnabled());
        selectOnly(form->folderList, {QStringLiteral("img")});
        QVERIFY(form->deleteFolderButton->isEnabled() && form->renameFolderButton->isEnabled());
        QVERIFY(!form->uploadButton->isEnabled());

        form->disconnectButton->click();
        QVERIFY(!form->remote().isConnected());
        QVERIFY(form->connectButton->isEnabled() && form->closeButton->isEnabled()
                && !form->disconnectButton->isEnabled());
        QCOMPARE(form->fileList->topLevelItemCount(), 0);
        QVERIFY(!form->fileList->isEnabled());
    }

    void downloadOpensPagesWhenAllAreDone()
    {
        writeTestFile(remote(QStringLiteral("index.html")), "<HTML>remote</HTML>\r\n");
        writeTestFile(remote(QStringLiteral("logo.gif")), QByteArray(5000, '\x01'));
        Tftpform *form = connected();
        QVERIFY(form);
        selectOnly(form->fileList, {QStringLiteral("index.html"), QStringLiteral("logo.gif")});
        answerTargetFolder();
        form->downloadButton->click();

        QCOMPARE(readTestFile(local(QStringLiteral("logo.gif"))), QByteArray(5000, '\x01'));
        QCOMPARE(openedFiles(), QStringList{QStringLiteral("index.html")});
        QCOMPARE(main->EditorCount(), 1);
        QCOMPARE(main->editors().first()->memo()->Text(), QStringLiteral("<HTML>remote</HTML>\r\n"));
        QVERIFY(form->downloadButton->isEnabled() && form->disconnectButton->isEnabled()
                && form->createFolderButton->isEnabled());
        QVERIFY(!form->cancelButton->isEnabled());
    }

    void overwriteAnswersForAll_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("pageAfter");
        QTest::newRow("No to All") << int(Prompts::Button::NoToAll) << QByteArray("local a");
        QTest::newRow("Yes to All") << int(Prompts::Button::YesToAll) << QByteArray("remote a");
    }
    void overwriteAnswersForAll()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, pageAfter);
        for (const char *name : {"a.html", "b.txt", "c.css"})
            writeTestFile(remote(QLatin1String(name)), QByteArray("remote ") + name[0]);
        writeTestFile(local(QStringLiteral("a.html")), "local a");
        writeTestFile(local(QStringLiteral("b.txt")), "local b");
        Tftpform *form = connected();
        QVERIFY(form);
        selectOnly(form->fileList, texts(form->fileList));
        answerTargetFolder();
        // One question for the first existing file of the listing; the answer covers the other.
        prompts->answerMessage(Prompts::Button(answer), QStringLiteral(" exists, do you want to overwrite it?"));
        form->downloadButton->click();

        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().kind, Prompts::Kind::Warning);
        QCOMPARE(readTestFile(local(QStringLiteral("a.html"))), pageAfter);
        QCOMPARE(readTestFile(local(QStringLiteral("c.css"))), QByteArray("remote c"));
        // Skipped pages are opened from their local copies.
        QCOMPARE(openedFiles(), (QStringList{QStringLiteral("a.html"), QStringLiteral("b.txt"), QStringLiteral("c.css")}));
    }

    void refusedDownloadsKeepLocalFiles()
    {
        writeTestFile(remote(QStringLiteral("gone.html")), "remote");
        writeTestFile(remote(QStringLiteral("a\\b.html")), "escaping name");
        writeTestFile(remote(QStringLiteral("ok.txt")), "fine");
        writeTestFile(local(QStringLiteral("gone.html")), "my copy");
        Tftpform *form = connected();
        QVERIFY(form);
        // Gone from the server after the listing: the server refuses the download.
        QFile::remove(remote(QStringLiteral("gone.html")));
        selectOnly(form->fileList, texts(form->fileList));
        answerTargetFolder();
        // The server lists names sorted.
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("\"a\\b.html\" cannot be used"));
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("gone.html exists"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Couldn't download selected file"));
        form->downloadButton->click();

        QCOMPARE(readTestFile(local(QStringLiteral("gone.html"))), QByteArray("my copy"));
        QVERIFY(!QFile::exists(localDir->filePath(QStringLiteral("a"))));
        QCOMPARE(QDir(localDir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(openedFiles(), QStringList{QStringLiteral("ok.txt")});
        // The window is usable again: the buttons follow the selection, nothing waits.
        QVERIFY(form->downloadButton->isEnabled() && form->closeButton->isEnabled()
                && !form->cancelButton->isEnabled());
        QVERIFY(form->remote().isConnected());
    }

    void uploadConnectsFirstAndAsksBeforeOverwriting()
    {
        writeTestFile(remote(QStringLiteral("x.html")), "old x");
        writeTestFile(remote(QStringLiteral("y.html")), "old y");
        for (const char *name : {"x.html", "y.html"})
            writeTestFile(local(QLatin1String(name)), QByteArray("new ") + name[0]);
        // Uploads are byte for byte: line ends and binary bytes arrive as they left.
        const QByteArray binary("new z\r\n\x00\xff\r\n", 11);
        writeTestFile(local(QStringLiteral("z.html")), binary);
        main->openDocument(local(QStringLiteral("x.html")));
        Tftpform *form = open(MainAction::UploadFile);
        QVERIFY(form);
        QVERIFY(form->uploadButton->isEnabled() && !form->downloadButton->isEnabled());

        prompts->answerOpen({local(QStringLiteral("x.html")), local(QStringLiteral("y.html")),
                             local(QStringLiteral("z.html"))});
        answerChooser();
        prompts->answerMessage(Prompts::Button::YesToAll, local(QStringLiteral("x.html")) + QStringLiteral(" exists"));
        form->uploadButton->click();

        QCOMPARE(prompts->lastFileDialog().directory, localDir->path());
        QCOMPARE(prompts->lastFileDialog().fileName, QStringLiteral("x.html"));
        QCOMPARE(prompts->lastFileDialog().title, QStringLiteral("Choose files to upload"));
        QCOMPARE(readTestFile(remote(QStringLiteral("x.html"))), QByteArray("new x"));
        QCOMPARE(readTestFile(remote(QStringLiteral("y.html"))), QByteArray("new y"));
        QCOMPARE(readTestFile(remote(QStringLiteral("z.html"))), binary);
        QCOMPARE(texts(form->fileList).size(), 3);
        QVERIFY(form->uploadButton->isEnabled() && !form->downloadButton->isEnabled());
    }

    void uploadNoLeavesTheRemoteFile()
    {
        writeTestFile(remote(QStringLiteral("x.html")), "old x");
        writeTestFile(local(QStringLiteral("x.html")), "new x");
        // Uploading needs a saved document.
        QVERIFY(!main->action(MainAction::UploadButton)->isEnabled());
        main->openDocument(local(QStringLiteral("x.html")));
        Tftpform *form = connected(MainAction::UploadButton);
        QVERIFY(form);
        prompts->answerOpen({local(QStringLiteral("x.html"))});
        prompts->answerMessage(Prompts::Button::No, QStringLiteral("x.html exists"));
        form->uploadButton->click();
        QCOMPARE(readTestFile(remote(QStringLiteral("x.html"))), QByteArray("old x"));
    }

    void foldersAreCreatedEnteredRenamedAndRemoved()
    {
        Tftpform *form = connected();
        QVERIFY(form);
        answerName(QStringLiteral("sub"));
        form->createFolderButton->click();
        QVERIFY(QFileInfo(remote(QStringLiteral("sub"))).isDir());
        QCOMPARE(texts(form->folderList), QStringList{QStringLiteral("sub")});

        selectOnly(form->folderList, {QStringLiteral("sub")});
        emit form->folderList->itemDoubleClicked(row(form->folderList, QStringLiteral("sub")), 0);
        QCOMPARE(form->folderPanel->text(), QStringLiteral("/sub"));
        QCOMPARE(texts(form->folderList), QStringList{QStringLiteral("../")});
        QCOMPARE(row(form->folderList, QStringLiteral("../"))->data(0, Tftpform::IconRole).toInt(),
                 int(FtpListing::ParentIcon));
        // The way up is not a folder to rename or delete.
        selectOnly(form->folderList, {QStringLiteral("../")});
        QVERIFY(!form->deleteFolderButton->isEnabled() && !form->renameFolderButton->isEnabled());
        emit form->folderList->itemDoubleClicked(row(form->folderList, QStringLiteral("../")), 0);
        QCOMPARE(form->folderPanel->text(), QStringLiteral("/"));
        QCOMPARE(texts(form->folderList), QStringList{QStringLiteral("sub")});

        selectOnly(form->folderList, {QStringLiteral("sub")});
        answerName(QStringLiteral("renamed"));
        form->renameFolderButton->click();
        QVERIFY(QFileInfo(remote(QStringLiteral("renamed"))).isDir());
        QCOMPARE(texts(form->folderList), QStringList{QStringLiteral("renamed")});

        selectOnly(form->folderList, {QStringLiteral("renamed")});
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("Are you sure you want to delete ?"));
        form->deleteFolderButton->click();
        QVERIFY(!QFileInfo::exists(remote(QStringLiteral("renamed"))));
        QCOMPARE(form->folderList->topLevelItemCount(), 0);
    }

    void filesAreRenamedAndDeleted()
    {
        writeTestFile(remote(QStringLiteral("f.txt")), "f");
        writeTestFile(remote(QStringLiteral("g.txt")), "g");
        Tftpform *form = connected();
        QVERIFY(form);
        selectOnly(form->fileList, {QStringLiteral("f.txt")});
        answerName(QStringLiteral("h.txt"));
        form->renameFileButton->click();
        QCOMPARE(readTestFile(remote(QStringLiteral("h.txt"))), QByteArray("f"));

        // A name the server refuses: the box, then the lists are refreshed.
        selectOnly(form->fileList, {QStringLiteral("h.txt")});
        answerName(QStringLiteral("no/such/folder/h.txt"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Couldn't rename the selected file or folder"));
        form->renameFileButton->click();
        QStringList files = texts(form->fileList);
        files.sort();
        QCOMPARE(files, (QStringList{QStringLiteral("g.txt"), QStringLiteral("h.txt")}));
        QCOMPARE(prompts->messages().last().kind, Prompts::Kind::Error);

        // Declining the question deletes nothing.
        selectOnly(form->fileList, files);
        prompts->answerMessage(Prompts::Button::No, QStringLiteral("Are you sure"));
        form->deleteFilesButton->click();
        QCOMPARE(form->fileList->topLevelItemCount(), 2);
        selectOnly(form->fileList, files);
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("Are you sure"));
        form->deleteFilesButton->click();
        QCOMPARE(form->fileList->topLevelItemCount(), 0);
        QVERIFY(QDir(remoteRoot.path()).isEmpty());
    }

    void firstListingLeadsUpFromWhereTheServerStarts()
    {
        ScriptedFtpServer server;
        startScripted(server);
        server.replies.insert("PWD", "257 \"/home/u\" is the current directory\r\n");
        Tftpform *form = connected();
        QVERIFY(form);
        QCOMPARE(form->folderPanel->text(), QStringLiteral("/home/u"));
        QCOMPARE(texts(form->folderList), (QStringList{QStringLiteral("../"), QStringLiteral("sub")}));
    }

    void refusedDeleteDoesNotStopTheOthers()
    {
        ScriptedFtpServer server;
        startScripted(server);
        server.download = "-rw-r--r-- 1 a b 5 Jan 5 12:30 a.html\r\n-rw-r--r-- 1 a b 5 Jan 5 12:30 b.html\r\n"
                          "-rw-r--r-- 1 a b 5 Jan 5 12:30 c.html\r\n";
        server.firstReplies.insert("DELE", "550 Permission denied\r\n");
        Tftpform *form = connected();
        QVERIFY(form);
        selectOnly(form->fileList, texts(form->fileList));
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("Are you sure"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("These files were not deleted:\na.html: 550 Permission denied"));
        const qsizetype before = server.commands.size();
        form->deleteFilesButton->click();

        QCOMPARE(server.commands.mid(before, 3), (QStringList{"DELE a.html", "DELE b.html", "DELE c.html"}));
        QVERIFY(server.commands.mid(before).contains(QStringLiteral("LIST")));
        QVERIFY(form->closeButton->isEnabled() && !form->cancelButton->isEnabled());
    }

    void hugeFolderIsCutAndTheConnectionStays()
    {
        ScriptedFtpServer server;
        startScripted(server);
        server.download.clear();
        for (int n = 0; n < TNMFTP::MaxListingLines + 5; ++n)
            server.download += "-rw-r--r-- 1 a b 5 Jan 5 12:30 f" + QByteArray::number(n) + ".html\r\n";
        Tftpform *form = connected();
        QVERIFY(form);
        QCOMPARE(form->fileList->topLevelItemCount(), TNMFTP::MaxListingLines);
        QVERIFY(form->statusLog->toPlainText().contains(QStringLiteral("only its first 200000 entries are listed")));
        QVERIFY(form->disconnectButton->isEnabled() && !form->cancelButton->isEnabled());
        form->disconnectButton->click();
        QVERIFY(server.commands.contains(QStringLiteral("QUIT")));
    }

    void cancelledDownloadKeepsTheLocalCopy()
    {
        writeTestFile(remote(QStringLiteral("big.txt")), QByteArray(64 * 1024 * 1024, 'x'));
        writeTestFile(local(QStringLiteral("big.txt")), "my copy");
        Tftpform *form = connected();
        QVERIFY(form);
        selectOnly(form->fileList, {QStringLiteral("big.txt")});
        answerTargetFolder();
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("big.txt exists"));
        prompts->answerMessage(Prompts::Button::Ok); // the cancelled transfer's error
        QVERIFY(clickThenCancelOnProgress(form, form->downloadButton));
        QCOMPARE(readTestFile(local(QStringLiteral("big.txt"))), QByteArray("my copy"));
        QCOMPARE(QDir(localDir->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(main->editors().isEmpty());
        QVERIFY(form->closeButton->isEnabled() && form->disconnectButton->isEnabled()
                && !form->cancelButton->isEnabled());
    }

    void cancelledUploadIsReportedAsIncomplete()
    {
        writeTestFile(local(QStringLiteral("big.bin")), QByteArray(64 * 1024 * 1024, 'u'));
        writeTestFile(local(QStringLiteral("page.html")), "<p>");
        main->openDocument(local(QStringLiteral("page.html")));
        Tftpform *form = connected(MainAction::UploadFile);
        QVERIFY(form);
        prompts->answerOpen({local(QStringLiteral("big.bin"))});
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("The operation was cancelled."));
        QVERIFY(clickThenCancelOnProgress(form, form->uploadButton));

        // The server was told, and did not take the broken-off upload for a whole one.
        const QString memo = form->statusLog->toPlainText();
        const qsizetype stor = memo.indexOf(QStringLiteral("STOR big.bin"));
        const QString afterStor = memo.mid(stor, memo.indexOf(QStringLiteral("The upload of")) - stor);
        QVERIFY2(afterStor.contains(QStringLiteral("\nABOR\n")), qPrintable(afterStor));
        QVERIFY2(!afterStor.contains(QStringLiteral("226 Transfer complete")), qPrintable(afterStor));
        QVERIFY(memo.contains(QStringLiteral("The upload of big.bin was broken off; the copy on the server may be "
                                             "incomplete.")));
        // The list shows what arrived, and the window is usable again.
        QVERIFY(row(form->fileList, QStringLiteral("big.bin")));
        QVERIFY(QFileInfo(remote(QStringLiteral("big.bin"))).size() < 64 * 1024 * 1024);
        QVERIFY(form->remote().isConnected() && form->uploadButton->isEnabled() && !form->cancelButton->isEnabled());
    }

    void silentServerFailsWithinTheTimeOut()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        cleanup();
        start(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()));
        Tftpform *form = open(MainAction::DownloadAndOpen);
        QVERIFY(form);
        form->setTimeOut(300);
        answerChooser();
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("could not be established"));
        QElapsedTimer clock;
        clock.start();
        form->connectButton->click();
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(prompts->messages().last().kind, Prompts::Kind::Error);
        QVERIFY(!form->remote().isConnected());
        QVERIFY(!form->connectButton->isEnabled() && form->closeButton->isEnabled());
        form->closeButton->click();
        QTRY_VERIFY(!main->findChild<Tftpform *>());
    }

    void everyStepEndsWhenTheServerStopsAnswering_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<Ending>("ending");
        QTest::newRow("SYST of the first listing, Cancel") << Step::Login << Ending::Cancel;
        QTest::newRow("SYST of the first listing, time-out") << Step::Login << Ending::TimeOut;
        QTest::newRow("listing data, Cancel") << Step::ListData << Ending::Cancel;
        QTest::newRow("CWD, Cancel") << Step::ChangeFolder << Ending::Cancel;
        QTest::newRow("CWD, time-out") << Step::ChangeFolder << Ending::TimeOut;
        QTest::newRow("CWD, window closed") << Step::ChangeFolder << Ending::Close;
        QTest::newRow("QUIT, Cancel") << Step::Quit << Ending::Cancel;
        QTest::newRow("DELE, Cancel") << Step::Delete << Ending::Cancel;
        QTest::newRow("RNFR, Cancel") << Step::Rename << Ending::Cancel;
        QTest::newRow("MKD, Cancel") << Step::MakeFolder << Ending::Cancel;
        QTest::newRow("download data, Cancel") << Step::Download << Ending::Cancel;
        QTest::newRow("download data, window closed") << Step::Download << Ending::Close;
        QTest::newRow("upload reply, Cancel") << Step::Upload << Ending::Cancel;
    }
    void everyStepEndsWhenTheServerStopsAnswering()
    {
        QFETCH(Step, step);
        QFETCH(Ending, ending);
        ScriptedFtpServer server;
        startScripted(server);
        const QByteArray silentData = "silent data";
        static const QHash<Step, QByteArray> silent = {
            {Step::Login, "SYST"}, {Step::ListData, silentData}, {Step::ChangeFolder, "CWD"}, {Step::Quit, "QUIT"},
            {Step::Delete, "DELE"}, {Step::Rename, "RNFR"}, {Step::MakeFolder, "MKD"}, {Step::Download, silentData},
            {Step::Upload, silentData},
        };
        static const QHash<Step, QString> command = {
            {Step::Login, "SYST"}, {Step::ListData, "LIST"}, {Step::ChangeFolder, "CWD sub"}, {Step::Quit, "QUIT"},
            {Step::Delete, "DELE a.html"}, {Step::Rename, "RNFR a.html"}, {Step::MakeFolder, "MKD new"},
            {Step::Download, "RETR a.html"}, {Step::Upload, "STOR up.html"},
        };
        const auto stopAnswering = [&] {
            if (silent.value(step) == silentData)
                server.dataMode = ScriptedFtpServer::DataMode::Silent;
            else
                server.replies.insert(silent.value(step), QByteArray());
        };
        writeTestFile(local(QStringLiteral("up.html")), "<p>");
        main->openDocument(local(QStringLiteral("up.html")));
        Tftpform *form = open(step == Step::Upload ? MainAction::UploadFile : MainAction::DownloadAndOpen);
        QVERIFY(form);
        form->setTimeOut(ending == Ending::TimeOut ? 300 : 20000);
        answerChooser();
        if (step == Step::Login || step == Step::ListData)
            stopAnswering();
        else
            form->connectButton->click();
        QVERIFY(step == Step::Login || step == Step::ListData || form->remote().isConnected());

        // The user ends the step while it waits.
        QTimer user;
        connect(&user, &QTimer::timeout, form, [&] {
            if (!server.commands.contains(command.value(step)) || !form->cancelButton->isEnabled())
                return;
            user.stop();
            // The data connection works again, so that the refresh after a cancelled
            // transfer does not meet the same silence and wait for the time-out.
            server.dataMode = ScriptedFtpServer::DataMode::Transfer;
            if (ending == Ending::Cancel)
                form->cancelButton->click();
            else
                form->close();
        });
        QPushButton *button = form->connectButton;
        if (step != Step::Login && step != Step::ListData)
            stopAnswering();
        switch (step) {
        case Step::Login:
        case Step::ListData:
            break;
        case Step::ChangeFolder:
            selectOnly(form->folderList, {QStringLiteral("sub")});
            button = nullptr;
            break;
        case Step::Quit:
            button = form->disconnectButton;
            break;
        case Step::Delete:
            selectOnly(form->fileList, {QStringLiteral("a.html")});
            prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("Are you sure"));
            button = form->deleteFilesButton;
            break;
        case Step::Rename:
        case Step::MakeFolder:
            selectOnly(form->fileList, {QStringLiteral("a.html")});
            answerName(QStringLiteral("new"));
            button = step == Step::Rename ? form->renameFileButton : form->createFolderButton;
            break;
        case Step::Download:
            selectOnly(form->fileList, {QStringLiteral("a.html")});
            answerTargetFolder();
            button = form->downloadButton;
            break;
        case Step::Upload:
            prompts->answerOpen({local(QStringLiteral("up.html"))});
            button = form->uploadButton;
            break;
        }
        if (ending != Ending::TimeOut)
            user.start(5);
        if (ending == Ending::Cancel && step != Step::Quit)
            prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("The operation was cancelled."));
        if (ending == Ending::TimeOut)
            prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("The server did not answer in time."));

        QElapsedTimer clock;
        clock.start();
        if (button)
            button->click();
        else
            emit form->folderList->itemDoubleClicked(row(form->folderList, QStringLiteral("sub")), 0);
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!user.isActive());
        if (ending == Ending::Close) {
            QTRY_VERIFY(!main->findChild<Tftpform *>());
            return;
        }
        // Nothing waits any more, and the window can be closed.
        QVERIFY(!form->cancelButton->isEnabled());
        QVERIFY(form->closeButton->isEnabled());
        form->closeButton->click();
        QTRY_VERIFY(!main->findChild<Tftpform *>());
    }

    void exitEndsTheProgramWhileTheWindowWaits()
    {
        ScriptedFtpServer server;
        startScripted(server);
        const QPointer<Tftpform> form = connected();
        QVERIFY(form);
        server.replies.insert("CWD", QByteArray());
        selectOnly(form->folderList, {QStringLiteral("sub")});
        // File > Exit while the folder change waits, then the program's own event loop.
        QTimer::singleShot(0, form, [&] {
            emit form->folderList->itemDoubleClicked(row(form->folderList, QStringLiteral("sub")), 0);
        });
        QTimer user;
        connect(&user, &QTimer::timeout, main.get(), [&] {
            if (server.commands.contains(QStringLiteral("CWD sub"))) {
                user.stop();
                main->action(MainAction::Exit)->trigger();
            }
        });
        user.start(5);
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!form || !form->isVisible());
    }

    void oneWindowWhoseCaptionsFollowTheLanguage()
    {
        writeTestFile(local(QStringLiteral("page.html")), "page");
        main->openDocument(local(QStringLiteral("page.html")));
        Tftpform *form = open(MainAction::DownloadButton);
        QVERIFY(form);
        QCOMPARE(form->mode(), FtpMode::Download);
        QCOMPARE(open(MainAction::UploadButton), form);
        QCOMPARE(main->findChildren<Tftpform *>().size(), 1);

        prompts->answerDialog([](QDialog &d) {
            settings().Lang = German;
            d.reject();
        });
        main->configure();
        QCOMPARE(form->connectButton->text(), QStringLiteral("&Verbinden"));
        QCOMPARE(form->fileList->headerItem()->text(0), QStringLiteral("Dateiname"));
        for (QTreeWidget *list : {form->fileList, form->folderList}) {
            for (int c = 0; c < list->columnCount(); ++c)
                QVERIFY2(list->columnWidth(c) >= list->header()->sectionSizeHint(c),
                         qPrintable(list->headerItem()->text(c)));
        }

        form->closeButton->click();
        QTRY_VERIFY(!main->findChild<Tftpform *>());
        Tftpform *again = open(MainAction::UploadFile);
        QVERIFY(again);
        QCOMPARE(again->mode(), FtpMode::Upload);
        QCOMPARE(again->uploadButton->text(), QStringLiteral("R&aufladen"));
    }

    void encryptedConnectionAsksOnceAboutTheCertificate()
    {
        if (!QSslSocket::supportsSsl())
            QSKIP("No TLS library");
        const QString certificate = FtpServerProcess::makeCertificate(localDir->path());
        QVERIFY(!certificate.isEmpty());
        FtpServerProcess tls;
        const QString failure = tls.start(remoteRoot.path(), User, Secret,
                                          {"--tls", certificate, "--tls-required", "--no-connect-back"});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        writeTestFile(remote(QStringLiteral("a.html")), "<p>");
        cleanup();
        start(QStringLiteral("127.0.0.1:%1").arg(tls.port()), QStringLiteral("FTPTls0=2\n"));

        Tftpform *form = open(MainAction::DownloadAndOpen);
        QVERIFY(form);
        answerChooser();
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("could not be verified"));
        form->connectButton->click();
        QVERIFY(form->remote().isConnected());
        QCOMPARE(texts(form->fileList), QStringList{QStringLiteral("a.html")});
        QVERIFY(prompts->messages().constLast().text.contains(QStringLiteral("SHA-256: ")));
        // The memo tells how the connection runs.
        const QString memo = form->statusLog->toPlainText();
        QVERIFY2(memo.contains(QStringLiteral("encryption: TLS, data encrypted")), qPrintable(memo));
        QVERIFY(memo.contains(QStringLiteral("passive mode from now on")));

        // The trust is remembered for the host: no question the next time.
        form->disconnectButton->click();
        answerChooser();
        form->connectButton->click();
        QVERIFY(form->remote().isConnected());
        QCOMPARE(prompts->messages().size(), 1);
        form->disconnectButton->click();
    }
};

QTEST_MAIN(TestFtpWindow)
#include "tst_ftpwindow.moc"

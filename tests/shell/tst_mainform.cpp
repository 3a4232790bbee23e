#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "editor/statuspanel.h"
#include "mainwindowfixture.h"
#include "platform/desktop.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "shell/filebrowser.h"
#include "shell/mainform.h"
#include "testconfig.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QTreeWidget>
#include <QMdiArea>
#include <QShortcutEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList listed(const TFileBrowser *browser)
{
    QStringList names;
    for (int row = 0; row < browser->fileList->count(); ++row)
        names << browser->fileList->item(row)->text();
    return names;
}

// Moves the folder list to a folder it shows and presses Enter there.
void enterFolder(TFileBrowser *browser, const QString &name)
{
    const QList<QTreeWidgetItem *> found = browser->folderTree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    browser->folderTree->setCurrentItem(found.first());
    QTest::keyClick(browser->folderTree, Qt::Key_Return);
}

// Drags data over a widget and drops it there, as the desktop does.
void drop(QWidget *target, QMimeData *data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}


// Ctrl+Alt+F1..F12 switch to a text console, Alt+F4 closes the window.
bool takenByTheDesktop(const QKeySequence &key)
{
    const Qt::Key k = key[0].key();
    const Qt::KeyboardModifiers mods = key[0].keyboardModifiers();
    const bool function = k >= Qt::Key_F1 && k <= Qt::Key_F12;
    const bool console = mods == (Qt::ControlModifier | Qt::AltModifier);
    return function && (console || (mods == Qt::AltModifier && k == Qt::Key_F4));
}

// Records which action a key reaches, and whether Qt found it ambiguous,
// without running the command.
class ShortcutCatcher : public QObject
{
public:
    QObject *receiver = nullptr;
    bool ambiguous = false;
    int count = 0;

    void reset()
    {
        receiver = nullptr;
        ambiguous = false;
        count = 0;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        receiver = watched;
        ambiguous = static_cast<QShortcutEvent *>(event)->isAmbiguous();
        ++count;
        return true;
    }
};

} // namespace

// The program shell with real windows: documents are created, opened, saved
// and closed through the same commands a user runs; dialogs are scripted.
class TestMainForm : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const char *name) const { return dir->filePath(QLatin1String(name)); }
    bool enabled(MainAction which) const { return main->action(which)->isEnabled(); }
    Teditform *active() const { return main->activeEditor(); }
    const Teditform::Commands &commands() const { return active()->commands(); }
    QAction *editorAction(const char *name) const
    {
        return active()->findChild<QAction *>(QLatin1String(name));
    }

    void startWithLanguage(int lang) { QVERIFY(startMainWindow(lang)); }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        startWithLanguage(1);
    }

    void cleanup()
    {
        // Modified documents must not ask when the test window goes away.
        stopMainWindow();
    }

    void firstStartInstallsTemplatesAfterTellingTheUser()
    {
        cleanup();
        config = std::make_unique<TestConfig>();
        prompts = std::make_unique<ScriptedPrompts>();
        prompts->answerDialog([](QDialog &chooser) { chooser.reject(); });
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Installing tags now"));
        main = std::make_unique<Tmainform>();
        main->FormCreate();
        QVERIFY(settings().TagsInstalled || QFile::exists(config->path()));
        QCOMPARE(main->EditorCount(), 0);
        QVERIFY(!enabled(MainAction::SaveButton));
    }

    void foreignConfigurationFileIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("letter") << QByteArray("Dear Anna,\r\nthe pages are done.\r\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR=", 17);
    }

    void foreignConfigurationFileIsLeftAlone()
    {
        QFETCH(QByteArray, contents);
        cleanup();
        config = std::make_unique<TestConfig>();
        config->write(contents);
        prompts = std::make_unique<ScriptedPrompts>();
        prompts->answerDialog([](QDialog &chooser) { chooser.reject(); })
            .answerMessage(Prompts::Button::Ok, config->path())
            .answerMessage(Prompts::Button::Ok, QStringLiteral("Installing tags now"));
        main = std::make_unique<Tmainform>();
        main->FormCreate();
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(settings().FontSize, 10);
        QCOMPARE(readTestFile(config->path()), contents);
    }

    void newHtmlDocumentSkeleton()
    {
        main->newHtmlDocument();
        Teditform *editor = active();
        QVERIFY(editor);
        QCOMPARE(editor->memo()->Text(),
                 QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n\r\n</HTML>\r\n"));
        QCOMPARE(editor->memo()->SelStart(), 23);
        QCOMPARE(main->statusText(1), QStringLiteral("53 bytes"));
        QCOMPARE(main->statusText(2), QString());
        QCOMPARE(main->statusText(3), QStringLiteral("1 window(s)"));
        QCOMPARE(main->statusText(4), QStringLiteral("No name"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("No name"));
        QVERIFY(!editor->memo()->Modified());
    }

    void caretStatusFollowsTyping()
    {
        main->newBlankDocument();
        auto *panel = active()->findChild<QStatusBar *>(QStringLiteral("StatusBar2"));
        QVERIFY(panel);
        const auto caretText = [&] { return panel->findChildren<QLabel *>().value(0)->text(); };
        QCOMPARE(caretText(), QStringLiteral("Line:0 Pos:0"));
        QTest::keyClicks(active()->memo(), QStringLiteral("abc"));
        QCOMPARE(caretText(), QStringLiteral("Line:0 Pos:3"));
        QCOMPARE(main->statusText(1), QStringLiteral("3 bytes"));
        QCOMPARE(main->statusText(2), QStringLiteral("modified"));
        QTest::keyClick(active()->memo(), Qt::Key_Return);
        QCOMPARE(caretText(), QStringLiteral("Line:1 Pos:0"));
        QCOMPARE(main->statusText(1), QStringLiteral("5 bytes"));
    }

    void unicodeSeparatorsStayCharacters()
    {
        // U+2028 and U+2029 between letters, and a pilcrow typed in later.
        const QByteArray bytes = "a\xE2\x80\xA8" "b\r\nc\xE2\x80\xA9" "d\r\n";
        writeTestFile(path("sep.htm"), bytes);
        main->openFiles({path("sep.htm")});
        Teditform *editor = active();
        TColorMemo *memo = editor->memo();
        QCOMPARE(memo->LineCount(), 3);
        memo->SetSelStart(3);
        QCOMPARE(memo->CaretLine(), 0);
        QCOMPARE(memo->CaretColumn(), 3);
        editor->save();
        QCOMPARE(readTestFile(path("sep.htm")), bytes);

        memo->SetSelStart(0);
        QTest::keyClicks(memo, QString(QChar(0x00B6)));
        editor->save();
        QCOMPARE(readTestFile(path("sep.htm")), "\xC2\xB6" + bytes);
    }

    void longLineFileKeepsItsBytes()
    {
        // Minified markup on one line, shown in pieces by the control.
        QByteArray line;
        for (int i = 0; line.size() < 100000; ++i)
            line += "<div class=\"a\"><a href=\"x.htm\">" + QByteArray::number(i) + "</a></div>";
        const QByteArray bytes = "<html>\r\n" + line + "\r\n</html>\r\n";
        writeTestFile(path("min.htm"), bytes);
        main->openFiles({path("min.htm")});
        Teditform *editor = active();
        editor->memo()->SetSelStart(8 + 50000);
        QTest::keyClicks(editor->memo(), QStringLiteral("x"));
        editor->save();
        QCOMPARE(readTestFile(path("min.htm")), QByteArray(bytes).insert(8 + 50000, 'x'));
    }

    void lineNumbersAreOneSettingForEveryWindow()
    {
        main->newBlankDocument();
        Teditform *first = active();
        main->newBlankDocument();
        QVERIFY(!commands().lineNumbers->isChecked());
        const int plainLeft = first->memo()->viewport()->x();
        commands().lineNumbers->trigger();
        for (Teditform *editor : main->editors()) {
            QVERIFY(editor->memo()->LineNumbers());
            QVERIFY(editor->memo()->viewport()->x() > plainLeft);
        }
        QVERIFY(readTestFile(config->path()).contains("LineNumbers=1"));
        main->newBlankDocument();
        QVERIFY(commands().lineNumbers->isChecked());
        commands().lineNumbers->trigger();
        QVERIFY(!first->memo()->LineNumbers());
        QCOMPARE(first->memo()->viewport()->x(), plainLeft);
    }

    void commandStatesFollowWindowCount_data()
    {
        QTest::addColumn<int>("windows");
        QTest::addColumn<bool>("document");  // save, close, print, search ...
        QTest::addColumn<bool>("several");   // save all, close all, tile, cascade
        QTest::addColumn<bool>("noDocument"); // frames, configuration, settings files
        QTest::newRow("none") << 0 << false << false << true;
        QTest::newRow("one") << 1 << true << false << false;
        QTest::newRow("two") << 2 << true << true << false;
    }
    void commandStatesFollowWindowCount()
    {
        QFETCH(int, windows);
        QFETCH(bool, document);
        QFETCH(bool, several);
        QFETCH(bool, noDocument);
        for (int i = 0; i < windows; ++i)
            main->newHtmlDocument();
        using A = MainAction;
        for (A which : {A::SaveButton, A::SaveAsButton, A::CloseButton, A::PrintButton, A::InsertButton,
                        A::SearchButton, A::ReplaceButton})
            QVERIFY2(enabled(which) == document, qPrintable(main->action(which)->objectName()));
        for (A which : {A::SaveAllButton, A::CloseAllButton, A::TileButton, A::CascadeButton})
            QVERIFY2(enabled(which) == several, qPrintable(main->action(which)->objectName()));
        for (A which : {A::FramesWizard, A::SaveConfiguration, A::LoadConfiguration, A::ConfigButton})
            QVERIFY2(enabled(which) == noDocument, qPrintable(main->action(which)->objectName()));
        for (A which : {A::NewButton, A::OpenButton, A::DownloadButton, A::HelpButton, A::ExitButton})
            QVERIFY2(enabled(which), qPrintable(main->action(which)->objectName()));
        // Untitled documents cannot be uploaded.
        QVERIFY(!enabled(MainAction::UploadButton));
        if (windows > 0) {
            for (const char *name : {"Closeall1", "Saveall1", "Tile1", "Cascade1", "Arrangeall1", "Next1",
                                     "Previous1"})
                QVERIFY2(editorAction(name)->isEnabled() == several, name);
        }
    }

    void menusMergeWithTheActiveEditor()
    {
        auto titles = [&] {
            QStringList list;
            for (QAction *a : main->menuBar()->actions())
                list << a->text();
            return list;
        };
        QCOMPARE(titles(), (QStringList{"&File", "&View", "Wi&zards", "&Help"}));
        main->newBlankDocument();
        const QStringList merged = titles();
        QCOMPARE(merged.mid(0, 3), (QStringList{"&File", "&View", "&Edit"}));
        QCOMPARE(merged.mid(merged.size() - 3), (QStringList{"&Windows", "Wi&zards", "&Help"}));
        QCOMPARE(main->menuBar()->actions().at(0)->menu(), active()->fileViewMenus().at(0));
        active()->closeWithoutQuery();
        QCOMPARE(titles(), (QStringList{"&File", "&View", "Wi&zards", "&Help"}));
        QCOMPARE(main->statusText(3), QStringLiteral("0 window(s)"));
    }

    void saveAsThenSave()
    {
        main->newBlankDocument();
        Teditform *editor = active();
        QTest::keyClicks(editor->memo(), QStringLiteral("<p>"));
        prompts->answerSave(path("page.htm"));
        editor->save(); // unnamed: runs Save as
        QCOMPARE(prompts->lastFileDialog().title, QStringLiteral("Enter name to save file as"));
        QCOMPARE(prompts->lastFileDialog().defaultSuffix, QStringLiteral("htm"));
        QCOMPARE(readTestFile(path("page.htm")), QByteArray("<p>\r\n"));
        QCOMPARE(editor->document().fileName(), path("page.htm"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("page.htm"));
        QVERIFY(!editor->memo()->Modified());
        QCOMPARE(main->statusText(4), path("page.htm"));
        QVERIFY(enabled(MainAction::UploadButton));

        QTest::keyClick(editor->memo(), Qt::Key_End);
        QTest::keyClicks(editor->memo(), QStringLiteral("x"));
        QCOMPARE(main->statusText(2), QStringLiteral("modified"));
        editor->save(); // named: no dialog
        QCOMPARE(readTestFile(path("page.htm")), QByteArray("<p>x\r\n"));
        QCOMPARE(main->statusText(2), QString());
    }

    void untitledStaysUntitledAfterALanguageChange()
    {
        // A wrongly named document would be written into the working folder.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir->path());
        main->newHtmlDocument();
        Teditform *editor = active();
        QTest::keyClicks(editor->memo(), QStringLiteral("x"));
        settings().Lang = 3;
        prompts->answerDialog([](QDialog &dialog) { dialog.reject(); });
        main->configure();
        QCOMPARE(editor->document().fileName(), QStringLiteral("Ohne Name"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Ohne Name"));
        QCOMPARE(main->statusText(4), QStringLiteral("Ohne Name"));
        QVERIFY(!enabled(MainAction::UploadButton));
        // Save, Save all and the close query ask for a name; autosave refuses.
        prompts->answerSave(QString()).answerSave(QString());
        editor->save();
        main->saveAll();
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("Ohne Name wurde seit"))
            .answerSave(QString());
        QVERIFY(!editor->close());
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Das Datei hat noch keine Name"));
        commands().autoSave->trigger();
        main->autoSaveAll();
        QDir::setCurrent(previous);
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    }

    void saveFailureKeepsDocumentAndOldFile()
    {
        writeTestFile(path("keep.htm"), "old\r\n");
        main->openFiles({path("keep.htm")});
        Teditform *editor = active();
        QTest::keyClicks(editor->memo(), QStringLiteral("new"));
        prompts->answerSave(path("keep.htm/inside.htm"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Could not save"));
        editor->saveAs();
        QCOMPARE(editor->document().fileName(), path("keep.htm"));
        QVERIFY(editor->memo()->Modified());
        QCOMPARE(readTestFile(path("keep.htm")), QByteArray("old\r\n"));
    }

    void fileChangedByAnotherProgram()
    {
        writeTestFile(path("page.htm"), "mine\r\n");
        main->openFiles({path("page.htm")});
        Teditform *editor = active();
        // Unmodified: offered to reload.
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("changed on disk by another program.\r\nDo"));
        writeTestFile(path("page.htm"), "theirs\r\n");
        QTRY_COMPARE(editor->memo()->Text(), QStringLiteral("theirs\r\n"));
        QVERIFY(!editor->memo()->Modified());
        // Both changed: saving asks first, autosave leaves the file alone.
        QTest::keyClicks(editor->memo(), QStringLiteral("my "));
        writeTestFile(path("page.htm"), "theirs again\r\n");
        prompts->answerChoice(2, QStringLiteral("since you opened or saved it"));
        editor->save();
        commands().autoSave->trigger();
        main->autoSaveAll();
        QCOMPARE(readTestFile(path("page.htm")), QByteArray("theirs again\r\n"));
        prompts->answerChoice(0, QStringLiteral("since you opened or saved it"));
        main->saveAll();
        QCOMPARE(readTestFile(path("page.htm")), QByteArray("my theirs\r\n"));
        // Its own save asks nothing; a deleted file is reported and saved again.
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("deleted or moved"));
        QVERIFY(QFile::remove(path("page.htm")));
        QTRY_COMPARE(prompts->pending(), 0);
        QVERIFY(editor->memo()->Modified());
        editor->save();
        QCOMPARE(readTestFile(path("page.htm")), QByteArray("my theirs\r\n"));
    }

    void closeQueryAnswers()
    {
        main->newHtmlDocument();
        QTest::keyClicks(active()->memo(), QStringLiteral("x"));
        // Yes runs Save as; cancelling it keeps the window.
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("No name was modified since the last save !"));
        prompts->answerSave(QString());
        QVERIFY(!active()->close());
        QCOMPARE(main->EditorCount(), 1);
        // Cancel keeps it too.
        prompts->answerMessage(Prompts::Button::Cancel);
        QVERIFY(!active()->close());
        QCOMPARE(prompts->messages().last().kind, Prompts::Kind::Plain);
        // No closes without writing anything.
        prompts->answerMessage(Prompts::Button::No);
        QVERIFY(active()->close());
        QCOMPARE(main->EditorCount(), 0);
        QVERIFY(dir->isValid() && QDir(dir->path()).entryList(QDir::Files).isEmpty());
    }

    void closeAllEndsWhenAQuestionIsCancelled()
    {
        for (int i = 0; i < 3; ++i) {
            main->newHtmlDocument();
            QTest::keyClicks(active()->memo(), QStringLiteral("x"));
        }
        prompts->answerMessage(Prompts::Button::No).answerMessage(Prompts::Button::Cancel);
        active()->closeAll();
        QTRY_COMPARE(prompts->pending(), 0);
        QCOMPARE(main->EditorCount(), 2);
        QVERIFY(!main->ClosingAll());
        // The other window stays open and asks nothing when it becomes active.
        Teditform *stayed = active();
        Teditform *other = main->editors().first() == stayed ? main->editors().last() : main->editors().first();
        main->activateEditor(other);
        QCoreApplication::processEvents();
        QCOMPARE(main->EditorCount(), 2);
        QCOMPARE(active(), other);
    }

    void closingTheMainWindowAsksEveryEditor()
    {
        main->newHtmlDocument();
        QTest::keyClicks(active()->memo(), QStringLiteral("x"));
        prompts->answerMessage(Prompts::Button::Cancel);
        QVERIFY(!main->close());
        QCOMPARE(main->EditorCount(), 1);
    }

    void destroyedWithDocumentsOpen()
    {
        // Unmodified documents: nothing asks, the windows go with the main window.
        main->newHtmlDocument();
        main->newBlankDocument();
        main.reset();
    }

    void openSkipsFilesAlreadyOpen()
    {
        writeTestFile(path("a.htm"), "a");
        writeTestFile(path("b.htm"), "b");
        writeTestFile(path("c.htm"), "c");
        QVERIFY(QFile::link(path("a.htm"), path("alias.htm")));
        main->openFiles({path("a.htm")});
        prompts->answerOpen({path("alias.htm"), path("b.htm"), path("c.htm")});
        main->openDocuments();
        QCOMPARE(prompts->lastFileDialog().title, QStringLiteral("Look up file to open"));
        QCOMPARE(main->EditorCount(), 3);
        QCOMPARE(active()->memo()->Text(), QStringLiteral("c\r\n"));
    }

    void unreadableFilesOpenNoWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lang");
        QTest::newRow("binary") << "pic.gif" << QByteArray("GIF89a\0\0", 8) << "is not a text file" << 1;
        QTest::newRow("missing") << "gone.htm" << QByteArray() << "Could not read" << 1;
        QTest::newRow("directory") << "" << QByteArray() << "Could not read" << 1;
        QTest::newRow("missing, Danish") << "gone.htm" << QByteArray() << "Filen findes ikke." << 2;
        QTest::newRow("directory, German") << "" << QByteArray() << "Das ist ein Verzeichnis" << 3;
    }
    void unreadableFilesOpenNoWindow()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QFETCH(int, lang);
        settings().Lang = lang;
        const QString file = dir->filePath(name);
        if (!contents.isEmpty())
            writeTestFile(file, contents);
        prompts->answerMessage(Prompts::Button::Ok, message);
        QVERIFY(!main->openDocument(file));
        QCOMPARE(main->EditorCount(), 0);
        QVERIFY(main->editors().isEmpty());
        QVERIFY(!enabled(MainAction::SaveButton));
    }

    void undoAndRedoThroughMenusAndButtons()
    {
        main->newBlankDocument();
        Teditform *editor = active();
        QVERIFY(!commands().undo->isEnabled());
        QVERIFY(!enabled(MainAction::UndoButton));
        editor->document().pushUndo();
        editor->memo()->SetSelText(QStringLiteral("<B></B>"));
        QVERIFY(commands().undo->isEnabled());
        QVERIFY(enabled(MainAction::UndoButton));
        QVERIFY(!enabled(MainAction::RedoButton));

        main->action(MainAction::UndoButton)->trigger();
        QCOMPARE(editor->memo()->Text(), QString());
        QVERIFY(!commands().undo->isEnabled()); // the blank text was the oldest
        QVERIFY(commands().redo->isEnabled());
        QVERIFY(enabled(MainAction::RedoButton));
        QVERIFY(editor->memo()->Modified());

        main->action(MainAction::RedoButton)->trigger();
        QCOMPARE(editor->memo()->Text(), QStringLiteral("<B></B>"));
        QVERIFY(!commands().redo->isEnabled());
        QVERIFY(commands().undo->isEnabled());
        QVERIFY(!enabled(MainAction::RedoButton));
    }

    void ctrlZIsTheEditorsUndo()
    {
        main->newBlankDocument();
        Teditform *editor = active();
        editor->document().pushUndo();
        editor->memo()->SetSelText(QStringLiteral("tag"));
        editor->memo()->setFocus();
        QTest::keyClick(editor->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->memo()->Text(), QString());
    }

    void autosave()
    {
        main->newBlankDocument();
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("The file has not yet been named."));
        commands().autoSave->trigger();
        QVERIFY(!active()->AutoSaveOn());
        QVERIFY(!commands().autoSave->isChecked());

        writeTestFile(path("auto.htm"), "one\r\n");
        main->openFiles({path("auto.htm")});
        Teditform *editor = active();
        commands().autoSave->trigger();
        QVERIFY(editor->AutoSaveOn());
        QCOMPARE(editor->windowTitle(), QStringLiteral("auto.htm    [Auto Save]"));
        editor->FormActivate();
        QCOMPARE(editor->windowTitle(), QStringLiteral("auto.htm     [Auto Save]"));
        QTest::keyClicks(editor->memo(), QStringLiteral("two "));
        main->autoSaveAll();
        QCOMPARE(readTestFile(path("auto.htm")), QByteArray("two one\r\n"));
        QVERIFY(!editor->memo()->Modified());
    }

    void printing()
    {
        main->newBlankDocument();
        active()->print(); // empty: no dialog
        active()->memo()->SetText(QStringLiteral("<p>printed</p>"));
        prompts->answerPrint(true, path("out.pdf"));
        active()->print();
        QCOMPARE(prompts->lastPrintHelpContext(), 1500);
        QVERIFY(readTestFile(path("out.pdf")).startsWith("%PDF"));
    }

    void insertTextFile()
    {
        writeTestFile(path("part.txt"), "one\ntwo");
        main->newBlankDocument();
        active()->memo()->SetText(QStringLiteral("[]"));
        active()->memo()->SetSelStart(1);
        prompts->answerOpen({path("part.txt")});
        active()->insertTextFile();
        QCOMPARE(active()->memo()->Text(), QStringLiteral("[one\r\ntwo\r\n]"));
        QVERIFY(commands().undo->isEnabled());
    }

    void insertTextFileRefusesWhatOpenRefuses_data()
    {
        QTest::addColumn<qint64>("size"); // of a file of NUL bytes, left sparse
        QTest::addColumn<QString>("message");
        QTest::newRow("too large") << Q_INT64_C(65) * 1024 * 1024 << "too large";
        QTest::newRow("binary") << qint64(64) << "is not a text file";
    }

    void insertTextFileRefusesWhatOpenRefuses()
    {
        QFETCH(qint64, size);
        QFETCH(QString, message);
        QFile file(path("big.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        file.close();
        main->newBlankDocument();
        prompts->answerOpen({path("big.txt")}).answerMessage(Prompts::Button::Ok, message);
        active()->insertTextFile();
        QCOMPARE(active()->memo()->TextLength(), 0);
        QVERIFY(!commands().undo->isEnabled());
    }

    void settingsFilesFromTheMenu()
    {
        prompts->answerSave(path("mine.mvc"));
        main->saveConfigurationFile();
        QCOMPARE(readTestFile(path("mine.mvc")).count("\r\n"), 101);
        writeTestFile(path("bad.mvc"), "1\r\n");
        settings().FontSize = 17; // a change made with the dialog's OK only
        prompts->answerOpen({path("bad.mvc")});
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral(" is not a valid Configuration file!"));
        main->loadConfigurationFile();
        QCOMPARE(settings().FontSize, 10); // reloaded from the store anyway

        settings().Lang = 2;
        prompts->answerSave(path("bad.mvc/mine.mvc"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Konfigurationen kunne ikke gemmes i "));
        main->saveConfigurationFile();
    }

    void colorCodingToggleOnlyTouchesTheRecord()
    {
        settings().Color = false;
        QVERIFY(main->action(MainAction::ColorCoding)->isChecked());
        main->action(MainAction::ColorCoding)->trigger();
        QVERIFY(!settings().Color);
        QVERIFY(!main->action(MainAction::ColorCoding)->isChecked());
        main->action(MainAction::ColorCoding)->trigger();
        QVERIFY(settings().Color);
    }

    void altShortcutsReachTheMenusFromTheText()
    {
        main->newBlankDocument();
        active()->memo()->setFocus();
        QTest::keyClick(active()->memo(), Qt::Key_F, Qt::ShiftModifier | Qt::AltModifier);
        QVERIFY(main->fileBrowser()->isVisible());
        QCOMPARE(active()->memo()->Text(), QString());
    }

    // Every key of the menus reaches its own item while documents are open;
    // none is claimed twice (Ctrl+W was also the child window's Close), and
    // none that a Linux desktop keeps for itself is the one a menu shows.
    void everyMenuKeyReachesItsItem()
    {
        main->newBlankDocument();
        main->newBlankDocument();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        active()->memo()->setFocus();
        QMultiHash<QKeySequence, QAction *> live;
        const QList<QAction *> all = main->findChildren<QAction *>();
        for (QAction *a : all) {
            const QObject *owner = a;
            while (owner && !qobject_cast<const Teditform *>(owner))
                owner = owner->parent();
            if (!a->isVisible() || (owner && owner != active()))
                continue;
            a->setEnabled(true);
            const QList<QKeySequence> keys = a->shortcuts();
            if (!keys.isEmpty())
                QVERIFY2(!takenByTheDesktop(keys.first()), qPrintable(a->objectName()));
            for (const QKeySequence &key : keys)
                live.insert(key, a);
        }
        QVERIFY2(live.size() > 150, qPrintable(QString::number(live.size())));
        ShortcutCatcher catcher;
        qApp->installEventFilter(&catcher);
        const QList<QKeySequence> keys = live.uniqueKeys();
        for (const QKeySequence &key : keys) {
            catcher.reset();
            QTest::keyClick(active()->memo(), key[0].key(), key[0].keyboardModifiers());
            const QByteArray what = key.toString().toUtf8();
            QVERIFY2(catcher.count == 1 && !catcher.ambiguous, what);
            QVERIFY2(live.values(key).contains(catcher.receiver), what);
        }
        qApp->removeEventFilter(&catcher);
    }

    void fileListOpensSelectedAndDoubleClickedFiles()
    {
        for (const char *name : {"b.htm", "a.htm", "c.css", "d.gif"})
            writeTestFile(path(name), name);
        main->toggleFileList();
        TFileBrowser *browser = main->fileBrowser();
        browser->setCurrentDirectory(dir->path());
        QCOMPARE(listed(browser), (QStringList{"a.htm", "b.htm", "c.css"}));
        browser->fileList->item(0)->setSelected(true);
        browser->fileList->item(2)->setSelected(true);
        QTest::keyClick(browser->fileList, Qt::Key_Return);
        QCOMPARE(main->EditorCount(), 2);
        QCOMPARE(main->editors().at(0)->document().fileName(), path("a.htm"));
        QCOMPARE(main->editors().at(1)->document().fileName(), path("c.css"));
        QTRY_VERIFY(browser->fileList->visualItemRect(browser->fileList->item(1)).isValid());
        const QRect second = browser->fileList->visualItemRect(browser->fileList->item(1));
        // A double click starts with a click, as from a real mouse.
        QTest::mouseClick(browser->fileList->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QTest::mouseDClick(browser->fileList->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(main->EditorCount(), 3);
        QCOMPARE(active()->document().fileName(), path("b.htm"));
    }

    void fileListShowsWhereItIs()
    {
        QVERIFY(QDir().mkpath(path("site/pages")));
        writeTestFile(path("site/index.htm"), "x");
        main->openFiles({path("site/index.htm")});
        main->toggleFileList();
        TFileBrowser *browser = main->fileBrowser();
        QCOMPARE(browser->currentDirectory(), path("site")); // where the document lives
        QCOMPARE(browser->folderTree->currentItem()->text(0), QStringLiteral("site"));
        QVERIFY(browser->currentDirectory().startsWith(browser->placeBox->currentText()));
        enterFolder(browser, QStringLiteral("pages"));
        QCOMPARE(browser->currentDirectory(), path("site/pages"));
        QVERIFY(listed(browser).isEmpty());
        enterFolder(browser, QStringLiteral("site"));
        QCOMPARE(listed(browser), QStringList{"index.htm"}); // not the folder just left
    }

    void closingActivatesThePreviousWindow()
    {
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        for (int i = 0; i < 3; ++i)
            main->newBlankDocument();
        const QList<Teditform *> windows = main->editors();
        main->activateEditor(windows.at(0));
        QPointer<Teditform> closing = windows.at(0);
        closing->close();
        QTRY_VERIFY(!closing);
        QCOMPARE(main->mdiArea()->activeSubWindow(), windows.at(2));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Could not read"));
        QVERIFY(!main->openDocument(path("gone.htm")));
        QCoreApplication::processEvents();
        QCOMPARE(main->mdiArea()->activeSubWindow(), windows.at(2));
    }

    void statusPanelsFitTheirTexts_data()
    {
        QTest::addColumn<int>("lang");
        QTest::newRow("english") << 1;
        QTest::newRow("danish") << 2;
        QTest::newRow("german") << 3;
    }
    void statusPanelsFitTheirTexts()
    {
        QFETCH(int, lang);
        cleanup();
        startWithLanguage(lang);
        main->newBlankDocument();
        active()->memo()->SetText(QString(QStringLiteral("\r\n")).repeated(200000));
        active()->memo()->SetSelStart(active()->memo()->TextLength());
        main->setStatusText(1, QStringLiteral("10485861 bytes"));
        main->setStatusText(3, QStringLiteral("17 ") + SharedTexts::WindowsText.text());
        const QList<StatusPanel *> panels = main->statusBar()->findChildren<StatusPanel *>()
                                            + active()->findChildren<StatusPanel *>();
        for (StatusPanel *panel : panels) {
            QTRY_VERIFY2(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()),
                         qPrintable(panel->text()));
        }
    }

    // Status texts follow a language change and the autosave at once.
    void statusPanelsFollowLanguageAndAutosave()
    {
        writeTestFile(path("auto.htm"), "x\r\n");
        settings().AutoSave = true;
        main->openFiles({path("auto.htm")});
        QTest::keyClicks(active()->memo(), QStringLiteral("y"));
        settings().Lang = 3;
        prompts->answerDialog([](QDialog &dialog) { dialog.reject(); });
        main->configure();
        QCOMPARE(main->statusText(2), QStringLiteral("modifiziert"));
        QCOMPARE(main->statusText(3), QStringLiteral("1 Fenster(n)"));
        // Leaving the program, the document window may hear of it before the
        // area that holds it, which then reports no window.
        QEvent leaving(QEvent::WindowDeactivate);
        QApplication::sendEvent(active(), &leaving);
        QVERIFY(!main->mdiArea()->currentSubWindow());
        main->autoSaveAll();
        QCOMPARE(readTestFile(path("auto.htm")), QByteArray("yx\r\n"));
        QCOMPARE(main->statusText(2), QString());
    }

    void webEntriesSayWhenNoProgramStarts()
    {
        QList<QUrl> asked;
        Desktop::setOpener([&asked](const QUrl &url) {
            asked << url;
            return false;
        });
        prompts->answerMessage(Prompts::Button::Ok,
                               QStringLiteral("No web browser could be started for:\r\nhttps://"));
        main->action(MainAction::UpdatesAndNews)->trigger();
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("No mail program could be started"));
        main->action(MainAction::SendBugReport)->trigger();
        writeTestFile(path("page.htm"), "x");
        main->openFiles({path("page.htm")});
        prompts->answerMessage(Prompts::Button::Ok, path("page.htm"));
        editorAction("LaunchBrowser1")->trigger();
        Desktop::setOpener({});
        QCOMPARE(asked.size(), 3);
        QCOMPARE(prompts->messages().first().kind, Prompts::Kind::Error);
    }

    void droppedFilesOpenDroppedTextIsInserted()
    {
        writeTestFile(path("one.htm"), "1");
        writeTestFile(path("two.htm"), "2");
        auto *files = new QMimeData;
        files->setUrls({QUrl::fromLocalFile(path("one.htm"))});
        drop(main.get(), files);
        QCOMPARE(main->EditorCount(), 1);
        files->setUrls({QUrl::fromLocalFile(path("one.htm")), QUrl::fromLocalFile(path("two.htm"))});
        drop(active()->memo()->viewport(), files); // on the text: opens, does not insert the path
        QCOMPARE(main->EditorCount(), 2);
        QCOMPARE(active()->memo()->Text(), QStringLiteral("2\r\n"));
        auto *text = new QMimeData;
        text->setText(QStringLiteral("<b>"));
        drop(active()->memo()->viewport(), text);
        QVERIFY(active()->memo()->Text().contains(QLatin1String("<b>")));
        delete files;
        delete text;
    }

    void reopenListsRecentFilesAndDropsMissingOnes()
    {
        for (const char *name : {"old.htm", "new.htm"})
            writeTestFile(path(name), name);
        main->openFiles({path("old.htm")});
        main->openFiles({path("new.htm")});
        for (Teditform *editor : main->editors())
            editor->closeWithoutQuery();
        QFile::remove(path("old.htm"));
        auto *reopen = main->findChild<QMenu *>(QStringLiteral("Reopen1"));
        main->fillReopenMenu(reopen);
        QCOMPARE(reopen->actions().size(), 2);
        QVERIFY(reopen->actions().at(0)->text().endsWith(QLatin1String("new.htm")));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("no longer exists"));
        reopen->actions().at(1)->trigger();
        QCOMPARE(main->EditorCount(), 0);
        reopen->actions().at(0)->trigger();
        QCOMPARE(active()->document().fileName(), path("new.htm"));
        main->fillReopenMenu(reopen);
        QCOMPARE(reopen->actions().size(), 1);
    }

    void toolBarComesBackToTheTop()
    {
        main->addToolBar(Qt::LeftToolBarArea, main->toolBar());
        main->toggleToolBar();
        QVERIFY(!main->toolBar()->isVisible());
        QVERIFY(!main->action(MainAction::ToolBar)->isChecked());
        main->toggleToolBar();
        QVERIFY(main->toolBar()->isVisible());
        QCOMPARE(main->toolBarArea(main->toolBar()), Qt::TopToolBarArea);
    }

    void captionsInEachLanguage_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("mainFile");
        QTest::addColumn<QString>("newHint");
        QTest::addColumn<QString>("editorSave");
        QTest::addColumn<QString>("untitled");
        QTest::newRow("english") << 1 << "&File" << "Creates new HTML file" << "&Save" << "No name";
        QTest::newRow("danish") << 2 << "&Fil" << "Starter ny HTML fil" << "&Gem" << "Uden navn";
        QTest::newRow("german") << 3 << "&Datei" << "Erstellt neues HTML Datei" << "&Speichern" << "Ohne Name";
    }
    void captionsInEachLanguage()
    {
        QFETCH(int, lang);
        QFETCH(QString, mainFile);
        QFETCH(QString, newHint);
        QFETCH(QString, editorSave);
        QFETCH(QString, untitled);
        cleanup();
        startWithLanguage(lang);
        QCOMPARE(main->findChild<QMenu *>(QStringLiteral("File1"))->title(), mainFile);
        QCOMPARE(main->action(MainAction::NewButton)->statusTip(), newHint);
        main->newHtmlDocument();
        QCOMPARE(editorAction("Save1")->text(), editorSave);
        QCOMPARE(active()->windowTitle(), untitled);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"

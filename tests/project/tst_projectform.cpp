#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "mainwindowfixture.h"
#include "project/projectdialogs.h"
#include "project/projectform.h"
#include "scriptedprompts.h"
#include "shell/mainform.h"
#include "testconfig.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {


} // namespace

class TestProjectForm : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    Tprojectform *project() const { return main->projectWindow(); }

    void newProject(const QString &name)
    {
        prompts->answerDialog([name](QDialog &d) {
            auto &dialog = static_cast<Tprojectname &>(d);
            QTest::keyClicks(dialog.nameEdit, name);
            dialog.okButton->click();
        });
        project()->newProject();
    }

private Q_SLOTS:
    void init()
    {
        // Not waited for: the activation test expects the project window
        // to open before the main window has been made active.
        QVERIFY(startMainWindow(1, QSize(), QByteArray(), false));
        main->action(MainAction::ProjectControl)->trigger();
        QVERIFY(project());
    }

    void cleanup()
    {
        if (project()) {
            if (project()->isModified())
                prompts->answerMessage(Prompts::Button::No);
            project()->close();
        }
        stopMainWindow();
    }

    void nameRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("ok");
        QTest::newRow("letters") << "site" << "site" << true;
        QTest::newRow("digit") << "site2" << "site2" << false;
        QTest::newRow("space") << "my site" << "my site" << false;
        QTest::newRow("underscore") << "my_site" << "my_site" << false;
        QTest::newRow("umlaut") << "grün" << "grün" << false;
        QTest::newRow("nine letters") << "abcdefghi" << "abcdefgh" << true;
        QTest::newRow("empty") << "" << "" << false;
    }
    void nameRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, ok);
        Tprojectname dialog;
        QVERIFY(!dialog.okButton->isEnabled());
        dialog.nameEdit->setText(typed);
        QCOMPARE(dialog.nameEdit->text(), kept);
        QCOMPARE(dialog.okButton->isEnabled(), ok);
    }

    // The window's own Alt+letter keys win over the main window's menus,
    // also where a menu has the same letter (Alt+D, Defined).
    void ownMnemonicsWinOverTheMenus()
    {
        main->newBlankDocument();
        project()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(project()));
        // Add snippet is off without a project: the key does nothing.
        QTest::keyClick(project()->fileList, Qt::Key_D, Qt::AltModifier);
        QVERIFY(!QApplication::activePopupWidget());
        newProject(QStringLiteral("site"));
        prompts->answerDialog([](QDialog &snippet) { snippet.reject(); });
        QTest::keyClick(project()->fileList, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(prompts->pending(), 0);
        QVERIFY(!QApplication::activePopupWidget());
    }

    // A closing dialog gives the activation back to the window it came from,
    // whichever window the desktop hands it to.
    void dialogsGiveTheActivationBack()
    {
        project()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(project()));
        QWidget elsewhere;
        prompts->answerDialog([&elsewhere](QDialog &name) {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            name.reject();
        });
        project()->newProject();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(project()));
    }

    void newProjectEnablesAddingAndShowsStatus()
    {
        QVERIFY(!project()->saveButton->isEnabled());
        QVERIFY(!project()->addFilesButton->isEnabled());
        newProject(QStringLiteral("site"));
        QVERIFY(project()->saveButton->isEnabled());
        QVERIFY(project()->addSnippetButton->isEnabled());
        QCOMPARE(project()->projectLabel->text(), QStringLiteral("Project name: site.mvp  0/0"));
    }

    void addingTheSamePathKeepsOneEntry()
    {
        newProject(QStringLiteral("site"));
        writeTestFile(path("b.htm"), "b");
        writeTestFile(path("A.htm"), "a");
        prompts->answerOpen({path("b.htm"), path("A.htm"), path("b.htm")});
        project()->addFiles();
        QCOMPARE(project()->fileList->count(), 2);
        QCOMPARE(project()->fileList->item(0)->text(), path("A.htm")); // sorted
        QVERIFY(project()->isModified());
        main->openFiles({path("b.htm")});
        main->action(MainAction::AddFileToProject)->trigger();
        QCOMPARE(project()->fileList->count(), 2);
    }

    void openEntriesMissingOrAlreadyOpen()
    {
        newProject(QStringLiteral("site"));
        writeTestFile(path("open.htm"), "o");
        writeTestFile(path("closed.htm"), "c");
        main->openFiles({path("open.htm")});
        for (const char *name : {"open.htm", "closed.htm", "gone.htm"})
            project()->addFile(path(name));
        project()->selectAllFiles();
        prompts->answerMessage(Prompts::Button::Ok, path("gone.htm") + " does not exists. The file could not be opened");
        project()->openFiles();
        QCOMPARE(main->EditorCount(), 2);
    }

    void entryReachingAnOpenFileByAnotherPathOpensNothing()
    {
        newProject(QStringLiteral("site"));
        writeTestFile(path("page.htm"), "p");
        QVERIFY(QFile::link(path("page.htm"), path("link.htm")));
        main->openFiles({path("page.htm")});
        project()->addFile(path("link.htm"));
        project()->selectAllFiles();
        project()->openFiles();
        QCOMPARE(main->EditorCount(), 1);
    }

    void snippetsCopyIntoTheActiveEditor()
    {
        newProject(QStringLiteral("site"));
        prompts->answerDialog([](QDialog &d) {
            auto &dialog = static_cast<Tsnipform &>(d);
            QVERIFY(!dialog.okButton->isEnabled());
            dialog.textEdit->setPlainText(QStringLiteral("<hr>\nline"));
            dialog.okButton->click();
        });
        project()->addSnippet();
        QCOMPARE(project()->project().snippets, QStringList{"<hr>\r\nline"});
        main->newBlankDocument();
        Teditform *editor = main->activeEditor();
        project()->snippetList->setCurrentRow(0);
        project()->copySnippet();
        QCOMPARE(editor->memo()->Text(), QStringLiteral("<hr>\r\nline"));
        // Over a selection it asks first; Cancel leaves the text alone.
        editor->memo()->SetSelStart(0);
        editor->memo()->SetSelLength(4);
        prompts->answerMessage(Prompts::Button::Cancel, QStringLiteral("You have \"selected\" text"));
        project()->copySnippet();
        QCOMPARE(editor->memo()->Text(), QStringLiteral("<hr>\r\nline"));
        editor->undo();
        QCOMPARE(editor->memo()->Text(), QString());
    }

    void saveAndOpenAgain()
    {
        newProject(QStringLiteral("site"));
        project()->addFile(path("x.htm"));
        prompts->answerSave(path("site.mvp"));
        QVERIFY(project()->saveProject());
        QVERIFY(!project()->isModified());
        prompts->answerDialog([](QDialog &d) {
            auto &dialog = static_cast<Tprojectname &>(d);
            dialog.nameEdit->setText(QStringLiteral("other"));
            dialog.okButton->click();
        });
        project()->newProject();
        QCOMPARE(project()->fileList->count(), 0);
        prompts->answerOpen({path("site.mvp")});
        project()->openProject();
        QCOMPARE(project()->project().files, QStringList{path("x.htm")});
        QCOMPARE(project()->projectName(), QStringLiteral("site.mvp"));

        writeTestFile(path("bad.mvp"), "[files]\r\nx\r\n");
        prompts->answerOpen({path("bad.mvp")});
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("Not a valid file."));
        project()->openProject();
        QCOMPARE(project()->project().files, QStringList{path("x.htm")});
    }

    void projectSurvivesCancelAndFailedSave_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("saveTo"); // empty: the save dialog is cancelled
        QTest::newRow("cancel") << false << QString();
        QTest::newRow("save cancelled") << true << QString();
        QTest::newRow("save failed") << true << QStringLiteral("missing/site.mvp");
    }

    void projectSurvivesCancelAndFailedSave()
    {
        QFETCH(bool, yes);
        QFETCH(QString, saveTo);
        newProject(QStringLiteral("site"));
        project()->addFile(path("x.htm"));
        const auto answerQuestion = [&] {
            prompts->answerMessage(yes ? Prompts::Button::Yes : Prompts::Button::Cancel,
                                   QStringLiteral("modified since the last save"));
            if (yes)
                prompts->answerSave(saveTo.isEmpty() ? QString() : dir.filePath(saveTo));
            if (!saveTo.isEmpty())
                prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("could not be saved"));
        };
        answerQuestion();
        QVERIFY(!main->close());
        answerQuestion();
        project()->newProject(); // New asks no name: the command was abandoned
        QVERIFY(project());
        QVERIFY(project()->isModified());
        QCOMPARE(project()->project().files, QStringList{path("x.htm")});
        QVERIFY(main->action(MainAction::FocusProject)->isVisible());
        QCOMPARE(prompts->pending(), 0);
    }

    void ctrlPSwapsBetweenOpeningAndFocusing()
    {
        QVERIFY(!main->action(MainAction::ProjectControl)->isVisible());
        QCOMPARE(main->action(MainAction::FocusProject)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QVERIFY(main->action(MainAction::ProjectControl)->shortcut().isEmpty());
        project()->close();
        QTRY_VERIFY(!project());
        QVERIFY(main->action(MainAction::ProjectControl)->isVisible());
        QCOMPARE(main->action(MainAction::ProjectControl)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QVERIFY(!main->action(MainAction::AddFileToProject)->isVisible());
        main->action(MainAction::ProjectControl)->trigger();
        QVERIFY(project());
    }
};

QTEST_MAIN(TestProjectForm)
#include "tst_projectform.moc"

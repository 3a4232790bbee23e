#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "mainwindowfixture.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "shell/mainform.h"
#include "testconfig.h"
#include "testfiles.h"
#include "wizards/framewizardpage.h"
#include "wizards/frwizard1.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <unistd.h>

namespace {

using Step = std::function<void(QDialog &)>;

// Answers the wizard's pages in order, as a user would: each step fills the
// page shown and presses one of its buttons.
class PageScript
{
public:
    explicit PageScript(ScriptedPrompts &prompts) : m_prompts(prompts) {}

    PageScript &then(const char *page, Step step)
    {
        m_prompts.answerDialog([expected = QLatin1String(page), step](QDialog &shown) {
            QCOMPARE(shown.objectName(), expected);
            step(shown);
        });
        return *this;
    }

private:
    ScriptedPrompts &m_prompts;
};

void press(QDialog &page, const char *button)
{
    page.findChild<QAbstractButton *>(QLatin1String(button))->click();
}

// Next, or OK on the last page.
void proceed(QDialog &page)
{
    qobject_cast<FrameWizardPage *>(&page)->proceedButton()->click();
}

const Step proceeding = proceed;

const Step cancelling = [](QDialog &page) {
    if (auto *first = qobject_cast<Tfrwizard1 *>(&page))
        first->cancelButton()->click();
    else
        qobject_cast<FrameWizardPage *>(&page)->cancelButton()->click();
};

Step choosingLayout(int layout)
{
    return [layout](QDialog &page) { qobject_cast<Tfrwizard1 *>(&page)->layoutButton(layout)->click(); };
}

void type(QDialog &page, const char *box, const QString &text)
{
    page.findChild<QLineEdit *>(QLatin1String(box))->setText(text);
}

// Names page of a two-frame layout: the three file names, then Next.
Step twoFiles(const char *file1, const char *file2, const char *page)
{
    return [=](QDialog &p) {
        type(p, "Edit3", QLatin1String(file1));
        type(p, "Edit4", QLatin1String(file2));
        type(p, "Edit5", QLatin1String(page));
        proceed(p);
    };
}

Step threeFiles(const char *file1, const char *file2, const char *file3, const char *page)
{
    return [=](QDialog &p) {
        type(p, "Edit4", QLatin1String(file1));
        type(p, "Edit5", QLatin1String(file2));
        type(p, "Edit6", QLatin1String(file3));
        type(p, "Edit7", QLatin1String(page));
        proceed(p);
    };
}

Step directory(const QString &path)
{
    return [=](QDialog &p) {
        type(p, "DirectoryEdit1", path);
        proceed(p);
    };
}


const QByteArray FramePage = "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body text=\"#\">\r\n\r\n"
                             "</body>\r\n</html>\r\n";

} // namespace

// The whole frames wizard from the main window's menu: pages, questions,
// checks, and the documents it leaves saved in editor windows.
class TestFramesWizard : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString &name) const { return dir->filePath(name); }
    bool framesEnabled() const { return main->action(MainAction::FramesWizard)->isEnabled(); }
    void runWizard() { main->action(MainAction::FramesWizard)->trigger(); }
    QStringList filesInDir() const { return QDir(dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

    // Layout 1 through the three pages with the given file names.
    void layout1(PageScript &script, const char *left, const char *right, const char *page)
    {
        script.then("Tfrwizard1", choosingLayout(1))
            .then("Tlayout1form", proceeding)
            .then("Tlayout11form", twoFiles(left, right, page))
            .then("Tlayout111form", proceeding);
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(startMainWindow());
        settings().SaveDir = dir->path();
    }

    void cleanup()
    {
        stopMainWindow();
    }

    void doesNothingWhileADocumentIsOpen()
    {
        main->newBlankDocument();
                runWizard();
        QCOMPARE(main->EditorCount(), 1);
        QVERIFY(filesInDir().isEmpty());
    }

    void cancelOnAnyPageWritesNothing_data()
    {
        QTest::addColumn<int>("pages"); // pages confirmed before Cancel
        QTest::newRow("first page") << 0;
        QTest::newRow("size page") << 1;
        QTest::newRow("names page") << 2;
        QTest::newRow("options page") << 3;
        QTest::newRow("directory") << 4;
    }

    void cancelOnAnyPageWritesNothing()
    {
        QFETCH(int, pages);
        PageScript script(*prompts);
        const std::pair<const char *, Step> run[] = {
            {"Tfrwizard1", choosingLayout(2)},
            {"Tlayout2form", proceeding},
            {"Tlayout22form", twoFiles("top.htm", "bottom.htm", "index.htm")},
            {"Tlayout222form", proceeding},
            {"Tdirdia", proceeding},
        };
        for (int k = 0; k < pages; ++k)
            script.then(run[k].first, run[k].second);
        script.then(run[pages].first, cancelling);
        runWizard();
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(main->EditorCount(), 0);
        QVERIFY(filesInDir().isEmpty());
        QVERIFY(framesEnabled());
    }

    void generatesAndSavesEveryPage()
    {
        PageScript script(*prompts);
        layout1(script, "menu.htm", "main.htm", "index.htm");
        script.then("Tdirdia", proceeding); // preset with SaveDir
        runWizard();
        QCOMPARE(prompts->pending(), 0);

        QCOMPARE(readTestFile(path("index.htm")),
                 QByteArray("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n"
                            "<frameset cols=\"50%,*\" border=\"0\" frameborder=\"0\">\r\n"
                            "<frame src=\"menu.htm\" name=\"leftframe\" scrolling=\"Auto\" marginwidth=\"0\" "
                            "marginheight=\"0\">\r\n"
                            "<frame src=\"main.htm\" name=\"rightframe\" scrolling=\"Yes\" marginwidth=\"0\" "
                            "marginheight=\"0\">\r\n"
                            "</frameset>\r\n</html>\r\n"));
        QCOMPARE(readTestFile(path("menu.htm")), FramePage);
        QCOMPARE(readTestFile(path("main.htm")), FramePage);

        const QList<Teditform *> editors = main->editors();
        QCOMPARE(main->EditorCount(), 3);
        QCOMPARE(editors.size(), 3);
        const QStringList order = {"index.htm", "menu.htm", "main.htm"};
        for (int k = 0; k < 3; ++k) {
            Teditform *editor = editors.at(k);
            QCOMPARE(editor->document().fileName(), path(order[k]));
            QCOMPARE(editor->windowTitle(), order[k]);
            QCOMPARE(editor->memo()->SelStart(), 23);
            QVERIFY(!editor->memo()->Modified());
            QVERIFY(!editor->commands().undo->isEnabled());
        }
        QCOMPARE(main->activeEditor(), editors.last());
        QCOMPARE(main->statusText(4), path("main.htm"));
        QCOMPARE(main->statusText(2), QString());
        QVERIFY(!main->action(MainAction::UndoButton)->isEnabled());

        // Frames1 comes back only when the last window has gone.
        QVERIFY(!framesEnabled());
        editors.at(0)->close();
        editors.at(1)->close();
        QVERIFY(!framesEnabled());
        editors.at(2)->close();
        QVERIFY(framesEnabled());
    }

    void sizesAndExistingFrameReachThePage()
    {
        // Layout 3: the upper frame 100 pixels, the left one 20 percent, and
        // the right frame an existing file of the user's.
        writeTestFile(path("right.htm"), "mine");
        PageScript script(*prompts);
        script.then("Tfrwizard1", choosingLayout(3))
            .then("Tlayout3form",
                  [](QDialog &p) {
                      press(p, "RadioButton2");
                      type(p, "Edit1", QStringLiteral("100"));
                      proceed(p);
                  })
            .then("Tlayout33form",
                  [](QDialog &p) {
                      press(p, "RadioButton4");
                      threeFiles("top.htm", "left.htm", "right.htm", "index.html")(p);
                  })
            .then("Tlayout333form", [](QDialog &p) {
                press(p, "RadioButton1");
                proceed(p);
            })
            .then("Tdirdia", proceeding);
        runWizard(); // no overwrite question for the existing file
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(readTestFile(path("index.html")),
                 QByteArray("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n"
                            "<frameset rows=\"100,*\" border=\"0\" frameborder=\"0\">\r\n"
                            "<frame src=\"top.htm\" name=\"topframe\" scrolling=\"No\" noresize "
                            "marginwidth=\"0\" marginheight=\"0\">\r\n"
                            "<frameset cols=\"20%,*\" border=\"1\" frameborder=\"1\">\r\n"
                            "<frame src=\"left.htm\" name=\"leftframe\" scrolling=\"Auto\" noresize "
                            "marginwidth=\"0\" marginheight=\"0\">\r\n"
                            "<frame src=\"right.htm\" name=\"rightframe\" scrolling=\"Auto\" noresize "
                            "marginwidth=\"0\" marginheight=\"0\">\r\n"
                            "</frameset>\r\n</frameset>\r\n</html>\r\n"));
        QCOMPARE(readTestFile(path("right.htm")), QByteArray("mine"));
        QCOMPARE(main->EditorCount(), 3);
    }

    void layout4PixelWidth()
    {
        PageScript script(*prompts);
        script.then("Tfrwizard1", choosingLayout(4))
            .then("Tlayout4form",
                  [](QDialog &p) {
                      press(p, "RadioButton5");
                      type(p, "Edit2", QStringLiteral("180"));
                      proceed(p);
                  })
            .then("Tlayout44form", threeFiles("nav.htm", "head.htm", "body.htm", "index.htm"))
            .then("Tlayout444form", proceeding)
            .then("Tdirdia", directory(dir->path() + QLatin1Char('/')));
        runWizard();
        const QByteArray page = readTestFile(path("index.htm"));
        QVERIFY2(page.contains("<frameset cols=\"180,*\" border=\"0\" frameborder=\"0\">\r\n"
                               "<frame src=\"nav.htm\" name=\"leftframe\""),
                 page.constData());
        QVERIFY(page.contains("<frameset rows=\"20%,*\" border=\"0\" frameborder=\"0\">"));
        QCOMPARE(main->editors().value(0)->document().fileName(), path("index.htm"));
        QCOMPARE(main->EditorCount(), 4);
    }

    void missingDirectoryIsCreatedOnYesOnly_data()
    {
        QTest::addColumn<Prompts::Button>("answer");
        QTest::newRow("no") << Prompts::Button::No;
        QTest::newRow("yes") << Prompts::Button::Yes;
    }

    void missingDirectoryIsCreatedOnYesOnly()
    {
        QFETCH(Prompts::Button, answer);
        const QString target = path("site/pages");
        PageScript script(*prompts);
        layout1(script, "a.htm", "b.htm", "index.htm");
        script.then("Tdirdia", directory(target));
        prompts->answerMessage(answer, QStringLiteral("Specified directory does not exist\r\nDo you want the "
                                                      "editor to create it ?"));
        runWizard();
        const Prompts::Message question = prompts->messages().value(0);
        QCOMPARE(question.buttons, Prompts::Button::Yes | Prompts::Button::No | Prompts::Button::Help);
        QCOMPARE(question.helpContext, 5104);
        const bool yes = answer == Prompts::Button::Yes;
        QCOMPARE(QFileInfo(target).isDir(), yes);
        QCOMPARE(QFile::exists(target + QLatin1String("/index.htm")), yes);
        QCOMPARE(main->EditorCount(), yes ? 3 : 0);
    }

    void overwriteQuestionsInOrder_data()
    {
        QTest::addColumn<QList<Prompts::Button>>("answers");
        QTest::addColumn<bool>("written");
        QTest::newRow("no to the second") << QList<Prompts::Button>{Prompts::Button::Yes, Prompts::Button::No}
                                          << false;
        QTest::newRow("yes to all") << QList<Prompts::Button>{Prompts::Button::Yes, Prompts::Button::Yes,
                                                               Prompts::Button::Yes}
                                    << true;
    }

    void overwriteQuestionsInOrder()
    {
        QFETCH(QList<Prompts::Button>, answers);
        QFETCH(bool, written);
        for (const char *name : {"index.htm", "a.htm", "b.htm"})
            writeTestFile(path(QLatin1String(name)), "old");
        PageScript script(*prompts);
        layout1(script, "a.htm", "b.htm", "index.htm");
        script.then("Tdirdia", proceeding);
        const char *order[] = {"index.htm", "a.htm", "b.htm"};
        for (int k = 0; k < answers.size(); ++k)
            prompts->answerMessage(answers[k], path(QLatin1String(order[k])) + QLatin1String(" already exists\r\n"
                                                                                            "Do you want to "
                                                                                            "overwrite it ?"));
        runWizard();
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(readTestFile(path("a.htm")) == FramePage, written);
        QCOMPARE(readTestFile(path("index.htm")) == "old", !written);
        QCOMPARE(main->EditorCount(), written ? 3 : 0);
    }

    void directoryThatCannotBeUsed_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("error");
        QTest::newRow("under a file") << "plain/new" << true << "could not be created";
        QTest::newRow("under a read-only directory") << "locked/new" << true << "could not be created";
        QTest::newRow("read-only") << "locked" << false << "may not write";
    }

    void directoryThatCannotBeUsed()
    {
        QFETCH(QString, target);
        QFETCH(bool, missing);
        QFETCH(QString, error);
        if (target.startsWith(QLatin1String("locked")) && geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        writeTestFile(path("plain"), "x");
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("locked")));
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        PageScript script(*prompts);
        layout1(script, "a.htm", "b.htm", "index.htm");
        script.then("Tdirdia", directory(path(target)));
        if (missing)
            prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("does not exist"));
        prompts->answerMessage(Prompts::Button::Ok, error);
        runWizard();
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(prompts->messages().constLast().kind, Prompts::Kind::Error);
        QCOMPARE(filesInDir(), QStringList({"locked", "plain"}));
        QVERIFY(QDir(path("locked")).isEmpty());
        QCOMPARE(main->EditorCount(), 0);
        QVERIFY(framesEnabled());
    }

    void failedSaveStopsTheRun()
    {
        // A directory in the way of the first frame page.
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("a.htm")));
        PageScript script(*prompts);
        layout1(script, "a.htm", "b.htm", "index.htm");
        script.then("Tdirdia", proceeding);
        prompts->answerMessage(Prompts::Button::Yes, QStringLiteral("already exists"));
        prompts->answerMessage(Prompts::Button::Ok, path("a.htm"));
        runWizard();
        QCOMPARE(prompts->messages().constLast().kind, Prompts::Kind::Error);
        QCOMPARE(readTestFile(path("index.htm")).left(6), QByteArray("<html>"));
        QVERIFY(!QFile::exists(path("b.htm")));
        QCOMPARE(main->EditorCount(), 2);
        Teditform *failed = main->activeEditor();
        QCOMPARE(failed->document().fileName(), path("a.htm"));
        QVERIFY(failed->memo()->Text().startsWith(QLatin1String("<html>\r\n<head>")));
        QVERIFY(failed->memo()->Modified());
        QVERIFY(!framesEnabled());
    }
};

QTEST_MAIN(TestFramesWizard)
#include "tst_frameswizard.moc"

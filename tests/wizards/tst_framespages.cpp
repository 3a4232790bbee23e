#include "scriptedprompts.h"
#include "settings/settings.h"
#include "wizards/dirdia.h"
#include "wizards/framepreview.h"
#include "wizards/framesetdescription.h"
#include "wizards/frwizard1.h"
#include "wizards/layoutpages.h"
#include "wizards/updown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>

namespace {

template<typename Widget = QWidget>
Widget *child(QObject &page, const QString &name)
{
    auto *widget = page.findChild<Widget *>(name);
    if (!widget)
        qWarning("no %s named %s", Widget::staticMetaObject.className(), qPrintable(name));
    return widget;
}

void type(QObject &page, const QString &name, const QString &text)
{
    child<QLineEdit>(page, name)->setText(text);
}

void check(QObject &page, const QString &name)
{
    child<QAbstractButton>(page, name)->setChecked(true);
}

struct LanguageScope
{
    explicit LanguageScope(int lang) : previous(settings().Lang) { settings().Lang = lang; }
    ~LanguageScope() { settings().Lang = previous; }
    int previous;
};

} // namespace

// The frames wizard's pages, built for each layout from its configuration:
// controls, defaults, enabling rules, the values they hand on, and captions.
class TestFramesPages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScriptedPrompts> prompts;

private Q_SLOTS:
    void init()
    {
        settings().Lang = English;
        prompts = std::make_unique<ScriptedPrompts>();
    }

    void cleanup() { prompts.reset(); }

    void firstPageChoosesTheClickedLayout()
    {
        for (int layout = 1; layout <= 4; ++layout) {
            Tfrwizard1 page;
            QCOMPARE(page.layout(), 0);
            page.layoutButton(layout)->click();
            QCOMPARE(page.result(), int(QDialog::Accepted));
            QCOMPARE(page.layout(), layout);
            QCOMPARE(page.layoutButton(layout)->iconSize(), QSize(80, 60));
        }
        Tfrwizard1 page;
        page.cancelButton()->click();
        QCOMPARE(page.result(), int(QDialog::Rejected));
        QCOMPARE(page.layout(), 0);
    }

    void sizePageDefaults_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("upDowns");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        QTest::newRow("1") << 1 << QStringList{"UpDown1"} << QStringList{"Label4"} << QStringList{"Edit1"}
                           << "50%" << "";
        QTest::newRow("2") << 2 << QStringList{"UpDown1"} << QStringList{"Label4"} << QStringList{"Edit1"}
                           << "50%" << "";
        QTest::newRow("3") << 3 << QStringList{"UpDown1", "UpDown2"} << QStringList{"Label5", "Label6"}
                           << QStringList{"Edit1", "Edit2"} << "20%" << "20%";
        QTest::newRow("4") << 4 << QStringList{"UpDown1", "UpDown2"} << QStringList{"Label3", "Label4"}
                           << QStringList{"Edit1", "Edit2"} << "20%" << "20%";
    }

    void sizePageDefaults()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, upDowns);
        QFETCH(QStringList, values);
        QFETCH(QStringList, edits);
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        std::unique_ptr<SizePage> page = createSizePage(layout);
        const int start = layout <= 2 ? 50 : 20;
        for (int k = 0; k < upDowns.size(); ++k) {
            QCOMPARE(child<UpDown>(*page, upDowns[k])->value(), start);
            QVERIFY(child<UpDown>(*page, upDowns[k])->isEnabled());
            QCOMPARE(child<QLabel>(*page, values[k])->text(), QString::number(start));
            QVERIFY(child<QLineEdit>(*page, edits[k])->text().isEmpty());
            QVERIFY(!child<QLineEdit>(*page, edits[k])->isEnabled());
        }
        QVERIFY(!page->findChild<FramePreview *>()->isGrey());
        QCOMPARE(page->windowTitle(), QStringLiteral("Frame wizard"));
        QCOMPARE(page->focusWidget(), child<UpDown>(*page, upDowns[0]));
        FramesetDescription d;
        page->readInto(d);
        QCOMPARE(d.outerSize, outer);
        QCOMPARE(d.innerSize, inner);
    }

    void sizeStepsMovePreview()
    {
        std::unique_ptr<SizePage> page = createSizePage(4);
        auto *left = child<UpDown>(*page, QStringLiteral("UpDown2"));  // outer: left width
        auto *upper = child<UpDown>(*page, QStringLiteral("UpDown1")); // inner: upper height
        left->stepBy(13);
        upper->stepBy(-20);
        upper->stepBy(-1); // stays at the bottom of the range
        QCOMPARE(child<QLabel>(*page, QStringLiteral("Label4"))->text(), QStringLiteral("33"));
        QCOMPARE(child<QLabel>(*page, QStringLiteral("Label3"))->text(), QStringLiteral("0"));
        const QList<QWidget *> panes = page->findChild<FramePreview *>()->panes();
        // The panes sit inside a one-pixel border.
        QCOMPARE(panes.at(0)->geometry(), QRect(1, 1, 53, 120));
        QCOMPARE(panes.at(1)->geometry(), QRect(54, 1, 107, 0));
        QCOMPARE(panes.at(2)->geometry(), QRect(54, 1, 107, 120));
        FramesetDescription d;
        page->readInto(d);
        QCOMPARE(d.outerSize, QStringLiteral("33%"));
        QCOMPARE(d.innerSize, QStringLiteral("0%"));
    }

    void pixelsSwitchControlsAndPreview()
    {
        // Layout 3: Pixels for the upper frame, Percentage for the left one.
        std::unique_ptr<SizePage> page = createSizePage(3);
        auto *preview = page->findChild<FramePreview *>();
        check(*page, QStringLiteral("RadioButton2"));
        QVERIFY(child<QLineEdit>(*page, QStringLiteral("Edit1"))->isEnabled());
        QVERIFY(child<QLabel>(*page, QStringLiteral("Label2"))->isEnabled());
        QVERIFY(!child<QLabel>(*page, QStringLiteral("Label1"))->isEnabled());
        QVERIFY(!child<UpDown>(*page, QStringLiteral("UpDown1"))->isEnabled());
        QVERIFY(preview->isGrey());
        check(*page, QStringLiteral("RadioButton4"));
        check(*page, QStringLiteral("RadioButton1"));
        QVERIFY(preview->isGrey()); // the left frame still counts in pixels
        check(*page, QStringLiteral("RadioButton3"));
        QVERIFY(!preview->isGrey());

        check(*page, QStringLiteral("RadioButton2"));
        type(*page, QStringLiteral("Edit1"), QStringLiteral("100"));
        type(*page, QStringLiteral("Edit2"), QStringLiteral("ignored"));
        FramesetDescription d;
        page->readInto(d);
        QCOMPARE(d.outerSize, QStringLiteral("100"));
        QCOMPARE(d.innerSize, QStringLiteral("20%"));
    }

    void sizeWithQuoteIsRefused()
    {
        std::unique_ptr<SizePage> page = createSizePage(1);
        check(*page, QStringLiteral("RadioButton2"));
        type(*page, QStringLiteral("Edit1"), QStringLiteral("10\" onload=\"x"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("double quote"));
        page->proceedButton()->click();
        QCOMPARE(page->result(), int(QDialog::Rejected));
        QCOMPARE(prompts->messages().value(0).kind, Prompts::Kind::Error);
        type(*page, QStringLiteral("Edit1"), QStringLiteral("200"));
        page->proceedButton()->click();
        QCOMPARE(page->result(), int(QDialog::Accepted));
    }

    void namesPageDefaults_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("frameNames");
        QTest::addColumn<QStringList>("fileBoxes");
        QTest::addColumn<QStringList>("newFile");
        QTest::newRow("1") << 1 << QStringList{"leftframe", "rightframe"} << QStringList{"Edit3", "Edit4", "Edit5"}
                           << QStringList{"RadioButton2", "RadioButton4"};
        QTest::newRow("2") << 2 << QStringList{"topframe", "bottomframe"} << QStringList{"Edit3", "Edit4", "Edit5"}
                           << QStringList{"RadioButton2", "RadioButton4"};
        QTest::newRow("3") << 3 << QStringList{"topframe", "leftframe", "rightframe"}
                           << QStringList{"Edit4", "Edit5", "Edit6", "Edit7"}
                           << QStringList{"RadioButton2", "RadioButton3", "RadioButton5"};
        QTest::newRow("4") << 4 << QStringList{"leftframe", "topframe", "bottomframe"}
                           << QStringList{"Edit4", "Edit5", "Edit6", "Edit7"}
                           << QStringList{"RadioButton2", "RadioButton3", "RadioButton5"};
    }

    void namesPageDefaults()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, frameNames);
        QFETCH(QStringList, fileBoxes);
        QFETCH(QStringList, newFile);
        std::unique_ptr<NamesPage> page = createNamesPage(layout);
        for (int k = 0; k < frameNames.size(); ++k) {
            QCOMPARE(child<QLineEdit>(*page, QStringLiteral("Edit%1").arg(k + 1))->text(), frameNames[k]);
            QVERIFY(child<QRadioButton>(*page, newFile[k])->isChecked());
        }
        for (const QString &box : fileBoxes)
            QCOMPARE(child<QLineEdit>(*page, box)->text(), QStringLiteral(".htm"));
        QVERIFY(!page->proceedButton()->isEnabled());
        QCOMPARE(page->focusWidget(), child<QLineEdit>(*page, fileBoxes.first()));
    }

    // Next follows the file boxes: each a page name, all different.
    void namesPageNext_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("next");
        QTest::newRow("same base name") << QStringList{"a.htm", "a.htm", "a.htm"} << false;
        QTest::newRow("two alike") << QStringList{"a.htm", "b.htm", "a.htm"} << false;
        QTest::newRow("all different") << QStringList{"a.htm", "b.html", "index.htm"} << true;
        QTest::newRow("case differs") << QStringList{"a.htm", "A.htm", "index.htm"} << true;
        QTest::newRow("bare extension") << QStringList{"a.htm", ".htm", "index.htm"} << false;
        QTest::newRow("upper-case extension") << QStringList{"a.htm", "b.HTM", "index.htm"} << false;
    }

    void namesPageNext()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, next);
        std::unique_ptr<NamesPage> page = createNamesPage(2);
        for (int k = 0; k < 3; ++k)
            type(*page, QStringLiteral("Edit%1").arg(k + 3), files[k]);
        QCOMPARE(page->proceedButton()->isEnabled(), next);
    }

    void namesPageHandsOnItsValues()
    {
        std::unique_ptr<NamesPage> page = createNamesPage(3);
        type(*page, QStringLiteral("Edit2"), QString());
        for (const char *box : {"Edit4", "Edit5", "Edit6", "Edit7"})
            type(*page, QLatin1String(box), QLatin1String(box) + QLatin1String(".htm"));
        check(*page, QStringLiteral("RadioButton1"));
        page->proceedButton()->click();
        QCOMPARE(page->result(), int(QDialog::Accepted));
        FramesetDescription d;
        d.layout = 3;
        page->readInto(d);
        QCOMPARE(d.frames[0].name, QStringLiteral("topframe"));
        QCOMPARE(d.frames[1].name, QString());
        QCOMPARE(d.frames[2].path, QStringLiteral("Edit6.htm"));
        QCOMPARE(d.framesetPath, QStringLiteral("Edit7.htm"));
        QCOMPARE(QList<bool>({d.frames[0].existingFile, d.frames[1].existingFile, d.frames[2].existingFile}),
                 QList<bool>({false, true, false}));
    }

    void namesThatWouldEscapeOrBreakThePageAreRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("sub directory") << "Edit3" << "sub/a.htm" << "may not contain \"/\"";
        QTest::newRow("parent directory") << "Edit5" << "..htm" << "may not contain \"/\" or \"..\"";
        QTest::newRow("quote in frame name") << "Edit1" << "a\"b" << "double quote";
    }

    void namesThatWouldEscapeOrBreakThePageAreRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        std::unique_ptr<NamesPage> page = createNamesPage(1);
        type(*page, QStringLiteral("Edit3"), QStringLiteral("a.htm"));
        type(*page, QStringLiteral("Edit4"), QStringLiteral("b.htm"));
        type(*page, QStringLiteral("Edit5"), QStringLiteral("c.htm"));
        type(*page, box, text);
        prompts->answerMessage(Prompts::Button::Ok, message);
        page->proceedButton()->click();
        QCOMPARE(page->result(), int(QDialog::Rejected));
        QVERIFY(prompts->messages().value(0).text.startsWith(text + QLatin1String("\r\n")));
    }

    void fileBoxPutsCaretBeforeExtension()
    {
        std::unique_ptr<NamesPage> page = createNamesPage(1);
        page->show();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        auto *box = child<QLineEdit>(*page, QStringLiteral("Edit4"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("main"));
        QCOMPARE(box->text(), QStringLiteral("main.htm"));
    }

    void optionsDefaults_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("scrolling");
        QTest::addColumn<bool>("noResize");
        QTest::newRow("1") << 1 << QStringList{"Auto", "Yes"} << false;
        QTest::newRow("2") << 2 << QStringList{"No", "Auto"} << false;
        QTest::newRow("3") << 3 << QStringList{"No", "Auto", "Auto"} << true;
        QTest::newRow("4") << 4 << QStringList{"No", "Auto", "Auto"} << true;
    }

    void optionsDefaults()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, scrolling);
        QFETCH(bool, noResize);
        std::unique_ptr<OptionsPage> page = createOptionsPage(layout);
        FramesetDescription d;
        d.outerBorder = d.innerBorder = true;
        page->readInto(d);
        QVERIFY(!d.outerBorder);
        QVERIFY(!d.innerBorder);
        for (int k = 0; k < scrolling.size(); ++k) {
            QCOMPARE(d.frames[size_t(k)].scrolling, scrolling[k]);
            QCOMPARE(d.frames[size_t(k)].noResize, noResize);
            QVERIFY(!d.frames[size_t(k)].horizontalMargin);
            QVERIFY(!d.frames[size_t(k)].verticalMargin);
        }
        if (layout <= 2)
            QCOMPARE(page->focusWidget(), page->proceedButton());
    }

    void optionsHandOnTheirValues()
    {
        std::unique_ptr<OptionsPage> page = createOptionsPage(4);
        for (const char *name : {"rb1", "RadioButton1", "RadioButton6", "RadioButton8", "RadioButton10",
                                 "CheckBox2", "CheckBox6"})
            check(*page, QLatin1String(name));
        child<QCheckBox>(*page, QStringLiteral("CheckBox8"))->setChecked(false);
        FramesetDescription d;
        page->readInto(d);
        QVERIFY(d.outerBorder);
        QVERIFY(d.innerBorder);
        QCOMPARE(QStringList({d.frames[0].scrolling, d.frames[1].scrolling, d.frames[2].scrolling}),
                 QStringList({"Yes", "Auto", "No"}));
        QVERIFY(d.frames[1].horizontalMargin && !d.frames[1].verticalMargin);
        QVERIFY(d.frames[2].verticalMargin && !d.frames[2].horizontalMargin);
        QVERIFY(d.frames[0].noResize && !d.frames[1].noResize && d.frames[2].noResize);
    }

    void directoryDialog()
    {
        Tdirdia page(QStringLiteral("/srv/web"));
        auto *box = child<QLineEdit>(page, QStringLiteral("DirectoryEdit1"));
        QPushButton *ok = page.proceedButton();
        QCOMPARE(box->text(), QStringLiteral("/srv/web"));
        prompts->answerFolder(QStringLiteral("/tmp/chosen"));
        child<QAction>(page, QStringLiteral("BrowseDirectory"))->trigger();
        QCOMPARE(box->text(), QStringLiteral("/tmp/chosen"));
        box->clear();
        QVERIFY(!ok->isEnabled());
        box->setText(QStringLiteral("/tmp/x"));
        ok->click();
        QCOMPARE(page.result(), int(QDialog::Accepted));
        QCOMPARE(page.directory(), QStringLiteral("/tmp/x"));
    }

    // Enter leaves the wizard only while there is no path to go on with.
    void enterInTheDirectoryBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::newRow("empty") << "" << int(QDialog::Rejected);
        QTest::newRow("path") << "/tmp/web" << int(QDialog::Accepted);
    }
    void enterInTheDirectoryBox()
    {
        QFETCH(QString, text);
        QFETCH(int, result);
        Tdirdia page(QStringLiteral("/srv/web"));
        page.show();
        auto *box = child<QLineEdit>(page, QStringLiteral("DirectoryEdit1"));
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(page.result(), result);
        QVERIFY(page.isHidden());
    }

    void captions_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("first page help, Danish") << "Tfrwizard1" << 2 << "BitBtn2" << "&Hjælp";
        QTest::newRow("welcome, German") << "Tfrwizard1" << 3 << "Memo1"
                                         << "Willkommen zur \"Frames wizard\".\nAls erstes wählen Sie sie bitte "
                                            "das Design das Sie benutzen wollen";
        QTest::newRow("size 1 width, German") << "1" << 3 << "Label2" << "Breite des linken Frame in pt";
        QTest::newRow("size 2 height, Danish") << "2" << 2 << "Label1" << "Øvre frames højde i %";
        QTest::newRow("size 2 percentage kept, Danish") << "2" << 2 << "RadioButton1" << "Procent sats";
        QTest::newRow("size 2 help button, German") << "2" << 3 << "BitBtn3" << "&Hilfe";
        QTest::newRow("size 3 percentage, Danish") << "3" << 2 << "RadioButton1" << "Procentsats";
        QTest::newRow("size 4 left in px, Danish") << "4" << 2 << "Label6" << "Venstre frames bredde i px";
        QTest::newRow("size 4 value label") << "4" << 3 << "Label4" << "20";
        QTest::newRow("names 1 second existing, Danish") << "11" << 2 << "RB3" << "Ekstisterende fil";
        QTest::newRow("names 2 second existing, Danish") << "22" << 2 << "RB3" << "Eksisterende fil";
        QTest::newRow("names 2 intro, German") << "22" << 3 << "Label1" << "Die \"Namen\" der Frames eintragen ";
        QTest::newRow("names 4 first existing, Danish") << "44" << 2 << "RB1" << "Existerende fil";
        QTest::newRow("names 4 shared new file, German") << "44" << 3 << "RadioButton5" << "Neues Datei";
        QTest::newRow("options 1 margins, German") << "111" << 3 << "Label9"
                                                   << "Möchten Sie abstand in den Frames haben ? ?";
        QTest::newRow("options 2 heads, Danish") << "222" << 2 << "Label11" << "Nedre frame";
        QTest::newRow("options 3 scrolling, English") << "333" << 1 << "Label3"
                                                      << "When do you want scroll bar s on the frames ?";
        QTest::newRow("options 4 heads, German") << "444" << 3 << "Label14" << "Obere";
        QTest::newRow("options 4 ok, Danish") << "444" << 2 << "BitBtn2" << "&Ok";
        QTest::newRow("no language: English") << "3" << 0 << "Label4" << "Width of left frame in px";
        QTest::newRow("directory, Danish") << "dir" << 2 << "Label1" << "Vælg den folder som filerne vil blive gemt i";
    }

    void captions()
    {
        QFETCH(QString, page);
        QFETCH(int, lang);
        QFETCH(QString, control);
        QFETCH(QString, text);
        LanguageScope language(lang);
        std::unique_ptr<QDialog> dialog;
        if (page == QLatin1String("Tfrwizard1"))
            dialog = std::make_unique<Tfrwizard1>();
        else if (page == QLatin1String("dir"))
            dialog = std::make_unique<Tdirdia>(QString());
        else if (page.size() == 1)
            dialog = createSizePage(page.toInt());
        else if (page.size() == 2)
            dialog = createNamesPage(page.left(1).toInt());
        else
            dialog = createOptionsPage(page.left(1).toInt());
        QObject *object = dialog->findChild<QObject *>(control);
        QVERIFY(object);
        if (auto *memo = qobject_cast<QPlainTextEdit *>(object))
            QCOMPARE(memo->toPlainText(), text);
        else if (auto *label = qobject_cast<QLabel *>(object))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QAbstractButton *>(object)->text(), text);
    }
};

QTEST_MAIN(TestFramesPages)
#include "tst_framespages.moc"

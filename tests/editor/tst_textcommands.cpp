// The text operations, snippets, layer generator and defined tags, run
// through the editor window's own menus on a real memo; message boxes and
// dialogs are answered from a script.
#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "editor/editorhost.h"
#include "editor/snippettexts.h"
#include "editor/tdefform.h"
#include "editor/tdhtmlant.h"
#include "editor/tdhtmlsize.h"
#include "editor/textoperations.h"
#include "editor/tloadform.h"
#include "editor/textbuilders.h"
#include "editor/tposform.h"
#include "scriptedprompts.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "testconfig.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

// The main window as far as an editor window needs one.
class FakeHost final : public EditorHost
{
public:
    int EditorCount() const override { return count; }
    void setEditorCount(int c) override { count = c; }
    bool ClosingAll() const override { return closingAll; }
    void setClosingAll(bool closing) override { closingAll = closing; }
    void setStatusText(int, const QString &) override {}
    void setCommandEnabled(HostCommand, bool) override {}
    QList<QKeySequence> hostShortcuts() const override { return {}; }
    QList<Teditform *> editors() const override { return open; }
    void activateEditor(Teditform *) override {}
    Teditform *openDocument(const QString &) override { return nullptr; }
    void openFiles(const QStringList &) override {}
    Teditform *activeEditor() const override { return nullptr; }
    void editorClosing(Teditform *) override {}
    void rememberFile(const QString &) override {}
    void fillReopenMenu(QMenu *) override {}
    void newHtmlDocument() override {}
    void newBlankDocument() override {}
    void openDocuments() override {}
    void saveAll() override {}
    void exitProgram() override {}
    void toggleToolBar() override {}
    void toggleStatusBar() override {}
    void toggleFileList() override {}
    void tileWindows() override {}
    void cascadeWindows() override {}
    void arrangeIcons() override {}
    void activateNextWindow() override {}
    void activatePreviousWindow() override {}
    void search() override {}
    void replace() override {}
    void spellCheck(Teditform *) override {}
    void saveAllAndLaunch(const QString &) override {}

    int count = 1;
    bool closingAll = false;
    QList<Teditform *> open;
};

QString crlf(const char *text)
{
    return QString::fromUtf8(text).replace(QLatin1String("|"), QLatin1String("\r\n"));
}

QStringList itemNames(QMenu *menu)
{
    QStringList names;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->isSeparator())
            names << QStringLiteral("-");
        else if (action->menu())
            names << action->menu()->objectName();
        else
            names << action->objectName();
    }
    return names;
}


} // namespace

class TestTextCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestConfig> config;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<QTemporaryDir> dir;
    FakeHost host;
    Teditform *editor = nullptr;

    TColorMemo *memo() const { return editor->memo(); }
    QAction *action(const char *name) const
    {
        auto *a = editor->findChild<QAction *>(QLatin1String(name));
        if (!a)
            qWarning("no action %s", name);
        return a;
    }
    QMenu *menu(const char *name) const { return editor->findChild<QMenu *>(QLatin1String(name)); }
    void run(const char *name) { action(name)->trigger(); }
    bool undoEnabled() const { return editor->commands().undo->isEnabled(); }
    QString caretStatus() const
    {
        auto *bar = editor->findChild<QStatusBar *>(QStringLiteral("StatusBar2"));
        return bar->findChildren<QLabel *>().value(0)->text();
    }

    void startWithLanguage(int lang)
    {
        delete editor;
        editor = nullptr;
        prompts.reset();
        // The old configuration restores the environment as it goes.
        config.reset();
        config = std::make_unique<TestConfig>();
        config->writeLanguage(lang);
        LoadSettings();
        prompts = std::make_unique<ScriptedPrompts>();
        editor = new Teditform(&host);
        editor->LoadDocument(SharedTexts::BlankName.text());
        editor->resize(700, 400);
        editor->show();
    }

    // Sets the document and selects [start, start + length).
    void setText(const QString &text, int start = 0, int length = 0)
    {
        memo()->SetText(text);
        memo()->SetSelStart(start);
        memo()->SetSelLength(length);
    }

    static void answerCount(ScriptedPrompts &p, const QString &count)
    {
        p.answerDialog([count](QDialog &dialog) {
            auto *ant = qobject_cast<Tdhtmlant *>(&dialog);
            QVERIFY(ant);
            QCOMPARE(ant->windowTitle(), QStringLiteral("DHTML/Layers"));
            QVERIFY(ant->countEdit->text().isEmpty());
            ant->countEdit->setText(count);
            ant->okButton->click();
        });
    }

    // Fills the dialog's fields for a slot, with the caret at `caret` in the
    // opening text, and saves it.
    static void saveSlot(Tdefform &form, int slot, const QString &title, const QString &open,
                         const QString &close, QRadioButton *Tdefform::*kind, int caret)
    {
        form.slotBox->setValue(slot);
        form.titleEdit->setText(title);
        form.openEdit->setText(open);
        form.closeEdit->setText(close);
        (form.*kind)->setChecked(true);
        form.openEdit->setCursorPosition(caret);
        form.saveButton->click();
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        TextOperations::PickedText().clear();
        TextOperations::LastTextFile().clear();
        startWithLanguage(1);
    }

    void cleanup()
    {
        delete editor;
        editor = nullptr;
        prompts.reset();
        config.reset();
    }

    // ---- Menus -------------------------------------------------------------

    void editMenuFollowsTheDesign()
    {
        QCOMPARE(itemNames(menu("Edit1")),
                 QStringList({"Undolasttag1", "Undoundo1", "-", "Copy1", "Cut1", "Paste1", "Delete1",
                              "Deleteline1", "-", "Special2", "-", "Setlinebreaks1",
                              "removelinebreaks1", "Removeemptylines1", "-", "Search2", "Replace2"}));
        QCOMPARE(itemNames(menu("Special2")),
                 QStringList({"Bottomofpage1", "Topofpage1", "Jumpto1", "Selectall1"}));
        const QStringList file = itemNames(menu("File1"));
        QCOMPARE(file.indexOf(QStringLiteral("Insertfromtextfile1")),
                 file.indexOf(QStringLiteral("Insertfrom1")) + 1);
    }

    void miscMenuOrder()
    {
        QStringList misc = itemNames(menu("Div1"));
        misc.removeAll(QStringLiteral("-"));
        QCOMPARE(misc.mid(0, 3), QStringList({"Space2", "intext1", "intext2"}));
        QCOMPARE(misc.last(), QStringLiteral("LinktoMarkvale1"));
        QVERIFY(misc.indexOf(QStringLiteral("Spellcheck1")) < misc.indexOf(QStringLiteral("LinktoMarkvale1")));
        QCOMPARE(itemNames(menu("Events1")),
                 QStringList({"LinkStatusbar1", "ClickFrameload1", "Framebreakout1", "Imageflip1",
                              "Javasriptnoerror1", "Browserdetect1", "Sizedetect1"}));
        QCOMPARE(itemNames(menu("LayerDHTML1")), QStringList({"Generator1"}));
        QCOMPARE(itemNames(menu("Defined1")),
                 QStringList({"def0", "def1", "def2", "def3", "def4", "def5", "def6", "def7", "def8",
                              "def9", "-", "Setdefinedtag1"}));
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("keys");
        const struct {
            const char *name;
            QKeySequence keys;
        } rows[] = {
            {"Copy1", QKeySequence(Qt::CTRL | Qt::Key_C)},
            {"Cut1", QKeySequence(Qt::CTRL | Qt::Key_X)},
            {"Paste1", QKeySequence(Qt::CTRL | Qt::Key_V)},
            {"Delete1", QKeySequence(Qt::CTRL | Qt::Key_D)},
            {"Deleteline1", QKeySequence(Qt::CTRL | Qt::Key_Y)},
            {"Selectall1", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"Topofpage1", QKeySequence(Qt::CTRL | Qt::Key_T)},
            {"Bottomofpage1", QKeySequence(Qt::CTRL | Qt::Key_B)},
            {"Jumpto1", QKeySequence(Qt::CTRL | Qt::Key_J)},
            {"Setlinebreaks1", QKeySequence(Qt::CTRL | Qt::Key_L)},
            {"removelinebreaks1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)},
            {"Removeemptylines1", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {"Insertfromtextfile1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_F)},
            {"Space2", QKeySequence(Qt::CTRL | Qt::Key_Space)},
            {"intext1", QKeySequence(Qt::CTRL | Qt::Key_Less)},
            {"intext2", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Less)},
            {"LinkStatusbar1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_1)},
            {"Sizedetect1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_7)},
            {"Generator1", QKeySequence(Qt::CTRL | Qt::Key_G)},
            {"LinktoMarkvale1", QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_L)},
            {"def0", QKeySequence(Qt::CTRL | Qt::Key_0)},
            {"def9", QKeySequence(Qt::CTRL | Qt::Key_9)},
            {"Setdefinedtag1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D)},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.keys;
    }

    void shortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QKeySequence, keys);
        QAction *a = action(name.toLatin1().constData());
        QVERIFY(a);
        QCOMPARE(a->shortcut(), keys);
    }

    void captionsFollowTheLanguage()
    {
        startWithLanguage(2);
        QCOMPARE(action("Deleteline1")->text(), QStringLiteral("Slet lin&je"));
        QCOMPARE(menu("Special2")->title(), QStringLiteral("Spe&ciel"));
        QCOMPARE(action("intext1")->text(), QStringLiteral("< i &tekst"));
        QCOMPARE(action("Setdefinedtag1")->text(), QStringLiteral("&Sæt definerede tags"));
        QCOMPARE(action("LinktoMarkvale1")->text(), QStringLiteral("&Link til Markvale"));
        QCOMPARE(menu("French1")->title(), QStringLiteral("&Fransk"));
        QCOMPARE(menu("Others1")->title(), QStringLiteral("&Andre"));
        startWithLanguage(3);
        QCOMPARE(action("Removeemptylines1")->text(), QStringLiteral("Leere Zeile&n entfernen"));
        QCOMPARE(menu("Danish1")->title(), QStringLiteral("&Dänisch"));
        startWithLanguage(0);
        QCOMPARE(action("Setdefinedtag1")->text(), QStringLiteral("&Set defined tag"));
        QCOMPARE(menu("Spanish1")->title(), QStringLiteral("S&panish"));
        QCOMPARE(menu("Special2")->title(), QStringLiteral("Speci&al"));
    }

    void characterMenuMnemonicsDiffer()
    {
        startWithLanguage(1);
        QSet<QKeySequence> keys;
        for (QAction *item : menu("PopupMenu1")->actions()) {
            if (!item->isSeparator())
                keys.insert(QKeySequence::mnemonic(item->text()));
        }
        QCOMPARE(keys.size(), 6);
    }

    void dialogTextsFollowTheLanguage()
    {
        startWithLanguage(2);
        {
            Tposform form;
            QCOMPARE(form.windowTitle(), QStringLiteral("Indtast position"));
            QCOMPARE(form.lineNumberLabel->text(), QStringLiteral("Linje"));
            QCOMPARE(form.columnLabel->text(), QStringLiteral("Position:"));
            QCOMPARE(form.cancelButton->text(), QStringLiteral("&Afbryd"));
        }
        {
            Tdhtmlsize size;
            QCOMPARE(size.skipButton->text(), QStringLiteral("&Ignorer"));
            QCOMPARE(size.heightLabel->text(), QStringLiteral("Højde"));
            QCOMPARE(size.windowTitle(), QStringLiteral("DHTML/Layers"));
        }
        startWithLanguage(3);
        {
            Tdefform form;
            QCOMPARE(form.closeLabel->text(), QStringLiteral("Schliestag"));
            QCOMPARE(form.doneButton->text(), QStringLiteral("&Fertig"));
            QCOMPARE(form.windowTitle(), QStringLiteral("Markvale PRO"));
            Tdhtmlant ant;
            QCOMPARE(ant.countLabel->text(), QStringLiteral("Anzahl Layer"));
            Tloadform picker;
            prompts->answerOpen({});
            picker.FormShow(QString());
            QCOMPARE(picker.windowTitle(), QStringLiteral("Vom Text Datei einfügen"));
            QCOMPARE(picker.openFileButton->text(), QStringLiteral("Datei &Öffnen"));
            QCOMPARE(prompts->lastFileDialog().filter,
                     QStringLiteral("Text Dateien|*.txt|Rich Text Dateien|*.rtf|Alle Dateien|*.*"));
        }
        startWithLanguage(0);
        {
            Tdhtmlsize size;
            QCOMPARE(size.topLabel->text(), QStringLiteral("Top"));
            QCOMPARE(size.skipButton->text(), QStringLiteral("&Skip"));
        }
    }

    // ---- Clipboard and deletions ------------------------------------------

    void copyCutPaste()
    {
        setText(QStringLiteral("hello world"), 0, 5);
        editor->commands().copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hello"));
        QVERIFY(!undoEnabled());
        editor->commands().cut->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral(" world"));
        QVERIFY(undoEnabled());
        memo()->SetSelStart(6);
        editor->commands().paste->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral(" worldhello"));
        editor->commands().undo->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral(" world"));
    }

    void cutAndDeleteNeedASelection()
    {
        // A new window has none: nothing to cut, nothing to ask about.
        QVERIFY(!editor->commands().cut->isEnabled());
        QVERIFY(!editor->commands().del->isEnabled());
        TextOperations::cut(*editor);
        TextOperations::deleteSelection(*editor);
        QVERIFY(!undoEnabled());
        QVERIFY(prompts->messages().isEmpty());
    }

    void deleteAsksFirst()
    {
        setText(QStringLiteral("abcdef"), 1, 3);
        prompts->answerMessage(Prompts::Button::Cancel, QStringLiteral("Are you sure ?"));
        editor->commands().del->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral("abcdef"));
        QVERIFY(!undoEnabled());
        QCOMPARE(prompts->messages().last().buttons, Prompts::Button::Yes | Prompts::Button::Cancel);
        QCOMPARE(prompts->messages().last().kind, Prompts::Kind::Warning);
        prompts->answerMessage(Prompts::Button::Yes);
        editor->commands().del->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral("aef"));
        QVERIFY(undoEnabled());
    }

    void selectAllAsksFirst()
    {
        setText(crlf("one|two|"), 0, 0);
        prompts->answerMessage(Prompts::Button::No, QStringLiteral("Are you sure ?"));
        run("Selectall1");
        QCOMPARE(memo()->SelLength(), 0);
        QCOMPARE(prompts->messages().last().buttons, Prompts::Button::Yes | Prompts::Button::No);
        prompts->answerMessage(Prompts::Button::Yes);
        run("Selectall1");
        QCOMPARE(memo()->SelText(), crlf("one|two|"));
        QVERIFY(!undoEnabled());
    }

    void deleteLine()
    {
        setText(crlf("one|two|three"), 5);
        run("Deleteline1");
        QCOMPARE(memo()->Text(), crlf("one|three"));
        QCOMPARE(memo()->SelStart(), 5);
        QCOMPARE(caretStatus(), QStringLiteral("Line:1 Pos:0"));
        QVERIFY(undoEnabled());
        // The last line has no line break of its own to take.
        run("Deleteline1");
        QCOMPARE(memo()->Text(), crlf("one|"));
        memo()->SetSelStart(1);
        run("Deleteline1");
        QCOMPARE(memo()->Text(), QString());
        run("Deleteline1");
        QCOMPARE(memo()->Text(), QString());
    }

    // ---- Caret jumps -------------------------------------------------------

    void topAndBottom()
    {
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("line %1\r\n").arg(i);
        text += QStringLiteral("last");
        setText(text, 30);
        run("Bottomofpage1");
        QCOMPARE(memo()->CaretLine(), 200);
        QCOMPARE(memo()->CaretColumn(), 0);
        QCOMPARE(caretStatus(), QStringLiteral("Line:200 Pos:0"));
        QVERIFY(memo()->FirstVisibleLine() > 150);
        run("Topofpage1");
        QCOMPARE(memo()->SelStart(), 0);
        QCOMPARE(memo()->FirstVisibleLine(), 0);
        QCOMPARE(caretStatus(), QStringLiteral("Line:0 Pos:0"));
        QVERIFY(!undoEnabled());
    }

    void jumpDialogEnablesOkOnNumbersOnly_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("numbers") << "12" << "3" << true;
        QTest::newRow("hexadecimal") << "$1F" << "0" << true;
        QTest::newRow("blanks and sign") << "  -4" << "+2" << true;
        QTest::newRow("text") << "abc" << "1" << false;
        QTest::newRow("empty") << "" << "1" << false;
        QTest::newRow("trailing text") << "12a" << "1" << false;
        QTest::newRow("huge") << "99999999999" << "1" << false;
        QTest::newRow("bad hexadecimal") << "$G" << "1" << false;
        QTest::newRow("second box") << "1" << "x" << false;
    }

    void jumpDialogEnablesOkOnNumbersOnly()
    {
        QFETCH(QString, line);
        QFETCH(QString, column);
        QFETCH(bool, enabled);
        Tposform form;
        QCOMPARE(form.lineNumberEdit->text(), QStringLiteral("0"));
        QCOMPARE(form.columnEdit->text(), QStringLiteral("0"));
        QVERIFY(!form.okButton->isEnabled());
        form.lineNumberEdit->setText(line);
        form.columnEdit->setText(column);
        QCOMPARE(form.okButton->isEnabled(), enabled);
    }

    void jumpTo_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("caretLine");
        QTest::addColumn<int>("caretColumn");
        QTest::newRow("inside") << "3" << "2" << 3 << 2;
        QTest::newRow("beyond the end") << "1000" << "0" << 9 << 0;
        QTest::newRow("column beyond the line") << "1000" << "500" << 9 << 6;
        QTest::newRow("negative") << "-5" << "-7" << 0 << 0;
        QTest::newRow("hexadecimal") << "$5" << "$3" << 5 << 3;
    }

    void jumpTo()
    {
        QFETCH(QString, line);
        QFETCH(QString, column);
        QFETCH(int, caretLine);
        QFETCH(int, caretColumn);
        QString text;
        for (int i = 0; i < 9; ++i)
            text += QStringLiteral("line %1\r\n").arg(i);
        text += QStringLiteral("line 9");
        setText(text, 12);
        prompts->answerDialog([&](QDialog &dialog) {
            auto *form = qobject_cast<Tposform *>(&dialog);
            QVERIFY(form);
            form->lineNumberEdit->setText(line);
            form->columnEdit->setText(column);
            QVERIFY(form->okButton->isEnabled());
            form->okButton->click();
        });
        run("Jumpto1");
        QCOMPARE(memo()->CaretLine(), caretLine);
        QCOMPARE(memo()->CaretColumn(), caretColumn);
        QCOMPARE(caretStatus(), QStringLiteral("Line:%1 Pos:%2").arg(caretLine).arg(caretColumn));
        QVERIFY(!undoEnabled());
    }

    void jumpCancelled()
    {
        setText(crlf("a|b|c"), 3);
        prompts->answerDialog([](QDialog &dialog) {
            auto *form = qobject_cast<Tposform *>(&dialog);
            form->lineNumberEdit->setText(QStringLiteral("2"));
            form->cancelButton->click();
        });
        run("Jumpto1");
        QCOMPARE(memo()->SelStart(), 3);
    }

    // ---- Line breaks -------------------------------------------------------

    void setLineBreaksOnTheSelection()
    {
        setText(crlf("x|ab|cd|y"), 3, 8);
        QCOMPARE(memo()->SelText(), crlf("ab|cd|"));
        run("Setlinebreaks1");
        QCOMPARE(memo()->Text(), crlf("x|ab<br>|cd<br>|y"));
        QVERIFY(undoEnabled());
        // Again on the same lines: nothing changes.
        memo()->SetSelStart(3);
        memo()->SetSelLength(16);
        QCOMPARE(memo()->SelText(), crlf("ab<br>|cd<br>|"));
        run("Setlinebreaks1");
        QCOMPARE(memo()->Text(), crlf("x|ab<br>|cd<br>|y"));
        // One undo step per command.
        editor->commands().undo->trigger();
        QCOMPARE(memo()->Text(), crlf("x|ab<br>|cd<br>|y"));
        editor->commands().undo->trigger();
        QCOMPARE(memo()->Text(), crlf("x|ab|cd|y"));
    }

    void setLineBreaksWithoutLineBreak()
    {
        setText(QStringLiteral("say word now"), 4, 4);
        run("Setlinebreaks1");
        QCOMPARE(memo()->Text(), QStringLiteral("say word<br> now"));
        QCOMPARE(memo()->SelStart(), 12);
        QVERIFY(memo()->hasFocus() || !QApplication::focusWindow());
    }

    void removeLineBreaksKeepsUpperCase()
    {
        setText(crlf("a<br>|b<BR>|c<br>"), 0, 19);
        run("removelinebreaks1");
        QCOMPARE(memo()->Text(), crlf("a|b<BR>|c"));
        editor->commands().undo->trigger();
        QCOMPARE(memo()->Text(), crlf("a<br>|b<BR>|c<br>"));
    }

    void removeEmptyLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three breaks") << crlf("ab|||cd") << crlf("ab|cd");
        QTest::newRow("six characters") << crlf("a||b") << crlf("a||b");
        QTest::newRow("leading break") << crlf("|abc") << crlf("abc");
        QTest::newRow("several runs") << crlf("<p>||||x|||y||z") << crlf("<p>|x|y||z");
    }

    void removeEmptyLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        setText(text, 1);
        run("Removeemptylines1");
        QCOMPARE(memo()->Text(), expected);
        QVERIFY(undoEnabled());
        editor->commands().undo->trigger();
        QCOMPARE(memo()->Text(), text);
    }

    // On a long text the commands change the document in place; the result
    // is still exactly what the builders make of the text.
    void lineBreakCommandsOnALongText()
    {
        QString text;
        for (int i = 0; i < 3000; ++i) {
            // Lines long enough for the edits to be made in place.
            text += (i % 4 ? QStringLiteral(u"<td>row\u00A0%1 of the long table</td><td>cell</td>").arg(i)
                           : QString());
            text += (i % 9 == 0 ? QStringLiteral("<br>") : QString()) + crlf(i % 11 ? "|" : "|||");
        }
        setText(text, 0, int(text.size()));
        run("Setlinebreaks1");
        const QString withBreaks = TextBuilders::setLineBreaks(text);
        QCOMPARE(memo()->TextLength(), int(withBreaks.size()));
        QCOMPARE(memo()->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1String("\r\n")),
                 withBreaks);
        QCOMPARE(memo()->SelStart(), int(withBreaks.size()));

        memo()->SetSelStart(0);
        memo()->SetSelLength(int(withBreaks.size()));
        run("removelinebreaks1");
        const QString without = TextBuilders::removeLineBreaks(withBreaks);
        QCOMPARE(memo()->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1String("\r\n")),
                 without);

        memo()->SetSelStart(5);
        run("Removeemptylines1");
        const TextBuilders::EmptyLinesResult collapsed = TextBuilders::removeEmptyLines(without);
        QCOMPARE(memo()->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1String("\r\n")),
                 collapsed.text);
        QCOMPARE(memo()->SelStart(), collapsed.caret);
        // Three commands, three undo steps.
        editor->commands().undo->trigger();
        QCOMPARE(memo()->TextLength(), int(without.size()));
    }

    void removeEmptyLinesLeavesTheCaretAtTheLastDeletion()
    {
        setText(crlf("ab|||cd|||ef"), 0);
        run("Removeemptylines1");
        QCOMPARE(memo()->Text(), crlf("ab|cd|ef"));
        QCOMPARE(memo()->SelStart(), 6);
    }

    // ---- Entities and special characters ----------------------------------

    void entities()
    {
        setText(QStringLiteral("ab"), 1);
        run("Space2");
        run("intext1");
        run("intext2");
        QCOMPARE(memo()->Text(), QStringLiteral("a&nbsp;&lt;&gt;b"));
        QCOMPARE(memo()->SelStart(), 15);
    }

    void entitiesWithSelectionDoNothing()
    {
        setText(QStringLiteral("abc"), 0, 2);
        for (const char *name : {"Space2", "intext1", "intext2"})
            run(name);
        QCOMPARE(memo()->Text(), QStringLiteral("abc"));
        QVERIFY(!undoEnabled());
    }

    void characterMenu()
    {
        auto *popup = menu("PopupMenu1");
        QVERIFY(popup);
        QCOMPARE(itemNames(popup), QStringList({"Special1", "-", "French1", "Spanish1", "German1",
                                                "Danish1", "-", "Others1"}));
        int total = 0;
        QAction *eAcute = nullptr;
        for (const char *name : {"Special1", "French1", "Spanish1", "German1", "Danish1", "Others1"}) {
            const QList<QAction *> items = menu(name)->actions();
            total += int(items.size());
            for (QAction *item : items) {
                QCOMPARE(item->text().size(), 1);
                if (item->text() == QStringLiteral(u"é"))
                    eAcute = item;
            }
        }
        QCOMPARE(total, 91);
        QCOMPARE(menu("Special1")->actions().at(8)->text(), QStringLiteral("\\"));

        QCOMPARE(memo()->contextMenuPolicy(), Qt::CustomContextMenu);
        Q_EMIT memo()->customContextMenuRequested(QPoint(5, 5));
        QTRY_VERIFY(popup->isVisible());
        popup->hide();

        setText(QStringLiteral("caf"), 3);
        QVERIFY(eAcute);
        eAcute->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral(u"café"));
        QCOMPARE(memo()->SelStart(), 4);
        QVERIFY(undoEnabled());
        // With a selection the characters do nothing.
        memo()->selectAll();
        eAcute->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral(u"café"));
    }

    void rightClickOpensTheCharacterMenu()
    {
        setText(QStringLiteral("text"));
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                memo()->viewport()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(memo()->viewport(), &event);
        QTRY_VERIFY(menu("PopupMenu1")->isVisible());
        menu("PopupMenu1")->hide();
    }

    // ---- Text-file picker --------------------------------------------------

    void pickerInsertsTheHighlightedPart()
    {
        const QString file = dir->filePath(QStringLiteral("notes.txt"));
        writeTestFile(file, "first line\r\nsecond line\r\nthird\r\n");
        settings().TextDir = dir->path();
        setText(QStringLiteral("[]"), 1);
        prompts->answerOpen({file});
        prompts->answerDialog([](QDialog &dialog) {
            auto *picker = qobject_cast<Tloadform *>(&dialog);
            QVERIFY(picker);
            QCOMPARE(picker->windowTitle(), QStringLiteral("Insert from text file"));
            QVERIFY(!picker->okButton->isEnabled());
            QTextCursor cursor = picker->textMemo->textCursor();
            cursor.setPosition(6);
            cursor.setPosition(17, QTextCursor::KeepAnchor);
            picker->textMemo->setTextCursor(cursor);
            QVERIFY(picker->okButton->isEnabled());
            picker->okButton->click();
        });
        run("Insertfromtextfile1");
        QCOMPARE(prompts->lastFileDialog().directory, dir->path());
        QCOMPARE(prompts->lastFileDialog().filter,
                 QStringLiteral("Text files|*.txt|Rich text files|*.rtf|All files|*.*"));
        QCOMPARE(memo()->Text(), crlf("[line|second]"));
        QCOMPARE(TextOperations::PickedText(), crlf("line|second"));
        QCOMPARE(TextOperations::LastTextFile(), file);
        QCOMPARE(memo()->SelStart(), 13);

        // The next time the same file opens without asking.
        prompts->answerDialog([](QDialog &dialog) {
            auto *picker = qobject_cast<Tloadform *>(&dialog);
            QCOMPARE(picker->textMemo->toPlainText(), QStringLiteral("first line\nsecond line\nthird\n"));
            picker->textMemo->selectAll();
            picker->cancelButton->click();
        });
        run("Insertfromtextfile1");
        QCOMPARE(memo()->Text(), crlf("[line|second]"));
        QCOMPARE(TextOperations::LastTextFile(), file);
        // Cancelled, the picker still recorded the document first.
        QVERIFY(undoEnabled());
    }

    void pickerOpenFileSwitchesFiles()
    {
        const QString first = dir->filePath(QStringLiteral("a.txt"));
        const QString second = dir->filePath(QStringLiteral("b.txt"));
        writeTestFile(first, "AAA");
        writeTestFile(second, "BBB");
        TextOperations::LastTextFile() = first;
        prompts->answerDialog([](QDialog &dialog) {
            auto *picker = qobject_cast<Tloadform *>(&dialog);
            QCOMPARE(picker->textMemo->toPlainText(), QStringLiteral("AAA\n"));
            picker->openFileButton->click();
            QCOMPARE(picker->textMemo->toPlainText(), QStringLiteral("BBB\n"));
            picker->textMemo->selectAll();
            picker->okButton->click();
        });
        prompts->answerOpen({second});
        run("Insertfromtextfile1");
        QCOMPARE(memo()->Text(), crlf("BBB|"));
        QCOMPARE(TextOperations::LastTextFile(), second);
    }

    void pickerWithSelectionDoesNothing()
    {
        setText(QStringLiteral("abc"), 0, 1);
        run("Insertfromtextfile1");
        QVERIFY(!undoEnabled());
    }

    void pickerNoFileChosen()
    {
        prompts->answerOpen({});
        prompts->answerDialog([](QDialog &dialog) {
            auto *picker = qobject_cast<Tloadform *>(&dialog);
            QVERIFY(picker->textMemo->toPlainText().isEmpty());
            QVERIFY(!picker->okButton->isEnabled());
            picker->reject();
        });
        run("Insertfromtextfile1");
        QCOMPARE(memo()->Text(), QString());
        QCOMPARE(TextOperations::LastTextFile(), QString());
    }

    void pickerUnreadableAndBinaryFiles()
    {
        const QString binary = dir->filePath(QStringLiteral("image.txt"));
        writeTestFile(binary, QByteArray("GIF89a\0\0\x01\x02", 10));
        prompts->answerOpen({binary});
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("is not a text file"));
        prompts->answerDialog([](QDialog &dialog) {
            auto *picker = qobject_cast<Tloadform *>(&dialog);
            QVERIFY(picker->textMemo->toPlainText().isEmpty());
            picker->reject();
        });
        run("Insertfromtextfile1");
        QCOMPARE(prompts->messages().last().kind, Prompts::Kind::Error);
        QCOMPARE(TextOperations::LastTextFile(), QString());

        // A remembered file that has gone: the error, and the next time asks again.
        TextOperations::LastTextFile() = dir->filePath(QStringLiteral("gone.txt"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("gone.txt"));
        prompts->answerDialog([](QDialog &dialog) { static_cast<Tloadform &>(dialog).reject(); });
        run("Insertfromtextfile1");
        QCOMPARE(TextOperations::LastTextFile(), QString());
        QCOMPARE(memo()->Text(), QString());
    }

    // ---- Script snippets ---------------------------------------------------

    void snippetsAtTheStartOfAnEmptyDocument_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        const char *names[] = {"LinkStatusbar1", "ClickFrameload1", "Framebreakout1", "Imageflip1",
                               "Javasriptnoerror1", "Browserdetect1", "Sizedetect1"};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(names[i]) << QString::fromLatin1(names[i]) << i;
    }

    void snippetsAtTheStartOfAnEmptyDocument()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        const auto &snippet = SnippetTexts::javascriptSnippets().at(size_t(index));
        run(name.toLatin1().constData());
        QCOMPARE(memo()->Text(), snippet.text);
        QCOMPARE(memo()->SelStart(), int(snippet.text.size()) - snippet.caretBack);
        QVERIFY(undoEnabled());
    }

    void snippetCaretsLandWhereTheScriptIsEdited()
    {
        run("LinkStatusbar1");
        QCOMPARE(memo()->SelStart(), 28);
        setText(QString());
        run("Browserdetect1");
        QCOMPARE(memo()->TextLength(), 919);
        QCOMPARE(memo()->SelStart(), 28);
        setText(QString());
        run("Sizedetect1");
        QCOMPARE(memo()->TextLength(), 382);
        QCOMPARE(memo()->SelStart(), 382);
        // In the middle of a document the caret moves back from the insertion's end.
        setText(QStringLiteral("<a >"), 3);
        run("ClickFrameload1");
        QCOMPARE(memo()->SelStart(), 3 + 14);
        QCOMPARE(memo()->Text().mid(memo()->SelStart() - 1, 2), QStringLiteral("[]"));
    }

    void snippetsWithSelectionDoNothing()
    {
        setText(QStringLiteral("abc"), 1, 1);
        for (const char *name : {"LinkStatusbar1", "ClickFrameload1", "Framebreakout1", "Imageflip1",
                                 "Javasriptnoerror1", "Browserdetect1", "Sizedetect1",
                                 "LinktoMarkvale1", "Generator1"})
            run(name);
        QCOMPARE(memo()->Text(), QStringLiteral("abc"));
        QVERIFY(!undoEnabled());
    }

    void linkToMarkvale()
    {
        setText(QStringLiteral("ab"), 1);
        run("LinktoMarkvale1");
        QCOMPARE(memo()->Text(), QLatin1String("a") + SnippetTexts::linkBlock() + QLatin1String("b"));
        QCOMPARE(memo()->SelStart(), 1 + int(SnippetTexts::linkBlock().size()));
    }

    // ---- Layer generator ---------------------------------------------------

    void generatorWithGeometry()
    {
        setText(QStringLiteral("<body>"), 6);
        answerCount(*prompts, QStringLiteral("2"));
        prompts->answerDialog([](QDialog &dialog) {
            auto *size = qobject_cast<Tdhtmlsize *>(&dialog);
            QVERIFY(size);
            QVERIFY(!size->okButton->isEnabled());
            size->heightEdit->setText(QStringLiteral("100"));
            size->widthEdit->setText(QStringLiteral("200"));
            size->topEdit->setText(QStringLiteral("10"));
            size->leftEdit->setText(QStringLiteral("20"));
            QVERIFY(size->okButton->isEnabled());
            size->okButton->click();
        });
        run("Generator1");
        const QString script = SnippetTexts::layerScript(
            2, {QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("10"), QStringLiteral("20")});
        QCOMPARE(memo()->Text(), QLatin1String("<body>") + script);
        QVERIFY(memo()->Text().contains(QLatin1String(
            "   document.write('<LAYER NAME=\"layer1\" VISIBILITY=\"hide\" WIDTH=\"200\" HEIGHT=\"100\" "
            "TOP=\"10\" LEFT=\"20\"></LAYER>');\r\n")));
        QVERIFY(memo()->Text().contains(QLatin1String("TOP:10px; LEFT:20px;height:100;width:200")));
        QCOMPARE(memo()->SelStart(), memo()->TextLength());
        QVERIFY(undoEnabled());
    }

    void generatorSkip()
    {
        answerCount(*prompts, QStringLiteral(" 1"));
        prompts->answerDialog([](QDialog &dialog) {
            auto *size = qobject_cast<Tdhtmlsize *>(&dialog);
            size->heightEdit->setText(QStringLiteral("abc"));
            size->skipButton->click();
        });
        run("Generator1");
        QCOMPARE(memo()->Text(), SnippetTexts::layerScript(1, {}));
        QVERIFY(memo()->Text().contains(QLatin1String("WIDTH=\"\"")));
        QVERIFY(memo()->Text().contains(QLatin1String("TOP:px;")));
    }

    void generatorNotANumberAsksAgain()
    {
        answerCount(*prompts, QStringLiteral("abc"));
        prompts->answerMessage(Prompts::Button::Ok,
                               QStringLiteral("abc is not a valid number, please try again."));
        answerCount(*prompts, QStringLiteral("0"));
        prompts->answerDialog([](QDialog &dialog) {
            static_cast<Tdhtmlsize &>(dialog).skipButton->click();
        });
        run("Generator1");
        QCOMPARE(prompts->messages().last().kind, Prompts::Kind::Error);
        QCOMPARE(prompts->messages().last().buttons, Prompts::Buttons(Prompts::Button::Ok));
        QCOMPARE(memo()->Text(), SnippetTexts::layerScript(0, {}));
    }

    void generatorCancelledInsertsNothing()
    {
        setText(QStringLiteral("x"), 1);
        prompts->answerDialog([](QDialog &dialog) { static_cast<Tdhtmlant &>(dialog).cancelButton->click(); });
        run("Generator1");
        answerCount(*prompts, QStringLiteral("3"));
        prompts->answerDialog([](QDialog &dialog) { static_cast<Tdhtmlsize &>(dialog).cancelButton->click(); });
        run("Generator1");
        // Closing the dialog some other way is a cancel too.
        answerCount(*prompts, QStringLiteral("3"));
        prompts->answerDialog([](QDialog &dialog) { dialog.close(); });
        run("Generator1");
        QCOMPARE(memo()->Text(), QStringLiteral("x"));
        QVERIFY(!undoEnabled());
    }

    void generatorBadCounts()
    {
        // Negative: the skeleton without layers.
        answerCount(*prompts, QStringLiteral("-5"));
        prompts->answerDialog([](QDialog &dialog) { static_cast<Tdhtmlsize &>(dialog).skipButton->click(); });
        run("Generator1");
        QCOMPARE(memo()->Text(), SnippetTexts::layerScript(0, {}));

        // Far too many layers is refused like a bad number; then cancelled.
        setText(QString());
        answerCount(*prompts, QStringLiteral("100000"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("100000 is more layers than the generator makes (at most 1000)"));
        answerCount(*prompts, QStringLiteral("99999999999"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("99999999999 is not a valid number"));
        prompts->answerDialog([](QDialog &dialog) { static_cast<Tdhtmlant &>(dialog).reject(); });
        run("Generator1");
        QCOMPARE(memo()->Text(), QString());

        // The largest count is made at once.
        answerCount(*prompts, QStringLiteral("1000"));
        prompts->answerDialog([](QDialog &dialog) { static_cast<Tdhtmlsize &>(dialog).skipButton->click(); });
        QElapsedTimer timer;
        timer.start();
        run("Generator1");
        QVERIFY(memo()->Text().contains(QLatin1String("layer1000.outerHTML")));
        QVERIFY2(timer.elapsed() < 5000, "1000 layers took too long");
    }

    void geometryDialogOkRule()
    {
        Tdhtmlsize size;
        QVERIFY(!size.okButton->isEnabled());
        QVERIFY(size.skipButton->isEnabled());
        QVERIFY(size.cancelButton->isEnabled());
        size.heightEdit->setText(QStringLiteral("2000"));
        size.widthEdit->setText(QStringLiteral("2000"));
        size.topEdit->setText(QStringLiteral("999"));
        QVERIFY(!size.okButton->isEnabled());
        size.leftEdit->setText(QStringLiteral("0"));
        QVERIFY(size.okButton->isEnabled());
        size.topEdit->setText(QStringLiteral("1000"));
        QVERIFY(!size.okButton->isEnabled());
        size.topEdit->setText(QStringLiteral("ten"));
        QVERIFY(!size.okButton->isEnabled());
    }

    // ---- Defined tags ------------------------------------------------------

    void definedTitlesShowLiterallyInEveryWindow()
    {
        Teditform other(&host);
        host.open = {editor, &other};
        prompts->answerDialog([](QDialog &dialog) {
            auto &form = static_cast<Tdefform &>(dialog);
            saveSlot(form, 1, QStringLiteral("Neg & back\tx"), QStringLiteral("<i>"), QStringLiteral("</i>"),
                     &Tdefform::inlineButton, 0);
            form.doneButton->click();
        });
        run("Setdefinedtag1");
        host.open.clear();
        for (Teditform *window : {editor, &other}) {
            QAction *item = window->findChild<QAction *>(QStringLiteral("def1"));
            QCOMPARE(item->iconText(), QStringLiteral("Neg & back x"));
            QVERIFY(!item->text().contains(QLatin1Char('\t')));
        }
    }

    void definedTagDialogSavesSlots()
    {
        prompts->answerDialog([](QDialog &dialog) {
            auto &form = static_cast<Tdefform &>(dialog);
            QCOMPARE(form.slotBox->value(), 0);
            QCOMPARE(form.slotNumberLabel->text(), QStringLiteral("0"));
            QVERIFY(form.inlineButton->isChecked());
            QCOMPARE(form.windowTitle(), QStringLiteral("Markvale PRO"));
            saveSlot(form, 1, QStringLiteral("Bold"), QStringLiteral("<B>"), QStringLiteral("</B>"),
                     &Tdefform::inlineButton, 2);
            QCOMPARE(form.slotNumberLabel->text(), QStringLiteral("1"));
            saveSlot(form, 2, QStringLiteral("Item"), QStringLiteral("<li>"), QStringLiteral("</li>"),
                     &Tdefform::oneLineButton, 4);
            saveSlot(form, 3, QStringLiteral("List"), QStringLiteral("<ul>"), QStringLiteral("</ul>"),
                     &Tdefform::sectionButton, 4);
            QVERIFY(form.isVisible());
            form.doneButton->click();
        });
        run("Setdefinedtag1");
        QCOMPARE(action("def1")->text(), QStringLiteral("Bold"));
        QCOMPARE(action("def2")->text(), QStringLiteral("Item"));
        QCOMPARE(action("def3")->text(), QStringLiteral("List"));
        QCOMPARE(action("def0")->text(), QString());

        const DefinedTag &bold = settings().DefinedTags[1];
        QCOMPARE(bold.DefBack, 4 + 3 - 2);
        QCOMPARE(bold.DefStat, 1);
        QCOMPARE(settings().DefinedTags[2].DefBack, 5 + 4 - 4 + 2);
        QCOMPARE(settings().DefinedTags[2].DefStat, 2);
        QCOMPARE(settings().DefinedTags[3].DefBack, 5 + 2);
        QCOMPARE(settings().DefinedTags[3].DefStat, 3);

        // What was saved is in the store.
        LoadSettings();
        QCOMPARE(settings().DefinedTags[1].DefTitle, QStringLiteral("Bold"));
        QCOMPARE(settings().DefinedTags[1].DefOpen, QStringLiteral("<B>"));
        QCOMPARE(settings().DefinedTags[1].DefClose, QStringLiteral("</B>"));
        QCOMPARE(settings().DefinedTags[1].DefBack, 5);
        QCOMPARE(settings().DefinedTags[3].DefStat, 3);

        // InLine around a selected word: the caret before the ">" of "<B>".
        setText(QStringLiteral("a word here"), 2, 4);
        run("def1");
        QCOMPARE(memo()->Text(), QStringLiteral("a <B>word</B> here"));
        QCOMPARE(memo()->SelStart(), 4);
        QCOMPARE(memo()->Text().at(memo()->SelStart()), QLatin1Char('>'));
        QVERIFY(undoEnabled());

        // OneLine with the caret at the end of its opening text.
        setText(QStringLiteral("x"), 1);
        run("def2");
        QCOMPARE(memo()->Text(), crlf("x<li></li>|"));
        QCOMPARE(memo()->SelStart(), 5);

        // Section with the caret at the end of its opening text: at the content line.
        setText(QStringLiteral("body"), 0, 4);
        run("def3");
        QCOMPARE(memo()->Text(), crlf("<ul>|body|</ul>"));
        QCOMPARE(memo()->SelStart(), 6);
        QCOMPARE(memo()->CaretLine(), 1);
        QCOMPARE(memo()->CaretColumn(), 0);
    }

    void definedTagSpinBoxDropsUnsavedEdits()
    {
        settings().DefinedTags[4].DefTitle = QStringLiteral("Four");
        settings().DefinedTags[4].DefOpen = QStringLiteral("<h4>");
        settings().DefinedTags[4].DefStat = 3;
        Tdefform form;
        form.slotBox->setValue(4);
        QCOMPARE(form.titleEdit->text(), QStringLiteral("Four"));
        QVERIFY(form.sectionButton->isChecked());
        form.titleEdit->setText(QStringLiteral("Changed"));
        form.slotBox->setValue(5);
        QCOMPARE(form.titleEdit->text(), QString());
        QVERIFY(form.inlineButton->isChecked());
        form.slotBox->setValue(4);
        QCOMPARE(form.titleEdit->text(), QStringLiteral("Four"));
        QCOMPARE(settings().DefinedTags[4].DefTitle, QStringLiteral("Four"));
        // Cancel keeps what was saved before it.
        form.titleEdit->setText(QStringLiteral("Saved"));
        form.saveButton->click();
        form.cancelButton->click();
        QCOMPARE(settings().DefinedTags[4].DefTitle, QStringLiteral("Saved"));
    }

    void definedTagWithEmptyTitleStillInserts()
    {
        settings().DefinedTags[7] = DefinedTag{QString(), QStringLiteral("<i>"), QStringLiteral("</i>"), 4, 1};
        prompts->answerDialog([](QDialog &dialog) { static_cast<Tdefform &>(dialog).cancelButton->click(); });
        run("Setdefinedtag1");
        QCOMPARE(action("def7")->text(), QString());
        setText(QString());
        run("def7");
        QCOMPARE(memo()->Text(), QStringLiteral("<i></i>"));
        QCOMPARE(memo()->SelStart(), 3);
    }

    void definedTagForeignKindsInsertNothing()
    {
        // As an imported settings file may leave them.
        writeTestFile(config->path(),
                  "[Config]\nLang=1\nTagsInstalled=1\nDefTitle5=Zero\nDefOpen5=<x>\nDefStat5=0\n"
                  "DefTitle6=Seven\nDefOpen6=<y>\nDefStat6=7\nDefBack6=-99999\n");
        LoadSettings();
        delete editor;
        editor = new Teditform(&host);
        editor->LoadDocument(SharedTexts::BlankName.text());
        QCOMPARE(action("def5")->text(), QStringLiteral("Zero"));
        setText(QStringLiteral("sel"), 0, 3);
        run("def5");
        run("def6");
        QCOMPARE(memo()->Text(), QStringLiteral("sel"));
        Tdefform form;
        form.slotBox->setValue(6);
        QVERIFY(form.inlineButton->isChecked());
        QCOMPARE(form.openEdit->text(), QStringLiteral("<y>"));
    }

    void definedTagCaretNeverLeavesTheText()
    {
        settings().DefinedTags[8] = DefinedTag{QStringLiteral("odd"), QStringLiteral("<b>"), QString(), 500, 1};
        settings().DefinedTags[9] = DefinedTag{QStringLiteral("odd"), QStringLiteral("<b>"), QString(), -500, 1};
        setText(QStringLiteral("abc"), 1);
        run("def8");
        QCOMPARE(memo()->SelStart(), 0);
        run("def9");
        QCOMPARE(memo()->SelStart(), memo()->TextLength());
    }
};

QTEST_MAIN(TestTextCommands)
#include "tst_textcommands.moc"

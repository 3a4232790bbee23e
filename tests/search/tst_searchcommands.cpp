#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "mainwindowfixture.h"
#include "search/replaceform.h"
#include "search/searchcriteria.h"
#include "search/searchform.h"
#include "settings/sharedtexts.h"
#include "shell/mainform.h"
#include "testconfig.h"
#include "ui/dialogrunner.h"
#include "ui/prompts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>

using Prompts::Button;

namespace {

// Answers the questions of the commands from a list and notes, for each, the
// window and the selection it was asked about. Dialogs are handed to `fill`.
class AnsweringPrompts final : public Prompts::Handler
{
public:
    struct Asked
    {
        QString text;
        Prompts::Buttons buttons;
        int helpContext;
        Teditform *editor;
        int selStart;
        int selLength;
    };

    explicit AnsweringPrompts(const EditorWindows &host)
        : m_host(host)
        , m_previous(Prompts::setHandler(this))
    {
    }
    ~AnsweringPrompts() override { Prompts::setHandler(m_previous); }

    QList<Button> answers;
    QList<Asked> asked;
    std::function<void(TCriteriaDialog &)> fill;

    QList<int> selStarts() const
    {
        QList<int> starts;
        for (const Asked &a : asked)
            starts << a.selStart;
        return starts;
    }

    Button message(const Prompts::Message &m) override
    {
        Teditform *editor = m_host.activeEditor();
        asked.append({m.text, m.buttons, m.helpContext, editor, editor->memo()->SelStart(),
                      editor->memo()->SelLength()});
        return answers.isEmpty() ? Button::None : answers.takeFirst();
    }
    Prompts::FileResult openFile(const Prompts::FileDialog &, bool) override { return {}; }
    Prompts::FileResult saveFile(const Prompts::FileDialog &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> color(const QColor &) override { return std::nullopt; }
    bool print(QPrinter &, int) override { return false; }
    int runDialog(QDialog &dialog) override
    {
        dialog.show();
        fill(static_cast<TCriteriaDialog &>(dialog));
        dialog.hide();
        return dialog.result();
    }

private:
    const EditorWindows &m_host;
    Prompts::Handler *m_previous;
};

enum class Scope { Selected, Global, AllFiles };

} // namespace

// Search and Replace run from the tool bar on real editor windows; the
// dialogs are filled in by the test, the questions answered from a list.
class TestSearchCommands : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<AnsweringPrompts> answering;
    QString dialogShown;
    bool localOffered = false;
    QList<int> helpShown;

    // Notes what the dialog offered, fills it in and presses OK.
    void setFill(std::function<void(TCriteriaDialog &)> fill)
    {
        answering->fill = [this, fill](TCriteriaDialog &d) {
            dialogShown = d.objectName();
            localOffered = d.selectedButton->isEnabled();
            fill(d);
            d.okButton->click();
        };
    }

    Teditform *open(const QString &text)
    {
        Teditform *editor = main->openDocument(SharedTexts::BlankName.text());
        editor->memo()->SetText(text);
        editor->memo()->SetModified(false);
        return editor;
    }

    // Runs Search with the dialog filled in as given.
    void search(const QString &text, Scope scope = Scope::Global, bool matchCase = false)
    {
        setFill([=](TCriteriaDialog &d) {
            d.searchEdit->setText(text);
            d.matchCaseBox->setChecked(matchCase);
            if (scope == Scope::AllFiles)
                d.allFilesButton->setChecked(true);
            else if (scope == Scope::Global)
                d.globalButton->setChecked(true);
        });
        main->action(MainAction::SearchButton)->trigger();
    }

    void replace(const QString &text, const QString &by, Scope scope = Scope::Global)
    {
        setFill([=](TCriteriaDialog &d) {
            d.searchEdit->setText(text);
            static_cast<Treplaceform &>(d).replaceEdit->setText(by);
            if (scope == Scope::AllFiles)
                d.allFilesButton->setChecked(true);
        });
        main->action(MainAction::ReplaceButton)->trigger();
    }

    void answer(std::initializer_list<Button> answers) { answering->answers = answers; }

private Q_SLOTS:
    void init()
    {
        QVERIFY(startMainWindow());
        answering = std::make_unique<AnsweringPrompts>(*main);
        helpShown.clear();
        DialogRunner::setHelpHandler([this](int topic) { helpShown << topic; });
    }

    void cleanup()
    {
        // The busy cursor goes on every way out of a scan.
        QVERIFY(!QApplication::overrideCursor());
        DialogRunner::setHelpHandler(nullptr);
        answering.reset();
        stopMainWindow();
    }

    void entryPoints()
    {
        Teditform *editor = open(QStringLiteral("text"));
        const auto editAction = [&](const char *name) { return editor->findChild<QAction *>(name); };
        QCOMPARE(editAction("Search2")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(editAction("Replace2")->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        setFill([](TCriteriaDialog &) {});
        editAction("Search2")->trigger();
        QCOMPARE(dialogShown, QStringLiteral("Tsearchform"));
        editAction("Replace2")->trigger();
        QCOMPARE(dialogShown, QStringLiteral("Treplaceform"));
        QVERIFY(answering->asked.isEmpty());
    }

    void showsEachOccurrence_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("first and last, over a line break")
            << "abc\r\nxx abc" << "abc" << false << QList<int>{0, 8};
        QTest::newRow("last before a final line break") << "x abc\r\n" << "ABC" << false << QList<int>{2};
        QTest::newRow("overlapping") << "aaaa" << "aa" << false << QList<int>{0, 1, 2};
        QTest::newRow("match case") << "Abc abc" << "abc" << true << QList<int>{4};
        QTest::newRow("umlauts") << u"Ärger ärger"_qs << u"ä"_qs << false << QList<int>{6};
    }

    void showsEachOccurrence()
    {
        QFETCH(QString, text);
        QFETCH(QString, searchText);
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, starts);
        open(text);
        answer({Button::Yes, Button::Yes, Button::Yes});
        search(searchText, Scope::Global, matchCase);
        QCOMPARE(answering->selStarts(), starts);
        for (const AnsweringPrompts::Asked &a : answering->asked) {
            QCOMPARE(a.selLength, searchText.size());
            QCOMPARE(a.text, QStringLiteral("Continue ?"));
            QCOMPARE(a.buttons, Prompts::Buttons(Button::Yes | Button::No));
        }
    }

    void nothingFoundSaysNothing()
    {
        Teditform *editor = open(QStringLiteral("one two"));
        editor->memo()->SetSelStart(4);
        search(QStringLiteral("three"));
        replace(QStringLiteral("three"), QStringLiteral("3"));
        QVERIFY(answering->asked.isEmpty());
        QCOMPARE(editor->memo()->SelStart(), 4);
        QVERIFY(!editor->memo()->Modified());
    }

    void allFilesVisitsEachWindowOnceFromTheActive()
    {
        Teditform *first = open(QStringLiteral("x"));
        Teditform *second = open(QStringLiteral("x x"));
        Teditform *third = open(QStringLiteral("x"));
        main->activateEditor(second);
        answer({Button::Yes, Button::Yes, Button::Yes, Button::Yes});
        search(QStringLiteral("x"), Scope::AllFiles);
        QCOMPARE(answering->asked.size(), 4);
        const QList<Teditform *> order{second, second, third, first};
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(answering->asked[i].editor, order[i]);
        QCOMPARE(main->activeEditor(), first);
    }

    void noEndsTheSearchEverywhere()
    {
        Teditform *first = open(QStringLiteral("x x"));
        open(QStringLiteral("x"));
        main->activateEditor(first);
        answer({Button::No});
        search(QStringLiteral("x"), Scope::AllFiles);
        QCOMPARE(answering->asked.size(), 1);
        QCOMPARE(main->activeEditor(), first);
        QCOMPARE(first->memo()->SelStart(), 0);
        QCOMPARE(first->memo()->SelLength(), 1);
    }

    void selectedLimitsTheSearch()
    {
        Teditform *editor = open(QStringLiteral("ab ab ab ab"));
        open(QStringLiteral("ab"));
        main->activateEditor(editor);
        // "ab a": the occurrence that runs past the selection is outside it.
        editor->memo()->SetSelStart(3);
        editor->memo()->SetSelLength(7);
        answer({Button::Yes, Button::Yes, Button::Yes});
        search(QStringLiteral("ab"), Scope::Selected);
        QVERIFY(localOffered);
        QCOMPARE(answering->selStarts(), (QList<int>{3, 6}));
        QCOMPARE(main->activeEditor(), editor);
    }

    void withoutSelectionSelectedIsNotOffered()
    {
        open(QStringLiteral("ab"));
        answer({Button::Yes});
        search(QStringLiteral("ab"), Scope::Global);
        QVERIFY(!localOffered);
        QCOMPARE(answering->asked.size(), 1);
    }

    void replaceNeverOffersSelected()
    {
        Teditform *editor = open(QStringLiteral("ab ab"));
        editor->memo()->SetSelStart(3);
        editor->memo()->SetSelLength(2);
        answer({Button::All});
        replace(QStringLiteral("ab"), QStringLiteral("x"));
        QVERIFY(!localOffered);
        QCOMPARE(editor->memo()->Text(), QStringLiteral("x x"));
    }

    void replaceAnswers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QList<Button>>("answers");
        QTest::addColumn<QList<int>>("asked");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");

        QTest::newRow("Yes and No") << "a\r\na\r\na" << "a" << "b" << QList<Button>{Button::Yes, Button::No, Button::Yes}
                                    << QList<int>{0, 3, 6} << "b\r\na\r\nb" << 7 << 0;
        QTest::newRow("a by ba ends") << "aa" << "a" << "ba" << QList<Button>{Button::Yes, Button::Yes}
                                      << QList<int>{0, 2} << "baba" << 4 << 0;
        QTest::newRow("longer replacements reach the end")
            << "<b>one</b> <b>two</b> <b>three</b> <b>four</b>" << "b" << "strong" << QList<Button>{Button::All}
            << QList<int>{1} << "<strong>one</strong> <strong>two</strong> <strong>three</strong> <strong>four</strong>" << 85 << 0;
        QTest::newRow("All replaces the rest unasked")
            << "x a a\r\na" << "a" << "b" << QList<Button>{Button::No, Button::All} << QList<int>{2, 4}
            << "x a b\r\nb" << 8 << 0;
        QTest::newRow("All over empty lines") << "a\r\n\r\nxa\r\n\r\n\r\naa" << "a" << "b" << QList<Button>{Button::All}
                                              << QList<int>{0} << "b\r\n\r\nxb\r\n\r\n\r\nbb" << 15 << 0;
        QTest::newRow("line break as the replacement") << "xx\r\nxx" << "xx" << "\n" << QList<Button>{Button::All}
                                                       << QList<int>{0} << "\r\n\r\n\r\n" << 6 << 0;
        QTest::newRow("Cancel keeps what was replaced")
            << "a a a" << "a" << "b" << QList<Button>{Button::Yes, Button::Cancel} << QList<int>{0, 2} << "b a a"
            << 2 << 0;
        QTest::newRow("No leaves the last occurrence selected")
            << "a-a" << "a" << "b" << QList<Button>{Button::Yes, Button::No} << QList<int>{0, 2} << "b-a" << 2 << 1;
        QTest::newRow("Help asks again") << "a" << "a" << "b" << QList<Button>{Button::Help, Button::Yes}
                                         << QList<int>{0, 0} << "b" << 1 << 0;
        QTest::newRow("removing with All") << "<b>x<b><b>" << "<b>" << "" << QList<Button>{Button::All}
                                           << QList<int>{0} << "x" << 1 << 0;
    }

    void replaceAnswers()
    {
        QFETCH(QString, text);
        QFETCH(QString, searchText);
        QFETCH(QString, replacement);
        QFETCH(QList<Button>, answers);
        QFETCH(QList<int>, asked);
        QFETCH(QString, result);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        Teditform *editor = open(text);
        answering->answers = answers;
        replace(searchText, replacement);
        QCOMPARE(answering->selStarts(), asked);
        QCOMPARE(editor->memo()->Text(), result);
        QCOMPARE(editor->memo()->SelStart(), selStart);
        QCOMPARE(editor->memo()->SelLength(), selLength);
        const AnsweringPrompts::Asked &first = answering->asked.first();
        QCOMPARE(first.text, QStringLiteral("Replace %1 with %2 ?").arg(searchText, replacement));
        QCOMPARE(first.buttons, Button::Yes | Button::No | Button::Cancel | Button::All | Button::Help);
        QCOMPARE(first.helpContext, 1022);
        QCOMPARE(first.selLength, searchText.size());
        QCOMPARE(helpShown.size(), int(answers.count(Button::Help)));
    }

    void allHoldsForOneWindowOnly()
    {
        Teditform *first = open(QStringLiteral("a a"));
        Teditform *second = open(QStringLiteral("a a"));
        main->activateEditor(first);
        answer({Button::All, Button::Yes, Button::No});
        replace(QStringLiteral("a"), QStringLiteral("b"), Scope::AllFiles);
        QCOMPARE(answering->asked.size(), 3);
        QCOMPARE(answering->asked[1].editor, second);
        QCOMPARE(first->memo()->Text(), QStringLiteral("b b"));
        QCOMPARE(second->memo()->Text(), QStringLiteral("b a"));
    }

    void cancelEndsTheReplaceEverywhere()
    {
        Teditform *first = open(QStringLiteral("a"));
        Teditform *second = open(QStringLiteral("a"));
        main->activateEditor(first);
        answer({Button::Cancel});
        replace(QStringLiteral("a"), QStringLiteral("b"), Scope::AllFiles);
        QCOMPARE(answering->asked.size(), 1);
        QCOMPARE(second->memo()->Text(), QStringLiteral("a"));
        QCOMPARE(main->activeEditor(), first);
    }

    void globalTouchesOnlyTheActiveDocument()
    {
        Teditform *first = open(QStringLiteral("a"));
        Teditform *second = open(QStringLiteral("a"));
        answer({Button::All});
        replace(QStringLiteral("a"), QStringLiteral("b"));
        QCOMPARE(first->memo()->Text(), QStringLiteral("a"));
        QCOMPARE(second->memo()->Text(), QStringLiteral("b"));
        QVERIFY(second->memo()->Modified());
        QVERIFY(!first->memo()->Modified());
    }

    void oneUndoTakesBackTheRunInEachWindow()
    {
        Teditform *first = open(QStringLiteral("a a a"));
        Teditform *second = open(QStringLiteral("a"));
        main->activateEditor(first);
        answer({Button::Yes, Button::No, Button::All, Button::All});
        replace(QStringLiteral("a"), QStringLiteral("b"), Scope::AllFiles);
        QCOMPARE(first->memo()->Text(), QStringLiteral("b a b"));
        QCOMPARE(second->memo()->Text(), QStringLiteral("b"));
        for (Teditform *editor : {first, second}) {
            main->activateEditor(editor);
            editor->commands().undo->trigger();
        }
        QCOMPARE(first->memo()->Text(), QStringLiteral("a a a"));
        QCOMPARE(second->memo()->Text(), QStringLiteral("a"));
    }

    void searchTextIsSharedByBothCommands()
    {
        open(QStringLiteral("x"));
        replace(QStringLiteral("old"), QStringLiteral("new"));
        QCOMPARE(searchCriteria().searchText, QStringLiteral("old"));
        search(QStringLiteral("x"));
        QCOMPARE(searchCriteria().searchText, QStringLiteral("x"));
        QCOMPARE(searchCriteria().replacementText, QStringLiteral("new"));
    }
};

QTEST_MAIN(TestSearchCommands)
#include "tst_searchcommands.moc"

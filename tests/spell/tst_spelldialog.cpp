#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "mainwindowfixture.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "shell/mainform.h"
#include "spell/spelldialog.h"
#include "spell/spelloptionsdialog.h"
#include "testconfig.h"
#include "ui/dialogrunner.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>


namespace {


// The dialogs as the scripted prompts hand them over.
TSpellDialog &checker(QDialog &dialog)
{
    return static_cast<TSpellDialog &>(dialog);
}

TSpellOptionsDialog &options(QDialog &dialog)
{
    return static_cast<TSpellOptionsDialog &>(dialog);
}

void press(QPushButton *button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    button->click();
}

} // namespace

// The Spellcheck command of a real editor window, with the checker's dialog
// answered by pressing its buttons.
class TestSpellDialog : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:

    void start(int lang) { QVERIFY(startMainWindow(lang, QSize(900, 600))); }

    Teditform *document(const QString &text)
    {
        main->newBlankDocument();
        Teditform *editor = main->activeEditor();
        editor->memo()->SetText(text);
        editor->memo()->SetModified(false);
        editor->memo()->SetSelStart(0);
        return editor;
    }

    void spellCheck(Teditform *editor)
    {
        editor->findChild<QAction *>(QStringLiteral("Spellcheck1"))->trigger();
    }

private Q_SLOTS:
    void cleanup()
    {
        stopMainWindow();
        qunsetenv("MARKVALE_DICTIONARIES");
    }

    void changeReplacesInTheMemo_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("changeCaption");

        QTest::newRow("English") << 1
                                 << "<a href=\"http://example.com/jumpps\" title=\"jumpps\">The fox jumpps</a>\r\n"
                                    "<p>Write to fox@jumpps.example.com</p>"
                                 << "jumpps" << "jumps"
                                 << "<a href=\"http://example.com/jumpps\" title=\"jumpps\">The fox jumps</a>\r\n"
                                    "<p>Write to fox@jumpps.example.com</p>"
                                 << "C&hange";
        QTest::newRow("Danish") << 2 << "<p class=\"husz\">Huset er r&oslash;dt og husz er stort.</p>"
                                << "husz" << "hus" << "<p class=\"husz\">Huset er r&oslash;dt og hus er stort.</p>"
                                << "U&dskift";
        QTest::newRow("German") << 3 << "<p>Das Hauss\r\nam <b>See</b> www.hauss.de</p>" << "Hauss" << "Haus"
                                << "<p>Das Haus\r\nam <b>See</b> www.hauss.de</p>" << "&Ersetzen";
    }

    void changeReplacesInTheMemo()
    {
        QFETCH(int, lang);
        QFETCH(QString, text);
        QFETCH(QString, wrong);
        QFETCH(QString, right);
        QFETCH(QString, fixed);
        QFETCH(QString, changeCaption);
        // Empty lines bring the word to the middle of the window, where the
        // dialog would come up.
        const QString lines = QStringLiteral("\r\n").repeated(14);
        text.prepend(lines);
        fixed.prepend(lines);

        start(lang);
        Teditform *editor = document(text);
        prompts->answerDialog([&](QDialog &dialog) {
            QCOMPARE(checker(dialog).wordEdit->text(), wrong);
            QCOMPARE(checker(dialog).changeButton->text(), changeCaption);
            // The word in question is selected in the document, and the
            // dialog does not hide it.
            QCOMPARE(editor->memo()->SelText(), wrong);
            const QRect caret = editor->memo()->cursorRect();
            const QRect word(editor->memo()->viewport()->mapToGlobal(caret.topLeft()), caret.size());
            QVERIFY(!dialog.frameGeometry().intersects(word));
            auto *list = checker(dialog).suggestionList;
            QVERIFY(list->count() > 0 && list->count() <= 50);
            QCOMPARE(list->currentRow(), 0);
            QCOMPARE(checker(dialog).replaceEdit->text(), list->item(0)->text());
            const QList<QListWidgetItem *> offered = list->findItems(right, Qt::MatchExactly);
            QVERIFY(!offered.isEmpty());
            list->setCurrentItem(offered.first());
            QCOMPARE(checker(dialog).replaceEdit->text(), right);
            press(checker(dialog).changeButton);
            // Nothing more to ask: the dialog has closed itself.
            QVERIFY(!dialog.isVisible());
        });
        spellCheck(editor);
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(editor->memo()->Text(), fixed);
        QVERIFY(editor->memo()->Modified());
        QCOMPARE(main->statusText(1), SharedTexts::ByteCount.text().arg(fixed.size()));
        // One step of the editor's Undo takes the change back.
        editor->commands().undo->trigger();
        QCOMPARE(editor->memo()->Text(), text);
    }
    void ignoreAllSkipsTheRestAndCancelKeepsTheText()
    {
        start(1);
        const QString text = QStringLiteral("Zorbix here, Zorbix there.\r\nIt is is <i>Zorbix</i> wrld.");
        Teditform *editor = document(text);
        QStringList asked;
        prompts->answerDialog([&](QDialog &dialog) {
            asked << checker(dialog).findingLabel->text() + checker(dialog).wordEdit->text();
            press(checker(dialog).ignoreAllButton);
            asked << checker(dialog).findingLabel->text() + checker(dialog).wordEdit->text();
            QVERIFY(!checker(dialog).addWordButton->isEnabled());
            press(checker(dialog).ignoreButton);
            asked << checker(dialog).findingLabel->text() + checker(dialog).wordEdit->text();
            press(checker(dialog).cancelButton);
        });
        spellCheck(editor);
        QCOMPARE(asked, QStringList({"Not Found:Zorbix", "Repeated Word:is", "Not Found:wrld"}));
        QCOMPARE(editor->memo()->Text(), text);
        QVERIFY(!editor->memo()->Modified());
    }

    void nothingToAskShowsNoDialog()
    {
        start(1);
        Teditform *editor = document(QStringLiteral("<p class=\"xqzt\">All is well.</p>"));
        spellCheck(editor); // any dialog or message fails the test
        QVERIFY(prompts->messages().isEmpty());
    }

    void optionsApplyAtOnceAndAreKept()
    {
        start(1);
        const QString text = QStringLiteral("The NASAQ index fell. Teh end.");
        Teditform *editor = document(text);
        QString after;
        prompts->answerDialog([&](QDialog &dialog) {
            QCOMPARE(checker(dialog).wordEdit->text(), QStringLiteral("NASAQ"));
            press(checker(dialog).optionsButton);
            after = checker(dialog).wordEdit->text();
            press(checker(dialog).cancelButton);
        });
        prompts->answerDialog([](QDialog &dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("spelloptionsform"));
            options(dialog).upperCaseBox->setChecked(true);
            dialog.accept();
        });
        spellCheck(editor);
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(after, QStringLiteral("Teh"));
        QFile stored(QFileInfo(config->path()).dir().filePath(QStringLiteral("ukaddict.cfg")));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("IgnoreUpperCase=true"));
    }

    void newCommandsInEachLanguage_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("captions"); // Auto-Correct, Start, Delete, Help
        QTest::newRow("English") << 1 << QStringList{"Au&to-Correct", "Start", "&Delete", "Hel&p"};
        QTest::newRow("Danish") << 2 << QStringList{"&Autokorrektur", "Start forfra", "Sl&et", "&Hjælp"};
        QTest::newRow("German") << 3 << QStringList{"Auto-&Korrektur", "Neu starten", "&Löschen", "Hil&fe"};
    }

    void newCommandsInEachLanguage()
    {
        QFETCH(int, lang);
        QFETCH(QStringList, captions);
        start(lang);
        QList<int> helpAsked;
        DialogRunner::setHelpHandler([&helpAsked](int topic) { helpAsked << topic; });
        const QString text = QStringLiteral("<p>qxzv qxzv</p>");
        Teditform *editor = document(text);
        prompts->answerDialog([&](QDialog &dialog) {
            QStringList shown;
            const TSpellDialog &d = checker(dialog);
            for (QPushButton *button : {d.autoCorrectButton, d.startButton, d.deleteButton, d.helpButton})
                shown << button->text();
            QCOMPARE(shown, captions);
            QList<QKeySequence> keys;
            const QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
            for (QPushButton *button : buttons) {
                const QKeySequence key = QKeySequence::mnemonic(button->text());
                QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(button->text()));
                keys << key;
            }
            press(checker(dialog).helpButton);
            press(checker(dialog).deleteButton);
            press(checker(dialog).deleteButton);
        });
        spellCheck(editor);
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(helpAsked, QList<int>{4300});
        QCOMPARE(editor->memo()->Text(), QStringLiteral("<p></p>"));
        // Each deletion is one step of the editor's Undo.
        editor->commands().undo->trigger();
        QCOMPARE(editor->memo()->Text(), QStringLiteral("<p>qxzv</p>"));
    }

    void autoCorrectionsAreKeptAndCanBeCleared()
    {
        start(1);
        Teditform *editor = document(QStringLiteral("Teh cat"));
        prompts->answerDialog([](QDialog &dialog) {
            checker(dialog).replaceEdit->setText(QStringLiteral("The"));
            press(checker(dialog).autoCorrectButton);
        });
        spellCheck(editor);
        QFile list(QFileInfo(config->path()).dir().filePath(QStringLiteral("ukdefault.acl")));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("Teh\tThe\n"));

        // A later check changes the word without asking; the options page
        // shows the pair and clears the list.
        editor = document(QStringLiteral("Teh dgo"));
        prompts->answerDialog([](QDialog &dialog) {
            press(checker(dialog).optionsButton);
            press(checker(dialog).cancelButton);
        });
        prompts->answerDialog([](QDialog &dialog) {
            auto *shown = options(dialog).autoCorrectionList;
            QCOMPARE(shown->count(), 1);
            QVERIFY(shown->item(0)->text().startsWith(QLatin1String("Teh ")));
            press(options(dialog).clearButton);
            dialog.accept();
        });
        spellCheck(editor);
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(editor->memo()->Text(), QStringLiteral("The dgo"));
        list.close();
        QVERIFY(list.open(QIODevice::ReadOnly));
        QVERIFY(list.readAll().isEmpty());
    }

    void editsStopTheCheckUntilStart()
    {
        start(1);
        Teditform *editor = document(QStringLiteral("One wrld. Teh end."));
        QStringList asked;
        prompts->answerDialog([&](QDialog &dialog) {
            asked << checker(dialog).wordEdit->text();
            editor->memo()->SetText(QStringLiteral("Plain dogg. Teh end."));
            QVERIFY(!checker(dialog).changeButton->isEnabled());
            QVERIFY(!checker(dialog).optionsButton->isEnabled());
            press(checker(dialog).startButton);
            asked << checker(dialog).wordEdit->text();
            press(checker(dialog).ignoreButton);
            asked << checker(dialog).wordEdit->text();
            // Closing the window ends the check first; the window goes after it.
            editor->close();
            QVERIFY(!dialog.isVisible());
        });
        // The window asks about the edited text as it closes.
        prompts->answerMessage(Prompts::Button::No, QStringLiteral("modified"));
        QPointer<Teditform> window(editor);
        spellCheck(editor);
        QCOMPARE(asked, QStringList({"wrld", "dogg", "Teh"}));
        QVERIFY(window);
        QTRY_VERIFY(!window);
    }

    void missingDictionaryIsReported()
    {
        start(3);
        QTemporaryDir empty;
        qputenv("MARKVALE_DICTIONARIES", QFile::encodeName(empty.path()));
        Teditform *editor = document(QStringLiteral("Hauss"));
        prompts->answerMessage(Prompts::Button::Ok, QStringLiteral("hunspell-de-de"));
        spellCheck(editor);
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages().first().text.contains(QLatin1String("de_DE")));
        QCOMPARE(editor->memo()->Text(), QStringLiteral("Hauss"));
    }
};

QTEST_MAIN(TestSpellDialog)
#include "tst_spelldialog.moc"

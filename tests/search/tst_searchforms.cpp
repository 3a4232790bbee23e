#include "search/replaceform.h"
#include "search/searchcriteria.h"
#include "search/searchform.h"
#include "settings/settings.h"
#include "ui/dialogrunner.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<TCriteriaDialog> makeDialog(const QString &kind)
{
    if (kind == QLatin1String("search"))
        return std::make_unique<Tsearchform>();
    return std::make_unique<Treplaceform>();
}

QString caption(QWidget *dialog, const QString &control)
{
    if (control == QLatin1String("title"))
        return dialog->windowTitle();
    QObject *object = dialog->findChild<QObject *>(control);
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    return QStringLiteral("<no %1>").arg(control);
}

} // namespace

// The two dialogs built directly: captions, the scope they offer, when OK is
// offered, and what OK hands to the commands.
class TestSearchForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        settings().Lang = English;
        searchCriteria() = SearchCriteria();
    }

    void captions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");

        struct Row
        {
            const char *kind;
            const char *control;
            const char *text[3];
        };
        static const Row rows[] = {
            {"search", "title", {"Search", "Søg", "Suche"}},
            {"search", "uplow", {"Case sensitive", "Store/små bogstaver", "Groß/klein Buchstaben"}},
            {"replace", "title", {"Replace", "Erstat", "Ersetze"}},
            {"replace", "Label2", {"Replace with", "Erstat med", "Ersetze mit"}},
            {"replace", "uplow", {"Upper/lower case counts", "Store/små bogstaver", "Groß/klien Buchstaben"}},
        };
        static const Row shared[] = {
            {"", "Label1", {"Look for :", "Søg efter:", "Suche nach :"}},
            {"", "local", {"Selected", "Valgt tekst", "Gewählten Text"}},
            {"", "global", {"Global", "Globalt", "Alles"}},
            {"", "allfiles", {"All opened files", "Alle åbne filer", "Alle geöffneten Dateien"}},
            {"", "cancelbutton", {"&Cancel", "&Afbryd", "&Abbrechen"}},
            {"", "BitBtn1", {"&Help", "&Hjælp", "&Hilfe"}},
            {"", "okbutton", {"&Ok", "&Ok", "&Ok"}},
        };
        const auto add = [](const char *kind, const Row &row) {
            // Language 0 keeps the design captions, the English ones.
            for (int lang = 0; lang <= 3; ++lang) {
                QTest::addRow("%s %s %d", kind, row.control, lang)
                    << QString::fromLatin1(kind) << lang << QString::fromLatin1(row.control)
                    << QString::fromUtf8(row.text[std::max(lang, 1) - 1]);
            }
        };
        for (const Row &row : rows)
            add(row.kind, row);
        for (const char *kind : {"search", "replace"}) {
            for (const Row &row : shared)
                add(kind, row);
        }
    }

    void captions()
    {
        QFETCH(QString, kind);
        QFETCH(int, lang);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        settings().Lang = lang;
        const auto dialog = makeDialog(kind);
        dialog->show();
        QCOMPARE(caption(dialog.get(), control), expected);
    }

    void scopeAsShown_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("inSelection");
        QTest::addColumn<bool>("localOffered");
        QTest::newRow("search with a selection") << "search" << true << true;
        QTest::newRow("search without a selection") << "search" << false << false;
        // Replacing covers whole documents, whatever is selected.
        QTest::newRow("replace with a selection") << "replace" << true << false;
    }

    void scopeAsShown()
    {
        QFETCH(QString, kind);
        QFETCH(bool, inSelection);
        QFETCH(bool, localOffered);
        searchCriteria().searchInSelection = inSelection;
        const auto dialog = makeDialog(kind);
        dialog->show();
        QCOMPARE(dialog->selectedButton->isEnabled(), localOffered);
        QCOMPARE(dialog->selectedButton->isChecked(), localOffered);
        QCOMPARE(dialog->globalButton->isChecked(), !localOffered);
        QVERIFY(!dialog->allFilesButton->isChecked());
        QVERIFY(dialog->searchEdit->text().isEmpty());
    }

    void okFollowsTheSearchText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("search") << "search";
        QTest::newRow("replace") << "replace";
    }

    void okFollowsTheSearchText()
    {
        QFETCH(QString, kind);
        const auto dialog = makeDialog(kind);
        dialog->show();
        QVERIFY(!dialog->okButton->isEnabled());
        QTest::keyClicks(dialog->searchEdit, QStringLiteral("ab"));
        QVERIFY(dialog->okButton->isEnabled());
        dialog->searchEdit->clear();
        QVERIFY(!dialog->okButton->isEnabled());
        // Not only the first emptying.
        QTest::keyClicks(dialog->searchEdit, QStringLiteral("c"));
        QVERIFY(dialog->okButton->isEnabled());
        QTest::keyClick(dialog->searchEdit, Qt::Key_Backspace);
        QVERIFY(!dialog->okButton->isEnabled());
    }

    void searchOkStoresItsChoices()
    {
        searchCriteria().replaceMatchCase = true;
        Tsearchform dialog;
        dialog.show();
        QTest::keyClicks(dialog.searchEdit, QStringLiteral("Abc"));
        dialog.matchCaseBox->setChecked(true);
        dialog.allFilesButton->setChecked(true);
        dialog.okButton->click();
        QVERIFY(dialog.Confirmed());
        QVERIFY(!dialog.isVisible());
        const SearchCriteria &c = searchCriteria();
        QCOMPARE(c.searchText, QStringLiteral("Abc"));
        QVERIFY(c.searchMatchCase);
        QVERIFY(c.searchAllFiles);
        QVERIFY(!c.searchInSelection);
        QVERIFY(c.replaceMatchCase); // the other dialog's box is its own
    }

    void replaceOkStoresItsChoices()
    {
        searchCriteria().searchMatchCase = true;
        Treplaceform dialog;
        dialog.show();
        QTest::keyClicks(dialog.searchEdit, QStringLiteral("old"));
        QTest::keyClicks(dialog.replaceEdit, QStringLiteral("new"));
        dialog.allFilesButton->setChecked(true);
        dialog.okButton->click();
        QVERIFY(dialog.Confirmed());
        const SearchCriteria &c = searchCriteria();
        QCOMPARE(c.searchText, QStringLiteral("old"));
        QCOMPARE(c.replacementText, QStringLiteral("new"));
        QVERIFY(!c.replaceMatchCase);
        QVERIFY(c.replaceAllFiles);
        QVERIFY(!c.replaceInSelection);
        QVERIFY(c.searchMatchCase);
    }

    void onlyOkConfirms_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("way");
        for (const char *kind : {"search", "replace"}) {
            QTest::addRow("%s cancel", kind) << kind << "cancel";
            QTest::addRow("%s escape", kind) << kind << "escape";
            QTest::addRow("%s close", kind) << kind << "close";
        }
    }

    void onlyOkConfirms()
    {
        QFETCH(QString, kind);
        QFETCH(QString, way);
        searchCriteria().searchText = QStringLiteral("before");
        const auto dialog = makeDialog(kind);
        dialog->show();
        QTest::keyClicks(dialog->searchEdit, QStringLiteral("typed"));
        if (way == QLatin1String("cancel"))
            dialog->cancelButton->click();
        else if (way == QLatin1String("escape"))
            QTest::keyClick(dialog->searchEdit, Qt::Key_Escape);
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->Confirmed());
        QCOMPARE(searchCriteria().searchText, QStringLiteral("before"));
    }

    void helpOpensTheTopicOfBoth()
    {
        QList<int> topics;
        DialogRunner::setHelpHandler([&](int topic) { topics << topic; });
        Tsearchform().helpButton->click();
        Treplaceform().helpButton->click();
        DialogRunner::setHelpHandler(nullptr);
        QCOMPARE(topics, (QList<int>{2500, 2500}));
    }

    void onlyReplaceHasACloseBox()
    {
        QVERIFY(!Tsearchform().windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(Treplaceform().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }
};

QTEST_MAIN(TestSearchForms)
#include "tst_searchforms.moc"

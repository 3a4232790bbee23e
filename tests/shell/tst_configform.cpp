#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "platform/configstore.h"
#include "scriptedprompts.h"
#include "settings/language.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "shell/configform.h"
#include "shell/langform.h"
#include "shell/mainform.h"
#include "testconfig.h"

#include <QCheckBox>
#include <QFile>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {


int storedInteger(const char *name)
{
    ConfigKey key;
    return key.open(QStringLiteral("Config"), ConfigKey::Mode::OpenExisting) ? key.readInteger(QLatin1String(name))
                                                                           : -1;
}

} // namespace

class TestConfigForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noLanguageShowsNoneAndOkChoosesEnglish()
    {
        TestConfig config;
        config.writeLanguage(0);
        LoadSettings();
        Tconfigform dialog({});
        QCOMPARE(dialog.pages->currentWidget()->objectName(), QStringLiteral("prefsheet"));
        for (QRadioButton *language : {dialog.englishButton, dialog.danishButton, dialog.germanButton})
            QVERIFY(!language->isChecked());
        dialog.okButton->click();
        QCOMPARE(settings().Lang, 1);
        QCOMPARE(storedInteger("Lang"), 0); // OK stores nothing
    }

    void captionsFollowLanguage()
    {
        TestConfig config;
        settings() = Settings();
        settings().Lang = 3;
        Tconfigform dialog({});
        QVERIFY(dialog.germanButton->isChecked());
        QCOMPARE(dialog.defaultButton->text(), QStringLiteral("Spe&ichern"));
        QCOMPARE(dialog.pages->tabText(0), QStringLiteral("&Verzeichnisse"));
        QCOMPARE(dialog.wordWrapBox->text(), QStringLiteral("Seiten&umbruch an/aus"));
    }

    void directoriesOnlyThroughTheFolderDialog()
    {
        TestConfig config;
        settings() = Settings();
        settings().Lang = 1;
        QStringList hints;
        Tconfigform dialog([&](const QString &hint) { hints << hint; });
        QVERIFY(dialog.openFolderEdit->isReadOnly());
        ScriptedPrompts prompts;
        prompts.answerFolder(QStringLiteral("/srv/www"));
        dialog.openFolderButton->click();
        QCOMPARE(dialog.openFolderEdit->text(), QStringLiteral("/srv/www"));
        QTest::mouseMove(dialog.openFolderEdit);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.openFolderEdit, &move);
        QCOMPARE(hints.value(hints.size() - 1), QStringLiteral("/srv/www"));
        dialog.okButton->click();
        QCOMPARE(settings().OpenDir, QStringLiteral("/srv/www"));
    }

    void defaultStoresEverything()
    {
        TestConfig config;
        config.writeLanguage(1);
        LoadSettings();
        Tconfigform dialog({});
        dialog.fontSizeBox->setValue(16);
        dialog.autoSaveBox->setChecked(true);
        dialog.danishButton->setChecked(true);
        dialog.fontSizeBox->setValue(99); // bounded
        dialog.defaultButton->click();
        QCOMPARE(storedInteger("FontSize"), 18);
        QCOMPARE(storedInteger("AutoSave"), 1);
        QCOMPARE(storedInteger("Lang"), 2);
    }

    void missingFontStaysUntilAnotherIsPicked()
    {
        TestConfig config;
        settings() = Settings();
        settings().Lang = 2;
        settings().FontType = QStringLiteral("Nowhere Sans");
        Tconfigform dialog({});
        QCOMPARE(dialog.fontBox->currentText(), QStringLiteral("Nowhere Sans"));
        QVERIFY(!dialog.missingFontLabel->isHidden());
        QCOMPARE(dialog.missingFontLabel->text(), QStringLiteral("(ikke installeret)"));
        dialog.okButton->click();
        QCOMPARE(settings().FontType, QStringLiteral("Nowhere Sans"));

        Tconfigform again({});
        const QString other = again.fontBox->itemText(1);
        QVERIFY(QFontDatabase::families().contains(other));
        again.fontBox->setCurrentIndex(1);
        Q_EMIT again.fontBox->activated(1);
        again.okButton->click();
        QCOMPARE(settings().FontType, other);

        Tconfigform installed({});
        QCOMPARE(installed.fontBox->currentText(), settings().FontType);
        QVERIFY(installed.missingFontLabel->isHidden());
    }

    void mainWindowAftermath()
    {
        TestConfig config;
        config.writeLanguage(1, "FontSize=10\nColor=0\n");
        ScriptedPrompts prompts;
        Tmainform main;
        main.FormCreate();
        main.show();
        Teditform *editor = main.openDocument(QStringLiteral("No name"));
        QVERIFY(editor);
        QVERIFY(main.action(MainAction::ColorCoding)->isChecked()); // set at start whatever was stored

        // OK: the open editor takes the font at once; the store keeps the old one.
        prompts.answerDialog([](QDialog &d) {
            auto &dialog = static_cast<Tconfigform &>(d);
            dialog.fontSizeBox->setValue(14);
            dialog.danishButton->setChecked(true);
            dialog.applyAndClose();
        });
        main.configure();
        QCOMPARE(editor->memo()->font().pointSize(), 14);
        QCOMPARE(editor->findChild<QAction *>(QStringLiteral("Save1"))->text(), QStringLiteral("&Gem"));
        QCOMPARE(main.findChild<QMenu *>(QStringLiteral("Help1"))->title(), QStringLiteral("&Hjælp"));
        QVERIFY(!main.action(MainAction::ColorCoding)->isChecked());
        QCOMPARE(storedInteger("FontSize"), 10);

        // Cancel changes nothing, yet fonts are applied again from the record.
        editor->memo()->setFont(QFont(QStringLiteral("Serif"), 9));
        prompts.answerDialog([](QDialog &d) { d.reject(); });
        main.configure();
        QCOMPARE(editor->memo()->font().pointSize(), 14);
        QCOMPARE(settings().Lang, 2);

        LoadSettings(); // the next start
        QCOMPARE(settings().FontSize, 10);
        editor->closeWithoutQuery();
    }

    void germanOnTheFirstStart()
    {
        TestConfig config;
        ScriptedPrompts prompts;
        prompts.answerDialog([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Language, sprog, Sprache"));
            qobject_cast<Tlangform *>(&d)->flagButton(German)->click();
        });
        prompts.answerMessage(Prompts::Button::Ok, QStringLiteral("Installiert jetzt die Tags"));
        Tmainform main;
        main.FormCreate();
        QCOMPARE(settings().Lang, 3);
        QCOMPARE(storedInteger("Lang"), 3);
        QCOMPARE(main.findChild<QMenu *>(QStringLiteral("File1"))->title(), QStringLiteral("&Datei"));
    }

    void closingTheChooserLeavesNoLanguage()
    {
        TestConfig config;
        ScriptedPrompts prompts;
        prompts.answerDialog([](QDialog &d) { d.reject(); });
        prompts.answerMessage(Prompts::Button::Ok, QStringLiteral("Installing tags now"));
        Tmainform main;
        main.FormCreate();
        QCOMPARE(settings().Lang, 0);
        QCOMPARE(storedInteger("Lang"), 0);
        QCOMPARE(main.findChild<QMenu *>(QStringLiteral("File1"))->title(), QStringLiteral("&File"));
    }
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"

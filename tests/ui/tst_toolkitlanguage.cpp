#include "platform/toolkitlanguage.h"
#include "ui/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The toolkit's own words follow the program's language: standard buttons,
// the title bars and All button of the message boxes, key names in menus.
// Going back to English removes the translations again.
class TestToolkitLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBoxSpeaksTheLanguage_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("buttons"); // Yes, No, All, Cancel
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("keys");
        const QStringList english = {"&Yes", "&No", "All", "Cancel"};
        QTest::newRow("English") << "en" << english << "Confirm" << "Ctrl+Shift+S";
        QTest::newRow("Danish") << "da" << QStringList{"&Ja", "&Nej", "Alle", "Annuller"} << "Bekræft"
                                << "Ctrl+Skift+S";
        QTest::newRow("German") << "de" << QStringList{"&Ja", "&Nein", "Alle", "Abbrechen"}
                                << QString::fromUtf8("Bestätigen") << "Strg+Umschalt+S";
        QTest::newRow("English again") << "en" << english << "Confirm" << "Ctrl+Shift+S";
        QTest::newRow("unknown is English") << "xx" << english << "Confirm" << "Ctrl+Shift+S";
    }

    void messageBoxSpeaksTheLanguage()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, buttons);
        QFETCH(QString, title);
        QFETCH(QString, keys);
        QVERIFY2(ToolkitLanguage::set(folder), "Qt's translations are not installed");

        QStringList shown;
        QString shownTitle;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownTitle = box->windowTitle();
            for (auto standard : {QMessageBox::Yes, QMessageBox::No, QMessageBox::SaveAll, QMessageBox::Cancel})
                shown << box->button(standard)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        using B = Prompts::Button;
        QCOMPARE(Prompts::message(Prompts::Kind::Confirmation, QStringLiteral("?"), B::Yes | B::No | B::All | B::Cancel),
                 B::Cancel);
        QCOMPARE(shown, buttons);
        QCOMPARE(shownTitle, title);
        QCOMPARE(QKeySequence(QStringLiteral("Ctrl+Shift+S")).toString(QKeySequence::NativeText), keys);
    }
};

QTEST_MAIN(TestToolkitLanguage)
#include "tst_toolkitlanguage.moc"

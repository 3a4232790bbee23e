#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "imagemaptestutil.h"
#include "mainwindowfixture.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "shell/mainform.h"
#include "testconfig.h"
#include "wizards/getmapname.h"
#include "wizards/imapform.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

// The image-map wizard run from the main window's menu, with its dialogs
// answered by scripts.
class TestImageMapWizard : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;

    // A picture file; its content is a bitmap, recognised whatever its name says.
    QString writePicture(const char *name, QSize size)
    {
        const QString path = dir->filePath(QLatin1String(name));
        return testPicture(size).save(path, "BMP") ? path : QString();
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(startMainWindow());
    }

    void cleanup()
    {
        stopMainWindow();
    }

    void wizardInsertsTheMapAtTheCaret()
    {
        const QString picture = writePicture("logo.gif", {200, 100});
        QVERIFY(!picture.isEmpty());
        main->newBlankDocument();
        TColorMemo *memo = main->activeEditor()->memo();
        memo->SetText(QStringLiteral("<p>x</p>"));
        memo->SetSelStart(3);
        prompts->answerDialog(as<Tgetmapname>([](Tgetmapname &names) {
            QTest::keyClicks(names.nameEdit, QStringLiteral("nav"));
            QTest::mouseClick(names.okButton, Qt::LeftButton);
        }));
        prompts->answerOpen({picture});
        prompts->answerDialog(as<Timapform>([](Timapform &map) {
            QTest::mouseClick(map.setShapeButton, Qt::LeftButton);
            QTest::mouseClick(map.okButton, Qt::LeftButton);
        }));
        prompts->answerDialog(as<Tshapeform>([](Tshapeform &shapes) {
            QTest::keyClicks(shapes.linkEdit, QStringLiteral("index.htm"));
            QTest::keyClicks(shapes.titleEdit, QStringLiteral("Home"));
            clickAt(shapes, {10, 10});
            clickAt(shapes, {90, 40});
            QTest::mouseClick(shapes.okButton, Qt::LeftButton);
        }));

        main->action(MainAction::ImageMapWizard)->trigger();

        QCOMPARE(prompts->lastFileDialog().title, QStringLiteral("Look up imagefile to open"));
        QCOMPARE(prompts->lastFileDialog().filter, QStringLiteral("Browser supported files|*.gif; *.jpg"));
        QCOMPARE(prompts->lastFileDialog().directory, settings().OpenDir);
        QCOMPARE(memo->Text(),
                 QStringLiteral("<p>"
                                "<img src=\"logo.gif\" height=\"100\" width=\"200\" ismap usemap=\"#navareas\" "
                                "border=\"0\">\r\n"
                                "<map name=\"navareas\"><area shape=\"rect\" coords=\"10,10 90,40\" "
                                "href=\"index.htm\" alt=\"Home\">\r\n"
                                "</map>"
                                "x</p>"));
        // One undo step takes the whole map back out.
        main->action(MainAction::UndoButton)->trigger();
        QCOMPARE(memo->Text(), QStringLiteral("<p>x</p>"));
    }

    void wizardStopsWhereTheUserStops()
    {
        // Without a document nothing is asked at all: any prompt would fail the test.
        main->action(MainAction::ImageMapWizard)->trigger();

        main->newBlankDocument();
        const auto nameIt = as<Tgetmapname>([](Tgetmapname &names) {
            names.nameEdit->setText(QStringLiteral("a.map"));
            QTest::mouseClick(names.okButton, Qt::LeftButton);
        });
        prompts->answerDialog(
            as<Tgetmapname>([](Tgetmapname &names) { QTest::mouseClick(names.cancelButton, Qt::LeftButton); }));
        main->action(MainAction::ImageMapWizard)->trigger();
        prompts->answerDialog(nameIt).answerOpen({});
        main->action(MainAction::ImageMapWizard)->trigger();
        prompts->answerDialog(nameIt).answerOpen({writePicture("p.gif", {20, 20})});
        prompts->answerDialog(
            as<Timapform>([](Timapform &map) { QTest::mouseClick(map.cancelButton, Qt::LeftButton); }));
        main->action(MainAction::ImageMapWizard)->trigger();
        QCOMPARE(prompts->pending(), 0);
        QCOMPARE(main->activeEditor()->memo()->Text(), QString());
    }

    void unreadablePictureIsReportedAndNothingInserted()
    {
        main->newBlankDocument();
        const QString broken = dir->filePath(QStringLiteral("broken.gif"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("GIF89a\x01");
        file.close();
        prompts->answerDialog(as<Tgetmapname>([](Tgetmapname &names) {
            names.nameEdit->setText(QStringLiteral("a.map"));
            QTest::mouseClick(names.okButton, Qt::LeftButton);
        }));
        prompts->answerOpen({broken});
        prompts->answerMessage(Prompts::Button::Ok, broken);
        main->action(MainAction::ImageMapWizard)->trigger();
        QCOMPARE(main->activeEditor()->memo()->Text(), QString());
    }
};

QTEST_MAIN(TestImageMapWizard)
#include "tst_imagemapwizard.moc"

#include "imagemaptestutil.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "wizards/getmapname.h"
#include "wizards/imapform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <memory>

// The image-map wizard's three dialogs, driven with clicks and typing on a
// picture made in memory.
class TestImageMapDialogs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScriptedPrompts> prompts;

private Q_SLOTS:
    void init()
    {
        prompts = std::make_unique<ScriptedPrompts>();
        settings().Lang = English;
    }

    void cleanup() { prompts.reset(); }

    void mapNameDialogWaitsForTheExtension()
    {
        Tgetmapname names;
        names.show();
        QVERIFY(QTest::qWaitForWindowExposed(&names));
        QCOMPARE(names.Edit1->text(), QStringLiteral(".map"));
        QVERIFY(!names.Edit1->hasSelectedText());
        QCOMPARE(names.Edit1->cursorPosition(), 0);
        QVERIFY(!names.BitBtn1->isEnabled());
        QTest::keyClicks(names.Edit1, QStringLiteral("nav"));
        QCOMPARE(names.mapName(), QStringLiteral("nav.map"));
        QVERIFY(names.BitBtn1->isEnabled());
        names.Edit1->setText(QStringLiteral("nav.MAP"));
        QVERIFY(!names.BitBtn1->isEnabled());
    }

    void rectangleKeepsClickOrderAndThirdClickClears()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        QVERIFY(shapes.RadioButton1->isChecked());
        QVERIFY(!shapes.BitBtn4->isVisible());
        QTest::keyClicks(shapes.Edit1, QStringLiteral("index.htm"));
        QTest::keyClicks(shapes.Edit2, QStringLiteral("Home"));
        clickAt(shapes, {90, 40});
        QVERIFY(!shapes.BitBtn1->isEnabled());
        clickAt(shapes, {10, 10});
        QVERIFY(shapes.BitBtn1->isEnabled());
        QCOMPARE(shapes.areaLine(),
                 QStringLiteral("<area shape=\"rect\" coords=\"90,40 10,10\" href=\"index.htm\" alt=\"Home\">\r\n"));
        QCOMPARE(shapes.Memo1->toPlainText(), shapes.areaLine().trimmed());
        const QColor pen = shapes.Image1->palette().color(QPalette::Light);
        QCOMPARE(shapes.Image1->grab().toImage().pixelColor(50, 10), pen); // top edge
        clickAt(shapes, {50, 50});
        QVERIFY(!shapes.BitBtn1->isEnabled());
        QVERIFY(shapes.areaLine().contains(QLatin1String("coords=\"\"")));
        QCOMPARE(shapes.Image1->grab().toImage().pixelColor(50, 10), PictureColour);
    }

    void circleNearTheLeftEdgeKeepsItsRadius()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        QTest::mouseClick(shapes.RadioButton2, Qt::LeftButton);
        QCOMPARE(shapes.Label2->text(), QStringLiteral("First click the center, then drag the circle."));
        clickAt(shapes, {5, 50});
        QTest::mouseMove(shapes.Image1, {150, 50});
        QTRY_COMPARE(shapes.Label5->text(), QStringLiteral("X: 150   Y: 50"));
        clickAt(shapes, {150, 50});
        QVERIFY(shapes.areaLine().startsWith(QLatin1String("<area shape=\"circle\" coords=\"5,50 5\"")));
        QVERIFY(shapes.BitBtn1->isEnabled());
    }

    void polygonDrawsItsClosingEdge()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        QTest::mouseClick(shapes.RadioButton3, Qt::LeftButton);
        QVERIFY(shapes.BitBtn4->isVisible());
        clickAt(shapes, {20, 20});
        QVERIFY(!shapes.BitBtn1->isEnabled());
        clickAt(shapes, {180, 20});
        clickAt(shapes, {100, 80});
        QVERIFY(shapes.BitBtn1->isEnabled());
        QVERIFY(shapes.areaLine().contains(QLatin1String("shape=\"poly\" coords=\"20,20 180,20 100,80\"")));

        const QImage drawn = shapes.Image1->grab().toImage();
        const QColor pen = shapes.Image1->palette().color(QPalette::Light);
        QCOMPARE(drawn.pixelColor(100, 20), pen); // first edge
        QCOMPARE(drawn.pixelColor(60, 50), pen);  // closing edge, back to the first point
        QCOMPARE(drawn.pixelColor(100, 40), PictureColour); // not filled

        // Clearing the points leaves nothing to insert.
        QTest::mouseClick(shapes.BitBtn4, Qt::LeftButton);
        QVERIFY(!shapes.BitBtn1->isEnabled());
        QCOMPARE(shapes.Image1->grab().toImage().pixelColor(60, 50), PictureColour);
    }

    void changingTheShapeDiscardsThePoints()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        clickAt(shapes, {10, 10});
        clickAt(shapes, {20, 20});
        QTest::mouseClick(shapes.RadioButton2, Qt::LeftButton);
        QVERIFY(!shapes.BitBtn1->isEnabled());
        QVERIFY(shapes.areaLine().startsWith(QLatin1String("<area shape=\"circle\" coords=\"\"")));
        QTest::mouseClick(shapes.RadioButton1, Qt::LeftButton);
        clickAt(shapes, {30, 30});
        QVERIFY(shapes.areaLine().contains(QLatin1String("coords=\"30,30\"")));
    }

    void defaultAreasComeNewestFirstAndClearAllRemovesThem()
    {
        Timapform map(testPicture({200, 100}), QStringLiteral("/pics/logo.gif"), QStringLiteral("nav.map"));
        QVERIFY(!map.BitBtn6->isEnabled());
        QVERIFY(!map.BitBtn3->isEnabled());
        QTest::keyClicks(map.Edit1, QStringLiteral("first.htm"));
        QTest::mouseClick(map.BitBtn6, Qt::LeftButton);
        map.Edit1->setText(QStringLiteral("second.htm"));
        QTest::mouseClick(map.BitBtn6, Qt::LeftButton);
        QVERIFY(map.mapText().endsWith(QLatin1String("<map name=\"navareas\">"
                                                     "<area shape=\"default\" href=\"second.htm\">\r\n"
                                                     "<area shape=\"default\" href=\"first.htm\">\r\n"
                                                     "</map>")));
        map.Edit1->clear();
        QVERIFY(!map.BitBtn6->isEnabled());

        map.Memo2->setPlainText(QStringLiteral("<area>\n"));
        map.BitBtn3->setEnabled(true);
        QTest::mouseClick(map.BitBtn5, Qt::LeftButton);
        QCOMPARE(map.Memo2->toPlainText(), QString());
        QCOMPARE(map.Memo3->toPlainText(), QStringLiteral("</map>"));
        QVERIFY(!map.BitBtn3->isEnabled());
    }

    void setShapeAppendsOneLinePerHotSpot()
    {
        Timapform map(testPicture({200, 100}), QStringLiteral("a.gif"), QStringLiteral("a.map"));
        int clicks = 0;
        const auto drawRectangle = [&clicks](Tshapeform &shapes) {
            clickAt(shapes, {1 + clicks, 2});
            clickAt(shapes, {3 + clicks, 4});
            ++clicks;
            QTest::mouseClick(shapes.BitBtn1, Qt::LeftButton);
        };
        prompts->answerDialog(as<Tshapeform>(drawRectangle)).answerDialog(as<Tshapeform>(drawRectangle));
        QTest::mouseClick(map.BitBtn2, Qt::LeftButton);
        // The user removed the line break; the next area still starts a line.
        map.Memo2->setPlainText(map.Memo2->toPlainText().trimmed());
        QTest::mouseClick(map.BitBtn2, Qt::LeftButton);
        QVERIFY(map.BitBtn3->isEnabled());
        QCOMPARE(map.Memo2->toPlainText(),
                 QStringLiteral("<area shape=\"rect\" coords=\"1,2 3,4\" href=\"\" alt=\"\">\n"
                                "<area shape=\"rect\" coords=\"2,2 4,4\" href=\"\" alt=\"\">\n"));

        // Cancel in the hot-spot dialog changes nothing.
        prompts->answerDialog(
            as<Tshapeform>([](Tshapeform &shapes) { QTest::mouseClick(shapes.BitBtn3, Qt::LeftButton); }));
        const QString before = map.mapText();
        QTest::mouseClick(map.BitBtn2, Qt::LeftButton);
        QCOMPARE(map.mapText(), before);
    }

    void windowsFitThePictureAndTheScreen_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("mapWindow");
        QTest::addColumn<int>("shapeHeight");
        QTest::newRow("small") << QSize(200, 100) << QSize(730, 336) << 290;
        QTest::newRow("low") << QSize(100, 20) << QSize(730, 289) << 234;
        QTest::newRow("wide") << QSize(750, 40) << QSize(780, 289) << 234;
        QTest::newRow("larger than the screen") << QSize(6000, 5000) << QSize(6030, 5236) << 5190;
    }
    void windowsFitThePictureAndTheScreen()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, mapWindow);
        QFETCH(int, shapeHeight);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Timapform map(testPicture(picture), QStringLiteral("p.gif"), QStringLiteral("p.map"));
        QCOMPARE(map.size(), mapWindow.boundedTo(screen.size()));
        QCOMPARE(map.y(), screen.top());
        QCOMPARE(map.minimumSize(), QSize(591, 289));
        Tshapeform shapes(testPicture(picture));
        QCOMPARE(shapes.height(), std::min(shapeHeight, screen.height()));
        QVERIFY(shapes.width() <= screen.width());
    }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("setShape");
        QTest::addColumn<QString>("rectangleHint");
        QTest::addColumn<QString>("rectangle");
        QTest::newRow("English") << 1 << "&Set shape" << "First click the upper left corner, then the lower right corner"
                                 << "Rectangle";
        QTest::newRow("Danish") << 2 << "Hot-&spot"
                                << "Først klik på det øvre venstre hjørne, derefter det nedre højre hjørne" << "Rektangel";
        QTest::newRow("German") << 3 << "Hot-&spot" << "Erst die obere linke Ecke anklicken, dann die untere rechte Ecke"
                                << "Rechteck";
    }
    void captionsFollowTheLanguage()
    {
        QFETCH(int, lang);
        QFETCH(QString, setShape);
        QFETCH(QString, rectangleHint);
        QFETCH(QString, rectangle);
        settings().Lang = lang;
        Timapform map(testPicture({10, 10}), QStringLiteral("p.gif"), QStringLiteral("p.map"));
        QCOMPARE(map.BitBtn2->text(), setShape);
        Tshapeform shapes(testPicture({10, 10}));
        QCOMPARE(shapes.Label2->text(), rectangleHint);
        QCOMPARE(shapes.RadioButton1->text(), rectangle);
    }
};

QTEST_MAIN(TestImageMapDialogs)
#include "tst_imagemapdialogs.moc"

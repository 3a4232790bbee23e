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
        QCOMPARE(names.nameEdit->text(), QStringLiteral(".map"));
        QVERIFY(!names.nameEdit->hasSelectedText());
        QCOMPARE(names.nameEdit->cursorPosition(), 0);
        QVERIFY(!names.okButton->isEnabled());
        QTest::keyClicks(names.nameEdit, QStringLiteral("nav"));
        QCOMPARE(names.mapName(), QStringLiteral("nav.map"));
        QVERIFY(names.okButton->isEnabled());
        names.nameEdit->setText(QStringLiteral("nav.MAP"));
        QVERIFY(!names.okButton->isEnabled());
    }

    void rectangleKeepsClickOrderAndThirdClickClears()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        QVERIFY(shapes.rectangleButton->isChecked());
        QVERIFY(!shapes.clearPointsButton->isVisible());
        QTest::keyClicks(shapes.linkEdit, QStringLiteral("index.htm"));
        QTest::keyClicks(shapes.titleEdit, QStringLiteral("Home"));
        clickAt(shapes, {90, 40});
        QVERIFY(!shapes.okButton->isEnabled());
        clickAt(shapes, {10, 10});
        QVERIFY(shapes.okButton->isEnabled());
        QCOMPARE(shapes.areaLine(),
                 QStringLiteral("<area shape=\"rect\" coords=\"90,40 10,10\" href=\"index.htm\" alt=\"Home\">\r\n"));
        QCOMPARE(shapes.areaPane->toPlainText(), shapes.areaLine().trimmed());
        const QColor pen = shapes.pictureView->palette().color(QPalette::Light);
        QCOMPARE(shapes.pictureView->grab().toImage().pixelColor(50, 10), pen); // top edge
        clickAt(shapes, {50, 50});
        QVERIFY(!shapes.okButton->isEnabled());
        QVERIFY(shapes.areaLine().contains(QLatin1String("coords=\"\"")));
        QCOMPARE(shapes.pictureView->grab().toImage().pixelColor(50, 10), PictureColour);
    }

    void circleNearTheLeftEdgeKeepsItsRadius()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        QTest::mouseClick(shapes.circleButton, Qt::LeftButton);
        QCOMPARE(shapes.hintLabel->text(), QStringLiteral("First click the center, then drag the circle."));
        clickAt(shapes, {5, 50});
        QTest::mouseMove(shapes.pictureView, {150, 50});
        QTRY_COMPARE(shapes.positionLabel->text(), QStringLiteral("X: 150   Y: 50"));
        clickAt(shapes, {150, 50});
        QVERIFY(shapes.areaLine().startsWith(QLatin1String("<area shape=\"circle\" coords=\"5,50 5\"")));
        QVERIFY(shapes.okButton->isEnabled());
    }

    void polygonDrawsItsClosingEdge()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        QTest::mouseClick(shapes.polygonButton, Qt::LeftButton);
        QVERIFY(shapes.clearPointsButton->isVisible());
        clickAt(shapes, {20, 20});
        QVERIFY(!shapes.okButton->isEnabled());
        clickAt(shapes, {180, 20});
        clickAt(shapes, {100, 80});
        QVERIFY(shapes.okButton->isEnabled());
        QVERIFY(shapes.areaLine().contains(QLatin1String("shape=\"poly\" coords=\"20,20 180,20 100,80\"")));

        const QImage drawn = shapes.pictureView->grab().toImage();
        const QColor pen = shapes.pictureView->palette().color(QPalette::Light);
        QCOMPARE(drawn.pixelColor(100, 20), pen); // first edge
        QCOMPARE(drawn.pixelColor(60, 50), pen);  // closing edge, back to the first point
        QCOMPARE(drawn.pixelColor(100, 40), PictureColour); // not filled

        // Clearing the points leaves nothing to insert.
        QTest::mouseClick(shapes.clearPointsButton, Qt::LeftButton);
        QVERIFY(!shapes.okButton->isEnabled());
        QCOMPARE(shapes.pictureView->grab().toImage().pixelColor(60, 50), PictureColour);
    }

    void changingTheShapeDiscardsThePoints()
    {
        Tshapeform shapes(testPicture({200, 100}));
        shapes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shapes));
        clickAt(shapes, {10, 10});
        clickAt(shapes, {20, 20});
        QTest::mouseClick(shapes.circleButton, Qt::LeftButton);
        QVERIFY(!shapes.okButton->isEnabled());
        QVERIFY(shapes.areaLine().startsWith(QLatin1String("<area shape=\"circle\" coords=\"\"")));
        QTest::mouseClick(shapes.rectangleButton, Qt::LeftButton);
        clickAt(shapes, {30, 30});
        QVERIFY(shapes.areaLine().contains(QLatin1String("coords=\"30,30\"")));
    }

    void defaultAreasComeNewestFirstAndClearAllRemovesThem()
    {
        Timapform map(testPicture({200, 100}), QStringLiteral("/pics/logo.gif"), QStringLiteral("nav.map"));
        QVERIFY(!map.defaultButton->isEnabled());
        QVERIFY(!map.okButton->isEnabled());
        QTest::keyClicks(map.defaultLinkEdit, QStringLiteral("first.htm"));
        QTest::mouseClick(map.defaultButton, Qt::LeftButton);
        map.defaultLinkEdit->setText(QStringLiteral("second.htm"));
        QTest::mouseClick(map.defaultButton, Qt::LeftButton);
        QVERIFY(map.mapText().endsWith(QLatin1String("<map name=\"navareas\">"
                                                     "<area shape=\"default\" href=\"second.htm\">\r\n"
                                                     "<area shape=\"default\" href=\"first.htm\">\r\n"
                                                     "</map>")));
        map.defaultLinkEdit->clear();
        QVERIFY(!map.defaultButton->isEnabled());

        map.areasPane->setPlainText(QStringLiteral("<area>\n"));
        map.okButton->setEnabled(true);
        QTest::mouseClick(map.clearAllButton, Qt::LeftButton);
        QCOMPARE(map.areasPane->toPlainText(), QString());
        QCOMPARE(map.endPane->toPlainText(), QStringLiteral("</map>"));
        QVERIFY(!map.okButton->isEnabled());
    }

    void setShapeAppendsOneLinePerHotSpot()
    {
        Timapform map(testPicture({200, 100}), QStringLiteral("a.gif"), QStringLiteral("a.map"));
        int clicks = 0;
        const auto drawRectangle = [&clicks](Tshapeform &shapes) {
            clickAt(shapes, {1 + clicks, 2});
            clickAt(shapes, {3 + clicks, 4});
            ++clicks;
            QTest::mouseClick(shapes.okButton, Qt::LeftButton);
        };
        prompts->answerDialog(as<Tshapeform>(drawRectangle)).answerDialog(as<Tshapeform>(drawRectangle));
        QTest::mouseClick(map.setShapeButton, Qt::LeftButton);
        // The user removed the line break; the next area still starts a line.
        map.areasPane->setPlainText(map.areasPane->toPlainText().trimmed());
        QTest::mouseClick(map.setShapeButton, Qt::LeftButton);
        QVERIFY(map.okButton->isEnabled());
        QCOMPARE(map.areasPane->toPlainText(),
                 QStringLiteral("<area shape=\"rect\" coords=\"1,2 3,4\" href=\"\" alt=\"\">\n"
                                "<area shape=\"rect\" coords=\"2,2 4,4\" href=\"\" alt=\"\">\n"));

        // Cancel in the hot-spot dialog changes nothing.
        prompts->answerDialog(
            as<Tshapeform>([](Tshapeform &shapes) { QTest::mouseClick(shapes.cancelButton, Qt::LeftButton); }));
        const QString before = map.mapText();
        QTest::mouseClick(map.setShapeButton, Qt::LeftButton);
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
        QCOMPARE(map.setShapeButton->text(), setShape);
        Tshapeform shapes(testPicture({10, 10}));
        QCOMPARE(shapes.hintLabel->text(), rectangleHint);
        QCOMPARE(shapes.rectangleButton->text(), rectangle);
    }
};

QTEST_MAIN(TestImageMapDialogs)
#include "tst_imagemapdialogs.moc"

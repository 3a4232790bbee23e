#include "wizards/hotspotshape.h"

#include <QTest>

namespace {

using Kind = HotSpotShape::Kind;

HotSpotShape clicked(Kind kind, const QList<QPoint> &points, QSize picture = QSize(200, 100))
{
    HotSpotShape shape(picture);
    shape.setKind(kind);
    for (const QPoint &point : points)
        shape.click(point);
    return shape;
}

} // namespace

// The click rules, coordinates and outlines of the three hot-spot shapes.
class TestHotSpotShape : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickRules_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<QPoint>>("clicks");
        QTest::addColumn<QString>("coords");
        QTest::addColumn<bool>("complete");
        const auto rect = int(Kind::Rectangle);
        const auto circle = int(Kind::Circle);
        const auto poly = int(Kind::Polygon);
        QTest::newRow("rect first corner") << rect << QList<QPoint>{{10, 10}} << "10,10" << false;
        QTest::newRow("rect") << rect << QList<QPoint>{{10, 10}, {90, 40}} << "10,10 90,40" << true;
        QTest::newRow("rect drawn backwards keeps click order")
            << rect << QList<QPoint>{{90, 40}, {10, 10}} << "90,40 10,10" << true;
        QTest::newRow("rect third click clears") << rect << QList<QPoint>{{10, 10}, {90, 40}, {50, 50}} << ""
                                                 << false;
        QTest::newRow("rect fourth click starts again")
            << rect << QList<QPoint>{{10, 10}, {90, 40}, {50, 50}, {60, 60}} << "60,60" << false;
        QTest::newRow("circle centre") << circle << QList<QPoint>{{100, 50}} << "100,50" << false;
        QTest::newRow("circle") << circle << QList<QPoint>{{100, 50}, {120, 90}} << "100,50 20" << true;
        QTest::newRow("circle radius is horizontal both ways")
            << circle << QList<QPoint>{{100, 50}, {70, 50}} << "100,50 30" << true;
        QTest::newRow("circle third click clears") << circle << QList<QPoint>{{100, 50}, {120, 50}, {1, 1}}
                                                   << "" << false;
        QTest::newRow("poly one point") << poly << QList<QPoint>{{5, 6}} << "5,6" << false;
        QTest::newRow("poly two points") << poly << QList<QPoint>{{5, 6}, {50, 6}} << "5,6 50,6" << true;
        QTest::newRow("poly keeps taking points")
            << poly << QList<QPoint>{{5, 6}, {50, 6}, {50, 60}, {5, 60}} << "5,6 50,6 50,60 5,60" << true;
    }
    void clickRules()
    {
        QFETCH(int, kind);
        QFETCH(QList<QPoint>, clicks);
        QFETCH(QString, coords);
        QFETCH(bool, complete);
        const HotSpotShape shape = clicked(Kind(kind), clicks);
        QCOMPARE(shape.coords(), coords);
        QCOMPARE(shape.isComplete(), complete);
    }

    void circleRadiusStaysInsideThePicture_data()
    {
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QPoint>("mouse");
        QTest::addColumn<int>("radius");
        QTest::newRow("free") << QPoint(100, 50) << QPoint(130, 10) << 30;
        QTest::newRow("5 from the left edge") << QPoint(5, 50) << QPoint(190, 50) << 5;
        QTest::newRow("3 from the top") << QPoint(100, 3) << QPoint(150, 50) << 3;
        QTest::newRow("near the right edge") << QPoint(195, 50) << QPoint(100, 50) << 4;
        QTest::newRow("near the bottom") << QPoint(100, 97) << QPoint(150, 50) << 2;
        QTest::newRow("on the corner") << QPoint(0, 0) << QPoint(50, 50) << 0;
    }
    void circleRadiusStaysInsideThePicture()
    {
        QFETCH(QPoint, centre);
        QFETCH(QPoint, mouse);
        QFETCH(int, radius);
        HotSpotShape shape = clicked(Kind::Circle, {centre});
        shape.hover(mouse);
        QCOMPARE(shape.radius(), radius);
        QCOMPARE(shape.outline().boundingRect(),
                 QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    }

    void rubberBandFollowsTheMouseUntilFinished()
    {
        HotSpotShape rect = clicked(Kind::Rectangle, {{90, 40}});
        rect.hover({10, 10});
        QCOMPARE(rect.outline().boundingRect(), QRectF(10, 10, 80, 30));
        rect.click({20, 20});
        rect.hover({150, 90});
        QCOMPARE(rect.outline().boundingRect(), QRectF(20, 20, 70, 20));

        HotSpotShape circle = clicked(Kind::Circle, {{100, 50}});
        circle.hover({110, 0});
        circle.click({110, 0});
        circle.hover({140, 0});
        QCOMPARE(circle.radius(), 10);
        QCOMPARE(circle.coords(), QStringLiteral("100,50 10"));
    }

    void polygonOutline()
    {
        HotSpotShape poly = clicked(Kind::Polygon, {{5, 6}});
        poly.hover({40, 30});
        QCOMPARE(poly.outline().toSubpathPolygons().value(0), QPolygonF({QPointF(40, 30), QPointF(5, 6)}));
        poly.click({50, 6});
        poly.click({50, 60});
        poly.hover({199, 99}); // not part of the outline any more
        // The closing edge runs from the last point back to the first.
        QCOMPARE(poly.outline().toSubpathPolygons().value(0),
                 QPolygonF({QPointF(5, 6), QPointF(50, 6), QPointF(50, 60), QPointF(5, 6)}));
    }

    void polygonTakesMoreThanTwoHundredPoints()
    {
        HotSpotShape shape(QSize(300, 300));
        shape.setKind(Kind::Polygon);
        for (int i = 0; i < 250; ++i)
            shape.click({i, i % 7});
        QCOMPARE(shape.points().size(), 250);
        QVERIFY(shape.coords().endsWith(QLatin1String(" 248,3 249,4")));
    }
};

QTEST_GUILESS_MAIN(TestHotSpotShape)
#include "tst_hotspotshape.moc"

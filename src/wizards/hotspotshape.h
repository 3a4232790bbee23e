#pragma once

#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QSize>
#include <QString>

// A hot spot being drawn on a picture: the clicked points, what the click
// rules make of them, and the outline that shows it. Positions are picture
// pixels.
class HotSpotShape
{
public:
    enum class Kind { Rectangle, Circle, Polygon };

    explicit HotSpotShape(QSize picture);

    Kind kind() const { return m_kind; }
    // Starts over with another shape.
    void setKind(Kind kind);
    // The shape word of the area tag: "rect", "circle" or "poly".
    QString word() const;

    // A click on the picture. A finished rectangle or circle is cleared by
    // the next click instead of starting a new one.
    void click(QPoint at);
    // The mouse over the picture: moves the rubber band until the shape is
    // finished.
    void hover(QPoint at);
    // Forgets the points, keeping the shape.
    void clear();

    const QList<QPoint> &points() const { return m_points; }
    // The circle's radius as last measured.
    int radius() const { return m_radius; }
    QString coords() const;
    // Enough points for an area tag.
    bool isComplete() const;
    // What to draw over the picture: the rubber band or the finished shape.
    QPainterPath outline() const;

private:
    bool isFinished() const;
    int radiusTo(QPoint at) const;

    QSize m_picture;
    Kind m_kind = Kind::Rectangle;
    // Polygons may have any number of points: the list grows with the clicks.
    QList<QPoint> m_points;
    QPoint m_mouse;
    int m_radius = 0;
};

#include "wizards/hotspotshape.h"

#include <QRectF>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

QString pointText(QPoint point)
{
    return QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
}

} // namespace

HotSpotShape::HotSpotShape(QSize picture)
    : m_picture(picture)
{
}

void HotSpotShape::setKind(Kind kind)
{
    m_kind = kind;
    clear();
}

QString HotSpotShape::word() const
{
    switch (m_kind) {
    case Kind::Rectangle:
        return QStringLiteral("rect");
    case Kind::Circle:
        return QStringLiteral("circle");
    case Kind::Polygon:
        break;
    }
    return QStringLiteral("poly");
}

void HotSpotShape::click(QPoint at)
{
    if (isFinished()) {
        clear();
        return;
    }
    // A click comes where the mouse is, whether or not a move was reported.
    hover(at);
    m_points.append(at);
}

void HotSpotShape::hover(QPoint at)
{
    if (isFinished())
        return;
    m_mouse = at;
    if (m_kind == Kind::Circle && m_points.size() == 1)
        m_radius = radiusTo(at);
}

void HotSpotShape::clear()
{
    m_points.clear();
    m_radius = 0;
}

QString HotSpotShape::coords() const
{
    QStringList parts;
    for (const QPoint &point : m_points)
        parts.append(pointText(point));
    if (m_kind == Kind::Circle && m_points.size() == 2) {
        // The second point only measured the radius.
        parts.last() = QString::number(m_radius);
    }
    return parts.join(QLatin1Char(' '));
}

bool HotSpotShape::isComplete() const
{
    return m_kind == Kind::Polygon ? m_points.size() >= 2 : isFinished();
}

QPainterPath HotSpotShape::outline() const
{
    QPainterPath path;
    if (m_points.isEmpty())
        return path;
    const QPoint first = m_points.first();
    switch (m_kind) {
    case Kind::Rectangle:
        path.addRect(QRectF(first, isFinished() ? m_points.at(1) : m_mouse).normalized());
        break;
    case Kind::Circle:
        path.addEllipse(first, m_radius, m_radius);
        break;
    case Kind::Polygon:
        if (m_points.size() == 1) {
            path.moveTo(m_mouse);
            path.lineTo(first);
        } else {
            path.moveTo(first);
            for (qsizetype i = 1; i < m_points.size(); ++i)
                path.lineTo(m_points.at(i));
            path.closeSubpath();
        }
        break;
    }
    return path;
}

bool HotSpotShape::isFinished() const
{
    return m_kind != Kind::Polygon && m_points.size() == 2;
}

int HotSpotShape::radiusTo(QPoint at) const
{
    // The horizontal distance, kept inside the picture on every side.
    const QPoint centre = m_points.first();
    return std::max(0, std::min({std::abs(at.x() - centre.x()), centre.x(), centre.y(),
                                 m_picture.width() - 1 - centre.x(), m_picture.height() - 1 - centre.y()}));
}

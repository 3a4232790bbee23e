#include "shell/flags.h"

#include <QPainter>
#include <QPolygonF>

namespace {

void drawUnitedKingdom(QPainter &p, const QRectF &r)
{
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xc8, 0x10, 0x2e);
    p.fillRect(r, blue);
    const double w = r.width();
    const double h = r.height();
    // Saint Andrew's saltire, then Saint Patrick's over it, then Saint George's cross.
    QPen white(Qt::white, h / 5);
    p.setPen(white);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    QPen thinRed(red, h / 15);
    p.setPen(thinRed);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(r.left() + w * 0.42, r.top(), w * 0.16, h), Qt::white);
    p.fillRect(QRectF(r.left(), r.top() + h * 0.34, w, h * 0.32), Qt::white);
    p.fillRect(QRectF(r.left() + w * 0.45, r.top(), w * 0.10, h), red);
    p.fillRect(QRectF(r.left(), r.top() + h * 0.40, w, h * 0.20), red);
}

void drawDenmark(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(0xc8, 0x10, 0x2e));
    const double w = r.width();
    const double h = r.height();
    // The Nordic cross stands nearer the hoist.
    p.fillRect(QRectF(r.left() + w * 0.32, r.top(), w * 0.11, h), Qt::white);
    p.fillRect(QRectF(r.left(), r.top() + h * 0.43, w, h * 0.14), Qt::white);
}

void drawGermany(QPainter &p, const QRectF &r)
{
    const double band = r.height() / 3;
    p.fillRect(QRectF(r.left(), r.top(), r.width(), band), Qt::black);
    p.fillRect(QRectF(r.left(), r.top() + band, r.width(), band), QColor(0xdd, 0x00, 0x00));
    p.fillRect(QRectF(r.left(), r.top() + 2 * band, r.width(), band), QColor(0xff, 0xce, 0x00));
}

} // namespace

QPixmap flagPixmap(Flag flag, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size.width(), size.height());
    painter.setClipRect(area);
    switch (flag) {
    case Flag::UnitedKingdom:
        drawUnitedKingdom(painter, area);
        break;
    case Flag::Denmark:
        drawDenmark(painter, area);
        break;
    case Flag::Germany:
        drawGermany(painter, area);
        break;
    }
    painter.setPen(QPen(Qt::gray, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    return pixmap;
}

#include "shell/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap markvaleLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF box(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(0x1f, 0x7a, 0x8c));
    fill.setColorAt(1, QColor(0x0b, 0x3c, 0x5d));
    QPainterPath shape;
    shape.addRoundedRect(box, size * 0.18, size * 0.18);
    painter.fillPath(shape, fill);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(size * 0.42));
    painter.setFont(font);
    painter.setPen(QColor(0xf2, 0xb1, 0x34));
    painter.drawText(box.adjusted(0, 0, 0, -size * 0.08), Qt::AlignCenter, QStringLiteral("<M>"));
    font.setPixelSize(int(size * 0.12));
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(box.adjusted(0, size * 0.55, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("PRO"));
    return pixmap;
}

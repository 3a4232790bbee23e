#include "wizards/layoutpicture.h"

#include "wizards/previewgeometry.h"

#include <QPainter>

QPixmap layoutPicture(int layout)
{
    const QSize size(80, 60);
    QPixmap picture(size);
    picture.fill(QColor(0xd4, 0xd0, 0xc8));
    QPainter painter(&picture);

    // A window with a title bar, its client area divided into the frames.
    const QRect window(1, 1, size.width() - 3, size.height() - 3);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(window);
    painter.fillRect(QRect(window.left() + 1, window.top() + 1, window.width() - 1, 7), QColor(0x0a, 0x24, 0x6a));
    const QRect client(window.left() + 3, window.top() + 10, window.width() - 5, window.height() - 12);

    const QColor fills[] = {QColor(0xc6, 0xe2, 0xff), Qt::white, QColor(0xff, 0xf4, 0xc8)};
    const QList<QRect> panes = PreviewGeometry::panes(layout, 35, 35);
    const qreal sx = qreal(client.width()) / PreviewGeometry::Width;
    const qreal sy = qreal(client.height()) / PreviewGeometry::Height;
    painter.setPen(QColor(0x20, 0x20, 0x20));
    for (int k = 0; k < panes.size(); ++k) {
        const QRect p = panes.at(k);
        const QRect r(client.left() + qRound(p.left() * sx), client.top() + qRound(p.top() * sy),
                      qRound(p.width() * sx), qRound(p.height() * sy));
        painter.fillRect(r, fills[k]);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        // A few lines of "text" in each frame.
        painter.save();
        painter.setPen(QColor(0x90, 0x90, 0x90));
        for (int y = r.top() + 4; y < r.bottom() - 2; y += 4)
            painter.drawLine(r.left() + 3, y, r.left() + qMax(3, r.width() * 2 / 3), y);
        painter.restore();
    }
    return picture;
}

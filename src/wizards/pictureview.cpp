#include "wizards/pictureview.h"

#include <QMouseEvent>
#include <QPainter>

PictureView::PictureView(const QImage &picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setFixedSize(m_picture.size());
    setMouseTracking(true);
}

void PictureView::setOutline(const QPainterPath &outline)
{
    m_outline = outline;
    update();
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_picture, event->rect());
    if (m_outline.isEmpty())
        return;
    painter.setPen(palette().color(QPalette::Light));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(m_outline);
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT clicked(event->position().toPoint());
}

void PictureView::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the moves arrive from outside the picture too.
    const QPoint at = event->position().toPoint();
    if (rect().contains(at))
        Q_EMIT hovered(at);
}

void PictureView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    Q_EMIT left();
}

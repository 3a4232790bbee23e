#pragma once

#include <QImage>
#include <QPainterPath>
#include <QWidget>

// A picture at its natural size, with an outline drawn over it. Reports
// clicks and mouse moves in picture pixels.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(const QImage &picture, QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    // Replaces what is drawn over the picture; an empty path shows it bare.
    void setOutline(const QPainterPath &outline);

    QSize sizeHint() const override { return m_picture.size(); }

Q_SIGNALS:
    void clicked(QPoint at);
    void hovered(QPoint at);
    void left();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QImage m_picture;
    QPainterPath m_outline;
};

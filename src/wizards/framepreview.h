#pragma once

#include <QFrame>
#include <QList>

// Empty panes that show how a layout divides the browser window at the
// chosen percentages; grey while a size is given in pixels instead.
class FramePreview : public QFrame
{
    Q_OBJECT

public:
    explicit FramePreview(int layout, QWidget *parent = nullptr);

    void setPercentages(int outer, int inner);
    void setGrey(bool grey);
    bool isGrey() const { return m_grey; }
    // Frames 1, 2 (and 3) in the layout's order.
    QList<QWidget *> panes() const { return m_panes; }

private:
    int m_layout;
    bool m_grey = false;
    QList<QWidget *> m_panes;
};

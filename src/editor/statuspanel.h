#pragma once

#include <QLabel>

// One panel of a status bar, as wide as its design width scaled to the font.
// A flexible panel gives way when the window is narrower; a fixed one keeps
// its short text readable.
class StatusPanel : public QLabel
{
    Q_OBJECT

public:
    enum Sizing { Fixed, Flexible };
    StatusPanel(int designWidth, Sizing sizing, QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_width;
    Sizing m_sizing;
};

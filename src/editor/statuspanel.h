#pragma once

#include <QLabel>

// One panel of a status bar: as wide as its design width (scaled to the
// font), but giving way when the window is narrower.
class StatusPanel : public QLabel
{
    Q_OBJECT

public:
    StatusPanel(int designWidth, QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_width;
};

#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrow buttons that step a whole number within a range; the
// number itself is shown by a label of the page. Up and Down keys step too.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);
    void setRange(int minimum, int maximum);
    void stepBy(int steps);

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 100;
};

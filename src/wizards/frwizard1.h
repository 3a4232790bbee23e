#pragma once

#include <QDialog>

class QPushButton;
class QToolButton;

// The first page of the frames wizard: the user picks a layout by clicking
// its picture.
class Tfrwizard1 : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrwizard1(QWidget *parent = nullptr);

    // 1..4 once a picture was clicked, 0 before.
    int layout() const { return m_layout; }

    // The picture of layout 1..4.
    QToolButton *layoutButton(int layout) const { return m_layoutButtons[layout - 1]; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    void choose(int layout);

    int m_layout = 0;
    QToolButton *m_layoutButtons[4] = {};
    QPushButton *m_cancel = nullptr;
};

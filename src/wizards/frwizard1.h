#pragma once

#include <QDialog>

// The first page of the frames wizard: the user picks a layout by clicking
// its picture.
class Tfrwizard1 : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrwizard1(QWidget *parent = nullptr);

    // 1..4 once a picture was clicked, 0 before.
    int layout() const { return m_layout; }

private:
    void choose(int layout);

    int m_layout = 0;
};

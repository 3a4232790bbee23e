#pragma once

#include <QDialog>

// The about box: logo, name, version and one button.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

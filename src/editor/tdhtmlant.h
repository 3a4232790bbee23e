#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The layer generator's first question: how many layers.
class Tdhtmlant : public QDialog
{
    Q_OBJECT

public:
    explicit Tdhtmlant(QWidget *parent = nullptr);

    QLabel *numlabel;
    QLineEdit *numedit;
    QPushButton *cancelbutton;
    QPushButton *okbutton;

protected:
    void showEvent(QShowEvent *event) override;
};

extern const CaptionTable TdhtmlantCaptions;

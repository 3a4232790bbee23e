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

    QLabel *countLabel;
    QLineEdit *countEdit;
    QPushButton *cancelButton;
    QPushButton *okButton;

protected:
    void showEvent(QShowEvent *event) override;
};

extern const CaptionTable TdhtmlantCaptions;

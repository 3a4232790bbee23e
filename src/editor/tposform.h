#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Jump to: asks for a line and a column. OK is offered only while both boxes
// hold whole numbers ("$" introduces hexadecimal).
class Tposform : public QDialog
{
    Q_OBJECT

public:
    explicit Tposform(QWidget *parent = nullptr);

    // The parsed numbers; 0 while a box does not parse.
    int line() const;
    int column() const;

    QLabel *lineNumberLabel;
    QLineEdit *lineNumberEdit;
    QLabel *columnLabel;
    QLineEdit *columnEdit;
    QPushButton *cancelButton;
    QPushButton *okButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void editChange();
};

extern const CaptionTable TposformCaptions;

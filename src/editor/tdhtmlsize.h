#pragma once

#include "editor/snippettexts.h"
#include "settings/captiontable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The layer generator's second question: one height, width, top and left for
// all layers. OK needs four whole numbers that add up to 4999 at most; Skip
// leaves the geometry out.
class Tdhtmlsize : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 5500;
    // The result code of Skip, beside Accepted and Rejected.
    static constexpr int Skipped = 2;

    explicit Tdhtmlsize(QWidget *parent = nullptr);

    // The four boxes as typed.
    SnippetTexts::LayerGeometry geometry() const;

    QLabel *hlabel;
    QLabel *wlabel;
    QLabel *tlabel;
    QLabel *llabel;
    QLineEdit *Edit1; // height
    QLineEdit *Edit2; // width
    QLineEdit *Edit3; // top
    QLineEdit *Edit4; // left
    QPushButton *okbutton;
    QPushButton *skipbutton;
    QPushButton *cancelbutton;
    QPushButton *helpbutton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void editChange();
};

extern const CaptionTable TdhtmlsizeCaptions;

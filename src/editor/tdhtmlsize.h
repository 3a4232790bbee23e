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

    QLabel *heightLabel;
    QLabel *widthLabel;
    QLabel *topLabel;
    QLabel *leftLabel;
    QLineEdit *heightEdit;
    QLineEdit *widthEdit;
    QLineEdit *topEdit;
    QLineEdit *leftEdit;
    QPushButton *okButton;
    QPushButton *skipButton;
    QPushButton *cancelButton;
    QPushButton *helpButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void editChange();
};

extern const CaptionTable TdhtmlsizeCaptions;

#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Set defined tag: edits the ten slots one at a time. The caret left in the
// opening text marks where the caret is to stand after an insertion.
class Tdefform : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 4200;

    explicit Tdefform(QWidget *parent = nullptr);

    // Fills the fields from a slot; unsaved edits of the shown slot are dropped.
    void showSlot(int slot);
    // Stores the shown slot from the fields and writes it to the settings store.
    void savebuttonClick();

    QSpinBox *updown1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *Edit1; // title
    QLabel *openlabel;
    QLineEdit *Edit2; // opening text
    QLabel *closelabel;
    QLineEdit *Edit3; // closing text
    QLabel *Memo1;    // the note about the caret
    QRadioButton *inlinebutton;
    QRadioButton *onelinebutton;
    QRadioButton *sectionbutton;
    QPushButton *helpbutton;
    QPushButton *cancelbutton;
    QPushButton *savebutton;
    QPushButton *donebutton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
};

extern const CaptionTable TdefformCaptions;

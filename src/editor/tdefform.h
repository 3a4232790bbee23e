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
    void saveSlot();

    QSpinBox *slotBox;
    QLabel *slotLabel;
    QLabel *slotNumberLabel;
    QLabel *titleLabel;
    QLineEdit *titleEdit;
    QLabel *openLabel;
    QLineEdit *openEdit;
    QLabel *closeLabel;
    QLineEdit *closeEdit;
    QLabel *caretNote; // where to leave the caret before saving
    QRadioButton *inlineButton;
    QRadioButton *oneLineButton;
    QRadioButton *sectionButton;
    QPushButton *helpButton;
    QPushButton *cancelButton;
    QPushButton *saveButton;
    QPushButton *doneButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
};

extern const CaptionTable TdefformCaptions;

#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the search and the replace dialog share: the search text, the
// match-case box, the scope (the selected text, the document, all open
// documents) and OK, Cancel and Help. OK is offered while there is a search
// text. Only OK confirms; any other way out
// leaves the dialog unconfirmed. Each is shown once and then released, so the
// boxes always open empty.
class TCriteriaDialog : public QDialog
{
    Q_OBJECT

public:
    bool Confirmed() const { return m_confirmed; }

    QLabel *searchLabel;
    QLineEdit *searchEdit;
    QCheckBox *matchCaseBox;
    QRadioButton *selectedButton;
    QRadioButton *globalButton;
    QRadioButton *allFilesButton;
    QPushButton *okButton;
    QPushButton *cancelButton;
    QPushButton *helpButton;

protected:
    // `captions` are the dialog's own rows besides the shared ones; the
    // search dialog has no close box.
    TCriteriaDialog(const char *name, const CaptionTable &captions, bool closeBox, QWidget *parent);

    // Room for a further labelled box beneath the search text.
    void addField(QLabel *label, QLineEdit *edit);

    void showEvent(QShowEvent *event) override;

    // Whether "Selected" is offered and preset as the dialog opens.
    virtual bool presetInSelection() const = 0;
    // Copies the dialog's choices into the search criteria.
    virtual void storeCriteria() = 0;

private:
    void FormShow();
    void updateOk();
    void confirm();

    QGridLayout *m_fields;
    const CaptionTable &m_captions;
    bool m_confirmed = false;
};

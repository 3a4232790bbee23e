#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QPushButton;
class QVBoxLayout;

// A page of the frames wizard: a dialog with its own controls above a row of
// Help, Cancel and a button that goes on (Next, or OK on the last page).
class FrameWizardPage : public QDialog
{
    Q_OBJECT

public:
    // Object names of the three buttons, which differ from page to page.
    struct ButtonNames
    {
        const char *cancel;
        const char *help;
        const char *proceed;
    };
    enum class Proceed { Next, Ok };

    // Confirms the page only when its values pass the page's checks.
    void accept() override;

    QPushButton *proceedButton() const { return m_proceed; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

protected:
    FrameWizardPage(const ButtonNames &buttons, Proceed proceed, int helpContext, QWidget *parent);

    // Where the page puts its controls.
    QVBoxLayout *body() const { return m_body; }

    // The captions of the current language; the English ones when no language
    // has been chosen.
    void applyPageCaptions(const CaptionTable *captions, const CaptionTable *changes);

    // Refuses values that cannot be used, after telling the user why.
    virtual bool checkValues() { return true; }

private:
    QVBoxLayout *m_body;
    QPushButton *m_cancel;
    QPushButton *m_help;
    QPushButton *m_proceed;
};

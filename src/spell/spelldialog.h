#pragma once

#include "spell/spelloptions.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SpellSession;

// The checker's dialog: shows what the session asks about, offers
// suggestions and passes the user's answer back to the session. It closes
// by itself when the session has reached the end of the document. When the
// document is edited while it is open, the check stops until Start.
class TSpellDialog : public QDialog
{
    Q_OBJECT

public:
    TSpellDialog(SpellSession &session, int lang, QWidget *parent = nullptr);

    // Shows the session's current finding, or closes the dialog when the
    // session has reached the end.
    void showFinding();
    // The document was changed by something else than the check: nothing
    // can be answered until the check starts again.
    void stop();

    QLabel *findingLabel;
    QLineEdit *wordEdit;
    QLineEdit *replaceEdit;
    QListWidget *suggestionList;
    QPushButton *changeAllButton;
    QPushButton *changeButton;
    QPushButton *ignoreAllButton;
    QPushButton *ignoreButton;
    QPushButton *addWordButton;
    QPushButton *autoCorrectButton;
    QPushButton *suggestButton;
    QPushButton *startButton;
    QPushButton *undoButton;
    QPushButton *optionsButton;
    QPushButton *deleteButton;
    QPushButton *helpButton;
    QPushButton *cancelButton;

Q_SIGNALS:
    // The text now in question, for the document to show it.
    void findingShown(int start, int length);
    // The user changed the options; they apply from the current word on.
    void optionsChanged(const SpellOptions &options);
    // A word could not be saved in the user's word list.
    void userWordsNotSaved();
    // A change of the auto-correct list could not be saved.
    void autoCorrectionsNotSaved();

private:
    QPushButton *addButton(const char *name, const char *caption, void (TSpellDialog::*handler)());
    void fillSuggestions(const QStringList &words);
    void updateAutoCorrect();

    void changeAll();
    void change();
    void ignoreAll();
    void ignore();
    void addWord();
    void addAutoCorrection();
    void suggest();
    void restart();
    void undoLast();
    void editOptions();
    void deleteWord();
    void showHelp();

    SpellSession &m_session;
    int m_lang;
    bool m_stopped = false;
};

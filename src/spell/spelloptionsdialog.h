#pragma once

#include "spell/spelloptions.h"

#include <QDialog>

class AutoCorrectList;
class QCheckBox;
class QListWidget;
class QPushButton;

// The checker's option page: what to pass over and how to suggest, and the
// auto-correct list, which it can clear.
class TSpellOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // Without a list the auto-correct part stays empty.
    TSpellOptionsDialog(const SpellOptions &options, const AutoCorrectList *autoCorrections, int lang,
                        QWidget *parent = nullptr);

    SpellOptions options() const;
    // Whether the user asked for the auto-correct list to be emptied.
    bool autoCorrectionsCleared() const { return m_cleared; }

    QCheckBox *upperCaseBox;
    QCheckBox *numbersBox;
    QCheckBox *tagsBox;
    QCheckBox *addressesBox;
    QCheckBox *quotedBox;
    QCheckBox *automaticBox;
    QCheckBox *mainOnlyBox;
    QCheckBox *recheckBox;
    QCheckBox *repeatedBox;
    QCheckBox *capitalsBox;
    QListWidget *autoCorrectionList;
    QPushButton *clearButton;

private:
    QCheckBox *addBox(QWidget *group, const char *name, const char *caption, bool checked);
    QWidget *autoCorrectGroup(const AutoCorrectList *autoCorrections);

    bool m_cleared = false;
};

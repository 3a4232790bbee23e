#pragma once

#include "spell/spelloptions.h"

#include <QDialog>

class AutoCorrectList;
class QCheckBox;
class QListWidget;

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

private:
    QCheckBox *addBox(QWidget *group, const char *name, const char *caption, bool checked);
    QWidget *autoCorrectGroup(const AutoCorrectList *autoCorrections);

    QCheckBox *uppercasebox;
    QCheckBox *numbersbox;
    QCheckBox *tagsbox;
    QCheckBox *addressesbox;
    QCheckBox *quotedbox;
    QCheckBox *automaticbox;
    QCheckBox *mainonlybox;
    QCheckBox *recheckbox;
    QCheckBox *repeatedbox;
    QCheckBox *capitalsbox;
    QListWidget *autocorrectlist;
    bool m_cleared = false;
};

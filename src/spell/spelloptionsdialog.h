#pragma once

#include "spell/spelloptions.h"

#include <QDialog>

class QCheckBox;

// The checker's option page: what to pass over and how to suggest.
class TSpellOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    TSpellOptionsDialog(const SpellOptions &options, int lang, QWidget *parent = nullptr);

    SpellOptions options() const;

private:
    QCheckBox *addBox(QWidget *group, const char *name, const char *caption, bool checked);

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
};

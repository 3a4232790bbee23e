#pragma once

#include "search/criteriadialog.h"

// The replace dialog: the search dialog's choices plus the replacement text.
// Replacing always covers whole documents, so "Selected" is never offered.
class Treplaceform : public TCriteriaDialog
{
    Q_OBJECT

public:
    explicit Treplaceform(QWidget *parent = nullptr);

    QLabel *replaceLabel;
    QLineEdit *replaceEdit;

protected:
    bool presetInSelection() const override;
    void storeCriteria() override;
};

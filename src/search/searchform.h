#pragma once

#include "search/criteriadialog.h"

// The search dialog. "Selected" is offered only when the active document had
// a selection as the command started.
class Tsearchform : public TCriteriaDialog
{
    Q_OBJECT

public:
    explicit Tsearchform(QWidget *parent = nullptr);

protected:
    bool presetInSelection() const override;
    void storeCriteria() override;
};

#pragma once

#include "wizards/framewizardpage.h"

class QLineEdit;

// The frames wizard's question for the directory that receives the pages.
class Tdirdia : public FrameWizardPage
{
    Q_OBJECT

public:
    explicit Tdirdia(const QString &start, QWidget *parent = nullptr);

    QString directory() const;

private:
    void browse();
    void updateOk();

    QLineEdit *m_directoryEdit;
};

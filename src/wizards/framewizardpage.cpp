#include "wizards/framewizardpage.h"

#include "editor/dialoghelpers.h"
#include "editor/dialogrunner.h"
#include "wizards/frameswizardtexts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *namedButton(QWidget *parent, const char *name, const LangText &caption)
{
    return DialogHelpers::button(parent, name, pick(caption, FramesWizardTexts::language()).toUtf8().constData());
}

} // namespace

FrameWizardPage::FrameWizardPage(const ButtonNames &buttons, Proceed proceed, int helpContext,
                                 QWidget *parent)
    : QDialog(parent)
    , m_body(new QVBoxLayout)
{
    setWindowTitle(QStringLiteral("Frame wizard"));
    QPushButton *cancel = namedButton(this, buttons.cancel, FramesWizardTexts::Cancel);
    QPushButton *help = namedButton(this, buttons.help, FramesWizardTexts::Help);
    m_proceed = namedButton(this, buttons.proceed,
                            proceed == Proceed::Next ? FramesWizardTexts::Next : FramesWizardTexts::Ok);
    m_proceed->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [helpContext] { DialogRunner::showHelp(helpContext); });
    connect(m_proceed, &QPushButton::clicked, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(help);
    row->addStretch();
    row->addWidget(cancel);
    row->addWidget(m_proceed);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    layout->addSpacing(8);
    layout->addLayout(row);
    DialogHelpers::makeFixed(this, true);
}

void FrameWizardPage::applyPageCaptions(CaptionTable table)
{
    applyCaptions(this, table, FramesWizardTexts::language());
}

void FrameWizardPage::accept()
{
    if (checkValues())
        QDialog::accept();
}

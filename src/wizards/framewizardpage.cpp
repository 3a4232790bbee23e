#include "wizards/framewizardpage.h"

#include "settings/commoncaptions.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "wizards/frameswizardtexts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The pages name their buttons differently, so no table row can caption them.
QPushButton *namedButton(QWidget *parent, const char *name, const LangText &caption)
{
    QPushButton *button = DialogHelpers::button(parent, name, "");
    setNameCaption(button, pick(caption, FramesWizardTexts::language()));
    return button;
}

} // namespace

FrameWizardPage::FrameWizardPage(const ButtonNames &buttons, Proceed proceed, int helpContext,
                                 QWidget *parent)
    : QDialog(parent)
    , m_body(new QVBoxLayout)
{
    setNameCaption(this, QStringLiteral("Frame wizard"));
    m_cancel = namedButton(this, buttons.cancel, CommonCaptions::Cancel);
    m_help = namedButton(this, buttons.help, CommonCaptions::Help);
    m_proceed = namedButton(this, buttons.proceed,
                            proceed == Proceed::Next ? FramesWizardTexts::Next : CommonCaptions::Ok);
    m_proceed->setDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [helpContext] { DialogRunner::showHelp(helpContext); });
    connect(m_proceed, &QPushButton::clicked, this, &QDialog::accept);

    QHBoxLayout *row = DialogHelpers::buttonRow({m_help}, {m_cancel, m_proceed});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    layout->addSpacing(8);
    layout->addLayout(row);
    DialogHelpers::makeFixed(this, true);
}

void FrameWizardPage::applyPageCaptions(const CaptionTable *captions, const CaptionTable *changes)
{
    const int lang = FramesWizardTexts::language();
    if (changes)
        applyCaptions(this, {captions, changes}, lang);
    else
        applyCaptions(this, *captions, lang);
}

void FrameWizardPage::accept()
{
    if (checkValues())
        QDialog::accept();
}

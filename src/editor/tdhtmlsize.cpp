#include "editor/tdhtmlsize.h"

#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const CaptionTable TdhtmlsizeCaptions{"layer size dialog", {
    {"hlabel", {"Height", "Højde", "Höhe"}},
    {"wlabel", {"Width", "Bredde", "Breite"}},
    {"tlabel", {"Top:", "Top:", "Top:"}},
    {"llabel", {"Left:", "Left:", "Left:"}},
    {"okbutton", CommonCaptions::Ok},
    {"skipbutton", {"&Skip", "&Ignorer", "&Ignorieren"}},
    {"cancelbutton", CommonCaptions::Cancel},
    {"helpbutton", CommonCaptions::Help},
}};

Tdhtmlsize::Tdhtmlsize(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdhtmlsize"));
    setNameCaption(this, QStringLiteral("DHTML/Layers"));

    auto *grid = new QGridLayout(this);
    const struct {
        QLabel *&label;
        const char *labelName;
        const char *caption;
        QLineEdit *&edit;
        const char *editName;
    } rows[] = {
        {heightLabel, "hlabel", "Height", heightEdit, "Edit1"},
        {widthLabel, "wlabel", "Width", widthEdit, "Edit2"},
        {topLabel, "tlabel", "Top", topEdit, "Edit3"},
        {leftLabel, "llabel", "Left", leftEdit, "Edit4"},
    };
    int row = 0;
    for (const auto &r : rows) {
        r.label = named<QLabel>(r.labelName, QLatin1String(r.caption), this);
        r.edit = named<QLineEdit>(r.editName, this);
        r.label->setBuddy(r.edit);
        grid->addWidget(r.label, row, 0);
        grid->addWidget(r.edit, row, 1);
        connect(r.edit, &QLineEdit::textChanged, this, &Tdhtmlsize::editChange);
        ++row;
    }

    auto *buttons = new QHBoxLayout;
    okButton = DialogHelpers::button(this, "okbutton", "&Ok");
    skipButton = DialogHelpers::button(this, "skipbutton", "&Skip");
    cancelButton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    helpButton = DialogHelpers::button(this, "helpbutton", "&Help");
    okButton->setDefault(true);
    buttons->addWidget(okButton);
    buttons->addWidget(skipButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    grid->addLayout(buttons, row, 0, 1, 2);
    DialogHelpers::makeFixed(this, true);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(skipButton, &QPushButton::clicked, this, [this] { done(Skipped); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    // As it is shown: OK disabled, the language, the focus in the first box.
    okButton->setEnabled(false);
    applyCaptions(this, TdhtmlsizeCaptions, settings().Lang);
    heightEdit->setFocus();
}

void Tdhtmlsize::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
    heightEdit->setFocus();
}

SnippetTexts::LayerGeometry Tdhtmlsize::geometry() const
{
    return {heightEdit->text(), widthEdit->text(), topEdit->text(), leftEdit->text()};
}

void Tdhtmlsize::editChange()
{
    okButton->setEnabled(SnippetTexts::geometryAcceptable(geometry()));
}

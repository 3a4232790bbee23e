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
        {hlabel, "hlabel", "Height", Edit1, "Edit1"},
        {wlabel, "wlabel", "Width", Edit2, "Edit2"},
        {tlabel, "tlabel", "Top", Edit3, "Edit3"},
        {llabel, "llabel", "Left", Edit4, "Edit4"},
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
    okbutton = DialogHelpers::button(this, "okbutton", "&Ok");
    skipbutton = DialogHelpers::button(this, "skipbutton", "&Skip");
    cancelbutton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    helpbutton = DialogHelpers::button(this, "helpbutton", "&Help");
    okbutton->setDefault(true);
    buttons->addWidget(okbutton);
    buttons->addWidget(skipbutton);
    buttons->addWidget(cancelbutton);
    buttons->addWidget(helpbutton);
    grid->addLayout(buttons, row, 0, 1, 2);
    DialogHelpers::makeFixed(this, true);

    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
    connect(skipbutton, &QPushButton::clicked, this, [this] { done(Skipped); });
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpbutton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    // As it is shown: OK disabled, the language, the focus in the first box.
    okbutton->setEnabled(false);
    applyCaptions(this, TdhtmlsizeCaptions, settings().Lang);
    Edit1->setFocus();
}

void Tdhtmlsize::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
    Edit1->setFocus();
}

SnippetTexts::LayerGeometry Tdhtmlsize::geometry() const
{
    return {Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text()};
}

void Tdhtmlsize::editChange()
{
    okbutton->setEnabled(SnippetTexts::geometryAcceptable(geometry()));
}

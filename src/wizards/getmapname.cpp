#include "wizards/getmapname.h"

#include "editor/dialoghelpers.h"
#include "editor/dialogrunner.h"
#include "settings/captiontable.h"
#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "wizards/imagemaptext.h"
#include "wizards/wizardwidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const CaptionTable TgetmapnameCaptions{"map name dialog", {
    {"Label1", {"Enter map name, can be anything", "Indtast map navn, kan være hvad som helst",
                "Mapname engeben, kann alles sein"}},
    {"BitBtn1", CommonCaptions::Ok},
    {"BitBtn2", CommonCaptions::Cancel},
    {"BitBtn3", CommonCaptions::Help},
}};

namespace {
constexpr int HelpTopic = 5200;
}

Tgetmapname::Tgetmapname(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tgetmapname"));
    setNameCaption(this, QStringLiteral("Imagemap wizard"));

    auto *layout = new QVBoxLayout(this);
    Label1 = WizardWidgets::label(this, "Label1", "Enter map name, can be anything");
    Edit1 = new QLineEdit(QStringLiteral(".map"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Ok");
    BitBtn2 = DialogHelpers::button(this, "BitBtn2", "&Cancel");
    BitBtn3 = DialogHelpers::button(this, "BitBtn3", "&Help");
    BitBtn1->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Edit1, &QLineEdit::textChanged, this, &Tgetmapname::Edit1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    applyCaptions(this, TgetmapnameCaptions, settings().Lang);
    BitBtn1->setEnabled(false);
    Edit1->setFocus();
}

void Tgetmapname::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing the dialog tabs into the box, which selects its text; the user
    // types the name in front of the preset extension instead.
    if (visible) {
        Edit1->deselect();
        Edit1->setCursorPosition(0);
    }
}

QString Tgetmapname::mapName() const
{
    return Edit1->text();
}

void Tgetmapname::Edit1Change()
{
    BitBtn1->setEnabled(ImageMapText::isMapName(Edit1->text()));
}

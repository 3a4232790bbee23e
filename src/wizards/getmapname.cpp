#include "wizards/getmapname.h"

#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
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
    nameLabel = DialogHelpers::label(this, "Label1", "Enter map name, can be anything");
    nameEdit = named<QLineEdit>("Edit1", QStringLiteral(".map"), this);
    nameLabel->setBuddy(nameEdit);
    layout->addWidget(nameLabel);
    layout->addWidget(nameEdit);

    okButton = DialogHelpers::button(this, "BitBtn1", "&Ok");
    cancelButton = DialogHelpers::button(this, "BitBtn2", "&Cancel");
    helpButton = DialogHelpers::button(this, "BitBtn3", "&Help");
    okButton->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({okButton, cancelButton, helpButton});
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(nameEdit, &QLineEdit::textChanged, this, &Tgetmapname::updateOk);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });

    applyCaptions(this, TgetmapnameCaptions, settings().Lang);
    okButton->setEnabled(false);
    nameEdit->setFocus();
}

void Tgetmapname::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing the dialog tabs into the box, which selects its text; the user
    // types the name in front of the preset extension instead.
    if (visible) {
        nameEdit->deselect();
        nameEdit->setCursorPosition(0);
    }
}

QString Tgetmapname::mapName() const
{
    return nameEdit->text();
}

void Tgetmapname::updateOk()
{
    okButton->setEnabled(ImageMapText::isMapName(nameEdit->text()));
}

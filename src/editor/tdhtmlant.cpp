#include "editor/tdhtmlant.h"

#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/named.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const CaptionTable TdhtmlantCaptions{"layer count dialog", {
    {"numlabel", {"Number of layers", "Antal layers", "Anzahl Layer"}},
    {"cancelbutton", CommonCaptions::Cancel},
    {"okbutton", CommonCaptions::Ok},
}};

Tdhtmlant::Tdhtmlant(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdhtmlant"));
    setNameCaption(this, QStringLiteral("DHTML/Layers"));

    auto *grid = new QGridLayout(this);
    countLabel = named<QLabel>("numlabel", QStringLiteral("Number of layers"), this);
    countEdit = named<QLineEdit>("numedit", this);
    countLabel->setBuddy(countEdit);
    grid->addWidget(countLabel, 0, 0);
    grid->addWidget(countEdit, 0, 1);

    cancelButton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    okButton = DialogHelpers::button(this, "okbutton", "&Ok");
    okButton->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({cancelButton, okButton});
    grid->addLayout(buttons, 1, 0, 1, 2);
    DialogHelpers::makeFixed(this, true);

    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    // As it is shown: the language, and an empty box with the focus.
    applyCaptions(this, TdhtmlantCaptions, settings().Lang);
    countEdit->clear();
    countEdit->setFocus();
}

void Tdhtmlant::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
    countEdit->setFocus();
}

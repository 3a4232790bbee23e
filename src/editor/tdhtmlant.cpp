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
    numlabel = named<QLabel>("numlabel", QStringLiteral("Number of layers"), this);
    numedit = named<QLineEdit>("numedit", this);
    numlabel->setBuddy(numedit);
    grid->addWidget(numlabel, 0, 0);
    grid->addWidget(numedit, 0, 1);

    cancelbutton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    okbutton = DialogHelpers::button(this, "okbutton", "&Ok");
    okbutton->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({cancelbutton, okbutton});
    grid->addLayout(buttons, 1, 0, 1, 2);
    DialogHelpers::makeFixed(this, true);

    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);

    // As it is shown: the language, and an empty box with the focus.
    applyCaptions(this, TdhtmlantCaptions, settings().Lang);
    numedit->clear();
    numedit->setFocus();
}

void Tdhtmlant::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
    numedit->setFocus();
}

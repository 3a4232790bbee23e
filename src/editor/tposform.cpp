#include "editor/tposform.h"

#include "settings/commoncaptions.h"
#include "settings/integertext.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/named.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const CaptionTable TposformCaptions{"jump dialog", {
    {"Tposform", {"Enter position", "Indtast position", "Position eingeben"}},
    {"Label1", {"Line", "Linje", "Zeile"}},
    {"Label2", {"Position:", "Position:", "Position:"}},
    {"BitBtn1", CommonCaptions::Cancel},
    {"BitBtn2", CommonCaptions::Ok},
}};

Tposform::Tposform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tposform"));
    setDesignCaption(this, "Enter position");

    auto *grid = new QGridLayout(this);
    Label1 = named<QLabel>("Label1", QStringLiteral("Line:"), this);
    Edit1 = named<QLineEdit>("Edit1", QStringLiteral("0"), this);
    Label2 = named<QLabel>("Label2", QStringLiteral("Position:"), this);
    Edit2 = named<QLineEdit>("Edit2", QStringLiteral("0"), this);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit2, 1, 1);

    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Cancel");
    BitBtn2 = DialogHelpers::button(this, "BitBtn2", "&Ok");
    BitBtn2->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({BitBtn1, BitBtn2});
    grid->addLayout(buttons, 2, 0, 1, 2);
    DialogHelpers::makeFixed(this, false);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Edit1, &QLineEdit::textChanged, this, &Tposform::editChange);
    connect(Edit2, &QLineEdit::textChanged, this, &Tposform::editChange);

    // What the form does as it is shown: its language, and OK waits for a change.
    applyCaptions(this, TposformCaptions, settings().Lang);
    BitBtn2->setEnabled(false);
}

void Tposform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
    // Typing replaces the "0" rather than adding to it.
    Edit1->setFocus();
    Edit1->selectAll();
}

void Tposform::editChange()
{
    BitBtn2->setEnabled(parseInteger(Edit1->text()).has_value()
                        && parseInteger(Edit2->text()).has_value());
}

int Tposform::line() const
{
    return parseInteger(Edit1->text()).value_or(0);
}

int Tposform::column() const
{
    return parseInteger(Edit2->text()).value_or(0);
}

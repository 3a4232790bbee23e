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
    lineNumberLabel = named<QLabel>("Label1", QStringLiteral("Line:"), this);
    lineNumberEdit = named<QLineEdit>("Edit1", QStringLiteral("0"), this);
    columnLabel = named<QLabel>("Label2", QStringLiteral("Position:"), this);
    columnEdit = named<QLineEdit>("Edit2", QStringLiteral("0"), this);
    lineNumberLabel->setBuddy(lineNumberEdit);
    columnLabel->setBuddy(columnEdit);
    grid->addWidget(lineNumberLabel, 0, 0);
    grid->addWidget(lineNumberEdit, 0, 1);
    grid->addWidget(columnLabel, 1, 0);
    grid->addWidget(columnEdit, 1, 1);

    cancelButton = DialogHelpers::button(this, "BitBtn1", "&Cancel");
    okButton = DialogHelpers::button(this, "BitBtn2", "&Ok");
    okButton->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({cancelButton, okButton});
    grid->addLayout(buttons, 2, 0, 1, 2);
    DialogHelpers::makeFixed(this, false);

    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(lineNumberEdit, &QLineEdit::textChanged, this, &Tposform::editChange);
    connect(columnEdit, &QLineEdit::textChanged, this, &Tposform::editChange);

    // What the form does as it is shown: its language, and OK waits for a change.
    applyCaptions(this, TposformCaptions, settings().Lang);
    okButton->setEnabled(false);
}

void Tposform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
    // Typing replaces the "0" rather than adding to it.
    lineNumberEdit->setFocus();
    lineNumberEdit->selectAll();
}

void Tposform::editChange()
{
    okButton->setEnabled(parseInteger(lineNumberEdit->text()).has_value()
                        && parseInteger(columnEdit->text()).has_value());
}

int Tposform::line() const
{
    return parseInteger(lineNumberEdit->text()).value_or(0);
}

int Tposform::column() const
{
    return parseInteger(columnEdit->text()).value_or(0);
}

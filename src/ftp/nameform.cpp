#include "ftp/nameform.h"

#include "editor/dialoghelpers.h"
#include "settings/commoncaptions.h"
#include "settings/settings.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const CaptionTable NameformCaptions{"FTP name dialogs", {
    {"BitBtn1", CommonCaptions::Cancel},
    {"BitBtn2", CommonCaptions::Ok},
}};

namespace {

const CaptionTable NewdirformTitle{"FTP new folder dialog", {
    {"Tnewdirform", {"Enter new name", "Indtast nyt navn", "Neue Name eingeben"}},
}};

const CaptionTable FileformTitle{"FTP rename dialog", {
    {"Tfileform", {"Enter new name", "Indtast nyt navn", "Neue Name eingeben"}},
}};

} // namespace

namespace {
constexpr int BoxWidth = 260;
}

TNameform::TNameform(const char *objectName, const char *designTitle, const CaptionTable &title, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(QString::fromUtf8(designTitle));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(BoxWidth);
    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Cancel");
    BitBtn2 = DialogHelpers::button(this, "BitBtn2", "&Ok");
    BitBtn2->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Edit1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(Edit1, &QLineEdit::textChanged, this, &TNameform::Edit1Change);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    applyCaptions(this, {&NameformCaptions, &title}, settings().Lang);
    BitBtn2->setEnabled(false);
}

QString TNameform::name() const
{
    return Edit1->text();
}

void TNameform::Edit1Change()
{
    BitBtn2->setEnabled(!Edit1->text().isEmpty());
}

Tnewdirform::Tnewdirform(QWidget *parent)
    : TNameform("Tnewdirform", "Enter new name of new folder", NewdirformTitle, parent)
{
}

Tfileform::Tfileform(QWidget *parent)
    : TNameform("Tfileform", "Enter new name", FileformTitle, parent)
{
}

#include "ftp/nameform.h"

#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/named.h"

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

    nameEdit = named<QLineEdit>("Edit1", this);
    nameEdit->setMinimumWidth(BoxWidth);
    cancelButton = DialogHelpers::button(this, "BitBtn1", "&Cancel");
    okButton = DialogHelpers::button(this, "BitBtn2", "&Ok");
    okButton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameEdit);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({okButton, cancelButton});
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(nameEdit, &QLineEdit::textChanged, this, &TNameform::updateOk);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    applyCaptions(this, {&NameformCaptions, &title}, settings().Lang);
    okButton->setEnabled(false);
}

QString TNameform::name() const
{
    return nameEdit->text();
}

void TNameform::updateOk()
{
    okButton->setEnabled(!nameEdit->text().isEmpty());
}

Tnewdirform::Tnewdirform(QWidget *parent)
    : TNameform("Tnewdirform", "Enter new name of new folder", NewdirformTitle, parent)
{
}

Tfileform::Tfileform(QWidget *parent)
    : TNameform("Tfileform", "Enter new name", FileformTitle, parent)
{
}

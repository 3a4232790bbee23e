#include "ftp/dirform.h"

#include "editor/dialoghelpers.h"
#include "platform/prompts.h"
#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "settings/settings.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

const CaptionTable TdirformCaptions{"FTP download folder",
                                    {
                                        {"BitBtn1", CommonCaptions::Cancel},
                                        {"okbutton", CommonCaptions::Ok},
                                    }};

const MessageTable Table{"FTP download folder"};

const Message TdirformBrowseTitle{
    Table, {"Choose target directory", "Vælg destinationsfolder", "Wählen Sie Destinationsverzeichniss"}};

namespace {

constexpr int BoxWidth = 300;

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

Tdirform::Tdirform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdirform"));
    setNameCaption(this, QStringLiteral("Markvale PRO FTP"));

    de = new QLineEdit(this);
    de->setObjectName(QStringLiteral("de"));
    de->setMinimumWidth(BoxWidth);
    debrowse = new QToolButton(this);
    debrowse->setObjectName(QStringLiteral("debrowse"));
    debrowse->setText(QStringLiteral("..."));
    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Cancel");
    okbutton = DialogHelpers::button(this, "okbutton", "&Ok");
    okbutton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    row->addWidget(de);
    row->addWidget(debrowse);
    layout->addLayout(row);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okbutton);
    buttons->addWidget(BitBtn1);
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(de, &QLineEdit::textChanged, this, &Tdirform::deChange);
    // Typing is not interrupted; the separator is added when the box is left.
    connect(de, &QLineEdit::editingFinished, this, [this] {
        if (!de->text().isEmpty())
            de->setText(withSeparator(de->text()));
    });
    connect(debrowse, &QToolButton::clicked, this, &Tdirform::browse);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    applyCaptions(this, TdirformCaptions, settings().Lang);
    de->setText(withSeparator(settings().SaveDir));
    deChange();
}

QString Tdirform::folder() const
{
    return withSeparator(de->text());
}

void Tdirform::deChange()
{
    okbutton->setEnabled(!de->text().isEmpty() && QFileInfo(de->text()).isDir());
}

void Tdirform::browse()
{
    const QString chosen = Prompts::folder(TdirformBrowseTitle.text(), de->text());
    if (!chosen.isEmpty())
        de->setText(withSeparator(chosen));
}

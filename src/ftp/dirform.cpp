#include "ftp/dirform.h"

#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/named.h"
#include "ui/prompts.h"

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

    folderEdit = named<QLineEdit>("de", this);
    folderEdit->setMinimumWidth(BoxWidth);
    browseButton = named<QToolButton>("debrowse", this);
    browseButton->setText(QStringLiteral("..."));
    cancelButton = DialogHelpers::button(this, "BitBtn1", "&Cancel");
    okButton = DialogHelpers::button(this, "okbutton", "&Ok");
    okButton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    row->addWidget(folderEdit);
    row->addWidget(browseButton);
    layout->addLayout(row);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({okButton, cancelButton});
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(folderEdit, &QLineEdit::textChanged, this, &Tdirform::updateOk);
    // Typing is not interrupted; the separator is added when the box is left.
    connect(folderEdit, &QLineEdit::editingFinished, this, [this] {
        if (!folderEdit->text().isEmpty())
            folderEdit->setText(withSeparator(folderEdit->text()));
    });
    connect(browseButton, &QToolButton::clicked, this, &Tdirform::browse);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    applyCaptions(this, TdirformCaptions, settings().Lang);
    folderEdit->setText(withSeparator(settings().SaveDir));
    updateOk();
}

QString Tdirform::folder() const
{
    return withSeparator(folderEdit->text());
}

void Tdirform::updateOk()
{
    okButton->setEnabled(!folderEdit->text().isEmpty() && QFileInfo(folderEdit->text()).isDir());
}

void Tdirform::browse()
{
    const QString chosen = Prompts::folder(TdirformBrowseTitle.text(), folderEdit->text());
    if (!chosen.isEmpty())
        folderEdit->setText(withSeparator(chosen));
}

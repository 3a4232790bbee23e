#include "ftp/conform.h"

#include "ftp/dataform.h"
#include "settings/commoncaptions.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "ui/prompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const CaptionTable TconformCaptions{"FTP connections", {
    {"Label1", {"Existing connections", "Eksisterende forbindelser", "Vorhandene Verbindungen"}},
    {"connectbutton", {"Connec&t", "&Forbind", "&Verbinden"}},
    {"newbutton", {"&New", "&Ny", "&Neu"}},
    {"editbutton", {"&Edit", "&Rediger", "&Bearbeiten"}},
    {"cancelbutton", CommonCaptions::Cancel},
    {"BitBtn1", CommonCaptions::Help},
}};

namespace {

constexpr int HelpTopic = 34000;

} // namespace

Tconform::Tconform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tconform"));
    setNameCaption(this, QStringLiteral("Markvale PRO FTP"));

    connectionsLabel = named<QLabel>("Label1", QStringLiteral("Existing connections"), this);
    connectionList = named<QListWidget>("listbox1", this);
    connectionList->setSelectionMode(QAbstractItemView::SingleSelection);
    connectionsLabel->setBuddy(connectionList);

    connectButton = DialogHelpers::button(this, "connectbutton", "Connec&t");
    connectButton->setDefault(true);
    newButton = DialogHelpers::button(this, "newbutton", "&New");
    editButton = DialogHelpers::button(this, "editbutton", "&Edit");
    cancelButton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    helpButton = DialogHelpers::button(this, "BitBtn1", "&Help");

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {connectButton, newButton, editButton, cancelButton, helpButton})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *list = new QVBoxLayout;
    list->addWidget(connectionsLabel);
    list->addWidget(connectionList);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(list);
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(connectionList, &QListWidget::itemSelectionChanged, this, &Tconform::updateButtons);
    connect(connectionList, &QListWidget::itemDoubleClicked, this, &Tconform::connectbuttonClick);
    connect(connectButton, &QPushButton::clicked, this, &Tconform::connectbuttonClick);
    connect(newButton, &QPushButton::clicked, this, &Tconform::newbuttonClick);
    connect(editButton, &QPushButton::clicked, this, &Tconform::editbuttonClick);
    connect(cancelButton, &QPushButton::clicked, this, &Tconform::cancelbuttonClick);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
}

void Tconform::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
    DialogHelpers::centreOnScreen(this);
}

void Tconform::FormShow()
{
    applyCaptions(this, TconformCaptions, settings().Lang);
    m_chosen = false;
    connectionList->clear();
    const int count = FtpConnections::count();
    newButton->setEnabled(count < FtpSlotCount);
    if (count == 0) {
        editButton->setEnabled(false);
        connectButton->setEnabled(false);
        newButton->setFocus();
        return;
    }
    for (int n = 0; n < count; ++n)
        connectionList->addItem(settings().Ftp[size_t(n)].FTPNick);
    // Connect is the default button: Enter connects to the connection last used, or the first.
    const int last = FtpConnections::lastUsed();
    connectionList->setCurrentRow(last >= 0 && last < count ? last : 0);
    connectionList->setFocus();
}

void Tconform::updateButtons()
{
    const bool selected = !connectionList->selectedItems().isEmpty();
    connectButton->setEnabled(selected);
    editButton->setEnabled(selected);
}

void Tconform::connectbuttonClick()
{
    const int row = connectionList->currentRow();
    if (row < 0 || !connectionList->item(row)->isSelected())
        return;
    const FtpSlot &slot = settings().Ftp[size_t(row)];
    m_pending = {slot.FTPHost, slot.FTPName, slot.FTPPass, FtpTransferStore::load(row)};
    m_chosen = true;
    FtpConnections::setLastUsed(row);
    accept();
}

void Tconform::newbuttonClick()
{
    const int count = FtpConnections::count();
    if (count >= FtpSlotCount)
        return;
    Tdataform data(this);
    if (Prompts::runDialog(data) != QDialog::Accepted)
        return;
    settings().AntCon = count + 1;
    FtpSlot &slot = settings().Ftp[size_t(count)];
    data.store(slot);
    connectionList->addItem(slot.FTPNick);
    FtpConnections::saveSlot(count);
    FtpTransferStore::save(count, data.options());
    if (count + 1 == FtpSlotCount)
        newButton->setEnabled(false);
}

void Tconform::editbuttonClick()
{
    const int row = connectionList->currentRow();
    if (row < 0 || !connectionList->item(row)->isSelected())
        return;
    FtpSlot &slot = settings().Ftp[size_t(row)];
    Tdataform data(this);
    data.fill(slot);
    data.setOptions(FtpTransferStore::load(row));
    if (Prompts::runDialog(data) == QDialog::Accepted) {
        data.store(slot);
        FtpConnections::saveSlot(row);
        FtpTransferStore::save(row, data.options());
    }
    connectionList->item(row)->setText(slot.FTPNick);
    connectionList->setCurrentRow(row);
}

void Tconform::cancelbuttonClick()
{
    m_chosen = false;
    reject();
}

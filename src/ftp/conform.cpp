#include "ftp/conform.h"

#include "editor/dialoghelpers.h"
#include "editor/dialogrunner.h"
#include "ftp/dataform.h"
#include "platform/prompts.h"
#include "settings/commoncaptions.h"
#include "settings/settings.h"

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

    Label1 = new QLabel(QStringLiteral("Existing connections"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    listbox1 = new QListWidget(this);
    listbox1->setObjectName(QStringLiteral("listbox1"));
    listbox1->setSelectionMode(QAbstractItemView::SingleSelection);
    Label1->setBuddy(listbox1);

    connectbutton = DialogHelpers::button(this, "connectbutton", "Connec&t");
    connectbutton->setDefault(true);
    newbutton = DialogHelpers::button(this, "newbutton", "&New");
    editbutton = DialogHelpers::button(this, "editbutton", "&Edit");
    cancelbutton = DialogHelpers::button(this, "cancelbutton", "&Cancel");
    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Help");

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {connectbutton, newbutton, editbutton, cancelbutton, BitBtn1})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *list = new QVBoxLayout;
    list->addWidget(Label1);
    list->addWidget(listbox1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(list);
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    connect(listbox1, &QListWidget::itemSelectionChanged, this, &Tconform::listbox1Change);
    connect(listbox1, &QListWidget::itemDoubleClicked, this, &Tconform::connectbuttonClick);
    connect(connectbutton, &QPushButton::clicked, this, &Tconform::connectbuttonClick);
    connect(newbutton, &QPushButton::clicked, this, &Tconform::newbuttonClick);
    connect(editbutton, &QPushButton::clicked, this, &Tconform::editbuttonClick);
    connect(cancelbutton, &QPushButton::clicked, this, &Tconform::cancelbuttonClick);
    connect(BitBtn1, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
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
    listbox1->clear();
    const int count = FtpConnections::count();
    newbutton->setEnabled(count < FtpSlotCount);
    if (count == 0) {
        editbutton->setEnabled(false);
        connectbutton->setEnabled(false);
        newbutton->setFocus();
        return;
    }
    for (int n = 0; n < count; ++n)
        listbox1->addItem(settings().Ftp[size_t(n)].FTPNick);
    // Connect is the default button: Enter connects to the connection last used, or the first.
    const int last = FtpConnections::lastUsed();
    listbox1->setCurrentRow(last >= 0 && last < count ? last : 0);
    listbox1->setFocus();
}

void Tconform::listbox1Change()
{
    const bool selected = !listbox1->selectedItems().isEmpty();
    connectbutton->setEnabled(selected);
    editbutton->setEnabled(selected);
}

void Tconform::connectbuttonClick()
{
    const int row = listbox1->currentRow();
    if (row < 0 || !listbox1->item(row)->isSelected())
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
    listbox1->addItem(slot.FTPNick);
    FtpConnections::saveSlot(count);
    FtpTransferStore::save(count, data.options());
    if (count + 1 == FtpSlotCount)
        newbutton->setEnabled(false);
}

void Tconform::editbuttonClick()
{
    const int row = listbox1->currentRow();
    if (row < 0 || !listbox1->item(row)->isSelected())
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
    listbox1->item(row)->setText(slot.FTPNick);
    listbox1->setCurrentRow(row);
}

void Tconform::cancelbuttonClick()
{
    m_chosen = false;
    reject();
}

#include "ftp/dataform.h"

#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const CaptionTable TdataformCaptions{
    "FTP connection data",
    {
        {"Label4",
         {"Enter the name you want to call this connection", "Indtast det navn du vil kalde denne forbindelse",
          "Welcher Name soll dieser Verbindung haben"}},
        {"Label1",
         {"Enter \"hostname\" (usually begins with \"ftp.\" and ends with \".com\")",
          "Indtast \"hostname\" (begynder normalt med \"ftp.\", ender med \".com\")",
          "Geben Sie den Hostnamen ein (zum Beispiel \"ftp.beispiel.de\")"}},
        {"Label2",
         {"Enter your membername issued from the space provider", "Indtast dit medlemsnavn (username)",
          "UserId (Mitgliedsname) eingeben"}},
        {"Label3", {"Enter your password", "Indtast dit kode-ord", "Kennwort eingeben"}},
        {"Label7", {"Protocol", "Protokol", "Protokoll"}},
        {"Label5", {"Transfer mode", "Overførselsmåde", "Übertragungsmodus"}},
        {"Label6", {"Encryption", "Kryptering", "Verschlüsselung"}},
        {"BitBtn2", CommonCaptions::Cancel},
        {"BitBtn3", CommonCaptions::Help},
        {"BitBtn1", CommonCaptions::Ok},
    }};

namespace {

constexpr int HelpTopic = 7104;

const MessageTable Table{"FTP connection data"};

// Items in the order of FtpProtocol, TNMFTP::TransferMode and TNMFTP::Encryption.
const Message ProtocolItems[] = {
    {Table, {"FTP", "FTP", "FTP"}},
    {Table, {"SFTP (over SSH)", "SFTP (via SSH)", "SFTP (über SSH)"}},
};
const Message ModeItems[] = {
    {Table,
     {"Automatic (active, passive when needed)", "Automatisk (aktiv, passiv ved behov)",
      "Automatisch (aktiv, bei Bedarf passiv)"}},
    {Table, {"Active", "Aktiv", "Aktiv"}},
    {Table, {"Passive", "Passiv", "Passiv"}},
};
const Message TlsItems[] = {
    {Table, {"None", "Ingen", "Keine"}},
    {Table, {"TLS when available", "TLS når muligt", "TLS wenn verfügbar"}},
    {Table, {"TLS required", "TLS påkrævet", "TLS erforderlich"}},
};

template <size_t N> QComboBox *choice(QWidget *parent, const char *name, const Message (&items)[N])
{
    auto *box = named<QComboBox>(name, parent);
    for (const Message &item : items)
        box->addItem(QString::fromUtf8(item.en));
    return box;
}

template <size_t N> void translate(QComboBox *box, const Message (&items)[N], int lang)
{
    if (lang < English || lang > German)
        return;
    for (size_t i = 0; i < N; ++i)
        box->setItemText(int(i), items[i].text(lang));
}
constexpr int BoxWidth = 320;

QLabel *label(QWidget *parent, const char *name, const char *caption, QLineEdit *buddy)
{
    QLabel *l = DialogHelpers::label(parent, name, caption);
    l->setBuddy(buddy);
    return l;
}

} // namespace

Tdataform::Tdataform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdataform"));
    setNameCaption(this, QStringLiteral("Markvale FTP"));

    nameEdit = DialogHelpers::lineEdit(this, "Edit4", BoxWidth);
    hostEdit = DialogHelpers::lineEdit(this, "Edit1", BoxWidth);
    userEdit = DialogHelpers::lineEdit(this, "Edit2", BoxWidth);
    passwordEdit = DialogHelpers::lineEdit(this, "Edit3", BoxWidth);
    passwordEdit->setEchoMode(QLineEdit::Password);
    nameLabel = label(this, "Label4", "Enter the name you want to call this connection", nameEdit);
    hostLabel = label(this, "Label1", "Enter \"hostname\" (usually begins with \"ftp.\" and ends with \".com\")",
                      hostEdit);
    userLabel = label(this, "Label2", "Enter your membername issued from the space provider", userEdit);
    passwordLabel = label(this, "Label3", "Enter your password", passwordEdit);
    protocolBox = choice(this, "ProtocolBox", ProtocolItems);
    modeBox = choice(this, "ModeBox", ModeItems);
    encryptionBox = choice(this, "TlsBox", TlsItems);
    protocolLabel = named<QLabel>("Label7", QStringLiteral("Protocol"), this);
    protocolLabel->setBuddy(protocolBox);
    modeLabel = named<QLabel>("Label5", QStringLiteral("Transfer mode"), this);
    modeLabel->setBuddy(modeBox);
    encryptionLabel = named<QLabel>("Label6", QStringLiteral("Encryption"), this);
    encryptionLabel->setBuddy(encryptionBox);

    auto *layout = new QVBoxLayout(this);
    for (auto [l, box] : {std::pair{nameLabel, nameEdit}, {hostLabel, hostEdit}, {userLabel, userEdit},
                          {passwordLabel, passwordEdit}}) {
        layout->addWidget(l);
        layout->addWidget(box);
    }
    auto *transfer = new QGridLayout;
    transfer->addWidget(protocolLabel, 0, 0);
    transfer->addWidget(protocolBox, 0, 1);
    transfer->addWidget(modeLabel, 1, 0);
    transfer->addWidget(modeBox, 1, 1);
    transfer->addWidget(encryptionLabel, 2, 0);
    transfer->addWidget(encryptionBox, 2, 1);
    layout->addLayout(transfer);

    okButton = DialogHelpers::button(this, "BitBtn1", "&Ok");
    cancelButton = DialogHelpers::button(this, "BitBtn2", "&Cancel");
    helpButton = DialogHelpers::button(this, "BitBtn3", "&Help");
    okButton->setDefault(true);
    QHBoxLayout *buttons = DialogHelpers::buttonRow({okButton, cancelButton, helpButton});
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    setTabOrder(nameEdit, hostEdit);
    setTabOrder(hostEdit, userEdit);
    setTabOrder(userEdit, passwordEdit);
    setTabOrder(passwordEdit, protocolBox);
    setTabOrder(protocolBox, modeBox);
    setTabOrder(modeBox, encryptionBox);
    connect(protocolBox, &QComboBox::currentIndexChanged, this, &Tdataform::protocolChanged);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
}

void Tdataform::fill(const FtpSlot &slot)
{
    hostEdit->setText(slot.FTPHost);
    userEdit->setText(slot.FTPName);
    passwordEdit->setText(slot.FTPPass);
    nameEdit->setText(slot.FTPNick);
}

void Tdataform::store(FtpSlot &slot) const
{
    slot.FTPHost = hostEdit->text();
    slot.FTPName = userEdit->text();
    slot.FTPPass = passwordEdit->text();
    slot.FTPNick = nameEdit->text();
}

void Tdataform::setOptions(const FtpTransferOptions &options)
{
    protocolBox->setCurrentIndex(int(options.protocol));
    modeBox->setCurrentIndex(int(options.mode));
    encryptionBox->setCurrentIndex(int(options.encryption));
}

FtpTransferOptions Tdataform::options() const
{
    return {FtpProtocol(protocolBox->currentIndex()), TNMFTP::TransferMode(modeBox->currentIndex()),
            TNMFTP::Encryption(encryptionBox->currentIndex())};
}

void Tdataform::protocolChanged()
{
    const bool ftp = protocolBox->currentIndex() == int(FtpProtocol::Ftp);
    const QList<QWidget *> ftpOnly{modeLabel, modeBox, encryptionLabel, encryptionBox};
    for (QWidget *w : ftpOnly)
        w->setEnabled(ftp);
}

void Tdataform::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void Tdataform::FormShow()
{
    applyCaptions(this, TdataformCaptions, settings().Lang);
    translate(protocolBox, ProtocolItems, settings().Lang);
    translate(modeBox, ModeItems, settings().Lang);
    translate(encryptionBox, TlsItems, settings().Lang);
    nameEdit->setFocus();
}

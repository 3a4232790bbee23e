#include "ftp/dataform.h"

#include "editor/dialoghelpers.h"
#include "editor/dialogrunner.h"
#include "settings/commoncaptions.h"
#include "settings/messagetable.h"
#include "settings/settings.h"

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
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
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

QLineEdit *edit(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(BoxWidth);
    return box;
}

QLabel *label(QWidget *parent, const char *name, const char *caption, QLineEdit *buddy)
{
    auto *l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

Tdataform::Tdataform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdataform"));
    setNameCaption(this, QStringLiteral("Markvale FTP"));

    Edit4 = edit(this, "Edit4");
    Edit1 = edit(this, "Edit1");
    Edit2 = edit(this, "Edit2");
    Edit3 = edit(this, "Edit3");
    Edit3->setEchoMode(QLineEdit::Password);
    Label4 = label(this, "Label4", "Enter the name you want to call this connection", Edit4);
    Label1 = label(this, "Label1", "Enter \"hostname\" (usually begins with \"ftp.\" and ends with \".com\")", Edit1);
    Label2 = label(this, "Label2", "Enter your membername issued from the space provider", Edit2);
    Label3 = label(this, "Label3", "Enter your password", Edit3);
    ProtocolBox = choice(this, "ProtocolBox", ProtocolItems);
    ModeBox = choice(this, "ModeBox", ModeItems);
    TlsBox = choice(this, "TlsBox", TlsItems);
    Label7 = new QLabel(QStringLiteral("Protocol"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setBuddy(ProtocolBox);
    Label5 = new QLabel(QStringLiteral("Transfer mode"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setBuddy(ModeBox);
    Label6 = new QLabel(QStringLiteral("Encryption"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setBuddy(TlsBox);

    auto *layout = new QVBoxLayout(this);
    for (auto [l, box] : {std::pair{Label4, Edit4}, {Label1, Edit1}, {Label2, Edit2}, {Label3, Edit3}}) {
        layout->addWidget(l);
        layout->addWidget(box);
    }
    auto *transfer = new QGridLayout;
    transfer->addWidget(Label7, 0, 0);
    transfer->addWidget(ProtocolBox, 0, 1);
    transfer->addWidget(Label5, 1, 0);
    transfer->addWidget(ModeBox, 1, 1);
    transfer->addWidget(Label6, 2, 0);
    transfer->addWidget(TlsBox, 2, 1);
    layout->addLayout(transfer);

    BitBtn1 = DialogHelpers::button(this, "BitBtn1", "&Ok");
    BitBtn2 = DialogHelpers::button(this, "BitBtn2", "&Cancel");
    BitBtn3 = DialogHelpers::button(this, "BitBtn3", "&Help");
    BitBtn1->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    layout->addLayout(buttons);
    DialogHelpers::makeFixed(this, true);

    setTabOrder(Edit4, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, ProtocolBox);
    setTabOrder(ProtocolBox, ModeBox);
    setTabOrder(ModeBox, TlsBox);
    connect(ProtocolBox, &QComboBox::currentIndexChanged, this, &Tdataform::protocolChanged);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
}

void Tdataform::fill(const FtpSlot &slot)
{
    Edit1->setText(slot.FTPHost);
    Edit2->setText(slot.FTPName);
    Edit3->setText(slot.FTPPass);
    Edit4->setText(slot.FTPNick);
}

void Tdataform::store(FtpSlot &slot) const
{
    slot.FTPHost = Edit1->text();
    slot.FTPName = Edit2->text();
    slot.FTPPass = Edit3->text();
    slot.FTPNick = Edit4->text();
}

void Tdataform::setOptions(const FtpTransferOptions &options)
{
    ProtocolBox->setCurrentIndex(int(options.protocol));
    ModeBox->setCurrentIndex(int(options.mode));
    TlsBox->setCurrentIndex(int(options.encryption));
}

FtpTransferOptions Tdataform::options() const
{
    return {FtpProtocol(ProtocolBox->currentIndex()), TNMFTP::TransferMode(ModeBox->currentIndex()),
            TNMFTP::Encryption(TlsBox->currentIndex())};
}

void Tdataform::protocolChanged()
{
    const bool ftp = ProtocolBox->currentIndex() == int(FtpProtocol::Ftp);
    const QList<QWidget *> ftpOnly{Label5, ModeBox, Label6, TlsBox};
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
    translate(ProtocolBox, ProtocolItems, settings().Lang);
    translate(ModeBox, ModeItems, settings().Lang);
    translate(TlsBox, TlsItems, settings().Lang);
    Edit4->setFocus();
}

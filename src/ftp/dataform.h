#pragma once

#include "ftp/ftptransferoptions.h"
#include "settings/captiontable.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct FtpSlot;

extern const CaptionTable TdataformCaptions;

// Collects the four values of one stored connection; any input is accepted.
class Tdataform : public QDialog
{
    Q_OBJECT

public:
    explicit Tdataform(QWidget *parent = nullptr);

    // Edit mode starts from a slot's values; new mode from empty boxes.
    void fill(const FtpSlot &slot);
    void store(FtpSlot &slot) const;
    void setOptions(const FtpTransferOptions &options);
    FtpTransferOptions options() const;

    QLabel *Label4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit4 = nullptr; // connection name
    QLineEdit *Edit1 = nullptr; // host
    QLineEdit *Edit2 = nullptr; // user name
    QLineEdit *Edit3 = nullptr; // password
    QLabel *Label7 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QComboBox *ProtocolBox = nullptr;
    QComboBox *ModeBox = nullptr; // transfer mode
    QComboBox *TlsBox = nullptr;  // encryption
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // Cancel
    QPushButton *BitBtn3 = nullptr; // Help

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    // Transfer mode and encryption are FTP's.
    void protocolChanged();
};

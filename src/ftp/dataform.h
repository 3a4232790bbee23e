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

    QLabel *nameLabel = nullptr;
    QLabel *hostLabel = nullptr;
    QLabel *userLabel = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *nameEdit = nullptr; // of the connection
    QLineEdit *hostEdit = nullptr;
    QLineEdit *userEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLabel *protocolLabel = nullptr;
    QLabel *modeLabel = nullptr;
    QLabel *encryptionLabel = nullptr;
    QComboBox *protocolBox = nullptr;
    QComboBox *modeBox = nullptr; // transfer mode
    QComboBox *encryptionBox = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *helpButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    // Transfer mode and encryption are FTP's.
    void protocolChanged();
};

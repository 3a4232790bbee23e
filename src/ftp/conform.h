#pragma once

#include "ftp/ftpconnections.h"
#include "settings/captiontable.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

extern const CaptionTable TconformCaptions;

// The chooser of the stored connections: pick one to connect with, add one or edit one.
// Each added or edited connection is saved at once.
class Tconform : public QDialog
{
    Q_OBJECT

public:
    explicit Tconform(QWidget *parent = nullptr);

    // Whether Connect closed the chooser, and with which connection.
    bool chosen() const { return m_chosen; }
    const FtpConnections::PendingConnection &pending() const { return m_pending; }

    QLabel *connectionsLabel = nullptr;
    QListWidget *connectionList = nullptr;
    QPushButton *connectButton = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *editButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *helpButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void updateButtons();
    void connectbuttonClick();
    void newbuttonClick();
    void editbuttonClick();
    void cancelbuttonClick();

    FtpConnections::PendingConnection m_pending;
    bool m_chosen = false;
};

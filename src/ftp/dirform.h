#pragma once

#include "settings/captiontable.h"
#include "settings/messagetable.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

extern const CaptionTable TdirformCaptions;
extern const Message TdirformBrowseTitle;

// Asks for the local folder that downloads go to; OK only while the folder exists.
class Tdirform : public QDialog
{
    Q_OBJECT

public:
    explicit Tdirform(QWidget *parent = nullptr);

    // The chosen folder, ending in "/".
    QString folder() const;

    QLineEdit *folderEdit = nullptr;
    QToolButton *browseButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *okButton = nullptr;

private:
    void updateOk();
    void browse();
};

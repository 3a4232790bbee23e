#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

extern const CaptionTable NameformCaptions;

// Asks for a name; OK is enabled while the box is not empty.
class TNameform : public QDialog
{
    Q_OBJECT

public:
    QString name() const;

    QLineEdit *nameEdit = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *okButton = nullptr;

protected:
    // `title` captions the dialog itself.
    TNameform(const char *objectName, const char *designTitle, const CaptionTable &title, QWidget *parent);

private:
    void updateOk();
};

// The name of a new remote folder.
class Tnewdirform : public TNameform
{
    Q_OBJECT

public:
    explicit Tnewdirform(QWidget *parent = nullptr);
};

// The new name of a remote file or folder.
class Tfileform : public TNameform
{
    Q_OBJECT

public:
    explicit Tfileform(QWidget *parent = nullptr);
};

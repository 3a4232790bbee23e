#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

extern const CaptionTable TgetmapnameCaptions;

// Asks for the name of a new image map; OK waits for a name ending in ".map".
class Tgetmapname : public QDialog
{
    Q_OBJECT

public:
    explicit Tgetmapname(QWidget *parent = nullptr);

    // The accepted name, extension included.
    QString mapName() const;
    void setVisible(bool visible) override;

    QLabel *nameLabel = nullptr;
    QLineEdit *nameEdit = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *helpButton = nullptr;

private:
    void updateOk();
};

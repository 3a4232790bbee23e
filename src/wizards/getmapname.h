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

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // Cancel
    QPushButton *BitBtn3 = nullptr; // Help

private:
    void Edit1Change();
};

#pragma once

#include "settings/captiontable.h"

#include <QDialog>

class PictureView;
class QImage;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

extern const CaptionTable TimapformCaptions;

// The image-map window: the picture, and the map being built in three panes
// (head, areas, end). Hot spots come from the hot-spot dialog.
class Timapform : public QDialog
{
    Q_OBJECT

public:
    Timapform(const QImage &picture, const QString &picturePath, const QString &mapName,
              QWidget *parent = nullptr);

    // The three panes joined: the text the wizard inserts.
    QString mapText() const;

    QPushButton *BitBtn2 = nullptr; // Set shape
    QPushButton *BitBtn5 = nullptr; // Clear all
    QLineEdit *Edit1 = nullptr;     // default area's link
    QPushButton *BitBtn6 = nullptr; // Default
    QPushButton *BitBtn3 = nullptr; // OK
    QPushButton *BitBtn1 = nullptr; // Help
    QPushButton *BitBtn4 = nullptr; // Cancel
    PictureView *Image1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr; // map head
    QPlainTextEdit *Memo2 = nullptr; // areas
    QPlainTextEdit *Memo3 = nullptr; // map end

private:
    void BitBtn2Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void fitToPicture();
};

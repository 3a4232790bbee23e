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

    QPushButton *setShapeButton = nullptr;
    QPushButton *clearAllButton = nullptr;
    QLineEdit *defaultLinkEdit = nullptr;
    QPushButton *defaultButton = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *cancelButton = nullptr;
    PictureView *pictureView = nullptr;
    QPlainTextEdit *headPane = nullptr;
    QPlainTextEdit *areasPane = nullptr;
    QPlainTextEdit *endPane = nullptr;

private:
    void setShape();
    void clearAll();
    void addDefaultArea();
    void fitToPicture();
};

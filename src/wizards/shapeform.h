#pragma once

#include "settings/captiontable.h"
#include "wizards/hotspotshape.h"

#include <QDialog>

class PictureView;
class QImage;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

extern const CaptionTable TshapeformCaptions;

// The hot-spot dialog: the user picks a shape, clicks its points on the
// picture and types the link and title; OK hands over the area line.
class Tshapeform : public QDialog
{
    Q_OBJECT

public:
    explicit Tshapeform(const QImage &picture, QWidget *parent = nullptr);

    // The area line with its CR LF, as the dialog shows it.
    const QString &areaLine() const { return m_areaLine; }

    QLabel *shapeLabel = nullptr;
    QRadioButton *rectangleButton = nullptr;
    QRadioButton *circleButton = nullptr;
    QRadioButton *polygonButton = nullptr;
    QLabel *hintLabel = nullptr; // how to draw the shape
    QLabel *linkLabel = nullptr;
    QLineEdit *linkEdit = nullptr;
    QLabel *titleLabel = nullptr;
    QLineEdit *titleEdit = nullptr;
    QLabel *positionLabel = nullptr; // of the mouse on the picture
    QPlainTextEdit *areaPane = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *clearPointsButton = nullptr;
    PictureView *pictureView = nullptr;

private:
    void shapeClick(HotSpotShape::Kind kind);
    void pictureClicked(QPoint at);
    void pictureHovered(QPoint at);
    void clearPoints();
    // Shows the area line, OK and the outline for the current values.
    void rebuild();
    void fitToPicture();

    HotSpotShape m_shape;
    QString m_areaLine;
};

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

    QLabel *Label1 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // rectangle
    QRadioButton *RadioButton2 = nullptr; // circle
    QRadioButton *RadioButton3 = nullptr; // polygon
    QLabel *Label2 = nullptr;             // how to draw the shape
    QLabel *Label3 = nullptr;
    QLineEdit *Edit1 = nullptr;           // link
    QLabel *Label4 = nullptr;
    QLineEdit *Edit2 = nullptr;           // title
    QLabel *Label5 = nullptr;             // mouse position
    QPlainTextEdit *Memo1 = nullptr;      // the area line
    QPushButton *BitBtn1 = nullptr;       // OK
    QPushButton *BitBtn2 = nullptr;       // Help
    QPushButton *BitBtn3 = nullptr;       // Cancel
    QPushButton *BitBtn4 = nullptr;       // Clear points
    PictureView *Image1 = nullptr;

private:
    void shapeClick(HotSpotShape::Kind kind);
    void Image1Click(QPoint at);
    void Image1MouseMove(QPoint at);
    void BitBtn4Click();
    // Shows the area line, OK and the outline for the current values.
    void rebuild();
    void fitToPicture();

    HotSpotShape m_shape;
    QString m_areaLine;
};

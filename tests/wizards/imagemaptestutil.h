#pragma once

#include "wizards/pictureview.h"
#include "wizards/shapeform.h"

#include <QDialog>
#include <QImage>
#include <QTest>

#include <functional>

// Helpers of the image-map wizard's tests.

inline const QColor PictureColour(40, 60, 90);

inline QImage testPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(PictureColour);
    return picture;
}

// A dialog script for one kind of dialog: it waits until the dialog shows,
// then acts on it as a user would.
template<typename Dialog>
std::function<void(QDialog &)> as(std::function<void(Dialog &)> act)
{
    return [act](QDialog &dialog) {
        auto *typed = qobject_cast<Dialog *>(&dialog);
        QVERIFY2(typed, qPrintable(dialog.objectName()));
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        act(*typed);
    };
}

inline void clickAt(Tshapeform &shapes, QPoint at)
{
    QTest::mouseClick(shapes.pictureView, Qt::LeftButton, Qt::NoModifier, at);
}

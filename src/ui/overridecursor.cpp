#include "ui/overridecursor.h"

#include <QCursor>
#include <QGuiApplication>

OverrideCursor::OverrideCursor(Qt::CursorShape shape)
{
    QGuiApplication::setOverrideCursor(shape);
}

OverrideCursor::~OverrideCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

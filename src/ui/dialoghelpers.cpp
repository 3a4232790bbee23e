#include "ui/dialoghelpers.h"

#include "ui/named.h"

#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace DialogHelpers {

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    auto *b = named<QPushButton>(name, QString::fromUtf8(caption), parent);
    b->setAutoDefault(false);
    return b;
}

QLabel *label(QWidget *parent, const char *name, const char *caption)
{
    return named<QLabel>(name, QString::fromUtf8(caption), parent);
}

QLineEdit *lineEdit(QWidget *parent, const char *name, int minimumWidth)
{
    auto *edit = named<QLineEdit>(name, parent);
    if (minimumWidth > 0)
        edit->setMinimumWidth(minimumWidth);
    return edit;
}

void makeFixed(QDialog *dialog, bool closeBox)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox)
        flags |= Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags);
    if (dialog->layout())
        dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace DialogHelpers

#include "ui/dialoghelpers.h"

#include "ui/named.h"

#include <QDialog>
#include <QHBoxLayout>
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

QHBoxLayout *buttonRow(std::initializer_list<QWidget *> left, std::initializer_list<QWidget *> right)
{
    auto *row = new QHBoxLayout;
    for (QWidget *button : left)
        row->addWidget(button);
    row->addStretch();
    for (QWidget *button : right)
        row->addWidget(button);
    return row;
}

QHBoxLayout *buttonRow(std::initializer_list<QWidget *> right)
{
    return buttonRow({}, right);
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
    centreOnScreen(window, window->screen());
}

void centreOnScreen(QWidget *window, const QScreen *screen)
{
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace DialogHelpers

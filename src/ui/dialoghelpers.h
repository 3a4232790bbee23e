#pragma once

#include <QString>

#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScreen;
class QWidget;

// Small pieces the program's dialogs share.
namespace DialogHelpers {

// A push button with an object name and design caption.
QPushButton *button(QWidget *parent, const char *name, const char *caption);
// A label with an object name and design caption.
QLabel *label(QWidget *parent, const char *name, const char *caption);
// A line edit with an object name, at least `minimumWidth` wide.
QLineEdit *lineEdit(QWidget *parent, const char *name, int minimumWidth = 0);

// A row of buttons: `left` at the start, `right` at the end.
QHBoxLayout *buttonRow(std::initializer_list<QWidget *> left, std::initializer_list<QWidget *> right);
// A row of buttons at the end, as most dialogs close.
QHBoxLayout *buttonRow(std::initializer_list<QWidget *> right);

// A fixed-size dialog; without a system menu when `closeBox` is false.
void makeFixed(QDialog *dialog, bool closeBox);

// Moves a window to the middle of its screen, or of the given one.
void centreOnScreen(QWidget *window);
void centreOnScreen(QWidget *window, const QScreen *screen);

} // namespace DialogHelpers

#pragma once

class QPlainTextEdit;
class QScrollArea;
class QWidget;

// Controls of the image-map wizard's dialogs, made with their object names.
// Buttons and labels come from DialogHelpers.
namespace WizardWidgets {

// A text pane holding a few lines of HTML.
QPlainTextEdit *pane(QWidget *parent, const char *name, int lines);
// Holds the picture: one larger than the screen scrolls rather than growing
// the window.
QScrollArea *pictureScroller(QWidget *parent, QWidget *picture);

} // namespace WizardWidgets

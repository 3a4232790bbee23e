#pragma once

class QLabel;
class QPlainTextEdit;
class QWidget;

// Controls of the image-map wizard's dialogs, made with their object names
// and designed (English) captions. Buttons come from DialogHelpers.
namespace WizardWidgets {

QLabel *label(QWidget *parent, const char *name, const char *caption);
// A text pane holding a few lines of HTML.
QPlainTextEdit *pane(QWidget *parent, const char *name, int lines);

} // namespace WizardWidgets

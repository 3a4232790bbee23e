#pragma once

class QPlainTextEdit;
class QWidget;

// Controls of the image-map wizard's dialogs, made with their object names.
// Buttons and labels come from DialogHelpers.
namespace WizardWidgets {

// A text pane holding a few lines of HTML.
QPlainTextEdit *pane(QWidget *parent, const char *name, int lines);

} // namespace WizardWidgets

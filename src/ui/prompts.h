#pragma once

#include <QColor>
#include <QFlags>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// Every message box and standard dialog of the program goes through here, so
// that tests can answer them from a script instead of a modal loop.
namespace Prompts {

enum class Kind { Information, Warning, Error, Confirmation, Plain };

enum class Button {
    None = 0,
    Ok = 0x01,
    Yes = 0x02,
    No = 0x04,
    Cancel = 0x08,
    All = 0x10,
    Help = 0x20,
    YesToAll = 0x40,
    NoToAll = 0x80,
};
Q_DECLARE_FLAGS(Buttons, Button)

struct Message
{
    Kind kind = Kind::Information;
    QString text;
    Buttons buttons = Button::Ok;
    int helpContext = 0;
};

// A question answered with one of the caller's own choices, captions in the user's language.
struct Choice
{
    Kind kind = Kind::Confirmation;
    QString text;
    QStringList choices;
    int defaultChoice = 0;
    int escapeChoice = -1; // what Escape and the close box choose; -1: they do nothing
};

struct FileDialog
{
    QString title;
    QString directory;
    QString fileName;      // preselected name
    QString filter;        // "Label|*.a;*.b|Label|*.c" as in the program's texts
    QString defaultSuffix;
    int helpContext = 0;
};

struct FileResult
{
    QStringList paths;
    int filterIndex = 0; // 1-based index of the chosen filter, 0 when unknown
    bool accepted() const { return !paths.isEmpty(); }
    QString path() const { return paths.value(0); }
};

class Handler
{
public:
    virtual ~Handler() = default;
    virtual Button message(const Message &message) = 0;
    virtual FileResult openFile(const FileDialog &dialog, bool multiple) = 0;
    virtual FileResult saveFile(const FileDialog &dialog) = 0;
    virtual QString folder(const QString &title, const QString &start) = 0;
    virtual std::optional<QColor> color(const QColor &initial) = 0;
    virtual bool print(QPrinter &printer, int helpContext) = 0;
    // Runs one of the program's own modal dialogs; returns its result code.
    virtual int runDialog(QDialog &dialog) = 0;
    // The index of the chosen answer; -1 when the question is closed. A handler that does
    // not know the question closes it.
    virtual int choose(const Choice &choice)
    {
        Q_UNUSED(choice);
        return -1;
    }
    // A secret typed without echo (a passphrase); nothing when cancelled.
    virtual std::optional<QString> secret(const QString &text)
    {
        Q_UNUSED(text);
        return std::nullopt;
    }
    // Runs a dialog that leaves the other windows usable, until it closes.
    virtual int runModeless(QDialog &dialog) { return runDialog(dialog); }
};

// Installs a handler for all prompts (nullptr restores the real dialogs) and
// returns the one it replaces. The handler is not owned.
Handler *setHandler(Handler *handler);

// The window that real dialogs are centred on.
void setParentWindow(QWidget *parent);
QWidget *parentWindow();

Button message(Kind kind, const QString &text, Buttons buttons = Button::Ok, int helpContext = 0);
FileResult openFile(const FileDialog &dialog);
FileResult openFiles(const FileDialog &dialog);
FileResult saveFile(const FileDialog &dialog);
QString folder(const QString &title, const QString &start);
std::optional<QColor> color(const QColor &initial);
// F1 in the print dialog, and in a file dialog with a help context, opens
// that help context.
bool print(QPrinter &printer, int helpContext = 0);
// Shows a dialog of the program modally (QDialog::Accepted or Rejected).
int runDialog(QDialog &dialog);
int choose(const Choice &choice);
std::optional<QString> secret(const QString &text);
// Shows a dialog of the program without blocking the other windows and
// returns when it has closed (QDialog::Accepted or Rejected).
int runModeless(QDialog &dialog);

// "HTML documents|*.htm*|All files|*.*" -> "HTML documents (*.htm*);;All files (*)".
QString qtFilter(const QString &filter);

} // namespace Prompts

Q_DECLARE_OPERATORS_FOR_FLAGS(Prompts::Buttons)

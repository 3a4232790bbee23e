#include "ui/prompts.h"

#include "platform/toolkitlanguage.h"
#include "ui/helpviewer.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>

namespace Prompts {
namespace {

QPointer<QWidget> g_parent;

// Title bars and the All button follow the toolkit's language; Qt's own
// translations have no words for them.
struct BoxTexts
{
    const char *folder;
    const char *information;
    const char *warning;
    const char *error;
    const char *confirm;
    const char *all;
};

const BoxTexts Texts[] = {
    {"en", "Information", "Warning", "Error", "Confirm", "All"},
    {"da", "Information", "Advarsel", "Fejl", "Bekræft", "Alle"},
    {"de", "Information", "Warnung", "Fehler", "Bestätigen", "Alle"},
};

const BoxTexts &boxTexts()
{
    const QString folder = ToolkitLanguage::current();
    for (const BoxTexts &t : Texts) {
        if (folder == QLatin1String(t.folder))
            return t;
    }
    return Texts[0];
}

// Texts keep the program's CR LF breaks; a box shows one break for each.
QString boxText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The real dialogs.
class DialogHandler final : public Handler
{
public:
    Button message(const Message &m) override
    {
        QMessageBox box(iconOf(m.kind), QString(), boxText(m.text), QMessageBox::NoButton, g_parent);
        box.setWindowTitle(titleOf(m.kind));
        static const struct {
            Button button;
            QMessageBox::StandardButton standard;
        } order[] = {
            {Button::Yes, QMessageBox::Yes},       {Button::YesToAll, QMessageBox::YesToAll},
            {Button::No, QMessageBox::No},         {Button::NoToAll, QMessageBox::NoToAll},
            {Button::Ok, QMessageBox::Ok},         {Button::All, QMessageBox::SaveAll},
            {Button::Cancel, QMessageBox::Cancel}, {Button::Help, QMessageBox::Help},
        };
        for (const auto &entry : order) {
            if (!m.buttons.testFlag(entry.button))
                continue;
            QAbstractButton *b = box.addButton(entry.standard);
            if (entry.button == Button::All)
                b->setText(QString::fromUtf8(boxTexts().all));
            if (entry.button == Button::Help && m.helpContext != 0)
                helpWithoutClosing(box, b, m.helpContext);
        }
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        for (const auto &entry : order) {
            if (entry.standard == clicked)
                return entry.button;
        }
        return m.buttons.testFlag(Button::Cancel) ? Button::Cancel : Button::None;
    }

    FileResult openFile(const FileDialog &d, bool multiple) override
    {
        QFileDialog dialog(g_parent, d.title, d.directory, qtFilter(d.filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        return run(dialog, d);
    }

    FileResult saveFile(const FileDialog &d) override
    {
        QFileDialog dialog(g_parent, d.title, d.directory, qtFilter(d.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(d.defaultSuffix);
        return run(dialog, d);
    }

    QString folder(const QString &title, const QString &start) override
    {
        return QFileDialog::getExistingDirectory(g_parent, title, start);
    }

    std::optional<QColor> color(const QColor &initial) override
    {
        const QColor chosen = QColorDialog::getColor(initial, g_parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

    bool print(QPrinter &printer, int helpContext) override
    {
        QPrintDialog dialog(&printer, g_parent);
        helpOnF1(dialog, helpContext);
        return dialog.exec() == QDialog::Accepted;
    }

    int runDialog(QDialog &dialog) override { return dialog.exec(); }

    int choose(const Choice &c) override
    {
        QMessageBox box(iconOf(c.kind), titleOf(c.kind), boxText(c.text), QMessageBox::NoButton, g_parent);
        QList<QAbstractButton *> buttons;
        for (const QString &caption : c.choices)
            buttons << box.addButton(caption, QMessageBox::AcceptRole);
        if (QAbstractButton *preset = buttons.value(c.defaultChoice))
            box.setDefaultButton(qobject_cast<QPushButton *>(preset));
        if (QAbstractButton *escape = buttons.value(c.escapeChoice))
            box.setEscapeButton(escape);
        box.exec();
        return int(buttons.indexOf(box.clickedButton()));
    }

    std::optional<QString> secret(const QString &text) override
    {
        bool ok = false;
        const QString typed = QInputDialog::getText(g_parent, QApplication::applicationDisplayName(), text,
                                                    QLineEdit::Password, QString(), &ok);
        if (!ok)
            return std::nullopt;
        return typed;
    }

    int runModeless(QDialog &dialog) override
    {
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
        dialog.setWindowModality(Qt::NonModal);
        dialog.show();
        loop.exec();
        return dialog.result();
    }

private:
    // Help shows the help page and leaves the question open for an answer.
    static void helpWithoutClosing(QMessageBox &box, QAbstractButton *help, int context)
    {
        QObject::disconnect(help, nullptr, box.findChild<QDialogButtonBox *>(), nullptr);
        QObject::connect(help, &QAbstractButton::clicked, &box, [context] { Help::showHelp(context); });
    }

    static void helpOnF1(QDialog &dialog, int context)
    {
        if (context == 0)
            return;
        auto *f1 = new QShortcut(QKeySequence::HelpContents, &dialog);
        QObject::connect(f1, &QShortcut::activated, &dialog, [context] { Help::showHelp(context); });
    }

    static FileResult run(QFileDialog &dialog, const FileDialog &d)
    {
        if (d.helpContext != 0) {
            // A desktop's own file dialog would take the key for itself.
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            helpOnF1(dialog, d.helpContext);
        }
        if (!d.fileName.isEmpty())
            dialog.selectFile(d.fileName);
        FileResult result;
        if (dialog.exec() != QDialog::Accepted)
            return result;
        result.paths = dialog.selectedFiles();
        result.filterIndex = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
        return result;
    }

    static QMessageBox::Icon iconOf(Kind kind)
    {
        switch (kind) {
        case Kind::Information:
            return QMessageBox::Information;
        case Kind::Warning:
            return QMessageBox::Warning;
        case Kind::Error:
            return QMessageBox::Critical;
        case Kind::Confirmation:
            return QMessageBox::Question;
        case Kind::Plain:
            break;
        }
        return QMessageBox::NoIcon;
    }

    static QString titleOf(Kind kind)
    {
        switch (kind) {
        case Kind::Information:
            return QString::fromUtf8(boxTexts().information);
        case Kind::Warning:
            return QString::fromUtf8(boxTexts().warning);
        case Kind::Error:
            return QString::fromUtf8(boxTexts().error);
        case Kind::Confirmation:
            return QString::fromUtf8(boxTexts().confirm);
        case Kind::Plain:
            break;
        }
        return QApplication::applicationDisplayName();
    }
};

DialogHandler g_dialogs;
Handler *g_handler = &g_dialogs;

} // namespace

Handler *setHandler(Handler *handler)
{
    Handler *previous = g_handler;
    g_handler = handler ? handler : &g_dialogs;
    return previous == &g_dialogs ? nullptr : previous;
}

void setParentWindow(QWidget *parent)
{
    g_parent = parent;
}

QWidget *parentWindow()
{
    return g_parent;
}

namespace {

// When a dialog closes, the window that was active before gets the
// activation back; window managers tend to hand it to the main window, away
// from the project or FTP window the dialog came from.
class ActiveWindowKeeper
{
public:
    ActiveWindowKeeper()
        : m_window(QApplication::activeWindow())
    {
    }
    ~ActiveWindowKeeper()
    {
        if (m_window && m_window->isVisible() && QApplication::activeWindow() != m_window)
            m_window->activateWindow();
    }
    ActiveWindowKeeper(const ActiveWindowKeeper &) = delete;
    ActiveWindowKeeper &operator=(const ActiveWindowKeeper &) = delete;

private:
    QPointer<QWidget> m_window;
};

} // namespace

Button message(Kind kind, const QString &text, Buttons buttons, int helpContext)
{
    const ActiveWindowKeeper keep;
    return g_handler->message(Message{kind, text, buttons, helpContext});
}

FileResult openFile(const FileDialog &dialog)
{
    const ActiveWindowKeeper keep;
    return g_handler->openFile(dialog, false);
}

FileResult openFiles(const FileDialog &dialog)
{
    const ActiveWindowKeeper keep;
    return g_handler->openFile(dialog, true);
}

FileResult saveFile(const FileDialog &dialog)
{
    const ActiveWindowKeeper keep;
    return g_handler->saveFile(dialog);
}

QString folder(const QString &title, const QString &start)
{
    const ActiveWindowKeeper keep;
    return g_handler->folder(title, start);
}

std::optional<QColor> color(const QColor &initial)
{
    const ActiveWindowKeeper keep;
    return g_handler->color(initial);
}

bool print(QPrinter &printer, int helpContext)
{
    const ActiveWindowKeeper keep;
    return g_handler->print(printer, helpContext);
}

int runDialog(QDialog &dialog)
{
    const ActiveWindowKeeper keep;
    return g_handler->runDialog(dialog);
}

int choose(const Choice &choice)
{
    const ActiveWindowKeeper keep;
    return g_handler->choose(choice);
}

std::optional<QString> secret(const QString &text)
{
    const ActiveWindowKeeper keep;
    return g_handler->secret(text);
}

int runModeless(QDialog &dialog)
{
    return g_handler->runModeless(dialog);
}

QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns.simplified());
    }
    return filters.join(QLatin1String(";;"));
}

} // namespace Prompts

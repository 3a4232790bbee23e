#include "scriptedprompts.h"

#include <QDialog>
#include <QPrinter>
#include <QTest>

ScriptedPrompts::ScriptedPrompts()
    : m_previous(Prompts::setHandler(this))
{
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::setHandler(m_previous);
    if (!m_script.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("%1 scripted answer(s) were never asked for")
                                    .arg(m_script.size())),
                     __FILE__, __LINE__);
}

ScriptedPrompts &ScriptedPrompts::answerMessage(Prompts::Button answer, const QString &textContains)
{
    Answer a;
    a.type = Type::Message;
    a.button = answer;
    a.textContains = textContains;
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerOpen(const QStringList &paths)
{
    Answer a;
    a.type = Type::Open;
    a.paths = paths;
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerSave(const QString &path)
{
    Answer a;
    a.type = Type::Save;
    if (!path.isEmpty())
        a.paths = QStringList{path};
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerFolder(const QString &path)
{
    Answer a;
    a.type = Type::Folder;
    a.paths = QStringList{path};
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerColor(const QColor &color)
{
    Answer a;
    a.type = Type::Color;
    a.color = color;
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerPrint(bool accept, const QString &pdfPath)
{
    Answer a;
    a.type = Type::Print;
    a.accept = accept;
    a.paths = QStringList{pdfPath};
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerDialog(std::function<void(QDialog &)> script)
{
    Answer a;
    a.type = Type::Dialog;
    a.dialogScript = std::move(script);
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerChoice(int index, const QString &textContains)
{
    Answer a;
    a.type = Type::Choice;
    a.choice = index;
    a.textContains = textContains;
    m_script.append(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerSecret(const std::optional<QString> &secret, const QString &textContains)
{
    Answer a;
    a.type = Type::Secret;
    a.accept = secret.has_value();
    a.paths = QStringList{secret.value_or(QString())};
    a.textContains = textContains;
    m_script.append(a);
    return *this;
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const Prompts::Message &m : m_messages)
        texts << m.text;
    return texts;
}

bool ScriptedPrompts::take(Type type, const QString &what, Answer *answer)
{
    if (m_script.isEmpty() || m_script.first().type != type) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: %1").arg(what)), __FILE__,
                     __LINE__);
        return false;
    }
    *answer = m_script.takeFirst();
    return true;
}

void ScriptedPrompts::expectText(const Answer &answer, const Prompts::Message &asked)
{
    if (!answer.textContains.isEmpty() && !asked.text.contains(answer.textContains)) {
        QTest::qFail(qPrintable(QStringLiteral("message \"%1\" lacks \"%2\"")
                                    .arg(asked.text, answer.textContains)),
                     __FILE__, __LINE__);
    }
}

Prompts::Button ScriptedPrompts::message(const Prompts::Message &message)
{
    m_messages.append(message);
    Answer a;
    a.type = Type::Message;
    if (!take(Type::Message, QStringLiteral("message \"%1\"").arg(message.text), &a))
        return Prompts::Button::Cancel;
    expectText(a, message);
    return a.button;
}

int ScriptedPrompts::choose(const Prompts::Choice &choice)
{
    const Prompts::Message asked{choice.kind, choice.text, Prompts::Button::None, 0};
    m_messages.append(asked);
    Answer a;
    if (!take(Type::Choice, QStringLiteral("question \"%1\"").arg(choice.text), &a))
        return -1;
    expectText(a, asked);
    return a.choice;
}

std::optional<QString> ScriptedPrompts::secret(const QString &text)
{
    const Prompts::Message asked{Prompts::Kind::Plain, text, Prompts::Button::None, 0};
    m_messages.append(asked);
    Answer a;
    if (!take(Type::Secret, QStringLiteral("secret question \"%1\"").arg(text), &a))
        return std::nullopt;
    expectText(a, asked);
    if (!a.accept)
        return std::nullopt;
    return a.paths.value(0);
}

Prompts::FileResult ScriptedPrompts::openFile(const Prompts::FileDialog &dialog, bool multiple)
{
    m_lastFileDialog = dialog;
    Answer a;
    a.type = Type::Open;
    Prompts::FileResult result;
    if (take(Type::Open, QStringLiteral("open dialog \"%1\"").arg(dialog.title), &a))
        result.paths = multiple ? a.paths : a.paths.mid(0, 1);
    return result;
}

Prompts::FileResult ScriptedPrompts::saveFile(const Prompts::FileDialog &dialog)
{
    m_lastFileDialog = dialog;
    Answer a;
    a.type = Type::Save;
    Prompts::FileResult result;
    if (take(Type::Save, QStringLiteral("save dialog \"%1\"").arg(dialog.title), &a))
        result.paths = a.paths;
    return result;
}

QString ScriptedPrompts::folder(const QString &title, const QString &start)
{
    Q_UNUSED(start);
    Answer a;
    a.type = Type::Folder;
    return take(Type::Folder, QStringLiteral("folder dialog \"%1\"").arg(title), &a)
               ? a.paths.value(0)
               : QString();
}

std::optional<QColor> ScriptedPrompts::color(const QColor &initial)
{
    Q_UNUSED(initial);
    Answer a;
    a.type = Type::Color;
    if (!take(Type::Color, QStringLiteral("colour dialog"), &a) || !a.color.isValid())
        return std::nullopt;
    return a.color;
}

bool ScriptedPrompts::print(QPrinter &printer, int helpContext)
{
    m_lastPrintHelpContext = helpContext;
    Answer a;
    a.type = Type::Print;
    if (!take(Type::Print, QStringLiteral("print dialog"), &a) || !a.accept)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(a.paths.value(0));
    return true;
}

int ScriptedPrompts::runDialog(QDialog &dialog)
{
    Answer a;
    a.type = Type::Dialog;
    if (!take(Type::Dialog, QStringLiteral("dialog \"%1\"").arg(dialog.objectName()), &a))
        return QDialog::Rejected;
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    a.dialogScript(dialog);
    dialog.hide();
    return dialog.result();
}

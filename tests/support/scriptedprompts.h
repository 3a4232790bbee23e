#pragma once

#include "ui/prompts.h"

#include <QList>

#include <functional>
#include <QString>
#include <QStringList>

// Answers the program's prompts from a script, in order. A prompt that the
// script does not expect fails the running test and is answered with Cancel
// (or nothing). Installed for its lifetime; checks at the end that every
// scripted answer was used.
class ScriptedPrompts final : public Prompts::Handler
{
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // The next message box is answered with `answer`; when `textContains` is
    // given, the message must contain it.
    ScriptedPrompts &answerMessage(Prompts::Button answer, const QString &textContains = QString());
    ScriptedPrompts &answerOpen(const QStringList &paths); // empty list: Cancel
    ScriptedPrompts &answerSave(const QString &path);      // empty: Cancel
    ScriptedPrompts &answerFolder(const QString &path);
    ScriptedPrompts &answerColor(const QColor &color);     // invalid: Cancel
    // Accepting prints into a PDF file at pdfPath.
    ScriptedPrompts &answerPrint(bool accept, const QString &pdfPath = QString());

    // The next dialog of the program's own is handed to `script`, which fills
    // it and presses its buttons as a user would; its result is returned.
    ScriptedPrompts &answerDialog(std::function<void(QDialog &)> script);
    // The next question with choices gets the choice at `index` (-1: closed).
    ScriptedPrompts &answerChoice(int index, const QString &textContains = QString());
    // The next secret question is answered with `secret`; nothing means Cancel.
    ScriptedPrompts &answerSecret(const std::optional<QString> &secret, const QString &textContains = QString());

    // Every message, question with choices and secret question so far, in order.
    const QList<Prompts::Message> &messages() const { return m_messages; }
    QStringList messageTexts() const;
    // The last file dialog's settings.
    const Prompts::FileDialog &lastFileDialog() const { return m_lastFileDialog; }
    int lastPrintHelpContext() const { return m_lastPrintHelpContext; }
    int pending() const { return int(m_script.size()); }

    Prompts::Button message(const Prompts::Message &message) override;
    Prompts::FileResult openFile(const Prompts::FileDialog &dialog, bool multiple) override;
    Prompts::FileResult saveFile(const Prompts::FileDialog &dialog) override;
    QString folder(const QString &title, const QString &start) override;
    std::optional<QColor> color(const QColor &initial) override;
    bool print(QPrinter &printer, int helpContext) override;
    int runDialog(QDialog &dialog) override;
    int choose(const Prompts::Choice &choice) override;
    std::optional<QString> secret(const QString &text) override;

private:
    enum class Type { Message, Open, Save, Folder, Color, Print, Dialog, Choice, Secret };
    struct Answer
    {
        Type type = Type::Message;
        Prompts::Button button = Prompts::Button::None;
        QString textContains;
        QStringList paths;
        QColor color;
        bool accept = false;
        int choice = -1;
        std::function<void(QDialog &)> dialogScript;
    };

    bool take(Type type, const QString &what, Answer *answer);
    // Records a question's text and checks it against the answer's expectation.
    void expectText(const Answer &answer, const Prompts::Message &asked);

    QList<Answer> m_script;
    QList<Prompts::Message> m_messages;
    Prompts::FileDialog m_lastFileDialog;
    int m_lastPrintHelpContext = 0;
    Prompts::Handler *m_previous = nullptr;
};

#include "spell/spellcheck.h"

#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "settings/settings.h"
#include "spell/autocorrectlist.h"
#include "spell/spelldialog.h"
#include "spell/spelldictionary.h"
#include "spell/spelllanguage.h"
#include "spell/spellsession.h"
#include "spell/spelltexts.h"
#include "spell/userdictionary.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <map>

namespace {

// A dictionary with the user's words added, and the user's auto-corrections,
// loaded once per program run: the large dictionaries take a noticeable
// moment to read.
struct LoadedDictionary
{
    LoadedDictionary(const QString &userPath, const QString &autoCorrectPath)
        : userWords(userPath)
        , autoCorrections(autoCorrectPath)
    {
    }
    std::unique_ptr<SpellDictionary> dictionary;
    UserDictionary userWords;
    AutoCorrectList autoCorrections;
};

LoadedDictionary *loadDictionary(const SpellLanguage &language)
{
    static std::map<QString, std::unique_ptr<LoadedDictionary>> loaded;
    const QString base = findDictionary(QLatin1String(language.dictionary));
    if (base.isEmpty())
        return nullptr;
    const QString userPath = spellFilePath(language.userDictionary);
    std::unique_ptr<LoadedDictionary> &entry = loaded[base + QLatin1Char('|') + userPath];
    if (!entry) {
        auto fresh = std::make_unique<LoadedDictionary>(userPath, spellFilePath(language.autoCorrectFile));
        {
            const OverrideCursor busy;
            fresh->dictionary = SpellDictionary::open(base);
        }
        if (!fresh->dictionary)
            return nullptr;
        fresh->userWords.load();
        fresh->autoCorrections.load();
        for (const QString &word : fresh->userWords.words())
            fresh->dictionary->add(word);
        entry = std::move(fresh);
    }
    return entry.get();
}

// Changes go through the document's selection, after an undo snapshot, so
// its modified flag, undo history and the status panels follow them.
class DocumentTarget final : public SpellTarget
{
public:
    explicit DocumentTarget(Document &document) : m_document(document) {}

    QString currentText() const override { return m_document.text().Text(); }

    void replace(int start, int length, const QString &text) override
    {
        DocumentText &target = m_document.text();
        m_document.pushUndo();
        m_replacing = true;
        target.SetSelStart(start);
        target.SetSelLength(length);
        target.SetSelText(text);
        m_replacing = false;
    }

    // Whether a change of the memo is the check's own.
    bool replacing() const { return m_replacing; }

private:
    Document &m_document;
    bool m_replacing = false;
};

// The dialog leaves the windows usable, so the document may be edited while
// it is open; but the editor window must not go while the check works on
// it: its close waits until the check has ended.
class CloseAfterCheck final : public QObject
{
public:
    CloseAfterCheck(Teditform &editor, QDialog &dialog)
        : m_editor(editor)
        , m_dialog(dialog)
    {
        editor.installEventFilter(this);
    }
    ~CloseAfterCheck() override
    {
        m_editor.removeEventFilter(this);
        if (m_closeWanted)
            QTimer::singleShot(0, &m_editor, &QWidget::close);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_editor || event->type() != QEvent::Close)
            return false;
        event->ignore();
        m_closeWanted = true;
        m_dialog.reject();
        return true;
    }

private:
    Teditform &m_editor;
    QDialog &m_dialog;
    bool m_closeWanted = false;
};

// The check that is running, if any: the command given again shows it.
QPointer<QDialog> g_running;

void select(TColorMemo *memo, int start, int length)
{
    memo->SetSelStart(start);
    memo->SetSelLength(length);
    memo->ensureCursorVisible();
}

// Moves the dialog above or below the word so that it does not hide it.
// Before it is first shown, it would come up centred over the window.
void keepClear(QWidget *dialog, TColorMemo *memo)
{
    const QRect cursor = memo->cursorRect();
    const QRect word(memo->viewport()->mapToGlobal(cursor.topLeft()), cursor.size());
    QRect frame = dialog->frameGeometry();
    if (!dialog->isVisible())
        frame.moveCenter(memo->window()->geometry().center());
    if (!frame.intersects(word.adjusted(-8, -8, 8, 8))) {
        dialog->move(frame.topLeft());
        return;
    }
    const QScreen *screen = memo->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    if (word.center().y() < area.center().y())
        frame.moveTop(word.bottom() + 24);
    else
        frame.moveBottom(word.top() - 24);
    if (area.isValid()) {
        frame.moveTop(qBound(area.top(), frame.top(), qMax(area.top(), area.bottom() - frame.height())));
        frame.moveLeft(qBound(area.left(), frame.left(), qMax(area.left(), area.right() - frame.width())));
    }
    dialog->move(frame.topLeft());
}

} // namespace

void SpellCheck(Teditform &editor)
{
    if (g_running) {
        g_running->raise();
        g_running->activateWindow();
        return;
    }
    const int lang = settings().Lang;
    const SpellLanguage &language = spellLanguage(lang);
    LoadedDictionary *loaded = loadDictionary(language);
    if (!loaded) {
        Prompts::message(Prompts::Kind::Error,
                         MissingDictionaryMessage.text(lang)
                             .arg(language.languageName->text(lang), QLatin1String(language.dictionary),
                                  dictionaryFolders().join(QLatin1String(", ")),
                                  QLatin1String(language.package)));
        return;
    }

    TColorMemo *memo = editor.memo();
    const QString optionsPath = spellFilePath(language.optionsFile);
    DocumentTarget target(editor.document());
    SpellSession session(editor.document().text().Text(), *loaded->dictionary, loaded->userWords, target,
                         SpellOptions::load(optionsPath), &loaded->autoCorrections);
    if (!session.start())
        return;

    TSpellDialog dialog(session, lang, &editor);
    QObject::connect(&dialog, &TSpellDialog::findingShown, &dialog, [&dialog, memo](int start, int length) {
        select(memo, start, length);
        keepClear(&dialog, memo);
    });
    QObject::connect(&dialog, &TSpellDialog::optionsChanged, &dialog,
                     [optionsPath](const SpellOptions &options) { options.save(optionsPath); });
    QObject::connect(&dialog, &TSpellDialog::userWordsNotSaved, &dialog, [loaded, lang] {
        Prompts::message(Prompts::Kind::Error,
                         UserWordsNotSavedMessage.text(lang).arg(loaded->userWords.path()));
    });
    QObject::connect(&dialog, &TSpellDialog::autoCorrectionsNotSaved, &dialog, [loaded, lang] {
        Prompts::message(Prompts::Kind::Error,
                         AutoCorrectionsNotSavedMessage.text(lang).arg(loaded->autoCorrections.path()));
    });
    QObject::connect(memo, &QPlainTextEdit::textChanged, &dialog, [&dialog, &target] {
        if (!target.replacing())
            dialog.stop();
    });
    dialog.showFinding();
    g_running = &dialog;
    CloseAfterCheck closeAfterCheck(editor, dialog);
    Prompts::runModeless(dialog);
    memo->setFocus();
}

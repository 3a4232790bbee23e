#include "search/searchcommands.h"

#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "editor/editorhost.h"
#include "search/replaceform.h"
#include "search/replacescan.h"
#include "search/searchcriteria.h"
#include "search/searchform.h"
#include "search/searchmatcher.h"
#include "settings/sharedtexts.h"
#include "ui/dialogrunner.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QPointer>

#include <algorithm>
#include <utility>

namespace {

// Help topic of the replace question.
constexpr int ReplaceQuestionHelp = 1022;

bool confirmed(TCriteriaDialog &dialog)
{
    Prompts::runDialog(dialog);
    return dialog.Confirmed();
}

// The scans run under the busy cursor; their questions show the normal one.
Prompts::Button ask(const QString &question, Prompts::Buttons buttons, int helpContext = 0)
{
    const OverrideCursor normal(Qt::ArrowCursor);
    return Prompts::message(Prompts::Kind::Confirmation, question, buttons, helpContext);
}

// The windows a command visits: the active one, and with `allFiles` the
// others after it in window order, each once.
QList<QPointer<Teditform>> windowsToVisit(EditorWindows &windows, bool allFiles)
{
    Teditform *active = windows.activeEditor();
    if (!allFiles)
        return {active};
    QList<Teditform *> all = windows.editors();
    const qsizetype at = all.indexOf(active);
    if (at > 0)
        std::rotate(all.begin(), all.begin() + at, all.end());
    return {all.begin(), all.end()};
}

void selectOccurrence(TColorMemo *memo, qsizetype start, qsizetype length)
{
    memo->setFocus();
    memo->SetSelStart(int(start));
    memo->SetSelLength(int(length));
}

// Line breaks as CR LF, as the memo counts them, so that the scan's positions stay
// those of the document after a replacement.
QString withCrLfBreaks(const QString &text)
{
    QString result = toDocumentBreaks(text);
    result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return result;
}

// Applies edits of the document's text (CR LF offsets, ascending, apart) as
// one change, so that the change handler runs once; replacing them through
// the selection one by one would lay out the control each time.
void applyEdits(DocumentText &text, const QList<TextEdit> &edits)
{
    std::vector<TextChange> changes;
    changes.reserve(size_t(edits.size()));
    for (const TextEdit &edit : edits)
        changes.push_back({edit.start, edit.removed, edit.inserted});
    text.ApplyChanges(changes);
}

// Shows each occurrence between begin and end in turn; false when the user
// chose to stop.
bool searchWindow(Teditform &editor, const SearchMatcher &matcher, qsizetype begin, qsizetype end)
{
    const OverrideCursor busy(Qt::WaitCursor);
    TColorMemo *memo = editor.memo();
    const QString text = editor.document().text().Text();
    for (qsizetype from = begin;;) {
        const qsizetype at = matcher.indexIn(text, from, end - matcher.length());
        if (at < 0)
            return true;
        selectOccurrence(memo, at, matcher.length());
        if (ask(SharedTexts::ContinueQuestion.text(), Prompts::Button::Yes | Prompts::Button::No) != Prompts::Button::Yes)
            return false;
        // Overlapping occurrences are each shown.
        from = at + 1;
    }
}

// The replace run of one window: asks before each replacement until the
// user answers All, which replaces the rest of this window without asking.
// The document is changed; the memo shows each occurrence.
class WindowReplace
{
public:
    WindowReplace(Teditform &editor, const SearchMatcher &matcher, const QString &replacement)
        : m_document(editor.document())
        , m_text(m_document.text())
        , m_memo(editor.memo())
        , m_matcher(matcher)
        , m_replacement(replacement)
        , m_scan(m_text.Text(), matcher, replacement)
    {
    }

    // False when the user cancelled the whole command.
    bool run()
    {
        while (m_scan.findNext()) {
            selectOccurrence(m_memo, m_scan.position(), m_matcher.length());
            switch (askToReplace()) {
            case Prompts::Button::Yes:
                replaceSelected();
                break;
            case Prompts::Button::All:
                replaceRest();
                return true;
            case Prompts::Button::No:
                m_scan.skip();
                break;
            default:
                m_text.SetSelLength(0);
                return false;
            }
        }
        return true;
    }

private:
    Prompts::Button askToReplace() const
    {
        using namespace SharedTexts;
        const QString question = ReplaceWord.text() + searchCriteria().searchText + WithWord.text()
            + searchCriteria().replacementText + QuestionEnd.text();
        for (;;) {
            const Prompts::Button answer =
                ask(question,
                    Prompts::Button::Yes | Prompts::Button::No | Prompts::Button::Cancel | Prompts::Button::All
                        | Prompts::Button::Help,
                    ReplaceQuestionHelp);
            if (answer != Prompts::Button::Help)
                return answer;
            // Help is no answer: the question stays until the user gives one.
            DialogRunner::showHelp(ReplaceQuestionHelp);
        }
    }

    // One Undo takes back the whole run in this window.
    void pushUndoOnce()
    {
        if (!m_undoPushed)
            m_document.pushUndo();
        m_undoPushed = true;
    }

    void replaceSelected()
    {
        pushUndoOnce();
        m_text.SetSelText(m_replacement);
        m_scan.replace();
    }

    // The rest of the window reaches the document as one change, which leaves
    // the caret where replacing one by one would: after the last replacement.
    void replaceRest()
    {
        pushUndoOnce();
        m_scan.beginBatch();
        do
            m_scan.replace();
        while (m_scan.findNext());
        applyEdits(m_text, m_scan.takeBatch());
        m_text.SetSelStart(int(m_scan.lastReplacementEnd()));
    }

    Document &m_document;
    DocumentText &m_text;
    TColorMemo *m_memo;
    const SearchMatcher &m_matcher;
    QString m_replacement;
    ReplaceScan m_scan;
    bool m_undoPushed = false;
};

} // namespace

void Search(EditorWindows &windows)
{
    Teditform *active = windows.activeEditor();
    if (!active)
        return;
    SearchCriteria &criteria = searchCriteria();
    // The selection is kept here: showing occurrences selects them in turn.
    const DocumentText &text = active->document().text();
    const qsizetype selStart = text.SelStart();
    const qsizetype selEnd = selStart + text.SelLength();
    criteria.searchInSelection = selEnd > selStart;
    Tsearchform dialog(active->window());
    if (!confirmed(dialog))
        return;

    const SearchMatcher matcher(criteria.searchText, criteria.searchMatchCase);
    if (criteria.searchInSelection) {
        searchWindow(*active, matcher, selStart, selEnd);
        return;
    }
    for (const QPointer<Teditform> &editor : windowsToVisit(windows, criteria.searchAllFiles)) {
        if (!editor)
            continue;
        windows.activateEditor(editor);
        if (!searchWindow(*editor, matcher, 0, editor->document().text().TextLength()))
            return;
    }
}

void Replace(EditorWindows &windows)
{
    Teditform *active = windows.activeEditor();
    if (!active)
        return;
    SearchCriteria &criteria = searchCriteria();
    criteria.replaceInSelection = false;
    criteria.replaceAllFiles = false;
    Treplaceform dialog(active->window());
    if (!confirmed(dialog))
        return;

    const SearchMatcher matcher(criteria.searchText, criteria.replaceMatchCase);
    const QString replacement = withCrLfBreaks(criteria.replacementText);
    for (const QPointer<Teditform> &editor : windowsToVisit(windows, criteria.replaceAllFiles)) {
        if (!editor)
            continue;
        windows.activateEditor(editor);
        const OverrideCursor busy(Qt::WaitCursor);
        if (!WindowReplace(*editor, matcher, replacement).run())
            return;
    }
}

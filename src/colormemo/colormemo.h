#pragma once

#include "colormemo/commonends.h"
#include "colormemo/separatormarks.h"
#include "colormemo/softbreaks.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>

#include <vector>

class QTextBlock;
class TColorHighlighter;
class TDrawRules;

// One change of a text: `removed` characters from `start` replaced by
// `inserted`, in the memo's CR LF positions.
struct TextChange
{
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;
};

// The text control of every editor window. Its interface counts positions the
// way the documents are stored: every line break is two characters (CR LF),
// and a line is a logical line, however word wrapping shows it. Its text
// keeps U+2028 and U+2029 as characters, shown as marks.
//
// The document underneath is this class's own business: it may hold a long
// line in several blocks (see SoftBreaks), so other code reads and changes
// the text through the operations here, never by a cursor on document().
class TColorMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TColorMemo(QWidget *owner = nullptr);
    ~TColorMemo() override;

    // The whole text with CR LF line breaks.
    QString Text() const;
    // Replaces the whole text, which marks it modified; CR LF, lone CR and
    // lone LF all break lines.
    void SetText(const QString &text);
    // Replaces the whole text with a file's, whose line breaks are already
    // single '\n' characters, leaving it unmodified. A large text is shown
    // as soon as its first screen is in; the rest follows while the program
    // waits for input, and any operation that needs it waits for it.
    void LoadText(QString text);
    // Whether LoadText() is still taking in the rest of its text.
    bool Loading() const { return !m_pending.isNull(); }

    // The whole text with a single LF per line break, cheaper to make than
    // Text(): the form the editor's undo history keeps. `ends`, when given,
    // receives what it shares with the previous UndoText().
    QString UndoText(KnownEnds *ends = nullptr) const;
    // Turns the text into `text`, an UndoText(), by changing only the stretch
    // where the two differ; a large document is not laid out anew and the
    // view stays where it is.
    void RestoreUndoText(const QString &text);

    // Length of Text(), without building it.
    int TextLength() const;
    // The lines of the text; a final line break starts no further line.
    QStringList Lines() const;
    int LineCount() const;
    QString LineText(int line) const;
    // Offset of the first character of a line.
    int LineStart(int line) const;

    int SelStart() const;
    void SetSelStart(int offset); // also clears the selection
    int SelLength() const;
    void SetSelLength(int length); // from SelStart on
    QString SelText() const;
    // Replaces the selection; the caret ends up after the inserted text.
    void SetSelText(const QString &text);
    // Applies changes given in ascending order, apart from each other, as one
    // change of the document, so that the change handlers run once.
    void ApplyChanges(const std::vector<TextChange> &changes);

    bool Modified() const;
    void SetModified(bool modified);

    bool WordWrap() const;
    void SetWordWrap(bool wrap);

    // Line numbers in a gutter beside the text, from 1, on the first row of
    // each line.
    bool LineNumbers() const { return m_gutter != nullptr; }
    void SetLineNumbers(bool on);

    int CaretLine();
    int CaretColumn();
    int FirstVisibleLine();
    void SetCaretLine(int line);
    void SetCaretColumn(int column);
    void ScrollLines(int count);

    // Conversions between CR LF offsets and the document's own positions,
    // which count one separator per block. An offset between CR and LF maps
    // to the end of its line; an offset between two pieces of a long line to
    // the start of the second.
    int toDocumentPosition(int offset) const;
    int fromDocumentPosition(int position) const;
    // Whether a block of the document starts a line rather than continuing
    // the one before; the number of the line a block belongs to.
    bool startsLine(const QTextBlock &block) const;
    int lineOf(const QTextBlock &block) const;

    // Key sequences that belong to the window's commands rather than to the
    // text control's own editing keys (Ctrl+Z is the editor's Undo, ...).
    void setReservedShortcuts(const QList<QKeySequence> &shortcuts);

    // Colour coding: the rules, hot spots, OnDraw and the scroll and click events.
    TColorHighlighter *Colors() const { return m_colors; }
    TDrawRules &ColorRules();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Text as the document holds it: single '\n' breaks, separators as marks,
    // long lines cut into pieces at the returned offsets.
    QString documentText(const QString &text, std::vector<int> *pieces);
    // The text of the document's characters from `position` on, as `raw`
    // holds them: CR LF or LF breaks, no soft separators, no marks; `size`
    // is its length when known.
    QString readableText(QStringView raw, int position, bool crLf, qsizetype size = -1) const;
    // The document position of an offset into UndoText().
    int toDocumentFromUndo(qsizetype offset) const;
    // Narrows the stretch of the document known to equal the last UndoText().
    void noteUndoTextChange(int from, int added);
    // Chooses marks that `incoming` does not contain and rewrites the document's.
    void keepMarksApart(QStringView incoming);

    // Replaces the document with `text` (document form), whose soft
    // separators are at `pieces`.
    void setDocumentText(const QString &text, const std::vector<int> &pieces);
    // Replaces the document's [from, to) by `text` (document form); leaves
    // `cursor` after it.
    void replaceRange(QTextCursor &cursor, int from, int to, const QString &text,
                      const std::vector<int> &pieces);
    // Cuts blocks grown too long and joins pieces grown too short, between
    // two document positions, without the text changing. Returns the number
    // of separators put in less those taken out.
    int tidyPieces(int from, int to);
    void tidyChanged();
    void contentsChanged(int from, int removed, int added);
    // Before a key: steps over a soft separator the key would act on alone.
    void stepOverSoftBreak(const QKeyEvent *event);

    // Loading a large text: the part not yet in the document.
    void loadSlice(qsizetype length);
    void finishLoading() const;

    // The line-number gutter: its width for the current line count, its drawing.
    void fitGutter();
    void paintGutter(QPaintEvent *event);

    // The first block of a line; the offset of a block's first character.
    QTextBlock lineBlock(int line) const;
    int blockOffset(const QTextBlock &block) const;
    bool endsSoftly(const QTextBlock &block) const;
    int lineLength(int line) const;

    SeparatorMarks m_marks;
    bool m_marksUsed = false; // whether the document may hold any mark
    PositionList m_soft;     // the soft separators
    int m_ownChange = 0;      // our own edits keep m_soft themselves
    int m_userEdit = 0;       // inside a key, input method or drop event
    int m_dirtyFrom = -1;     // document positions changed by others, to tidy
    int m_dirtyTo = -1;

    // The last UndoText(), and how many of its first and last characters the
    // document still has unchanged.
    mutable QString m_undoCache;
    mutable qsizetype m_cachePrefix = 0;
    mutable qsizetype m_cacheSuffix = 0;

    QString m_pending;        // the text being loaded, document form
    qsizetype m_pendingAt = 0;
    std::vector<int> m_pendingPieces;
    size_t m_pendingPieceAt = 0;
    int m_loadingLength = 0;  // TextLength() and LineCount() of the whole text
    int m_loadingLines = 0;
    QTimer m_loadTimer;

    int m_currentLine = 0;
    int m_caretColumn = 0;
    int m_firstVisibleLine = 0;
    QList<QKeySequence> m_reserved;
    QWidget *m_gutter = nullptr;
    TColorHighlighter *m_colors;

    friend class TColorHighlighter; // places the runs where this control draws its text
    friend class LineNumberGutter;
};

// Line breaks of every kind (CR LF, lone CR, lone LF) as single '\n'.
QString toDocumentBreaks(const QString &text);

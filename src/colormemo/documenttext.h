#pragma once

#include "colormemo/commonends.h"
#include "colormemo/separatormarks.h"
#include "colormemo/softbreaks.h"

#include <QObject>
#include <QStringList>
#include <QTextCursor>
#include <QTimer>

#include <vector>

class QTextBlock;
class QTextDocument;

// One change of a text: `removed` characters from `start` replaced by
// `inserted`, in CR LF positions.
struct TextChange
{
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;
};

// What a control showing a DocumentText lends it: the caret and selection
// it shows, and silence towards its own listeners while the text changes in
// ways that are no edit (pieces cut or joined, marks swapped, a load going on).
class TextView
{
public:
    virtual ~TextView() = default;

    virtual QTextCursor viewCursor() const = 0;
    virtual void setViewCursor(const QTextCursor &cursor) = 0;
    // Returns whether it was quiet before, like QObject::blockSignals().
    virtual bool setViewQuiet(bool quiet) = 0;
    // The lines or their pieces changed while the view was quiet.
    virtual void linesChanged() = 0;
};

// The text of a document, with no widget. Its interface counts positions the
// way documents are stored: every line break is two characters (CR LF), and
// a line is a logical line, however a view wraps it. U+2028 and U+2029 are
// characters of the text.
//
// The QTextDocument underneath is this class's own business: it holds one
// separator per line break, a long line in several blocks (see SoftBreaks)
// and the two separator characters as marks (see SeparatorMarks). Other code
// reads and changes the text through the operations here, never by a cursor
// on document(). The caret and selection are those of the view while one
// shows the text, else the text's own.
class DocumentText : public QObject
{
    Q_OBJECT

public:
    explicit DocumentText(QObject *parent = nullptr);
    ~DocumentText() override;

    QTextDocument *document() const { return m_document; }
    // A view shows the text from now on; nullptr: none does.
    void setView(TextView *view);

    // The whole text with CR LF line breaks.
    QString Text() const;
    // Replaces the whole text, which marks it modified; CR LF, lone CR and
    // lone LF all break lines.
    void SetText(const QString &text);
    // Replaces the whole text with a file's, whose line breaks are already
    // single '\n' characters, leaving it unmodified. A large text is in as
    // soon as its first screen is; the rest follows while the program waits
    // for input, and any operation that needs it waits for it.
    void LoadText(QString text);
    // Whether LoadText() is still taking in the rest of its text.
    bool Loading() const { return !m_pending.isNull(); }
    // Takes in the rest of a text being loaded now.
    void finishLoading() const;

    // The whole text with a single LF per line break, cheaper to make than
    // Text(): the form an undo history keeps. `ends`, when given, receives
    // what it shares with the previous UndoText().
    QString UndoText(KnownEnds *ends = nullptr) const;
    // Turns the text into `text`, an UndoText(), by changing only the stretch
    // where the two differ.
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
    // The selection with single LF line breaks, as the clipboard takes it.
    QString selectedPlainText() const;
    // Replaces the selection; the caret ends up after the inserted text.
    void SetSelText(const QString &text);
    // Applies changes given in ascending order, apart from each other, as one
    // change of the document, so that the change handlers run once.
    void ApplyChanges(const std::vector<TextChange> &changes);

    bool Modified() const;
    void SetModified(bool modified);

    int CaretLine();
    int CaretColumn();
    void SetCaretLine(int line);
    void SetCaretColumn(int column);

    // Conversions between CR LF offsets and the document's own positions,
    // which count one separator per block. An offset between CR and LF maps
    // to the end of its line; an offset between two pieces of a long line to
    // the start of the second.
    int toDocumentPosition(int offset) const;
    int fromDocumentPosition(int position) const;
    // Whether a block of the document starts a line rather than continuing
    // the one before, or ends in a soft separator; the number of the line a
    // block belongs to; the first block of a line; the CR LF offset of a
    // block's first character.
    bool startsLine(const QTextBlock &block) const;
    bool endsSoftly(const QTextBlock &block) const;
    int lineOf(const QTextBlock &block) const;
    QTextBlock lineBlock(int line) const;
    int blockOffset(const QTextBlock &block) const;

    // A view's own editing (a key, an input method) that may add marks of
    // `incoming`'s characters: pieces are tidied once it is done.
    void beginUserEdit(QStringView incoming);
    void endUserEdit();

private:
    // The caret and selection, the view's or the text's own.
    QTextCursor caret() const;
    void setCaret(const QTextCursor &cursor);

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
    // separators are at `pieces`; the caret goes to the start.
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

    // Loading a large text: the part not yet in the document.
    void loadSlice(qsizetype length);

    int lineLength(int line) const;

    class QuietEdit;

    QTextDocument *m_document;
    TextView *m_view = nullptr;
    QTextCursor m_cursor; // while no view shows the text

    SeparatorMarks m_marks;
    bool m_marksUsed = false; // whether the document may hold any mark
    PositionList m_soft;      // the soft separators
    int m_ownChange = 0;      // our own edits keep m_soft themselves
    int m_userEdit = 0;       // inside a view's key, input method or drop
    int m_dirtyFrom = -1;     // document positions changed by others, to tidy
    int m_dirtyTo = -1;

    // The last UndoText(), and how many of its first and last characters the
    // document still has unchanged.
    mutable QString m_undoCache;
    mutable qsizetype m_cachePrefix = 0;
    mutable qsizetype m_cacheSuffix = 0;

    QString m_pending; // the text being loaded, document form
    qsizetype m_pendingAt = 0;
    std::vector<int> m_pendingPieces;
    size_t m_pendingPieceAt = 0;
    int m_loadingLength = 0; // TextLength() and LineCount() of the whole text
    int m_loadingLines = 0;
    QTimer m_loadTimer;

    int m_currentLine = 0;
    int m_caretColumn = 0;
};

// Line breaks of every kind (CR LF, lone CR, lone LF) as single '\n'.
QString toDocumentBreaks(const QString &text);

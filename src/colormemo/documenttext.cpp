#include "colormemo/documenttext.h"

#include "colormemo/commonends.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A text larger than this is loaded a slice at a time after its first one.
constexpr qsizetype FirstSliceLength = 128 * 1024;
constexpr qsizetype SliceLength = 512 * 1024;

// The end of a slice of `text` from `from`: just after a separator, so that
// the next slice starts a block.
qsizetype sliceEnd(const QString &text, qsizetype from, qsizetype length)
{
    if (text.size() - from <= length)
        return text.size();
    for (qsizetype i = from + length; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator)
            return i + 1;
    }
    return text.size();
}

} // namespace

// Keeps the modified flag and the view's listeners out of an edit that does
// not change the text.
class DocumentText::QuietEdit
{
public:
    explicit QuietEdit(DocumentText &text)
        : m_text(text)
        , m_modified(text.m_document->isModified())
        , m_wasQuiet(text.m_view && text.m_view->setViewQuiet(true))
    {
    }
    ~QuietEdit()
    {
        m_text.m_document->setModified(m_modified);
        if (m_text.m_view)
            m_text.m_view->setViewQuiet(m_wasQuiet);
    }
    QuietEdit(const QuietEdit &) = delete;
    QuietEdit &operator=(const QuietEdit &) = delete;

private:
    DocumentText &m_text;
    bool m_modified;
    bool m_wasQuiet;
};

QString toDocumentBreaks(const QString &text)
{
    qsizetype at = text.indexOf(QLatin1Char('\r'));
    if (at < 0)
        return text;
    // One pass: replace() moves the rest of a large text for every break.
    QString result = text;
    QChar *data = result.data();
    const qsizetype size = result.size();
    qsizetype out = at;
    for (; at < size; ++at) {
        if (data[at] == u'\r') {
            data[out++] = u'\n';
            if (at + 1 < size && data[at + 1] == u'\n')
                ++at;
        } else {
            data[out++] = data[at];
        }
    }
    result.truncate(out);
    return result;
}

DocumentText::DocumentText(QObject *parent)
    : QObject(parent)
    , m_document(new QTextDocument(this))
    , m_cursor(m_document)
{
    // Undo is the editor's own, of whole texts.
    m_document->setUndoRedoEnabled(false);
    // A document without a layout reports no changes; a view puts its own
    // layout in place of this one.
    m_document->documentLayout();
    connect(m_document, &QTextDocument::contentsChange, this, &DocumentText::contentsChanged);
    m_loadTimer.setSingleShot(true);
    connect(&m_loadTimer, &QTimer::timeout, this, [this] { loadSlice(SliceLength); });
}

DocumentText::~DocumentText() = default;

void DocumentText::setView(TextView *view)
{
    if (view)
        view->setViewCursor(caret());
    else if (m_view)
        m_cursor = m_view->viewCursor();
    m_view = view;
}

QTextCursor DocumentText::caret() const
{
    return m_view ? m_view->viewCursor() : m_cursor;
}

void DocumentText::setCaret(const QTextCursor &cursor)
{
    if (m_view)
        m_view->setViewCursor(cursor);
    else
        m_cursor = cursor;
}

void DocumentText::beginUserEdit(QStringView incoming)
{
    finishLoading();
    keepMarksApart(incoming);
    ++m_userEdit;
}

void DocumentText::endUserEdit()
{
    --m_userEdit;
    tidyChanged();
}

// ---- Reading ---------------------------------------------------------------

QString DocumentText::readableText(QStringView raw, int position, bool crLf, qsizetype size) const
{
    const std::vector<int> &soft = m_soft.positions();
    auto nextSoft = std::lower_bound(soft.begin(), soft.end(), position);
    QString text;
    text.reserve(size >= 0 ? size : raw.size() + (crLf ? raw.count(QChar::ParagraphSeparator) : 0));
    qsizetype from = 0;
    for (qsizetype at; (at = raw.indexOf(QChar::ParagraphSeparator, from)) >= 0; from = at + 1) {
        text.append(raw.mid(from, at - from));
        while (nextSoft != soft.end() && *nextSoft < position + at)
            ++nextSoft;
        if (nextSoft != soft.end() && *nextSoft == position + at)
            continue;
        if (crLf)
            text.append(QLatin1Char('\r'));
        text.append(QLatin1Char('\n'));
    }
    text.append(raw.mid(from));
    if (m_marksUsed)
        m_marks.toText(text);
    return text;
}

QString DocumentText::Text() const
{
    finishLoading();
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into ordinary ones.
    return readableText(m_document->toRawText(), 0, true, TextLength());
}

QString DocumentText::UndoText(KnownEnds *ends) const
{
    finishLoading();
    const int length = m_document->characterCount() - 1 - m_soft.count();
    QString text;
    if (m_undoCache.isNull()) {
        text = m_document->toRawText();
        if (!m_soft.isEmpty() || m_marksUsed) {
            text = readableText(text, 0, false);
        } else {
            // One separator per line break already: only its character changes.
            for (qsizetype at = 0; (at = text.indexOf(QChar::ParagraphSeparator, at)) >= 0; ++at)
                text[at] = QLatin1Char('\n');
        }
    } else {
        // Reading a large document costs far more than copying the previous
        // text around the stretch that changed since.
        const qsizetype prefix = std::min<qsizetype>(m_cachePrefix, length);
        const qsizetype suffix = std::min({m_cacheSuffix, length - prefix, m_undoCache.size() - prefix});
        const int from = toDocumentFromUndo(prefix);
        QTextCursor changed(m_document);
        changed.setPosition(from);
        changed.setPosition(toDocumentFromUndo(length - suffix), QTextCursor::KeepAnchor);
        // Sizes rounded up, so that the memory of an earlier text, freed by
        // the undo history, fits the next one instead of lying idle.
        constexpr qsizetype Granule = 512 * 1024;
        text.reserve((length / Granule + 1) * Granule);
        text.append(QStringView(m_undoCache).left(prefix));
        text.append(readableText(changed.selectedText(), from, false));
        text.append(QStringView(m_undoCache).right(suffix));
        if (ends)
            *ends = KnownEnds{m_undoCache, prefix, suffix};
    }
    m_undoCache = text;
    m_cachePrefix = m_cacheSuffix = text.size();
    return text;
}

int DocumentText::toDocumentFromUndo(qsizetype offset) const
{
    // Soft separator j at position p stands after p - j characters of the text.
    const std::vector<int> &soft = m_soft.positions();
    int low = 0;
    int high = int(soft.size());
    while (low < high) {
        const int mid = (low + high) / 2;
        if (soft[size_t(mid)] - mid < offset)
            low = mid + 1;
        else
            high = mid;
    }
    return int(offset) + low;
}

void DocumentText::noteUndoTextChange(int from, int added)
{
    if (m_undoCache.isNull())
        return;
    // Generous about soft separators: the unchanged ends may only shrink.
    const int length = m_document->characterCount() - 1;
    m_cachePrefix = std::min<qsizetype>(m_cachePrefix, from - m_soft.countBefore(from));
    m_cacheSuffix = std::min<qsizetype>(
        m_cacheSuffix, std::max(0, length - (from + added) - (m_soft.count() - m_soft.countBefore(from))));
}

int DocumentText::TextLength() const
{
    if (Loading())
        return m_loadingLength;
    const QTextDocument *doc = m_document;
    // characterCount() includes the final block's separator; each line break
    // counts one more, a soft separator not at all.
    return doc->characterCount() - 1 + doc->blockCount() - 1 - 2 * m_soft.count();
}

int DocumentText::LineCount() const
{
    return Loading() ? m_loadingLines : m_document->blockCount() - m_soft.count();
}

QStringList DocumentText::Lines() const
{
    finishLoading();
    QStringList lines;
    lines.reserve(LineCount());
    QString line;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        line += block.text();
        if (endsSoftly(block))
            continue;
        if (m_marksUsed)
            m_marks.toText(line);
        lines.append(line);
        line.clear();
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString DocumentText::LineText(int line) const
{
    finishLoading();
    QString text;
    for (QTextBlock block = lineBlock(line); block.isValid(); block = block.next()) {
        text += block.text();
        if (!endsSoftly(block))
            break;
    }
    if (m_marksUsed)
        m_marks.toText(text);
    return text;
}

int DocumentText::LineStart(int line) const
{
    finishLoading();
    return blockOffset(lineBlock(std::clamp(line, 0, LineCount() - 1)));
}

int DocumentText::lineLength(int line) const
{
    const int start = LineStart(line);
    return (line + 1 < LineCount() ? LineStart(line + 1) - 2 : TextLength()) - start;
}

QString DocumentText::SelText() const
{
    const QTextCursor selection = caret();
    return readableText(selection.selectedText(), selection.selectionStart(), true);
}

QString DocumentText::selectedPlainText() const
{
    const QTextCursor selection = caret();
    return readableText(selection.selectedText(), selection.selectionStart(), false);
}

// ---- Positions ---------------------------------------------------------------

bool DocumentText::startsLine(const QTextBlock &block) const
{
    return block.position() == 0 || !m_soft.contains(block.position() - 1);
}

bool DocumentText::endsSoftly(const QTextBlock &block) const
{
    return m_soft.contains(block.position() + block.length() - 1);
}

int DocumentText::lineOf(const QTextBlock &block) const
{
    return block.blockNumber() - m_soft.countBefore(block.position());
}

int DocumentText::blockOffset(const QTextBlock &block) const
{
    return block.position() + block.blockNumber() - 2 * m_soft.countBefore(block.position());
}

QTextBlock DocumentText::lineBlock(int line) const
{
    const QTextDocument *doc = m_document;
    if (m_soft.isEmpty())
        return doc->findBlockByNumber(line);
    // The first block whose line number reaches `line`.
    int low = line;
    int high = std::min(line + m_soft.count(), doc->blockCount() - 1);
    while (low < high) {
        const int mid = (low + high) / 2;
        if (lineOf(doc->findBlockByNumber(mid)) < line)
            low = mid + 1;
        else
            high = mid;
    }
    return doc->findBlockByNumber(low);
}

int DocumentText::fromDocumentPosition(int position) const
{
    // Each line break counts one character more, each soft separator none.
    return position + m_document->findBlock(position).blockNumber() - 2 * m_soft.countBefore(position);
}

int DocumentText::toDocumentPosition(int offset) const
{
    finishLoading();
    offset = std::clamp(offset, 0, TextLength());
    const QTextDocument *doc = m_document;
    // The last block that starts at or before the offset.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (blockOffset(doc->findBlockByNumber(mid)) <= offset)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    return block.position() + std::min(offset - blockOffset(block), block.length() - 1);
}

int DocumentText::SelStart() const
{
    return fromDocumentPosition(caret().selectionStart());
}

void DocumentText::SetSelStart(int offset)
{
    QTextCursor cursor = caret();
    cursor.setPosition(toDocumentPosition(offset));
    setCaret(cursor);
}

int DocumentText::SelLength() const
{
    const QTextCursor cursor = caret();
    return fromDocumentPosition(cursor.selectionEnd()) - fromDocumentPosition(cursor.selectionStart());
}

void DocumentText::SetSelLength(int length)
{
    const int start = SelStart();
    QTextCursor cursor = caret();
    cursor.setPosition(toDocumentPosition(start));
    cursor.setPosition(toDocumentPosition(start + std::max(0, length)), QTextCursor::KeepAnchor);
    setCaret(cursor);
}

int DocumentText::CaretLine()
{
    m_currentLine = lineOf(m_document->findBlock(caret().selectionStart()));
    return m_currentLine;
}

int DocumentText::CaretColumn()
{
    const QTextCursor cursor = caret();
    QTextBlock block = m_document->findBlock(cursor.selectionStart());
    while (!startsLine(block))
        block = block.previous();
    m_caretColumn = SelStart() - blockOffset(block);
    return m_caretColumn;
}

void DocumentText::SetCaretLine(int line)
{
    finishLoading();
    m_currentLine = std::clamp(line, 0, LineCount() - 1);
    QTextCursor cursor = caret();
    cursor.setPosition(lineBlock(m_currentLine).position());
    setCaret(cursor);
}

void DocumentText::SetCaretColumn(int column)
{
    finishLoading();
    m_caretColumn = std::clamp(column, 0, lineLength(m_currentLine));
    SetSelStart(LineStart(m_currentLine) + m_caretColumn);
}

// ---- Changing ---------------------------------------------------------------

QString DocumentText::documentText(const QString &text, std::vector<int> *pieces)
{
    QString result = toDocumentBreaks(text);
    keepMarksApart(result);
    if (result.contains(QChar::ParagraphSeparator) || result.contains(QChar::LineSeparator)) {
        m_marks.toDocument(result);
        m_marksUsed = true;
    }
    // No line of a short text needs cutting.
    pieces->clear();
    if (result.size() > SoftBreaks::MaxBlockLength)
        *pieces = cutLongLines(result);
    return result;
}

void DocumentText::keepMarksApart(QStringView incoming)
{
    if (!m_marks.clashesWith(incoming))
        return;
    finishLoading();
    const SeparatorMarks old = m_marks;
    const QString raw = m_document->toRawText();
    m_marks.chooseFor(raw, incoming);
    if (!m_marksUsed)
        return;
    // The text stays the same: only the characters standing for it change.
    const QuietEdit quiet(*this);
    ++m_ownChange;
    QTextCursor cursor(m_document);
    cursor.beginEditBlock();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != old.paragraphMark() && c != old.lineMark())
            continue;
        cursor.setPosition(int(i));
        cursor.setPosition(int(i) + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QString(c == old.paragraphMark() ? m_marks.paragraphMark() : m_marks.lineMark()));
    }
    cursor.endEditBlock();
    --m_ownChange;
}

void DocumentText::setDocumentText(const QString &text, const std::vector<int> &pieces)
{
    ++m_ownChange;
    m_document->setPlainText(text);
    --m_ownChange;
    m_soft.clear();
    m_soft.append(pieces);
    m_undoCache = QString();
    // The insertion left the caret at the end; a new text is read from the top.
    setCaret(QTextCursor(m_document));
}

void DocumentText::SetText(const QString &text)
{
    m_loadTimer.stop();
    m_pending = QString();
    m_marks.chooseFor(text);
    m_marksUsed = false;
    std::vector<int> pieces;
    const QString docText = documentText(text, &pieces);
    setDocumentText(docText, pieces);
    // Replacing the whole text is a change, whatever the document reported.
    m_document->setModified(true);
}

void DocumentText::LoadText(QString text)
{
    m_loadTimer.stop();
    m_pending = QString();
    m_marks.chooseFor(text);
    m_marksUsed = text.contains(QChar::ParagraphSeparator) || text.contains(QChar::LineSeparator);
    if (m_marksUsed)
        m_marks.toDocument(text);
    std::vector<int> pieces = cutLongLines(text);

    const qsizetype first = sliceEnd(text, 0, FirstSliceLength);
    if (first == text.size()) {
        setDocumentText(text, pieces);
        m_document->setModified(false);
        return;
    }
    const int breaks = int(text.count(QLatin1Char('\n')));
    m_loadingLength = int(text.size()) + breaks - int(pieces.size());
    m_loadingLines = breaks + 1;
    const auto firstPieces = std::lower_bound(pieces.begin(), pieces.end(), int(first));
    setDocumentText(text.left(first), std::vector<int>(pieces.begin(), firstPieces));
    m_pendingPieceAt = size_t(firstPieces - pieces.begin());
    m_pendingPieces = std::move(pieces);
    m_pendingAt = first;
    m_pending = std::move(text);
    m_document->setModified(false);
    if (m_view)
        m_view->linesChanged();
    m_loadTimer.start(0);
}

void DocumentText::loadSlice(qsizetype length)
{
    if (!Loading())
        return;
    const qsizetype end = sliceEnd(m_pending, m_pendingAt, length);
    const int at = m_document->characterCount() - 1;
    {
        const QuietEdit quiet(*this);
        ++m_ownChange;
        QTextCursor cursor(m_document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringView(m_pending).mid(m_pendingAt, end - m_pendingAt).toString());
        --m_ownChange;
    }
    for (; m_pendingPieceAt < m_pendingPieces.size() && m_pendingPieces[m_pendingPieceAt] < end;
         ++m_pendingPieceAt)
        m_soft.insert(at + m_pendingPieces[m_pendingPieceAt] - int(m_pendingAt));
    m_pendingAt = end;
    if (m_pendingAt < m_pending.size()) {
        m_loadTimer.start(0);
        return;
    }
    m_pending = QString();
    m_pendingPieces = {};
    if (m_view)
        m_view->linesChanged();
#ifdef __GLIBC__
    // The file's bytes and decoded copies are gone; give their pages back.
    malloc_trim(0);
#endif
}

void DocumentText::finishLoading() const
{
    if (Loading()) {
        auto *self = const_cast<DocumentText *>(this);
        self->m_loadTimer.stop();
        self->loadSlice(m_pending.size());
    }
}

void DocumentText::replaceRange(QTextCursor &cursor, int from, int to, const QString &text,
                                const std::vector<int> &pieces)
{
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    ++m_ownChange;
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
    --m_ownChange;
    m_soft.replaced(from, to - from, int(text.size()));
    for (const int piece : pieces)
        m_soft.insert(from + piece);
}

void DocumentText::SetSelText(const QString &text)
{
    finishLoading();
    std::vector<int> pieces;
    const QString inserted = documentText(text, &pieces);
    QTextCursor cursor = caret();
    const int from = cursor.selectionStart();
    replaceRange(cursor, from, cursor.selectionEnd(), inserted, pieces);
    setCaret(cursor);
    tidyPieces(from, from + int(inserted.size()));
}

void DocumentText::ApplyChanges(const std::vector<TextChange> &changes)
{
    if (changes.empty())
        return;
    finishLoading();
    std::vector<QString> inserted(changes.size());
    std::vector<std::vector<int>> pieces(changes.size());
    for (size_t i = 0; i < changes.size(); ++i)
        inserted[i] = documentText(changes[i].inserted, &pieces[i]);

    // The offsets ascend, so one walk over the blocks finds them all; each
    // block's position and offset follow from the one before.
    QTextBlock block = m_document->findBlock(toDocumentPosition(int(changes.front().start)));
    int blockPosition = block.position();
    qsizetype blockStart = blockOffset(block);
    const auto position = [&](qsizetype offset) {
        for (QTextBlock next = block.next(); next.isValid(); next = block.next()) {
            const int length = block.length();
            const qsizetype nextStart =
                blockStart + length + (m_soft.contains(blockPosition + length - 1) ? -1 : 1);
            if (nextStart > offset)
                break;
            block = next;
            blockPosition += length;
            blockStart = nextStart;
        }
        return blockPosition + int(std::min<qsizetype>(offset - blockStart, block.length() - 1));
    };
    std::vector<std::pair<int, int>> ranges;
    ranges.reserve(changes.size());
    for (const TextChange &change : changes) {
        const int from = position(change.start); // before the end: the walk only goes on
        ranges.emplace_back(from, position(change.start + change.removed));
    }

    // From the last, so that no change moves the text of another; the edit
    // block reports them as one change when it ends.
    ++m_ownChange;
    QTextCursor cursor(m_document);
    cursor.beginEditBlock();
    for (size_t i = changes.size(); i-- > 0;)
        replaceRange(cursor, ranges[i].first, ranges[i].second, inserted[i], pieces[i]);
    cursor.endEditBlock();
    --m_ownChange;

    // The pieces from the first change to the end of the last, as they are now.
    int growth = 0;
    for (size_t i = 0; i < changes.size(); ++i)
        growth += int(inserted[i].size()) - (ranges[i].second - ranges[i].first);
    tidyPieces(ranges.front().first, ranges.back().second + growth);
}

void DocumentText::RestoreUndoText(const QString &text)
{
    const QString old = UndoText();
    const qsizetype prefix = commonPrefix(old, text);
    const qsizetype suffix = commonSuffix(old, text, std::min(old.size(), text.size()) - prefix);
    if (prefix == old.size() && prefix == text.size())
        return;
    std::vector<int> pieces;
    const QString inserted = documentText(text.mid(prefix, text.size() - prefix - suffix), &pieces);
    // Undo texts count one character per line break, as the document does
    // apart from its soft separators.
    const int from = toDocumentFromUndo(prefix);
    QTextCursor cursor(m_document);
    replaceRange(cursor, from, toDocumentFromUndo(old.size() - suffix), inserted, pieces);
    tidyPieces(from, from + int(inserted.size()));
}

void DocumentText::contentsChanged(int from, int removed, int added)
{
    noteUndoTextChange(from, added);
    if (m_ownChange)
        return;
    if (removed == added && !m_userEdit) {
        // Formats only; but a separator the text no longer has is not kept.
        for (const int soft : std::vector<int>(m_soft.positions())) {
            if (soft >= from && soft < from + removed
                && m_document->characterAt(soft) != QChar::ParagraphSeparator)
                m_soft.remove(soft);
        }
        return;
    }
    m_soft.replaced(from, removed, added);
    if (m_dirtyFrom < 0) {
        m_dirtyFrom = from;
        m_dirtyTo = from + added;
        // Changes made outside the events below are tidied once the program is idle.
        if (!m_userEdit)
            QTimer::singleShot(0, this, &DocumentText::tidyChanged);
        return;
    }
    m_dirtyTo = m_dirtyTo >= from + removed ? m_dirtyTo + added - removed : from + added;
    m_dirtyFrom = std::min(m_dirtyFrom, from);
    m_dirtyTo = std::max(m_dirtyTo, from + added);
}

void DocumentText::tidyChanged()
{
    if (m_dirtyFrom < 0)
        return;
    const int from = m_dirtyFrom;
    const int to = m_dirtyTo;
    m_dirtyFrom = m_dirtyTo = -1;
    tidyPieces(from, to);
}

int DocumentText::tidyPieces(int from, int to)
{
    int added = 0;
    QTextDocument *doc = m_document;
    const int end = doc->characterCount() - 1;
    from = std::clamp(from, 0, end);
    to = std::clamp(to, from, end);
    QTextBlock block = doc->findBlock(from);
    if (!startsLine(block))
        block = block.previous(); // a piece may join the one before
    std::optional<QuietEdit> quiet;
    // Positions follow from block to block; only an edit makes them sought again.
    int position = block.position();
    while (block.isValid() && position <= to) {
        const int length = block.length() - 1;
        const bool piece = position > 0 && !m_soft.isEmpty() && m_soft.contains(position - 1);
        if (length > SoftBreaks::MaxBlockLength) {
            if (!quiet)
                quiet.emplace(*this);
            const std::vector<int> cuts = pieceCuts(block.text());
            const int start = position;
            QTextCursor cursor(doc);
            for (size_t i = cuts.size(); i-- > 0;) {
                cursor.setPosition(start + cuts[i]);
                ++m_ownChange;
                cursor.insertText(QString(QChar::ParagraphSeparator));
                --m_ownChange;
                m_soft.replaced(start + cuts[i], 0, 1);
                m_soft.insert(start + cuts[i]);
                ++to;
                ++added;
            }
            block = doc->findBlock(start + cuts.back() + int(cuts.size()));
            position = block.position();
        } else if (piece && block.previous().isValid()
                   && (length < SoftBreaks::MinPieceLength || block.previous().length() == 1)
                   && block.previous().length() - 1 + length <= SoftBreaks::MaxBlockLength) {
            if (!quiet)
                quiet.emplace(*this);
            const int separator = position - 1;
            QTextCursor cursor(doc);
            cursor.setPosition(separator);
            ++m_ownChange;
            cursor.deleteChar();
            --m_ownChange;
            m_soft.replaced(separator, 1, 0);
            --to;
            --added;
            block = doc->findBlock(separator);
            position = block.position();
            continue;
        }
        position += block.length();
        block = block.next();
    }
    if (added != 0 && m_view)
        m_view->linesChanged(); // the quiet edits told no one
    return added;
}

bool DocumentText::Modified() const
{
    return m_document->isModified();
}

void DocumentText::SetModified(bool modified)
{
    m_document->setModified(modified);
}


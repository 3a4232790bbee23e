#include "colormemo/colormemo.h"

#include "colormemo/colorhighlighter.h"
#include "colormemo/commonends.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>

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

// Keeps the document's modified flag and the control's signals out of an
// edit that does not change the text.
class QuietEdit
{
public:
    explicit QuietEdit(QPlainTextEdit *memo)
        : m_memo(memo)
        , m_modified(memo->document()->isModified())
        , m_blocker(memo)
    {
    }
    ~QuietEdit() { m_memo->document()->setModified(m_modified); }
    QuietEdit(const QuietEdit &) = delete;
    QuietEdit &operator=(const QuietEdit &) = delete;

private:
    QPlainTextEdit *m_memo;
    bool m_modified;
    QSignalBlocker m_blocker;
};

} // namespace

// The strip left of the text that shows the line numbers.
class LineNumberGutter : public QWidget
{
public:
    explicit LineNumberGutter(TColorMemo *memo)
        : QWidget(memo)
        , m_memo(memo)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override { m_memo->paintGutter(event); }

private:
    TColorMemo *m_memo;
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

TColorMemo::TColorMemo(QWidget *owner)
    : QPlainTextEdit(owner)
    , m_colors(new TColorHighlighter(this))
{
    // The editor keeps its own whole-text undo history.
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(document(), &QTextDocument::contentsChange, this, &TColorMemo::contentsChanged);
    m_loadTimer.setSingleShot(true);
    connect(&m_loadTimer, &QTimer::timeout, this, [this] { loadSlice(SliceLength); });
}

TColorMemo::~TColorMemo()
{
    // The colouring watches the viewport; it must go before the widget parts
    // it looks at are torn down (found by fuzzing with UBSan).
    delete m_colors;
}

// ---- Reading ---------------------------------------------------------------

QString TColorMemo::readableText(QStringView raw, int position, bool crLf, qsizetype size) const
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

QString TColorMemo::Text() const
{
    finishLoading();
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into ordinary ones.
    return readableText(document()->toRawText(), 0, true, TextLength());
}

QString TColorMemo::UndoText(KnownEnds *ends) const
{
    finishLoading();
    const int length = document()->characterCount() - 1 - m_soft.count();
    QString text;
    if (m_undoCache.isNull()) {
        text = document()->toRawText();
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
        QTextCursor changed(document());
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

int TColorMemo::toDocumentFromUndo(qsizetype offset) const
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

void TColorMemo::noteUndoTextChange(int from, int added)
{
    if (m_undoCache.isNull())
        return;
    // Generous about soft separators: the unchanged ends may only shrink.
    const int length = document()->characterCount() - 1;
    m_cachePrefix = std::min<qsizetype>(m_cachePrefix, from - m_soft.countBefore(from));
    m_cacheSuffix = std::min<qsizetype>(
        m_cacheSuffix, std::max(0, length - (from + added) - (m_soft.count() - m_soft.countBefore(from))));
}

int TColorMemo::TextLength() const
{
    if (Loading())
        return m_loadingLength;
    const QTextDocument *doc = document();
    // characterCount() includes the final block's separator; each line break
    // counts one more, a soft separator not at all.
    return doc->characterCount() - 1 + doc->blockCount() - 1 - 2 * m_soft.count();
}

int TColorMemo::LineCount() const
{
    return Loading() ? m_loadingLines : document()->blockCount() - m_soft.count();
}

QStringList TColorMemo::Lines() const
{
    finishLoading();
    QStringList lines;
    lines.reserve(LineCount());
    QString line;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
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

QString TColorMemo::LineText(int line) const
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

int TColorMemo::LineStart(int line) const
{
    finishLoading();
    return blockOffset(lineBlock(std::clamp(line, 0, LineCount() - 1)));
}

int TColorMemo::lineLength(int line) const
{
    const int start = LineStart(line);
    return (line + 1 < LineCount() ? LineStart(line + 1) - 2 : TextLength()) - start;
}

QString TColorMemo::SelText() const
{
    const QTextCursor cursor = textCursor();
    return readableText(cursor.selectedText(), cursor.selectionStart(), true);
}

QMimeData *TColorMemo::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    const QTextCursor cursor = textCursor();
    data->setText(readableText(cursor.selectedText(), cursor.selectionStart(), false));
    return data;
}

// ---- Positions ---------------------------------------------------------------

bool TColorMemo::startsLine(const QTextBlock &block) const
{
    return block.position() == 0 || !m_soft.contains(block.position() - 1);
}

bool TColorMemo::endsSoftly(const QTextBlock &block) const
{
    return m_soft.contains(block.position() + block.length() - 1);
}

int TColorMemo::lineOf(const QTextBlock &block) const
{
    return block.blockNumber() - m_soft.countBefore(block.position());
}

int TColorMemo::blockOffset(const QTextBlock &block) const
{
    return block.position() + block.blockNumber() - 2 * m_soft.countBefore(block.position());
}

QTextBlock TColorMemo::lineBlock(int line) const
{
    const QTextDocument *doc = document();
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

int TColorMemo::fromDocumentPosition(int position) const
{
    // Each line break counts one character more, each soft separator none.
    return position + document()->findBlock(position).blockNumber() - 2 * m_soft.countBefore(position);
}

int TColorMemo::toDocumentPosition(int offset) const
{
    finishLoading();
    offset = std::clamp(offset, 0, TextLength());
    const QTextDocument *doc = document();
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

int TColorMemo::SelStart() const
{
    return fromDocumentPosition(textCursor().selectionStart());
}

void TColorMemo::SetSelStart(int offset)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(offset));
    setTextCursor(cursor);
}

int TColorMemo::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return fromDocumentPosition(cursor.selectionEnd()) - fromDocumentPosition(cursor.selectionStart());
}

void TColorMemo::SetSelLength(int length)
{
    const int start = SelStart();
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(start));
    cursor.setPosition(toDocumentPosition(start + std::max(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

int TColorMemo::CaretLine()
{
    m_currentLine = lineOf(document()->findBlock(textCursor().selectionStart()));
    return m_currentLine;
}

int TColorMemo::CaretColumn()
{
    const QTextCursor cursor = textCursor();
    QTextBlock block = document()->findBlock(cursor.selectionStart());
    while (!startsLine(block))
        block = block.previous();
    m_caretColumn = SelStart() - blockOffset(block);
    return m_caretColumn;
}

int TColorMemo::FirstVisibleLine()
{
    m_firstVisibleLine = lineOf(firstVisibleBlock());
    return m_firstVisibleLine;
}

void TColorMemo::SetCaretLine(int line)
{
    finishLoading();
    m_currentLine = std::clamp(line, 0, LineCount() - 1);
    QTextCursor cursor = textCursor();
    cursor.setPosition(lineBlock(m_currentLine).position());
    setTextCursor(cursor);
}

void TColorMemo::SetCaretColumn(int column)
{
    finishLoading();
    m_caretColumn = std::clamp(column, 0, lineLength(m_currentLine));
    SetSelStart(LineStart(m_currentLine) + m_caretColumn);
}

void TColorMemo::ScrollLines(int count)
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + count);
}

// ---- Changing ---------------------------------------------------------------

QString TColorMemo::documentText(const QString &text, std::vector<int> *pieces)
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

void TColorMemo::keepMarksApart(QStringView incoming)
{
    if (!m_marks.clashesWith(incoming))
        return;
    finishLoading();
    const SeparatorMarks old = m_marks;
    const QString raw = document()->toRawText();
    m_marks.chooseFor(raw, incoming);
    if (!m_marksUsed)
        return;
    // The text stays the same: only the characters standing for it change.
    const QuietEdit quiet(this);
    ++m_ownChange;
    QTextCursor cursor(document());
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

void TColorMemo::setDocumentText(const QString &text, const std::vector<int> &pieces)
{
    ++m_ownChange;
    setPlainText(text);
    --m_ownChange;
    m_soft.clear();
    m_soft.append(pieces);
    m_undoCache = QString();
}

void TColorMemo::SetText(const QString &text)
{
    m_loadTimer.stop();
    m_pending = QString();
    m_marks.chooseFor(text);
    m_marksUsed = false;
    std::vector<int> pieces;
    const QString docText = documentText(text, &pieces);
    setDocumentText(docText, pieces);
    // setPlainText() starts a fresh document; replacing the text is still a change.
    document()->setModified(true);
}

void TColorMemo::LoadText(QString text)
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
        document()->setModified(false);
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
    document()->setModified(false);
    fitGutter();
    m_loadTimer.start(0);
}

void TColorMemo::loadSlice(qsizetype length)
{
    if (!Loading())
        return;
    const qsizetype end = sliceEnd(m_pending, m_pendingAt, length);
    const int at = document()->characterCount() - 1;
    {
        const QuietEdit quiet(this);
        ++m_ownChange;
        QTextCursor cursor(document());
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
    fitGutter();
#ifdef __GLIBC__
    // The file's bytes and decoded copies are gone; give their pages back.
    malloc_trim(0);
#endif
}

void TColorMemo::finishLoading() const
{
    if (Loading()) {
        auto *self = const_cast<TColorMemo *>(this);
        self->m_loadTimer.stop();
        self->loadSlice(m_pending.size());
    }
}

void TColorMemo::replaceRange(QTextCursor &cursor, int from, int to, const QString &text,
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

void TColorMemo::SetSelText(const QString &text)
{
    finishLoading();
    std::vector<int> pieces;
    const QString inserted = documentText(text, &pieces);
    QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    replaceRange(cursor, from, cursor.selectionEnd(), inserted, pieces);
    setTextCursor(cursor);
    tidyPieces(from, from + int(inserted.size()));
}

void TColorMemo::ApplyChanges(const std::vector<TextChange> &changes)
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
    QTextBlock block = document()->findBlock(toDocumentPosition(int(changes.front().start)));
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
    QTextCursor cursor(document());
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

void TColorMemo::RestoreUndoText(const QString &text)
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
    QTextCursor cursor(document());
    replaceRange(cursor, from, toDocumentFromUndo(old.size() - suffix), inserted, pieces);
    tidyPieces(from, from + int(inserted.size()));
}

void TColorMemo::contentsChanged(int from, int removed, int added)
{
    noteUndoTextChange(from, added);
    if (m_ownChange)
        return;
    if (removed == added && !m_userEdit) {
        // Formats only; but a separator the text no longer has is not kept.
        for (const int soft : std::vector<int>(m_soft.positions())) {
            if (soft >= from && soft < from + removed
                && document()->characterAt(soft) != QChar::ParagraphSeparator)
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
            QTimer::singleShot(0, this, &TColorMemo::tidyChanged);
        return;
    }
    m_dirtyTo = m_dirtyTo >= from + removed ? m_dirtyTo + added - removed : from + added;
    m_dirtyFrom = std::min(m_dirtyFrom, from);
    m_dirtyTo = std::max(m_dirtyTo, from + added);
}

void TColorMemo::tidyChanged()
{
    if (m_dirtyFrom < 0)
        return;
    const int from = m_dirtyFrom;
    const int to = m_dirtyTo;
    m_dirtyFrom = m_dirtyTo = -1;
    tidyPieces(from, to);
}

int TColorMemo::tidyPieces(int from, int to)
{
    int added = 0;
    QTextDocument *doc = document();
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
                quiet.emplace(this);
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
                quiet.emplace(this);
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
    if (added != 0 && m_gutter)
        m_gutter->update(); // the quiet edits told no one
    return added;
}

void TColorMemo::stepOverSoftBreak(const QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    // A selection of nothing but soft separators is no selection.
    if (cursor.hasSelection() && SelLength() == 0) {
        cursor.setPosition(cursor.position());
        setTextCursor(cursor);
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return;
    const QTextBlock block = cursor.block();
    const bool atPieceStart = cursor.atBlockStart() && !startsLine(block);
    const bool atPieceEnd = cursor.atBlockEnd() && endsSoftly(block);
    const QTextCursor::MoveMode mode =
        modifiers == Qt::ShiftModifier ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    const int key = event->key();
    if (atPieceStart && (key == Qt::Key_Left || (key == Qt::Key_Backspace && !cursor.hasSelection())))
        cursor.setPosition(cursor.position() - 1, mode);
    else if (atPieceEnd && (key == Qt::Key_Right || (key == Qt::Key_Delete && !cursor.hasSelection())))
        cursor.setPosition(cursor.position() + 1, mode);
    else
        return;
    setTextCursor(cursor);
}

bool TColorMemo::Modified() const
{
    return document()->isModified();
}

void TColorMemo::SetModified(bool modified)
{
    document()->setModified(modified);
}

bool TColorMemo::WordWrap() const
{
    return lineWrapMode() != QPlainTextEdit::NoWrap;
}

void TColorMemo::SetWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void TColorMemo::SetLineNumbers(bool on)
{
    if (on == LineNumbers())
        return;
    if (on) {
        m_gutter = new LineNumberGutter(this);
        connect(this, &QPlainTextEdit::blockCountChanged, this, &TColorMemo::fitGutter);
        connect(this, &QPlainTextEdit::updateRequest, m_gutter, [this](const QRect &rect, int dy) {
            if (dy != 0)
                m_gutter->scroll(0, dy);
            else
                m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
        });
        m_gutter->show();
    } else {
        disconnect(this, &QPlainTextEdit::blockCountChanged, this, &TColorMemo::fitGutter);
        delete m_gutter;
        m_gutter = nullptr;
    }
    fitGutter();
}

void TColorMemo::fitGutter()
{
    int width = 0;
    if (m_gutter) {
        const int digits = int(QString::number(std::max(1, LineCount())).size());
        width = fontMetrics().horizontalAdvance(QLatin1Char('9')) * (digits + 1) + 4;
    }
    if (viewportMargins().left() != width)
        setViewportMargins(width, 0, 0, 0);
    if (m_gutter) {
        const QRect area = contentsRect();
        m_gutter->setGeometry(area.left(), area.top(), width, area.height());
    }
}

void TColorMemo::paintGutter(QPaintEvent *event)
{
    QPainter painter(m_gutter);
    const QPalette colors = palette();
    painter.fillRect(event->rect(), colors.window());
    painter.setPen(colors.placeholderText().color());
    painter.setFont(font());
    const int width = m_gutter->width() - fontMetrics().horizontalAdvance(QLatin1Char('9')) / 2 - 2;
    const int bottom = event->rect().bottom();
    // Only the blocks on screen: the cost does not grow with the document.
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF rect = blockBoundingGeometry(block).translated(contentOffset());
        if (rect.top() > bottom)
            break;
        if (!block.isVisible() || rect.bottom() < event->rect().top() || !startsLine(block))
            continue;
        const QTextLayout *layout = block.layout();
        const qreal lineHeight = layout && layout->lineCount() > 0 ? layout->lineAt(0).height()
                                                                    : fontMetrics().height();
        painter.drawText(QRectF(0, rect.top() + (layout ? layout->position().y() : 0), width, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(lineOf(block) + 1));
    }
}

void TColorMemo::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (m_gutter)
        fitGutter();
}

void TColorMemo::setReservedShortcuts(const QList<QKeySequence> &shortcuts)
{
    m_reserved = shortcuts;
}

bool TColorMemo::event(QEvent *event)
{
    // Let the window's commands have their keys instead of the control's
    // built-in editing (undo, select all, delete word ...).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        if (m_reserved.contains(pressed)) {
            event->ignore();
            return false;
        }
    }
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::FontChange && m_gutter)
        fitGutter();
    return handled;
}

TDrawRules &TColorMemo::ColorRules()
{
    return m_colors->ColorRules();
}

void TColorMemo::paintEvent(QPaintEvent *event)
{
    // The colours are formats of the text, drawn with it in one go.
    m_colors->prepare(event->rect());
    QPlainTextEdit::paintEvent(event);
    m_colors->paintKeys(event->rect());
}

void TColorMemo::keyPressEvent(QKeyEvent *event)
{
    finishLoading();
    keepMarksApart(event->text());
    stepOverSoftBreak(event);
    ++m_userEdit;
    QPlainTextEdit::keyPressEvent(event);
    --m_userEdit;
    tidyChanged();
}

void TColorMemo::inputMethodEvent(QInputMethodEvent *event)
{
    finishLoading();
    keepMarksApart(event->commitString());
    ++m_userEdit;
    QPlainTextEdit::inputMethodEvent(event);
    --m_userEdit;
    tidyChanged();
}

void TColorMemo::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data || !data->hasText() || isReadOnly()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    // Dropped here rather than by the base class, whose move of a selection
    // is one edit spanning the text between the two places.
    finishLoading();
    const QString text = data->text();
    int at = fromDocumentPosition(cursorForPosition(event->position().toPoint()).position());
    const bool move = event->dropAction() == Qt::MoveAction
        && (event->source() == this || event->source() == viewport());
    if (move) {
        const int start = SelStart();
        const int length = SelLength();
        if (at >= start && at <= start + length)
            at = -1; // onto itself
        else
            SetSelText(QString());
        if (at > start)
            at -= length;
    }
    if (at >= 0) {
        SetSelStart(at);
        SetSelText(text);
    }
    event->acceptProposedAction();
    QDragLeaveEvent leave;
    QPlainTextEdit::dragLeaveEvent(&leave); // ends the drag's feedback
    setFocus();
}

void TColorMemo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText()) {
        SetSelText(source->text());
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

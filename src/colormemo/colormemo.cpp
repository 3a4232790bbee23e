#include "colormemo/colormemo.h"

#include "colormemo/colorhighlighter.h"
#include "colormemo/commonends.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>

#include <algorithm>

QString toDocumentBreaks(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
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
}

TColorMemo::~TColorMemo()
{
    // The colouring watches the viewport; it must go before the widget parts
    // it looks at are torn down (found by fuzzing with UBSan).
    delete m_colors;
}

QString TColorMemo::Text() const
{
    // One pass: replacing every break in place moves the rest of a large
    // text again and again. The raw text keeps non-breaking spaces, which
    // toPlainText() would turn into ordinary ones.
    const QString plain = document()->toRawText();
    QString text;
    text.reserve(plain.size() + LineCount() - 1);
    qsizetype from = 0;
    for (qsizetype at; (at = plain.indexOf(QChar::ParagraphSeparator, from)) >= 0; from = at + 1) {
        text.append(QStringView(plain).mid(from, at - from));
        text.append(QLatin1String("\r\n"));
    }
    text.append(QStringView(plain).mid(from));
    return fromDocumentText(std::move(text));
}

void TColorMemo::SetText(const QString &text)
{
    m_marks.chooseFor(text);
    setPlainText(documentText(text));
    // setPlainText() starts a fresh document; replacing the text is still a change.
    document()->setModified(true);
}

void TColorMemo::ChangeText(const QString &text)
{
    const QString old = Text();
    qsizetype prefix = commonPrefix(old, text);
    qsizetype suffix = commonSuffix(old, text, std::min(old.size(), text.size()) - prefix);
    // Neither end of the change may fall between the CR and the LF of a break.
    const auto splitsBreak = [](const QString &s, qsizetype at) {
        return at > 0 && at < s.size() && s.at(at - 1) == QLatin1Char('\r') && s.at(at) == QLatin1Char('\n');
    };
    if (splitsBreak(old, prefix) || splitsBreak(text, prefix))
        --prefix;
    if (splitsBreak(old, old.size() - suffix) || splitsBreak(text, text.size() - suffix))
        --suffix;
    if (prefix == old.size() && prefix == text.size())
        return;
    ApplyChanges({{prefix, old.size() - prefix - suffix, text.mid(prefix, text.size() - prefix - suffix)}});
}

void TColorMemo::LoadText(QString text)
{
    m_marks.chooseFor(text);
    if (text.contains(QChar::ParagraphSeparator) || text.contains(QChar::LineSeparator))
        m_marks.toDocument(text);
    setPlainText(text);
    document()->setModified(false);
}

QString TColorMemo::documentText(const QString &text)
{
    QString result = toDocumentBreaks(text);
    keepMarksApart(result);
    if (result.contains(QChar::ParagraphSeparator) || result.contains(QChar::LineSeparator))
        m_marks.toDocument(result);
    return result;
}

QString TColorMemo::fromDocumentText(QString text) const
{
    if (m_marks.clashesWith(text))
        m_marks.toText(text);
    return text;
}

void TColorMemo::keepMarksApart(QStringView incoming)
{
    if (!m_marks.clashesWith(incoming))
        return;
    const SeparatorMarks old = m_marks;
    const QString raw = document()->toRawText();
    m_marks.chooseFor(raw, incoming);
    // The text stays the same: only the characters standing for it change.
    const bool modified = Modified();
    const QSignalBlocker quiet(this);
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
    document()->setModified(modified);
}

int TColorMemo::TextLength() const
{
    const QTextDocument *doc = document();
    // characterCount() includes the final block's separator.
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

QStringList TColorMemo::Lines() const
{
    QStringList lines;
    lines.reserve(document()->blockCount());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.append(fromDocumentText(block.text()));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

int TColorMemo::LineCount() const
{
    return document()->blockCount();
}

QString TColorMemo::LineText(int line) const
{
    return fromDocumentText(document()->findBlockByNumber(line).text());
}

int TColorMemo::LineStart(int line) const
{
    const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 0, LineCount() - 1));
    return block.position() + block.blockNumber();
}

int TColorMemo::fromDocumentPosition(int position) const
{
    return position + document()->findBlock(position).blockNumber();
}

int TColorMemo::toDocumentPosition(int offset) const
{
    offset = std::clamp(offset, 0, TextLength());
    // Last line whose start (position + one extra character per earlier break)
    // is at or before the offset.
    int low = 0;
    int high = LineCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (LineStart(mid) <= offset)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = document()->findBlockByNumber(low);
    const int column = std::min(offset - (block.position() + low), block.length() - 1);
    return block.position() + column;
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

QString TColorMemo::SelText() const
{
    QString text = textCursor().selectedText();
    // Breaks first: the marks stand for separators that are characters.
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return fromDocumentText(std::move(text));
}

void TColorMemo::SetSelText(const QString &text)
{
    const QString inserted = documentText(text);
    QTextCursor cursor = textCursor();
    cursor.insertText(inserted);
    setTextCursor(cursor);
}

void TColorMemo::ApplyChanges(const std::vector<TextChange> &changes)
{
    if (changes.empty())
        return;
    std::vector<QString> inserted;
    inserted.reserve(changes.size());
    for (const TextChange &change : changes)
        inserted.push_back(documentText(change.inserted));

    // The offsets ascend, so one walk over the lines finds them all.
    QTextBlock block = document()->findBlock(toDocumentPosition(int(changes.front().start)));
    const auto position = [&block](qsizetype offset) {
        for (QTextBlock next = block.next(); next.isValid() && lineOffset(next) <= offset; next = block.next())
            block = next;
        const qsizetype column = offset - lineOffset(block);
        return block.position() + int(std::min<qsizetype>(column, block.length() - 1));
    };
    std::vector<std::pair<int, int>> ranges;
    ranges.reserve(changes.size());
    for (const TextChange &change : changes) {
        const int from = position(change.start); // before the end: the walk only goes on
        ranges.emplace_back(from, position(change.start + change.removed));
    }

    // From the last, so that no change moves the text of another.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (size_t i = changes.size(); i-- > 0;) {
        cursor.setPosition(ranges[i].first);
        cursor.setPosition(ranges[i].second, QTextCursor::KeepAnchor);
        cursor.insertText(inserted[i]);
    }
    cursor.endEditBlock();
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

int TColorMemo::CaretLine()
{
    m_currentLine = document()->findBlock(textCursor().selectionStart()).blockNumber();
    return m_currentLine;
}

int TColorMemo::CaretColumn()
{
    const int start = textCursor().selectionStart();
    m_caretColumn = start - document()->findBlock(start).position();
    return m_caretColumn;
}

int TColorMemo::FirstVisibleLine()
{
    m_firstVisibleLine = firstVisibleBlock().blockNumber();
    return m_firstVisibleLine;
}

void TColorMemo::SetCaretLine(int line)
{
    m_currentLine = std::clamp(line, 0, LineCount() - 1);
    QTextCursor cursor = textCursor();
    cursor.setPosition(document()->findBlockByNumber(m_currentLine).position());
    setTextCursor(cursor);
}

void TColorMemo::SetCaretColumn(int column)
{
    const QTextBlock block = document()->findBlockByNumber(m_currentLine);
    m_caretColumn = std::clamp(column, 0, block.length() - 1);
    QTextCursor cursor = textCursor();
    cursor.setPosition(block.position() + m_caretColumn);
    setTextCursor(cursor);
}

void TColorMemo::ScrollLines(int count)
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + count);
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
    return QPlainTextEdit::event(event);
}

TDrawRules &TColorMemo::ColorRules()
{
    return m_colors->ColorRules();
}

void TColorMemo::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    m_colors->paint(event);
}

void TColorMemo::keyPressEvent(QKeyEvent *event)
{
    keepMarksApart(event->text());
    QPlainTextEdit::keyPressEvent(event);
}

void TColorMemo::inputMethodEvent(QInputMethodEvent *event)
{
    keepMarksApart(event->commitString());
    QPlainTextEdit::inputMethodEvent(event);
}

QMimeData *TColorMemo::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    QString text = SelText();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    data->setText(text);
    return data;
}

void TColorMemo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText()) {
        textCursor().insertText(documentText(source->text()));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

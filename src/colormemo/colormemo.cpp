#include "colormemo/colormemo.h"

#include "colormemo/colorhighlighter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
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
    return text;
}

void TColorMemo::SetText(const QString &text)
{
    setPlainText(toDocumentBreaks(text));
    // setPlainText() starts a fresh document; replacing the text is still a change.
    document()->setModified(true);
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
        lines.append(block.text());
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
    return document()->findBlockByNumber(line).text();
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
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

void TColorMemo::SetSelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(toDocumentBreaks(text));
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

void TColorMemo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText()) {
        textCursor().insertText(toDocumentBreaks(source->text()));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

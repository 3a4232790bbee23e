#pragma once

#include "colormemo/documenttext.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>

class QTextBlock;
class TColorHighlighter;
class TDrawRules;

// The text control of every editor window: a view of a DocumentText, whose
// operations it offers as its own. Like the text, its interface counts
// positions the way the documents are stored: every line break is two
// characters (CR LF), and a line is a logical line, however word wrapping
// shows it.
//
// The document underneath belongs to the DocumentText: other code reads and
// changes the text through the operations here, never by a cursor on
// document().
class TColorMemo : public QPlainTextEdit, private TextView
{
    Q_OBJECT

public:
    // A control with a text of its own.
    explicit TColorMemo(QWidget *owner = nullptr);
    // A control showing `text`, which must outlive it.
    explicit TColorMemo(DocumentText &text, QWidget *owner = nullptr);
    ~TColorMemo() override;

    DocumentText &text() const { return *m_text; }

    QString Text() const { return m_text->Text(); }
    void SetText(const QString &text) { m_text->SetText(text); }
    bool Loading() const { return m_text->Loading(); }
    QString UndoText(KnownEnds *ends = nullptr) const { return m_text->UndoText(ends); }
    void RestoreUndoText(const QString &text) { m_text->RestoreUndoText(text); }
    int TextLength() const { return m_text->TextLength(); }
    int LineCount() const { return m_text->LineCount(); }
    int LineStart(int line) const { return m_text->LineStart(line); }
    int SelStart() const { return m_text->SelStart(); }
    void SetSelStart(int offset) { m_text->SetSelStart(offset); }
    int SelLength() const { return m_text->SelLength(); }
    void SetSelLength(int length) { m_text->SetSelLength(length); }
    QString SelText() const { return m_text->SelText(); }
    void SetSelText(const QString &text) { m_text->SetSelText(text); }
    void ApplyChanges(const std::vector<TextChange> &changes) { m_text->ApplyChanges(changes); }
    bool Modified() const { return m_text->Modified(); }
    void SetModified(bool modified) { m_text->SetModified(modified); }
    int CaretLine() { return m_text->CaretLine(); }
    int CaretColumn() { return m_text->CaretColumn(); }
    void SetCaretLine(int line) { m_text->SetCaretLine(line); }
    void SetCaretColumn(int column) { m_text->SetCaretColumn(column); }
    int toDocumentPosition(int offset) const { return m_text->toDocumentPosition(offset); }
    int fromDocumentPosition(int position) const { return m_text->fromDocumentPosition(position); }
    bool startsLine(const QTextBlock &block) const { return m_text->startsLine(block); }
    int lineOf(const QTextBlock &block) const { return m_text->lineOf(block); }

    bool WordWrap() const;
    void SetWordWrap(bool wrap);

    // Line numbers in a gutter beside the text, from 1, on the first row of
    // each line.
    bool LineNumbers() const { return m_gutter != nullptr; }
    void SetLineNumbers(bool on);

    int FirstVisibleLine();
    void ScrollLines(int count);

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
    // TextView
    QTextCursor viewCursor() const override { return textCursor(); }
    void setViewCursor(const QTextCursor &cursor) override { setTextCursor(cursor); }
    bool setViewQuiet(bool quiet) override { return blockSignals(quiet); }
    void linesChanged() override;

    // Before a key: steps over a soft separator the key would act on alone.
    void stepOverSoftBreak(const QKeyEvent *event);

    // The line-number gutter: its width for the current line count, its drawing.
    void fitGutter();
    void paintGutter(QPaintEvent *event);

    DocumentText *m_text;
    int m_firstVisibleLine = 0;
    QList<QKeySequence> m_reserved;
    QWidget *m_gutter = nullptr;
    TColorHighlighter *m_colors = nullptr;

    friend class TColorHighlighter; // places the runs where this control draws its text
    friend class LineNumberGutter;
};

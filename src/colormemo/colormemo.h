#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>

class TColorHighlighter;
class TDrawRules;

// The text control of every editor window. Its interface counts positions the
// way the documents are stored: every line break is two characters (CR LF),
// and a line is a logical line, however word wrapping shows it.
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

    bool Modified() const;
    void SetModified(bool modified);

    bool WordWrap() const;
    void SetWordWrap(bool wrap);

    int CaretLine();
    int CaretColumn();
    int FirstVisibleLine();
    void SetCaretLine(int line);
    void SetCaretColumn(int column);
    void ScrollLines(int count);

    // Conversions between CR LF offsets and the document's own positions,
    // which count one separator per line break. An offset between CR and LF
    // maps to the end of its line.
    int toDocumentPosition(int offset) const;
    int fromDocumentPosition(int position) const;

    // Key sequences that belong to the window's commands rather than to the
    // text control's own editing keys (Ctrl+Z is the editor's Undo, ...).
    void setReservedShortcuts(const QList<QKeySequence> &shortcuts);

    // Colour coding: the rules, hot spots, OnDraw and the scroll and click events.
    TColorHighlighter *Colors() const { return m_colors; }
    TDrawRules &ColorRules();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    int m_currentLine = 0;
    int m_caretColumn = 0;
    int m_firstVisibleLine = 0;
    QList<QKeySequence> m_reserved;
    TColorHighlighter *m_colors;

    friend class TColorHighlighter; // places the runs where this control draws its text
};

// Line breaks as the document holds them: one '\n' per break.
QString toDocumentBreaks(const QString &text);

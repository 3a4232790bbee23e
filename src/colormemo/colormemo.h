#pragma once

#include "colormemo/separatormarks.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>

#include <vector>

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
// The document underneath is this class's own business: other code reads and
// changes the text through the operations here, never by a cursor on
// document().
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
    // Turns the text into `text` by changing only the stretch where the two
    // differ, so that a large document is not laid out anew; the view stays.
    void ChangeText(const QString &text);
    // Replaces the whole text with a file's, whose line breaks are already
    // single '\n' characters, leaving it unmodified.
    void LoadText(QString text);
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
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Text as the document holds it: single '\n' breaks, separators as marks.
    QString documentText(const QString &text);
    // Text read from the document, with the separators its marks stand for.
    QString fromDocumentText(QString text) const;
    // Chooses marks that `incoming` does not contain and rewrites the document's.
    void keepMarksApart(QStringView incoming);

    SeparatorMarks m_marks;
    int m_currentLine = 0;
    int m_caretColumn = 0;
    int m_firstVisibleLine = 0;
    QList<QKeySequence> m_reserved;
    TColorHighlighter *m_colors;

    friend class TColorHighlighter; // places the runs where this control draws its text
};

// Line breaks of every kind (CR LF, lone CR, lone LF) as single '\n'.
QString toDocumentBreaks(const QString &text);

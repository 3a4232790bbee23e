#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The text control's document takes U+2029 for a line break and lays out
// U+2028 as one, so a document holds each of them as a visible mark
// character instead. The marks are chosen among characters the text does
// not contain, which keeps the mapping one to one and positions unchanged.
class SeparatorMarks
{
public:
    QChar paragraphMark() const { return m_paragraph; }
    QChar lineMark() const { return m_line; }

    // Picks marks that occur neither in `text` nor in `more`.
    void chooseFor(QStringView text, QStringView more = {});
    // Whether `text` holds a character that would be read back as a separator.
    bool clashesWith(QStringView text) const;

    // In place, one character for one.
    void toDocument(QString &text) const;
    void toText(QString &text) const;
    QChar toText(QChar c) const;

private:
    QChar m_paragraph = QChar(0x00B6); // pilcrow
    QChar m_line = QChar(0x21B5);      // downwards arrow with corner leftwards
};

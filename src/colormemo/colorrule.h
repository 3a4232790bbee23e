#pragma once

#include "colormemo/delimitertable.h"
#include "colormemo/keywordset.h"

#include <QStringList>

// One way of finding stretches to colour: keywords, begin/end pairs, keys
// that colour to the end of their line, or the memo's OnDraw callback.
class TColorRule
{
public:
    quint8 ZOrder() const { return m_zOrder; }
    void setZOrder(quint8 zOrder) { m_zOrder = zOrder; }
    QString IntChar() const { return m_intChar; }
    void setIntChar(const QString &intChar) { m_intChar = intChar; }

    // Setting a list compiles it at once with the current KeyCase.
    QStringList Keywords() const { return m_keywords; }
    void setKeywords(const QStringList &keywords);
    QStringList KeyBegEndLst() const { return m_keyBegEndLst; }
    void setKeyBegEndLst(const QStringList &list);
    QStringList KeyLineEndLst() const { return m_keyLineEndLst; }
    void setKeyLineEndLst(const QStringList &list);

    // Lines a stretch may span; the memo looks back this many lines minus one.
    int KeyMaxHeight() const { return m_keyMaxHeight; }
    void setKeyMaxHeight(int lines) { m_keyMaxHeight = lines; }
    TKeyDrawingType KeyDrawingType() const { return m_drawingType; }
    void setKeyDrawingType(TKeyDrawingType type);
    // Takes effect at the next compilation of the lists.
    bool KeyCase() const { return m_keyCase; }
    void setKeyCase(bool keyCase) { m_keyCase = keyCase; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // False: a keyword must not touch a letter on either side.
    bool PartWord() const { return m_partWord; }
    void setPartWord(bool partWord) { m_partWord = partWord; }
    TColor DefKeyColor() const { return m_defKeyColor; }
    void setDefKeyColor(TColor color) { m_defKeyColor = color; }
    TColor KeySelColor() const { return m_keySelColor; }
    void setKeySelColor(TColor color) { m_keySelColor = color; }
    TColor KeyBrushColor() const { return m_keyBrushColor; }
    void setKeyBrushColor(TColor color) { m_keyBrushColor = color; }

    // Copies everything but KeySelColor and IntChar.
    void Assign(const TColorRule &other);

    // Recompiles the lists; true when the rule has any entries to look for.
    bool Prepare();

    // Appends this rule's stretches in `text` to `keys` from `index` on and
    // returns the index after the last one written.
    int FindKeys(int index, const ScanText &text, TKeyDescrList &keys);

    const KeywordSet &keywordSet() const { return m_keywordSet; }
    const DelimiterTable &delimiters() const { return m_delimiters; }

private:
    void compileDelimiters();
    int askDrawEvent(int index, const ScanText &text, TKeyDescrList &keys);

    quint8 m_zOrder = 0;
    QString m_intChar;
    QStringList m_keywords;
    QStringList m_keyBegEndLst;
    QStringList m_keyLineEndLst;
    int m_keyMaxHeight = 1;
    TKeyDrawingType m_drawingType = dtBeginEnd;
    bool m_keyCase = false;
    bool m_enabled = true;
    bool m_partWord = false;
    TColor m_defKeyColor = clRed;
    TColor m_keySelColor = clYellow;
    TColor m_keyBrushColor = clWindow;

    KeywordSet m_keywordSet;
    DelimiterTable m_delimiters;
};

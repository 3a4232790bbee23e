#include "colormemo/colorrule.h"

void TColorRule::setKeywords(const QStringList &keywords)
{
    m_keywords = keywords;
    m_keywordSet.compile(m_keywords, m_keyCase, m_defKeyColor);
}

// The delimiter table always follows the list that belongs to the rule's
// kind, whichever list was set last.
void TColorRule::setKeyBegEndLst(const QStringList &list)
{
    m_keyBegEndLst = list;
    compileDelimiters();
}

void TColorRule::setKeyLineEndLst(const QStringList &list)
{
    m_keyLineEndLst = list;
    compileDelimiters();
}

void TColorRule::setKeyDrawingType(TKeyDrawingType type)
{
    if (type == m_drawingType)
        return;
    m_drawingType = type;
    compileDelimiters();
}

void TColorRule::compileDelimiters()
{
    if (m_drawingType == dtBeginLineEnd)
        m_delimiters.compileLineEnd(m_keyLineEndLst, m_defKeyColor);
    else
        m_delimiters.compileBeginEnd(m_keyBegEndLst, m_defKeyColor);
}

void TColorRule::Assign(const TColorRule &other)
{
    m_drawingType = other.m_drawingType;
    m_zOrder = other.m_zOrder;
    m_keyMaxHeight = other.m_keyMaxHeight;
    m_keyCase = other.m_keyCase;
    m_enabled = other.m_enabled;
    m_partWord = other.m_partWord;
    m_defKeyColor = other.m_defKeyColor;
    m_keyBrushColor = other.m_keyBrushColor;
    setKeywords(other.m_keywords);
    setKeyLineEndLst(other.m_keyLineEndLst);
    setKeyBegEndLst(other.m_keyBegEndLst);
}

bool TColorRule::Prepare()
{
    bool hasEntries = !m_keyBegEndLst.isEmpty();
    if (m_drawingType == dtKeyShow) {
        m_keywordSet.compile(m_keywords, m_keyCase, m_defKeyColor);
        hasEntries = hasEntries || !m_keywords.isEmpty();
    }
    if (m_drawingType == dtBeginLineEnd)
        hasEntries = hasEntries || !m_keyLineEndLst.isEmpty();
    compileDelimiters();
    return hasEntries;
}

int TColorRule::FindKeys(int index, const ScanText &text, TKeyDescrList &keys)
{
    switch (m_drawingType) {
    case dtKeyShow:
        return m_keywordSet.find(index, text, m_partWord, m_zOrder, keys);
    case dtBeginEnd:
        return m_delimiters.findBeginEnd(index, text, m_zOrder, keys);
    case dtBeginLineEnd:
        return m_delimiters.findBeginLineEnd(index, text, m_zOrder, keys);
    case dtEventDraw:
        return askDrawEvent(index, text, keys);
    }
    return index;
}

int TColorRule::askDrawEvent(int index, const ScanText &text, TKeyDescrList &keys)
{
    TDrawEventSource *source = text.drawSource();
    if (!source)
        return index;
    int count = 0;
    const std::vector<TKeyDescr> &items = source->ask(*this, text.startPos(), &count);
    const qint64 length = text.text().size();
    for (int i = 0; i < count; ++i) {
        const TKeyDescr &item = items[size_t(i)];
        // Positions count from the scanning start; a handler's stretch is
        // cut to the scanned text, and one outside it or reversed is dropped.
        const qint64 start = qMax<qint64>(item.StartPos, 0);
        const qint64 end = qMin<qint64>(item.EndPos, length - 1);
        if (item.StartPos == TKeyDescr::NoPos || start > end)
            continue;
        TKeyDescr d;
        d.StartPos = text.startPos() + int(start);
        d.EndPos = text.startPos() + int(end);
        d.Color = item.Color;
        d.ZOrder = item.ZOrder != 0 ? item.ZOrder : m_zOrder;
        index = keys.put(index, d);
    }
    return index;
}

#pragma once

#include "colormemo/keydescr.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

class TColorRule;

// The memo's OnDraw: fills items[0 .. itemsCount-1] with stretches whose
// positions count from fromPos.
using TDrawEvent = std::function<void(TColorRule &sender, int fromPos,
                                      std::vector<TKeyDescr> &items, int &itemsCount)>;

// What dtEventDraw rules ask for stretches: the handler and its buffer of
// ColorLimMax entries.
class TDrawEventSource
{
public:
    void setOnDraw(const TDrawEvent &handler) { m_onDraw = handler; }

    int ColorLimMax() const { return int(m_buffer.size()); }
    void setColorLimMax(int count);

    // Runs the handler on a cleared buffer; returns the usable entries.
    const std::vector<TKeyDescr> &ask(TColorRule &sender, int fromPos, int *count);

private:
    TDrawEvent m_onDraw;
    std::vector<TKeyDescr> m_buffer;
};

// The text one pass scans: from the scanning start to the end of the painted
// region, line breaks as CR LF. Positions handed out count from the start of
// the whole text.
class ScanText
{
public:
    void setText(QStringView text, int startPos);
    void setDrawSource(TDrawEventSource *source) { m_drawSource = source; }

    QStringView text() const { return m_text; }
    int startPos() const { return m_startPos; }
    TDrawEventSource *drawSource() const { return m_drawSource; }

    // The text with every character upper-cased one for one, made on first use.
    QStringView upper() const;

private:
    QStringView m_text;
    int m_startPos = 0;
    TDrawEventSource *m_drawSource = nullptr;
    mutable QString m_upper; // reused between passes
    mutable bool m_upperValid = false;
};

// Upper case that never changes the length, so offsets stay valid.
inline QChar upperChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128)
        return QChar(u >= 'a' && u <= 'z' ? char16_t(u - 32) : u);
    return c.toUpper();
}

#pragma once

#include "colormemo/hotspot.h"

#include <QList>
#include <QPalette>
#include <QPointF>
#include <QRect>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextLayout>

#include <functional>
#include <vector>

class QPainter;

// Draws a keyword stretch instead of the memo.
using TDrawKeyEvent = std::function<void(QPainter &canvas, const QString &key, const QRect &rect,
                                         const QColor &color)>;

// A block of the control on screen: where its layout is drawn and which of
// its lines and characters the viewport shows.
struct VisibleBlock
{
    QTextBlock block;
    int start = 0;  // its first character in the memo's CR LF positions
    QPointF offset; // where the control draws the block's layout lines
    int firstLine = 0;
    int lastLine = -1;
    int from = 0; // characters shown, relative to the block
    int to = 0;

    // `topLeft` is the block's corner on screen; `area` the viewport.
    VisibleBlock(const QTextBlock &block, int start, const QPointF &topLeft, const QRect &area);
    bool isEmpty() const { return lastLine < firstLine; }
};

// The runs of a pass as character formats of the blocks they cover, so that
// the control draws each character once, in its colour. Selection and tab
// runs are left to the control.
class RunFormats
{
public:
    // Formats are made anew when the palette or the hot-spot settings change;
    // otherwise the same ones serve pass after pass, which makes comparing a
    // block's new formats with its old ones cheap.
    void setLook(const QPalette &palette, const THotSpot &hotSpot);

    // The formats of one block; keyword runs are left out when `keysDrawnApart`.
    QList<QTextLayout::FormatRange> formats(const VisibleBlock &visible, const std::vector<TKeyDescr> &runs,
                                            bool keysDrawnApart);

private:
    // The format of a run's look; a pass uses only a few.
    const QTextCharFormat &format(const TKeyDescr &run);

    QColor m_base;
    bool m_underlined = true;
    std::vector<std::pair<std::pair<TColor, quint8>, QTextCharFormat>> m_formats;
};

// Hands each keyword run that lies on one line to `onDrawKey`, with the
// rectangle where the control drew it.
void drawKeys(QPainter &painter, const std::vector<VisibleBlock> &blocks, const std::vector<TKeyDescr> &runs,
              const QColor &textColor, const TDrawKeyEvent &onDrawKey);

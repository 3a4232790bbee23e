#pragma once

#include "colormemo/hotspot.h"

#include <QPalette>
#include <QPointF>
#include <QRegion>
#include <QRect>
#include <QTextBlock>

#include <functional>
#include <vector>

class QPainter;
class QTextLine;

// Draws a keyword stretch instead of the memo.
using TDrawKeyEvent = std::function<void(QPainter &canvas, const QString &key, const QRect &rect,
                                         const QColor &color)>;

// A block of the control within the painted area: where its layout is drawn
// and which of its lines and characters the area shows.
struct VisibleBlock
{
    QTextBlock block;
    int start = 0;  // its first character in the memo's CR LF positions
    QPointF offset; // where the control draws the block's layout lines
    int firstLine = 0;
    int lastLine = -1;
    int from = 0; // characters shown, relative to the block
    int to = 0;

    static constexpr int MaxUnwrappedLine = 4096;

    // `topLeft` is the block's corner on screen.
    VisibleBlock(const QTextBlock &block, int start, const QPointF &topLeft, const QRect &area);
    bool isEmpty() const { return lastLine < firstLine; }
};

// Draws the runs of a pass over the control's text, with the glyphs and at
// the positions the control laid out. Selection and tab runs are left to the
// control, and so is the caret.
class RunPainter
{
public:
    RunPainter(QPainter &painter, const QRect &area, const QPalette &palette, const QRect &caret,
               const THotSpot &hotSpot, const TDrawKeyEvent &onDrawKey);

    void draw(const std::vector<VisibleBlock> &blocks, const std::vector<TKeyDescr> &runs);

private:
    struct Style
    {
        QColor text;
        QColor background;
        bool underlined = false;

        bool operator==(const Style &o) const
        {
            return text == o.text && background == o.background && underlined == o.underlined;
        }
    };
    // One on-screen line piece of a run.
    struct Piece
    {
        int line;
        QRect rect;
        Style style;
        bool drawn = false;
    };

    void addRun(const VisibleBlock &visible, int from, int to, const TKeyDescr &run, bool oneLine);
    // The colour as it reads on the base colour; a pass uses only a few.
    QColor readable(const QColor &color);
    // Draws the block's pieces: each line once per style, clipped to its pieces.
    void drawPieces(const VisibleBlock &visible);
    // Calls visit(line number, rect) for each on-screen line piece of the
    // block's characters from..to-1.
    template<typename Visit>
    void forEachPiece(const VisibleBlock &visible, int from, int to, Visit visit) const;

    QPainter &m_painter;
    QRect m_area;
    QPalette m_palette;
    const THotSpot &m_hotSpot;
    const TDrawKeyEvent &m_onDrawKey;
    QRegion m_clip;
    std::vector<Piece> m_pieces; // of the block being drawn
    std::vector<std::pair<QColor, QColor>> m_readable;
};

#pragma once

#include "colormemo/colorpass.h"
#include "colormemo/passregion.h"
#include "colormemo/runformats.h"
#include "colormemo/softbreaks.h"

#include <QObject>

class QKeyEvent;
class QPoint;
class QTextBlock;
class TColorMemo;

// The colour coding of a TColorMemo. It never changes the document: each
// paint of the control is followed by a pass over the lines being painted,
// whose runs are drawn over the control's own text.
class TColorHighlighter : public QObject
{
    Q_OBJECT

public:
    explicit TColorHighlighter(TColorMemo *memo);

    TDrawRules &ColorRules() { return m_pass.rules(); }
    void setColorRules(const TDrawRules &rules);
    const THotSpot &HotSpot() const { return m_pass.hotSpot(); }
    void setHotSpot(const THotSpot &hotSpot);
    int ColorLimMax() const;
    void setColorLimMax(int count);
    // True: every change repaints all visible lines.
    bool RedrawAlways() const { return m_redrawAlways; }
    void setRedrawAlways(bool redrawAlways) { m_redrawAlways = redrawAlways; }
    void setOnDraw(const TDrawEvent &handler);
    void setOnDrawKey(const TDrawKeyEvent &handler) { m_onDrawKey = handler; }

    // Asks for the visible lines, or only the caret's line, to be coloured
    // again at the next paint.
    virtual void PaintColors(bool caretLineOnly);

    // Gives the blocks a paint of `area` covers the formats of their
    // colours; called by the memo before it draws its text.
    void prepare(const QRect &area);
    // Hands keyword stretches to OnDrawKey; called after the memo drew its text.
    void paintKeys(const QRect &area);

    // The runs of the latest pass, for inspection.
    const std::vector<TKeyDescr> &lastRuns() const { return m_runs; }

Q_SIGNALS:
    void OnHotSpotClick(TColorMemo *sender, const QString &src);
    void OnVScroll(TColorMemo *sender);
    void OnHScroll(TColorMemo *sender);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void textChanged();
    bool keyPressed(QKeyEvent *event);
    void mouseMoved(const QPoint &pos);
    void mouseReleased(const QPoint &pos);
    // The line and column of the character under a viewport point.
    bool characterAt(const QPoint &pos, QTextBlock *block, int *column) const;
    bool canColor() const;
    // The pass over the blocks of the paint, into m_runs.
    void runPass();
    void setFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats);
    // Blocks scrolled away give back their formats' memory.
    void dropFormatsOffScreen();
    static constexpr int MaxFormattedBlocks = 1000;
    // The text from the scanning start to the end of the region, into
    // m_buffer; `block` is a block at or before the scanning start.
    void copyRegion(QTextBlock block, const PassRegion &region);

    TColorMemo *m_memo;
    ColorPass m_pass;
    TDrawKeyEvent m_onDrawKey;
    bool m_redrawAlways = false;
    int m_lastLineCount = 0;
    int m_lastLength = 0;
    QString m_buffer; // the scanned text, reused between passes
    int m_bufferStart = 0;
    std::vector<TKeyDescr> m_runs;
    std::vector<VisibleBlock> m_blocks; // of the latest paint
    PositionList m_formatted;           // the blocks that have formats
    RunFormats m_formats;
};

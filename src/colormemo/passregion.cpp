#include "colormemo/passregion.h"

#include <QtGlobal>

PassRegion limitRegion(PassRegion region, int visibleStart, int visibleEnd)
{
    const qint64 start = qMax<qint64>(region.scanStart, qint64(visibleStart) - RegionMargin);
    qint64 end = qMin<qint64>(region.end, qint64(visibleEnd) + RegionMargin);
    end = qMin<qint64>(end, start + MaxRegionLength);
    return {int(start), int(qMax(start, end))};
}

#include "wizards/previewgeometry.h"

namespace PreviewGeometry {

namespace {

// p percent of a length, rounded to the nearest whole pixel; the products
// of 160 and 120 with whole percentages never fall on a half.
int share(int length, int percent)
{
    return (percent * length + 50) / 100;
}

} // namespace

QList<QRect> panes(int layout, int outerPercent, int innerPercent)
{
    switch (layout) {
    case 1: {
        const int w = share(Width, outerPercent);
        return {QRect(0, 0, w, Height), QRect(w, 0, Width - w, Height)};
    }
    case 2: {
        const int h = share(Height, outerPercent);
        return {QRect(0, 0, Width, h), QRect(0, h, Width, Height - h)};
    }
    case 3: {
        const int h = share(Height, outerPercent);
        const int w = share(Width, innerPercent);
        return {QRect(0, 0, Width, h), QRect(0, h, w, Height - h), QRect(w, h, Width - w, Height - h)};
    }
    case 4: {
        const int w = share(Width, outerPercent);
        const int h = share(Height, innerPercent);
        return {QRect(0, 0, w, Height), QRect(w, 0, Width - w, h), QRect(w, h, Width - w, Height - h)};
    }
    default:
        return {};
    }
}

} // namespace PreviewGeometry

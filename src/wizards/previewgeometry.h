#pragma once

#include <QList>
#include <QRect>

// The preview of a size page stands for the browser window as an area of
// 160 by 120 pixels.
namespace PreviewGeometry {

constexpr int Width = 160;
constexpr int Height = 120;

// The panes of frames 1, 2 (and 3) for the layout, from the up-down
// positions of the outer and the inner size (percent, 0..100).
QList<QRect> panes(int layout, int outerPercent, int innerPercent = 0);

} // namespace PreviewGeometry

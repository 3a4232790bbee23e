#pragma once

// The stretch of the whole text one pass scans, [scanStart, end).
struct PassRegion
{
    int scanStart = 0;
    int end = 0;

    int length() const { return end - scanStart; }
};

// Keeps a region near the characters on screen, visibleStart..visibleEnd
// (exclusive), so that a huge line costs a pass no more than a screenful.
// Stretches that begin further away than this are not found.
PassRegion limitRegion(PassRegion region, int visibleStart, int visibleEnd);

constexpr int RegionMargin = 8192;        // characters kept before and after the visible ones
constexpr int MaxRegionLength = 1 << 18;  // whatever the view shows

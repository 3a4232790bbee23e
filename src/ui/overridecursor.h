#pragma once

#include <Qt>

// A mouse cursor over the whole program while the object lives: the hourglass
// while a command works through a large text or a slow server, the arrow
// while it asks something in between.
class OverrideCursor
{
public:
    explicit OverrideCursor(Qt::CursorShape shape = Qt::WaitCursor);
    ~OverrideCursor();
    OverrideCursor(const OverrideCursor &) = delete;
    OverrideCursor &operator=(const OverrideCursor &) = delete;
};

#pragma once

#include <QString>

#include <array>

// One frame of a frameset, as the frames wizard describes it.
struct FrameDescription
{
    QString name;      // the frame's name attribute
    QString path;      // full path of the frame's page file
    QString scrolling; // "No", "Auto" or "Yes"
    bool noResize = false;
    bool horizontalMargin = false; // keeps the browser's margin
    bool verticalMargin = false;
    bool existingFile = false;     // refers to a file of the user's; no page is written
};

// The frames wizard's choices, read by the frameset page writer. Values are
// inserted into the pages as they stand.
struct FramesetDescription
{
    // 1: two columns, 2: two rows, 3: a row above two columns,
    // 4: a column beside two rows.
    int layout = 0;
    QString outerSize; // first entry of the outer frameset's list: "50%" or pixels
    QString innerSize; // the same for the inner frameset (layouts 3 and 4)
    QString framesetPath;
    bool outerBorder = false;
    bool innerBorder = false;
    // Frame 1 is the outer frameset's own frame; 2 and 3 share the inner one.
    std::array<FrameDescription, 3> frames;

    int frameCount() const { return layout >= 3 ? 3 : 2; }
};

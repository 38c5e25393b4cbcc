#pragma once
// Where a group of new windows goes in the MDI client: a cascade, each window one step below and
// to the right of the one before, placed where it hides the start of no title bar of the windows
// already open, so that every window stays in reach.

#include <QRect>
#include <QSize>

#include <vector>

struct Cascade {
    QSize room;       // the client's viewport
    int step = 0;     // px between neighbouring windows, more than a title bar
    int titleBar = 0; // px
};

// The places of windows of `sizes`, in their order: the first corner, column by column from the
// left, from which the cascade hides no title, else the one that hides the fewest. A window may
// be made narrower, to half its width, to fit in beside the others.
std::vector<QRect> cascadePlaces(const Cascade& cascade, const std::vector<QSize>& sizes,
                                 const std::vector<QRect>& open);

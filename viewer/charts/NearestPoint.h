#pragma once
// The point of a line nearest to the mouse, and the place on its drawn segments nearest to it,
// for the chart's read-out. Distances are measured in pixels (x and y scaled by their own pixels
// per unit), so a steep line is found as readily as a flat one.

#include <QList>
#include <QPointF>

#include <limits>

struct NearestPoint {
    qsizetype index = -1;                                 // -1: the line has no points
    double distance = std::numeric_limits<double>::max(); // px
};

// `ascending`: the points' x never falls (time lines, profiles), so the search bisects to `at`
// and walks outwards only as far as a nearer point can lie; other lines are scanned whole.
NearestPoint nearestPoint(const QList<QPointF>& points, bool ascending, QPointF at,
                          double xPixelsPerUnit, double yPixelsPerUnit);

struct NearestSegment {
    qsizetype index = -1; // the segment from point `index` to the next; -1: the line has none
    double distance = std::numeric_limits<double>::max(); // px, to the nearest place on it
    // What the segment reads at the x of `at`: linearly between its ends, at the nearer end when
    // that x lies beyond the segment; a vertical segment (a step) reads its end nearer in y.
    QPointF reading;
};

// The segment of the line as drawn (each point joined to the next, none across a point that
// breaks the line, see lineBreak) nearest to `at`. Searched as nearestPoint searches.
NearestSegment nearestSegment(const QList<QPointF>& points, bool ascending, QPointF at,
                              double xPixelsPerUnit, double yPixelsPerUnit);

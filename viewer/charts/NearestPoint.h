#pragma once
// The point of a line nearest to the mouse, for the chart's read-out. Distances are measured in
// pixels (x and y scaled by their own pixels per unit), so a steep line is found as readily as a
// flat one.

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

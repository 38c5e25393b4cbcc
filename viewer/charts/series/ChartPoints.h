#pragma once
// The arithmetic of drawing, kept apart from the windows so that it can be tested without a
// display.

#include <optional>
#include <span>
#include <vector>

struct ChartPoint {
    double x = 0;
    double y = 0;
};

// y at `at` by the time-chart rule: between the point at or before `at` and the point at or
// beyond it, linearly; their y when both have the same x; no value when either is missing.
std::optional<double> interpolateAt(std::span<const double> x, std::span<const double> y,
                                    double at);

// The points of a time-chart line for the axis xStart..xEnd: a start point at xStart and an end
// point at xEnd where the line can be interpolated there, and between them every data point
// with xStart <= x < xEnd. x and y pair up to the shorter of the two.
std::vector<ChartPoint> timeChartPoints(std::span<const double> x, std::span<const double> y,
                                        double xStart, double xEnd);

// The part of an equally spaced node grid that a node chart draws.
struct NodeRange {
    int first = 0;      // node at which the X axis starts
    int last = 0;       // node at which the drawn lines end
    double step = 0;    // distance between the first two nodes
    int pointCount = 0; // labelled points of the X axis, at least 1
};

// The first node: node 0 when xStart is at or before it, the second-to-last node when xStart is
// at or beyond that, otherwise the node at or before xStart. The last node: node 1 when xEnd is
// at or before it, the last node when xEnd is at or beyond it, otherwise the first node at or
// beyond xEnd. No range for a grid of fewer than two nodes, which has no step.
std::optional<NodeRange> nodeRange(std::span<const double> grid, double xStart, double xEnd);

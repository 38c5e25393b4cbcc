#pragma once
// The arithmetic of drawing, kept apart from the windows so that it can be tested without a
// display.

#include "TSkala.h"

#include <limits>
#include <optional>
#include <span>
#include <vector>

struct ChartPoint {
    double x = 0;
    double y = 0;
};

// A point of a line's data at this x and y breaks the line: the points on either side are
// drawn apart (the stages that offer the surface nothing). It is no value, so it widens no axis.
inline constexpr double lineBreak = std::numeric_limits<double>::quiet_NaN();

// y at `at` by the time-chart rule: between the point at or before `at` and the point at or
// beyond it, linearly; their y when both have the same x; no value when either is missing.
std::optional<double> interpolateAt(std::span<const double> x, std::span<const double> y,
                                    double at);

// The points of a time-chart line for the axis xStart..xEnd: a start point at xStart and an end
// point at xEnd where the line can be interpolated there, and between them every data point
// with xStart <= x < xEnd. x and y pair up to the shorter of the two. A line broken by
// lineBreak points (in x or y) is drawn piece by piece, a break between the pieces the axis
// shows.
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

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is at least `least` (> 0).
double roundStep(double least);

// The lowest and the highest of the finite values seen so far.
class ValueRange {
public:
    void include(double value);
    void include(std::span<const double> values);

    bool empty() const { return lowest_ > highest_; }
    double lowest() const { return lowest_; }
    double highest() const { return highest_; }

private:
    double lowest_ = std::numeric_limits<double>::infinity();
    double highest_ = -std::numeric_limits<double>::infinity();
};

// One axis of a chart: `divisions` divisions of `step` each, from `start`, with a grid line at
// every division and as many of them labelled as the labels leave room for. An axis with a
// division per node of a grid (`byNodes`) is gridded and labelled at round values instead. The
// step is kept rather than the end, so that a node axis steps exactly as its grid does.
struct ChartAxis {
    double start = 0;
    double step = 1;
    int divisions = 1;
    bool byNodes = false;

    double end() const { return start + step * divisions; }

    // From start to end in `divisions` equal steps. A count below 1 (a hand-edited file, an
    // old record) is taken as 1, so that no window ever divides by it.
    static ChartAxis spanning(double start, double end, int divisions);

    friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

// The axis of round values that holds `lowest` to `highest` (lowest < highest) in about
// `divisions` divisions: its step is the round step of the range's share of a division, its
// start and end the multiples of the step at or beyond the two values, so that every label is a
// round number. A zoom lays its rectangle out on it.
ChartAxis roundAxis(double lowest, double highest, int divisions);

// The axes a `TSkala` describes.
ChartAxis xAxisOf(const TSkala& scale);
ChartAxis yAxisOf(const TSkala& scale);
// The `TSkala` that describes the two axes.
TSkala scaleOf(const ChartAxis& x, const ChartAxis& y);

// `scale` itself on an axis whose values all lie inside it. Otherwise that axis grows on the
// side (or sides) the values run past, to the next round value that holds them all: its step is
// the round step (above) that keeps about as many divisions as the axis has, and a widened end
// lies on a multiple of that step from the start, so that the labels stay round numbers.
TSkala widenedToHold(const TSkala& scale, const ValueRange& xValues, const ValueRange& yValues);

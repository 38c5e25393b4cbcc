#include "ChartPoints.h"

#include "SeriesQueries.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

std::optional<double> interpolateAt(std::span<const double> x, std::span<const double> y,
                                    double at) {
    const std::size_t count = std::min(x.size(), y.size());
    x = x.first(count);
    const int before = lastAtOrBefore(x, at);
    const int beyond = firstAtOrBeyond(x, at);
    if (before < 0 || beyond < 0)
        return std::nullopt;
    const auto b = static_cast<std::size_t>(before);
    const auto e = static_cast<std::size_t>(beyond);
    // Rows repeating a time (the computation writes a last row at the end of the run) would
    // divide by zero; the later of them stands for that time.
    if (x[b] == x[e])
        return y[b];
    return y[b] + (at - x[b]) * (y[e] - y[b]) / (x[e] - x[b]);
}

namespace {

std::vector<ChartPoint> unbrokenTimeChartPoints(std::span<const double> x,
                                                std::span<const double> y, double xStart,
                                                double xEnd) {
    std::vector<ChartPoint> points;
    if (const auto start = interpolateAt(x, y, xStart))
        points.push_back({xStart, *start});
    if (const int first = firstAtOrBeyond(x, xStart); first >= 0)
        for (auto i = static_cast<std::size_t>(first); i < x.size() && x[i] < xEnd; ++i)
            points.push_back({x[i], y[i]});
    if (const auto end = interpolateAt(x, y, xEnd))
        points.push_back({xEnd, *end});
    return points;
}

} // namespace

std::vector<ChartPoint> timeChartPoints(std::span<const double> x, std::span<const double> y,
                                        double xStart, double xEnd) {
    const std::size_t count = std::min(x.size(), y.size());
    std::vector<ChartPoint> points;
    for (std::size_t begin = 0; begin < count;) {
        std::size_t end = begin;
        while (end < count && !std::isnan(x[end]) && !std::isnan(y[end]))
            ++end;
        const std::vector<ChartPoint> piece = unbrokenTimeChartPoints(
            x.subspan(begin, end - begin), y.subspan(begin, end - begin), xStart, xEnd);
        if (!points.empty() && !piece.empty())
            points.push_back({lineBreak, lineBreak});
        points.insert(points.end(), piece.begin(), piece.end());
        begin = end + 1;
    }
    return points;
}

namespace {

// Distances come from decimal text, so a quotient that should be whole may fall just short of
// it; the tolerance keeps such an axis from losing its last point.
constexpr double wholeTolerance = 1e-6;

int axisPointCount(double span, double step) {
    const double count = std::floor(span / step + 1 + wholeTolerance);
    // A grid that is not equally spaced and ascending (a damaged file) still gets an axis that
    // converts to int.
    if (std::isnan(count) || count < 1)
        return 1;
    return count >= INT_MAX ? INT_MAX : static_cast<int>(count);
}

} // namespace

std::optional<NodeRange> nodeRange(std::span<const double> grid, double xStart, double xEnd) {
    const std::size_t count = grid.size();
    if (count < 2)
        return std::nullopt;
    std::size_t first = 0;
    if (xStart <= grid[0])
        first = 0;
    else if (xStart >= grid[count - 2])
        first = count - 2;
    else
        first = static_cast<std::size_t>(std::max(lastAtOrBefore(grid, xStart), 0));
    std::size_t last = count - 1;
    if (xEnd <= grid[1])
        last = 1;
    else if (xEnd >= grid[count - 1])
        last = count - 1;
    else
        last = static_cast<std::size_t>(std::max(firstAtOrBeyond(grid, xEnd), 0));
    NodeRange range;
    range.first = static_cast<int>(first);
    range.last = static_cast<int>(last);
    range.step = grid[1] - grid[0];
    range.pointCount = axisPointCount(grid[last] - grid[first], range.step);
    return range;
}

double roundStep(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= least)
            return factor * power;
    return 10 * power;
}

void ValueRange::include(double value) {
    if (!std::isfinite(value))
        return;
    lowest_ = std::min(lowest_, value);
    highest_ = std::max(highest_, value);
}

void ValueRange::include(std::span<const double> values) {
    for (const double value : values)
        include(value);
}

namespace {

// One axis of a `TSkala` widened in place to hold the values.
void widenToHold(double& start, double& end, std::int32_t& divisions, const ValueRange& values) {
    if (values.empty() || (values.lowest() >= start && values.highest() <= end))
        return;
    const double lowest = std::min(start, values.lowest());
    const double highest = std::max(end, values.highest());
    const double step = roundStep((highest - lowest) / std::max(divisions, 1));
    // A value on a multiple of the step, computed from decimal text, may lie a rounding error
    // beside it: it must not cost a division.
    if (values.lowest() < start)
        start = std::floor(lowest / step + wholeTolerance) * step;
    const double count = std::ceil((highest - start) / step - wholeTolerance);
    end = start + count * step;
    divisions = static_cast<std::int32_t>(count);
}

} // namespace

ChartAxis ChartAxis::spanning(double start, double end, int divisions) {
    const int count = std::max(divisions, 1);
    return ChartAxis{start, (end - start) / count, count};
}

ChartAxis roundAxis(double lowest, double highest, int divisions) {
    // A range a rounding error over a round share (0.9 - 0.3 is 0.6000000000000001) keeps that
    // share's step, and a value a rounding error beside a multiple of the step costs no division.
    const double step =
        roundStep((highest - lowest) / std::max(divisions, 1) * (1 - wholeTolerance));
    const double start = std::floor(lowest / step + wholeTolerance) * step;
    const double count = std::max(1.0, std::ceil((highest - start) / step - wholeTolerance));
    return ChartAxis{start, step, static_cast<int>(count)};
}

ChartAxis xAxisOf(const TSkala& scale) {
    return ChartAxis::spanning(scale.xStart, scale.xEnd, scale.xDivisions);
}

ChartAxis yAxisOf(const TSkala& scale) {
    return ChartAxis::spanning(scale.yStart, scale.yEnd, scale.yDivisions);
}

TSkala scaleOf(const ChartAxis& x, const ChartAxis& y) {
    return TSkala{x.divisions, y.divisions, x.start, x.end(), y.start, y.end()};
}

TSkala widenedToHold(const TSkala& scale, const ValueRange& xValues, const ValueRange& yValues) {
    TSkala widened = scale;
    widenToHold(widened.xStart, widened.xEnd, widened.xDivisions, xValues);
    widenToHold(widened.yStart, widened.yEnd, widened.yDivisions, yValues);
    return widened;
}

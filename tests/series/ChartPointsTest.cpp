#include "ChartPoints.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <cmath>
#include <vector>

namespace {

struct TimeChartCase {
    const char* name;
    std::vector<double> x;
    std::vector<double> y;
    double xStart;
    double xEnd;
    std::vector<ChartPoint> points;
};

void PrintTo(const TimeChartCase& row, std::ostream* out) {
    *out << row.name;
}

class TimeChartTest : public testing::TestWithParam<TimeChartCase> {};

TEST_P(TimeChartTest, PointsOfTheLine) {
    const TimeChartCase& c = GetParam();
    const std::vector<ChartPoint> points = timeChartPoints(c.x, c.y, c.xStart, c.xEnd);
    ASSERT_EQ(points.size(), c.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (std::isnan(c.points[i].x)) {
            EXPECT_TRUE(std::isnan(points[i].x) && std::isnan(points[i].y)) << i;
            continue;
        }
        // Interpolation of a few decimal values: a handful of ulps.
        EXPECT_DOUBLE_EQ(points[i].x, c.points[i].x) << i;
        EXPECT_DOUBLE_EQ(points[i].y, c.points[i].y) << i;
    }
}

const std::vector<double> ramp{0, 1, 2, 3};
const std::vector<double> rampY{0, 10, 20, 30};

INSTANTIATE_TEST_SUITE_P(
    Rule, TimeChartTest,
    testing::Values(
        TimeChartCase{"StartAndEndInterpolated",
                      ramp,
                      rampY,
                      0.5,
                      2.5,
                      {{0.5, 5}, {1, 10}, {2, 20}, {2.5, 25}}},
        // A start on a data point repeats it; the point at xEnd is the end point only.
        TimeChartCase{"RangeOnDataPoints", ramp, rampY, 1, 3, {{1, 10}, {1, 10}, {2, 20}, {3, 30}}},
        TimeChartCase{"EndBeyondTheLastPointAddsNoEndPoint",
                      ramp,
                      rampY,
                      1.5,
                      12,
                      {{1.5, 15}, {2, 20}, {3, 30}}},
        TimeChartCase{"StartBeforeTheFirstPointAddsNoStartPoint",
                      ramp,
                      rampY,
                      -1,
                      1.5,
                      {{0, 0}, {1, 10}, {1.5, 15}}},
        TimeChartCase{"NothingBeyondXEnd", ramp, rampY, 0.25, 0.75, {{0.25, 2.5}, {0.75, 7.5}}},
        TimeChartCase{"RangeBeyondTheData", ramp, rampY, 4, 5, {}},
        TimeChartCase{"NoData", {}, {}, 0, 12, {}},
        TimeChartCase{"RepeatedTimeTakesTheLaterRow",
                      {0, 1, 1, 2},
                      {0, 10, 12, 14},
                      1,
                      1.5,
                      {{1, 12}, {1, 10}, {1, 12}, {1.5, 13}}},
        TimeChartCase{
            "UnequalArraysPairUpToTheShorter", ramp, {0, 10}, 0, 12, {{0, 0}, {0, 0}, {1, 10}}},
        // Each piece of a broken line on its own: no point interpolated across the break.
        TimeChartCase{"BreakStaysABreak",
                      {0, 1, lineBreak, 2, 3},
                      {0, 10, lineBreak, 40, 50},
                      0.5,
                      2.5,
                      {{0.5, 5}, {1, 10}, {lineBreak, lineBreak}, {2, 40}, {2.5, 45}}},
        TimeChartCase{"BreakInYAlone",
                      {0, 1, 1, 2, 3},
                      {0, 10, lineBreak, 40, 50},
                      0.5,
                      3,
                      {{0.5, 5}, {1, 10}, {lineBreak, lineBreak}, {2, 40}, {3, 50}}},
        TimeChartCase{"PieceOutsideTheAxisLeavesNoBreak",
                      {0, 1, lineBreak, 2, 3},
                      {0, 10, lineBreak, 40, 50},
                      2,
                      2.5,
                      {{2, 40}, {2, 40}, {2.5, 45}}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Interpolation, NoValueOutsideTheData) {
    EXPECT_FALSE(interpolateAt(ramp, rampY, -0.1));
    EXPECT_FALSE(interpolateAt(ramp, rampY, 3.1));
    EXPECT_EQ(interpolateAt(ramp, rampY, 3), 30);
    EXPECT_EQ(interpolateAt(ramp, rampY, 0), 0);
}

struct NodeCase {
    const char* name;
    std::vector<double> grid;
    double xStart;
    double xEnd;
    NodeRange range;
};

void PrintTo(const NodeCase& row, std::ostream* out) {
    *out << row.name;
}

class NodeRangeTest : public testing::TestWithParam<NodeCase> {};

TEST_P(NodeRangeTest, FirstAndLastNode) {
    const NodeCase& c = GetParam();
    const std::optional<NodeRange> range = nodeRange(c.grid, c.xStart, c.xEnd);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, c.range.first);
    EXPECT_EQ(range->last, c.range.last);
    EXPECT_DOUBLE_EQ(range->step, c.range.step);
    EXPECT_EQ(range->pointCount, c.range.pointCount);
}

const std::vector<double> grid{0, 0.1, 0.2, 0.3, 0.4, 0.5};

INSTANTIATE_TEST_SUITE_P(
    Rule, NodeRangeTest,
    testing::Values(NodeCase{"WholeGrid", grid, 0, 2, {0, 5, 0.1, 6}},
                    NodeCase{"StartBeforeTheGrid", grid, -1, 0.5, {0, 5, 0.1, 6}},
                    NodeCase{"BetweenNodes", grid, 0.25, 0.35, {2, 4, 0.1, 3}},
                    NodeCase{"OnNodes", grid, 0.2, 0.3, {2, 3, 0.1, 2}},
                    NodeCase{"StartAtTheSecondToLast", grid, 0.4, 2, {4, 5, 0.1, 2}},
                    NodeCase{"StartBeyondTheGrid", grid, 7, 9, {4, 5, 0.1, 2}},
                    NodeCase{"EndAtOrBeforeNodeOne", grid, 0, 0.05, {0, 1, 0.1, 2}},
                    NodeCase{"TwoNodes", {0, 0.5}, 0.2, 0.3, {0, 1, 0.5, 2}},
                    // 0.3 / 0.1 is a hair below 3 in binary: the axis keeps its fourth point.
                    NodeCase{
                        "DecimalStepKeepsTheLastPoint", {0, 0.1, 0.2, 0.3}, 0, 1, {0, 3, 0.1, 4}},
                    NodeCase{"RepeatedNodesGiveOnePoint", {1, 1, 1}, 0, 2, {0, 2, 0, 1}},
                    NodeCase{"DescendingGridStaysInTheGrid", {3, 2, 1}, 0, 5, {0, 2, -1, 3}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NodeRange, NoRangeForFewerThanTwoNodes) {
    EXPECT_FALSE(nodeRange({}, 0, 1));
    const std::vector<double> one{0};
    EXPECT_FALSE(nodeRange(one, 0, 1));
}

TEST(NodeRange, HugeSpanIsCapped) {
    const std::vector<double> wide{0, 1e-300, 1e300};
    EXPECT_EQ(nodeRange(wide, 0, 1e300)->pointCount, INT_MAX);
}

} // namespace

namespace {

// One axis of a `TSkala`.
struct RecordAxis {
    double start;
    double end;
    int divisions;
};

struct WideningCase {
    const char* name;
    RecordAxis initial;
    std::vector<double> values;
    RecordAxis widened;
};

void PrintTo(const WideningCase& row, std::ostream* out) {
    *out << row.name;
}

class InitialAxisTest : public testing::TestWithParam<WideningCase> {};

TEST_P(InitialAxisTest, HoldsEveryValue) {
    const WideningCase& c = GetParam();
    ValueRange range;
    range.include(c.values);
    // The same values on both axes of a record: each axis widens alike.
    const TSkala initial{c.initial.divisions, c.initial.divisions, c.initial.start,
                         c.initial.end,       c.initial.start,     c.initial.end};
    const TSkala scale = widenedToHold(initial, range, range);
    // Multiples of round steps: a few ulps at most.
    EXPECT_DOUBLE_EQ(scale.xStart, c.widened.start);
    EXPECT_DOUBLE_EQ(scale.xEnd, c.widened.end);
    EXPECT_EQ(scale.xDivisions, c.widened.divisions);
    EXPECT_DOUBLE_EQ(scale.yStart, c.widened.start);
    EXPECT_DOUBLE_EQ(scale.yEnd, c.widened.end);
    EXPECT_EQ(scale.yDivisions, c.widened.divisions);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, InitialAxisTest,
    testing::Values(
        WideningCase{"DataInsideKeepTheAxis", {0, 12, 6}, {0, 4, 12}, {0, 12, 6}},
        WideningCase{"NoDataKeepTheAxis", {800, 950, 15}, {}, {800, 950, 15}},
        // A plate programme of 40 h on the 12 h axis: steps of 10 h instead of 2 h.
        WideningCase{"StagesPastTheTimeAxis", {0, 12, 6}, {0, 20, 40}, {0, 40, 4}},
        WideningCase{"JustPastTheEnd", {0, 12, 6}, {0, 13}, {0, 15, 6}},
        WideningCase{"FoilRunOf5000s", {0, 2000, 10}, {0, 1000, 5000}, {0, 5000, 10}},
        WideningCase{"CaseDepthsPastTheDepthAxis", {0, 1.6, 16}, {0, 2.1, 2.6}, {0, 2.6, 13}},
        // A stage at 700 °C under the 800 °C start: the start moves down to a round value.
        WideningCase{"TemperatureBelowTheStart", {800, 950, 15}, {700, 920}, {700, 960, 13}},
        WideningCase{"BothSides", {0, 1, 4}, {-0.3, 1.7}, {-0.5, 2, 5}},
        // Values read as 2.6000000000000001 still end on 2.6.
        WideningCase{"RoundingErrorCostsNoDivision", {0, 1.6, 16}, {0.1 + 2.5}, {0, 2.6, 13}},
        WideningCase{
            "NonFiniteValuesAreNotData",
            {0, 12, 6},
            {0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()},
            {0, 12, 6}}));

} // namespace

namespace {

struct RoundAxisCase {
    const char* name;
    double lowest;
    double highest;
    int divisions;
    RecordAxis rounded;
};

void PrintTo(const RoundAxisCase& row, std::ostream* out) {
    *out << row.name;
}

class RoundAxisTest : public testing::TestWithParam<RoundAxisCase> {};

TEST_P(RoundAxisTest, HoldsTheRangeOnRoundValues) {
    const RoundAxisCase& c = GetParam();
    const ChartAxis axis = roundAxis(c.lowest, c.highest, c.divisions);
    EXPECT_DOUBLE_EQ(axis.start, c.rounded.start);
    EXPECT_DOUBLE_EQ(axis.end(), c.rounded.end);
    EXPECT_EQ(axis.divisions, c.rounded.divisions);
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, RoundAxisTest,
    testing::Values(
        // A drag over 1.37..5.82 h on a 6-division axis: steps of 1 h, 1 to 6 h.
        RoundAxisCase{"HoursOfADrag", 1.37, 5.82, 6, {1, 6, 5}},
        // 0.413..0.987 % C on 12 divisions: 0.574 / 12 = 0.048, steps of 0.05.
        RoundAxisCase{"CarbonOfADrag", 0.413, 0.987, 12, {0.4, 1.0, 12}},
        RoundAxisCase{"ValuesOnTheStepKeepTheirEnds", 2, 6, 4, {2, 6, 4}},
        // 0.3 / 0.05 is 5.999... in binary: still the sixth step.
        RoundAxisCase{"RoundingErrorCostsNoDivision", 0.3, 0.9, 12, {0.3, 0.9, 12}},
        // 1.03 / 4 = 0.2575: steps of 0.5.
        RoundAxisCase{"BelowZero", -0.72, 0.31, 4, {-1, 0.5, 3}},
        RoundAxisCase{"FarFromZero", 930.2, 930.7, 5, {930.2, 930.7, 5}}));

} // namespace

#include "SeriesQueries.h"
#include "ChartPoints.h"
#include "TGrubosc.h"
#include "TWyniki.h"
#include "T_XY.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>
#include <vector>

namespace {

TDblsArr array(std::initializer_list<double> values) {
    TDblsArr result;
    for (double value : values)
        result.append(value);
    return result;
}

TEST(TDblsArr, AppendsInOrder) {
    TDblsArr values;
    EXPECT_TRUE(values.empty());
    for (int i = 0; i < 25; ++i)
        values.append(i * 0.5);
    EXPECT_EQ(values.size(), 25u);
    EXPECT_EQ(values[11], 5.5);
    EXPECT_EQ(values.back(), 12);
    values.clear();
    EXPECT_TRUE(values.empty());
}

TEST(SeriesQueries, LargestOfEmptyIsZero) {
    EXPECT_EQ(largest({}), 0);
    const std::vector<double> values{-3, -1, -2};
    EXPECT_EQ(largest(values), -1);
}

struct SearchCase {
    const char* name;
    double at;
    int interval;
    int firstAtOrBeyond;
    int lastAtOrBefore;
};

void PrintTo(const SearchCase& row, std::ostream* out) {
    *out << row.name;
}

class SearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindsTheIndexOrMinusOne) {
    const std::vector<double> x{0, 1, 2, 3};
    EXPECT_EQ(intervalContaining(x, GetParam().at), GetParam().interval);
    EXPECT_EQ(firstAtOrBeyond(x, GetParam().at), GetParam().firstAtOrBeyond);
    EXPECT_EQ(lastAtOrBefore(x, GetParam().at), GetParam().lastAtOrBefore);
}

INSTANTIATE_TEST_SUITE_P(Series, SearchTest,
                         testing::Values(SearchCase{"BeforeTheFirst", -0.5, -1, 0, -1},
                                         SearchCase{"OnTheFirst", 0, 0, 0, 0},
                                         SearchCase{"Between", 1.5, 1, 2, 1},
                                         SearchCase{"OnAMiddlePoint", 2, 2, 2, 2},
                                         // The last point closes no interval.
                                         SearchCase{"OnTheLast", 3, -1, 3, 3},
                                         SearchCase{"BeyondTheLast", 4, -1, -1, 3}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SeriesQueries, EmptyArraysHaveNoIndex) {
    EXPECT_EQ(intervalContaining({}, 0), -1);
    EXPECT_EQ(firstAtOrBeyond({}, 0), -1);
    EXPECT_EQ(lastAtOrBefore({}, 0), -1);
}

TEST(XYSeries, QueriesTheXArray) {
    T_XY series;
    series.append(0, 0.2);
    series.append(0.5, 0.9);
    series.append(1, 0.7);
    EXPECT_EQ(series.size(), 3);
    EXPECT_EQ(series.largestX(), 1);
    EXPECT_EQ(series.largestY(), 0.9);
    EXPECT_EQ(series.intervalContaining(0.7), 1);
    EXPECT_EQ(series.firstAtOrBeyond(0.7), 2);
    EXPECT_EQ(series.firstAtOrBeyond(1.5), -1);
    EXPECT_EQ(T_New_XY().largestX(), 0);
}

TEST(TWyniki, QueriesBeyondTheDataFallBack) {
    TWyniki profiles;
    EXPECT_EQ(profiles.profileCount(), 0);
    EXPECT_EQ(profiles.gridValue(0), 0);
    EXPECT_EQ(profiles.valueAt(0, 0), 0);
    EXPECT_EQ(profiles.largestValue(), 0);
    EXPECT_EQ(profiles.profileTime(0), 0);
    EXPECT_FALSE(nodeRange(profiles.grid(), 0, 2));

    profiles.addProfile(2, array({0, 0.1}), array({1.1, 0.9}));
    EXPECT_EQ(profiles.gridValue(1), 0.1);
    EXPECT_EQ(profiles.gridValue(2), 0);
    EXPECT_EQ(profiles.gridValue(-1), 0);
    EXPECT_EQ(profiles.profileTime(-1), 0);
    EXPECT_EQ(profiles.valueAt(0, -1), 0);
    EXPECT_EQ(profiles.valueAt(0, 5), 0.9);
}

TEST(TWyniki, ValueBeyondAProfileIsItsLastOrNone) {
    TWyniki profiles;
    profiles.addProfile(1, array({0, 0.1}), array({1.0, 0.5}));
    profiles.addProfile(2, array({0, 0.1, 0.2}), array({1.1, 0.8, 0.4}));
    EXPECT_EQ(profiles.gridSize(), 3);
    EXPECT_EQ(profiles.valueAt(0, 2), 0.5); // beyond the first series: its last value
    EXPECT_EQ(profiles.valueAt(1, 2), 0.4);
    EXPECT_EQ(profiles.valueAt(2, 2), 0); // no series left
    EXPECT_EQ(profiles.valueAt(0, 0), 1.0);
    EXPECT_EQ(profiles.valueAt(1, 0), 1.1);
    EXPECT_EQ(profiles.largestValue(), 1.1);
}

TEST(TWyniki, EmptyProfileAnswersZeroAndKeepsTheGrid) {
    TWyniki profiles;
    profiles.addProfile(1, array({0, 0.1}), array({1.0, 0.5}));
    profiles.addProfile(2, TDblsArr(), TDblsArr());
    EXPECT_EQ(profiles.profileCount(), 2);
    EXPECT_EQ(profiles.gridSize(), 2);
    EXPECT_EQ(profiles.valueAt(0, 0), 1.0);
    EXPECT_EQ(profiles.valueAt(1, 0), 0);
}

TEST(TGrubosc, KeepsSeriesAsLongAsTheTimes) {
    TGrubosc depths(3);
    const std::vector<double> shortRow{0.1};
    depths.appendRow(1, shortRow);
    const std::vector<double> longRow{0.2, 0.3, 0.4, 9};
    depths.appendRow(2, longRow);
    EXPECT_EQ(depths.timeCount(), 2);
    EXPECT_EQ(depths.depth(1, 0), 0);
    EXPECT_EQ(depths.depth(2, 1), 0.4);
    EXPECT_EQ(depths.largestDepth(), 0.4);
    EXPECT_EQ(depths.largestTime(), 2);
    EXPECT_EQ(depths.depth(3, 0), 0);
    EXPECT_EQ(depths.depth(0, 2), 0);
    EXPECT_EQ(depths.time(2), 0);
    ASSERT_TRUE(nodeRange(depths.times(), 0, 2));
    EXPECT_EQ(nodeRange(depths.times(), 0, 2)->last, 1);
}

TEST(TGrubosc, EmptyHasNoRange) {
    const TGrubosc depths;
    EXPECT_EQ(depths.seriesCount(), 0);
    EXPECT_EQ(depths.largestDepth(), 0);
    EXPECT_FALSE(nodeRange(depths.times(), 0, 1));
    EXPECT_EQ(TGrubosc(-5).seriesCount(), 0);
}

} // namespace

// What the potential chart draws over a programme: the potential over gas stages, the
// saturation limit over boosts, a gap over neutral stages; a gas programme as it always was.

#include "SurfaceOffer.h"

#include "Comparison.h"
#include "Saturation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr StageCondition gas{};
constexpr StageCondition neutral{SurfaceCondition::Neutral, std::nullopt};
const StageCondition boost{SurfaceCondition::Boost, std::nullopt};
const StageCondition limitedBoost{SurfaceCondition::Boost, 2.5};

struct Row {
    double time, temperature, potential;
    StageCondition condition;
};

TDane programme(std::initializer_list<Row> rows, bool withConditions = true) {
    TDane data;
    data.alloy = {1.0, 0.2, 0.6, 0.3, 1.0};
    for (const Row& row : rows) {
        data.times.push_back(row.time);
        data.temperatures.push_back(row.temperature);
        data.potentials.push_back(row.potential);
        if (withConditions)
            data.conditions.push_back(row.condition);
    }
    return data;
}

// A stretch as "P 0:1.1 2:0.9" (Potential) or "S 0:1.2 ..." (Saturation), values to 3 decimals.
std::string described(const OfferedStretch& stretch) {
    std::string text = stretch.offer == Offer::Potential ? "P" : "S";
    for (std::size_t i = 0; i < stretch.times.size(); ++i) {
        char point[48];
        std::snprintf(point, sizeof point, " %g:%.3f", stretch.times[i], stretch.values[i]);
        text += point;
    }
    return text;
}

std::vector<std::string> described(const TDane& data) {
    std::vector<std::string> stretches;
    for (const OfferedStretch& stretch : surfaceOffer(data))
        stretches.push_back(described(stretch));
    return stretches;
}

std::string limitAt(double time, double celsius, const TDane& data) {
    char point[48];
    std::snprintf(point, sizeof point, " %g:%.3f", time, saturationCarbon(celsius, data.alloy));
    return point;
}

// A stretch of the limit at 920 °C through `times`, as described() writes it. Built by appending:
// the optimised build warns of a false overlap in "S" + a temporary string.
std::string limitLine(std::initializer_list<double> times, const TDane& data) {
    std::string line = "S";
    for (const double time : times)
        line += limitAt(time, 920, data);
    return line;
}

} // namespace

TEST(SurfaceOffer, GasProgrammeIsThePotentialThroughEveryRow) {
    for (bool withConditions : {true, false}) {
        const TDane data =
            programme({{0, 920, 1.1, gas}, {2, 920, 1.1, gas}, {3, 880, 0.8, gas}}, withConditions);
        EXPECT_EQ(described(data), std::vector<std::string>{"P 0:1.100 2:1.100 3:0.800"});
        EXPECT_FALSE(offersMoreThanGas(data));
    }
}

TEST(SurfaceOffer, OneRowIsOnePoint) {
    EXPECT_EQ(described(programme({{0, 920, 1.1, gas}})), std::vector<std::string>{"P 0:1.100"});
    EXPECT_TRUE(surfaceOffer(TDane{}).empty());
}

TEST(SurfaceOffer, BoostsShowTheLimitAndNeutralStagesNothing) {
    const TDane data = programme({{0, 920, 0.8, gas},
                                  {0.1, 920, 0.8, boost},
                                  {0.4, 920, 0.8, neutral},
                                  {0.5, 920, 0.8, limitedBoost},
                                  {0.6, 920, 0.8, boost},
                                  {1.0, 920, 0.8, neutral},
                                  {2.0, 920, 0.7, gas},
                                  {3.0, 920, 0.9, gas}});
    EXPECT_TRUE(offersMoreThanGas(data));
    EXPECT_EQ(described(data),
              (std::vector<std::string>{limitLine({0, 0.1}, data),
                                        // a limited boost also ends at the limit; one line
                                        limitLine({0.4, 0.5, 0.6}, data),
                                        // the gas ramp starts at the row that ended the gap
                                        "P 1:0.800 2:0.700 3:0.900"}));
}

TEST(SurfaceOffer, GasNextToBoostBreaksTheLineWhereTheOfferChanges) {
    const TDane data = programme(
        {{0, 920, 0.9, gas}, {1, 920, 0.9, gas}, {1.5, 920, 0.9, boost}, {2, 900, 0.7, gas}});
    const std::vector<OfferedStretch> stretches = surfaceOffer(data);
    ASSERT_EQ(stretches.size(), 3u);
    EXPECT_EQ(described(stretches[0]), "P 0:0.900 1:0.900");
    EXPECT_EQ(described(stretches[1]), limitLine({1, 1.5}, data));
    EXPECT_EQ(described(stretches[2]), "P 1.5:0.900 2:0.700");
}

// Over a boost whose temperature ramps the limit follows the temperature at each time, not a
// straight line between the limits at the rows.
TEST(SurfaceOffer, BoostRampFollowsTheTemperature) {
    const TDane data = programme({{0, 880, 0.8, gas}, {1, 960, 0.8, boost}});
    const std::vector<OfferedStretch> stretches = surfaceOffer(data);
    ASSERT_EQ(stretches.size(), 1u);
    const OfferedStretch& limit = stretches[0];
    ASSERT_GT(limit.times.size(), 8u);
    EXPECT_EQ(limit.times.front(), 0);
    EXPECT_EQ(limit.times.back(), 1);
    for (std::size_t i = 0; i < limit.times.size(); ++i) {
        const double celsius = 880 + 80 * limit.times[i];
        EXPECT_DOUBLE_EQ(limit.values[i], saturationCarbon(celsius, data.alloy)) << i;
    }
    // The limit is convex in the temperature: the midpoint lies below the chord.
    const std::size_t middle = limit.times.size() / 2;
    ASSERT_DOUBLE_EQ(limit.times[middle], 0.5);
    EXPECT_LT(limit.values[middle], (limit.values.front() + limit.values.back()) / 2);
}

// A comparison draws each set's offer as one line: a step where a boost follows a gas stage, a
// break over a neutral stage.
TEST(SurfaceOffer, ComparedLineJoinsWhatMeetsAndBreaksOverGaps) {
    LoadedSet set;
    set.process.series = programme({{0, 920, 0.9, gas},
                                    {1, 920, 0.9, gas},
                                    {2, 920, 0.9, boost},
                                    {3, 920, 0.9, neutral},
                                    {4, 920, 0.7, gas}});
    const double limit = saturationCarbon(920, set.process.series.alloy);
    const std::optional<ComparedLine> line = comparedLine(set, ChartKind::Potential);
    ASSERT_TRUE(line);
    ASSERT_EQ(line->x.size(), 7u);
    const std::vector<double> x = {0, 1, 1, 2}, y = {0.9, 0.9, limit, limit};
    // the potential to stage 2, the limit to stage 3, nothing to stage 4, the potential again
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(line->x[i], x[i]) << i;
        EXPECT_EQ(line->y[i], y[i]) << i;
    }
    EXPECT_TRUE(std::isnan(line->x[4]) && std::isnan(line->y[4]));
    EXPECT_EQ(line->x[5], 3);
    EXPECT_EQ(line->y[5], 0.9);
    EXPECT_EQ(line->x[6], 4);
    EXPECT_EQ(line->y[6], 0.7);

    // A set of gas stages compares by its potential at its rows, as it always has.
    set.process.series = programme({{0, 920, 0.9, gas}, {2, 900, 0.8, gas}});
    const std::optional<ComparedLine> gasLine = comparedLine(set, ChartKind::Potential);
    ASSERT_TRUE(gasLine);
    EXPECT_EQ(gasLine->x, (std::vector<double>{0, 2}));
    EXPECT_EQ(gasLine->y, (std::vector<double>{0.9, 0.8}));
}

// The chart's table: both offers on the times of the whole offer, each a break where the other
// is offered, and a row of breaks over a gap.
TEST(SurfaceOffer, TableLinesUpBothOffers) {
    const TDane data = programme({{0, 920, 0.9, gas},
                                  {1, 920, 0.9, gas},
                                  {2, 920, 0.9, boost},
                                  {3, 920, 0.9, neutral},
                                  {4, 920, 0.7, gas}});
    const double limit = saturationCarbon(920, data.alloy);
    const double gap = std::numeric_limits<double>::quiet_NaN();
    const OfferTable table = offerTable(data);
    const std::vector<std::vector<double>> expected = {
        // time, offered, potential, saturation
        {0, 0.9, 0.9, gap},   {1, 0.9, 0.9, gap}, {1, limit, gap, limit}, {2, limit, gap, limit},
        {gap, gap, gap, gap}, {3, 0.9, 0.9, gap}, {4, 0.7, 0.7, gap}};
    ASSERT_EQ(table.times.size(), expected.size());
    for (std::size_t row = 0; row < expected.size(); ++row) {
        const double got[] = {table.times[row], table.offered[row], table.potential[row],
                              table.saturation[row]};
        for (std::size_t column = 0; column < 4; ++column)
            if (std::isnan(expected[row][column]))
                EXPECT_TRUE(std::isnan(got[column])) << row << ' ' << column;
            else
                EXPECT_EQ(got[column], expected[row][column]) << row << ' ' << column;
    }
}

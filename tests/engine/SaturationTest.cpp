#include "Saturation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

struct LimitCase {
    double celsius;
    double plain; // % C, the Acm line of the Fe–Fe3C diagram
};

void PrintTo(const LimitCase& row, std::ostream* out) {
    *out << row.celsius << " °C";
}

constexpr std::array<double, 5> noAlloy{};

class PlainSaturation : public testing::TestWithParam<LimitCase> {};

} // namespace

TEST_P(PlainSaturation, FollowsTheAcmLine) {
    EXPECT_NEAR(saturationCarbon(GetParam().celsius, noAlloy), GetParam().plain, 0.006);
}

INSTANTIATE_TEST_SUITE_P(CarbonSteel, PlainSaturation,
                         testing::Values(LimitCase{900, 1.23}, LimitCase{925, 1.30},
                                         LimitCase{950, 1.38}, LimitCase{1000, 1.54}));

TEST(AlloySaturation, CarbideFormersLowerTheLimitSiliconRaisesIt) {
    const double plain = saturationCarbon(920, noAlloy);
    //                     Cr   Mo   Mn   Si   Ni
    EXPECT_LT(saturationCarbon(920, {1.1, 0.0, 1.2, 0.25, 0.0}), plain - 0.1);
    EXPECT_LT(saturationCarbon(920, {0.0, 0.3, 0.0, 0.0, 0.0}), plain);
    EXPECT_GT(saturationCarbon(920, {0.0, 0.0, 0.0, 1.0, 0.0}), plain);
}

TEST(SaturationWarnings, NameEachRowAboveTheLimitOnce) {
    TDane data;
    data.times = {0, 2, 4};
    data.temperatures = {900, 900, 950};
    data.potentials = {1.3, 1.1, 1.1};
    const auto warnings = saturationWarnings(data, {0.2, 1.25, 1.1});
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].rfind("stage 1: the potential 1.30 % C exceeds", 0), 0u) << warnings[0];
    EXPECT_EQ(warnings[1].rfind("stage 2: the computed surface carbon 1.25 % C", 0), 0u)
        << warnings[1];
    EXPECT_NE(warnings[1].find("1.23 % C at 900 °C"), std::string::npos) << warnings[1];
    EXPECT_TRUE(saturationWarnings(data, {}).size() == 1u);
}

// A boost is at the limit by definition; a potential warns only where a gas stage offers it.
TEST(SaturationWarnings, KeepTheirMeaningForGasStagesOnly) {
    constexpr StageCondition gas{}, neutral{SurfaceCondition::Neutral, std::nullopt},
        boost{SurfaceCondition::Boost, std::nullopt};
    TDane data;
    data.times = {0, 1, 2, 3, 4};
    data.temperatures = {900, 900, 900, 900, 900};
    data.potentials = {1.3, 1.3, 1.3, 1.3, 1.3};
    data.conditions = {gas, boost, neutral, neutral, gas};
    const auto warnings = saturationWarnings(data, {0.2, 1.25, 1.0, 0.9, 1.25});
    std::vector<std::string> stages;
    for (const std::string& warning : warnings)
        stages.push_back(warning.substr(0, warning.find(" exceeds")));
    EXPECT_EQ(stages, (std::vector<std::string>{"stage 4: the potential 1.30 % C",
                                                "stage 5: the potential 1.30 % C",
                                                "stage 5: the computed surface carbon 1.25 % C"}));
}

// The soot line is carbon activity 1: a gas at the limit itself soots, and is warned of.
TEST(SaturationWarnings, APotentialAtTheLimitItselfWarns) {
    TDane data;
    data.times = {0, 2};
    data.temperatures = {920, 920};
    const double limit = saturationCarbon(920, data.alloy);
    data.potentials = {limit, std::nextafter(limit, 0.0)};
    const auto warnings = saturationWarnings(data, {});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("stage 1: the potential", 0), 0u) << warnings[0];
}

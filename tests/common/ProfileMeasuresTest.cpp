#include "ProfileMeasures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

// The arithmetic below is a handful of operations on short decimals.
constexpr double tolerance = 1e-12;

struct CaseDepthCase {
    const char* name;
    std::vector<double> x;
    std::vector<double> hv;
    double limit;
    std::optional<double> depth;
};

void PrintTo(const CaseDepthCase& row, std::ostream* out) {
    *out << row.name;
}

class CaseDepth : public testing::TestWithParam<CaseDepthCase> {};

MeasuredProfile carbonPoints(std::vector<double> depth, std::vector<double> value) {
    MeasuredProfile measured;
    measured.depth = std::move(depth);
    measured.value = std::move(value);
    return measured;
}

} // namespace

TEST_P(CaseDepth, FirstFallBelowTheLimit) {
    const std::optional<double> depth =
        hardnessCaseDepth(GetParam().x, GetParam().hv, GetParam().limit);
    ASSERT_EQ(depth.has_value(), GetParam().depth.has_value());
    if (depth) {
        EXPECT_NEAR(*depth, *GetParam().depth, tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProfileMeasures, CaseDepth,
    testing::Values(
        CaseDepthCase{"Between", {0, 0.5, 1.0}, {800, 600, 400}, 550, 0.625},
        CaseDepthCase{"OtherLimit", {0, 0.5, 1.0}, {800, 600, 400}, 513, 0.5 + 0.5 * 87 / 200},
        CaseDepthCase{"AtANode", {0, 0.4, 0.8, 1.2}, {800, 550, 500, 300}, 550, 0.4},
        // Retained austenite keeps the surface soft: the depth is where hardness falls, not
        // where it first rises through the limit.
        CaseDepthCase{"SoftSurface", {0, 0.2, 0.6, 1.0}, {500, 700, 650, 450}, 550, 0.6 + 0.4 / 2},
        CaseDepthCase{"NeverFalls", {0, 0.5, 1.0}, {800, 700, 600}, 550, std::nullopt},
        CaseDepthCase{"NeverReaches", {0, 0.5, 1.0}, {540, 500, 300}, 550, std::nullopt},
        CaseDepthCase{"OneNode", {0}, {800}, 550, std::nullopt},
        CaseDepthCase{"Empty", {}, {}, 550, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileMeasures, ValueBetweenNodesAndNothingOutside) {
    const std::vector<double> x{0, 1, 3};
    const std::vector<double> y{1.0, 0.6, 0.2};
    EXPECT_NEAR(*profileValueAt(x, y, 0), 1.0, tolerance);
    EXPECT_NEAR(*profileValueAt(x, y, 0.25), 0.9, tolerance);
    EXPECT_NEAR(*profileValueAt(x, y, 1), 0.6, tolerance);
    EXPECT_NEAR(*profileValueAt(x, y, 2.5), 0.3, tolerance);
    EXPECT_NEAR(*profileValueAt(x, y, 3), 0.2, tolerance);
    EXPECT_FALSE(profileValueAt(x, y, 3.01));
    EXPECT_FALSE(profileValueAt(x, y, -0.01));
    EXPECT_FALSE(profileValueAt({}, {}, 0));
}

TEST(ProfileMeasures, MisfitComparesInsideAndCountsTheRest) {
    // Computed: 1.0 at the surface, falling by 0.4 % C per mm to 1 mm.
    const std::vector<double> x{0, 1};
    const std::vector<double> y{1.0, 0.6};
    // Differences +0.1 and -0.1 inside; two points deeper than the profile.
    const ProfileMisfit misfit =
        profileMisfit(carbonPoints({0.25, 0.5, 1.5, 2}, {1.0, 0.7, 0.1, 0.1}), x, y);
    EXPECT_EQ(misfit.compared, 2U);
    EXPECT_EQ(misfit.beyond, 2U);
    ASSERT_TRUE(misfit.rms);
    EXPECT_NEAR(*misfit.rms, 0.1, tolerance);
}

TEST(ProfileMeasures, MisfitOfPointsAllBeyondHasNoRms) {
    const ProfileMisfit misfit = profileMisfit(carbonPoints({5, 6}, {0.2, 0.2}), {0, 1}, {1, 0.6});
    EXPECT_EQ(misfit.compared, 0U);
    EXPECT_EQ(misfit.beyond, 2U);
    EXPECT_FALSE(misfit.rms);
}

TEST(ProfileMeasures, RmsIsTheRootOfTheMeanSquare) {
    const ProfileMisfit misfit = profileMisfit(carbonPoints({0, 0, 0}, {1.3, 1.0, 1.0}), {0}, {1});
    EXPECT_NEAR(*misfit.rms, std::sqrt(0.09 / 3), tolerance);
}

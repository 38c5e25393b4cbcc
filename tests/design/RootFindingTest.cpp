// The one root finder of the design and the foil fit: found roots, and why a search fails.

#include "RootFinding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <ostream>

namespace {

struct KnownRoot {
    const char* name;
    std::function<double(double)> f; // monotone
    double start;                    // where the walk begins
    double root;
};

void PrintTo(const KnownRoot& row, std::ostream* out) {
    *out << row.name;
}

// Doubles the distance from `start` each step, towards where the sign says the root lies.
NextPoint doubling(double start, bool increasing) {
    return [=](double x, double fx) -> std::optional<double> {
        const double distance = std::max(1.0, 2 * std::fabs(x - start));
        return (fx < 0) == increasing ? start + distance : start - distance;
    };
}

class FindsKnownRoot : public testing::TestWithParam<KnownRoot> {};

} // namespace

TEST_P(FindsKnownRoot, WithinTheTolerance) {
    const KnownRoot& row = GetParam();
    const bool increasing = row.f(row.root + 1) > row.f(row.root - 1);
    int evaluations = 0;
    const RootFunction f = [&](double x) -> std::optional<double> {
        ++evaluations;
        return row.f(x);
    };
    const Root root = findRoot(f, row.start, doubling(row.start, increasing), 1e-12, 1e-12);
    ASSERT_EQ(root.problem, Root::Problem::None);
    EXPECT_NEAR(root.x, row.root, 1e-9);
    EXPECT_EQ(root.f, row.f(root.x)) << "the value belongs to the point returned";
    EXPECT_LT(evaluations, 60);
}

INSTANTIATE_TEST_SUITE_P(
    RootFinding, FindsKnownRoot,
    testing::Values(KnownRoot{"Line", [](double x) { return 3 * x - 6; }, 0, 2},
                    KnownRoot{"CubeFromAbove", [](double x) { return x * x * x - 27; }, 10, 3},
                    KnownRoot{"Falling", [](double x) { return 1 - std::exp(x); }, -7, 0},
                    KnownRoot{"SquareRootLaw", [](double x) { return std::sqrt(x + 40) - 7; }, 0,
                              9},
                    KnownRoot{"Saturating", [](double x) { return std::atan(x - 5); }, 0, 5},
                    KnownRoot{"RootAtTheStart", [](double x) { return x - 4; }, 4, 4}),
    [](const testing::TestParamInfo<KnownRoot>& row) { return std::string(row.param.name); });

TEST(RootFinding, AWalkThatRunsOutOfPointsSaysSoWithTheLastPoint) {
    // Always positive: the walk is allowed three points, then has no bracket.
    const RootFunction f = [](double x) -> std::optional<double> { return 1 + x * x; };
    const NextPoint next = [](double x, double) -> std::optional<double> {
        return x < 3 ? std::optional<double>(x + 1) : std::nullopt;
    };
    const Root root = findRoot(f, 0, next, 1e-9, 1e-9);
    EXPECT_EQ(root.problem, Root::Problem::NoBracket);
    EXPECT_EQ(root.x, 3);
    EXPECT_EQ(root.f, 10);
}

TEST(RootFinding, AJumpThatNeverNarrowsBelowTheToleranceDoesNotConverge) {
    // A sign change without a zero: |f| stays 1, and no bracket is narrower than 0.
    const RootFunction f = [](double x) -> std::optional<double> { return x < M_PI ? -1 : 1; };
    const Root root = solveBracketed(f, {0, -1, 10, 1}, 0, 0);
    EXPECT_EQ(root.problem, Root::Problem::NoConvergence);
    EXPECT_GE(root.x, 0);
    EXPECT_LE(root.x, 10);
}

TEST(RootFinding, AFunctionWithoutValueStopsTheSearchAtOnce) {
    for (int allowed : {0, 1, 3}) {
        int evaluations = 0;
        const RootFunction f = [&](double x) -> std::optional<double> {
            if (evaluations++ == allowed)
                return std::nullopt;
            return x - 100;
        };
        const Root root = findRoot(f, 0, doubling(0, true), 1e-9, 1e-9);
        EXPECT_EQ(root.problem, Root::Problem::Stopped) << allowed;
        EXPECT_EQ(evaluations, allowed + 1) << "no evaluation after the failed one";
    }
}

TEST(RootFinding, StaysInsideTheBracket) {
    // Steep on one side, flat on the other: plain regula falsi would crawl; the guesses must
    // never leave the bracket however the halving moves them.
    const RootFunction f = [](double x) -> std::optional<double> {
        EXPECT_GE(x, 0);
        EXPECT_LE(x, 1);
        return std::pow(x, 9) - 0.5;
    };
    const Root root = solveBracketed(f, {0, -0.5, 1, 0.5}, 1e-12, 1e-12);
    ASSERT_EQ(root.problem, Root::Problem::None);
    EXPECT_NEAR(root.x, std::pow(0.5, 1.0 / 9), 1e-9);
}

// The maximum principle: carbon only flows down its gradient, so no node of the sample ever
// holds more carbon than the richest of the atmosphere and the steel, nor less than the leaner.
// A programme that carburizes and then diffuses at a lower potential, with a cooling ramp in
// between, sends carbon both ways through the surface.

#include "SampleKinds.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr double ck = 0.2;          // % C
constexpr double carburizing = 1.1; // % C
constexpr double diffusing = 0.7;   // % C

// Rounding only: each step moves a node by a convex combination of its neighbours, and a
// violation by truncation error would be orders larger.
constexpr double boundTolerance = 1e-12; // % C

class MaximumPrinciple : public testing::TestWithParam<SampleKindCase> {};

TEST_P(MaximumPrinciple, NoNodeLeavesTheRangeOfPotentialsAndSteel) {
    const SampleKindCase& kind = GetParam();
    const double end = kind.duration;
    const ScratchSet set(stagedProcess(ck, 2e-5,
                                       {{0, 920, carburizing},
                                        {0.5 * end, 920, carburizing},
                                        {0.55 * end, 870, diffusing},
                                        {end, 870, diffusing}},
                                       kind.shape, kind.thickness));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), kind.make);
    const double highest = std::max(carburizing, ck);
    const double lowest = std::min(diffusing, ck);

    double richest = ck;
    while (run.step()) {
        const auto& c = run.solver().carbon();
        // Node 0 is the ghost outside the surface: an extrapolation, not carbon in the steel.
        const auto [low, high] = std::minmax_element(c.begin() + 1, c.end());
        ASSERT_LE(*high, highest + boundTolerance) << "at " << run.time() << " s";
        ASSERT_GE(*low, lowest - boundTolerance) << "at " << run.time() << " s";
        richest = std::max(richest, *high);
    }
    // The programme did carburize: the bound was approached, not trivially kept.
    EXPECT_GT(richest, ck + 0.5 * (carburizing - ck));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, MaximumPrinciple, testing::ValuesIn(sampleKinds), kindName);

} // namespace

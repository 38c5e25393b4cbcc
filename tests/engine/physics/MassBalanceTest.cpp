// Carbon is conserved: what the solver holds above the steel's own carbon is what the
// atmosphere passed through the surface, β·(potential − surface carbon) integrated over time.

#include "SampleKinds.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

// The surface node counts half its cell in the mass sum, while the flux enters through a
// central difference across the ghost node; the two agree to first order in the surface cell
// width over the diffusion length, which grid sizing keeps near 1/40, and so part by a few
// tenths of a percent at most.
constexpr double massBalanceTolerance = 0.005; // relative

// % C · µm of carbon in g/m²: % → mass fraction, µm → m, times the steel's density.
constexpr double gramsPerSquareMetre = 0.01 * 1e-6 * 7.8e6;

class MassBalance : public testing::TestWithParam<SampleKindCase> {};

TEST_P(MassBalance, GainEqualsTheFluxThroughTheSurface) {
    const SampleKindCase& kind = GetParam();
    const ScratchSet set(stagedProcess(0.2, 2e-5, {{0, 920, 1.0}, {kind.duration, 920, 1.0}},
                                       kind.shape, kind.thickness));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), kind.make);

    // Trapezoidal rule over each step: the steps are short against the process time.
    double uptake = 0; // % C · µm
    while (run.step()) {
        const double surface = (run.surfaceBefore() + run.solver().carbon()[1]) / 2;
        uptake += run.solver().transferCoefficient() * (run.furnace().potentialC - surface) *
                  run.furnace().timeStep;
    }

    double gain = run.solver().massGain();
    if (kind.perLength)
        gain /= 2 * std::numbers::pi * run.parametry().grub * 1e-6; // per m² of outer surface
    const double expected = uptake * gramsPerSquareMetre;
    ASSERT_GT(expected, 0);
    EXPECT_NEAR(gain, expected, massBalanceTolerance * expected);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, MassBalance, testing::ValuesIn(sampleKinds), kindName);

} // namespace

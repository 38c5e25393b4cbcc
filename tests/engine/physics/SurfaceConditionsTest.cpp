// The surface conditions other than gas, in every kind: a neutral stage passes no carbon, a
// boost holds the surface at the saturation limit of austenite, and a limited boost passes J0
// until the surface reaches that limit.

#include "Material.h"
#include "SampleKinds.h"
#include "Saturation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double ck = 0.2; // % C
constexpr double celsius = 920;
constexpr StageCondition neutral{SurfaceCondition::Neutral, std::nullopt};
constexpr StageCondition boost{SurfaceCondition::Boost, std::nullopt};

// % C · µm of carbon in g/m²: % → mass fraction, µm → m, times the steel's density.
constexpr double gramsPerSquareMetre = 0.01 * 1e-6 * 7.8e6;

// The mass gained per square metre of outer surface (cylinders and wires report it per metre).
double gainPerSquareMetre(const DrivenSample& run, const SampleKindCase& kind) {
    const double gain = run.solver().massGain();
    return kind.perLength ? gain / (2 * std::numbers::pi * run.parametry().grub * 1e-6) : gain;
}

double hours(double duration, const SampleKindCase& kind) {
    return kindTraits(kind.shape).timeUnit == TimeUnit::Seconds ? duration / 3600 : duration;
}

// The ghost node makes the half cell of the surface take exactly the flux the stage sets, and
// the interior balances pass carbon between cells without loss: what is left is rounding and
// the far node of a grid that has not reached the centre, which copies its neighbour while
// that is within 1e-4 % C of the steel's carbon. The brief's bound.
constexpr double neutralDriftPerHour = 1e-6; // relative

class NeutralStage : public testing::TestWithParam<SampleKindCase> {};

TEST_P(NeutralStage, KeepsTheMassAndFlattensTheProfile) {
    const SampleKindCase& kind = GetParam();
    const double half = kind.duration / 2;
    const ScratchSet set(stagedProcess(
        ck, 2e-5, {{0, celsius, 1.0}, {half, celsius, 1.0}, {kind.duration, celsius, 1.0, neutral}},
        kind.shape, kind.thickness));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), kind.make);
    const double switchTime = half * (hours(1, kind) == 1 ? 3600 : 1);
    while (run.time() < switchTime && run.step()) {
    }
    const double massBefore = gainPerSquareMetre(run, kind);
    const double surfaceBefore = run.solver().carbon()[1];
    ASSERT_GT(massBefore, 0);
    while (run.step()) {
        const auto& c = run.solver().carbon();
        ASSERT_LE(c[1], run.surfaceBefore() + 1e-12) << "a neutral surface only gives carbon up";
    }
    const double drift = std::fabs(gainPerSquareMetre(run, kind) / massBefore - 1);
    EXPECT_LT(drift / hours(kind.duration - half, kind), neutralDriftPerHour);
    EXPECT_LT(run.solver().carbon()[1], surfaceBefore);
}

// A limited boost adds J0·Δt to the mass at every step until the surface saturates: the same
// derivation, with rounding of a sum of some thousand steps left.
constexpr double limitedUptakeTolerance = 1e-6; // relative
constexpr double fluxLimit = 0.002;             // g/(m²·s)

class LimitedBoost : public testing::TestWithParam<SampleKindCase> {};

TEST_P(LimitedBoost, TakesInTheFluxLimitUntilTheSurfaceSaturates) {
    const SampleKindCase& kind = GetParam();
    const ScratchSet set(stagedProcess(
        ck, 2e-5,
        {{0, celsius, 0.8}, {kind.duration, celsius, 0.8, {SurfaceCondition::Boost, fluxLimit}}},
        kind.shape, kind.thickness));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), kind.make);
    const double limit = saturationCarbon(celsius, {});
    double uptake = 0; // g/m², until the last step that left the surface below the limit
    double gain = 0;   // g/m², the mass the run computed then
    std::size_t steps = 0;
    while (run.step() && run.solver().carbon()[1] < limit) {
        uptake += fluxLimit * run.furnace().timeStep;
        gain = gainPerSquareMetre(run, kind);
        ++steps;
    }
    ASSERT_GT(steps, 10U);
    EXPECT_NEAR(gain, uptake, limitedUptakeTolerance * uptake);
    while (run.step())
        ASSERT_LE(run.solver().carbon()[1], limit) << "held at the limit";
}

// A boost at constant temperature fixes the surface concentration: the half-space then follows
// c = ck + (Cs − ck)·erfc(x / (2·√(D·t))) (Crank, The Mathematics of Diffusion, 2nd ed., 3.3.1).
// A steel just below the limit keeps the diffusivity nearly constant, as the Robin-condition
// test does with a potential just above the steel's carbon; the same tolerance.
TEST(Boost, FollowsTheSolutionForAFixedSurfaceConcentration) {
    const double limit = saturationCarbon(celsius, {});
    const double steel = limit - 0.05;
    const ScratchSet set(stagedProcess(steel, 2e-5,
                                       {{0, celsius, 1.0},
                                        {1, celsius, 1.0, boost},
                                        {2, celsius, 1.0, boost},
                                        {4, celsius, 1.0, boost}}));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), makeSolver<Gruba>);
    const double diffusivity = DiffusivityLaw(celsius + 273)((steel + limit) / 2);
    const double tolerance = 0.01 * (limit - steel); // % C
    for (const double hours : {1.0, 2.0, 4.0}) {
        while (run.time() < hours * 3600 && run.step()) {
        }
        ASSERT_EQ(run.time(), hours * 3600);
        const auto& c = run.solver().carbon();
        const auto& s = run.solver().depths();
        EXPECT_EQ(c[1], limit);
        for (std::size_t i = 1; i < c.size(); ++i) {
            const double exact =
                steel +
                (limit - steel) * std::erfc(s[i] / (2 * std::sqrt(diffusivity * run.time())));
            EXPECT_NEAR(c[i], exact, tolerance) << "node " << i << " at " << hours << " h";
        }
    }
}

// A boost with its own ceiling holds the surface there, above the saturation limit, and a
// limited one reaches it only after taking in its flux limit; the steel gains more than under
// the saturation limit.
class BoostCeiling : public testing::TestWithParam<SampleKindCase> {};

TEST_P(BoostCeiling, HoldsTheSurfaceAtTheCeiling) {
    const SampleKindCase& kind = GetParam();
    const double ceiling = asWritten(saturationCarbon(celsius, {}) + 0.15); // as the file holds it
    const auto gainUnder = [&](StageCondition condition) {
        const ScratchSet set(
            stagedProcess(ck, 2e-5, {{0, celsius, 0.8}, {kind.duration, celsius, 0.8, condition}},
                          kind.shape, kind.thickness));
        DrivenSample run(set.file(), kind.make);
        // The saturation limit as the test computes it may differ from the run's by rounding.
        const double held = condition.ceiling.value_or(saturationCarbon(celsius, {}));
        while (run.step()) {
            EXPECT_LE(run.solver().carbon()[1], held + 1e-12) << run.time() << " s";
        }
        if (!condition.fluxLimit) {
            EXPECT_NEAR(run.solver().carbon()[1], held, 1e-12);
        }
        return gainPerSquareMetre(run, kind);
    };
    const double saturated = gainUnder(boost);
    const double held = gainUnder({SurfaceCondition::Boost, std::nullopt, ceiling});
    EXPECT_GT(held, saturated * 1.05);
    EXPECT_LE(gainUnder({SurfaceCondition::Boost, fluxLimit, ceiling}), held);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BoostCeiling, testing::ValuesIn(sampleKinds), kindName);
INSTANTIATE_TEST_SUITE_P(EveryKind, NeutralStage, testing::ValuesIn(sampleKinds), kindName);
INSTANTIATE_TEST_SUITE_P(EveryKind, LimitedBoost, testing::ValuesIn(sampleKinds), kindName);

} // namespace

// Carbides ("carbides: on"): carbon beyond the saturation limit of austenite becomes cementite
// by the lever rule, only the dissolved carbon diffuses, and cementite dissolves again where the
// dissolved carbon falls below the limit. Carbon is conserved throughout: what the surface takes
// in is what the sample holds, dissolved and in cementite.

#include "ProcessSettings.h"
#include "SampleKinds.h"
#include "Saturation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

namespace {

constexpr double ck = 0.2; // % C
// The bound for the carbide balance; the scheme keeps it to rounding.
constexpr double carbideBalanceTolerance = 0.005; // relative
// A neutral stage passes no carbon; the lever rule only moves it between the phases.
constexpr double neutralDrift = 1e-9;    // relative
constexpr double boundTolerance = 1e-12; // % C

ProcessRecord withCarbides(ProcessRecord process) {
    process.settings.carbides = true;
    return process;
}

double gainPerSquareMetre(const DrivenSample& run, const SampleKindCase& kind) {
    const double gain = run.solver().massGain();
    return kind.perLength ? gain / (2 * std::numbers::pi * run.parametry().grub * 1e-6) : gain;
}

class CarbideBalance : public testing::TestWithParam<SampleKindCase> {};

} // namespace

// A flux-limited boost that supplies more than diffusion carries away: once the surface is
// saturated the rest of the flux becomes cementite, and the intake J0·t is what the sample holds.
TEST_P(CarbideBalance, IntakeIsDissolvedCarbonAndCarbide) {
    const SampleKindCase& kind = GetParam();
    constexpr double flux = 0.01; // g/(m²·s)
    const ScratchSet set(withCarbides(stagedProcess(
        ck, 2e-5,
        {{0, 920, 0.8}, {kind.duration, 920, 0.8, StageCondition{SurfaceCondition::Boost, flux}}},
        kind.shape, kind.thickness)));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), kind.make);
    double intake = 0; // g/m²
    while (run.step()) {
        intake += flux * run.furnace().timeStep;
        const auto& c = run.solver().carbon();
        ASSERT_LE(*std::max_element(c.begin() + 1, c.end()),
                  run.furnace().solubilityC + boundTolerance)
            << "dissolved carbon beyond the limit at " << run.time() << " s";
    }
    EXPECT_NEAR(gainPerSquareMetre(run, kind), intake, carbideBalanceTolerance * intake);
    const auto& carbide = run.solver().carbideCarbon();
    ASSERT_FALSE(carbide.empty());
    for (std::size_t i = 1; i < carbide.size(); ++i)
        EXPECT_LE(run.solver().carbideFraction(i, run.furnace().solubilityC), 1 + boundTolerance)
            << "more than pure cementite at node " << i;
    EXPECT_GT(carbide[1], 0) << "the boost left cementite at the surface";
    EXPECT_TRUE(run.solver().deepestCarbide());
    EXPECT_GT(run.solver().carbideFraction(1, run.furnace().solubilityC), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CarbideBalance, testing::ValuesIn(sampleKinds), kindName);

// A boost saturates the surface at 1000 °C; cooling without carbon supply to 850 °C lowers the
// limit below the surface carbon, and cementite forms; heating back dissolves it again.
TEST(Carbides, FormOnCoolingBelowTheSaturatingTemperatureAndDissolveOnHeating) {
    const StageCondition boost{SurfaceCondition::Boost, std::nullopt};
    const StageCondition neutral{SurfaceCondition::Neutral, std::nullopt};
    const ScratchSet set(withCarbides(stagedProcess(ck, 2e-5,
                                                    {{0, 1000, 1.0},
                                                     {1, 1000, 1.0, boost},
                                                     {1.1, 850, 1.0, neutral},
                                                     {1.5, 850, 1.0, neutral},
                                                     {1.6, 1000, 1.0, neutral},
                                                     {3, 1000, 1.0, neutral}})));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), makeSolver<Gruba>);
    while (run.time() < 3600 && run.step()) {
    }
    const double saturated = run.solver().massGain();
    EXPECT_TRUE(run.solver().carbideCarbon().empty() ||
                *std::max_element(run.solver().carbideCarbon().begin(),
                                  run.solver().carbideCarbon().end()) == 0)
        << "none while the surface is held at the limit";
    double mostCarbide = 0; // % C
    while (run.time() < 1.5 * 3600 && run.step()) {
        const auto& c = run.solver().carbon();
        ASSERT_LE(*std::max_element(c.begin() + 1, c.end()),
                  run.furnace().solubilityC + boundTolerance);
        const auto& e = run.solver().carbideCarbon();
        mostCarbide = std::max(mostCarbide, *std::max_element(e.begin(), e.end()));
    }
    EXPECT_GT(mostCarbide, 0.05) << "the surface at 1000 °C's limit holds more than 850 °C's";
    EXPECT_TRUE(run.solver().deepestCarbide());
    EXPECT_NEAR(run.solver().massGain(), saturated, neutralDrift * saturated);
    while (run.step()) {
    }
    EXPECT_FALSE(run.solver().deepestCarbide()) << "dissolved at 1000 °C";
    EXPECT_NEAR(run.solver().massGain(), saturated, neutralDrift * saturated);
}

// Without the setting no cementite is kept, and the dissolved carbon is what it always was.
TEST(Carbides, NoneWithoutTheSetting) {
    const ScratchSet set(stagedProcess(
        ck, 2e-5, {{0, 920, 0.8}, {1, 920, 0.8, StageCondition{SurfaceCondition::Boost, 0.01}}}));
    DrivenSample run(set.file(), makeSolver<Gruba>);
    while (run.step()) {
    }
    EXPECT_TRUE(run.solver().carbideCarbon().empty());
    EXPECT_FALSE(run.solver().deepestCarbide());
}

TEST(Carbides, TheWarningNamesTheDepth) {
    EXPECT_FALSE(carbideWarning(std::nullopt));
    const auto warning = carbideWarning(0.1234);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->find("down to 0.123 mm"), std::string::npos) << *warning;
}

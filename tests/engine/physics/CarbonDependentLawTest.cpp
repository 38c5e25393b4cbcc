// The carbon-dependent diffusivity laws in every kind: carbon is still conserved and no node
// leaves the range of the potentials and the steel, although D now rises steeply with carbon and
// the time step must follow the largest D on the grid, not the surface's.

#include "ProcessSettings.h"
#include "SampleKinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string>
#include <tuple>

namespace {

constexpr double ck = 0.2; // % C

// As the standard law's mass balance: the surface half cell against the central difference.
constexpr double massBalanceTolerance = 0.005; // relative
// Rounding only, as for the standard law.
constexpr double boundTolerance = 1e-12; // % C

// % C · µm of carbon in g/m²: % → mass fraction, µm → m, times the steel's density.
constexpr double gramsPerSquareMetre = 0.01 * 1e-6 * 7.8e6;

using LawAndKind = std::tuple<DiffusivityModel, SampleKindCase>;

std::string lawAndKindName(const testing::TestParamInfo<LawAndKind>& row) {
    const std::string law(diffusivityWord(std::get<0>(row.param)));
    std::string name;
    for (const char ch : law)
        if (ch != '-')
            name += ch;
    return name + "_" + std::get<1>(row.param).name;
}

ProcessRecord underLaw(ProcessRecord process, DiffusivityModel law) {
    process.settings.diffusivity = law;
    return process;
}

class LawMassBalance : public testing::TestWithParam<LawAndKind> {};
class LawMaximumPrinciple : public testing::TestWithParam<LawAndKind> {};

} // namespace

TEST_P(LawMassBalance, GainEqualsTheFluxThroughTheSurface) {
    const auto& [law, kind] = GetParam();
    const ScratchSet set(
        underLaw(stagedProcess(ck, 2e-5, {{0, 940, 1.1}, {kind.duration, 940, 1.1}}, kind.shape,
                               kind.thickness),
                 law));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), kind.make);
    double uptake = 0; // % C · µm
    while (run.step()) {
        const double surface = (run.surfaceBefore() + run.solver().carbon()[1]) / 2;
        uptake += run.solver().transferCoefficient() * (run.furnace().potentialC - surface) *
                  run.furnace().timeStep;
    }
    double gain = run.solver().massGain();
    if (kind.perLength)
        gain /= 2 * std::numbers::pi * run.parametry().grub * 1e-6;
    const double expected = uptake * gramsPerSquareMetre;
    ASSERT_GT(expected, 0);
    EXPECT_NEAR(gain, expected, massBalanceTolerance * expected);
}

// A boost, then a lower potential: the surface turns leaner than the case below it, where D is
// largest; a step sized on the surface alone would let those nodes overshoot.
TEST_P(LawMaximumPrinciple, NoNodeLeavesTheRangeOfTheSurfaceAndSteel) {
    const auto& [law, kind] = GetParam();
    const double end = kind.duration;
    const StageCondition boost{SurfaceCondition::Boost, std::nullopt};
    const ScratchSet set(underLaw(
        stagedProcess(
            ck, 2e-5,
            {{0, 950, 1.2}, {0.4 * end, 950, 1.2, boost}, {0.45 * end, 900, 0.6}, {end, 900, 0.6}},
            kind.shape, kind.thickness),
        law));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), kind.make);
    double highest = ck;
    double richest = ck;
    while (run.step()) {
        // The boost's limit at the hottest temperature bounds every later profile.
        if (run.furnace().condition.kind == SurfaceCondition::Boost)
            highest = std::max(highest, run.furnace().saturationC);
        const auto& c = run.solver().carbon();
        const auto [low, high] = std::minmax_element(c.begin() + 1, c.end());
        ASSERT_LE(*high, highest + boundTolerance) << "at " << run.time() << " s";
        ASSERT_GE(*low, std::min(0.6, ck) - boundTolerance) << "at " << run.time() << " s";
        richest = std::max(richest, *high);
    }
    EXPECT_GT(richest, 1.0);
}

INSTANTIATE_TEST_SUITE_P(EveryLaw, LawMassBalance,
                         testing::Combine(testing::Values(DiffusivityModel::Standard,
                                                          DiffusivityModel::Tibbetts,
                                                          DiffusivityModel::SlyckeEricsson),
                                          testing::ValuesIn(sampleKinds)),
                         lawAndKindName);
INSTANTIATE_TEST_SUITE_P(EveryLaw, LawMaximumPrinciple,
                         testing::Combine(testing::Values(DiffusivityModel::Standard,
                                                          DiffusivityModel::Tibbetts,
                                                          DiffusivityModel::SlyckeEricsson),
                                          testing::ValuesIn(sampleKinds)),
                         lawAndKindName);

// The law a file names is the one its nodes take: each step's diffusivities are the law's at
// the carbon the step starts from.
TEST(DiffusivityLaws, TheFileChoosesTheLawOfEveryNode) {
    for (const DiffusivityModel law : {DiffusivityModel::Standard, DiffusivityModel::Tibbetts,
                                       DiffusivityModel::SlyckeEricsson}) {
        const ScratchSet set(
            underLaw(stagedProcess(ck, 2e-5, {{0, 930, 1.0}, {2, 930, 1.0}}), law));
        DrivenSample run(set.file(), makeSolver<Gruba>);
        const Diffusivity expected(law, 930 + 273);
        for (int step = 0; step < 50; ++step) {
            const std::vector<double> before = run.solver().carbon();
            ASSERT_TRUE(run.step());
            for (std::size_t i = 1; i < before.size(); ++i)
                ASSERT_EQ(run.solver().diffusivities()[i], expected(before[i]))
                    << diffusivityWord(law) << " node " << i;
        }
    }
}

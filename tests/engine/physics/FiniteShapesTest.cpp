// Finite samples against the semi-infinite one and against their own centre: a plate or a
// cylinder whose carbon has not come near the centre cannot tell that it is finite, and a foil
// or a wire left in the atmosphere long enough ends uniformly at the potential.

#include "Material.h"
#include "SampleKinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

constexpr double ck = 0.2;        // % C
constexpr double potential = 1.0; // % C
constexpr double celsius = 920;

// Steps until the run's clock reaches `t` (s), which must be a row of its programme.
void runUntil(DrivenSample& run, double t) {
    while (run.time() < t && run.step()) {
    }
    ASSERT_EQ(run.time(), t);
}

TEST(Plate, GrowsExactlyAsTheSemiInfiniteSampleUntilItsGridReachesTheMidPlane) {
    const ScratchSet set(stagedProcess(ck, 2e-5, {{0, celsius, potential}, {8, celsius, potential}},
                                       SampleShape::Plate, 4));
    ASSERT_TRUE(set.written());
    DrivenSample plate(set.file(), makeSolver<Plyta>);
    DrivenSample flat(set.file(), makeSolver<Gruba>);
    const auto midPlane = static_cast<std::size_t>(plate.parametry().N);

    std::size_t steps = 0;
    while (plate.solver().carbon().size() - 1 < midPlane) {
        ASSERT_TRUE(plate.step()) << "the carbon never reached the mid-plane";
        ASSERT_TRUE(flat.step());
        ASSERT_EQ(plate.time(), flat.time()) << "step " << steps;
        ASSERT_EQ(plate.solver().carbon(), flat.solver().carbon()) << "step " << steps;
        ++steps;
    }
    EXPECT_EQ(plate.solver().carbon().size(), midPlane + 1);
}

TEST(Cylinder, OfLargeRadiusFollowsTheSemiInfiniteSample) {
    const double diameter = 100; // mm
    const ScratchSet set(stagedProcess(ck, 2e-5,
                                       {{0, celsius, potential},
                                        {1, celsius, potential},
                                        {2, celsius, potential},
                                        {4, celsius, potential},
                                        {8, celsius, potential}},
                                       SampleShape::Cylinder, diameter));
    ASSERT_TRUE(set.written());
    DrivenSample cylinder(set.file(), makeSolver<Walec>);
    DrivenSample flat(set.file(), makeSolver<Gruba>);
    const double radius = cylinder.parametry().grub; // µm
    const double fastest = DiffusivityLaw(celsius + 273)(potential);

    for (const double hours : {1.0, 2.0, 4.0, 8.0}) {
        const double t = hours * 3600;
        runUntil(cylinder, t);
        runUntil(flat, t);
        ASSERT_LT(cylinder.solver().carbon().size() - 1,
                  static_cast<std::size_t>(cylinder.parametry().N))
            << "the carbon reached the axis";
        // To first order in 1/R the cylinder's equation is the flat one with the source
        // D·|∂c/∂x|/R, which over time t adds about √(D·t)/R of the carbon difference (a
        // quarter of that in practice); diffusion is fastest at the potential.
        const double curvatureTolerance = std::sqrt(fastest * t) / radius * (potential - ck);
        const auto& round = cylinder.solver().carbon();
        const auto& straight = flat.solver().carbon();
        ASSERT_EQ(round.size(), straight.size()) << hours << " h";
        for (std::size_t i = 1; i < round.size(); ++i)
            EXPECT_NEAR(round[i], straight[i], curvatureTolerance)
                << "node " << i << " at " << hours << " h";
    }
}

struct ThinSample {
    const char* name;
    SampleShape shape;
    double thickness; // mm
    double seconds;   // programme length
    SolverFactory make;
};

void PrintTo(const ThinSample& sample, std::ostream* out) {
    *out << sample.name;
}

// The uptake's slowest time constant is below grub/β + grub²/D (transfer through the surface,
// then diffusion to the centre): under 190 s for the 0.05 mm foil and 15 s for the 0.01 mm
// wire at β = 0.2 µm/s. Their programmes last nineteen and forty such constants, which leaves
// less than e⁻¹⁹ ≈ 6e-9 of the potential difference; the rest is rounding over many steps.
constexpr double settledTolerance = 1e-6; // % C

class ThinSampleAtLength : public testing::TestWithParam<ThinSample> {};

TEST_P(ThinSampleAtLength, EndsUniformlyAtThePotential) {
    const ThinSample& sample = GetParam();
    const ScratchSet set(
        stagedProcess(ck, 2e-5, {{0, celsius, potential}, {sample.seconds, celsius, potential}},
                      sample.shape, sample.thickness));
    ASSERT_TRUE(set.written());
    DrivenSample run(set.file(), sample.make);
    while (run.step()) {
    }

    const auto& c = run.solver().carbon();
    for (std::size_t i = 1; i < c.size(); ++i)
        EXPECT_NEAR(c[i], potential, settledTolerance) << "node " << i;
    EXPECT_NEAR(run.solver().meanCarbon().value_or(0), potential - ck, settledTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    FoilAndWire, ThinSampleAtLength,
    testing::Values(ThinSample{"Foil", SampleShape::Foil, 0.05, 3600, makeSolver<Folia>},
                    ThinSample{"Wire", SampleShape::Wire, 0.01, 600, makeSolver<Drut>}),
    [](const testing::TestParamInfo<ThinSample>& row) { return std::string(row.param.name); });

} // namespace

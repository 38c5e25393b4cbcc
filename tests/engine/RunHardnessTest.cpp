#include "RunHardness.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 16MnCr5: Cr, Mo, Mn, Si, Ni
const std::vector<double> sklad{0.95, 0, 1.15, 0.25, 0};
// A resampled case: the ghost point, the surface, then 0.2 mm apart down to the steel's carbon.
const std::vector<double> X{-200, 0, 200, 400, 600, 800, 1000, 1200};
const std::vector<double> C{0.86, 0.85, 0.74, 0.6, 0.45, 0.3, 0.2, 0.165};
constexpr double ck = 0.165;

HardeningLines oilQuench() {
    HardeningLines lines;
    lines.quench = QuenchSetting{QuenchMedium::Oil, 60, std::nullopt, std::nullopt};
    return lines;
}

} // namespace

TEST(RunHardness, WithoutAQuenchIsTheGradeCurvesAsBefore) {
    const RunHardness model(HardeningLines{}, ck, sklad, SampleShape::Cylinder, 25);
    EXPECT_FALSE(model.fromQuench());
    const CaseHardness profile = model.of(X, C);
    const CaseHardness grades = caseHardness(X, C, ck, sklad);
    EXPECT_EQ(profile.depth, grades.depth);
    EXPECT_EQ(profile.hv, grades.hv);
    EXPECT_TRUE(profile.austenite.empty());
    EXPECT_FALSE(profile.fromQuench);
}

TEST(RunHardness, FromTheQuenchGivesTheAusteniteOfEveryPointOfTheCase) {
    const RunHardness model(oilQuench(), ck, sklad, SampleShape::Cylinder, 25);
    ASSERT_TRUE(model.fromQuench());
    const CaseHardness profile = model.of(X, C);
    EXPECT_TRUE(profile.fromQuench);
    ASSERT_EQ(profile.depth.size(), 6U) << "the points above ck + 0.01 % C, as the grade curves";
    ASSERT_EQ(profile.austenite.size(), profile.depth.size());
    // Ms of 0.85 % C: 539 − 359.55 − 34.96 − 11.495 = 132.995 °C; bath 60 °C
    ASSERT_TRUE(profile.surfaceMsC);
    EXPECT_NEAR(*profile.surfaceMsC, 132.995, 1e-9);
    EXPECT_LE(profile.austenite[0], retainedAustenite(132.995, 60) + 1e-9);
    EXPECT_GT(profile.austenite[0], profile.austenite[3]) << "the richer case keeps more";
    ASSERT_TRUE(profile.coreHv);
    EXPECT_LT(*profile.coreHv, profile.hv.back());
    EXPECT_FALSE(profile.notes.empty()) << "a case above 0.7 % C is beyond A255's hardness";
}

TEST(RunHardness, ASectionOnTheQuenchLineReplacesTheSamplesSize) {
    HardeningLines thin = oilQuench(), thick = oilQuench();
    thin.quench->sectionMm = 5;
    thick.quench->sectionMm = 150;
    const std::vector<double> coreX{-200, 0, 200}, coreC{0.2, 0.2, 0.2};
    const double hvThin =
        RunHardness(thin, 0.16, sklad, SampleShape::SemiInfinite, 0).of(coreX, coreC).hv[0];
    const double hvThick =
        RunHardness(thick, 0.16, sklad, SampleShape::SemiInfinite, 0).of(coreX, coreC).hv[0];
    EXPECT_GT(hvThin, hvThick + 30);
}

TEST(RunHardness, TakesTheFurtherElementsAndTheGrainSizeFromTheChemistryLine) {
    ExtraElements extra;
    extra.cu = 0.2;
    extra.grainSize = 8;
    const SteelChemistry steel = steelChemistry(0.2, sklad, extra);
    EXPECT_EQ(steel.cr, 0.95);
    EXPECT_EQ(steel.mn, 1.15);
    EXPECT_EQ(steel.si, 0.25);
    EXPECT_EQ(steel.cu, 0.2);
    EXPECT_EQ(steel.grainSize, 8);
    EXPECT_EQ(steelChemistry(0.2, sklad, std::nullopt).grainSize, 7);
}

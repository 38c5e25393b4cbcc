// The hardness model's relations against values computed by hand (python3 from the relations'
// published constants), the clamps at the ends of their ranges, and the cooling of a section
// against the exact heat-conduction series (mpmath, 30 digits).
#include "Hardenability.h"
#include "HardnessScale.h"
#include "QuenchCooling.h"
#include "QuenchHardness.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <ostream>
#include <string>

namespace {

// The hand values are printed to 13 digits and more; the relations are evaluated in double.
constexpr double handTolerance = 1e-9;
// Bisection ends within 1e-9 of a root; 80 series terms leave a truncation below 1e-6.
constexpr double seriesTolerance = 1e-5;

SteelChemistry steel(double c, double mn, double si, double ni, double cr, double mo) {
    SteelChemistry s;
    s.c = c;
    s.mn = mn;
    s.si = si;
    s.ni = ni;
    s.cr = cr;
    s.mo = mo;
    return s;
}

struct FactorCase {
    const char* name;
    SteelChemistry chemistry;
    double di; // inches, hand value
};

void PrintTo(const FactorCase& row, std::ostream* out) {
    *out << row.name;
}

class IdealCriticalDiameter : public testing::TestWithParam<FactorCase> {};

} // namespace

TEST_P(IdealCriticalDiameter, IsTheProductOfTheMultiplyingFactors) {
    RangeNotes notes;
    EXPECT_NEAR(idealCriticalDiameter(GetParam().chemistry, notes), GetParam().di, handTolerance);
    EXPECT_TRUE(notes.notes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Steels, IdealCriticalDiameter,
    testing::Values(
        FactorCase{"16MnCr5", steel(0.16, 1.15, 0.25, 0, 0.95, 0), 1.4975434828368002},
        FactorCase{"8620", steel(0.20, 0.80, 0.25, 0.55, 0.50, 0.20), 1.857666588159284},
        FactorCase{"20MnCr5", steel(0.20, 1.25, 0.25, 0, 1.15, 0), 2.323338498},
        FactorCase{"18CrNiMo7-6", steel(0.18, 0.7, 0.25, 1.55, 1.65, 0.30), 5.158706143022221}),
    [](const testing::TestParamInfo<FactorCase>& row) {
        std::string name;
        for (const char* c = row.param.name; *c; ++c)
            if (std::isalnum(static_cast<unsigned char>(*c)))
                name += *c;
        return name;
    });

TEST(CarbonFactor, FollowsA255sPiecesForGrainSizeSeven) {
    RangeNotes notes;
    EXPECT_NEAR(carbonFactor(0.20, 7, notes), 0.108, handTolerance);
    EXPECT_NEAR(carbonFactor(0.45, 7, notes), 0.2251125, handTolerance);
    EXPECT_NEAR(carbonFactor(0.60, 7, notes), 0.26212, handTolerance);
    EXPECT_NEAR(carbonFactor(0.70, 7, notes), 0.283, handTolerance);
    EXPECT_NEAR(carbonFactor(0.80, 7, notes), 0.3028, handTolerance);
    EXPECT_TRUE(notes.notes().empty());
}

TEST(CarbonFactor, TakesCarbonBeyondTheTableAtItsEndAndSaysSo) {
    RangeNotes notes;
    EXPECT_NEAR(carbonFactor(1.05, 7, notes), 0.32075, handTolerance);
    ASSERT_EQ(notes.notes().size(), 1U);
    EXPECT_EQ(notes.notes()[0],
              "C 1.05 % is beyond the range of A255's carbon factor (0.05-0.9 %): taken as 0.9 %");
    carbonFactor(1.1, 7, notes);
    EXPECT_EQ(notes.notes().size(), 1U) << "one note per quantity and relation";
}

TEST(CarbonFactor, AFinerGrainLowersIt) {
    RangeNotes notes;
    EXPECT_NEAR(carbonFactor(0.2, 8, notes), 0.108 * 0.91, handTolerance);
    EXPECT_GT(carbonFactor(0.2, 6, notes), carbonFactor(0.2, 7, notes));
}

TEST(AlloyFactor, ManganeseChangesSlopeAt1_2Percent) {
    RangeNotes notes;
    SteelChemistry low = steel(0.2, 1.0, 0, 0, 0, 0), high = steel(0.2, 1.5, 0, 0, 0, 0);
    EXPECT_NEAR(alloyFactor(low, notes), 4.3333, handTolerance);
    EXPECT_NEAR(alloyFactor(high, notes), 6.53, handTolerance);
}

TEST(AlloyFactor, ClampsNickelBeyondTheTableInsteadOfExtrapolating) {
    RangeNotes notes;
    EXPECT_NEAR(alloyFactor(steel(0.1, 0, 0, 3.25, 0, 0), notes), 1.726, handTolerance);
    ASSERT_EQ(notes.notes().size(), 1U);
    EXPECT_NE(notes.notes()[0].find("Ni 3.25 %"), std::string::npos);
}

TEST(AlloyFactor, CountsCopperVanadiumAndEffectiveBoron) {
    RangeNotes notes;
    SteelChemistry s = steel(0.2, 0, 0, 0, 0, 0);
    s.cu = 0.10;
    s.v = 0.05;
    EXPECT_NEAR(alloyFactor(s, notes), 1.0365 * 1.0865, handTolerance);
    s.b = 0.002;
    EXPECT_NEAR(alloyFactor(s, notes), 1.0365 * 1.0865 * 2.05, handTolerance);
}

TEST(AlloyFactor, NamesAnElementWithoutAFactor) {
    RangeNotes notes;
    SteelChemistry s = steel(0.2, 0, 0, 0, 0, 0);
    s.w = 0.3;
    EXPECT_DOUBLE_EQ(alloyFactor(s, notes), 1.0);
    ASSERT_EQ(notes.notes().size(), 1U);
    EXPECT_EQ(notes.notes()[0], "W has no factor in A255: not counted in the hardenability");
}

TEST(QuenchedEndHardness, IsA255sPolynomialWithinItsRange) {
    RangeNotes notes;
    EXPECT_NEAR(quenchedEndHardness(0.2, notes), 44.16474368, 1e-8);
    EXPECT_NEAR(quenchedEndHardness(0.4, notes), 56.05578336, 1e-8);
}

TEST(QuenchedEndHardness, DoesNotFollowThePolynomialDownBeyond0_7PercentCarbon) {
    RangeNotes notes;
    const double atEnd = quenchedEndHardness(0.7, notes);
    EXPECT_TRUE(notes.notes().empty());
    EXPECT_DOUBLE_EQ(quenchedEndHardness(1.0, notes), atEnd);
    EXPECT_EQ(notes.notes().size(), 1U);
}

TEST(JominyCurve, FallsFromTheQuenchedEndHardness) {
    RangeNotes notes;
    const SteelChemistry s = steel(0.2, 0.8, 0.25, 0.55, 0.5, 0.2);
    double previous = quenchedEndHardness(s.c, notes);
    for (const double mm : {1.5, 5.0, 11.0, 25.0, 50.0}) {
        const double hrc = jominyHardness(s, mm, notes);
        EXPECT_LT(hrc, previous) << mm << " mm";
        previous = hrc;
    }
    EXPECT_GE(previous, 20.0);
}

TEST(MartensiteShare, IsOneHalfWhereTheJominyDistanceMatchesTheIdealDiameter) {
    EXPECT_DOUBLE_EQ(martensiteShare(jominyDistanceOfIdealRound(2.0), 2.0), 0.5);
    // J = 2·2 + 0.5·4 = 6 sixteenths of an inch
    EXPECT_NEAR(jominyDistanceOfIdealRound(2.0), 6 * 25.4 / 16, handTolerance);
}

TEST(MartensiteStart, IsAndrewsLinearRelation) {
    RangeNotes notes;
    EXPECT_NEAR(martensiteStart(steel(0.8, 1.15, 0.25, 0, 0.95, 0), notes), 154.145, handTolerance);
    EXPECT_NEAR(martensiteStart(steel(0.2, 0.8, 0.25, 0.55, 0.5, 0.2), notes), 412.795,
                handTolerance);
    EXPECT_TRUE(notes.notes().empty());
    martensiteStart(steel(1.4, 0, 0, 0, 0, 0), notes);
    EXPECT_EQ(notes.notes().size(), 1U);
}

TEST(RetainedAustenite, IsKoistinenMarburger) {
    EXPECT_NEAR(retainedAustenite(200, 25), 14.587575685622742, 1e-8);
    EXPECT_NEAR(retainedAustenite(200, -196), 1.2829603563674319, 1e-9);
    EXPECT_DOUBLE_EQ(retainedAustenite(200, 200), 100.0);
    EXPECT_DOUBLE_EQ(retainedAustenite(150, 180), 100.0);
}

TEST(HardnessScale, ConvertsByTheE140Rows) {
    EXPECT_DOUBLE_EQ(hvFromHrc(60), 697);
    EXPECT_DOUBLE_EQ(hvFromHrc(52.5), 552);
    EXPECT_DOUBLE_EQ(hrcFromHv(550), 52.375);
    EXPECT_DOUBLE_EQ(hvFromHrc(68), 940);
    EXPECT_DOUBLE_EQ(hvFromHrc(75), 940);
    EXPECT_DOUBLE_EQ(hvFromHrc(10), 238);
    for (const double hrc : {20.0, 33.3, 47.9, 61.25, 68.0})
        EXPECT_NEAR(hrcFromHv(hvFromHrc(hrc)), hrc, handTolerance);
}

TEST(Tempering, UsesTheHollomonJaffeParameter) {
    const double parameter = temperingParameter(180, 2);
    EXPECT_NEAR(parameter, 453.15 * (20 + 0.30102999566398), 1e-9);
    EXPECT_NEAR(temperedHardness(800, parameter), 800 - (parameter - 8500) / 9500 * 600,
                handTolerance);
    EXPECT_DOUBLE_EQ(temperedHardness(800, 8000), 800);
    EXPECT_DOUBLE_EQ(temperedHardness(800, 30000), 200);
}

TEST(SectionCooling, MatchesTheExactSeriesOfARoundAndASlab) {
    // Round, Bi = 0.1 (H 0.1/in, 1 in): centre half-time Fo = 3.677563256; slab, Bi = 1.
    const SectionCooling round({SectionForm::Round, 25.4, 0.1});
    EXPECT_NEAR(round.halfCoolingFourier(12.7), 3.677563256004477, seriesTolerance);
    const SectionCooling slab({SectionForm::Slab, 25.4, 1.0});
    EXPECT_NEAR(slab.halfCoolingFourier(12.7), 1.088527614953738, seriesTolerance);
    const SectionCooling oil({SectionForm::Round, 25.0, 0.35});
    EXPECT_NEAR(oil.halfCoolingFourier(0), 0.9575509091304325, seriesTolerance);
}

TEST(SectionCooling, TheCentreOfAnIdeallyQuenchedRoundIsItsOwnIdealDiameter) {
    const SectionCooling ideal({SectionForm::Round, 50.8, 1e6});
    EXPECT_NEAR(ideal.idealDiameter(25.4), 2.0, 1e-4);
    EXPECT_NEAR(ideal.jominyDistance(0), 0, 1e-3);
}

TEST(SectionCooling, ASeverQuenchAndAPointNearTheSurfaceCoolFaster) {
    const SectionCooling oil({SectionForm::Round, 25, 0.35}), water({SectionForm::Round, 25, 1.0});
    EXPECT_LT(water.jominyDistance(12.5), oil.jominyDistance(12.5));
    EXPECT_LT(oil.jominyDistance(0.5), oil.jominyDistance(12.5));
    const SectionCooling plate({SectionForm::Slab, 25, 0.35});
    EXPECT_GT(plate.jominyDistance(12.5), oil.jominyDistance(12.5));
}

TEST(QuenchHardness, TheCaseKeepsAusteniteAndASubZeroTreatmentTransformsIt) {
    const SteelChemistry s = steel(0.16, 1.15, 0.25, 0, 0.95, 0);
    HardeningTreatment treatment;
    treatment.section = {SectionForm::Round, 25, 0.35};
    QuenchHardness quenched(s, treatment);
    const QuenchedPoint surface = quenched.at(0, 0.8);
    EXPECT_NEAR(surface.msC, 154.145, handTolerance);
    EXPECT_GT(surface.retainedAustenite, 10.0);
    EXPECT_LE(surface.retainedAustenite, retainedAustenite(154.145, 25) + handTolerance);
    treatment.subZeroC = -196;
    QuenchHardness frozen(s, treatment);
    EXPECT_LE(frozen.at(0, 0.8).retainedAustenite,
              retainedAustenite(154.145, -196) + handTolerance);
    EXPECT_GT(frozen.at(0, 0.8).hv, surface.hv);
}

TEST(QuenchHardness, TemperingSoftensAndTheCoreIsSofterThanTheCase) {
    const SteelChemistry s = steel(0.16, 1.15, 0.25, 0, 0.95, 0);
    HardeningTreatment treatment;
    QuenchHardness asQuenched(s, treatment);
    treatment.tempering = Tempering{180, 2};
    QuenchHardness tempered(s, treatment);
    EXPECT_LT(tempered.at(0.5, 0.6).hv, asQuenched.at(0.5, 0.6).hv);
    EXPECT_GT(asQuenched.at(0.5, 0.6).hv, asQuenched.at(12.5, 0.16).hv + 200);
}

#include "Material.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct DiffusivityCase {
    double carbon;
    double temperatureK;
    double expected; // µm²/s, to the digits given
};

void PrintTo(const DiffusivityCase& row, std::ostream* out) {
    *out << row.carbon << " %C, " << row.temperatureK << " K";
}

class StandardLaw : public testing::TestWithParam<DiffusivityCase> {};

// The law's published values are given to three decimals (11.420 is 11.4195 rounded twice).
constexpr double tableTolerance = 0.001;

} // namespace

TEST_P(StandardLaw, MatchesTheTabulatedValues) {
    const DiffusivityCase& row = GetParam();
    EXPECT_NEAR(DiffusivityLaw(row.temperatureK)(row.carbon), row.expected, tableTolerance);
}

INSTANTIATE_TEST_SUITE_P(Material, StandardLaw,
                         testing::Values(DiffusivityCase{0.0, 1198, 8.735},
                                         DiffusivityCase{0.2, 1198, 9.582},
                                         DiffusivityCase{0.8, 1198, 12.457},
                                         DiffusivityCase{1.2, 1173, 11.420},
                                         DiffusivityCase{1.2, 1223, 18.710}));

TEST(Material, DiffusivityRisesWithCarbonInTheAusteniteRange) {
    for (double temperature = 1173; temperature <= 1273; temperature += 25) {
        const DiffusivityLaw law(temperature);
        for (double carbon = 0; carbon < 2.0; carbon += 0.05)
            EXPECT_LT(law(carbon), law(carbon + 0.05)) << temperature << " K, " << carbon << " %C";
    }
}

TEST(Material, EstimatedDiffusivityAndFirstCellWidth) {
    EXPECT_NEAR(estimatedDiffusivity(1198), 22.87, 0.005);
    EXPECT_NEAR(firstCellWidth({0, 21600}, {1198, 1198}), 14.06, 0.005);
    EXPECT_NEAR(firstCellWidth({0, 14400}, {1173, 1150}), 9.906, 0.0005);
}

namespace {

// Hand values of the carbon-dependent laws, computed from their equations in double precision
// (python3) and given to six significant digits.
struct LawCase {
    double carbon;       // % C
    double temperatureK; // K
    double tibbetts;     // µm²/s
    double slyckeEricsson;
};

void PrintTo(const LawCase& row, std::ostream* out) {
    *out << row.carbon << " %C, " << row.temperatureK << " K";
}

class CarbonDependentLaws : public testing::TestWithParam<LawCase> {};

constexpr double sixDigits = 5e-6; // relative

} // namespace

TEST_P(CarbonDependentLaws, MatchTheHandValues) {
    const LawCase& row = GetParam();
    EXPECT_NEAR(tibbettsDiffusivity(row.carbon, row.temperatureK), row.tibbetts,
                sixDigits * row.tibbetts);
    EXPECT_NEAR(slyckeEricssonDiffusivity(row.carbon, row.temperatureK), row.slyckeEricsson,
                sixDigits * row.slyckeEricsson);
}

INSTANTIATE_TEST_SUITE_P(
    Material, CarbonDependentLaws,
    testing::Values(LawCase{0.0, 1173, 5.99512, 6.05788}, LawCase{0.2, 1173, 7.66978, 7.63592},
                    LawCase{0.8, 1173, 16.0597, 15.2104}, LawCase{1.2, 1203, 35.8783, 33.0361},
                    LawCase{1.3, 1323, 118.468, 111.396}, LawCase{0.5, 1223, 20.0438, 19.5596}));

TEST(Material, CarbonMoleFractionOfIronCarbon) {
    EXPECT_EQ(carbonMoleFraction(0), 0);
    EXPECT_NEAR(carbonMoleFraction(0.8), 0.0361407, 1e-7);
    // Cementite, Fe3C, holds 6.69 % C by mass (12.011 of 179.546 g/mol) and a quarter of its atoms
    // are carbon.
    EXPECT_NEAR(carbonMoleFraction(6.68964), 0.25, 1e-6);
}

TEST(Material, CarbonDependentLawsRiseWithCarbon) {
    for (double temperature = 1153; temperature <= 1323; temperature += 17)
        for (double carbon = 0; carbon < 2.0; carbon += 0.05) {
            EXPECT_LT(tibbettsDiffusivity(carbon, temperature),
                      tibbettsDiffusivity(carbon + 0.05, temperature));
            EXPECT_LT(slyckeEricssonDiffusivity(carbon, temperature),
                      slyckeEricssonDiffusivity(carbon + 0.05, temperature));
        }
}

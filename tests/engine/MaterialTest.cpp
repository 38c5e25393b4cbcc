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

class Diffusivity : public testing::TestWithParam<DiffusivityCase> {};

// The law's published values are given to three decimals (11.420 is 11.4195 rounded twice).
constexpr double tableTolerance = 0.001;

} // namespace

TEST_P(Diffusivity, MatchesTheTabulatedValues) {
    const DiffusivityCase& row = GetParam();
    EXPECT_NEAR(DiffusivityLaw(row.temperatureK)(row.carbon), row.expected, tableTolerance);
}

INSTANTIATE_TEST_SUITE_P(Material, Diffusivity,
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

#include "CarburizingSteels.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The values are the middles of ranges given to two decimals: a third decimal of 5 at most.
constexpr double tableTolerance = 1e-12;

class OfferedSteel : public testing::TestWithParam<const char*> {};

} // namespace

TEST_P(OfferedSteel, IsInTheTableWithACarburizingSteelsComposition) {
    const auto steel = carburizingSteel(GetParam());
    ASSERT_TRUE(steel);
    EXPECT_EQ(steel->name, GetParam());
    EXPECT_GT(steel->c, 0.08);
    EXPECT_LT(steel->c, 0.25) << "a carburizing steel holds little carbon";
    EXPECT_GT(steel->mn, 0.3);
    EXPECT_LT(steel->cr + steel->ni + steel->mo, 6.0);
}

INSTANTIATE_TEST_SUITE_P(Grades, OfferedSteel,
                         testing::Values("16MnCr5", "20MnCr5", "20MoCr4", "18CrNiMo7-6",
                                         "17NiCrMo6-4", "16NiCrMo13", "23MnCrMo5", "8620", "4320",
                                         "9310", "20NiCrMo2"));

TEST(CarburizingSteels, HoldTheMiddleOfTheirRanges) {
    const auto steel = carburizingSteel("16MnCr5"); // C 0.14-0.19, Mn 1.00-1.30, Cr 0.80-1.10
    ASSERT_TRUE(steel);
    EXPECT_NEAR(steel->c, 0.165, tableTolerance);
    EXPECT_NEAR(steel->mn, 1.15, tableTolerance);
    EXPECT_NEAR(steel->cr, 0.95, tableTolerance);
    const auto sae = carburizingSteel("8620"); // Ni 0.40-0.70, Mo 0.15-0.25
    ASSERT_TRUE(sae);
    EXPECT_NEAR(sae->ni, 0.55, tableTolerance);
    EXPECT_NEAR(sae->mo, 0.20, tableTolerance);
    EXPECT_EQ(sae->standard, "SAE J404");
}

TEST(CarburizingSteels, NameEachSteelOnceAndKnowNoOther) {
    std::set<std::string> names;
    for (const CarburizingSteel& steel : carburizingSteels())
        EXPECT_TRUE(names.insert(std::string(steel.name)).second) << steel.name;
    EXPECT_FALSE(carburizingSteel("16mncr5")) << "names are exact";
    EXPECT_FALSE(carburizingSteel(""));
}

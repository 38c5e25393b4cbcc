#include "SteelGrades.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <vector>

namespace {

struct GradeCase {
    double mn, ni, cr, mo;
    const char* grade;
};

void PrintTo(const GradeCase& row, std::ostream* out) {
    *out << "Mn " << row.mn << " Ni " << row.ni << " Cr " << row.cr << " Mo " << row.mo;
}

class Classifier : public testing::TestWithParam<GradeCase> {};

std::vector<double> sklad(double cr, double mo, double mn, double ni) {
    return {cr, mo, mn, 0.3, ni};
}

} // namespace

TEST_P(Classifier, TakesTheFirstGradeWhoseWindowsAllHold) {
    const GradeCase& row = GetParam();
    EXPECT_EQ(steelGrade(sklad(row.cr, row.mo, row.mn, row.ni)), row.grade);
}

INSTANTIATE_TEST_SUITE_P(
    SteelGrades, Classifier,
    testing::Values(GradeCase{0, 0, 0, 0, " stal węglowa "}, GradeCase{0.9, 0.3, 0.3, 0, " Mn0.9 "},
                    GradeCase{0.9, 0.4, 0.3, 0, " stal węglowa "},    // Ni window is strict
                    GradeCase{0.8, 0.8, 0.6, 0.05, " stal węglowa "}, // lower Mo bound strict
                    GradeCase{0.6, 1.8, 1.2, 0.1, " Mn0.6Ni2.0Cr1.6Mo0.2 "},
                    GradeCase{0.7, 0.1, 0.5, 0.3, " Mn0.7Cr0.5Mo0.4 "},
                    GradeCase{0.2, 2.0, 0.2, 0.0, " Ni2.0 "}));

TEST(SteelGrades, CarbonSteelCurve) {
    EXPECT_NEAR(hardness(" stal węglowa ", 0.8), 890.9, 0.05);
}

// Every curve must give a hardness that is positive and, up to the eutectoid carbon where the
// case is hardest, rising with carbon, as martensite does.
TEST(SteelGrades, CurvesAreSoundOverTheCase) {
    const char* names[] = {" stal węglowa ", " Mn1.1Cr1.0 ", " Mn0.7Cr0.5Mo0.4 ",
                           " Mn0.8Ni0.8Cr0.6Mo0.1 ", " Mn0.4Ni4.0Cr1.2Mo0.2 "};
    for (const char* name : names)
        for (double carbon = 0.1; carbon < 0.65; carbon += 0.05) {
            EXPECT_GT(hardness(name, carbon), 0) << name << carbon;
            EXPECT_LT(hardness(name, carbon), hardness(name, carbon + 0.05)) << name << carbon;
        }
}

// One steel inside the windows of each grade.
class EveryGrade : public testing::TestWithParam<GradeCase> {};

// A case after a boost stage reaches 1.0–1.2 % C at its surface: no curve may give a hardness
// below zero there, nor anywhere between the core and that.
TEST_P(EveryGrade, HardnessIsNeverBelowZeroUpTo125PercentCarbon) {
    const GradeCase& row = GetParam();
    const std::string_view grade = steelGrade(sklad(row.cr, row.mo, row.mn, row.ni));
    ASSERT_EQ(grade, row.grade);
    for (int step = 0; step <= 125; ++step) {
        const double carbon = step / 100.0;
        EXPECT_GE(hardness(grade, carbon), 0) << carbon << " % C";
    }
}

INSTANTIATE_TEST_SUITE_P(SteelGrades, EveryGrade,
                         testing::Values(GradeCase{0, 0, 0, 0, " stal węglowa "},
                                         GradeCase{0.2, 2.0, 0.2, 0, " Ni2.0 "},
                                         GradeCase{0.9, 0.3, 0.3, 0, " Mn0.9 "},
                                         GradeCase{1.1, 0.2, 1.0, 0, " Mn1.1Cr1.0 "},
                                         GradeCase{1.0, 0.9, 0.7, 0, " Mn1.0Ni0.9Cr0.7 "},
                                         GradeCase{0.5, 2.0, 2.0, 0, " Mn0.5Ni2.0Cr2.0 "},
                                         GradeCase{0.6, 1.6, 0.5, 0.3, " Mn0.6Ni1.6Cr0.5Mo0.5 "},
                                         GradeCase{0.7, 0.1, 0.5, 0.3, " Mn0.7Cr0.5Mo0.4 "},
                                         GradeCase{0.8, 0.8, 0.6, 0.1, " Mn0.8Ni0.8Cr0.6Mo0.1 "},
                                         GradeCase{0.8, 1.2, 1.0, 0.15, " Mn0.8Ni1.2Cr1.0Mo0.15 "},
                                         GradeCase{0.6, 2.0, 1.6, 0.2, " Mn0.6Ni2.0Cr1.6Mo0.2 "},
                                         GradeCase{0.7, 1.6, 1.0, 0.1, " Mn0.7Ni1.6Cr1.0Mo0.1 "},
                                         GradeCase{0.4, 4.0, 1.2, 0.2, " Mn0.4Ni4.0Cr1.2Mo0.2 "}));

// The bell and peak curves are hardest at their centre μ; a polynomial where its slope turns.
TEST(SteelGrades, HardestCarbonIsWhereTheCurveTurns) {
    EXPECT_NEAR(hardestCarbon(" stal węglowa "), 0.80975, 5e-4);
    EXPECT_NEAR(hardestCarbon(" Mn0.8Ni1.2Cr1.0Mo0.15 "), 0.771844, 5e-4);
    // 492.03 + 2·1598.9·C − 3·1572.3·C² = 0
    const double ni20 =
        (2 * 1598.9 + std::sqrt(std::pow(2 * 1598.9, 2) + 4 * 3 * 1572.3 * 492.03)) /
        (2 * 3 * 1572.3);
    EXPECT_NEAR(hardestCarbon(" Ni2.0 "), ni20, 5e-4);
}

#include "PartSpecification.h"
#include "HardnessScale.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Table values and their linear interpolation are exact to a few ulps.
constexpr double tolerance = 1e-9;

struct ConversionCase {
    const char* name;
    double hrc;
    std::optional<double> hv;
};

void PrintTo(const ConversionCase& row, std::ostream* out) {
    *out << row.name;
}

class RockwellToVickers : public testing::TestWithParam<ConversionCase> {};

struct RefusalCase {
    const char* name;
    const char* text;
    const char* problem;
};

void PrintTo(const RefusalCase& row, std::ostream* out) {
    *out << row.name;
}

class Refusal : public testing::TestWithParam<RefusalCase> {};

std::vector<SpecLimit> limitsOf(std::string_view text) {
    const SpecReading reading = parsePartSpecification(text);
    EXPECT_TRUE(reading.limits) << reading.problem;
    return reading.limits.value_or(std::vector<SpecLimit>{});
}

} // namespace

TEST_P(RockwellToVickers, ByTheTableLinearBetweenItsRows) {
    const std::optional<double> hv = vickersFromRockwellC(GetParam().hrc);
    ASSERT_EQ(hv.has_value(), GetParam().hv.has_value());
    if (hv) {
        EXPECT_NEAR(*hv, *GetParam().hv, tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(HardnessScale, RockwellToVickers,
                         testing::Values(ConversionCase{"Lowest", 20, 238},
                                         ConversionCase{"Core30", 30, 302},
                                         ConversionCase{"Core45", 45, 446},
                                         ConversionCase{"Case58", 58, 653},
                                         ConversionCase{"Between58And59", 58.5, (653 + 674) / 2.0},
                                         ConversionCase{"QuarterPast61", 61.25, 720 + 0.25 * 26},
                                         ConversionCase{"Highest", 68, 940},
                                         ConversionCase{"BelowTheTable", 19.9, std::nullopt},
                                         ConversionCase{"AboveTheTable", 68.1, std::nullopt}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PartSpecification, ReadsEveryFormOfTheDrawing) {
    const std::vector<SpecLimit> limits =
        limitsOf("# gear 17-204, drawing rev. C\r\n"
                 "case-hardening depth: 0.80 .. 1.10 mm at 550 HV\r\n"
                 "case depth: 0.9 .. 1.3 mm at 0.35 % C\r\n"
                 "\r\n"
                 "surface carbon: 0.70 .. 1.00 % C  # as polished\r\n"
                 "surface hardness: >= 58 HRC\r\n"
                 "core hardness: 30 .. 45 HRC\r\n"
                 "retained austenite: <= 20 %\r\n"
                 "mass gain: 150..250 g/m2\r\n");
    ASSERT_EQ(limits.size(), 7u);
    EXPECT_EQ(limits[0].quantity, LimitQuantity::CaseHardeningDepth);
    EXPECT_EQ(limits[0].low, 0.80);
    EXPECT_EQ(limits[0].high, 1.10);
    EXPECT_EQ(limits[0].level, 550);
    EXPECT_EQ(limits[0].line, 2u);
    EXPECT_EQ(limits[0].written, "0.80 .. 1.10 mm at 550 HV");
    EXPECT_EQ(limits[1].quantity, LimitQuantity::CaseDepth);
    EXPECT_EQ(limits[1].level, 0.35);
    EXPECT_EQ(limits[2].quantity, LimitQuantity::SurfaceCarbon);
    EXPECT_EQ(limits[2].line, 5u);
    EXPECT_EQ(limits[2].written, "0.70 .. 1.00 % C");
    EXPECT_EQ(limits[3].quantity, LimitQuantity::SurfaceHardness);
    EXPECT_EQ(limits[3].low, 653);
    EXPECT_FALSE(limits[3].high);
    EXPECT_EQ(limits[4].low, 302);
    EXPECT_EQ(limits[4].high, 446);
    EXPECT_EQ(limits[5].quantity, LimitQuantity::RetainedAustenite);
    EXPECT_FALSE(limits[5].low);
    EXPECT_EQ(limits[5].high, 20);
    EXPECT_EQ(limits[6].quantity, LimitQuantity::MassGain);
    EXPECT_EQ(limits[6].low, 150);
    EXPECT_EQ(limits[6].high, 250);
}

TEST(PartSpecification, CaseHardeningDepthIsAt550HvUnlessTheDrawingSaysOtherwise) {
    const std::vector<SpecLimit> limits = limitsOf("case-hardening depth: >= 0.6 mm\n"
                                                   "case-hardening depth: >= 0.4 mm at 52 HRC\n");
    ASSERT_EQ(limits.size(), 2u);
    EXPECT_EQ(limits[0].level, 550);
    EXPECT_EQ(limits[1].level, 544);
}

TEST(PartSpecification, AClassOfAms2759Slash7SetsSurfaceCarbonAndRetainedAustenite) {
    for (const auto& [text, lowCarbon, highCarbon, austenite] :
         {std::tuple{"class: AMS 2759/7 class 1", 0.70, 1.00, 10.0},
          std::tuple{"class: AMS 2759/7 class 2", 0.75, 1.10, 20.0}}) {
        const std::vector<SpecLimit> limits = limitsOf(text);
        ASSERT_EQ(limits.size(), 2u) << text;
        EXPECT_EQ(limits[0].quantity, LimitQuantity::SurfaceCarbon);
        EXPECT_EQ(limits[0].low, lowCarbon);
        EXPECT_EQ(limits[0].high, highCarbon);
        EXPECT_EQ(limits[1].quantity, LimitQuantity::RetainedAustenite);
        EXPECT_FALSE(limits[1].low);
        EXPECT_EQ(limits[1].high, austenite);
        EXPECT_EQ(limits[1].source, std::string(text).substr(7));
        EXPECT_EQ(limits[1].line, 1u);
    }
}

TEST(PartSpecification, ALimitHoldsWithinItsBoundsTheirValuesIncluded) {
    const std::vector<SpecLimit> limits = limitsOf("case depth: 0.9 .. 1.3 mm at 0.35 % C\n"
                                                   "retained austenite: <= 20 %\n"
                                                   "surface hardness: >= 58 HRC\n");
    EXPECT_TRUE(limitHolds(limits[0], 0.9));
    EXPECT_TRUE(limitHolds(limits[0], 1.3));
    EXPECT_FALSE(limitHolds(limits[0], 0.899));
    EXPECT_FALSE(limitHolds(limits[0], 1.301));
    EXPECT_TRUE(limitHolds(limits[1], 0));
    EXPECT_FALSE(limitHolds(limits[1], 20.1));
    EXPECT_TRUE(limitHolds(limits[2], 653));
    EXPECT_FALSE(limitHolds(limits[2], 652));
}

TEST(PartSpecification, OnlyCommentsAndBlankLinesSetNoLimit) {
    EXPECT_TRUE(limitsOf("# nothing drawn yet\n\n   \n").empty());
}

TEST_P(Refusal, NamesTheLineAndTheRule) {
    const SpecReading reading = parsePartSpecification(GetParam().text);
    EXPECT_FALSE(reading.limits);
    EXPECT_EQ(reading.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    PartSpecification, Refusal,
    testing::Values(
        RefusalCase{"UnknownName", "# drawing\ncase hardness: >= 58 HRC\n",
                    "line 2: \"case hardness\" is not a limit this program knows; the names are "
                    "case-hardening depth, case depth, surface carbon, surface hardness, core "
                    "hardness, retained austenite, mass gain, class"},
        RefusalCase{"NoColon", "surface carbon 0.7 .. 1.0 % C",
                    "line 1: a limit is \"name: value\"; the names are case-hardening depth, case "
                    "depth, surface carbon, surface hardness, core hardness, retained austenite, "
                    "mass gain, class"},
        RefusalCase{"NoRange", "surface carbon: about 0.8 % C",
                    "line 1: a limit is \"a .. b\", \">= a\" or \"<= b\" followed by its unit"},
        RefusalCase{"BareNumber", "surface carbon: 0.8 % C",
                    "line 1: a limit is \"a .. b\", \">= a\" or \"<= b\" followed by its unit"},
        RefusalCase{"Inverted", "core hardness: 45 .. 30 HRC",
                    "line 1: the range's first number is above its second"},
        RefusalCase{"WrongUnit", "\ncase depth: 0.9 .. 1.3 HV at 0.35 % C",
                    "line 2: case depth is given in mm, not \"HV\""},
        RefusalCase{"NoUnit", "surface hardness: >= 58",
                    "line 1: surface hardness is given in HV or HRC"},
        RefusalCase{"CaseDepthWithoutLevel", "case depth: 0.9 .. 1.3 mm",
                    "line 1: case depth needs its carbon level, as in \"at 0.35 % C\""},
        RefusalCase{"LevelInTheWrongUnit", "case depth: 0.9 .. 1.3 mm at 550 HV",
                    "line 1: the level is given in % C"},
        RefusalCase{"LevelWithoutNumber", "case-hardening depth: >= 0.8 mm at HV",
                    "line 1: \"at\" is followed by a number and its unit"},
        RefusalCase{"LevelOnASurfaceValue", "surface carbon: >= 0.7 % C at 0.1 mm",
                    "line 1: \"at\" belongs to a case depth only"},
        RefusalCase{"HrcBeyondTheTable", "surface hardness: >= 70 HRC",
                    "line 1: 70 HRC lies outside the conversion table (20 to 68 HRC)"},
        RefusalCase{"HrcLevelBeyondTheTable", "case-hardening depth: >= 0.8 mm at 15 HRC",
                    "line 1: 15 HRC lies outside the conversion table (20 to 68 HRC)"},
        RefusalCase{"UnknownClass", "class: AMS 2759/7 class 3",
                    "line 1: the class is \"AMS 2759/7 class 1\" or \"AMS 2759/7 class 2\""},
        RefusalCase{"DecimalComma", "case depth: 0,9 .. 1,3 mm at 0.35 % C",
                    "line 1: a limit is \"a .. b\", \">= a\" or \"<= b\" followed by its unit"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PartSpecification, AFileThatCannotBeOpenedIsRefused) {
    const SpecReading reading = readPartSpecification("/nonexistent/part.txt");
    EXPECT_FALSE(reading.limits);
    EXPECT_EQ(reading.problem, "cannot be opened");
}

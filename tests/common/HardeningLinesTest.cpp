// The hardening settings as lines of a process-data file: read into the record, written back
// in the table's order, and refused with their line number and what the value must be.
#include "ProcessCheck.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const std::string plateFile = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n2\r\n"
                              "0 900 1\r\n4 900 0.8\r\nPlate\r\n4\r\n";
const std::string semiInfiniteFile = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n2\r\n"
                                     "0 900 1\r\n4 900 0.8\r\nSemi-infinitive sample\r\n";

std::string refusal(const std::string& text) {
    const HeadReading reading = readProcessHead(text);
    if (reading.head)
        return "read";
    return reading.problem.field + " " + reading.problem.rule;
}

struct LineRefusal {
    const char* name;
    std::string text;
    std::string said;
};

void PrintTo(const LineRefusal& row, std::ostream* out) {
    *out << row.name;
}

class HardeningLineRefusal : public testing::TestWithParam<LineRefusal> {};

} // namespace

TEST_P(HardeningLineRefusal, NamesTheLineAndWhatItMustBe) {
    EXPECT_EQ(refusal(GetParam().text), GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HardeningLineRefusal,
    testing::Values(
        LineRefusal{"UnknownMedium", plateFile + "quench: brine 20\r\n",
                    "line 15 gives quench \"brine 20\", which must be " +
                        std::string(quenchExpected)},
        LineRefusal{"MisspeltName", plateFile + "temper: 180 2\r\nquensh: oil 25\r\n",
                    "line 16 names no setting this program knows: \"quensh\" (known: "
                    "diffusivity, quench, temper, cryo, chemistry, grade, carbides)"},
        LineRefusal{"MalformedNumber", plateFile + "temper: 180 2h\r\n",
                    "line 15 gives temper \"180 2h\", which must be " +
                        std::string(temperExpected)},
        LineRefusal{"WarmCryo", plateFile + "cryo: 20\r\n",
                    "line 15 gives cryo \"20\", which must be " + std::string(cryoExpected)},
        LineRefusal{"UnknownElement", plateFile + "chemistry: Cu 0.1 Nb 0.03\r\n",
                    "line 15 gives chemistry \"Cu 0.1 Nb 0.03\", which must be " +
                        std::string(chemistryExpected)},
        LineRefusal{"SecondQuench", plateFile + "quench: oil 25\r\nquench: water 20\r\n",
                    "line 16 gives \"quench\" a second time"},
        LineRefusal{"SemiInfiniteWithoutSection", semiInfiniteFile + "\r\nquench: oil 25\r\n",
                    "line 15 " + std::string(sectionNeeded)}),
    [](const testing::TestParamInfo<LineRefusal>& row) { return std::string(row.param.name); });

TEST(HardeningLines, ASemiInfiniteSampleTakesAQuenchWithItsSection) {
    const HeadReading reading = readProcessHead(semiInfiniteFile + "quench: oil 25 section 30\r\n");
    ASSERT_TRUE(reading.head) << reading.problem.field << " " << reading.problem.rule;
    ASSERT_TRUE(reading.head->settings.quench);
    EXPECT_EQ(reading.head->settings.quench->sectionMm, 30);
}

TEST(HardeningLines, ReadIntoTheRecordAndAreWrittenBackInTheTablesOrder) {
    const std::string lines = "grade: 16MnCr5\r\ncryo: -196\r\nquench: oil 60 H 0.4\r\n"
                              "chemistry: Cu 0.1 V 0.05\r\ntemper: 180 2\r\n";
    const HeadReading reading = readCheckedProcessHead(plateFile + lines + "-\"profiles\r\n");
    ASSERT_TRUE(reading.head) << reading.problem.field << " " << reading.problem.rule;
    const ProcessSettings& settings = reading.head->settings;
    ASSERT_TRUE(settings.quench && settings.temper && settings.cryo && settings.chemistry);
    EXPECT_EQ(settings.quench->medium, QuenchMedium::Oil);
    EXPECT_EQ(settings.quench->bathC, 60);
    EXPECT_EQ(settings.quench->severity, 0.4);
    EXPECT_EQ(settings.temper->hours, 2);
    EXPECT_EQ(*settings.cryo, -196);
    EXPECT_EQ(settings.chemistry->v, 0.05);
    EXPECT_EQ(settings.grade, "16MnCr5");
    EXPECT_EQ(settingsText(settings), "quench: oil 60 H 0.4\r\ntemper: 180 2\r\ncryo: -196\r\n"
                                      "chemistry: Cu 0.1 V 0.05\r\ngrade: 16MnCr5\r\n");
}

TEST(HardeningLines, AreTheHardeningOfTheSettingsBothWays) {
    ProcessSettings settings;
    HardeningLines lines;
    lines.quench = QuenchSetting{QuenchMedium::Gas, 20, 0.2, std::nullopt};
    lines.cryoC = -80;
    setHardening(settings, lines);
    EXPECT_EQ(hardeningLines(settings), lines);
    EXPECT_FALSE(settings.temper);
    EXPECT_EQ(settingsText(settings), "quench: gas 20 H 0.2\r\ncryo: -80\r\n");
}

#include "ProcessFileLoad.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const std::string head = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n";

// The rows of a file: the count, then "time 920 0.8" and the word of each stage.
std::string rowsOf(const std::vector<std::string>& words) {
    std::string text = std::to_string(words.size() + 1) + "\r\n0 920 0.8\r\n";
    for (std::size_t row = 0; row < words.size(); ++row)
        text += std::to_string(row + 1) + " 920 0.8" + (words[row].empty() ? "" : " ") +
                words[row] + "\r\n";
    return text;
}

struct LoadCase {
    const char* name;
    std::string rows;    // from the count line on
    const char* problem; // empty when the file loads
};

void PrintTo(const LoadCase& row, std::ostream* out) {
    *out << row.name;
}

class Loading : public testing::TestWithParam<LoadCase> {};

} // namespace

TEST_P(Loading, RefusesWhatTheTableCannotHold) {
    const ProcessFileLoad load =
        loadProcessText(head + GetParam().rows + "Plate\r\n4\r\n", "Plate");
    const std::string expected = GetParam().problem;
    if (expected.empty()) {
        EXPECT_EQ(load.result, ProcessFileLoad::Result::Loaded) << load.problem;
        return;
    }
    EXPECT_EQ(load.result, ProcessFileLoad::Result::Refused);
    EXPECT_EQ(load.problem, expected + ".\nNothing was loaded.");
}

INSTANTIATE_TEST_SUITE_P(
    ProcessFileLoad, Loading,
    testing::Values(
        LoadCase{"ElevenGasRows", rowsOf(std::vector<std::string>(10)),
                 "The file lists 11 process stages; the table holds at most 10"},
        LoadCase{"ElevenRowsWithConditions",
                 rowsOf({"boost", "neutral", "", "", "", "", "", "", "", "gas"}), ""},
        LoadCase{"HundredRows", rowsOf(std::vector<std::string>(99, "neutral")), ""},
        LoadCase{"HundredAndOneRows", rowsOf(std::vector<std::string>(100, "neutral")),
                 "The file lists 101 process stages; the table holds at most 100"},
        LoadCase{"ShortOfItsCountWithConditions", "20\r\n0 920 0.8\r\n1 920 0.8 boost\r\n",
                 "The file lists 20 process stages but holds only 2"},
        LoadCase{"UnknownWord", rowsOf({"boost", "vacuum"}),
                 "In the file, the condition of stage 3 must be \"gas\", \"neutral\", \"boost\" "
                 "or \"boost\" with a flux limit in g/(m²·s), not \"vacuum\""}),
    [](const testing::TestParamInfo<LoadCase>& row) { return row.param.name; });

TEST(ProcessFileLoad, ShowsEachRowsCondition) {
    const ProcessFileLoad load = loadProcessText(
        head + rowsOf({"boost 0.0025", "neutral", "", "boost"}) + "Plate\r\n4\r\n", "Plate");
    ASSERT_EQ(load.result, ProcessFileLoad::Result::Loaded) << load.problem;
    const std::vector<LoadedBoxes::Row>& rows = load.boxes.rows;
    ASSERT_EQ(rows.size(), 10U);
    EXPECT_EQ(rows[0].condition, SurfaceCondition::Gas);
    EXPECT_EQ(rows[1].condition, SurfaceCondition::Boost);
    EXPECT_EQ(rows[1].fluxLimit, "0.002500");
    EXPECT_EQ(rows[2].condition, SurfaceCondition::Neutral);
    EXPECT_EQ(rows[3].condition, SurfaceCondition::Gas);
    EXPECT_EQ(rows[4].condition, SurfaceCondition::Boost);
    EXPECT_EQ(rows[4].fluxLimit, "");
    EXPECT_EQ(rows[4].potential, "0.800000");
    EXPECT_TRUE(load.boxes.shapeMatches);
    EXPECT_EQ(load.boxes.thickness, "4.000000");
}

TEST(ProcessFileLoad, KeepsTheSettingsAndRefusesABadOneByItsLine) {
    const std::string plate = head + rowsOf({""}) + "Plate\r\n4\r\n";
    const ProcessFileLoad load = loadProcessText(plate + "diffusivity: tibbetts\r\n", "Plate");
    ASSERT_EQ(load.result, ProcessFileLoad::Result::Loaded) << load.problem;
    EXPECT_EQ(load.boxes.settings.diffusivity, DiffusivityModel::Tibbetts);

    const ProcessFileLoad refused = loadProcessText(plate + "\r\ncarbon: lots\r\n", "Plate");
    EXPECT_EQ(refused.result, ProcessFileLoad::Result::Refused);
    EXPECT_EQ(refused.problem.rfind(
                  "In the file, line 16 names no setting this program knows: \"carbon\"", 0),
              0U)
        << refused.problem;
}

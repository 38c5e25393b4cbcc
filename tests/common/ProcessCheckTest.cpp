#include "ProcessCheck.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const std::string plateFile = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n2\r\n"
                              "0 900 1\r\n4 900 0.8\r\nPlate\r\n4\r\n";

// A plate file of `rows` rows, every stage after the first carrying `word`.
std::string plateFileOf(int rows, const std::string& word) {
    std::string text = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n" +
                       std::to_string(rows) + "\r\n0 900 1\r\n";
    for (int row = 1; row < rows; ++row)
        text += std::to_string(row) + " 900 1" + (word.empty() ? "" : " " + word) + "\r\n";
    return text + "Plate\r\n4\r\n";
}

struct RefusalCase {
    const char* name;
    std::string text;
    const char* field; // a word the refusal must name
};

void PrintTo(const RefusalCase& row, std::ostream* out) {
    *out << row.name;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

class Refusals : public testing::TestWithParam<RefusalCase> {};

} // namespace

TEST(ProcessCheck, ASettingsRefusalSaysWhatTheValueMustBe) {
    const HeadReading reading = readProcessHead(plateFile + "diffusivity: fast\r\n");
    ASSERT_FALSE(reading.head);
    EXPECT_EQ(reading.problem.field + " " + reading.problem.rule,
              "line 15 gives diffusivity \"fast\", which must be standard, tibbetts or "
              "slycke-ericsson");
}

TEST(ProcessCheck, ReadsTheSettingsAndKeepsThemInTheHead) {
    const std::string text = plateFile + "diffusivity: tibbetts\r\n";
    const HeadReading reading = readCheckedProcessHead(text + "-\"profiles\r\n");
    ASSERT_TRUE(reading.head) << reading.problem.field << reading.problem.rule;
    EXPECT_EQ(reading.head->settings.diffusivity, DiffusivityModel::Tibbetts);
    EXPECT_EQ(reading.head->length, text.size());
}

TEST(ProcessCheck, ReadsTheHeadAndFindsWhereItEnds) {
    const std::string text = plateFile + "-\"Rozmieszczenie\r\n\"  1\r\n";
    const HeadReading reading = readCheckedProcessHead(text);
    ASSERT_TRUE(reading.head) << reading.problem.field << ": " << reading.problem.rule;
    EXPECT_EQ(reading.head->shape, SampleShape::Plate);
    EXPECT_DOUBLE_EQ(reading.head->thickness, 4);
    EXPECT_EQ(reading.head->length, plateFile.size());
}

TEST(ProcessCheck, SemiInfiniteHeadEndsAtTheShapeLine) {
    const std::string head = "0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n1\n0 900 1\nSemi-infinitive sample\n";
    const HeadReading reading = readCheckedProcessHead(head + "-\"x\n");
    ASSERT_TRUE(reading.head);
    EXPECT_EQ(reading.head->length, head.size());
}

TEST(ProcessCheck, ReadsUpToAHundredRowsWithConditions) {
    for (const char* word : {"neutral", "boost", "boost 0.002"}) {
        const HeadReading reading = readCheckedProcessHead(plateFileOf(100, word));
        ASSERT_TRUE(reading.head) << reading.problem.field << ": " << reading.problem.rule;
        const TDane& data = reading.head->data;
        ASSERT_EQ(data.conditions.size(), 100U);
        EXPECT_EQ(data.conditions[0], StageCondition{});
        EXPECT_EQ(data.conditions[99], readConditionWord(word).condition);
        EXPECT_DOUBLE_EQ(reading.head->thickness, 4);
    }
    const std::string mixed = replaced(plateFileOf(12, "gas"), "5 900 1 gas", "5 900 1 neutral");
    EXPECT_TRUE(readCheckedProcessHead(mixed).head);
}

TEST_P(Refusals, NameTheField) {
    const HeadReading reading = readCheckedProcessHead(GetParam().text);
    ASSERT_FALSE(reading.head);
    EXPECT_NE(reading.problem.field.find(GetParam().field), std::string::npos)
        << reading.problem.field;
    EXPECT_FALSE(reading.problem.rule.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ProcessCheck, Refusals,
    testing::Values(
        RefusalCase{"Empty", "", "steel carbon"},
        RefusalCase{"Binary",
                    std::string("\x7f"
                                "ELF\0\x01\x02",
                                7),
                    "steel carbon"},
        RefusalCase{"Truncated", plateFile.substr(0, 50), "stage 2"},
        RefusalCase{"NonNumeric", replaced(plateFile, "0.5", "abc"), "Mn"},
        RefusalCase{"HugeCount", replaced(plateFile, "\r\n2\r\n", "\r\n40000\r\n"), "stage count"},
        RefusalCase{"CountAboveRows", replaced(plateFile, "\r\n2\r\n", "\r\n3\r\n"), "stage 3"},
        RefusalCase{"Marker", replaced(plateFile, "0.2", "2009990"), "steel carbon"},
        RefusalCase{"NotFinite", replaced(plateFile, "0.2", "nan"), "steel carbon"},
        RefusalCase{"ZeroBeta", replaced(plateFile, "2e-05", "0"), "transfer"},
        RefusalCase{"ColdFurnace", replaced(plateFile, "0 900", "0 20"), "stage 1 temperature"},
        RefusalCase{"HotFurnace", replaced(plateFile, "4 900", "4 1250"), "stage 2 temperature"},
        RefusalCase{"NegativePotential", replaced(plateFile, "900 1", "900 -0.1"), "potential"},
        RefusalCase{"PotentialWithoutDiffusion", replaced(plateFile, "900 1", "900 4.4"),
                    "potential"},
        RefusalCase{"FirstTimeNotZero", replaced(plateFile, "0 900", "1 900"), "stage 1 time"},
        RefusalCase{"TimesNotRising", replaced(plateFile, "4 900", "0 900"), "stage 2 time"},
        RefusalCase{"UnknownShape", replaced(plateFile, "Plate", "Sphere"), "shape"},
        RefusalCase{"NoThickness", plateFile.substr(0, plateFile.size() - 3), "thickness"},
        RefusalCase{"ZeroThickness", replaced(plateFile, "Plate\r\n4", "Plate\r\n0"), "thickness"},
        RefusalCase{"UnknownCondition", replaced(plateFile, "4 900 0.8", "4 900 0.8 vacuum"),
                    "stage 2 condition"},
        RefusalCase{"ConditionOnTheFirstRow", replaced(plateFile, "0 900 1", "0 900 1 boost"),
                    "stage 1 condition"},
        RefusalCase{"FluxLimitZero", replaced(plateFile, "4 900 0.8", "4 900 0.8 boost 0"),
                    "stage 2 flux limit"},
        RefusalCase{"FluxLimitNegative", replaced(plateFile, "4 900 0.8", "4 900 0.8 boost -2"),
                    "stage 2 flux limit"},
        RefusalCase{"FluxLimitNotANumber", replaced(plateFile, "4 900 0.8", "4 900 0.8 boost x"),
                    "stage 2 condition"},
        RefusalCase{"ElevenGasRows", plateFileOf(11, ""), "stage count"},
        RefusalCase{"ElevenExplicitGasRows", plateFileOf(11, "gas"), "stage count"},
        RefusalCase{"MoreThanAHundredRows", plateFileOf(101, "neutral"), "stage count"},
        RefusalCase{"UnknownSetting", plateFile + "colour: red\r\n", "line 15"},
        RefusalCase{"SettingWithoutAValue", plateFile + "\r\ndiffusivity:\r\n", "line 16"},
        RefusalCase{"TextAfterTheHead", plateFile + "notes\r\n", "line 15"}),
    [](const testing::TestParamInfo<RefusalCase>& row) { return row.param.name; });

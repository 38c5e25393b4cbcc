#include "ProcessScanner.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

namespace {

const std::string plateFile = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n2\r\n"
                              "0 900 1\r\n4 900 0.8\r\nPlate\r\n4\r\n-\"profiles\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Eleven rows, the second ending with `word`.
std::string elevenRows(const std::string& word) {
    std::string rows = "11\r\n0 900 1\r\n1 900 1" + word + "\r\n";
    for (int row = 2; row < 11; ++row)
        rows += std::to_string(row) + " 900 1\r\n";
    return replaced(plateFile, "2\r\n0 900 1\r\n4 900 0.8\r\n", rows);
}

const char* kindName(HeadFault::Kind kind) {
    switch (kind) {
    case HeadFault::Kind::NotANumber:
        return "not a number";
    case HeadFault::Kind::CountNotWhole:
        return "count not whole";
    case HeadFault::Kind::CountOutOfRange:
        return "count out of range";
    case HeadFault::Kind::RowsMissing:
        return "rows missing";
    case HeadFault::Kind::UnknownWord:
        return "unknown word";
    case HeadFault::Kind::UnknownShape:
        return "unknown shape";
    case HeadFault::Kind::BadSetting:
        return "bad setting";
    }
    return "?";
}

const char* itemName(HeadItem item) {
    switch (item) {
    case HeadItem::SteelCarbon:
        return "steel carbon";
    case HeadItem::TransferCoefficient:
        return "transfer coefficient";
    case HeadItem::Alloy:
        return "alloy";
    case HeadItem::StageCount:
        return "count";
    case HeadItem::StageTime:
        return "time";
    case HeadItem::StageTemperature:
        return "temperature";
    case HeadItem::StagePotential:
        return "potential";
    case HeadItem::StageWord:
        return "condition";
    case HeadItem::Shape:
        return "shape";
    case HeadItem::Size:
        return "size";
    case HeadItem::Setting:
        return "line";
    }
    return "?";
}

// What a scan found, in one line a row of the table below can state.
std::string summary(const ScannedHead& head) {
    int singles = 0;
    for (const auto* value : {&head.steelCarbon, &head.transferCoefficient, &head.alloy[0],
                              &head.alloy[1], &head.alloy[2], &head.alloy[3], &head.alloy[4]})
        singles += value->has_value();
    std::ostringstream out;
    out << singles << " values, " << head.rows.size() << " rows";
    for (const StageRow& row : head.rows)
        if (const std::string word = conditionWord(row.condition); !word.empty())
            out << " (" << word << ')';
    if (!head.shapeLine.empty())
        out << ", " << head.shapeLine << (head.shapeMatches ? " (ours)" : "");
    if (head.size)
        out << ", size " << *head.size;
    if (std::string settings = settingsText(head.settings); !settings.empty())
        out << ", " << settings.substr(0, settings.size() - 2);
    if (head.fault)
        out << "; " << kindName(head.fault->kind) << " at " << itemName(head.fault->item) << ' '
            << head.fault->index;
    return out.str();
}

std::string scanned(const std::string& text, Strictness strictness) {
    std::istringstream in(text);
    return summary(scanProcessHead(in, strictness, "Plate"));
}

// One text and what each mode makes of it (the Loader runs in the program for plates).
struct ScanCase {
    const char* name;
    std::string text;
    const char* strict;
    const char* loader;
    const char* extraction;
};

void PrintTo(const ScanCase& row, std::ostream* out) {
    *out << row.name;
}

class Modes : public testing::TestWithParam<ScanCase> {};

} // namespace

TEST_P(Modes, ReadTheSameTextEachAsStrictlyAsItsCallerNeeds) {
    const ScanCase& row = GetParam();
    EXPECT_EQ(scanned(row.text, Strictness::Strict), row.strict);
    EXPECT_EQ(scanned(row.text, Strictness::Loader), row.loader);
    EXPECT_EQ(scanned(row.text, Strictness::Extraction), row.extraction);
}

INSTANTIATE_TEST_SUITE_P(
    ProcessScanner, Modes,
    testing::Values(
        ScanCase{"Whole", plateFile, "7 values, 2 rows, Plate, size 4",
                 "7 values, 2 rows, Plate (ours), size 4", "7 values, 2 rows"},
        ScanCase{"OtherShape", replaced(plateFile, "Plate", "Cylinder"),
                 "7 values, 2 rows, Cylinder, size 4", "7 values, 2 rows, Cylinder",
                 "7 values, 2 rows"},
        ScanCase{"PolishShapeName", replaced(plateFile, "Plate", "Płyta"),
                 "7 values, 2 rows, Płyta, size 4", "7 values, 2 rows, Płyta", "7 values, 2 rows"},
        ScanCase{"UnknownShape", replaced(plateFile, "Plate", "Sphere"),
                 "7 values, 2 rows, Sphere; unknown shape at shape 0", "7 values, 2 rows, Sphere",
                 "7 values, 2 rows"},
        ScanCase{"EndsAfterCr", "0.2\r\n2e-05\r\n\r\n1\r\n",
                 "3 values, 0 rows; not a number at alloy 1", "3 values, 0 rows",
                 "3 values, 0 rows; not a number at alloy 1"},
        ScanCase{"Empty", "", "0 values, 0 rows; not a number at steel carbon 0",
                 "0 values, 0 rows", "0 values, 0 rows; not a number at steel carbon 0"},
        ScanCase{"WordNotANumber", replaced(plateFile, "\r\n0\r\n0.5", "\r\nx\r\n0.5"),
                 "3 values, 0 rows; not a number at alloy 1",
                 "3 values, 0 rows; not a number at alloy 1",
                 "3 values, 0 rows; not a number at alloy 1"},
        // Formatted input takes the number at the start of a word and reads on after it.
        ScanCase{"NumberWithTail", replaced(plateFile, "0.2", "0.2abc"),
                 "0 values, 0 rows; not a number at steel carbon 0",
                 "1 values, 0 rows; not a number at transfer coefficient 0",
                 "1 values, 0 rows; not a number at transfer coefficient 0"},
        ScanCase{"CountAboveTenWithoutConditions", replaced(plateFile, "\r\n2\r\n", "\r\n11\r\n"),
                 "7 values, 2 rows; not a number at time 2",
                 "7 values, 2 rows; count out of range at count 10",
                 "7 values, 2 rows; not a number at time 2"},
        ScanCase{"ElevenGasRows", elevenRows(""),
                 "7 values, 11 rows; count out of range at count 10",
                 "7 values, 11 rows; count out of range at count 10", "7 values, 11 rows"},
        ScanCase{"ElevenRowsWithACondition", elevenRows(" neutral"),
                 "7 values, 11 rows (neutral), Plate, size 4",
                 "7 values, 11 rows (neutral), Plate (ours), size 4",
                 "7 values, 11 rows (neutral)"},
        ScanCase{"CountAboveAHundred", replaced(plateFile, "\r\n2\r\n", "\r\n101\r\n"),
                 "7 values, 0 rows; count out of range at count 100",
                 "7 values, 0 rows; count out of range at count 100",
                 "7 values, 2 rows; not a number at time 2"},
        ScanCase{"ConditionWords", replaced(plateFile, "4 900 0.8", "4 900 0.8 boost 0.5"),
                 "7 values, 2 rows (boost 0.5), Plate, size 4",
                 "7 values, 2 rows (boost 0.5), Plate (ours), size 4",
                 "7 values, 2 rows (boost 0.5)"},
        ScanCase{"UnknownConditionWord", replaced(plateFile, "4 900 0.8", "4 900 0.8 plasma"),
                 "7 values, 1 rows; unknown word at condition 1",
                 "7 values, 1 rows; unknown word at condition 1",
                 "7 values, 1 rows; unknown word at condition 1"},
        ScanCase{"CountZero", replaced(plateFile, "\r\n2\r\n", "\r\n0\r\n"),
                 "7 values, 0 rows; count out of range at count 100", "7 values, 0 rows, 0 900 1",
                 "7 values, 0 rows"},
        ScanCase{"CountNotWhole",
                 replaced(plateFile, "\r\n2\r\n0 900 1", "\r\n2.5\r\n0 900 1\r\n2 900 1"),
                 "7 values, 0 rows; count not whole at count 0",
                 "7 values, 3 rows, Plate (ours), size 4",
                 // The count's ".5" is read as the first time, and a number is left for a word.
                 "7 values, 0 rows; unknown word at condition 0"},
        ScanCase{"CountBelowRows", replaced(plateFile, "\r\n2\r\n", "\r\n1\r\n"),
                 "7 values, 1 rows, 4 900 0.8; unknown shape at shape 0",
                 "7 values, 1 rows, 4 900 0.8", "7 values, 1 rows"},
        ScanCase{"CountAboveRows", replaced(plateFile, "\r\n2\r\n", "\r\n5\r\n"),
                 "7 values, 2 rows; not a number at time 2",
                 "7 values, 2 rows; rows missing at time 2",
                 "7 values, 2 rows; not a number at time 2"},
        ScanCase{"RowCut",
                 replaced(plateFile, "4 900 0.8\r\nPlate\r\n4\r\n-\"profiles\r\n", "4 900"),
                 "7 values, 1 rows; not a number at potential 1",
                 "7 values, 1 rows; rows missing at time 1",
                 "7 values, 1 rows; not a number at potential 1"},
        ScanCase{"RowValueNotANumber", replaced(plateFile, "4 900 0.8", "4 x 0.8"),
                 "7 values, 1 rows; not a number at temperature 1",
                 "7 values, 1 rows; not a number at temperature 1",
                 "7 values, 1 rows; not a number at temperature 1"},
        ScanCase{"NoSize", replaced(plateFile, "Plate\r\n4\r\n-\"profiles\r\n", "Plate\r\n"),
                 "7 values, 2 rows, Plate; not a number at size 0",
                 "7 values, 2 rows, Plate (ours)", "7 values, 2 rows"}),
    [](const testing::TestParamInfo<ScanCase>& row) { return row.param.name; });

// Settings lines after the shape block: the line numbers count from the file's first line.
INSTANTIATE_TEST_SUITE_P(
    SettingsLines, Modes,
    testing::Values(
        ScanCase{
            "Setting", replaced(plateFile, "4\r\n-", "4\r\n\r\n diffusivity :  tibbetts \r\n-"),
            "7 values, 2 rows, Plate, size 4, diffusivity: tibbetts",
            "7 values, 2 rows, Plate (ours), size 4, diffusivity: tibbetts", "7 values, 2 rows"},
        ScanCase{"UnknownSetting", replaced(plateFile, "4\r\n-", "4\r\ncolour: red\r\n-"),
                 "7 values, 2 rows, Plate, size 4; bad setting at line 15",
                 "7 values, 2 rows, Plate (ours), size 4; bad setting at line 15",
                 "7 values, 2 rows"},
        ScanCase{"SettingGivenTwice",
                 replaced(plateFile, "4\r\n-",
                          "4\r\ndiffusivity: standard\r\n\r\ndiffusivity: standard\r\n-"),
                 "7 values, 2 rows, Plate, size 4, diffusivity: standard; bad setting at line 17",
                 "7 values, 2 rows, Plate (ours), size 4, diffusivity: standard; bad setting at "
                 "line 17",
                 "7 values, 2 rows"},
        ScanCase{"SettingAfterTheResults",
                 replaced(plateFile, "profiles\r\n", "profiles\r\ncolour: red\r\n"),
                 "7 values, 2 rows, Plate, size 4", "7 values, 2 rows, Plate (ours), size 4",
                 "7 values, 2 rows"},
        // The loader reads no further than the shape of another program's file.
        ScanCase{"SettingOfAnotherShape",
                 replaced(replaced(plateFile, "Plate", "Cylinder"), "4\r\n-", "4\r\nx\r\n-"),
                 "7 values, 2 rows, Cylinder, size 4; bad setting at line 15",
                 "7 values, 2 rows, Cylinder", "7 values, 2 rows"}),
    [](const testing::TestParamInfo<ScanCase>& row) { return row.param.name; });

TEST(ProcessScanner, StrictScanEndsAfterTheLastSettingsLine) {
    const std::string head = "0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n1\n0 900 1\nSemi-infinitive sample\n"
                             "diffusivity: slycke-ericsson\r\n";
    std::istringstream in(head + "\r\n-\"x\n");
    const ScannedHead scanned = scanProcessHead(in, Strictness::Strict);
    ASSERT_FALSE(scanned.fault);
    EXPECT_EQ(scanned.length, head.size());
    EXPECT_EQ(scanned.settings.diffusivity, DiffusivityModel::SlyckeEricsson);
}

TEST(ProcessScanner, StrictScanEndsAfterTheHeadsLastLine) {
    const std::string head = "0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n1\n0 900 1\nSemi-infinitive sample\n";
    std::istringstream in(head + "-\"x\n");
    const ScannedHead scanned = scanProcessHead(in, Strictness::Strict);
    ASSERT_FALSE(scanned.fault);
    EXPECT_EQ(scanned.length, head.size());
    EXPECT_FALSE(scanned.size);
}

TEST(ProcessScanner, ReadsInTheClassicLocaleAndGivesTheStreamItsOwnBack) {
    std::istringstream in(plateFile);
    const std::locale own = in.getloc();
    const ScannedHead scanned = scanProcessHead(in, Strictness::Extraction);
    EXPECT_EQ(scanned.data().times, (std::vector<double>{0, 4}));
    EXPECT_EQ(in.getloc(), own);
}

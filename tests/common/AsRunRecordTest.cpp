// The as-run record kept beside an as-run set: its text read back to the same values, and the
// texts it refuses with their line.

#include "AsRunRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Values whose shortest text is long, tiny, huge or negative: each must read back exactly.
AsRunRecord awkwardRecord() {
    AsRunRecord record;
    record.logName = "/data/piec 3/load-17.csv";
    record.planName = "/data/walk1.tav";
    record.potentialColumn = "probe_mv";
    record.setpointFromPlan = true;
    record.planned = {0.1 + 0.2, 1.0 / 3, std::nullopt, 0};
    record.asRun = {0.9512345678901234, 2.5e-7, 0.8999999999999999, -1e-300};
    record.band = {1440.0000000001, 12.5, 100.0 * 12.5 / 1440, 5.25, 3.2, 200, 30, {12, 13, 99}};
    record.rows = {{std::nullopt, false, false},
                   {1.15, false, true},
                   {std::nextafter(1.15, 2.0), true, false},
                   {0.8, true, true}};
    return record;
}

AsRunRecordReading readBack(const std::string& text) {
    AsRunRecordReading reading = readAsRunRecord(text);
    EXPECT_TRUE(reading.record) << "line " << reading.line << " " << reading.rule << "\n" << text;
    return reading;
}

std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

} // namespace

TEST(AsRunRecordTest, ItsTextReadsBackExactly) {
    const AsRunRecord record = awkwardRecord();
    const std::string text = asRunRecordText(record);
    EXPECT_EQ(record, readBack(text).record.value_or(AsRunRecord{}));
    EXPECT_EQ(record, readBack(withoutCarriageReturns(text)).record.value_or(AsRunRecord{}))
        << "LF line ends read as well";
}

TEST(AsRunRecordTest, TheTextIsCrLfLinesInTheFilesOwnWords) {
    AsRunRecord record = awkwardRecord();
    record.band.sootLines.clear();
    const std::string text = asRunRecordText(record);
    std::string bare = text;
    for (std::size_t at; (at = bare.find("\r\n")) != std::string::npos;)
        bare.erase(at, 2);
    EXPECT_EQ(std::string::npos, bare.find_first_of("\r\n")) << "every line ends in CR LF";
    EXPECT_NE(std::string::npos, text.find("\r\nsetpoint: plan\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("\r\nplanned: 0.30000000000000004 0.3333333333333333 - 0"));
    EXPECT_NE(std::string::npos, text.find("\r\nsoot:\r\nrows: 4\r\n- -\r\n1.15 m\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n0.8 em\r\n"));
    EXPECT_EQ(record, readBack(text).record.value_or(AsRunRecord{}));
}

TEST(AsRunRecordTest, ItLiesBesideTheSet) {
    EXPECT_EQ("/data/walk1-asrun.run", asRunRecordName("/data/walk1-asrun.tav"));
}

struct BrokenRecord {
    const char* name;
    std::string from; // replaced in the good text
    std::string to;
    std::size_t line;
    std::string rule; // a part of it
};

class AsRunRecordRefused : public testing::TestWithParam<BrokenRecord> {};

TEST_P(AsRunRecordRefused, NamesTheLine) {
    std::string text = asRunRecordText(awkwardRecord());
    const std::size_t at = text.find(GetParam().from);
    ASSERT_NE(std::string::npos, at) << GetParam().from;
    text.replace(at, GetParam().from.size(), GetParam().to);
    const AsRunRecordReading reading = readAsRunRecord(text);
    EXPECT_FALSE(reading.record);
    EXPECT_EQ(GetParam().line, reading.line);
    EXPECT_NE(std::string::npos, reading.rule.find(GetParam().rule)) << reading.rule;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, AsRunRecordRefused,
    testing::Values(
        BrokenRecord{"NotARecord", "as-run load", "0.2", 1, "as-run load"},
        BrokenRecord{"NoPlan", "plan: ", "plans: ", 3, "\"plan:\""},
        BrokenRecord{"UnknownSetpointSource", "setpoint: plan", "setpoint: probe", 5, "\"log\""},
        BrokenRecord{"FiguresNotANumber", "planned: 0.3", "planned: x", 6, "must be a number"},
        BrokenRecord{"FiguresMissing", " - 0\r\n", " -\r\n", 6, "4 values"},
        BrokenRecord{"HardeningNotANumber", "0.8999999999999999", "none", 7, "\"none\""},
        BrokenRecord{"BandShort", "band: 1440.0000000001 ", "band: ", 8, "7 values"},
        BrokenRecord{"SootNotALine", "soot: 12", "soot: x12", 9, "line numbers"},
        BrokenRecord{"RowsNotACount", "rows: 4", "rows: four", 10, "number of rows"},
        BrokenRecord{"FewerRowsThanCounted", "rows: 4", "rows: 5", 15, "must be a row"},
        BrokenRecord{"MoreRowsThanCounted", "rows: 4", "rows: 3", 14, "follow"},
        BrokenRecord{"UnknownFlag", "1.15 m", "1.15 x", 12, "flags"},
        BrokenRecord{"FlagTwice", "1.15 m", "1.15 mm", 12, "once"},
        BrokenRecord{"SetpointNotANumber", "1.15 m", "high m", 12, "setpoint"}),
    [](const testing::TestParamInfo<BrokenRecord>& row) { return row.param.name; });

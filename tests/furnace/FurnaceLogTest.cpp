// The log of a load: what each form of it reads as, and every refusal with its line and column.

#include "FurnaceLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Times are sums of a few decimal seconds; the potentials pass through the Ellis form and back.
constexpr double timeTolerance = 1e-9;      // s
constexpr double potentialTolerance = 1e-9; // % C

FurnaceLog readLog(const std::string& text, const LogDefaults& defaults = {}) {
    const LogReading reading = readFurnaceLog(text, defaults);
    EXPECT_TRUE(reading.log) << (reading.refusal ? refusalText(*reading.refusal) : "");
    return reading.log.value_or(FurnaceLog{});
}

TEST(FurnaceLogTest, ReadsTimeTemperatureAndPotential) {
    const FurnaceLog log =
        readLog("time,temperature,carbon_potential\r\n0,900,1.1\r\n60,925,1.15\r\n\r\n");
    ASSERT_EQ(2u, log.rows.size());
    EXPECT_EQ(2u, log.rows[0].line);
    EXPECT_EQ(3u, log.rows[1].line);
    EXPECT_EQ(60, log.rows[1].time);
    EXPECT_EQ(925, log.rows[1].celsius);
    EXPECT_NEAR(1.15, log.rows[1].potential.value_or(0), potentialTolerance);
    EXPECT_EQ("carbon_potential", log.potentialColumn);
    EXPECT_FALSE(log.hasSetpoint);
    EXPECT_TRUE(log.ignoredColumns.empty());
}

TEST(FurnaceLogTest, TimesStartAtTheFirstRow) {
    const FurnaceLog log = readLog("Time,Temperature,Carbon_Potential\n100,900,1\n110.5,900,1\n");
    ASSERT_EQ(2u, log.rows.size());
    EXPECT_EQ(0, log.rows[0].time);
    EXPECT_NEAR(10.5, log.rows[1].time, timeTolerance);
}

TEST(FurnaceLogTest, TimestampsAreIsoDateTimes) {
    const FurnaceLog log = readLog("timestamp,temperature,carbon_potential\n"
                                   "2026-03-01T06:00:00Z,920,1\n"
                                   "2026-03-01 06:00:10.5,920,1\n"
                                   "2026-03-01T07:00:20+01:00,920,1\n"
                                   "2026-03-02T00:00:00,920,1\n");
    ASSERT_EQ(4u, log.rows.size());
    EXPECT_NEAR(10.5, log.rows[1].time, timeTolerance);
    EXPECT_NEAR(20, log.rows[2].time, timeTolerance);
    EXPECT_NEAR(18 * 3600.0, log.rows[3].time, timeTolerance);
}

TEST(FurnaceLogTest, IsoSecondsAreCalendarSeconds) {
    // python3: datetime(...).timestamp()
    EXPECT_EQ(1772341200.0, isoSeconds("2026-03-01T06:00:00+01:00"));
    EXPECT_EQ(951868799.5, isoSeconds("2000-02-29T23:59:59.5Z"));
    EXPECT_EQ(86400.0, isoSeconds("1970-01-02T00:00"));
    for (const char* wrong :
         {"2026-13-01T00:00:00", "2026-03-01", "yesterday", "2026-03-01T06:00:00+1",
          "2026-03-01T25:00:00", "2026-03-01T06:00:00 CET"})
        EXPECT_FALSE(isoSeconds(wrong)) << wrong;
}

TEST(FurnaceLogTest, SemicolonsWithDecimalCommas) {
    const FurnaceLog log = readLog(
        "time;temperature;carbon_potential;setpoint\r\n0;920,5;1,15;1,2\r\n10;921;1,1;\r\n");
    ASSERT_EQ(2u, log.rows.size());
    EXPECT_EQ(920.5, log.rows[0].celsius);
    EXPECT_NEAR(1.15, log.rows[0].potential.value_or(0), potentialTolerance);
    EXPECT_TRUE(log.hasSetpoint);
    EXPECT_EQ(1.2, log.rows[1].setpoint.value_or(0)) << "an empty setpoint holds the last one";
}

TEST(FurnaceLogTest, UnknownColumnsAreNamedAndIgnored) {
    const FurnaceLog log = readLog("time,zone,temperature,carbon_potential,probe_mv,operator\n"
                                   "0,A,920,1.1,1150,Kowalski\n5,A,920,1.1,1150,Kowalski\n");
    EXPECT_EQ((std::vector<std::string>{"zone", "probe_mv", "operator"}), log.ignoredColumns);
    EXPECT_EQ("carbon_potential", log.potentialColumn) << "the potential itself is preferred";
}

TEST(FurnaceLogTest, ProbeWithGasColumnsAndDefaults) {
    // python3 from the relations: 1150 mV at 925 °C is 0.96293 % C in 20 % CO, soot in 30 % CO.
    const FurnaceLog log = readLog("time,temperature,probe_mv,co\n0,925,1150,20\n10,925,1150,\n"
                                   "20,925,1150,30\n");
    ASSERT_EQ(3u, log.rows.size());
    EXPECT_NEAR(0.9629269896822131, log.rows[0].potential.value_or(0), potentialTolerance);
    EXPECT_NEAR(0.9629269896822131, log.rows[1].potential.value_or(0), potentialTolerance);
    EXPECT_TRUE(log.rows[2].soot);
    EXPECT_FALSE(log.rows[2].potential);

    LogDefaults factor;
    factor.processFactor = 150;
    const FurnaceLog transmitted =
        readLog("time,temperature,probe_mv\n0,925,1150\n10,925,1150\n", factor);
    EXPECT_NEAR(0.9951935362421445, transmitted.rows[0].potential.value_or(0), potentialTolerance);
}

TEST(FurnaceLogTest, DewPointAndCarbonDioxideColumns) {
    const FurnaceLog dew = readLog("time,temperature,dew_point,h2\n0,925,-5,40\n10,925,-5,40\n");
    EXPECT_NEAR(0.7699899932091924, dew.rows[0].potential.value_or(0), potentialTolerance);
    const FurnaceLog co2 = readLog("time,temperature,co2\n0,925,0.2\n10,925,0.2\n");
    EXPECT_NEAR(0.6066537473754969, co2.rows[0].potential.value_or(0), potentialTolerance);
}

TEST(FurnaceLogTest, BurnOffRowsHaveNoReading) {
    const FurnaceLog log = readLog("time,temperature,probe_mv,event\n0,925,1150,\n"
                                   "10,925,,burnoff\n20,925,800,Burn-Off\n30,925,1150,door\n");
    ASSERT_EQ(4u, log.rows.size());
    EXPECT_FALSE(log.rows[0].burnOff);
    EXPECT_TRUE(log.rows[1].burnOff);
    EXPECT_TRUE(log.rows[2].burnOff);
    EXPECT_FALSE(log.rows[1].potential);
    EXPECT_FALSE(log.rows[2].potential) << "the cell of a burn-off row is not read";
    EXPECT_FALSE(log.rows[3].burnOff);
}

struct RefusalRow {
    const char* name;
    const char* text;
    std::size_t line;
    const char* column;
    const char* rule; // a part of it
};

class LogRefused : public testing::TestWithParam<RefusalRow> {};

TEST_P(LogRefused, NamesTheLineAndTheColumn) {
    const LogReading reading = readFurnaceLog(GetParam().text);
    EXPECT_FALSE(reading.log);
    ASSERT_TRUE(reading.refusal);
    EXPECT_EQ(GetParam().line, reading.refusal->line);
    EXPECT_EQ(GetParam().column, reading.refusal->column);
    EXPECT_NE(std::string::npos, reading.refusal->rule.find(GetParam().rule))
        << reading.refusal->rule;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, LogRefused,
    testing::Values(
        RefusalRow{"timeGoesBack",
                   "time,temperature,carbon_potential\n0,920,1\n10,920,1\n5,920,1\n", 4, "time",
                   "later than"},
        RefusalRow{"timeStands", "time,temperature,carbon_potential\n0,920,1\n0,920,1\n", 3, "time",
                   "later than"},
        RefusalRow{"timestampGoesBack",
                   "timestamp,temperature,carbon_potential\n2026-03-01T06:00:10,920,1\n2026-03-"
                   "01T06:00:00,920,1\n",
                   3, "timestamp", "later than"},
        RefusalRow{
            "badTimestamp",
            "timestamp,temperature,carbon_potential\n2026-03-01T06:00:10,920,1\nnoon,920,1\n", 3,
            "timestamp", "ISO 8601"},
        RefusalRow{"noTemperatureColumn", "time,carbon_potential\n0,1\n10,1\n", 1, "",
                   "temperature"},
        RefusalRow{"noPotentialColumn", "time,temperature\n0,920\n10,920\n", 1, "",
                   "potential column"},
        RefusalRow{"noTimeColumn", "temperature,carbon_potential\n920,1\n920,1\n", 1, "",
                   "timestamp or time"},
        RefusalRow{"notANumber", "time,temperature,carbon_potential\n0,920,1\n10,hot,1\n", 3,
                   "temperature", "not a number: \"hot\""},
        RefusalRow{"emptyPotential", "time,temperature,probe_mv\n0,920,1150\n10,920,\n", 3,
                   "probe_mv", "empty"},
        RefusalRow{"impossibleProbe", "time,temperature,probe_mv\n0,920,1150\n10,920,3000\n", 3,
                   "probe_mv", "0 to 1500 mV"},
        RefusalRow{"negativeCO", "time,temperature,probe_mv,co\n0,920,1150,-20\n", 2, "co",
                   "more than 0"},
        RefusalRow{"cold", "time,temperature,carbon_potential\n0,920,1\n10,20,1\n", 3,
                   "temperature", "700 to 1200"},
        RefusalRow{"badSetpoint", "time,temperature,carbon_potential,setpoint\n0,920,1,x\n", 2,
                   "setpoint", "not a number"},
        RefusalRow{"tooWide", "time,temperature,carbon_potential\n0,920,1,7\n", 2, "",
                   "more cells"},
        RefusalRow{"empty", "", 1, "", "empty"}, RefusalRow{"blank", "\r\n\r\n", 1, "", "empty"},
        RefusalRow{"headerOnly", "\ntime,temperature,carbon_potential\r\n", 2, "", "no rows"},
        RefusalRow{"oneRow", "time,temperature,carbon_potential\n0,920,1\n", 1, "", "one row"},
        RefusalRow{"allBurnOff",
                   "time,temperature,carbon_potential,event\n0,920,,burnoff\n10,920,,burnoff\n", 1,
                   "", "burn-off"}),
    [](const testing::TestParamInfo<RefusalRow>& row) { return std::string(row.param.name); });

TEST(FurnaceLogTest, RefusalTextNamesLineAndColumn) {
    EXPECT_EQ("line 12, column probe_mv: must be 0 to 1500 mV",
              refusalText(LogRefusal{12, "probe_mv", "must be 0 to 1500 mV"}));
    EXPECT_EQ("line 1: the log is empty", refusalText(LogRefusal{1, "", "the log is empty"}));
}

} // namespace

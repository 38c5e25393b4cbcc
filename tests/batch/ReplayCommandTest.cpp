// tavcalc --replay: the as-run set it writes, what it prints, and the logs it refuses with
// nothing written.

#include "ReplayCommand.h"
#include "AsRunRecord.h"
#include "BatchRun.h"
#include "CommandCall.h"
#include "ProcessData.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

// 2 h at 920 °C, 1.15 % C then 0.8 % C.
const std::string plan = "0.2\r\n2e-05\r\n\r\n1.1\r\n0\r\n1.2\r\n0.25\r\n0\r\n\r\n3\r\n"
                         "0 920 1.15\r\n1 920 1.15\r\n2 920 0.8\r\nSemi-infinitive sample\r\n";

// The plan's programme logged every `step` s, with `excursion` added to the potential for its
// first ten minutes after 30 min.
std::string loggedPlan(int step, double excursion = 0) {
    std::string log = "time,temperature,carbon_potential,setpoint\r\n";
    for (int t = 0; t <= 7200; t += step) {
        const double planned = t <= 3600 ? 1.15 : 1.15 - 0.35 * (t - 3600) / 3600.0;
        const double logged = planned + (t >= 1800 && t < 2400 ? excursion : 0);
        char row[96];
        std::snprintf(row, sizeof row, "%d,920,%.6f,%.6f\r\n", t, logged, planned);
        log += row;
    }
    return log;
}

double printed(const std::string& output, const std::string& label, int column) {
    const std::regex line(label + R"( *([-0-9.]+) +([-0-9.]+))");
    std::smatch found;
    EXPECT_TRUE(std::regex_search(output, found, line)) << label << " in\n" << output;
    return found.size() > 2 ? std::stod(found[std::size_t(column)]) : 0;
}

std::map<std::string, std::string> contents(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("")))
        files[entry.path().filename().string()] = readText(entry.path());
    return files;
}

class ReplayCommand : public testing::Test {
protected:
    void SetUp() override { writeText(folder_.file("plan.tav"), plan); }
    std::string planPath() const { return folder_.file("plan.tav").string(); }
    std::string log(const std::string& text) const {
        writeText(folder_.file("log.csv"), text);
        return folder_.file("log.csv").string();
    }

    KeptInUseList inUseList_;
    TempFolder folder_;
};

} // namespace

// The tolerance: the log's rows cut the run's steps at every 60 s, which moves the explicit
// scheme's result by far less than this.
constexpr double replayTolerance = 0.005; // % C and mm

TEST_F(ReplayCommand, TheLoggedPlanReplaysAsThePlan) {
    ASSERT_EQ(0, call(runReplayCommand, {"--replay", planPath(), "--log", log(loggedPlan(60))}))
        << lastMessage;
    EXPECT_EQ(plan, readText(folder_.file("plan.tav"))) << "the plan is left alone";
    const std::string asRun = readText(folder_.file("plan-asrun.tav"));
    std::istringstream in(asRun); // as the viewer reads a set's head: no limit on its rows
    TDane head;
    ASSERT_TRUE(in >> head);
    EXPECT_EQ(121u, head.times.size()) << "one stage row per log row";
    EXPECT_EQ(2, head.times.back());
    std::size_t blocks = 0;
    for (std::size_t at = asRun.find("\r\n\"  "); at != std::string::npos;
         at = asRun.find("\r\n\"  ", at + 1))
        ++blocks;
    EXPECT_EQ(2u, blocks) << "profiles at the plan's stage ends only";
    EXPECT_TRUE(std::filesystem::exists(folder_.file("plan-asrun.pow")));
    EXPECT_NEAR(printed(lastOutput, "surface carbon, % C", 1),
                printed(lastOutput, "surface carbon, % C", 2), replayTolerance);
    EXPECT_NEAR(printed(lastOutput, R"(case depth at 0\.35 % C, mm)", 1),
                printed(lastOutput, R"(case depth at 0\.35 % C, mm)", 2), replayTolerance);
    EXPECT_NE(std::string::npos, lastOutput.find("outside 0.0 min, 0.00 % of 120.0 min logged"))
        << lastOutput;
}

TEST_F(ReplayCommand, AnExcursionIsReportedAndCarburizesMore) {
    const std::string out = folder_.file("run.tav").string();
    ASSERT_EQ(0, call(runReplayCommand,
                      {"--replay", planPath(), "--log", log(loggedPlan(60, 0.1)), "-o", out}))
        << lastMessage;
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(folder_.file("plan-asrun.tav")));
    // The step up at 30 min and down at 40 min each cross the band halfway through their
    // minute: ten minutes outside, of 120.
    EXPECT_NE(std::string::npos, lastOutput.find("outside 10.0 min, 8.33 % of 120.0 min logged"))
        << lastOutput;
    EXPECT_NE(std::string::npos, lastOutput.find("longest excursion 10.0 min, from 0.492 h"))
        << lastOutput;
    EXPECT_GT(printed(lastOutput, R"(case depth at 0\.35 % C, mm)", 2),
              printed(lastOutput, R"(case depth at 0\.35 % C, mm)", 1));
}

TEST_F(ReplayCommand, TheRecordBesideTheSetKeepsWhatWasPrinted) {
    const std::string logPath = log(loggedPlan(60, 0.1));
    ASSERT_EQ(0, call(runReplayCommand, {"--replay", planPath(), "--log", logPath})) << lastMessage;
    const std::optional<std::string> text = wholeFile(folder_.file("plan-asrun.run").string());
    ASSERT_TRUE(text) << "the record lies beside the as-run set";
    const AsRunRecordReading reading = readAsRunRecord(*text);
    ASSERT_TRUE(reading.record) << reading.line << " " << reading.rule;
    const AsRunRecord& record = *reading.record;
    EXPECT_EQ(std::filesystem::path(logPath), std::filesystem::path(record.logName));
    EXPECT_EQ(std::filesystem::path(planPath()), std::filesystem::path(record.planName));
    EXPECT_EQ(121U, record.rows.size());
    EXPECT_EQ(2,
              std::count(record.rows.begin(), record.rows.end(), AsRunRow{0.8, true, false}) +
                  std::count(record.rows.begin(), record.rows.end(), AsRunRow{1.15, true, false}))
        << "the rows that end the plan's two stages, with their setpoints";
    constexpr double printedDigits = 0.0005; // %.3f
    EXPECT_NEAR(printed(lastOutput, "surface carbon, % C", 1), record.planned.surface,
                printedDigits);
    EXPECT_NEAR(printed(lastOutput, R"(case depth at 0\.35 % C, mm)", 2), record.asRun.depth,
                printedDigits);
    EXPECT_NEAR(10.0, record.band.outsideMinutes, 1e-9);
}

TEST_F(ReplayCommand, RunComputesTheAsRunSetAgainAsTheReplayDid) {
    const std::string out = folder_.file("run.tav").string();
    ASSERT_EQ(0, call(runReplayCommand,
                      {"--replay", planPath(), "--log", log(loggedPlan(60, 0.1)), "-o", out}))
        << lastMessage;
    const auto replayed = contents(folder_);
    ASSERT_EQ(0, call(runBatch, {"--run", out})) << lastMessage;
    EXPECT_EQ(replayed, contents(folder_)) << "every file byte for byte, the record untouched";
}

TEST_F(ReplayCommand, RunRefusesAnAsRunSetItsRecordDoesNotFit) {
    const std::string out = folder_.file("run.tav").string();
    ASSERT_EQ(0, call(runReplayCommand,
                      {"--replay", planPath(), "--log", log(loggedPlan(60)), "-o", out}))
        << lastMessage;
    const std::string recordName = folder_.file("run.run").string();
    AsRunRecord record = readAsRunRecord(*wholeFile(recordName)).record.value();
    record.rows.pop_back();
    writeText(recordName, asRunRecordText(record));
    EXPECT_EQ(1, call(runBatch, {"--run", out}));
    EXPECT_NE(std::string::npos, lastMessage.find("has 121 stage rows, its as-run record 120"))
        << lastMessage;
    writeText(recordName, "as-run load\r\nlog: x\r\n");
    EXPECT_EQ(1, call(runBatch, {"--run", out}));
    EXPECT_NE(std::string::npos, lastMessage.find("run.run: line 3 must start with \"plan:\""))
        << lastMessage;
    std::filesystem::remove(recordName);
    EXPECT_EQ(1, call(runBatch, {"--run", out}));
    EXPECT_NE(std::string::npos, lastMessage.find("stage count must be from 1 to 10"))
        << "without its record the set is a typed programme, held to the form's rows";
}

TEST_F(ReplayCommand, AGapIsWarned) {
    std::string gapped = "time,temperature,carbon_potential\r\n";
    for (int t : {0, 60, 1260, 1320, 7200})
        gapped += std::to_string(t) + ",920,1.0\r\n";
    ASSERT_EQ(0, call(runReplayCommand, {"--replay", planPath(), "--log", log(gapped)}))
        << lastMessage;
    EXPECT_NE(std::string::npos, lastMessage.find("warning")) << lastMessage;
    EXPECT_NE(std::string::npos, lastMessage.find("line 4: 20.0 min")) << lastMessage;
    EXPECT_NE(std::string::npos, lastMessage.find("line 6: 98.0 min")) << lastMessage;
}

TEST_F(ReplayCommand, TheAsRunSetMayNotBeThePlan) {
    EXPECT_EQ(2, call(runReplayCommand,
                      {"--replay", planPath(), "--log", log(loggedPlan(600)), "-o", planPath()}));
    EXPECT_EQ(plan, readText(folder_.file("plan.tav")));
}

struct BadLog {
    const char* name;
    const char* text;
    const char* message; // the line and the column
};

class ReplayRefused : public ReplayCommand, public testing::WithParamInterface<BadLog> {};

TEST_P(ReplayRefused, NamesLineAndColumnAndWritesNothing) {
    const std::string logPath = log(GetParam().text);
    const auto before = contents(folder_);
    EXPECT_EQ(2, call(runReplayCommand, {"--replay", planPath(), "--log", logPath}));
    EXPECT_NE(std::string::npos, lastMessage.find(GetParam().message)) << lastMessage;
    EXPECT_EQ(before, contents(folder_)) << "nothing written, the plan untouched";
}

INSTANTIATE_TEST_SUITE_P(
    BadLogs, ReplayRefused,
    testing::Values(BadLog{"timestampsBack",
                           "timestamp,temperature,carbon_potential\n2026-03-01T06:00:00,920,1\n"
                           "2026-03-01T06:00:10,920,1\n2026-03-01T06:00:05,920,1\n",
                           "line 4, column timestamp: must be later"},
                    BadLog{"noTemperature", "time,carbon_potential\n0,1\n60,1\n",
                           "line 1: the header names no temperature"},
                    BadLog{"noPotential", "time,temperature\n0,920\n60,920\n",
                           "line 1: the header names no potential"},
                    BadLog{"notANumber", "time,temperature,probe_mv\n0,920,1150\n60,920,1l50\n",
                           "line 3, column probe_mv: is not a number"},
                    BadLog{"empty", "", "line 1: the log is empty"},
                    BadLog{"probe3000", "time,temperature,probe_mv\n0,920,3000\n60,920,1150\n",
                           "line 2, column probe_mv: must be 0 to 1500 mV"}),
    [](const testing::TestParamInfo<BadLog>& row) { return std::string(row.param.name); });

TEST_F(ReplayCommand, AMissingLogIsUnusable) {
    EXPECT_EQ(1, call(runReplayCommand,
                      {"--replay", planPath(), "--log", folder_.file("none.csv").string()}));
    EXPECT_NE(std::string::npos, lastMessage.find("cannot be opened"));
    EXPECT_EQ(2, call(runReplayCommand, {"--replay", planPath()}));
    EXPECT_NE(std::string::npos, lastMessage.find("needs --log"));
}

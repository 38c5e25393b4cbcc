// The as-run programme built from a plan and its log, and the band report over it.

#include "Replay.h"
#include "Atmosphere.h"
#include "FurnaceLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double minutesTolerance = 1e-9; // sums of a few exact fractions of an interval
constexpr double potentialTolerance = 1e-9;

ProcessRecord plan(SampleShape shape = SampleShape::SemiInfinite) {
    ProcessRecord record;
    record.data.steelCarbon = 0.2;
    record.data.transferCoefficient = 2e-5;
    record.data.alloy = {1.1, 0, 1.2, 0.25, 0};
    record.data.times = {0, 0.1, 0.2};
    record.data.temperatures = {920, 920, 880};
    record.data.potentials = {1.2, 1.2, 0.8};
    record.shape = shape;
    if (shape != SampleShape::SemiInfinite)
        record.thickness = 2;
    return record;
}

FurnaceLog logOf(const std::string& text) {
    const LogReading reading = readFurnaceLog(text);
    EXPECT_TRUE(reading.log) << (reading.refusal ? refusalText(*reading.refusal) : "");
    return reading.log.value_or(FurnaceLog{});
}

AsRun asRunOf(const ProcessRecord& planned, const std::string& text) {
    const AsRunBuild build = asRunProcess(planned, logOf(text));
    EXPECT_TRUE(build.asRun) << (build.refusal ? refusalText(*build.refusal) : "");
    return build.asRun.value_or(AsRun{});
}

} // namespace

TEST(ReplayTest, EveryLogRowIsAStageRowOfThePlansSteel) {
    const AsRun asRun = asRunOf(plan(), "time,temperature,carbon_potential\n0,900,1.1\n"
                                        "180,920,1.2\n360,920,1.2\n540,900,1.0\n720,880,0.8\n");
    const TDane& data = asRun.process.data;
    EXPECT_EQ((std::vector<double>{0, 0.05, 0.1, 0.15, 0.2}), data.times)
        << "hours for a thick sample";
    EXPECT_EQ((std::vector<double>{900, 920, 920, 900, 880}), data.temperatures);
    EXPECT_EQ((std::vector<double>{1.1, 1.2, 1.2, 1, 0.8}), data.potentials);
    EXPECT_EQ(plan().data.alloy, data.alloy);
    EXPECT_EQ(0.2, data.steelCarbon);
    EXPECT_EQ(SampleShape::SemiInfinite, asRun.process.shape);
    EXPECT_EQ((std::vector<bool>{false, false, true, false, true}), asRun.stageEnds)
        << "the rows at the plan's stage ends, and the last";
    EXPECT_TRUE(asRun.warnings.empty());
    EXPECT_TRUE(asRun.setpointFromPlan);
    EXPECT_NEAR(1.0, asRun.path[3].setpoint.value_or(0), potentialTolerance)
        << "without a setpoint column the plan's potential is the setpoint";
}

TEST(ReplayTest, ThinSamplesKeepSeconds) {
    ProcessRecord foil = plan(SampleShape::Foil);
    foil.data.times = {0, 60, 120};
    const AsRun asRun = asRunOf(foil, "time,temperature,carbon_potential\n0,920,1\n30,920,1\n"
                                      "61,920,1\n120,920,1\n");
    EXPECT_EQ((std::vector<double>{0, 30, 61, 120}), asRun.process.data.times);
    EXPECT_EQ((std::vector<bool>{false, false, true, true}), asRun.stageEnds);
    EXPECT_EQ(2.0, asRun.process.thickness);
}

TEST(ReplayTest, BurnOffHoldsTheLastValidPotential) {
    const AsRun asRun =
        asRunOf(plan(), "time,temperature,carbon_potential,event\n0,920,,burnoff\n10,920,1.1,\n"
                        "20,920,0.2,burnoff\n30,920,,burnoff\n40,920,1.2,\n");
    EXPECT_EQ((std::vector<double>{1.1, 1.1, 1.1, 1.1, 1.2}), asRun.process.data.potentials)
        << "before any valid one, the first valid one";
    EXPECT_TRUE(asRun.path[2].masked);
    EXPECT_FALSE(asRun.path[1].masked);
}

TEST(ReplayTest, SootRowsOfferTheSootLimit) {
    const AsRun asRun = asRunOf(plan(), "time,temperature,probe_mv,co\n0,925,1150,20\n"
                                        "10,925,1150,30\n20,925,1150,20\n");
    EXPECT_TRUE(asRun.path[1].soot);
    EXPECT_NEAR(asWritten(sootLimitCarbon(925 + kelvinOffset)), asRun.process.data.potentials[1],
                potentialTolerance);
    EXPECT_EQ((std::vector<std::size_t>{3}), bandReport(asRun).sootLines);
}

TEST(ReplayTest, AGapIsHeldOverAndWarned) {
    const AsRun asRun = asRunOf(plan(), "time,temperature,carbon_potential\n0,920,1.2\n"
                                        "60,920,1.0\n1260,900,0.8\n1270,900,0.8\n");
    EXPECT_EQ((std::vector<double>{0, 60, 1250, 1260, 1270}), [&] {
        std::vector<double> seconds;
        for (const PathPoint& point : asRun.path)
            seconds.push_back(point.time);
        return seconds;
    }());
    EXPECT_EQ(1.0, asRun.path[2].potential) << "the row before, held";
    EXPECT_EQ(1.0, asRun.process.data.potentials[2]);
    EXPECT_EQ(920, asRun.path[2].celsius);
    ASSERT_EQ(1u, asRun.warnings.size());
    EXPECT_NE(std::string::npos, asRun.warnings[0].find("line 4: 20.0 min")) << asRun.warnings[0];
    EXPECT_EQ(asRun.path.size(), asRun.process.data.times.size());
}

TEST(ReplayTest, RowsTheFileCannotKeepApartAreRefused) {
    // At 100 h six significant digits keep 0.001 h = 3.6 s apart.
    const AsRunBuild build = asRunProcess(
        plan(), logOf("time,temperature,carbon_potential\n0,920,1\n360000,920,1\n360001,920,1\n"));
    ASSERT_FALSE(build.asRun);
    ASSERT_TRUE(build.refusal);
    EXPECT_EQ(4u, build.refusal->line);
}

TEST(ReplayTest, PlannedPotentialIsLinearBetweenRows) {
    EXPECT_EQ(1.2, plannedPotential(plan(), 180));
    EXPECT_NEAR(1.0, plannedPotential(plan(), 540), potentialTolerance);
    EXPECT_EQ(0.8, plannedPotential(plan(), 99999));
}

// Setpoint 1.0 throughout. Intervals: [0, 100] s 1.0 → 1.2, outside from 25 s (75 s);
// [100, 160] at 1.2 (60 s); [160, 220] 1.2 → 0.9, inside from 30 s to 50 s of it (30 + 10 s);
// [220, 340] at 0.9 up to the burn-off row, which holds it (120 s); [340, 400] masked;
// [400, 460] at 0.9 (60 s). Outside 355 s; the longest excursion 165 s from 25 s (line 2).
TEST(ReplayTest, BandReportByHand) {
    const AsRun asRun =
        asRunOf(plan(), "time,temperature,carbon_potential,setpoint,event\n"
                        "0,920,1.0,1.0,\n100,920,1.2,,\n160,920,1.2,,\n220,920,0.9,,\n"
                        "340,920,,,burnoff\n400,920,0.9,,\n460,920,0.9,,\n");
    const BandReport report = bandReport(asRun);
    EXPECT_NEAR(460.0 / 60, report.loggedMinutes, minutesTolerance);
    EXPECT_NEAR(355.0 / 60, report.outsideMinutes, minutesTolerance);
    EXPECT_NEAR(60.0 / 60, report.maskedMinutes, minutesTolerance);
    EXPECT_NEAR(165.0 / 60, report.longestMinutes, minutesTolerance);
    EXPECT_NEAR(25.0 / 3600, report.longestStartHours, minutesTolerance);
    EXPECT_EQ(2u, report.longestStartLine);
    EXPECT_NEAR(100 * report.outsideMinutes / report.loggedMinutes, report.outsidePercent,
                minutesTolerance);
    EXPECT_TRUE(report.sootLines.empty());
}

// What the replay builds into the record kept beside an as-run set.

#include "FurnaceLog.h"
#include "Replay.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AsRunRecordTest, TheReplayKeepsItsPathStageEndsAndBand) {
    ProcessRecord plan;
    plan.data.steelCarbon = 0.2;
    plan.data.transferCoefficient = 2e-5;
    plan.data.times = {0, 0.1, 0.2};
    plan.data.temperatures = {920, 920, 920};
    plan.data.potentials = {1.2, 1.2, 0.8};
    const LogReading log = readFurnaceLog("time,temperature,carbon_potential,setpoint,event\n"
                                          "0,920,1.2,1.2,\n180,920,,1.2,burnoff\n360,920,1.3,1.2,\n"
                                          "540,920,1.0,1.0,\n720,920,0.8,0.8,\n");
    ASSERT_TRUE(log.log);
    const AsRunBuild build = asRunProcess(plan, *log.log);
    ASSERT_TRUE(build.asRun);
    const CaseFigures planned{0.8, 0.5, 0.4, 0}, asRun{0.85, 0.55, std::nullopt, 0};
    const AsRunRecord record = asRunRecord(*build.asRun, "log.csv", "plan.tav", planned, asRun);
    EXPECT_EQ("carbon_potential", record.potentialColumn);
    EXPECT_FALSE(record.setpointFromPlan);
    EXPECT_EQ(planned, record.planned);
    EXPECT_EQ(asRun, record.asRun);
    EXPECT_EQ(bandReport(*build.asRun), record.band);
    ASSERT_EQ(5U, record.rows.size());
    EXPECT_EQ((std::vector<bool>{false, false, true, false, true}), record.stageEnds());
    EXPECT_TRUE(record.rows[1].masked) << "the burn-off row";
    EXPECT_FALSE(record.rows[2].masked);
    EXPECT_EQ(1.0, record.rows[3].setpoint.value_or(0));
    EXPECT_EQ(record, readAsRunRecord(asRunRecordText(record)).record.value_or(AsRunRecord{}));
}

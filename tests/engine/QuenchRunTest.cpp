// A run whose process has a quench line: its hardness file from the quench model and its
// retained-austenite file beside it; without the line the run writes what it always wrote.
#include "Parametry.h"
#include "ResultStreams.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

ProcessRecord carburizedCylinder() {
    ProcessRecord process = stagedProcess(0.17, 2e-5, {{0, 920, 1.1}, {4, 920, 1.1}, {6, 920, 0.8}},
                                          SampleShape::Cylinder, 25);
    process.data.alloy = {0.95, 0, 1.15, 0.25, 0}; // 16MnCr5: Cr, Mo, Mn, Si, Ni
    return process;
}

ProcessRecord quenched(ProcessRecord process) {
    process.settings.quench = QuenchSetting{QuenchMedium::Oil, 60, std::nullopt, std::nullopt};
    process.settings.temper = TemperSetting{180, 2};
    return process;
}

} // namespace

TEST(QuenchRun, WritesTheRetainedAusteniteBesideTheHardnessOneBlockPerStageEnd) {
    TempFolder folder;
    ResultStreams streams;
    const std::filesystem::path set = folder.file("q.tav");
    const RunOutcome outcome = writeAndRun(set, quenched(carburizedCylinder()), streams);
    ASSERT_EQ(outcome.status, RunStatus::Finished) << outcome.error;
    const std::string austenite = readText(folder.file("q.aus"));
    EXPECT_EQ(austenite.rfind("-\"Retained austenite across the case,  mm  %\r\n", 0), 0U);
    EXPECT_EQ(occurrences(austenite, "\"  "), 2U) << "two stage ends";
    const ProfileBlock last = lastBlock(folder.file("q.aus"));
    const ProfileBlock hardness = lastBlock(folder.file("q.twa"));
    ASSERT_FALSE(last.x.empty());
    EXPECT_EQ(last.x, hardness.x) << "the points of the hardness block";
    EXPECT_GT(last.y.front(), last.y.back()) << "the richer surface keeps more austenite";
    ASSERT_TRUE(outcome.finalHardness && outcome.finalHardness->fromQuench);
    EXPECT_NEAR(outcome.finalHardness->austenite.front(), last.y.front(), 0.05);
}

TEST(QuenchRun, ChangesTheHardnessButNotTheCarbon) {
    TempFolder folder;
    ResultStreams streams;
    ASSERT_EQ(writeAndRun(folder.file("g.tav"), carburizedCylinder(), streams).status,
              RunStatus::Finished);
    ASSERT_EQ(writeAndRun(folder.file("q.tav"), quenched(carburizedCylinder()), streams).status,
              RunStatus::Finished);
    EXPECT_FALSE(std::filesystem::exists(folder.file("g.aus"))) << "no quench, no austenite";
    EXPECT_EQ(readText(folder.file("g.pow")), readText(folder.file("q.pow")));
    EXPECT_EQ(readText(folder.file("g.gru")), readText(folder.file("q.gru")));
    EXPECT_NE(readText(folder.file("g.twa")), readText(folder.file("q.twa")));
}

TEST(QuenchRun, AnEarlierRunsAusteniteFileGoesWithItsResults) {
    TempFolder folder;
    ResultStreams streams;
    const std::filesystem::path set = folder.file("s.tav");
    ASSERT_EQ(writeAndRun(set, quenched(carburizedCylinder()), streams).status,
              RunStatus::Finished);
    ASSERT_TRUE(std::filesystem::exists(folder.file("s.aus")));
    ASSERT_EQ(writeAndRun(set, carburizedCylinder(), streams).status, RunStatus::Finished);
    EXPECT_FALSE(std::filesystem::exists(folder.file("s.aus")));
}

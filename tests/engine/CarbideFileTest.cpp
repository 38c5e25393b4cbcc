// A run with carbides writes its cementite profiles beside the carbon profiles, one block per
// stage end, and tells where the cementite lies at each; a run without writes what it always did.
#include "Material.h" // cementiteCarbon
#include "Parametry.h"
#include "ResultStreams.h"
#include "RunFixture.h"
#include "Saturation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

constexpr double ck = 0.2;             // % C
constexpr double flux = 0.01;          // g/(m²·s), more than diffusion carries off at 920 °C
constexpr double stageHours = 0.5;     // h, each of the two boosts
constexpr double balanceShare = 0.005; // the bound of carbon conserved, relative
constexpr double steelDensity = 7.8e6; // g/m³, as the solvers take it

// Two flux-limited boosts at 920 °C: the intake is exactly J0·t, and beyond what diffusion
// carries off it becomes cementite.
ProcessRecord boosted(bool carbides) {
    const StageCondition boost{SurfaceCondition::Boost, flux};
    ProcessRecord process = stagedProcess(
        ck, 2e-5,
        {{0, 920, 0.8}, {stageHours, 920, 0.8, boost}, {2 * stageHours, 920, 0.8, boost}});
    process.settings.carbides = carbides;
    return process;
}

// g/m² of carbon above the steel's over a profile block (mm, % C above ck), by the trapezoid rule.
double excessMass(const std::vector<double>& x, const std::vector<double>& excess) {
    double sum = 0; // % C · mm
    for (std::size_t i = 1; i < x.size(); ++i)
        sum += (x[i] - x[i - 1]) * (excess[i] + excess[i - 1]) / 2;
    return 0.01 * sum * 1e-3 * steelDensity;
}

class CarbideFile : public testing::Test {
protected:
    RunOutcome run(bool carbides) {
        return writeAndRun(folder.file("c.tav"), boosted(carbides), streams);
    }
    TempFolder folder;
    ResultStreams streams;
};

} // namespace

TEST_F(CarbideFile, HoldsOneBlockPerStageEndOnTheCarbonProfilesPoints) {
    const RunOutcome outcome = run(true);
    ASSERT_EQ(outcome.status, RunStatus::Finished) << outcome.error;
    const std::string text = readText(folder.file("c.wgl"));
    EXPECT_EQ(text.rfind("-\"Cementite across the case, mass fraction,  mm  %\r\n", 0), 0U) << text;
    EXPECT_EQ(occurrences(text, "\"  "), 2U) << "two stage ends";
    const ProfileBlock cementite = lastBlock(folder.file("c.wgl"));
    const ProfileBlock carbon = lastBlock(folder.file("c.tav"));
    ASSERT_FALSE(cementite.x.empty());
    EXPECT_EQ(cementite.x, carbon.x);
    EXPECT_GT(cementite.y.front(), 0) << "cementite at the surface";
    EXPECT_TRUE(std::ranges::all_of(cementite.y, [](double percent) { return percent <= 100; }))
        << "no point holds more than pure cementite";
    EXPECT_EQ(cementite.y.back(), 0) << "none at the case's end";
}

// What the surface took in, J0·t, is the dissolved carbon of the carbon profile and the carbon
// of the cementite the file gives (the lever rule backwards: f·(6.67 − C_sat)).
TEST_F(CarbideFile, WithTheCarbonProfileHoldsTheIntake) {
    ASSERT_EQ(run(true).status, RunStatus::Finished);
    const ProfileBlock cementite = lastBlock(folder.file("c.wgl"));
    const ProfileBlock carbon = lastBlock(folder.file("c.tav"));
    ASSERT_EQ(cementite.x, carbon.x);
    const double saturated = saturationCarbon(920, {0, 0, 0, 0, 0});
    std::vector<double> dissolved, held;
    for (std::size_t i = 0; i < carbon.x.size(); ++i) {
        dissolved.push_back(carbon.y[i] - ck);
        held.push_back(cementite.y[i] / 100 * (cementiteCarbon - saturated));
    }
    const double intake = flux * 2 * stageHours * 3600;
    const double inCementite = excessMass(carbon.x, held);
    EXPECT_GT(inCementite, 0.05 * intake) << "the test must hold cementite worth weighing";
    EXPECT_NEAR(excessMass(carbon.x, dissolved) + inCementite, intake, balanceShare * intake);
}

TEST_F(CarbideFile, StageEndsTellTheDeepestCementite) {
    const RunOutcome outcome = run(true);
    ASSERT_TRUE(outcome.carbideAtStageEnds);
    const std::vector<StageCarbide>& ends = *outcome.carbideAtStageEnds;
    ASSERT_EQ(ends.size(), 2U);
    EXPECT_EQ(ends[0].time, stageHours * 3600);
    EXPECT_EQ(ends[1].time, 2 * stageHours * 3600);
    ASSERT_TRUE(ends[0].deepest && ends[1].deepest);
    // The flux fills the surface cell with cementite, then the cells below it.
    EXPECT_GT(*ends[1].deepest, *ends[0].deepest) << "the cementite grows inwards";
    EXPECT_EQ(ends[1].deepest, outcome.remainingCarbide);
    // Each of the file's points stands for an interval around it: the last with cementite lies
    // within one of them of the deepest node holding it.
    const ProfileBlock cementite = lastBlock(folder.file("c.wgl"));
    std::size_t last = 0;
    for (std::size_t i = 0; i < cementite.y.size(); ++i)
        if (cementite.y[i] > 0)
            last = i;
    const double step = cementite.x[1] - cementite.x[0];
    EXPECT_NEAR(cementite.x[last], *ends[1].deepest, step);
}

TEST_F(CarbideFile, IsNotWrittenWithoutCarbidesAndGoesWithAnEarlierRun) {
    ASSERT_EQ(run(true).status, RunStatus::Finished);
    ASSERT_TRUE(std::filesystem::exists(folder.file("c.wgl")));
    const RunOutcome outcome = run(false);
    ASSERT_EQ(outcome.status, RunStatus::Finished);
    EXPECT_FALSE(std::filesystem::exists(folder.file("c.wgl")));
    EXPECT_FALSE(outcome.carbideAtStageEnds);
}

// A trial run keeps the cementite's text in memory as a run writes its file.
TEST(CarbideText, IsKeptInMemory) {
    MemoryStreams streams;
    NoProgress progress;
    Parametry parametry(boosted(true), {});
    KeptRun kept = runKept(parametry, progress, streams);
    ASSERT_EQ(kept.outcome.status, RunStatus::Finished);
    EXPECT_EQ(occurrences(streams.text(ResultFile::Carbide), "\"  "), 2U);
}

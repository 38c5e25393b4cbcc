// A trial run computes what a normal run computes, and leaves the folder alone.

#include "Computation.h"
#include "ProcessData.h"
#include "ProfileMeasures.h"
#include "ResultStreams.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>
#include <string>

namespace {

struct TrialCase {
    const char* name;
    SampleShape shape;
    double duration; // h, s for foil and wire
    double thickness;
};

void PrintTo(const TrialCase& row, std::ostream* out) {
    *out << row.name;
}

const TrialCase trialCases[] = {
    {"SemiInfinite", SampleShape::SemiInfinite, 3, unfilledValue},
    {"Plate", SampleShape::Plate, 2, 1.5},
    {"Cylinder", SampleShape::Cylinder, 2, 3},
    {"Foil", SampleShape::Foil, 600, 0.05},
    {"Wire", SampleShape::Wire, 300, 0.05},
};

std::map<std::filesystem::path, std::string> contents(const TempFolder& folder) {
    std::map<std::filesystem::path, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("")))
        files[entry.path()] = readText(entry.path());
    return files;
}

class TrialRun : public testing::TestWithParam<TrialCase> {};

} // namespace

TEST_P(TrialRun, EndsWhereTheWrittenRunEnds) {
    const TrialCase& row = GetParam();
    const ProcessRecord process =
        shaped(constantStage(row.duration, 920, 1.0), row.shape, row.thickness);
    TempFolder folder;
    ResultStreams streams;
    ASSERT_EQ(writeAndRun(folder.file("set.tav"), process, streams).status, RunStatus::Finished);
    const auto before = contents(folder);

    NoProgress progress;
    const TrialResult trial = runTrial(asWritten(process), 0.35, progress);
    ASSERT_EQ(trial.outcome.status, RunStatus::Finished);
    EXPECT_EQ(contents(folder), before);

    EXPECT_NEAR(trial.surfaceCarbon, lastRow(folder.file("set.pow"))[1], 5e-4);
    const bool thin = kindTraits(row.shape).thin;
    if (thin)
        EXPECT_NEAR(trial.meanIncrease, lastRow(folder.file("set.sre"))[1], 5e-4);
    else
        EXPECT_NEAR(trial.caseDepth, lastRow(folder.file("set.gru"))[2], 5e-4);
    // The file's last profile is the final one resampled linearly between nodes; it keeps five
    // digits of carbon.
    const ProfileBlock written = lastBlock(folder.file("set.tav"));
    ASSERT_FALSE(written.x.empty());
    for (std::size_t i = 0; i < written.x.size(); ++i) {
        const std::optional<double> carbon =
            profileValueAt(trial.depth, trial.carbon, written.x[i]);
        ASSERT_TRUE(carbon) << written.x[i] << " mm";
        EXPECT_NEAR(*carbon, written.y[i], 1e-4) << written.x[i] << " mm";
    }
    // The hardness file's last block, to its three digits of HV.
    ASSERT_EQ(trial.outcome.finalHardness.has_value(), !thin);
    if (!thin) {
        const ProfileBlock hardness = lastBlock(folder.file("set.twa"));
        ASSERT_EQ(trial.outcome.finalHardness->hv.size(), hardness.y.size());
        for (std::size_t i = 0; i < hardness.y.size(); ++i)
            EXPECT_NEAR(trial.outcome.finalHardness->hv[i], hardness.y[i], 0.5);
    }
    ASSERT_EQ(trial.outcome.surfaceAtRows.size(), 2u);
    EXPECT_EQ(trial.outcome.surfaceAtRows[0], 0.2);
    EXPECT_EQ(trial.outcome.surfaceAtRows[1], trial.surfaceCarbon);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TrialRun, testing::ValuesIn(trialCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(TrialRunCancel, StopsWithoutTouchingAnyFile) {
    TempFolder folder;
    const ProcessRecord process = asWritten(constantStage(4, 920, 1.0));
    struct CancelAtOnce : RunObserver {
        void setProgress(int) override {}
        bool cancelRequested() override { return true; }
    } cancel;
    const TrialResult trial = runTrial(process, 0.35, cancel);
    EXPECT_EQ(trial.outcome.status, RunStatus::Cancelled);
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("")));
}

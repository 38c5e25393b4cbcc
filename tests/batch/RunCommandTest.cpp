// The run command below the front ends: its option's check, its claim of the set, and what a
// run that is refused, fails, is cancelled or finishes leaves of the set and of its claim.

#include "RunCommand.h"

#include "FileTable.h"
#include "KindTraits.h"
#include "ResultStreams.h"
#include "RunFixture.h"
#include "SetNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

struct LimitCase {
    std::optional<double> limit;
    Spelling spelling;
    std::optional<std::string> conflict;
};

class RunLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(RunLimit, IsAHardnessAboveZero) {
    EXPECT_EQ(runConflict({GetParam().limit}, GetParam().spelling), GetParam().conflict);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RunLimit,
    testing::Values(LimitCase{std::nullopt, Spelling::CommandLine, std::nullopt},
                    LimitCase{600.0, Spelling::CommandLine, std::nullopt},
                    LimitCase{0.0, Spelling::CommandLine, "--chd-limit needs a hardness in HV"},
                    LimitCase{-513.0, Spelling::Script, "chd_limit needs a hardness in HV"},
                    LimitCase{std::nan(""), Spelling::CommandLine,
                              "--chd-limit needs a hardness in HV"}));

TEST(RunRequest, TakesTheLimitGivenOr550) {
    EXPECT_EQ(runRequest("/sets/a.tav", {}).hardnessLimit, 550.0);
    EXPECT_EQ(runRequest("/sets/a.tav", {600.0}).hardnessLimit, 600.0);
    EXPECT_EQ(runRequest("/sets/a.tav", {}).cancelled, CancelledInput::Kept);
}

TEST(RunRefusal, NamesItsFileWhenItHasOne) {
    EXPECT_EQ((RunRefusal{CommandStatus::InUse, "/a.tav", "Filename is already in use"}.message()),
              "/a.tav: Filename is already in use");
    EXPECT_EQ((RunRefusal{CommandStatus::WriteFailed, {}, "disk full"}.message()), "disk full");
    EXPECT_FALSE(RunRefusal{});
}

class CancellingObserver : public RunObserver {
public:
    void setProgress(int) override {}
    bool cancelRequested() override { return true; }
};

class RunSetTest : public testing::Test {
protected:
    RunSetTest() : path_(folder_.file("set.tav").string()) {
        writeText(path_, head_);
        request_ = runRequest(path_, {});
    }

    SetRunOutcome run(const RunSteps& steps, RunObserver& observer) {
        ResultStreams streams;
        return runSet(request_, head_, steps, observer, streams);
    }
    RunSteps steps(std::function<std::optional<std::string>(const KeptRun&)> complete = {}) {
        return {[] { return RunRefusal{}; }, [this] { return Parametry(path_); },
                std::move(complete)};
    }
    bool listed() const {
        TFileTable table;
        readFileTable(listFilePath(), table);
        return table.contains(path_);
    }
    bool anyResultFile() const {
        for (std::string_view extension : setFileExtensions)
            if (std::filesystem::exists(resultFileName(path_, extension)))
                return true;
        return false;
    }

    KeptInUseList inUseList_;
    TempFolder folder_;
    std::string head_ = processDataText(constantStage(1, 920, 1.1));
    std::string path_;
    RunRequest request_;
    NoProgress quiet_;
};

TEST_F(RunSetTest, AFinishedRunKeepsItsClaimUntilReleased) {
    SetRunOutcome outcome = run(steps(), quiet_);
    EXPECT_TRUE(outcome.ran);
    EXPECT_FALSE(outcome.end) << outcome.end.message();
    EXPECT_TRUE(anyResultFile());
    ASSERT_TRUE(outcome.claim.claim);
    EXPECT_TRUE(listed()) << "the front end reads the files before it lets the set go";
    EXPECT_EQ(releaseRunSet(*outcome.claim.claim), std::nullopt);
    EXPECT_FALSE(listed());
}

TEST_F(RunSetTest, AHeadThatCannotBeLaidStopsTheRunBeforeItComputes) {
    bool computed = false;
    const RunSteps refusing{[] {
                                return RunRefusal{CommandStatus::WriteFailed, {}, "disk full"};
                            },
                            [&] {
                                computed = true;
                                return Parametry(path_);
                            }};
    SetRunOutcome outcome = run(refusing, quiet_);
    EXPECT_FALSE(outcome.ran);
    EXPECT_FALSE(computed);
    EXPECT_EQ(outcome.end.message(), "disk full");
    EXPECT_TRUE(outcome.claim.claim && listed()) << "the front end releases the set";
}

TEST_F(RunSetTest, WhatAFinishedRunCannotCompleteFailsIt) {
    const SetRunOutcome outcome =
        run(steps([](const KeptRun&) { return std::optional<std::string>("no record"); }), quiet_);
    EXPECT_EQ(outcome.end.status, CommandStatus::Failed);
    EXPECT_EQ(outcome.end.message(), path_ + ": no record");
    EXPECT_FALSE(anyResultFile());
    EXPECT_EQ(readText(path_), head_) << "cut back to the process data";
}

TEST_F(RunSetTest, ACancelledRunKeepsOrDeletesItsProcessDataAsAsked) {
    CancellingObserver cancelling;
    SetRunOutcome kept = run(steps(), cancelling);
    EXPECT_EQ(kept.end.status, CommandStatus::RunCancelled);
    EXPECT_EQ(kept.end.message(), path_ + ": cancelled; its result files are deleted");
    EXPECT_EQ(readText(path_), head_);
    EXPECT_FALSE(anyResultFile());
    ASSERT_TRUE(kept.claim.claim);
    EXPECT_EQ(releaseRunSet(*kept.claim.claim), std::nullopt);

    request_.cancelled = CancelledInput::Deleted;
    EXPECT_EQ(run(steps(), cancelling).end.status, CommandStatus::RunCancelled);
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(RunSetTest, ASetAnotherRunHasIsNotTouched) {
    const SetClaim other = SetClaim::claim(listFilePath(), path_);
    ASSERT_TRUE(other.claimed());
    bool laid = false;
    const SetRunOutcome outcome = run({[&] {
                                           laid = true;
                                           return RunRefusal{};
                                       },
                                       [this] { return Parametry(path_); }},
                                      quiet_);
    EXPECT_EQ(outcome.end.status, CommandStatus::InUse);
    EXPECT_FALSE(laid);
    EXPECT_FALSE(outcome.claim.claim);
}

class ResultNameClash : public testing::TestWithParam<std::string_view> {
protected:
    KeptInUseList inUseList_;
};

TEST_P(ResultNameClash, RefusesTheNameBeforeItIsClaimed) {
    const std::string path = "/sets/load." + std::string(GetParam());
    const RunClaim claim = claimRunSet(path);
    EXPECT_FALSE(claim.claim);
    EXPECT_EQ(claim.refusal.status, CommandStatus::Unusable);
    EXPECT_EQ(claim.refusal.message(),
              path + ": the name must not end in the extension of a result file");
    TFileTable table;
    readFileTable(listFilePath(), table);
    EXPECT_FALSE(table.contains(path));
}

INSTANTIATE_TEST_SUITE_P(EveryResultFile, ResultNameClash, testing::ValuesIn(setFileExtensions));

} // namespace

#include "FileTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class FileTableFile : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavrix-list-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "pliki.lst").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string path_;
};

} // namespace

TEST(FileTable, NamesCompareWithoutLetterCase) {
    TFileTable table;
    EXPECT_TRUE(table.add("/prog/Stal20.TAV"));
    EXPECT_FALSE(table.add("/PROG/stal20.tav"));
    EXPECT_TRUE(table.contains("/prog/STAL20.tav"));
    EXPECT_FALSE(table.remove("/prog/other.tav"));
    EXPECT_TRUE(table.remove("/prog/stal20.tav"));
    EXPECT_TRUE(table.names().empty());
}

TEST(FileTable, ReadsWholeLinesAndStopsAtTheEnd) {
    TFileTable table;
    std::istringstream in("5\r\n/HOME/MY SETS/A.TAV\r\n/B.TAV\n");
    table.read(in);
    ASSERT_EQ(table.names().size(), 2u);
    EXPECT_EQ(table.names()[0], "/HOME/MY SETS/A.TAV");
    EXPECT_TRUE(table.contains("/home/my sets/a.tav"));
}

TEST(FileTable, EmptyStreamLeavesTheTableAndZeroIsEmpty) {
    TFileTable table;
    table.add("/x.tav");
    std::istringstream empty("");
    table.read(empty);
    EXPECT_EQ(table.names().size(), 1u);
    std::istringstream zero("0");
    table.read(zero);
    EXPECT_TRUE(table.names().empty());
}

TEST_F(FileTableFile, ClaimsRoundTripWithCrLf) {
    SetClaim a = SetClaim::claim(path_, "/sets/a.tav");
    EXPECT_EQ(SetClaim::claim(path_, "/sets/A.TAV").status(), SetClaim::Status::InUse);
    SetClaim blank = SetClaim::claim(path_, "/sets/b c.tav");
    EXPECT_EQ(fileText(path_), "2\r\n/SETS/A.TAV\r\n/SETS/B C.TAV\r\n");
    EXPECT_TRUE(a.release());
    EXPECT_EQ(fileText(path_), "1\r\n/SETS/B C.TAV\r\n");
}

TEST_F(FileTableFile, MissingFileReadsAsUnopened) {
    TFileTable table;
    EXPECT_FALSE(readFileTable(path_, table));
    EXPECT_TRUE(table.names().empty());
}

TEST_F(FileTableFile, ConcurrentUpdatesLoseNoEntry) {
    constexpr int writers = 4;
    constexpr int namesEach = 25;
    for (int w = 0; w < writers; ++w) {
        if (::fork() == 0) {
            // Held to the end: no destructor runs, so every entry stays.
            std::vector<SetClaim> claims;
            for (int k = 0; k < namesEach; ++k)
                claims.push_back(SetClaim::claim(path_, "/sets/w" + std::to_string(w) + "_" +
                                                            std::to_string(k) + ".tav"));
            ::_exit(0);
        }
    }
    for (int w = 0; w < writers; ++w)
        ::wait(nullptr);
    TFileTable table;
    ASSERT_TRUE(readFileTable(path_, table));
    EXPECT_EQ(table.names().size(), static_cast<std::size_t>(writers * namesEach));
}

TEST_F(FileTableFile, AClaimedSetIsInUseUntilReleased) {
    SetClaim claim = SetClaim::claim(path_, "/sets/stał.tav");
    ASSERT_EQ(claim.status(), SetClaim::Status::Claimed);
    // In any letter case, Polish letters too; the list keeps them as they came.
    EXPECT_EQ(SetClaim::claim(path_, "/SETS/STAŁ.TAV").status(), SetClaim::Status::InUse);
    EXPECT_EQ(fileText(path_), "1\r\n/SETS/STAł.TAV\r\n");
    EXPECT_TRUE(claim.release());
    EXPECT_EQ(fileText(path_), "0\r\n");
    EXPECT_EQ(SetClaim::claim(path_, "/sets/stał.tav").status(), SetClaim::Status::Claimed);
}

TEST_F(FileTableFile, ViewerStartKeepsOnlyTheEntriesOfRunningComputations) {
    // A computation that runs holds its claim until the test lets it go; one that crashed
    // ended without releasing; one entry was written by no computation at all.
    int hold[2];
    int claimed[2];
    ASSERT_EQ(::pipe(hold), 0);
    ASSERT_EQ(::pipe(claimed), 0);
    const pid_t running = ::fork();
    if (running == 0) {
        ::close(hold[1]);
        SetClaim claim = SetClaim::claim(path_, "/sets/running.tav");
        (void)!::write(claimed[1], "c", 1);
        char end = 0;
        (void)!::read(hold[0], &end, 1);
        ::_exit(claim.release() ? 0 : 1);
    }
    ::close(hold[0]);
    char mark = 0;
    ASSERT_EQ(::read(claimed[0], &mark, 1), 1);
    const pid_t crashed = ::fork();
    if (crashed == 0) {
        SetClaim claim = SetClaim::claim(path_, "/sets/crashed.tav");
        ::_exit(claim.claimed() ? 0 : 1); // no destructor runs: the entry stays
    }
    int status = 0;
    ::waitpid(crashed, &status, 0);
    TFileTable table;
    ASSERT_TRUE(readFileTable(path_, table));
    table.add("/sets/unclaimed.tav");
    std::ofstream list(path_, std::ios::binary | std::ios::trunc);
    table.write(list);
    ASSERT_TRUE(list.flush());

    EXPECT_EQ(removeStaleEntries(path_), std::nullopt);
    EXPECT_EQ(fileText(path_), "1\r\n/SETS/RUNNING.TAV\r\n");

    ::close(hold[1]);
    ::waitpid(running, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(removeStaleEntries(path_), std::nullopt);
    EXPECT_EQ(fileText(path_), "0");
}

TEST_F(FileTableFile, AKilledRunBlocksNoLaterClaimAndALiveOneDoes) {
    int claimed[2];
    ASSERT_EQ(::pipe(claimed), 0);
    const pid_t run = ::fork();
    if (run == 0) {
        SetClaim claim = SetClaim::claim(path_, "/sets/a.tav");
        (void)!::write(claimed[1], claim.claimed() ? "C" : "U", 1);
        for (;;)
            ::pause(); // computing, until it is killed
    }
    char mark = 0;
    ASSERT_EQ(::read(claimed[0], &mark, 1), 1);
    ASSERT_EQ(mark, 'C');
    EXPECT_EQ(SetClaim::claim(path_, "/sets/A.TAV").status(), SetClaim::Status::InUse);

    ::kill(run, SIGKILL); // the out-of-memory killer, a crash: no destructor runs
    int status = 0;
    ::waitpid(run, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(fileText(path_), "1\r\n/SETS/A.TAV\r\n");

    SetClaim claim = SetClaim::claim(path_, "/sets/a.tav");
    EXPECT_EQ(claim.status(), SetClaim::Status::Claimed);
    EXPECT_EQ(fileText(path_), "1\r\n/SETS/A.TAV\r\n");
    EXPECT_TRUE(claim.release());
    EXPECT_EQ(fileText(path_), "0\r\n");
}

TEST_F(FileTableFile, ClaimsAtTheSameMomentGiveTheSetToOne) {
    constexpr int claimers = 6;
    int start[2], answers[2], hold[2];
    ASSERT_EQ(::pipe(start), 0);
    ASSERT_EQ(::pipe(answers), 0);
    ASSERT_EQ(::pipe(hold), 0);
    for (int k = 0; k < claimers; ++k) {
        if (::fork() == 0) {
            ::close(start[1]);
            ::close(hold[1]);
            char go = 0;
            (void)!::read(start[0], &go, 1);
            SetClaim claim = SetClaim::claim(path_, "/sets/one.tav");
            const char answer = claim.claimed() ? 'C' : 'U';
            (void)!::write(answers[1], &answer, 1);
            (void)!::read(hold[0], &go, 1); // the winner keeps the set until all have tried
            ::_exit(claim.release() ? 0 : 1);
        }
    }
    ::close(start[0]);
    ::close(start[1]);
    std::string got;
    for (int k = 0; k < claimers; ++k) {
        char answer = 0;
        ASSERT_EQ(::read(answers[0], &answer, 1), 1);
        got += answer;
    }
    ::close(hold[1]);
    for (int k = 0; k < claimers; ++k)
        ::wait(nullptr);
    EXPECT_EQ(std::count(got.begin(), got.end(), 'C'), 1) << got;
    EXPECT_EQ(fileText(path_), "0\r\n");
}

namespace {

// What keeps an update from its lock: the list's own lock file, or the folder of the sets'
// lock files, where something else of that name stands.
struct LockBlocker {
    const char* name;
    const char* suffix;
    bool directory;
};

class LockBlocked : public FileTableFile, public testing::WithParamInterface<LockBlocker> {
protected:
    void SetUp() override {
        FileTableFile::SetUp();
        const std::string blocker = path_ + GetParam().suffix;
        if (GetParam().directory)
            std::filesystem::create_directory(blocker);
        else
            std::ofstream(blocker) << "x";
        std::ofstream(path_, std::ios::binary) << "0";
    }
};

} // namespace

TEST_P(LockBlocked, AClaimFailsAndLeavesTheListAsItWas) {
    SetClaim claim = SetClaim::claim(path_, "/sets/a.tav");
    EXPECT_EQ(claim.status(), SetClaim::Status::Failed);
    EXPECT_FALSE(claim.problem().empty());
    EXPECT_EQ(fileText(path_), "0");
}

INSTANTIATE_TEST_SUITE_P(FileTable, LockBlocked,
                         testing::Values(LockBlocker{"ListLock", ".lock", true},
                                         LockBlocker{"SetLocks", ".running", false}),
                         [](const testing::TestParamInfo<LockBlocker>& row) {
                             return std::string(row.param.name);
                         });

TEST_F(FileTableFile, UpdatesWithoutTheListLockFail) {
    std::filesystem::create_directory(path_ + ".lock");
    std::ofstream(path_, std::ios::binary) << "1\r\n/SETS/OLD.TAV\r\n";
    EXPECT_EQ(SetClaim::claim(path_, "/sets/a.tav").status(), SetClaim::Status::Failed);
    EXPECT_NE(removeStaleEntries(path_), std::nullopt);
    EXPECT_EQ(fileText(path_), "1\r\n/SETS/OLD.TAV\r\n");
}

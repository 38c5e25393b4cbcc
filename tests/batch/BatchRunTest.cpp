#include "BatchRun.h"
#include "FileTable.h"
#include "FullDisk.h"
#include "ProfileMeasures.h"
#include "RunFixture.h"
#include "SetNames.h"
#include "UnshrinkableFile.h"

#include <gtest/gtest.h>

#include <ostream>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h> // getpid, fork, pipe

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace {

int runFiles(const std::vector<std::string>& files) {
    return runBatch(files);
}

const std::string plate = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n2\r\n"
                          "0 920 1\r\n1 920 0.8\r\nPlate\r\n4\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Starts from an in-use list without stale entries and leaves it as it was.
class BatchRun : public testing::Test {
protected:
    void SetUp() override { removeStaleEntries(listFilePath()); }

    std::vector<std::filesystem::path> filesIn() const {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.file("")))
            files.push_back(entry.path().filename());
        std::sort(files.begin(), files.end());
        return files;
    }

    KeptInUseList inUseList_;
    TempFolder folder_;
};

struct MalformedCase {
    const char* name;
    std::string text;
    const char* named; // what the message must name
};

void PrintTo(const MalformedCase& row, std::ostream* out) {
    *out << row.name;
}

class MalformedFile : public BatchRun, public testing::WithParamInterface<MalformedCase> {};

} // namespace

TEST_P(MalformedFile, IsRefusedAndLeftUntouched) {
    const auto path = folder_.file("bad.tav");
    writeText(path, GetParam().text);
    testing::internal::CaptureStderr();
    EXPECT_NE(runFiles({path.string()}), 0);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find(path.string()), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().named), std::string::npos) << message;
    EXPECT_EQ(readText(path), GetParam().text);
    EXPECT_EQ(filesIn(), std::vector<std::filesystem::path>{"bad.tav"});
    EXPECT_EQ(readText(listFilePath()), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Batch, MalformedFile,
    testing::Values(
        MalformedCase{"Empty", "", "steel carbon"},
        MalformedCase{"Binary", std::string("\0\x01\x02\xff\xfe", 5), "steel carbon"},
        MalformedCase{"Truncated", plate.substr(0, 50), "stage 2"},
        MalformedCase{"NonNumeric", replaced(plate, "920 0.8", "920 x"), "potential"},
        MalformedCase{"HugeCount", replaced(plate, "\r\n2\r\n", "\r\n99999\r\n"), "stage count"},
        MalformedCase{"RoomTemperature", replaced(plate, "0 920", "0 20"), "temperature"},
        MalformedCase{"NoTransfer", replaced(plate, "2e-05", "0"), "transfer"}),
    [](const testing::TestParamInfo<MalformedCase>& row) { return std::string(row.param.name); });

TEST_F(BatchRun, ASecondRunGivesTheSameSet) {
    const auto path = folder_.file("twice.tav");
    writeText(path, plate);
    ASSERT_EQ(runFiles({path.string()}), 0);
    const std::string first = readText(path);
    const std::string firstMass = readText(folder_.file("twice.mas"));
    EXPECT_GT(first.size(), plate.size());
    ASSERT_EQ(runFiles({path.string()}), 0);
    EXPECT_EQ(readText(path), first);
    EXPECT_EQ(readText(folder_.file("twice.mas")), firstMass);
    EXPECT_EQ(readText(listFilePath()), "0\r\n") << "the set is listed only while it runs";
}

TEST_F(BatchRun, EveryFileOfOneCallStartsWithFreshStreams) {
    const auto a = folder_.file("a.tav");
    const auto b = folder_.file("b.tav");
    writeText(a, plate);
    writeText(b, plate);
    ASSERT_EQ(runFiles({a.string(), b.string()}), 0);
    EXPECT_EQ(readText(a), readText(b));
    EXPECT_EQ(readText(folder_.file("a.twa")), readText(folder_.file("b.twa")));
}

TEST_F(BatchRun, ASetInUseIsRefusedInAnyLetterCase) {
    const auto path = folder_.file("busy.tav");
    writeText(path, plate);
    // A run of the set that is alive: it holds its claim.
    const SetClaim running = SetClaim::claim(listFilePath(), upperCased(path.string()));
    ASSERT_TRUE(running.claimed());
    testing::internal::CaptureStderr();
    EXPECT_NE(runFiles({path.string()}), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Filename is already in use"),
              std::string::npos);
    EXPECT_EQ(readText(path), plate);
}

// Two processes started at the same moment on one set: the claim gives it to exactly one,
// and the set's files are those of a single run. The foil's programme is long enough (a few
// tenths of a second) for the two runs to overlap whatever the order they start in.
TEST_F(BatchRun, TwoRunsOfOneSetAtOnceComputeItOnce) {
    const std::string longFoil = "0.2\r\n2e-05\r\n\r\n1\r\n0\r\n0.5\r\n0.3\r\n0\r\n\r\n2\r\n"
                                 "0 920 1\r\n8000 920 0.8\r\nFoil\r\n0.05\r\n";
    const auto path = folder_.file("contested.tav");
    const auto setFiles = [&] {
        std::vector<std::string> texts;
        for (const std::filesystem::path& file : filesIn())
            texts.push_back(file.string() + ":" + readText(folder_.file(file.string())));
        return texts;
    };
    writeText(path, longFoil);
    ASSERT_EQ(runFiles({path.string()}), 0);
    const std::vector<std::string> singleRun = setFiles();

    for (int round = 0; round < 3; ++round) {
        writeText(path, longFoil);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        pid_t runs[2];
        for (pid_t& run : runs) {
            run = ::fork();
            if (run == 0) {
                ::close(start[1]);
                char go = 0;
                (void)!::read(start[0], &go, 1); // returns when the test closes its end
                testing::internal::CaptureStdout();
                testing::internal::CaptureStderr();
                ::_exit(runFiles({path.string()}));
            }
        }
        ::close(start[0]);
        ::close(start[1]);
        std::vector<int> exits;
        for (pid_t run : runs) {
            int status = 0;
            ::waitpid(run, &status, 0);
            exits.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        }
        std::sort(exits.begin(), exits.end());
        EXPECT_EQ(exits, (std::vector<int>{0, 1})) << "round " << round;
        EXPECT_EQ(setFiles(), singleRun) << "round " << round;
    }
    TFileTable list;
    ASSERT_TRUE(readFileTable(listFilePath(), list));
    EXPECT_FALSE(list.contains(path.string()));
}

TEST_F(BatchRun, ARunKilledHalfwayDoesNotBlockTheNextRunOfItsSet) {
    const auto path = folder_.file("killed.tav");
    writeText(path, replaced(plate, "1 920 0.8", "500 920 0.8"));
    const pid_t run = ::fork();
    if (run == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::_exit(runFiles({path.string()}));
    }
    TFileTable listed;
    for (int wait = 0; wait < 20000 && !listed.contains(path.string()); ++wait) {
        ::usleep(1000); // until the run has claimed its set
        readFileTable(listFilePath(), listed);
    }
    ::kill(run, SIGKILL);
    int status = 0;
    ::waitpid(run, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    readFileTable(listFilePath(), listed);
    ASSERT_TRUE(listed.contains(path.string())); // the killed run's entry stays behind

    writeText(path, plate);
    testing::internal::CaptureStdout();
    EXPECT_EQ(runFiles({path.string()}), 0);
    testing::internal::GetCapturedStdout();
    readFileTable(listFilePath(), listed);
    EXPECT_FALSE(listed.contains(path.string()));
}

TEST_F(BatchRun, CancelKeepsTheProcessDataAndDeletesTheResults) {
    const auto path = folder_.file("stop.tav");
    writeText(path, plate + "-\"stale profile of an earlier run\r\n");
    requestBatchCancel(); // as if Ctrl-C came during the first step
    testing::internal::CaptureStderr();
    EXPECT_NE(runFiles({path.string()}), 0);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readText(path), plate);
    EXPECT_EQ(filesIn(), std::vector<std::filesystem::path>{"stop.tav"});
    EXPECT_EQ(runFiles({path.string()}), 0) << "the next batch starts without the cancel";
}

// The profiles of an earlier run must go before a run appends its own: a file that cannot be
// cut back would hold both, and be read as one set.
TEST_F(BatchRun, AFileThatCannotBeCutBackIsRefusedUntouched) {
    const auto path = folder_.file("sealed.tav");
    const std::string earlier =
        plate + "-\"carbon profiles of an earlier run\r\n\"  1\r\n, 0    0.95000\r\n";
    const UnshrinkableFile sealed(path, earlier);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(runFiles({path.string()}), 1);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("finished"), std::string::npos);
    EXPECT_NE(said.find(path.string() + ": cannot be cut back to its process data: "),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("Operation not permitted"), std::string::npos) << said;
    EXPECT_EQ(sealed.text(), earlier);
    EXPECT_EQ(filesIn(), std::vector<std::filesystem::path>{"sealed.tav"});
    TFileTable listed;
    readFileTable(listFilePath(), listed);
    EXPECT_FALSE(listed.contains(path.string())) << "the claim is released";
}

namespace {

struct DiskCase {
    const char* name;
    bool tmpfs; // a real file system of one page; else a file-size limit (FullDisk.h)
    const char* reason;
};

void PrintTo(const DiskCase& row, std::ostream* out) {
    *out << row.name;
}

class FullDisk : public BatchRun, public testing::WithParamInterface<DiskCase> {
protected:
    void TearDown() override {
        if (mounted_)
            ::umount(disk_.c_str());
    }

    std::filesystem::path disk_;
    bool mounted_ = false;
};

} // namespace

TEST_P(FullDisk, FailsNamingTheFileAndKeepsOnlyTheProcessData) {
    disk_ = folder_.file("disk");
    std::filesystem::create_directory(disk_);
    if (GetParam().tmpfs) {
        mounted_ = ::mount("tmpfs", disk_.c_str(), "tmpfs", 0, "size=4k") == 0;
        if (!mounted_)
            GTEST_SKIP() << "no tmpfs can be mounted here (it needs root): "
                         << std::strerror(errno);
    }
    const auto path = disk_ / "full.tav";
    writeText(path, plate);
    const auto run = [&path] {
        testing::internal::CaptureStderr();
        const int status = runFiles({path.string()});
        return std::to_string(status) + " " + testing::internal::GetCapturedStderr();
    };
    const std::string said = GetParam().tmpfs ? run() : saidOnAFullDisk(1000, run);

    EXPECT_EQ(said.substr(0, 2), "1 ") << said;
    EXPECT_NE(said.find("cannot write " + (disk_ / "full.").string()), std::string::npos) << said;
    EXPECT_NE(said.find(GetParam().reason), std::string::npos) << said;
    EXPECT_EQ(said.find("finished"), std::string::npos) << said;
    EXPECT_EQ(readText(path), plate);
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(disk_))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::filesystem::path>{"full.tav"});
}

INSTANTIATE_TEST_SUITE_P(BatchRun, FullDisk,
                         testing::Values(DiskCase{"SmallTmpfs", true, "No space left on device"},
                                         DiskCase{"FileSizeLimit", false, "File too large"}),
                         [](const testing::TestParamInfo<DiskCase>& row) {
                             return std::string(row.param.name);
                         });

TEST_F(BatchRun, RelativeNamesComeFromTheCurrentFolderBeforeTheProgramFolder) {
    const std::string name = "relative-" + std::to_string(::getpid()) + ".tav";
    writeText(folder_.file(name), plate);
    const std::filesystem::path inProgramFolder = dataFolder() + name;
    writeText(inProgramFolder, plate);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.file(""));
    EXPECT_EQ(runFiles({name}), 0);
    std::filesystem::current_path(previous);
    EXPECT_TRUE(std::filesystem::exists(resultFileName(folder_.file(name).string(), "pow")));
    EXPECT_EQ(readText(inProgramFolder), plate);
    EXPECT_FALSE(std::filesystem::exists(resultFileName(inProgramFolder.string(), "pow")));
    std::filesystem::remove(inProgramFolder);
}

TEST_F(BatchRun, PolishShapeNamesInWindows1250AreAccepted) {
    const auto path = folder_.file("old.tav");
    writeText(path, replaced(plate, "Plate", "P\xB3yta"));
    EXPECT_EQ(runFiles({path.string()}), 0);
    EXPECT_TRUE(std::filesystem::exists(folder_.file("old.gru")));
}

struct SaturationCase {
    const char* name;
    std::string text;
    std::vector<std::string> warnings; // each must appear once, and nothing else is warned of
};

void PrintTo(const SaturationCase& row, std::ostream* out) {
    *out << row.name;
}

class SaturationWarning : public BatchRun, public testing::WithParamInterface<SaturationCase> {};

TEST_P(SaturationWarning, IsPrintedAndTheRunGoesOn) {
    const auto path = folder_.file("soot.tav");
    writeText(path, GetParam().text);
    testing::internal::CaptureStderr();
    EXPECT_EQ(runFiles({path.string()}), 0);
    const std::string message = testing::internal::GetCapturedStderr();
    std::size_t count = 0;
    for (std::size_t at = message.find("warning: "); at != std::string::npos;
         at = message.find("warning: ", at + 1))
        ++count;
    EXPECT_EQ(count, GetParam().warnings.size()) << message;
    for (const std::string& warning : GetParam().warnings)
        EXPECT_NE(message.find(warning), std::string::npos) << message;
    EXPECT_TRUE(std::filesystem::exists(folder_.file("soot.gru")));
}

INSTANTIATE_TEST_SUITE_P(
    Batch, SaturationWarning,
    testing::Values(
        SaturationCase{"BelowTheLimit", plate, {}},
        SaturationCase{"PotentialAndSurfaceAbove",
                       replaced(replaced(plate, "0 920 1\r\n1 920 0.8", "0 900 1.35\r\n3 900 1.35"),
                                "\r\n1\r\n0\r\n0.5\r\n0.3\r\n", "\r\n0\r\n0\r\n0\r\n0\r\n"),
                       {"stage 1: the potential 1.35 % C", "stage 2: the potential 1.35 % C",
                        "stage 2: the computed surface carbon"}},
        SaturationCase{"AlloyLowersTheLimit",
                       replaced(replaced(plate, "0 920 1\r\n1 920 0.8", "0 920 1.2\r\n1 920 1.2"),
                                "\r\n1\r\n0\r\n0.5\r\n", "\r\n1.1\r\n0\r\n1.2\r\n"),
                       {"stage 1: the potential 1.20 % C exceeds the saturation limit of "
                        "austenite, 1.17 % C",
                        "stage 2: the potential 1.20 % C"}}),
    [](const testing::TestParamInfo<SaturationCase>& row) { return std::string(row.param.name); });

namespace {

struct CaseDepthCase {
    const char* name;
    std::string text;
    const char* printed; // empty: nothing is printed about the depth
};

void PrintTo(const CaseDepthCase& row, std::ostream* out) {
    *out << row.name;
}

class CaseHardeningDepth : public BatchRun, public testing::WithParamInterface<CaseDepthCase> {};

} // namespace

TEST_P(CaseHardeningDepth, IsPrintedAtTheEndOfTheSet) {
    const auto path = folder_.file("chd.tav");
    writeText(path, GetParam().text);
    testing::internal::CaptureStdout();
    ASSERT_EQ(runFiles({path.string()}), 0);
    const std::string printed = testing::internal::GetCapturedStdout();
    if (std::string_view(GetParam().printed).empty()) {
        EXPECT_EQ(printed.find("case-hardening"), std::string::npos) << printed;
        return;
    }
    EXPECT_NE(printed.find(GetParam().printed), std::string::npos) << printed;
    const ProfileBlock hardness = lastBlock(folder_.file("chd.twa"));
    const std::optional<double> fromFile = hardnessCaseDepth(hardness.x, hardness.y);
    const std::size_t at = printed.find("case-hardening depth ");
    if (!fromFile) {
        EXPECT_EQ(at, std::string::npos) << printed;
        return;
    }
    ASSERT_NE(at, std::string::npos) << printed;
    // The file keeps three digits of HV: half a unit over a slope of some hundred HV per mm
    // moves the depth by a few micrometres, less than the printed millimetre's last digit.
    EXPECT_NEAR(std::stod(printed.substr(at + 21)), *fromFile, 0.002) << printed;
}

INSTANTIATE_TEST_SUITE_P(
    Batch, CaseHardeningDepth,
    testing::Values(CaseDepthCase{"Plate", replaced(plate, "1 920 0.8", "6 920 0.8"), "at 550 HV"},
                    CaseDepthCase{"LeanAtmosphere",
                                  replaced(plate, "0 920 1\r\n1 920 0.8", "0 920 0.3\r\n1 920 0.3"),
                                  "the case does not reach 550 HV"},
                    CaseDepthCase{"HardCore", replaced(plate, "0.2\r\n2e-05", "0.55\r\n2e-05"),
                                  "stays at 550 HV or above"},
                    CaseDepthCase{
                        "Foil",
                        "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n0 920 1\r\n60 920 "
                        "1\r\nFoil\r\n0.05\r\n",
                        ""}),
    [](const auto& row) { return std::string(row.param.name); });

// A set with carbides: its cementite file among the results, and where the cementite lies at
// each stage end; a set without prints neither.
TEST_F(BatchRun, PrintsTheCementiteOfEachStageEnd) {
    const std::string carbides =
        "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n3\r\n0 920 0.8\r\n"
        "0.5 920 0.8 boost 0.01\r\n1 920 0.8 neutral\r\nSemi-infinitive sample\r\ncarbides: on\r\n";
    const auto path = folder_.file("wgl.tav");
    writeText(path, carbides);
    testing::internal::CaptureStdout();
    ASSERT_EQ(runFiles({path.string()}), 0);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("  " + folder_.file("wgl.wgl").string() + "\n"), std::string::npos)
        << printed;
    EXPECT_NE(printed.find(path.string() + ": stage end at 0.5 h: cementite down to 0.012 mm"),
              std::string::npos)
        << printed;
    // The neutral stage dissolves it.
    EXPECT_NE(printed.find(path.string() + ": stage end at 1 h: no cementite\n"), std::string::npos)
        << printed;

    writeText(path, replaced(carbides, "carbides: on\r\n", ""));
    testing::internal::CaptureStdout();
    ASSERT_EQ(runFiles({path.string()}), 0);
    const std::string without = testing::internal::GetCapturedStdout();
    EXPECT_EQ(without.find("stage end"), std::string::npos) << without;
    EXPECT_EQ(without.find(".wgl"), std::string::npos) << without;
}

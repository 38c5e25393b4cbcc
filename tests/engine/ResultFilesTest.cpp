#include "FullDisk.h"
#include "ResultStreams.h"
#include "RunFixture.h"
#include "UnfinishedRun.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

struct KindCase {
    const char* name;
    SampleShape shape;
    double duration; // h, or s for foil and wire
    double thickness;
    std::vector<std::pair<const char*, std::string>> heads; // extension, expected start
    std::vector<const char*> absent;                        // extensions never written
};

void PrintTo(const KindCase& row, std::ostream* out) {
    *out << row.name;
}

const std::string thickPow = "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %\r\n"
                             ",            0         0.2\r\n";
const std::string thickGru = "-\"Grubość warstwy w funkcji czasu, t[h], gr40, gr35, gr30, mm \r\n"
                             " 3 \r\n, 0     0   0   0\r\n";
const std::string thickAxes = ",0\r\n,12\r\n,12 \r\n,0\r\n,100\r\n,10\r\n";
const std::string meanHead = "Carbon concentration, %\r\nCarburizing time, s\r\n\r\n"
                             ",0\r\n,2000\r\n,10 \r\n,0\r\n,1.2\r\n,12\r\n";

const KindCase kinds[] = {
    {"SemiInfinite",
     SampleShape::SemiInfinite,
     2,
     unfilledValue,
     {{"pow", thickPow},
      {"mas", "Weight gain, g/m^2 Semi-infinitive sample, be=2e-05cm/s\r\n Carburizing time, h "
              "\r\n\r\n" +
                  thickAxes + ",            0           0\r\n"},
      {"gru", thickGru},
      {"twa", "-\"Rozklad twardosci na przekroju warstwy,  mm  HV\r\n\"  2\r\n, 0.00000"},
      {"tav", "Semi-infinitive sample\r\n-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %\r\n"
              "\"  2\r\n, 0.00000     "}},
     {"sre"}},
    {"Plate",
     SampleShape::Plate,
     2,
     4,
     {{"pow", thickPow},
      {"mas", "Weight gain, g/m^2 Plate, thickness=4mm,  be=2e-05 cm/s\r\n Carburizing time, h "
              "\r\n\r\n" +
                  thickAxes + ",            0           0\r\n"},
      {"gru", thickGru},
      {"twa", "-\"Rozklad twardosci na przekroju warstwy,  mm  HV\r\n"},
      {"tav", "Plate\r\n4\r\n-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %\r\n\"  2\r\n"}},
     {"sre"}},
    {"Cylinder",
     SampleShape::Cylinder,
     2,
     10,
     {{"pow", thickPow},
      {"mas", "Weight gain, g/m^2 Cylinder, Diameter=10mm, be=2e-05cm/s\r\n Carburizing time, h "
              "\r\n" +
                  thickAxes + ",            0 "},
      {"gru", thickGru},
      {"twa", "-\"Rozklad twardości na przekroju warstwy,  mm  %ste\r\n"},
      {"tav", "Cylinder\r\n10\r\n-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %\r\n"}},
     {"sre"}},
    {"Foil",
     SampleShape::Foil,
     60,
     0.05,
     {{"pow", "-\"Stężenie węgla na powierzchni w funkcji czasu, s  %\r\n"
              ",            0         0.2\r\n"},
      {"mas", "Weight gain, g/m^2  Foil, thickness=0.05mm, be=2e-05cm/s\r\nCarburizing time, s  "
              "\r\n,0\r\n,2000\r\n,10 \r\n,0\r\n,10\r\n,5\r\n,            0           0\r\n"},
      {"sre", meanHead + ",            0           0\r\n"},
      {"tav", "Foil\r\n0.05\r\n-\"Rozmieszczenie węgla na przekroju warstwy, mm %\r\n\"  60\r\n"}},
     {"gru", "twa"}},
    {"Wire",
     SampleShape::Wire,
     60,
     0.01,
     {{"pow", thickPow},
      {"mas", "Weight gain, g/m^2 Wire, Diameter=0.01mm, be=2e-05cm/s\r\n Carburizing time, s "
              "\r\n,0\r\n,2000\r\n,10 \r\n,0\r\n,5\r\n,10\r\n,            0 "},
      {"sre", meanHead},
      {"tav",
       "Drut\r\n0.01\r\n-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %\r\n\"  60\r\n"}},
     {"gru", "twa"}},
};

class ResultFiles : public testing::TestWithParam<KindCase> {
protected:
    // Runs the row's kind through its one stage as the set `name` in the test's folder.
    RunStatus run(const std::string& name) {
        const KindCase& kind = GetParam();
        ResultStreams streams;
        return writeAndRun(
                   folder_.file(name),
                   shaped(constantStage(kind.duration, 920, 1.0), kind.shape, kind.thickness),
                   streams)
            .status;
    }

    TempFolder folder_;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        all.push_back(line);
    return all;
}

bool isNumber(const std::string& field) {
    char* end = nullptr;
    const double value = std::strtod(field.c_str(), &end);
    return end != field.c_str() && *end == '\0' && std::isfinite(value);
}

} // namespace

TEST_P(ResultFiles, HeadersAndFirstRows) {
    const KindCase& kind = GetParam();
    ASSERT_EQ(run("stal20.tav"), RunStatus::Finished);
    for (const auto& [extension, head] : kind.heads) {
        const std::string text = readText(folder_.file(std::string("stal20.") + extension));
        if (std::string(extension) == "tav")
            EXPECT_NE(text.find(head), std::string::npos) << text.substr(0, 400);
        else
            EXPECT_EQ(text.substr(0, head.size()), head) << extension;
    }
    for (const char* extension : kind.absent)
        EXPECT_FALSE(std::filesystem::exists(folder_.file(std::string("stal20.") + extension)));
}

// Every data row: ", " then fields of exactly twelve characters, each a finite number.
TEST_P(ResultFiles, RowsHaveTwelveCharacterFields) {
    ASSERT_EQ(run("a.tav"), RunStatus::Finished);
    for (const char* extension : {"pow", "mas", "gru", "sre"}) {
        const auto path = folder_.file(std::string("a.") + extension);
        if (!std::filesystem::exists(path))
            continue;
        int rows = 0;
        for (const std::string& line : lines(readText(path))) {
            ASSERT_FALSE(line.empty() || line.back() != '\r') << "CR LF line ends";
            if (line.rfind(", ", 0) != 0 || line == ", 0     0   0   0\r")
                continue;
            const std::string fields = line.substr(2, line.size() - 3);
            ASSERT_EQ(fields.size() % 12, 0u) << extension << ": " << line;
            for (std::size_t at = 0; at < fields.size(); at += 12)
                EXPECT_TRUE(isNumber(fields.substr(at, 12))) << extension << ": " << line;
            ++rows;
        }
        EXPECT_GE(rows, 2) << extension << ": first and last rows at least";
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, ResultFiles, testing::ValuesIn(kinds),
                         [](const testing::TestParamInfo<KindCase>& row) {
                             return std::string(row.param.name);
                         });

TEST(ResultFiles, StreamsKeepTheirFormatAcrossRunsOfOneProcess) {
    TempFolder folder;
    ResultStreams streams;
    const ProcessRecord process = constantStage(2, 920, 1.0);
    ASSERT_EQ(writeAndRun(folder.file("a.tav"), process, streams).status, RunStatus::Finished);
    ASSERT_EQ(writeAndRun(folder.file("b.tav"), process, streams).status, RunStatus::Finished);
    // The first run's time line precedes show-point; the second run inherits show-point and
    // the precision of the last carbon value (5) or hardness value (3).
    EXPECT_NE(readText(folder.file("a.tav")).find("\"  2\r\n, 0.00000 "), std::string::npos);
    EXPECT_NE(readText(folder.file("b.tav")).find("\"  2.0000\r\n, 0.0000 "), std::string::npos);
    EXPECT_NE(readText(folder.file("b.twa")).find("\"  2.00\r\n, 0.00 "), std::string::npos);
}

TEST(ResultFiles, OneStageRowWritesHeadsFirstAndLastRowsButNoProfile) {
    TempFolder folder;
    for (const KindTraits& kind : allKinds) {
        const ProcessRecord process = stagedProcess(0.2, 2e-5, {{0, 920, 1.0}}, kind.shape, 0.05);
        ResultStreams streams;
        ASSERT_EQ(writeAndRun(folder.file("one.tav"), process, streams).status, RunStatus::Finished)
            << kind.name;
        const std::string main = readText(folder.file("one.tav"));
        EXPECT_EQ(main.find("\"  "), std::string::npos) << kind.name;
        EXPECT_EQ(lines(readText(folder.file("one.pow"))).size(), 3u) << kind.name;
        EXPECT_EQ(readText(folder.file("one.mas")).find("nan"), std::string::npos) << kind.name;
    }
}

TEST(ResultFiles, OldFilesOfTheSetAreDeletedAtRunStart) {
    TempFolder folder;
    for (const char* extension : {"ste", "grx", "roz", "sre"})
        std::ofstream(folder.file(std::string("old.") + extension)) << "stale";
    ResultStreams streams;
    ASSERT_EQ(writeAndRun(folder.file("old.tav"), constantStage(1, 920, 1.0), streams).status,
              RunStatus::Finished);
    for (const char* extension : {"ste", "grx", "roz", "sre"})
        EXPECT_FALSE(std::filesystem::exists(folder.file(std::string("old.") + extension)));
}

namespace {

// Presses Cancel once the run is under way.
class CancelAtPercent : public RunObserver {
public:
    void setProgress(int percent) override { pressed_ = pressed_ || percent >= 30; }
    bool cancelRequested() override { return pressed_; }

private:
    bool pressed_ = false;
};

} // namespace

struct UnfinishedCase {
    const char* name;
    bool cancel;          // else the run fails: a negative potential leaves no time step
    CancelledInput input; // what a cancel does with the process data
    bool processDataLeft; // the main file, cut back to the process data; else nothing at all
};

void PrintTo(const UnfinishedCase& row, std::ostream* out) {
    *out << row.name;
}

class UnfinishedRun : public testing::TestWithParam<UnfinishedCase> {
protected:
    // Writes a plate set at `set` and runs it to the end the row asks for; Finished, which no
    // row asks for, when the set could not be written.
    RunStatus runUnfinished(const std::filesystem::path& set) {
        const double potential = GetParam().cancel ? 1.0 : -1.0;
        const ProcessRecord process =
            stagedProcess(0.2, 2e-5, {{0, 920, potential}, {4, 920, potential}}, SampleShape::Plate,
                          unfilledValue);
        processData_ = processDataText(process);
        if (!writeProcessData(set.string(), process))
            return RunStatus::Finished;
        ResultStreams streams;
        CancelAtPercent cancel;
        NoProgress goOn;
        return runComputation(set.string(),
                              GetParam().cancel ? static_cast<RunObserver&>(cancel) : goOn, streams)
            .status;
    }

    std::string processData_;
};

TEST_P(UnfinishedRun, LeavesTheProcessDataOrNothing) {
    const UnfinishedCase& row = GetParam();
    TempFolder folder;
    const auto set = folder.file("gone.tav");
    const RunStatus status = runUnfinished(set);
    const std::string& processData = processData_;
    ASSERT_EQ(status, row.cancel ? RunStatus::Cancelled : RunStatus::Failed);
    EXPECT_EQ(leaveUnfinishedRun(set.string(), status, processData, row.input), std::nullopt);
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("")))
        left.push_back(entry.path().filename());
    if (row.processDataLeft) {
        EXPECT_EQ(left, std::vector<std::filesystem::path>{"gone.tav"});
        EXPECT_EQ(readText(set), processData);
    } else {
        EXPECT_TRUE(left.empty());
    }
}

// A file of the set that cannot be deleted (here a folder with a file in it, which stays
// whoever runs the test) is named for the user, and the rest of the set is left as ever.
TEST_P(UnfinishedRun, NamesAFileThatStays) {
    const UnfinishedCase& row = GetParam();
    TempFolder folder;
    const auto set = folder.file("stays.tav");
    const RunStatus status = runUnfinished(set);
    ASSERT_EQ(status, row.cancel ? RunStatus::Cancelled : RunStatus::Failed);
    const auto stuck = folder.file("stays.sre");
    std::filesystem::create_directories(stuck / "inside");

    EXPECT_EQ(leaveUnfinishedRun(set.string(), status, processData_, row.input),
              "cannot delete " + stuck.string() + ": Directory not empty");
    EXPECT_EQ(readText(set), row.processDataLeft ? processData_ : std::string());
    EXPECT_FALSE(std::filesystem::exists(folder.file("stays.pow")));
}

INSTANTIATE_TEST_SUITE_P(
    ResultFiles, UnfinishedRun,
    testing::Values(UnfinishedCase{"WindowCancel", true, CancelledInput::Deleted, false},
                    UnfinishedCase{"BatchCancel", true, CancelledInput::Kept, true},
                    UnfinishedCase{"Failure", false, CancelledInput::Deleted, true}),
    [](const testing::TestParamInfo<UnfinishedCase>& row) { return std::string(row.param.name); });

TEST(ResultFiles, ProgressReachesTheLastOutputInstant) {
    TempFolder folder;
    ResultStreams streams;
    const auto set = folder.file("p.tav");
    ASSERT_TRUE(writeProcessData(set.string(), constantStage(1, 920, 1.0)));
    NoProgress progress;
    ASSERT_EQ(runComputation(set.string(), progress, streams).status, RunStatus::Finished);
    EXPECT_GE(progress.last, 98);
    EXPECT_LE(progress.last, 100);
}

TEST(ResultFiles, AFullDiskFailsTheRunNamingTheFileAndLeavesNoResults) {
    TempFolder folder;
    const auto set = folder.file("full.tav");
    const std::string error = saidOnAFullDisk(2000, [&set] {
        ResultStreams streams;
        return writeAndRun(set, constantStage(4, 920, 1.0), streams).error;
    });
    const std::string named =
        "The computation stopped: cannot write " + folder.file("full.").string();
    EXPECT_EQ(error.substr(0, named.size()), named) << error;
    EXPECT_TRUE(error.ends_with(": File too large.")) << error;
    const std::string processData = processDataText(constantStage(4, 920, 1.0));
    EXPECT_EQ(
        leaveUnfinishedRun(set.string(), RunStatus::Failed, processData, CancelledInput::Deleted),
        std::nullopt);
    EXPECT_EQ(readText(set), processData);
    for (const char* extension : {"gru", "pow", "mas", "twa"})
        EXPECT_FALSE(std::filesystem::exists(folder.file(std::string("full.") + extension)))
            << extension;
}

// Asking whether values are finite changes nothing; only the check before a write fails the
// streams, and it judges the values it is given, whatever failed before them.
TEST(ResultFiles, TheFiniteQueryAsksOnlyAndTheWriteCheckJudgesItsOwnValues) {
    TrialStreams streams;
    EXPECT_FALSE(streams.finite({1.0, std::nan("")}));
    EXPECT_FALSE(streams.failed());

    EXPECT_FALSE(streams.admit({HUGE_VAL}));
    EXPECT_TRUE(streams.failed());
    EXPECT_TRUE(streams.finite({1.0, 2.0}));
    EXPECT_TRUE(streams.admit({1.0, 2.0}));
    EXPECT_TRUE(streams.failed()) << "a failure stays until the next run clears it";
}

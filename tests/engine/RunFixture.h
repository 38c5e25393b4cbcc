#pragma once
// Helpers for engine tests: process-data files in a temporary folder, and whole runs.

#include "Computation.h"
#include "ProcessData.h"
#include "TestProcess.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The whole file; empty when it cannot be read.
std::string readText(const std::filesystem::path& path);
// How often `part` stands in `text`, overlapping ones counted.
std::size_t occurrences(const std::string& text, const std::string& part);
// Replaces the file with `text`.
void writeText(const std::filesystem::path& path, const std::string& text);

// The values of the last row (", " and numbers) of a result file.
std::vector<double> lastRow(const std::filesystem::path& path);

// The last profile block of a result file: the rows after its last time line ("\"  t").
struct ProfileBlock {
    std::vector<double> x; // mm
    std::vector<double> y;
};
ProfileBlock lastBlock(const std::filesystem::path& path);

class NoProgress : public RunObserver {
public:
    void setProgress(int percent) override { last = percent; }
    int last = -1;
};

// A fresh folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes `process` at `path` and runs it through `streams`.
RunOutcome writeAndRun(const std::filesystem::path& path, const ProcessRecord& process,
                       class ResultStreams& streams);

// Keeps the in-use list ("pliki.lst") as it was before a test, which every run of a set
// changes: read when made, written back (or removed, where there was none) when gone. The list
// is the test program's own, in its temporary data folder (TestDataFolder.h).
class KeptInUseList {
public:
    KeptInUseList();
    ~KeptInUseList();
    KeptInUseList(const KeptInUseList&) = delete;
    KeptInUseList& operator=(const KeptInUseList&) = delete;

private:
    std::optional<std::string> saved_;
};

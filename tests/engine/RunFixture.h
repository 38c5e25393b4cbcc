#pragma once
// Helpers for engine tests: process-data files in a temporary folder, and whole runs.

#include "Computation.h"
#include "ProcessData.h"

#include <filesystem>
#include <string>
#include <vector>

// A programme of one constant stage, `hours` long (seconds for foil and wire).
ProcessForm constantStage(double hours, double celsius, double potential, double ck = 0.2,
                          double transferCmPerS = 2e-5);

std::string readText(const std::filesystem::path& path);

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

// Writes `form` for `shape` (or `process`) at `path` and runs it through `streams`.
RunOutcome writeAndRun(const std::filesystem::path& path, const ProcessForm& form,
                       std::string_view shape, class ResultStreams& streams);
RunOutcome writeAndRun(const std::filesystem::path& path, const ProcessRecord& process,
                       class ResultStreams& streams);

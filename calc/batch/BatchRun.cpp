#include "BatchRun.h"

#include "AtomicFile.h"
#include "CalcCommandLine.h"
#include "Computation.h"
#include "FileTable.h"
#include "KindTraits.h"
#include "Parametry.h"
#include "ProcessCheck.h"
#include "ProfileMeasures.h"
#include "ResultStreams.h"
#include "Saturation.h"
#include "SetNames.h"
#include "TerminalProgress.h"
#include "UnfinishedRun.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set by a signal handler");

// Ctrl-C acts as Cancel at the next step boundary; a second one ends the program at once.
extern "C" void requestCancel(int) {
    requestBatchCancel();
}

// The gauge on the terminal; a run asks it whether Ctrl-C was pressed.
class BatchProgress : public TerminalProgress {
public:
    using TerminalProgress::TerminalProgress;
    bool cancelRequested() override { return interrupted; }
};

} // namespace

void catchInterrupt() {
    struct sigaction action {};
    action.sa_handler = requestCancel;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

namespace {

void complain(const std::string& path, const std::string& what) {
    std::fprintf(stderr, "tavcalc: %s: %s\n", path.c_str(), what.c_str());
}

// A set whose name ends in a result file's extension would overwrite its own process data.
bool clashesWithResults(const std::string& path) {
    for (std::string_view extension : setFileExtensions)
        if (resultFileName(path, extension) == path)
            return true;
    return false;
}

void listResults(const std::string& path, SampleShape shape) {
    std::printf("%s: finished; results:\n  %s\n", path.c_str(), path.c_str());
    for (ResultFile file : kindTraits(shape).resultFiles)
        std::printf("  %s\n", resultFileName(path, extension(file)).c_str());
}

// The depth a drawing specifies as "CHD 0.8 mm at 550 HV", from the last hardness block.
void printCaseHardeningDepth(const std::string& path, const CaseHardness& hardness) {
    const double limit = defaultHardnessLimit;
    if (const std::optional<double> chd = finalCaseHardeningDepth(hardness, limit))
        std::printf("%s: case-hardening depth %.3f mm at %.0f HV\n", path.c_str(), *chd, limit);
    else if (std::none_of(hardness.hv.begin(), hardness.hv.end(),
                          [limit](double hv) { return hv >= limit; }))
        std::printf("%s: no case-hardening depth: the case does not reach %.0f HV\n", path.c_str(),
                    limit);
    else
        std::printf("%s: no case-hardening depth: the hardness stays at %.0f HV or above to the "
                    "end of the case\n",
                    path.c_str(), limit);
}

// Reports the outcome of a run and leaves the main file as it says: a failed or cancelled run
// keeps the process data only.
FileResult settle(const std::string& path, const std::string& head, const RunOutcome& outcome,
                  SampleShape shape) {
    if (const std::optional<std::string> problem =
            leaveUnfinishedRun(path, outcome.status, head, CancelledInput::Kept))
        complain(path, *problem);
    switch (outcome.status) {
    case RunStatus::Finished:
        listResults(path, shape);
        if (outcome.finalHardness)
            printCaseHardeningDepth(path, *outcome.finalHardness);
        return FileResult::Finished;
    case RunStatus::Cancelled:
        complain(path, "cancelled; its result files are deleted");
        return FileResult::Cancelled;
    case RunStatus::Failed:
        break;
    }
    complain(path, outcome.error);
    return FileResult::Failed;
}

// Validates, registers, runs and unregisters one process-data file.
FileResult runFile(const std::string& argument) {
    const std::string path = commandLineName(argument);
    const std::optional<std::string> text = wholeFile(path);
    if (!text) {
        complain(path, "cannot be opened");
        return FileResult::Refused;
    }
    const HeadReading reading = readCheckedProcessHead(*text);
    if (!reading.head) {
        complain(path, reading.problem.field + " " + reading.problem.rule);
        return FileResult::Refused;
    }
    const std::string head = text->substr(0, reading.head->length);
    const auto cutToHead = [&path, &head] {
        std::error_code error;
        std::filesystem::resize_file(path, head.size(), error);
        return true;
    };
    return runClaimedSet(
               path, head, reading.head->shape, cutToHead, [&path] { return Parametry(path); },
               &reading.head->data)
        .result;
}

} // namespace

SetRun runClaimedSet(const std::string& path, const std::string& head, SampleShape shape,
                     const std::function<bool()>& layHead,
                     const std::function<Parametry()>& parametry, const TDane* saturationData) {
    SetRun run;
    if (clashesWithResults(path)) {
        complain(path, "the name must not end in the extension of a result file");
        return run;
    }
    SetClaim claim = SetClaim::claim(listFilePath(), path);
    switch (claim.status()) {
    case SetClaim::Status::Claimed:
        break;
    case SetClaim::Status::InUse:
        complain(path, "Filename is already in use");
        return run;
    case SetClaim::Status::Failed:
        complain(path, "the in-use list cannot be updated: " + claim.problem());
        return run;
    }
    if (!layHead()) {
        if (!claim.release())
            complain(path, "the in-use list cannot be updated: " + claim.problem());
        return run;
    }
    ResultStreams streams; // every file starts as a fresh program would
    BatchProgress progress(stdout, std::filesystem::path(path).filename().string());
    run.kept = runKept(parametry(), progress, streams);
    progress.finish();
    if (saturationData)
        for (const std::string& warning :
             saturationWarnings(*saturationData, run.kept.outcome.surfaceAtRows))
            complain(path, "warning: " + warning);
    // The set stays claimed until its files are as the outcome leaves them.
    run.result = settle(path, head, run.kept.outcome, shape);
    if (!claim.release())
        complain(path, "the in-use list cannot be updated: " + claim.problem());
    return run;
}

std::optional<double> finalCaseHardeningDepth(const CaseHardness& hardness, double limit) {
    std::vector<double> depth(hardness.depth.size());
    std::transform(hardness.depth.begin(), hardness.depth.end(), depth.begin(),
                   [](double micrometres) { return micrometres * 0.001; });
    return hardnessCaseDepth(depth, hardness.hv, limit);
}

void requestBatchCancel() {
    interrupted = true;
}

int runBatch(const std::vector<std::string>& files) {
    if (files.empty()) {
        std::fputs(calcUsage().c_str(), stderr);
        return 2;
    }
    catchInterrupt();
    bool allRan = true;
    for (const std::string& file : files) {
        const FileResult result = runFile(file);
        allRan = allRan && result == FileResult::Finished;
        if (result == FileResult::Cancelled)
            break;
    }
    interrupted = false;
    return allRan ? 0 : 1;
}

#include "BatchRun.h"

#include "AtomicFile.h"
#include "CalcCommandLine.h"
#include "Computation.h"
#include "FileTable.h"
#include "HardnessReport.h"
#include "KindTraits.h"
#include "NumberText.h"
#include "Parametry.h"
#include "ProfileMeasures.h"
#include "ResultStreams.h"
#include "Saturation.h"
#include "SetNames.h"
#include "TerminalProgress.h"

#include <atomic>
#include <cmath>
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

void listResults(const std::string& path, SampleShape shape, const RunOutcome& outcome) {
    std::printf("%s: finished; results:\n  %s\n", path.c_str(), path.c_str());
    for (ResultFile file : kindTraits(shape).resultFiles)
        std::printf("  %s\n", resultFileName(path, extension(file)).c_str());
    if (outcome.finalHardness && outcome.finalHardness->fromQuench)
        std::printf("  %s\n", resultFileName(path, extension(ResultFile::Austenite)).c_str());
    if (outcome.carbideAtStageEnds)
        std::printf("  %s\n", resultFileName(path, extension(ResultFile::Carbide)).c_str());
}

// A run with carbides: where the cementite lies at each stage end.
void printStageCarbides(const std::string& path, SampleShape shape, const RunOutcome& outcome) {
    if (!outcome.carbideAtStageEnds)
        return;
    const bool seconds = kindTraits(shape).timeUnit == TimeUnit::Seconds;
    for (const StageCarbide& end : *outcome.carbideAtStageEnds) {
        const std::string time =
            seconds ? generalText(end.time) + " s" : generalText(end.time / 3600) + " h";
        if (end.deepest)
            std::printf("%s: stage end at %s: cementite down to %.3f mm\n", path.c_str(),
                        time.c_str(), *end.deepest);
        else
            std::printf("%s: stage end at %s: no cementite\n", path.c_str(), time.c_str());
    }
}

void complain(const RunRefusal& refusal) {
    std::fprintf(stderr, "tavcalc: %s\n", refusal.message().c_str());
}

void releaseClaim(SetClaim& claim, const std::string& path) {
    if (const std::optional<std::string> problem = releaseRunSet(claim))
        complain(path, *problem);
}

// Reports how a run ended; its files are as the end leaves them: a failed or cancelled run
// keeps the process data only.
FileResult settle(const SetRun& run, const RunRefusal& end, SampleShape shape,
                  double hardnessLimit) {
    const std::string& path = end.file;
    switch (end.status) {
    case CommandStatus::Done:
        listResults(path, shape, run.kept.outcome);
        printStageCarbides(path, shape, run.kept.outcome);
        if (run.kept.outcome.finalHardness)
            std::fputs(hardnessReport(path, *run.kept.outcome.finalHardness, hardnessLimit).c_str(),
                       stdout);
        return FileResult::Finished;
    case CommandStatus::RunCancelled:
        complain(end);
        return FileResult::Cancelled;
    default:
        break;
    }
    complain(end);
    return FileResult::Failed;
}

void warnOfSurface(const std::string& path, const RunOutcome& outcome,
                   const TDane* saturationData) {
    if (saturationData)
        for (const std::string& warning :
             saturationWarnings(*saturationData, outcome.surfaceAtRows))
            complain(path, "warning: " + warning);
    if (const auto carbide = carbideWarning(outcome.remainingCarbide))
        complain(path, "warning: " + *carbide);
}

// Validates, registers, runs and unregisters one process-data file. A set with an as-run record
// (a logged load's) takes any number of rows, and ends stages only where the record says.
FileResult runFile(const RunRequest& request) {
    const RunSetReading reading = readRunSet(request);
    if (!reading.set) {
        complain(reading.refusal);
        return FileResult::Refused;
    }
    const RunSet& set = *reading.set;
    const auto cutToHead = [&set]() -> RunRefusal {
        const std::string& path = set.request.path;
        if (const std::optional<std::string> problem = cutBackToProcessData(path, set.head))
            return {CommandStatus::WriteFailed, path,
                    "cannot be cut back to its process data: " + *problem};
        return {};
    };
    return runClaimedSet(request, set.head, set.process.shape,
                         {cutToHead, [&set] { return set.parametry(); }}, &set.process.data)
        .result;
}

} // namespace

SetRun runClaimedSet(const RunRequest& request, const std::string& head, SampleShape shape,
                     const RunSteps& steps, const TDane* saturationData) {
    ResultStreams streams; // every file starts as a fresh program would
    BatchProgress progress(stdout, std::filesystem::path(request.path).filename().string());
    SetRunOutcome outcome = runSet(request, head, steps, progress, streams);
    SetRun run;
    if (outcome.claim.claim && outcome.ran) {
        progress.finish();
        warnOfSurface(request.path, outcome.kept.outcome, saturationData);
        if (outcome.leftFiles)
            complain(request.path, *outcome.leftFiles);
        run.kept = std::move(outcome.kept);
        run.result = settle(run, outcome.end, shape, request.hardnessLimit);
    } else {
        complain(outcome.end);
    }
    if (outcome.claim.claim)
        releaseClaim(*outcome.claim.claim, request.path);
    return run;
}

std::optional<double> finalCaseHardeningDepth(const CaseHardness& hardness, double limit) {
    return hardnessCaseDepth(hardness.depthMm(), hardness.hv, limit);
}

void requestBatchCancel() {
    interrupted = true;
}

int runBatch(const std::vector<std::string>& words) {
    std::vector<std::string> files;
    RunOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--chd-limit") {
            files.push_back(words[i]);
            continue;
        }
        const std::optional<double> limit =
            i + 1 < words.size() ? fileNumber(words[i + 1]) : std::nullopt;
        options.chdLimit = limit.value_or(std::nan(""));
        if (!(*options.chdLimit > 0))
            break; // refused below, whatever follows
        ++i;
    }
    if (const std::optional<std::string> conflict = runConflict(options, Spelling::CommandLine)) {
        std::fprintf(stderr, "tavcalc: %s\n", conflict->c_str());
        return statusEntry(CommandStatus::Usage).exitStatus;
    }
    if (files.empty()) {
        std::fputs(calcUsage().c_str(), stderr);
        return statusEntry(CommandStatus::Usage).exitStatus;
    }
    catchInterrupt();
    bool allRan = true;
    for (const std::string& file : files) {
        const FileResult result = runFile(runRequest(commandLineName(file), options));
        allRan = allRan && result == FileResult::Finished;
        if (result == FileResult::Cancelled)
            break;
    }
    interrupted = false;
    return allRan ? 0 : 1;
}

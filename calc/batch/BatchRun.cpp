#include "BatchRun.h"

#include "AsRunRecord.h"
#include "AtomicFile.h"
#include "CalcCommandLine.h"
#include "Computation.h"
#include "FileTable.h"
#include "HardnessReport.h"
#include "KindTraits.h"
#include "NumberText.h"
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

void releaseClaim(SetClaim& claim, const std::string& path) {
    if (!claim.release())
        complain(path, "the in-use list cannot be updated: " + claim.problem());
}

// Reports the outcome of a run and leaves the main file as it says: a failed or cancelled run
// keeps the process data only.
FileResult settle(const std::string& path, const std::string& head, const RunOutcome& outcome,
                  SampleShape shape, double hardnessLimit) {
    if (const std::optional<std::string> problem =
            leaveUnfinishedRun(path, outcome.status, head, CancelledInput::Kept))
        complain(path, *problem);
    switch (outcome.status) {
    case RunStatus::Finished:
    case RunStatus::Reached:
        listResults(path, shape, outcome);
        printStageCarbides(path, shape, outcome);
        if (outcome.finalHardness)
            std::fputs(hardnessReport(path, *outcome.finalHardness, hardnessLimit).c_str(), stdout);
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

// The as-run record beside the set, when it has one; a record that does not read, or that does
// not fit the set's rows, refuses the set (false), said here.
bool readAsRunBeside(const std::string& path, std::optional<AsRunRecord>& record) {
    const std::string name = asRunRecordName(path);
    const std::optional<std::string> text = wholeFile(name);
    if (!text)
        return true;
    AsRunRecordReading reading = readAsRunRecord(*text);
    if (!reading.record) {
        complain(name, "line " + std::to_string(reading.line) + " " + reading.rule);
        return false;
    }
    record = std::move(reading.record);
    return true;
}

// Validates, registers, runs and unregisters one process-data file. A set with an as-run record
// (a logged load's) takes any number of rows, and ends stages only where the record says.
FileResult runFile(const std::string& argument, double hardnessLimit) {
    const std::string path = commandLineName(argument);
    const std::optional<std::string> text = wholeFile(path);
    if (!text) {
        complain(path, "cannot be opened");
        return FileResult::Refused;
    }
    std::optional<AsRunRecord> asRun;
    if (!readAsRunBeside(path, asRun))
        return FileResult::Refused;
    const HeadReading reading =
        readCheckedProcessHead(*text, asRun ? RowLimit::None : RowLimit::Form);
    if (!reading.head) {
        complain(path, reading.problem.field + " " + reading.problem.rule);
        return FileResult::Refused;
    }
    if (asRun && asRun->rows.size() != reading.head->data.times.size()) {
        complain(path, "has " + std::to_string(reading.head->data.times.size()) +
                           " stage rows, its as-run record " + std::to_string(asRun->rows.size()));
        return FileResult::Refused;
    }
    const std::string head = text->substr(0, reading.head->length);
    const auto cutToHead = [&path, &head] {
        const std::optional<std::string> problem = cutBackToProcessData(path, head);
        if (problem)
            complain(path, "cannot be cut back to its process data: " + *problem);
        return !problem;
    };
    const auto parametry = [&path, &asRun, &reading] {
        if (!asRun)
            return Parametry(path);
        Parametry p(*reading.head, path);
        p.stageEnds = asRun->stageEnds();
        return p;
    };
    return runClaimedSet(path, head, reading.head->shape, cutToHead, parametry, &reading.head->data,
                         hardnessLimit)
        .result;
}

} // namespace

SetRun runClaimedSet(const std::string& path, const std::string& head, SampleShape shape,
                     const std::function<bool()>& layHead,
                     const std::function<Parametry()>& parametry, const TDane* saturationData,
                     double hardnessLimit, const RunCompletion& complete) {
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
        releaseClaim(claim, path);
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
    if (const auto carbide = carbideWarning(run.kept.outcome.remainingCarbide))
        complain(path, "warning: " + *carbide);
    if (RunOutcome& outcome = run.kept.outcome; complete && outcome.status == RunStatus::Finished)
        if (std::optional<std::string> problem = complete(run.kept)) {
            outcome.status = RunStatus::Failed;
            outcome.error = std::move(*problem);
        }
    // The set stays claimed until its files are as the outcome leaves them.
    run.result = settle(path, head, run.kept.outcome, shape, hardnessLimit);
    releaseClaim(claim, path);
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
    double hardnessLimit = defaultHardnessLimit;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--chd-limit") {
            files.push_back(words[i]);
            continue;
        }
        const std::optional<double> limit =
            i + 1 < words.size() ? fileNumber(words[i + 1]) : std::nullopt;
        if (!limit || !(*limit > 0)) {
            std::fputs("tavcalc: --chd-limit needs a hardness in HV\n", stderr);
            return 2;
        }
        hardnessLimit = *limit;
        ++i;
    }
    if (files.empty()) {
        std::fputs(calcUsage().c_str(), stderr);
        return 2;
    }
    catchInterrupt();
    bool allRan = true;
    for (const std::string& file : files) {
        const FileResult result = runFile(file, hardnessLimit);
        allRan = allRan && result == FileResult::Finished;
        if (result == FileResult::Cancelled)
            break;
    }
    interrupted = false;
    return allRan ? 0 : 1;
}

#include "ReplayCommand.h"

#include "AsRunRecord.h"
#include "AtomicFile.h"
#include "BatchRun.h"
#include "CommandOptions.h"
#include "Gruba.h"
#include "ProfileMeasures.h"
#include "Replay.h"
#include "ReplayReport.h"
#include "SetNames.h"
#include "Steruj.h"
#include "TerminalProgress.h"

#include <cstdio>
#include <filesystem>
#include <future>

namespace {

constexpr int refusedStatus = 2;
constexpr int unusableStatus = 1;

// The files an as-run record names, complete: the record is read from wherever its set is.
struct AsRunRecordNames {
    std::string log;
    std::string plan;
};

std::string absoluteName(const std::string& path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

std::optional<double> hardeningDepth(const RunOutcome& outcome) {
    return outcome.finalHardness
               ? finalCaseHardeningDepth(*outcome.finalHardness, defaultHardnessLimit)
               : std::nullopt;
}

class Unseen : public RunObserver {
public:
    void setProgress(int /*percent*/) override {}
};

// The plan's case, computed on a thread of its own while the as-run set runs on this one (its
// gauge the terminal's): the comparison needs both, and neither needs the other.
std::shared_future<CaseFigures> plannedCase(const ProcessRecord& plan) {
    return std::async(std::launch::async, [written = asWritten(plan)] {
        Unseen unseen;
        const TrialResult trial = runTrial(written, comparedLevel, unseen);
        return CaseFigures{trial.surfaceCarbon, trial.caseDepth, hardeningDepth(trial.outcome),
                           trial.meanIncrease};
    });
}

CaseFigures asRunCase(const KeptRun& kept) {
    const Gruba& sample = *kept.sample;
    return {sample.carbon()[1], sample.oblGrub(comparedLevel) * 0.001, hardeningDepth(kept.outcome),
            sample.meanCarbon().value_or(0)};
}

// The log read and turned into the as-run programme, or why it is refused (said here).
std::optional<AsRun> readAsRun(const ProcessRecord& plan, const std::string& logPath,
                               const LogDefaults& defaults, int& status) {
    status = unusableStatus;
    const std::optional<std::string> text = wholeFile(logPath);
    if (!text) {
        std::fprintf(stderr, "tavcalc: %s: cannot be opened\n", logPath.c_str());
        return std::nullopt;
    }
    status = refusedStatus;
    const LogReading reading = readFurnaceLog(*text, defaults);
    if (!reading.log) {
        std::fprintf(stderr, "tavcalc: %s: %s; nothing written\n", logPath.c_str(),
                     refusalText(*reading.refusal).c_str());
        return std::nullopt;
    }
    if (!reading.log->ignoredColumns.empty()) {
        std::string names;
        for (const std::string& column : reading.log->ignoredColumns)
            names += (names.empty() ? "" : ", ") + column;
        std::fprintf(stderr, "tavcalc: %s: columns not read: %s\n", logPath.c_str(), names.c_str());
    }
    AsRunBuild build = asRunProcess(plan, *reading.log);
    if (!build.asRun) {
        std::fprintf(stderr, "tavcalc: %s: %s; nothing written\n", logPath.c_str(),
                     refusalText(*build.refusal).c_str());
        return std::nullopt;
    }
    for (const std::string& warning : build.asRun->warnings)
        std::fprintf(stderr, "tavcalc: warning: %s %s\n", logPath.c_str(), warning.c_str());
    std::printf("%s: %zu rows over %.2f h, the potential from %s\n", logPath.c_str(),
                reading.log->rows.size(), reading.log->rows.back().time / 3600,
                reading.log->potentialColumn.c_str());
    status = 0;
    return std::move(build.asRun);
}

bool gasDefaults(const Options& options, LogDefaults& defaults, std::string& problem) {
    std::optional<double> co, h2, factor;
    if (!numberOption(options, "--co", co, problem) ||
        !numberOption(options, "--h2", h2, problem) ||
        !numberOption(options, "--process-factor", factor, problem))
        return false;
    defaults.co = co.value_or(defaults.co);
    defaults.h2 = h2.value_or(defaults.h2);
    defaults.processFactor = factor;
    return true;
}

// The as-run set computed and settled as --run settles a set, its record written beside it
// before the set is released; the kept run when it finished.
SetRun runAsRun(const std::string& path, const AsRun& asRun, const AsRunRecordNames& names,
                const std::shared_future<CaseFigures>& planned) {
    const std::string head = processDataText(asRun.process);
    const auto writeHead = [&path, &head]() -> RunRefusal {
        if (const std::optional<std::string> problem = AtomicFile(path).replace(head))
            return {CommandStatus::WriteFailed, {}, *problem};
        return {};
    };
    const auto parametry = [&path, &asRun] {
        Parametry p(asRun.process, path);
        p.stageEnds = asRun.stageEnds;
        return p;
    };
    const auto writeRecord = [&](const KeptRun& kept) -> std::optional<std::string> {
        const AsRunRecord record =
            asRunRecord(asRun, names.log, names.plan, planned.get(), asRunCase(kept));
        return AtomicFile(asRunRecordName(path)).replace(asRunRecordText(record));
    };
    catchInterrupt();
    return runClaimedSet(runRequest(path, {}), head, asRun.process.shape,
                         {writeHead, parametry, writeRecord}, nullptr);
}

} // namespace

int runReplayCommand(const std::vector<std::string>& words) {
    const Options options =
        parseOptions(words, {"--log", "-o", "--co", "--h2", "--process-factor"});
    if (!options.problem.empty())
        return usageError(options.problem);
    const auto logOption = options.values.find("--log");
    if (logOption == options.values.end())
        return usageError("--replay needs --log LOG.csv");
    LogDefaults defaults;
    std::string problem;
    if (!gasDefaults(options, defaults, problem))
        return usageError(problem);
    const ReadFile plan = readHead(options.file);
    if (!plan.head)
        return unusableStatus;
    const std::string output = outputName(options, suffixedName(plan.path, "-asrun"));
    if (sameSetName(output, plan.path)) {
        std::fprintf(stderr, "tavcalc: %s: the as-run set would replace the plan\n",
                     output.c_str());
        return refusedStatus;
    }
    int status = 0;
    const std::string logPath = commandLineName(logOption->second);
    const std::optional<AsRun> asRun = readAsRun(*plan.head, logPath, defaults, status);
    if (!asRun)
        return status;
    const std::shared_future<CaseFigures> planned = plannedCase(*plan.head);
    const SetRun run =
        runAsRun(output, *asRun, {absoluteName(logPath), absoluteName(plan.path)}, planned);
    if (run.result != FileResult::Finished)
        return unusableStatus;
    const bool thin = kindTraits(plan.head->shape).thin;
    std::fputs(comparisonText(comparisonRows(planned.get(), asRunCase(run.kept), thin)).c_str(),
               stdout);
    const std::vector<std::string> band =
        bandReportLines(bandReport(*asRun), asRun->setpointFromPlan);
    for (std::size_t line = 0; line < band.size(); ++line)
        std::printf("%s%s\n", line == 0 ? "" : "  ", band[line].c_str());
    std::printf("profiles written at the rows that end the plan's stages and at the end\n");
    return 0;
}

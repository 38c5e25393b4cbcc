#include "ReplayCommand.h"

#include "AtomicFile.h"
#include "BatchRun.h"
#include "CommandOptions.h"
#include "Gruba.h"
#include "ProfileMeasures.h"
#include "Replay.h"
#include "SetNames.h"
#include "Steruj.h"
#include "TerminalProgress.h"

#include <cstdio>
#include <filesystem>

namespace {

constexpr int refusedStatus = 2;
constexpr int unusableStatus = 1;
constexpr double reportLevel = 0.35; // % C, the case depth compared

// What a case is at the end of a run, as the comparison prints it.
struct CaseFigures {
    double surface = 0;              // % C
    double depth = 0;                // mm at reportLevel (thick kinds)
    std::optional<double> hardening; // mm, case-hardening depth at 550 HV
    double meanIncrease = 0;         // % C (thin kinds)
};

std::optional<double> hardeningDepth(const RunOutcome& outcome) {
    return outcome.finalHardness
               ? finalCaseHardeningDepth(*outcome.finalHardness, defaultHardnessLimit)
               : std::nullopt;
}

CaseFigures plannedCase(const ProcessRecord& plan) {
    TerminalProgress progress(stdout, "plan");
    const TrialResult trial = runTrial(asWritten(plan), reportLevel, progress);
    progress.finish();
    return {trial.surfaceCarbon, trial.caseDepth, hardeningDepth(trial.outcome),
            trial.meanIncrease};
}

CaseFigures asRunCase(const KeptRun& kept) {
    const Gruba& sample = *kept.sample;
    return {sample.carbon()[1], sample.oblGrub(reportLevel) * 0.001, hardeningDepth(kept.outcome),
            sample.meanCarbon().value_or(0)};
}

std::string depthText(const std::optional<double>& depth) {
    char text[32];
    std::snprintf(text, sizeof text, "%9.3f", depth.value_or(0));
    return depth ? text : "     none";
}

void printComparison(const CaseFigures& planned, const CaseFigures& asRun, bool thin) {
    std::printf("                                     planned   as-run\n");
    std::printf("surface carbon, %% C                %9.3f%9.3f\n", planned.surface, asRun.surface);
    if (thin) {
        std::printf("mean carbon increase, %% C          %9.4f%9.4f\n", planned.meanIncrease,
                    asRun.meanIncrease);
        return;
    }
    std::printf("case depth at %.2f %% C, mm          %9.3f%9.3f\n", reportLevel, planned.depth,
                asRun.depth);
    std::printf("case-hardening depth at %.0f HV, mm %s%s\n", defaultHardnessLimit,
                depthText(planned.hardening).c_str(), depthText(asRun.hardening).c_str());
}

void printBand(const AsRun& asRun) {
    const BandReport report = bandReport(asRun);
    std::printf("band ±%.2f %% C about the setpoint (%s):\n", potentialBand,
                asRun.setpointFromPlan ? "the plan's potential: the log has no setpoint column"
                                       : "the log's setpoint column");
    std::printf("  outside %.1f min, %.2f %% of %.1f min logged\n", report.outsideMinutes,
                report.outsidePercent, report.loggedMinutes);
    if (report.longestMinutes > 0)
        std::printf("  longest excursion %.1f min, from %.3f h (after line %zu)\n",
                    report.longestMinutes, report.longestStartHours, report.longestStartLine);
    else
        std::printf("  longest excursion none\n");
    std::printf("  masked by burn-off %.1f min\n", report.maskedMinutes);
    std::printf("  rows where the gas would soot: %zu", report.sootLines.size());
    for (std::size_t i = 0; i < report.sootLines.size() && i < 10; ++i)
        std::printf("%s%zu", i == 0 ? " (lines " : ", ", report.sootLines[i]);
    std::printf("%s\n", report.sootLines.empty()       ? ""
                        : report.sootLines.size() > 10 ? ", ...)"
                                                       : ")");
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

// The as-run set computed and settled as --run settles a set; the kept run when it finished.
SetRun runAsRun(const std::string& path, const AsRun& asRun) {
    const std::string head = processDataText(asRun.process);
    const auto writeHead = [&path, &head] {
        if (const std::optional<std::string> problem = AtomicFile(path).replace(head)) {
            std::fprintf(stderr, "tavcalc: %s\n", problem->c_str());
            return false;
        }
        return true;
    };
    const auto parametry = [&path, &asRun] {
        Parametry p(asRun.process, path);
        p.stageEnds = asRun.stageEnds;
        return p;
    };
    catchInterrupt();
    return runClaimedSet(path, head, asRun.process.shape, writeHead, parametry, nullptr);
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
    const std::optional<AsRun> asRun =
        readAsRun(*plan.head, commandLineName(logOption->second), defaults, status);
    if (!asRun)
        return status;
    const CaseFigures planned = plannedCase(*plan.head);
    const SetRun run = runAsRun(output, *asRun);
    if (run.result != FileResult::Finished)
        return unusableStatus;
    printComparison(planned, asRunCase(run.kept), kindTraits(plan.head->shape).thin);
    printBand(*asRun);
    std::printf("profiles written at the rows that end the plan's stages and at the end\n");
    return 0;
}

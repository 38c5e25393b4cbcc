#include "DesignCommands.h"

#include "AtomicFile.h"
#include "CalcCommandLine.h"
#include "ClockTime.h"
#include "CommandOptions.h"
#include "DesignCommand.h"
#include "FitCommands.h"
#include "FoilFit.h"
#include "LowPressureDesign.h"
#include "MeasuredProfile.h"
#include "ProcessCheck.h"
#include "ProfileFit.h"
#include "ProfileMeasures.h"
#include "ProgrammeDesign.h"
#include "SetNames.h"
#include "TerminalProgress.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace {

// What a finished command says on standard error before it ends with the status's exit code.
int ended(const std::string& path, CommandStatus status, const std::string& reason) {
    std::fprintf(stderr, "tavcalc: %s: %s\n", path.c_str(), statusMessage(status, reason).c_str());
    return statusEntry(status).exitStatus;
}

int written(const std::string& path, const ProcessRecord& process) {
    if (const std::optional<std::string> problem =
            AtomicFile(path).replace(processDataText(process))) {
        std::fprintf(stderr, "tavcalc: %s\n", problem->c_str());
        return statusEntry(CommandStatus::WriteFailed).exitStatus;
    }
    std::printf("written: %s\n", path.c_str());
    return 0;
}

// The length of a designed programme: what the furnace is booked for.
void printTotalTime(const TDane& programme) {
    const double hours = programme.times.back();
    std::printf("total process time: %g h (%s)\n", hours, clockText(hours).c_str());
}

void printProgramme(const DesignResult& result) {
    std::printf("      time, h  temperature, °C  potential, %% C\n");
    const TDane& programme = result.programme.data;
    for (std::size_t row = 0; row < programme.times.size(); ++row)
        std::printf("%13g%17g%16g\n", programme.times[row], programme.temperatures[row],
                    programme.potentials[row]);
    printTotalTime(programme);
}

void printPulses(const LowPressureResult& result) {
    std::printf("pulse  boost, s  diffusion, s\n");
    for (std::size_t pulse = 0; pulse < result.pulses.size(); ++pulse)
        std::printf("%5zu%10g%14g%s\n", pulse + 1, result.pulses[pulse].boost,
                    result.pulses[pulse].diffusion,
                    pulse + 1 == result.pulses.size() ? "  (final diffusion)" : "");
}

// The design's number options, in the order their values are read.
struct NumberOption {
    const char* name;
    std::optional<double> DesignOptions::*value;
};
constexpr std::array designNumbers{
    NumberOption{"--depth", &DesignOptions::depth},
    NumberOption{"--level", &DesignOptions::level},
    NumberOption{"--chd", &DesignOptions::chd},
    NumberOption{"--chd-limit", &DesignOptions::chdLimit},
    NumberOption{"--surface", &DesignOptions::surface},
    NumberOption{"--diffuse", &DesignOptions::diffuse},
    NumberOption{"--boost", &DesignOptions::boost},
    NumberOption{"--temperature", &DesignOptions::temperature},
    NumberOption{"--hardening", &DesignOptions::hardening},
    NumberOption{"--hardening-time", &DesignOptions::hardeningTime},
    NumberOption{"--step", &DesignOptions::step},
    NumberOption{"--min-boost", &DesignOptions::minBoost},
    NumberOption{"--limit", &DesignOptions::limit},
};

// The words of `--design` as options, or the problem that refuses them.
std::optional<std::string> readDesignOptions(std::vector<std::string> words, Options& options,
                                             DesignOptions& design) {
    if (const auto flag = std::find(words.begin(), words.end(), "--low-pressure");
        flag != words.end()) {
        words.erase(flag);
        design.lowPressure = true;
    }
    std::vector<std::string_view> known{"-o"};
    for (const NumberOption& number : designNumbers)
        known.push_back(number.name);
    options = parseOptions(words, known);
    if (!options.problem.empty())
        return options.problem;
    std::string problem;
    for (const NumberOption& number : designNumbers)
        if (!numberOption(options, number.name, design.*number.value, problem))
            return problem;
    return designConflict(design, Spelling::CommandLine);
}

int reportPulses(const std::string& path, const LowPressureRequest& request,
                 const LowPressureResult& result, const std::string& output) {
    if (request.ceiling)
        std::printf("%s: low-pressure programme designed in %d trial runs; boosts hold the "
                    "surface at %.3f %% C (--limit)\n",
                    path.c_str(), result.trials, result.limit);
    else
        std::printf("%s: low-pressure programme designed in %d trial runs; boosts hold the "
                    "surface at %.3f %% C (saturation at %g °C)\n",
                    path.c_str(), result.trials, result.limit, request.celsius);
    printPulses(result);
    if (request.hardening)
        std::printf("then neutral down to %g °C in %g h\n", request.hardening->celsius,
                    request.hardening->hours);
    printTotalTime(result.process.data);
    std::printf("achieved: case depth %.3f mm at %g %% C (target %g mm), surface %.3f %% C "
                "(target %g %% C)\n",
                result.depth, request.level, request.depth, result.surface, request.surface);
    return written(output, result.process);
}

int reportProgramme(const std::string& path, const DesignRequest& request,
                    const DesignResult& result, const std::string& output) {
    std::printf("%s: programme designed in %d trial runs\n", path.c_str(), result.trials);
    printProgramme(result);
    if (request.hardnessLimit)
        std::printf("achieved: case-hardening depth %.3f mm at %g HV (target %g mm), surface "
                    "%.3f %% C",
                    result.depth, *request.hardnessLimit, request.depth, result.surface);
    else
        std::printf("achieved: case depth %.3f mm at %g %% C (target %g mm), surface %.3f %% C",
                    result.depth, request.level, request.depth, result.surface);
    if (request.surface)
        std::printf(" (target %g %% C)", *request.surface);
    std::printf("\n");
    for (const std::string& warning : result.warnings)
        std::fprintf(stderr, "tavcalc: warning: %s\n", warning.c_str());
    if (!result.shortfall.empty())
        return ended(path, CommandStatus::Unreachable, result.shortfall);
    return written(output, result.programme);
}

} // namespace

int runDesignCommand(const std::vector<std::string>& words) {
    Options options;
    DesignOptions design;
    if (const std::optional<std::string> problem = readDesignOptions(words, options, design))
        return usageError(*problem);
    const ReadFile file = readHead(options.file);
    if (!file.head)
        return statusEntry(CommandStatus::Unusable).exitStatus;
    const DesignCommand command = designCommand(design, *file.head);
    TerminalProgress progress(stdout, "design");
    const DesignOutcome outcome = runDesign(command, progress);
    progress.finish();
    if (outcome.status != CommandStatus::Done)
        return ended(file.path, outcome.status, outcome.reason);
    const std::string output = outputName(options, suffixedName(file.path, "-design"));
    return command.lowPressure ? reportPulses(file.path, command.pulses, outcome.pulses, output)
                               : reportProgramme(file.path, command.gas, outcome.gas, output);
}

int runFitCommand(const std::vector<std::string>& words) {
    const Options options = parseOptions(words, {"--carbon", "-o"});
    if (!options.problem.empty())
        return usageError(options.problem);
    std::optional<double> carbon;
    std::string problem;
    if (!numberOption(options, "--carbon", carbon, problem))
        return usageError(problem);
    if (const auto conflict = foilFitConflict(carbon, Spelling::CommandLine))
        return usageError(*conflict);
    const ReadFile file = readHead(options.file);
    if (!file.head)
        return statusEntry(CommandStatus::Unusable).exitStatus;
    TerminalProgress progress(stdout, "fit");
    const FoilFitOutcome outcome = runFoilFit(*file.head, *carbon, progress);
    progress.finish();
    if (outcome.status != CommandStatus::Done)
        return ended(file.path, outcome.status, outcome.result.reason);
    const FoilFitResult& result = outcome.result;
    std::printf("%s: transfer coefficient %.4g cm/s (%d trial runs; computed mean carbon "
                "%.4f %% C)\n  the uniform-foil formula would give %.4g cm/s\n",
                file.path.c_str(), result.beta, result.trials, result.meanCarbon,
                result.uniformBeta);
    if (result.nearSaturation)
        std::printf("  %s\n", nearSaturationNote);
    if (options.values.count("-o") == 0)
        return 0;
    ProcessRecord fitted = *file.head;
    fitted.data.transferCoefficient = result.beta;
    return written(outputName(options, {}), fitted);
}

namespace {

void printProfileFit(const std::string& path, const std::string& measuredPath,
                     const ProfileFitResult& fit, MeasuredQuantity quantity) {
    const char* unit = quantity == MeasuredQuantity::Carbon ? "% C" : "HV";
    const int decimals = quantity == MeasuredQuantity::Carbon ? 4 : 1;
    std::printf("%s: fitted to %s in %d trial runs; %zu points compared", path.c_str(),
                measuredPath.c_str(), fit.trials, fit.used);
    if (fit.nearSurface > 0)
        std::printf(", %zu nearer the surface than the hardest carbon left out", fit.nearSurface);
    if (fit.beyondSample > 0)
        std::printf(", %zu beyond the middle of the sample left out", fit.beyondSample);
    if (fit.betaAtLeast)
        std::printf("\n  transfer coefficient %.4g cm/s (at least %.2g cm/s)\n", fit.beta,
                    *fit.betaAtLeast);
    else
        std::printf("\n  transfer coefficient %.4g ± %.2g cm/s\n", fit.beta, fit.betaUncertainty);
    if (fit.offset && fit.offsetUncertainty)
        std::printf("  potential offset %+.4f ± %.4f %% C\n", *fit.offset, *fit.offsetUncertainty);
    else if (fit.offset)
        std::printf("  potential offset %+.4f %% C\n", *fit.offset);
    std::printf("  RMS difference %.*f %s with the process data, %.*f %s fitted\n", decimals,
                fit.rmsBefore, unit, decimals, fit.rmsAfter, unit);
    if (fit.betaUndetermined)
        std::printf("  %s\n", undeterminedBetaNote);
    if (fit.offsetUndetermined)
        std::printf("  %s\n", undeterminedOffsetNote);
    if (fit.betaAtLeast)
        std::printf("  %s\n", betaFloorNote(fit).c_str());
}

} // namespace

int runProfileFitCommand(const std::vector<std::string>& words) {
    const Options options = parseOptions(words, {"--measured", "--fit", "-o"});
    if (!options.problem.empty())
        return usageError(options.problem);
    const auto measuredOption = options.values.find("--measured");
    if (measuredOption == options.values.end())
        return usageError("--measured is required");
    const auto fitOption = options.values.find("--fit");
    const FittedChoice fitted = fittedChoice(
        fitOption == options.values.end() ? std::nullopt : std::optional(fitOption->second),
        Spelling::CommandLine);
    if (!fitted.values)
        return usageError(fitted.problem);
    const ReadFile file = readHead(options.file);
    if (!file.head)
        return statusEntry(CommandStatus::Unusable).exitStatus;
    const std::string& measuredPath = measuredOption->second;
    const MeasuredReading reading = readMeasuredProfile(measuredPath);
    if (!reading.profile)
        return ended(measuredPath, CommandStatus::Unusable, reading.problem);

    TerminalProgress progress(stdout, "fit");
    const ProfileFitOutcome outcome =
        runProfileFit(*file.head, *reading.profile, *fitted.values, progress);
    progress.finish();
    if (outcome.status != CommandStatus::Done)
        return ended(file.path, outcome.status, outcome.result.reason);
    printProfileFit(file.path, measuredPath, outcome.result, reading.profile->quantity);
    if (options.values.count("-o") == 0)
        return 0;
    return written(outputName(options, {}), outcome.result.fitted);
}

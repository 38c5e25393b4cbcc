#include "DesignCommands.h"

#include "AtomicFile.h"
#include "CalcCommandLine.h"
#include "ClockTime.h"
#include "CommandOptions.h"
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
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int refusedStatus = 2;
constexpr int unusableStatus = 1;

bool written(const std::string& path, const ProcessRecord& process) {
    if (const std::optional<std::string> problem =
            AtomicFile(path).replace(processDataText(process))) {
        std::fprintf(stderr, "tavcalc: %s\n", problem->c_str());
        return false;
    }
    std::printf("written: %s\n", path.c_str());
    return true;
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

// tavcalc --design FILE.tav --low-pressure ...: the words without the flag.
int runLowPressureDesign(const std::vector<std::string>& words) {
    const Options options =
        parseOptions(words, {"--depth", "--level", "--surface", "--temperature", "--hardening",
                             "--hardening-time", "--min-boost", "--limit", "-o"});
    if (!options.problem.empty())
        return usageError(options.problem);
    std::optional<double> depth, level, surface, temperature, hardening, hardeningTime, minBoost,
        ceiling;
    std::string problem;
    if (!numberOption(options, "--depth", depth, problem) ||
        !numberOption(options, "--level", level, problem) ||
        !numberOption(options, "--surface", surface, problem) ||
        !numberOption(options, "--temperature", temperature, problem) ||
        !numberOption(options, "--hardening", hardening, problem) ||
        !numberOption(options, "--hardening-time", hardeningTime, problem) ||
        !numberOption(options, "--min-boost", minBoost, problem) ||
        !numberOption(options, "--limit", ceiling, problem))
        return usageError(problem);
    if (!depth || !surface)
        return usageError("--low-pressure needs --depth and --surface");
    if (hardening.has_value() != hardeningTime.has_value())
        return usageError("--hardening and --hardening-time go together");

    const ReadFile file = readHead(options.file);
    if (!file.head)
        return unusableStatus;
    LowPressureRequest request;
    request.steel = *file.head;
    request.celsius = temperature.value_or(file.head->data.temperatures[0]);
    request.depth = *depth;
    request.level = level.value_or(request.level);
    request.surface = *surface;
    if (hardening)
        request.hardening = HardeningStage{*hardening, *hardeningTime};
    request.minBoost = minBoost.value_or(request.minBoost);
    request.ceiling = ceiling;

    TerminalProgress progress(stdout, "design");
    const LowPressureResult result = designLowPressure(request, progress);
    progress.finish();
    switch (result.status) {
    case DesignResult::Status::Designed:
        break;
    case DesignResult::Status::Refused:
        std::fprintf(stderr, "tavcalc: %s: refused: %s\n", file.path.c_str(),
                     result.reason.c_str());
        return refusedStatus;
    case DesignResult::Status::Unreachable:
        std::fprintf(stderr, "tavcalc: %s: the targets cannot be met: %s\n", file.path.c_str(),
                     result.reason.c_str());
        return refusedStatus;
    case DesignResult::Status::Cancelled:
        std::fprintf(stderr, "tavcalc: %s: design cancelled; nothing written\n", file.path.c_str());
        return unusableStatus;
    case DesignResult::Status::Failed:
        std::fprintf(stderr, "tavcalc: %s: %s\n", file.path.c_str(), result.reason.c_str());
        return unusableStatus;
    }
    if (ceiling)
        std::printf("%s: low-pressure programme designed in %d trial runs; boosts hold the "
                    "surface at %.3f %% C (--limit)\n",
                    file.path.c_str(), result.trials, result.limit);
    else
        std::printf("%s: low-pressure programme designed in %d trial runs; boosts hold the "
                    "surface at %.3f %% C (saturation at %g °C)\n",
                    file.path.c_str(), result.trials, result.limit, request.celsius);
    printPulses(result);
    if (request.hardening)
        std::printf("then neutral down to %g °C in %g h\n", request.hardening->celsius,
                    request.hardening->hours);
    printTotalTime(result.process.data);
    std::printf("achieved: case depth %.3f mm at %g %% C (target %g mm), surface %.3f %% C "
                "(target %g %% C)\n",
                result.depth, request.level, request.depth, result.surface, request.surface);
    const std::string path = outputName(options, suffixedName(file.path, "-design"));
    if (const std::optional<std::string> failure =
            AtomicFile(path).replace(processDataText(result.process))) {
        std::fprintf(stderr, "tavcalc: %s\n", failure->c_str());
        return unusableStatus;
    }
    std::printf("written: %s\n", path.c_str());
    return 0;
}

} // namespace

int runDesignCommand(const std::vector<std::string>& allWords) {
    std::vector<std::string> words = allWords;
    if (const auto flag = std::find(words.begin(), words.end(), "--low-pressure");
        flag != words.end()) {
        words.erase(flag);
        return runLowPressureDesign(words);
    }
    const Options options = parseOptions(
        words, {"--depth", "--level", "--chd", "--chd-limit", "--surface", "--diffuse", "--boost",
                "--temperature", "--hardening", "--hardening-time", "--step", "-o"});
    if (!options.problem.empty())
        return usageError(options.problem);
    std::optional<double> depth, level, chd, chdLimit, surface, diffuse, boost, temperature,
        hardening, hardeningTime, step;
    std::string problem;
    if (!numberOption(options, "--depth", depth, problem) ||
        !numberOption(options, "--level", level, problem) ||
        !numberOption(options, "--chd", chd, problem) ||
        !numberOption(options, "--chd-limit", chdLimit, problem) ||
        !numberOption(options, "--surface", surface, problem) ||
        !numberOption(options, "--diffuse", diffuse, problem) ||
        !numberOption(options, "--boost", boost, problem) ||
        !numberOption(options, "--temperature", temperature, problem) ||
        !numberOption(options, "--hardening", hardening, problem) ||
        !numberOption(options, "--hardening-time", hardeningTime, problem) ||
        !numberOption(options, "--step", step, problem))
        return usageError(problem);
    if (chd && (depth || level))
        return usageError("--chd takes the place of --depth and --level");
    if (chdLimit && !chd)
        return usageError("--chd-limit needs --chd");
    if (!depth && !chd)
        return usageError("--depth or --chd is required");
    if (hardening.has_value() != hardeningTime.has_value())
        return usageError("--hardening and --hardening-time go together");
    if (diffuse && !surface)
        return usageError("--diffuse needs --surface");

    const ReadFile file = readHead(options.file);
    if (!file.head)
        return unusableStatus;
    DesignRequest request;
    request.steel = *file.head;
    request.celsius = temperature.value_or(file.head->data.temperatures[0]);
    request.boost = boost.value_or(file.head->data.potentials[0]);
    request.depth = chd ? *chd : *depth;
    request.level = level.value_or(request.level);
    if (chd)
        request.hardnessLimit = chdLimit.value_or(defaultHardnessLimit);
    request.surface = surface;
    request.diffuse = diffuse;
    if (hardening)
        request.hardening = HardeningStage{*hardening, *hardeningTime};
    request.step = step.value_or(request.step);

    TerminalProgress progress(stdout, "design");
    const DesignResult result = designProgramme(request, progress);
    progress.finish();
    switch (result.status) {
    case DesignResult::Status::Designed:
        break;
    case DesignResult::Status::Refused:
        std::fprintf(stderr, "tavcalc: %s: refused: %s\n", file.path.c_str(),
                     result.reason.c_str());
        return refusedStatus;
    case DesignResult::Status::Unreachable:
        std::fprintf(stderr, "tavcalc: %s: the targets cannot be met: %s\n", file.path.c_str(),
                     result.reason.c_str());
        return refusedStatus;
    case DesignResult::Status::Cancelled:
        std::fprintf(stderr, "tavcalc: %s: design cancelled; nothing written\n", file.path.c_str());
        return unusableStatus;
    case DesignResult::Status::Failed:
        std::fprintf(stderr, "tavcalc: %s: %s\n", file.path.c_str(), result.reason.c_str());
        return unusableStatus;
    }
    std::printf("%s: programme designed in %d trial runs\n", file.path.c_str(), result.trials);
    printProgramme(result);
    if (request.hardnessLimit)
        std::printf("achieved: case-hardening depth %.3f mm at %g HV (target %g mm), surface "
                    "%.3f %% C",
                    result.depth, *request.hardnessLimit, request.depth, result.surface);
    else
        std::printf("achieved: case depth %.3f mm at %g %% C (target %g mm), surface %.3f %% C",
                    result.depth, request.level, request.depth, result.surface);
    if (surface)
        std::printf(" (target %g %% C)", *surface);
    std::printf("\n");
    for (const std::string& warning : result.warnings)
        std::fprintf(stderr, "tavcalc: warning: %s\n", warning.c_str());
    if (!result.shortfall.empty()) {
        std::fprintf(stderr, "tavcalc: %s: the targets cannot be met: %s\n", file.path.c_str(),
                     result.shortfall.c_str());
        return refusedStatus;
    }
    return written(outputName(options, suffixedName(file.path, "-design")), result.programme)
               ? 0
               : unusableStatus;
}

int runFitCommand(const std::vector<std::string>& words) {
    const Options options = parseOptions(words, {"--carbon", "-o"});
    if (!options.problem.empty())
        return usageError(options.problem);
    std::optional<double> carbon;
    std::string problem;
    if (!numberOption(options, "--carbon", carbon, problem))
        return usageError(problem);
    if (!carbon)
        return usageError("--carbon is required");
    const ReadFile file = readHead(options.file);
    if (!file.head)
        return unusableStatus;
    TerminalProgress progress(stdout, "fit");
    const FoilFitResult result = fitTransferCoefficient(*file.head, *carbon, progress);
    progress.finish();
    switch (result.status) {
    case FoilFitResult::Status::Fitted:
        break;
    case FoilFitResult::Status::Refused:
        std::fprintf(stderr, "tavcalc: %s: refused: %s\n", file.path.c_str(),
                     result.reason.c_str());
        return refusedStatus;
    case FoilFitResult::Status::Cancelled:
    case FoilFitResult::Status::Failed:
        std::fprintf(stderr, "tavcalc: %s: fit stopped %s\n", file.path.c_str(),
                     result.reason.c_str());
        return unusableStatus;
    }
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
    return written(outputName(options, {}), fitted) ? 0 : unusableStatus;
}

namespace {

std::optional<FittedValues> fittedValues(const Options& options) {
    const auto found = options.values.find("--fit");
    if (found == options.values.end() || found->second == "beta")
        return FittedValues::Beta;
    if (found->second == "beta,potential")
        return FittedValues::BetaAndPotential;
    return std::nullopt;
}

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
    const std::optional<FittedValues> values = fittedValues(options);
    if (!values)
        return usageError("--fit " + options.values.at("--fit") +
                          ": must be beta or beta,potential");
    const ReadFile file = readHead(options.file);
    if (!file.head)
        return unusableStatus;
    const std::string& measuredPath = measuredOption->second;
    const MeasuredReading reading = readMeasuredProfile(measuredPath);
    if (!reading.profile) {
        std::fprintf(stderr, "tavcalc: %s: %s\n", measuredPath.c_str(), reading.problem.c_str());
        return unusableStatus;
    }

    TerminalProgress progress(stdout, "fit");
    const ProfileFitResult fit = fitProfile(*file.head, *reading.profile, *values, progress);
    progress.finish();
    switch (fit.status) {
    case ProfileFitResult::Status::Fitted:
        break;
    case ProfileFitResult::Status::Refused:
        std::fprintf(stderr, "tavcalc: %s: refused: %s\n", file.path.c_str(), fit.reason.c_str());
        return refusedStatus;
    case ProfileFitResult::Status::Cancelled:
    case ProfileFitResult::Status::Failed:
        std::fprintf(stderr, "tavcalc: %s: fit stopped %s\n", file.path.c_str(),
                     fit.reason.c_str());
        return unusableStatus;
    }
    printProfileFit(file.path, measuredPath, fit, reading.profile->quantity);
    if (options.values.count("-o") == 0)
        return 0;
    return written(outputName(options, {}), fit.fitted) ? 0 : unusableStatus;
}

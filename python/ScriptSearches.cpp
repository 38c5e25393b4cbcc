#include "ScriptSearches.h"

#include "FitCommands.h"
#include "Interrupt.h"
#include "ScriptErrors.h"

namespace {

// Designed means both targets met: the design refuses a programme that misses one.
Design pulsesDesigned(const LowPressureResult& result) {
    Design design{Process(result.process),
                  result.depth,
                  result.surface,
                  true,
                  true,
                  {},
                  result.trials,
                  {},
                  {},
                  result.limit};
    for (const Pulse& pulse : result.pulses)
        design.pulses.emplace_back(pulse.boost, pulse.diffusion);
    return design;
}

Design programmeDesigned(const DesignResult& result) {
    return {Process(asWritten(result.programme)),
            result.depth,
            result.surface,
            result.depthMet,
            result.surfaceMet,
            result.shortfall,
            result.trials,
            result.warnings,
            {},
            std::nullopt};
}

} // namespace

Design designFor(const Process& process, const DesignOptions& options) {
    if (const auto conflict = designConflict(options, Spelling::Script))
        raiseFor(CommandStatus::Usage, *conflict);
    const DesignCommand command = designCommand(options, process.record);
    const DesignOutcome outcome =
        interruptible([&](RunObserver& observer) { return runDesign(command, observer); });
    if (outcome.status != CommandStatus::Done)
        raiseFor(outcome.status, outcome.message());
    return command.lowPressure ? pulsesDesigned(outcome.pulses) : programmeDesigned(outcome.gas);
}

BetaFit fitBeta(const Process& test, double measuredCarbon) {
    const FoilFitOutcome outcome = interruptible(
        [&](RunObserver& observer) { return runFoilFit(test.record, measuredCarbon, observer); });
    if (outcome.status != CommandStatus::Done)
        raiseFor(outcome.status, outcome.message());
    const FoilFitResult& result = outcome.result;
    ProcessRecord record = test.record;
    record.data.transferCoefficient = asWritten(result.beta);
    return {Process(std::move(record)), result.beta,   result.uniformBeta,
            result.meanCarbon,          result.trials, result.nearSaturation};
}

Measured Measured::read(const std::string& file) {
    MeasuredReading reading = readMeasuredProfile(file);
    if (!reading.profile)
        raiseFor(CommandStatus::Unusable, file + ": " + reading.problem);
    return {std::move(*reading.profile), file};
}

std::string Measured::quantity() const {
    return profile.quantity == MeasuredQuantity::Carbon ? "carbon" : "hardness";
}

ProfileFit fitToProfile(const Process& process, const Measured& measured, const std::string& fit) {
    const FittedChoice fitted = fittedChoice(fit, Spelling::Script);
    if (!fitted.values)
        raiseFor(CommandStatus::Usage, fitted.problem);
    const ProfileFitOutcome outcome = interruptible([&](RunObserver& observer) {
        return runProfileFit(process.record, measured.profile, *fitted.values, observer);
    });
    if (outcome.status != CommandStatus::Done)
        raiseFor(outcome.status, outcome.message());
    return {outcome.result, Process(outcome.result.fitted)};
}

#include "ScriptSearches.h"

#include "Interrupt.h"
#include "ScriptErrors.h"

#include "ProfileMeasures.h"

namespace {

// The design as `tavcalc --design` asks for it, with the same defaults: the carburizing
// temperature and boost potential of the process's first row.
DesignRequest designRequest(const Process& process, const DesignTargets& targets) {
    if (targets.diffuse && !targets.surface)
        throw ProcessError("diffuse needs surface");
    if (targets.limit)
        throw ProcessError("limit belongs to low_pressure: a gas programme's boost is a potential");
    DesignRequest request;
    request.steel = process.record;
    request.celsius = targets.temperature.value_or(process.record.data.temperatures.at(0));
    request.boost = targets.boost.value_or(process.record.data.potentials.at(0));
    request.depth = targets.depth;
    request.level = targets.level;
    request.hardnessLimit = targets.hardnessLimit;
    request.surface = targets.surface;
    request.diffuse = targets.diffuse;
    if (targets.hardening)
        request.hardening = HardeningStage{targets.hardening->first, targets.hardening->second};
    request.step = targets.step.value_or(request.step);
    return request;
}

// The low-pressure design as `tavcalc --design --low-pressure` asks for it.
LowPressureRequest lowPressureRequest(const Process& process, const DesignTargets& targets) {
    if (!targets.surface)
        throw ProcessError("low_pressure needs depth and surface");
    if (targets.boost || targets.diffuse || targets.step)
        throw ProcessError("low_pressure takes no boost, diffuse or step");
    if (targets.hardnessLimit)
        throw ProcessError("low_pressure takes no chd: its pulses aim at a carbon level");
    LowPressureRequest request;
    request.steel = process.record;
    request.celsius = targets.temperature.value_or(process.record.data.temperatures.at(0));
    request.depth = targets.depth;
    request.level = targets.level;
    request.surface = *targets.surface;
    if (targets.hardening)
        request.hardening = HardeningStage{targets.hardening->first, targets.hardening->second};
    request.minBoost = targets.minBoost.value_or(request.minBoost);
    request.ceiling = targets.limit;
    return request;
}

// A design's refusal as `tavcalc --design` words it.
void raiseUnlessDesigned(DesignResult::Status status, const std::string& reason) {
    switch (status) {
    case DesignResult::Status::Designed:
        return;
    case DesignResult::Status::Refused:
        throw ProcessError("refused: " + reason);
    case DesignResult::Status::Unreachable:
        throw UnreachableError("the targets cannot be met: " + reason);
    case DesignResult::Status::Cancelled:
        throw RunError("design cancelled");
    case DesignResult::Status::Failed:
        throw RunError(reason);
    }
}

// Designed means both targets met: the design refuses a programme that misses one.
Design lowPressureDesign(const Process& process, const DesignTargets& targets) {
    const LowPressureRequest request = lowPressureRequest(process, targets);
    const LowPressureResult result =
        interruptible([&](RunObserver& observer) { return designLowPressure(request, observer); });
    raiseUnlessDesigned(result.status, result.reason);
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

// What the design found, or its refusal as `tavcalc --design` words it.
Design designed(const DesignResult& result) {
    raiseUnlessDesigned(result.status, result.reason);
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

FittedValues fittedValues(const std::string& fit) {
    if (fit == "beta")
        return FittedValues::Beta;
    if (fit == "beta,potential")
        return FittedValues::BetaAndPotential;
    throw ProcessError("fit \"" + fit + "\": must be \"beta\" or \"beta,potential\"");
}

} // namespace

Design designFor(const Process& process, const DesignTargets& targets) {
    if (targets.lowPressure)
        return lowPressureDesign(process, targets);
    if (targets.minBoost)
        throw ProcessError("min_boost needs low_pressure");
    const DesignRequest request = designRequest(process, targets);
    return designed(
        interruptible([&](RunObserver& observer) { return designProgramme(request, observer); }));
}

void setDepthTarget(DesignTargets& targets, std::optional<double> depth,
                    std::optional<double> level, std::optional<double> chd,
                    std::optional<double> chdLimit) {
    if (chd && (depth || level))
        throw ProcessError("chd takes the place of depth and level");
    if (chdLimit && !chd)
        throw ProcessError("chd_limit needs chd");
    if (!depth && !chd)
        throw ProcessError("depth or chd is required");
    targets.depth = chd ? *chd : *depth;
    targets.level = level.value_or(targets.level);
    if (chd)
        targets.hardnessLimit = chdLimit.value_or(defaultHardnessLimit);
}

BetaFit fitBeta(const Process& test, double measuredCarbon) {
    const FoilFitResult result = interruptible([&](RunObserver& observer) {
        return fitTransferCoefficient(test.record, measuredCarbon, observer);
    });
    switch (result.status) {
    case FoilFitResult::Status::Fitted:
        break;
    case FoilFitResult::Status::Refused:
        throw ProcessError("refused: " + result.reason);
    case FoilFitResult::Status::Cancelled:
    case FoilFitResult::Status::Failed:
        throw RunError("fit stopped " + result.reason);
    }
    ProcessRecord record = test.record;
    record.data.transferCoefficient = asWritten(result.beta);
    return {Process(std::move(record)), result.beta,   result.uniformBeta,
            result.meanCarbon,          result.trials, result.nearSaturation};
}

Measured Measured::read(const std::string& file) {
    MeasuredReading reading = readMeasuredProfile(file);
    if (!reading.profile)
        throw ProcessError(file + ": " + reading.problem);
    return {std::move(*reading.profile), file};
}

std::string Measured::quantity() const {
    return profile.quantity == MeasuredQuantity::Carbon ? "carbon" : "hardness";
}

ProfileFit fitToProfile(const Process& process, const Measured& measured, const std::string& fit) {
    const FittedValues values = fittedValues(fit);
    const ProfileFitResult result = interruptible([&](RunObserver& observer) {
        return fitProfile(process.record, measured.profile, values, observer);
    });
    switch (result.status) {
    case ProfileFitResult::Status::Fitted:
        break;
    case ProfileFitResult::Status::Refused:
        throw ProcessError("refused: " + result.reason);
    case ProfileFitResult::Status::Cancelled:
    case ProfileFitResult::Status::Failed:
        throw RunError("fit stopped " + result.reason);
    }
    return {result, Process(result.fitted)};
}

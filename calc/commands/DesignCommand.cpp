#include "DesignCommand.h"

#include "ProfileMeasures.h"

#include <array>

namespace {

// One conflict between options and its words, "{name}" spelled by each front end. The first
// that applies is told; a depth target is checked before the design's own options.
struct Conflict {
    bool (*applies)(const DesignOptions&);
    const char* words;
};

constexpr std::array conflicts{
    Conflict{[](const DesignOptions& o) { return o.chd && (o.depth || o.level); },
             "{chd} takes the place of {depth} and {level}"},
    Conflict{[](const DesignOptions& o) { return o.chdLimit && !o.chd; },
             "{chd_limit} needs {chd}"},
    Conflict{[](const DesignOptions& o) { return o.lowPressure && o.chd.has_value(); },
             "{low_pressure} takes no {chd}: its pulses aim at a carbon level"},
    Conflict{
        [](const DesignOptions& o) { return o.lowPressure && (o.boost || o.diffuse || o.step); },
        "{low_pressure} takes no {boost}, {diffuse} or {step}"},
    Conflict{[](const DesignOptions& o) { return o.lowPressure && (!o.depth || !o.surface); },
             "{low_pressure} needs {depth} and {surface}"},
    Conflict{[](const DesignOptions& o) { return !o.lowPressure && o.minBoost.has_value(); },
             "{min_boost} needs {low_pressure}"},
    Conflict{[](const DesignOptions& o) { return !o.lowPressure && o.limit.has_value(); },
             "{limit} belongs to {low_pressure}: a gas programme's boost is a potential"},
    Conflict{[](const DesignOptions& o) { return !o.depth && !o.chd; },
             "{depth} or {chd} is required"},
    Conflict{[](const DesignOptions& o) {
                 return o.hardening.has_value() != o.hardeningTime.has_value();
             },
             "{hardening} and {hardening_time} go together"},
    Conflict{[](const DesignOptions& o) { return o.diffuse && !o.surface; },
             "{diffuse} needs {surface}"},
};

std::optional<HardeningStage> hardeningStage(const DesignOptions& options) {
    if (!options.hardening)
        return std::nullopt;
    return HardeningStage{*options.hardening, *options.hardeningTime};
}

DesignRequest gasRequest(const DesignOptions& options, const ProcessRecord& steel) {
    DesignRequest request;
    request.steel = steel;
    request.celsius = options.temperature.value_or(steel.data.temperatures.at(0));
    request.boost = options.boost.value_or(steel.data.potentials.at(0));
    request.depth = options.chd ? *options.chd : *options.depth;
    request.level = options.level.value_or(request.level);
    if (options.chd)
        request.hardnessLimit = options.chdLimit.value_or(defaultHardnessLimit);
    request.surface = options.surface;
    request.diffuse = options.diffuse;
    request.hardening = hardeningStage(options);
    request.step = options.step.value_or(request.step);
    return request;
}

// The pulses are written as the file keeps numbers, and designed on the steel as written.
LowPressureRequest pulseRequest(const DesignOptions& options, const ProcessRecord& steel) {
    LowPressureRequest request;
    request.steel = asWritten(steel);
    request.celsius = options.temperature.value_or(steel.data.temperatures.at(0));
    request.depth = *options.depth;
    request.level = options.level.value_or(request.level);
    request.surface = *options.surface;
    request.hardening = hardeningStage(options);
    request.minBoost = options.minBoost.value_or(request.minBoost);
    request.ceiling = options.limit;
    return request;
}

} // namespace

std::optional<std::string> designConflict(const DesignOptions& options, Spelling spelling) {
    for (const Conflict& conflict : conflicts)
        if (conflict.applies(options))
            return spelledWords(conflict.words, spelling);
    return std::nullopt;
}

DesignCommand designCommand(const DesignOptions& options, const ProcessRecord& steel) {
    DesignCommand command;
    command.lowPressure = options.lowPressure;
    if (options.lowPressure)
        command.pulses = pulseRequest(options, steel);
    else
        command.gas = gasRequest(options, steel);
    return command;
}

CommandStatus designStatus(DesignResult::Status status) {
    switch (status) {
    case DesignResult::Status::Designed:
        return CommandStatus::Done;
    case DesignResult::Status::Refused:
        return CommandStatus::Refused;
    case DesignResult::Status::Unreachable:
        return CommandStatus::Unreachable;
    case DesignResult::Status::Cancelled:
        return CommandStatus::Cancelled;
    case DesignResult::Status::Failed:
        break;
    }
    return CommandStatus::Failed;
}

DesignOutcome runDesign(const DesignCommand& command, RunObserver& observer) {
    DesignOutcome outcome;
    if (command.lowPressure) {
        outcome.pulses = designLowPressure(command.pulses, observer);
        outcome.status = designStatus(outcome.pulses.status);
        outcome.reason = outcome.pulses.reason;
    } else {
        outcome.gas = designProgramme(command.gas, observer);
        outcome.status = designStatus(outcome.gas.status);
        outcome.reason = outcome.gas.reason;
    }
    return outcome;
}

#pragma once
// The design command, below the command line, the Python module and the design window: what
// each front end gathers into options, their conflicts and defaults, the one request the gas
// or the low-pressure design gets from them, and the outcome with its status.

#include "CommandStatus.h"
#include "LowPressureDesign.h"
#include "OptionNames.h"
#include "ProgrammeDesign.h"

#include <optional>
#include <string>

// The design's options as the user gave them; empty ones take their defaults.
struct DesignOptions {
    std::optional<double> depth;         // mm, case depth at `level`
    std::optional<double> level;         // % C
    std::optional<double> chd;           // mm, case-hardening depth at `chdLimit` instead
    std::optional<double> chdLimit;      // HV
    std::optional<double> surface;       // % C
    std::optional<double> diffuse;       // % C, gas only
    std::optional<double> boost;         // % C, gas only; the steel's first stage row's
    std::optional<double> temperature;   // °C; the steel's first stage row's
    std::optional<double> hardening;     // °C, with `hardeningTime`
    std::optional<double> hardeningTime; // h
    std::optional<double> step;          // h, gas only
    bool lowPressure = false;            // pulses of boost and neutral diffusion
    std::optional<double> minBoost;      // s, low pressure only
    std::optional<double> limit;         // % C the boosts hold, low pressure only
};

// The options that do not go together, in the front end's spelling; nothing when they do.
std::optional<std::string> designConflict(const DesignOptions& options, Spelling spelling);

// A design that its options ask for, with their defaults: one of the two designs.
struct DesignCommand {
    bool lowPressure = false;
    DesignRequest gas;         // when not lowPressure
    LowPressureRequest pulses; // when lowPressure
};

// The command for `options` on `steel` (steel, alloy, shape and size; its first stage row gives
// the temperature and boost not given). Options in conflict have been refused before.
DesignCommand designCommand(const DesignOptions& options, const ProcessRecord& steel);

struct DesignOutcome {
    CommandStatus status = CommandStatus::Done;
    std::string reason;
    DesignResult gas;         // a gas design's result
    LowPressureResult pulses; // a low-pressure design's result
    std::string message() const { return statusMessage(status, reason); }
};

// Runs the design; the observer shows progress and may cancel.
DesignOutcome runDesign(const DesignCommand& command, RunObserver& observer);

// The command status of a design's status.
CommandStatus designStatus(DesignResult::Status status);

#pragma once
// Design of a low-pressure (vacuum) carburizing programme: pulses of a saturated boost and a
// neutral diffusion at the carburizing temperature, the last diffusion the final one, then
// optionally a neutral hardening stage down to the hardening temperature.
//
// The rule: a boost lasts until the carbon at the monitor depth has risen halfway from the surface
// target to the saturation limit, the diffusion after it until that carbon has fallen to a
// quarter of the way. Pulses are added while a trial of the final diffusion (diffusing until the
// surface is down at its target) shows the case short of its depth; then the last boost and the
// final diffusion are sized by root finding on trial runs of the ordinary computation (depth
// grows with the boost, the surface falls with the diffusion). Every stage lasts whole timer
// steps, every boost at least the shortest boost.

#include "ProcessData.h"
#include "ProgrammeDesign.h"
#include "RunObserver.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr double timerStepSeconds = 10;
inline constexpr double monitorDepth = 0.05;                // mm
inline constexpr int maxSearchedPulses = 30;                // depth not reached with these: refused
inline constexpr double maxLowPressureHours = 24;           // boosts and diffusions together
inline constexpr double lowPressureSurfaceTolerance = 0.02; // % C

struct LowPressureRequest {
    // Steel carbon, transfer coefficient, alloy contents, shape and thickness (or diameter); the
    // stage rows are not read.
    ProcessRecord steel;
    double celsius = 920; // °C, carburizing temperature
    double depth = 0;     // mm, case depth at the end of the programme
    double level = 0.35;  // % C that defines the case depth
    double surface = 0;   // % C at the end of the programme
    std::optional<HardeningStage> hardening;
    double minBoost = 30; // s
};

struct Pulse {
    double boost;     // s
    double diffusion; // s
};

struct LowPressureResult {
    DesignResult::Status status = DesignResult::Status::Designed;
    std::string reason;        // Refused, Unreachable or Failed: the value or target and why
    ProcessRecord process;     // Designed: the steel with the programme
    std::vector<Pulse> pulses; // Designed: the last diffusion is the final one
    double depth = 0;          // mm, achieved case depth at the level
    double surface = 0;        // % C, achieved surface carbon at the end
    double limit = 0;          // % C, the saturation limit at the carburizing temperature
    int trials = 0;            // runs the design needed
};

// The programme for the request; its trial runs touch no file. The observer is asked after
// every step whether to cancel; a cancel stops the search.
LowPressureResult designLowPressure(const LowPressureRequest& request, RunObserver& progress);

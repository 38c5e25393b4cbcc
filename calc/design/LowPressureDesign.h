#pragma once
// Design of a low-pressure (vacuum) carburizing programme: pulses of a saturated boost and a
// neutral diffusion at the carburizing temperature, the last diffusion the final one, then
// optionally a neutral hardening stage down to the hardening temperature.
//
// The rule: a boost lasts until the carbon at the monitor depth has risen halfway from the surface
// target to the limit the boost holds, the diffusion after it until that carbon has fallen to a
// quarter of the way. The monitor lies deeper for a deeper case (a fixed share of the case
// depth, never shallower than 0.05 mm), so that a deep case needs about as many pulses as a
// shallow one, as published schedules do. Pulses are added while a trial of the final diffusion
// (diffusing until the surface is down at its target) shows the case short of its depth; then
// the last boost and the final diffusion are sized by root finding on trial runs of the ordinary
// computation (depth grows with the boost, the surface falls with the diffusion). Every stage
// lasts whole timer steps, every boost at least the shortest boost. The search ends only for a
// real reason: the programme would last longer than the longest one designed.

#include "ProcessData.h"
#include "ProgrammeDesign.h"
#include "RunObserver.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr double timerStepSeconds = 10;
inline constexpr double monitorDepth = 0.05;                // mm, the shallowest monitor
inline constexpr double monitorShare = 0.08;                // of the case depth
inline constexpr double maxLowPressureHours = 48;           // boosts and diffusions together
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
    // % C, the surface every boost holds (written on its rows); absent: the saturation limit.
    std::optional<double> ceiling{};
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
    double limit = 0;          // % C, the ceiling, or the saturation limit at the temperature
    double hours = 0;          // Designed: the programme's length, hardening included
    int trials = 0;            // runs the design needed
};

// mm, the depth whose carbon decides when a boost or a diffusion ends, for a case `depth` deep.
double monitorDepthFor(double depth);

// The programme for the request; its trial runs touch no file. The observer is asked after
// every step whether to cancel; a cancel stops the search.
LowPressureResult designLowPressure(const LowPressureRequest& request, RunObserver& progress);

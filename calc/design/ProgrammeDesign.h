#pragma once
// Process design: the furnace programme that gives a case an engineer asks for.
//
// Without a surface target the programme is one stage at the boost potential; with one, a
// boost stage, a switch to the diffuse potential over one timer step and a diffuse stage.
// Either may end with a hardening stage: the temperature falls linearly to the hardening
// temperature at the last potential. The stage lengths are found by root finding on trial runs
// of the ordinary computation (case depth grows with the boost, the surface falls with the
// diffusion), rounded to the furnace timer's step, and the rounded programme is run once more
// to report what it achieves.

#include "ProcessData.h"
#include "RunObserver.h"

#include <optional>
#include <string>
#include <vector>

struct HardeningStage {
    double celsius; // °C at the end of the stage
    double hours;
};

struct DesignRequest {
    // Steel carbon, transfer coefficient, alloy contents, shape and thickness (or diameter);
    // the stage rows are not read.
    ProcessRecord steel;
    double celsius = 920; // °C, carburizing temperature
    double boost = 1.0;   // % C, boost potential
    double depth = 0;     // mm, case depth at the end of the programme
    double level = 0.35;  // % C that defines the case depth
    // HV: when set, `depth` is the case-hardening depth at this hardness instead of the case
    // depth at `level` (thick shapes have a hardness profile).
    std::optional<double> hardnessLimit;
    std::optional<double> surface; // % C at the end of the programme
    std::optional<double> diffuse; // % C, diffuse potential; the surface target when empty
    std::optional<HardeningStage> hardening;
    double step = 0.01; // h, the furnace timer's step
};

// Tolerances the rounded programme is judged by.
inline constexpr double depthTolerance = 0.01;       // of the target
inline constexpr double minDepthTolerance = 0.005;   // mm
inline constexpr double surfaceTolerance = 0.01;     // % C
inline constexpr double maxCarburizingHours = 100.0; // boost and diffusion together

struct DesignResult {
    // Refused: the input is wrong in itself (a value out of its range, a shape the design does
    // not serve); Unreachable: the targets are sound values but no programme meets them.
    enum class Status { Designed, Refused, Unreachable, Cancelled, Failed };
    Status status = Status::Designed;
    // Refused, Unreachable or Failed: the value or target and why, for the user
    std::string reason;
    ProcessRecord programme; // Designed: the steel with the programme in its stage rows
    double depth = 0;        // mm, achieved case depth at the level (or hardness limit)
    double surface = 0;      // % C, achieved surface carbon at the end
    bool depthMet = false;
    bool surfaceMet = false;           // also true when there is no surface target
    std::string shortfall;             // Designed: which target is missed and why, else empty
    int trials = 0;                    // trial runs the design needed
    std::vector<std::string> warnings; // saturation of austenite
};

// The programme for the request; its trial runs touch no file. The observer's setProgress gets
// a rough share of the work done, and is asked after every step whether to cancel, as in a
// run; a cancel stops the search.
DesignResult designProgramme(const DesignRequest& request, RunObserver& progress);

// The thick shapes the design serves; a foil or wire gets the reason it is refused.
std::optional<std::string> designRefusesShape(SampleShape shape);

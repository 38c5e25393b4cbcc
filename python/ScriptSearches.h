#pragma once
// The searches over trial runs, from a script: process design, the foil test's transfer
// coefficient and the fit to a measured profile. Each answers as its tavcalc command does:
// a refusal raises with the message the command prints (ScriptErrors.h), Ctrl-C raises
// KeyboardInterrupt, and the search runs without the GIL.

#include "FoilFit.h"
#include "LowPressureDesign.h"
#include "MeasuredProfile.h"
#include "ProfileFit.h"
#include "ProgrammeDesign.h"
#include "ScriptProcess.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What `tavcalc --design` is asked for; empty values take the command's defaults.
struct DesignTargets {
    double depth = 0; // mm
    double level = DesignRequest{}.level;
    // HV: `depth` is the case-hardening depth at this hardness instead of the case depth at
    // `level` (`tavcalc --design --chd`).
    std::optional<double> hardnessLimit;
    std::optional<double> surface;                      // % C
    std::optional<std::pair<double, double>> hardening; // °C, h
    std::optional<double> temperature;                  // °C; the process's first row's
    std::optional<double> boost;                        // % C; the process's first row's
    std::optional<double> diffuse;                      // % C
    std::optional<double> step;                         // h
    // Pulses of boost and neutral diffusion (`tavcalc --design --low-pressure`), which take
    // neither boost, diffuse nor step.
    bool lowPressure = false;
    std::optional<double> minBoost; // s
    std::optional<double> limit;    // % C, the surface the low-pressure boosts hold
};

// A designed programme and what it achieves.
struct Design {
    Process process;
    double depth = 0;   // mm
    double surface = 0; // % C
    bool depthMet = false;
    bool surfaceMet = false;
    std::string shortfall;
    int trials = 0;
    std::vector<std::string> warnings;
    // Low pressure: the pulses (boost, diffusion; s), the last diffusion the final one, and the
    // saturation limit the boosts hold the surface at (% C).
    std::vector<std::pair<double, double>> pulses;
    std::optional<double> saturationLimit;
};

Design designFor(const Process& process, const DesignTargets& targets);

// The depth target as the script names it, checked as `tavcalc --design` checks its options:
// `depth` at `level` (% C), or `chd` (mm) at `chdLimit` (HV, 550 unless given).
void setDepthTarget(DesignTargets& targets, std::optional<double> depth,
                    std::optional<double> level, std::optional<double> chd,
                    std::optional<double> chdLimit);

// A foil test's transfer coefficient, and the test's process with it.
struct BetaFit {
    Process process;
    double beta = 0;        // cm/s
    double uniformBeta = 0; // cm/s
    double meanCarbon = 0;  // % C
    int trials = 0;
    bool nearSaturation = false;
};

BetaFit fitBeta(const Process& test, double measuredCarbon);

// A measured profile and the file it was read from.
struct Measured {
    MeasuredProfile profile;
    std::string path;

    // A file the reader refuses raises ProcessError naming the file and the line.
    static Measured read(const std::string& file);
    std::string quantity() const; // "carbon" or "hardness"
};

// A process fitted to a measured profile.
struct ProfileFit {
    ProfileFitResult result;
    Process process;
};

// `fit`: "beta" or "beta,potential".
ProfileFit fitToProfile(const Process& process, const Measured& measured, const std::string& fit);

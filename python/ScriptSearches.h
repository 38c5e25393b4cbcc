#pragma once
// The searches over trial runs, from a script: process design, the foil test's transfer
// coefficient and the fit to a measured profile. Each answers as its tavcalc command does:
// a refusal raises with the message the command prints (ScriptErrors.h), Ctrl-C raises
// KeyboardInterrupt, and the search runs without the GIL.

#include "DesignCommand.h"
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

// The design `options` ask for on the process's steel, as `tavcalc --design` designs it; options
// in conflict, a refusal and a failure raise with the words the command prints.
Design designFor(const Process& process, const DesignOptions& options);

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

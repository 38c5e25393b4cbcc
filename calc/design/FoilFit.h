#pragma once
// The carbon transfer coefficient from a foil test: a thin foil (or wire) carburized with a
// known programme, then weighed or analysed. The coefficient is the one for which the computed
// mean carbon at the end equals the measurement. The usual formula takes the foil as carburized
// uniformly across its thickness and so reads the coefficient low; it is given for comparison.

#include "ProcessData.h"
#include "RunObserver.h"

#include <string>

struct FoilFitResult {
    enum class Status { Fitted, Refused, Cancelled, Failed };
    Status status = Status::Fitted;
    std::string reason;     // Refused or Failed, for the user
    double beta = 0;        // cm/s
    double uniformBeta = 0; // cm/s, by the uniform-foil formula
    double meanCarbon = 0;  // % C, computed with `beta`
    int trials = 0;         // trial runs the fit needed
    // The measurement lies so close to the potential that the coefficient is poorly determined.
    bool nearSaturation = false;
};

// % C: a foil this close to the potential hardly tells one coefficient from another.
inline constexpr double nearSaturationGap = 0.02;
// What a fit with `nearSaturation` tells the user, in the window and on the command line.
inline constexpr const char* nearSaturationNote =
    "the foil came within 0.02 % C of the potential: a shorter test would determine the "
    "coefficient more sharply";

// `test` is the process data of the test as it was run (a foil or a wire; its transfer
// coefficient is only where the search starts); `measured` the carbon content after it, % C.
// A cancel asked through `progress` stops the fit.
FoilFitResult fitTransferCoefficient(const ProcessRecord& test, double measured,
                                     RunObserver& progress);

// The coefficient (cm/s) by which a section that stays uniform, of `thickness` mm (a foil's
// thickness, a wire's diameter), reaches `measured` % C over the test's programme.
double uniformTransferCoefficient(const ProcessRecord& test, double measured);

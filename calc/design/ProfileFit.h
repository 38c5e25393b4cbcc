#pragma once
// Calibrating the model to a furnace: the transfer coefficient β (and, when asked, one offset
// added to every potential a gas stage uses, the usual error of a carbon probe; boost and
// neutral stages follow no probe) for which
// the computed final profile lies closest to a profile measured on a sample of the same run.
//
// "Closest" is least squares over the measured points, the computed profile taken linear
// between its nodes and equal to the steel's carbon beyond its last node (the grid grows
// wherever carbon arrives). β is fitted on a log scale: the profile depends on it over decades.
// Hardness is compared through the grade's hardness curve; points nearer the surface than where
// the computed carbon falls to the curve's hardest carbon are left out, since retained
// austenite lowers measured hardness there and the curve does not follow it.

#include "MeasuredProfile.h"
#include "ProcessData.h"
#include "RunObserver.h"

#include <cstddef>
#include <optional>
#include <string>

enum class FittedValues { Beta, BetaAndPotential };

inline constexpr double lowestFittedBeta = 1e-7;  // cm/s, fitted alone
inline constexpr double highestFittedBeta = 1e-2; // cm/s
// Fitted with the offset, β keeps to what furnaces have: lower, a smaller β and a higher
// potential trade against each other along a valley that leads out of any physical range.
inline constexpr double lowestFittedBetaWithOffset = 1e-6; // cm/s
constexpr double lowestFittedBetaFor(FittedValues values) {
    return values == FittedValues::Beta ? lowestFittedBeta : lowestFittedBetaWithOffset;
}
inline constexpr double largestPotentialOffset = 0.3; // % C, either way
inline constexpr std::size_t fewestFittedPoints = 3;

// One standard error beyond which the measurement does not determine a fitted value. β is
// fitted as ln β: above 1 its one-standard-error range reaches more than a factor e either way
// of the fitted value, the difference between one furnace and a much faster or slower one.
inline constexpr double undeterminedLogBetaError = 1.0;
// % C: the offset's one-standard-error range is then wider than the whole range the offset is
// sought in, ±largestPotentialOffset.
inline constexpr double undeterminedOffsetError = largestPotentialOffset;
// What a fit with `betaUndetermined` or `offsetUndetermined` tells the user on the command line.
// The profile-fit window says the same in its own words.
inline constexpr const char* undeterminedBetaNote =
    "the measurement hardly depends on the transfer coefficient: its standard error is larger "
    "than the coefficient, so the value is not determined";
inline constexpr const char* undeterminedOffsetNote =
    "the measurement hardly depends on the potential offset: its standard error exceeds 0.3 % C, "
    "so the offset is not determined (it is not the probe's error); fit the transfer coefficient "
    "alone";

struct ProfileFitResult {
    enum class Status { Fitted, Refused, Cancelled, Failed };
    Status status = Status::Fitted;
    std::string reason;           // Refused or Failed, for the user
    ProcessRecord fitted;         // Fitted: the process with the fitted values
    double beta = 0;              // cm/s
    double betaUncertainty = 0;   // cm/s, one standard error
    std::optional<double> offset; // % C, when fitted
    std::optional<double> offsetUncertainty;
    double rmsBefore = 0;         // % C or HV, the process as given, over the used points
    double rmsAfter = 0;          // the same with the fitted values
    std::size_t used = 0;         // points compared
    std::size_t nearSurface = 0;  // hardness points left out near the surface
    std::size_t beyondSample = 0; // points deeper than the middle of the sample
    int trials = 0;               // trial runs
    // Fitted: the value is still the least-squares one, but its standard error says the
    // measurement does not determine it (undeterminedLogBetaError, undeterminedOffsetError).
    bool betaUndetermined = false;
    bool offsetUndetermined = false;
    // Fitted with the offset: the profile fixes the potential but not β, the surface following
    // the atmosphere at every β from this one (cm/s) up; `beta` is then the highest fitted β,
    // where the sum of squares is least, and the offset the one that fits there.
    std::optional<double> betaAtLeast;
};

// What a fit with `betaAtLeast` tells the user: "β ≥ …, the potential offset … is set by the
// profile".
std::string betaFloorNote(const ProfileFitResult& fit);

// `process` is the run the sample went through; its β is where the search starts. A cancel
// asked through `progress` stops the fit.
ProfileFitResult fitProfile(const ProcessRecord& process, const MeasuredProfile& measured,
                            FittedValues values, RunObserver& progress);

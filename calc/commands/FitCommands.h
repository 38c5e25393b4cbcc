#pragma once
// The foil test (the transfer coefficient from a foil's mean carbon) and the fit to a measured
// profile as commands, below the command line, the Python module and their windows: their
// options' conflicts and the outcome with its status.

#include "CommandStatus.h"
#include "FoilFit.h"
#include "OptionNames.h"
#include "ProfileFit.h"

#include <optional>
#include <string>

// The foil test's one option: the carbon measured after it, % C.
std::optional<std::string> foilFitConflict(const std::optional<double>& carbon, Spelling spelling);

struct FoilFitOutcome {
    CommandStatus status = CommandStatus::Done;
    FoilFitResult result;
    std::string message() const { return statusMessage(status, result.reason); }
};

FoilFitOutcome runFoilFit(const ProcessRecord& test, double carbon, RunObserver& observer);

// The values `--fit` names: "beta" (the default) or "beta,potential"; a word naming neither
// gives the words that refuse it.
struct FittedChoice {
    std::optional<FittedValues> values;
    std::string problem;
};
FittedChoice fittedChoice(const std::optional<std::string>& fit, Spelling spelling);

struct ProfileFitOutcome {
    CommandStatus status = CommandStatus::Done;
    ProfileFitResult result;
    std::string message() const { return statusMessage(status, result.reason); }
};

ProfileFitOutcome runProfileFit(const ProcessRecord& process, const MeasuredProfile& measured,
                                FittedValues values, RunObserver& observer);

// The status of a fit's status, one for the foil test and the profile fit.
template <typename Status> CommandStatus fitStatus(Status status) {
    switch (status) {
    case Status::Fitted:
        return CommandStatus::Done;
    case Status::Refused:
        return CommandStatus::Refused;
    case Status::Cancelled:
        return CommandStatus::FitCancelled;
    case Status::Failed:
        break;
    }
    return CommandStatus::FitFailed;
}

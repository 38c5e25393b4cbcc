#include "FitCommands.h"

std::optional<std::string> foilFitConflict(const std::optional<double>& carbon, Spelling spelling) {
    if (!carbon)
        return spelledWords("{carbon} is required", spelling);
    return std::nullopt;
}

FoilFitOutcome runFoilFit(const ProcessRecord& test, double carbon, RunObserver& observer) {
    FoilFitOutcome outcome;
    outcome.result = fitTransferCoefficient(test, carbon, observer);
    outcome.status = fitStatus(outcome.result.status);
    return outcome;
}

FittedChoice fittedChoice(const std::optional<std::string>& fit, Spelling spelling) {
    if (!fit || *fit == "beta")
        return {FittedValues::Beta, {}};
    if (*fit == "beta,potential")
        return {FittedValues::BetaAndPotential, {}};
    return {std::nullopt, spelledOption("fit", spelling) + " \"" + *fit +
                              "\": must be \"beta\" or \"beta,potential\""};
}

ProfileFitOutcome runProfileFit(const ProcessRecord& process, const MeasuredProfile& measured,
                                FittedValues values, RunObserver& observer) {
    ProfileFitOutcome outcome;
    outcome.result = fitProfile(process, measured, values, observer);
    outcome.status = fitStatus(outcome.result.status);
    return outcome;
}

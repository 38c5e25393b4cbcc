#include "FoilFit.h"

#include "Computation.h"
#include "KindTraits.h"
#include "ProcessCheck.h"
#include "RootFinding.h"
#include "TrialSupport.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

// cm/s: far beyond any furnace; the surface is then held at the potential (the diffusion inside
// a test foil is the slower path by two orders of magnitude).
constexpr double unboundedBeta = 1e-2;
constexpr double smallestBeta = 1e-9;
constexpr double defaultBeta = 2e-5;

// Mean carbon at the end of a uniform section with surface rate k = β / (volume per surface):
// dC/dt = k·(P(t) − C), exact over each stage with its linear potential.
double uniformMean(const TDane& data, double k) {
    double carbon = data.steelCarbon;
    for (std::size_t row = 1; row < data.times.size(); ++row) {
        const double span = data.times[row] - data.times[row - 1];
        const double p0 = data.potentials[row - 1];
        const double slope = (data.potentials[row] - p0) / span;
        carbon = p0 + slope * span - slope / k + (carbon - p0 + slope / k) * std::exp(-k * span);
    }
    return carbon;
}

} // namespace

double uniformTransferCoefficient(const ProcessRecord& test, double measured) {
    const double depth = test.thickness * 0.1 * kindTraits(test.shape).volumePerSurface; // cm
    const TDane& data = test.data;
    auto excess = [&](double logRate) -> std::optional<double> {
        return uniformMean(data, std::exp(logRate)) - measured;
    };
    const double low = std::log(1e-12), high = std::log(1e3);
    const Root root = solveBracketed(excess, {low, *excess(low), high, *excess(high)}, 1e-10, 0);
    // A figure for comparison only: the nearest point found serves even unconverged.
    return std::exp(root.x) * depth;
}

FoilFitResult fitTransferCoefficient(const ProcessRecord& test, double measured,
                                     RunObserver& progress) {
    const SampleShape shape = test.shape;
    FoilFitResult result;
    auto refuse = [&](std::string reason) {
        result.status = FoilFitResult::Status::Refused;
        result.reason = std::move(reason);
        return result;
    };
    if (!kindTraits(shape).foilTest)
        return refuse("sample shape " + std::string(shapeName(shape)) +
                      ": the foil test needs a foil or a wire");
    TDane data = test.data;
    // The coefficient is what the fit finds: the file's is only where the search starts.
    if (!(data.transferCoefficient > 0))
        data.transferCoefficient = defaultBeta;
    if (auto problem = checkProcessValues(data, shape, test.thickness))
        return refuse(problem->field + " " + problem->rule);
    const double ck = data.steelCarbon;
    if (!(measured > ck))
        return refuse("measured carbon " + numberText(measured) + " % C: at or below the steel's " +
                      numberText(ck) + " % C, so the test shows no carbon taken up");
    const double highest = *std::max_element(data.potentials.begin(), data.potentials.end());
    const std::string unbounded = "measured carbon " + numberText(measured) +
                                  " % C: above what an unbounded transfer coefficient gives";
    if (measured >= highest)
        return refuse(unbounded + " (no foil takes up more than the potential, " +
                      numberText(highest) + " % C)");

    TrialObserver trialObserver(progress);
    double lastMean = 0;
    std::vector<std::pair<double, double>> means; // log β, computed mean carbon
    // Computed minus measured mean carbon for the coefficient e^x cm/s.
    auto excess = [&](double logBeta) -> std::optional<double> {
        ProcessRecord trial = test;
        trial.data.transferCoefficient = std::exp(logBeta);
        ++result.trials;
        progress.setProgress(std::min(99, result.trials * 100 / 12));
        const TrialResult run = runTrial(asWritten(trial), 0.35, trialObserver);
        if (run.outcome.status != RunStatus::Finished) {
            result.status = run.outcome.status == RunStatus::Cancelled
                                ? FoilFitResult::Status::Cancelled
                                : FoilFitResult::Status::Failed;
            result.reason = run.outcome.error;
            return std::nullopt;
        }
        lastMean = ck + run.meanIncrease;
        means.emplace_back(logBeta, lastMean);
        return lastMean - measured;
    };

    // From where the file's coefficient lies, by factors of four, within the furnace's range.
    const double factor = std::log(4.0);
    auto next = [&](double x, double fx) -> std::optional<double> {
        const double to = fx < 0 ? std::min(x + factor, std::log(unboundedBeta))
                                 : std::max(x - factor, std::log(smallestBeta));
        return to == x ? std::nullopt : std::optional<double>(to);
    };
    const double start =
        std::log(test.data.transferCoefficient > 0 ? test.data.transferCoefficient : defaultBeta);
    const Root root = findRoot(excess, start, next, 1e-4, 1e-4 * (measured - ck));
    switch (root.problem) {
    case Root::Problem::None:
        break;
    case Root::Problem::Stopped:
        return result;
    case Root::Problem::NoBracket:
        return refuse(root.f < 0 ? unbounded + " (" + carbonText(lastMean) + ")"
                                 : "measured carbon " + numberText(measured) +
                                       " % C: below what any transfer coefficient gives");
    case Root::Problem::NoConvergence:
        result.status = FoilFitResult::Status::Failed;
        result.reason = "the transfer coefficient was not found within " +
                        std::to_string(result.trials) + " trial runs";
        return result;
    }
    result.beta = std::exp(root.x);
    result.uniformBeta = uniformTransferCoefficient(test, measured);
    result.nearSaturation = highest - measured < nearSaturationGap;
    for (const auto& [logBeta, mean] : means)
        if (logBeta == root.x)
            result.meanCarbon = mean;
    progress.setProgress(100);
    return result;
}

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

namespace {

std::string aboveUnbounded(double measured) {
    return "measured carbon " + numberText(measured) +
           " % C: above what an unbounded transfer coefficient gives";
}

// Why the test cannot be fitted at all, before any trial run.
std::optional<std::string> foilTestRefusal(const ProcessRecord& test, double measured) {
    if (!kindTraits(test.shape).foilTest)
        return "sample shape " + std::string(shapeName(test.shape)) +
               ": the foil test needs a foil or a wire";
    TDane data = test.data;
    // The coefficient is what the fit finds: the file's is only where the search starts.
    if (!(data.transferCoefficient > 0))
        data.transferCoefficient = defaultBeta;
    if (auto problem = checkProcessValues(data, test.shape, test.thickness))
        return problem->field + " " + problem->rule;
    const double ck = data.steelCarbon;
    if (!(measured > ck))
        return "measured carbon " + numberText(measured) + " % C: at or below the steel's " +
               numberText(ck) + " % C, so the test shows no carbon taken up";
    const double highest = *std::max_element(data.potentials.begin(), data.potentials.end());
    if (measured >= highest)
        return aboveUnbounded(measured) + " (no foil takes up more than the potential, " +
               numberText(highest) + " % C)";
    return std::nullopt;
}

// The trial runs of the search: computed minus measured mean carbon for the coefficient
// e^x cm/s, each mean kept to report the one found.
class FoilTrials {
public:
    FoilTrials(const ProcessRecord& test, double measured, RunObserver& progress,
               FoilFitResult& result)
        : test_(test), measured_(measured), progress_(progress), observer_(progress),
          result_(result) {}

    std::optional<double> excess(double logBeta) {
        ProcessRecord trial = test_;
        trial.data.transferCoefficient = std::exp(logBeta);
        ++result_.trials;
        progress_.setProgress(std::min(99, result_.trials * 100 / 12));
        const TrialResult run = runTrial(asWritten(trial), 0.35, observer_);
        if (run.outcome.status != RunStatus::Finished) {
            result_.status = run.outcome.status == RunStatus::Cancelled
                                 ? FoilFitResult::Status::Cancelled
                                 : FoilFitResult::Status::Failed;
            result_.reason = run.outcome.error;
            return std::nullopt;
        }
        lastMean_ = test_.data.steelCarbon + run.meanIncrease;
        means_.emplace_back(logBeta, lastMean_);
        return lastMean_ - measured_;
    }

    double lastMean() const { return lastMean_; }

    double meanAt(double logBeta) const {
        for (const auto& [x, mean] : means_)
            if (x == logBeta)
                return mean;
        return 0;
    }

private:
    const ProcessRecord& test_;
    double measured_;
    RunObserver& progress_;
    TrialObserver observer_;
    FoilFitResult& result_;
    double lastMean_ = 0;
    std::vector<std::pair<double, double>> means_; // log β, computed mean carbon
};

// From where the file's coefficient lies, by factors of four, within the furnace's range.
std::optional<double> nextTrial(double x, double fx) {
    const double factor = std::log(4.0);
    const double to = fx < 0 ? std::min(x + factor, std::log(unboundedBeta))
                             : std::max(x - factor, std::log(smallestBeta));
    return to == x ? std::nullopt : std::optional<double>(to);
}

} // namespace

FoilFitResult fitTransferCoefficient(const ProcessRecord& test, double measured,
                                     RunObserver& progress) {
    FoilFitResult result;
    auto refuse = [&](std::string reason) {
        result.status = FoilFitResult::Status::Refused;
        result.reason = std::move(reason);
        return result;
    };
    if (std::optional<std::string> reason = foilTestRefusal(test, measured))
        return refuse(std::move(*reason));
    FoilTrials trials(test, measured, progress, result);
    const double start =
        std::log(test.data.transferCoefficient > 0 ? test.data.transferCoefficient : defaultBeta);
    const double ck = test.data.steelCarbon;
    const Root root = findRoot([&](double x) { return trials.excess(x); }, start, nextTrial, 1e-4,
                               1e-4 * (measured - ck));
    switch (root.problem) {
    case Root::Problem::None:
        break;
    case Root::Problem::Stopped:
        return result;
    case Root::Problem::NoBracket:
        return refuse(root.f < 0
                          ? aboveUnbounded(measured) + " (" + carbonText(trials.lastMean()) + ")"
                          : "measured carbon " + numberText(measured) +
                                " % C: below what any transfer coefficient gives");
    case Root::Problem::NoConvergence:
        result.status = FoilFitResult::Status::Failed;
        result.reason = "the transfer coefficient was not found within " +
                        std::to_string(result.trials) + " trial runs";
        return result;
    }
    const double highest =
        *std::max_element(test.data.potentials.begin(), test.data.potentials.end());
    result.beta = std::exp(root.x);
    result.uniformBeta = uniformTransferCoefficient(test, measured);
    result.nearSaturation = highest - measured < nearSaturationGap;
    result.meanCarbon = trials.meanAt(root.x);
    progress.setProgress(100);
    return result;
}

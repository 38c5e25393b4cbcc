#include "ProfileFit.h"

#include "Computation.h"
#include "KindTraits.h"
#include "LeastSquares.h"
#include "ProcessCheck.h"
#include "ProfileMeasures.h"
#include "SteelGrades.h"
#include "TrialSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

namespace {

// Finite-difference steps: well above the ripple that time stepping and grid growth put on the
// computed profile, well below the scale on which it bends.
constexpr double logBetaStep = 0.01; // 1 % of β
constexpr double offsetStep = 0.002; // % C
// Rounds of the fit: the hardness points left out depend on the fitted profile.
constexpr int maxRounds = 3;
constexpr int expectedTrials = 30;

using Points = std::vector<std::size_t>; // indices of measured points

// What the measured profile is compared with in one fit.
class Comparison {
public:
    Comparison(const ProcessRecord& process, const MeasuredProfile& measured)
        : measured_(measured), steelCarbon_(process.data.steelCarbon),
          grade_(steelGrade(
              std::vector<double>(process.data.alloy.begin(), process.data.alloy.end()))) {
        if (kindTraits(process.shape).size != SampleSize::None)
            middle_ = process.thickness / 2;
    }

    // The measured quantity of the trial's final profile at measured point i.
    double computed(const TrialResult& run, std::size_t i) const {
        const double carbon = carbonAt(run, measured_.depth[i]);
        return hardness() ? ::hardness(grade_, carbon) : carbon;
    }

    // The points compared with the trial's final profile; counts those left out.
    Points used(const TrialResult& run, std::size_t& nearSurface, std::size_t& beyondSample) const {
        Points points;
        nearSurface = beyondSample = 0;
        const double hardest = hardestCarbon(grade_);
        for (std::size_t i = 0; i < measured_.depth.size(); ++i) {
            if (measured_.depth[i] > middle_)
                ++beyondSample;
            else if (hardness() && carbonAt(run, measured_.depth[i]) > hardest)
                ++nearSurface;
            else
                points.push_back(i);
        }
        return points;
    }

    std::vector<double> residuals(const TrialResult& run, const Points& points) const {
        std::vector<double> r;
        for (std::size_t i : points)
            r.push_back(measured_.value[i] - computed(run, i));
        return r;
    }

private:
    bool hardness() const { return measured_.quantity == MeasuredQuantity::Hardness; }

    double carbonAt(const TrialResult& run, double depth) const {
        return profileValueAt(run.depth, run.carbon, depth).value_or(steelCarbon_);
    }

    const MeasuredProfile& measured_;
    double steelCarbon_;
    std::string_view grade_;
    double middle_ = std::numeric_limits<double>::infinity(); // mm
};

double rms(const std::vector<double>& r) {
    double sum = 0;
    for (double value : r)
        sum += value * value;
    return std::sqrt(sum / static_cast<double>(r.size()));
}

ProcessRecord withValues(const ProcessRecord& process, const std::vector<double>& x) {
    ProcessRecord trial = process;
    trial.data.transferCoefficient = std::exp(x[0]);
    // A probe's error is in the atmosphere's potential, which only the stages it is offered to
    // follow.
    if (x.size() > 1)
        for (std::size_t row = 0; row < trial.data.potentials.size(); ++row)
            if (potentialOffered(trial.data, row))
                trial.data.potentials[row] += x[1];
    return trial;
}

// The fitted parameters: log β, and the potential offset, kept where the potentials stay
// inside the range the computation serves.
std::vector<FittedParameter> parametersOf(const ProcessRecord& process, FittedValues values,
                                          std::vector<double> start) {
    std::vector<FittedParameter> parameters{{start[0], std::log(lowestFittedBetaFor(values)),
                                             std::log(highestFittedBeta), logBetaStep}};
    if (values == FittedValues::BetaAndPotential) {
        double lowest = maxCarbon, highest = 0;
        for (std::size_t row = 0; row < process.data.potentials.size(); ++row)
            if (potentialOffered(process.data, row)) {
                lowest = std::min(lowest, process.data.potentials[row]);
                highest = std::max(highest, process.data.potentials[row]);
            }
        parameters.push_back(
            {start.size() > 1 ? start[1] : 0.0, std::max(-largestPotentialOffset, -lowest),
             std::min(largestPotentialOffset, maxCarbon - 0.01 - highest), offsetStep});
    }
    return parameters;
}

class ProfileFitter {
public:
    ProfileFitter(const ProcessRecord& process, const MeasuredProfile& measured,
                  FittedValues values, RunObserver& progress)
        : process_(process), measured_(measured), comparison_(process, measured), values_(values),
          progress_(progress), trialObserver_(progress) {}

    ProfileFitResult run();

private:
    // Why the process or the measurement cannot be fitted at all.
    std::optional<std::string> inputRefusal() const;
    std::string tooFewPoints(std::size_t used) const;
    // One least-squares fit over `points`, from and into `x`; the result when it ends the fit.
    std::optional<ProfileFitResult> fitPoints(const Points& points, const TrialResult& given,
                                              std::vector<double>& x);
    std::optional<TrialResult> trial(const std::vector<double>& x) {
        ++result_.trials;
        progress_.setProgress(std::min(99, result_.trials * 100 / expectedTrials));
        TrialResult run = runTrial(withValues(process_, x), 0.35, trialObserver_);
        if (run.outcome.status == RunStatus::Finished)
            return run;
        result_.status = run.outcome.status == RunStatus::Cancelled
                             ? ProfileFitResult::Status::Cancelled
                             : ProfileFitResult::Status::Failed;
        result_.reason = run.outcome.error;
        return std::nullopt;
    }

    ProfileFitResult refused(std::string reason) {
        result_.status = ProfileFitResult::Status::Refused;
        result_.reason = std::move(reason);
        return result_;
    }

    // The smallest β at which, with the offset the fit found, the sum of squares stays within
    // one standard error of its least value; none when a trial failed.
    std::optional<double> betaFloor(const ResidualFunction& residuals, const LeastSquaresFit& fit,
                                    std::size_t points);

    // One standard error of each value the fit found at its minimum.
    void recordUncertainties(const LeastSquaresFit& fit) {
        result_.betaUncertainty = result_.beta * fit.uncertainty[0];
        result_.betaUndetermined = fit.uncertainty[0] > undeterminedLogBetaError;
        if (fit.x.size() > 1) {
            result_.offset = fit.x[1];
            result_.offsetUncertainty = fit.uncertainty[1];
            result_.offsetUndetermined = fit.uncertainty[1] > undeterminedOffsetError;
        }
    }

    // Why the fit ended without a minimum; empty when it found one.
    std::optional<ProfileFitResult> failure(const LeastSquaresFit& fit,
                                            const std::vector<FittedParameter>& parameters);

    const ProcessRecord& process_;
    const MeasuredProfile& measured_;
    Comparison comparison_;
    FittedValues values_;
    RunObserver& progress_;
    TrialObserver trialObserver_;
    ProfileFitResult result_;
};

std::optional<ProfileFitResult>
ProfileFitter::failure(const LeastSquaresFit& fit, const std::vector<FittedParameter>& parameters) {
    switch (fit.problem) {
    case LeastSquaresFit::Problem::None:
        return std::nullopt;
    case LeastSquaresFit::Problem::Stopped:
        // A trial that finished stops the fit only with a residual that is not finite.
        if (result_.status == ProfileFitResult::Status::Fitted) {
            result_.status = ProfileFitResult::Status::Failed;
            result_.reason = "a trial run gave a carbon or hardness that is not finite";
        }
        return result_;
    case LeastSquaresFit::Problem::AtBound: {
        const FittedParameter& bound = parameters[fit.boundParameter];
        const bool low = !fit.highBound;
        if (fit.boundParameter == 0)
            return refused("the best transfer coefficient lies " +
                           std::string(low ? "below " : "above ") +
                           numberText(std::exp(low ? bound.low : bound.high)) +
                           " cm/s: the measurement does not fit this process");
        return refused("the best potential offset lies beyond " +
                       numberText(low ? bound.low : bound.high) +
                       " % C: the measurement does not fit this process");
    }
    case LeastSquaresFit::Problem::Undetermined:
        return refused("the measured points do not change with the fitted values: they lie "
                       "beyond the case");
    case LeastSquaresFit::Problem::NoConvergence:
        result_.status = ProfileFitResult::Status::Failed;
        result_.reason =
            "the fit did not settle within " + std::to_string(result_.trials) + " trial runs";
        return result_;
    }
    return result_;
}

// Where the surface follows the atmosphere at every β above some value, the sum of squares
// falls ever more slowly towards the upper bound and the profile tells only that value: the
// valley is flat. The increase that marks its edge is s², the sum of squares per degree of
// freedom (at least a hundredth of a thousandth of the unit squared per point, for a profile the
// model itself computed); bisection on ln β, to a hundredth of a decade.
std::optional<double> ProfileFitter::betaFloor(const ResidualFunction& residuals,
                                               const LeastSquaresFit& fit, std::size_t points) {
    constexpr double floorVariance = 1e-8;
    const double freedom = static_cast<double>(points - fit.x.size());
    const double edge = fit.sumOfSquares + std::max(fit.sumOfSquares / freedom,
                                                    floorVariance * static_cast<double>(points));
    const auto beyondEdge = [&](double logBeta) -> std::optional<bool> {
        const std::optional<std::vector<double>> r = residuals({logBeta, fit.x[1]});
        if (!r)
            return std::nullopt;
        double sum = 0;
        for (double value : *r)
            sum += value * value;
        return sum > edge;
    };
    double low = std::log(lowestFittedBetaWithOffset);
    double high = fit.x[0];
    const std::optional<bool> lowestOutside = beyondEdge(low);
    if (!lowestOutside)
        return std::nullopt;
    if (!*lowestOutside)
        return lowestFittedBetaWithOffset;
    while (high - low > 0.01 * std::log(10.0)) {
        const double middle = (low + high) / 2;
        const std::optional<bool> outside = beyondEdge(middle);
        if (!outside)
            return std::nullopt;
        (*outside ? low : high) = middle;
    }
    return std::exp(high);
}

std::optional<std::string> ProfileFitter::inputRefusal() const {
    if (auto problem = checkProcessValues(process_.data, process_.shape, process_.thickness))
        return problem->field + " " + problem->rule;
    const std::span<const ResultFile> files = kindTraits(process_.shape).resultFiles;
    if (measured_.quantity == MeasuredQuantity::Hardness &&
        std::find(files.begin(), files.end(), ResultFile::Hardness) == files.end())
        return "a " + std::string(kindTraits(process_.shape).englishName) +
               " has no hardness profile to compare the measured hardness with";
    bool anyGas = false;
    for (std::size_t row = 0; row < process_.data.potentials.size(); ++row)
        anyGas = anyGas || potentialOffered(process_.data, row);
    if (values_ == FittedValues::BetaAndPotential && !anyGas)
        return "the programme has no gas stage whose potential an offset could correct";
    return std::nullopt;
}

std::string ProfileFitter::tooFewPoints(std::size_t used) const {
    return std::to_string(used) + " of " + std::to_string(measured_.depth.size()) +
           " points can be compared (" + std::to_string(result_.nearSurface) +
           " nearer the surface than the hardest carbon, " + std::to_string(result_.beyondSample) +
           " beyond the middle of the sample): the fit needs at least " +
           std::to_string(fewestFittedPoints);
}

std::optional<ProfileFitResult>
ProfileFitter::fitPoints(const Points& points, const TrialResult& given, std::vector<double>& x) {
    const std::vector<FittedParameter> parameters = parametersOf(process_, values_, x);
    auto residuals = [&](const std::vector<double>& at) -> std::optional<std::vector<double>> {
        const std::optional<TrialResult> run = trial(at);
        if (!run)
            return std::nullopt;
        return comparison_.residuals(*run, points);
    };
    const LeastSquaresFit fit = fitLeastSquares(residuals, parameters);
    const bool flatValley = fit.problem == LeastSquaresFit::Problem::AtBound &&
                            fit.boundParameter == 0 && fit.highBound && fit.x.size() > 1;
    if (!flatValley)
        if (std::optional<ProfileFitResult> failed = failure(fit, parameters))
            return failed;
    x = fit.x;
    result_.beta = std::exp(x[0]);
    if (flatValley) {
        result_.betaAtLeast = betaFloor(residuals, fit, points.size());
        if (!result_.betaAtLeast)
            return result_;
        result_.offset = x[1];
    } else {
        recordUncertainties(fit);
    }
    result_.used = points.size();
    result_.rmsBefore = rms(comparison_.residuals(given, points));
    result_.rmsAfter = std::sqrt(fit.sumOfSquares / static_cast<double>(points.size()));
    return std::nullopt;
}

ProfileFitResult ProfileFitter::run() {
    if (std::optional<std::string> reason = inputRefusal())
        return refused(std::move(*reason));
    std::vector<double> x{std::clamp(std::log(process_.data.transferCoefficient),
                                     std::log(lowestFittedBetaFor(values_)),
                                     std::log(highestFittedBeta))};
    const std::optional<TrialResult> given = trial(x);
    if (!given)
        return result_;
    // A hardness profile's points depend on the fitted run (where its hardest carbon lies): the
    // fit is repeated until the points it compares stay the same.
    std::optional<TrialResult> reference = given;
    for (int round = 0; round < maxRounds; ++round) {
        const Points points =
            comparison_.used(*reference, result_.nearSurface, result_.beyondSample);
        if (points.size() < fewestFittedPoints)
            return refused(tooFewPoints(points.size()));
        if (std::optional<ProfileFitResult> ended = fitPoints(points, *given, x))
            return *ended;
        if (measured_.quantity == MeasuredQuantity::Carbon)
            break;
        reference = trial(x);
        if (!reference)
            return result_;
        std::size_t nearSurface = 0, beyondSample = 0;
        if (comparison_.used(*reference, nearSurface, beyondSample) == points)
            break;
    }
    result_.fitted = withValues(process_, x);
    progress_.setProgress(100);
    return result_;
}

} // namespace

std::string betaFloorNote(const ProfileFitResult& fit) {
    if (!fit.betaAtLeast || !fit.offset)
        return {};
    char note[160];
    std::snprintf(note, sizeof note,
                  "β ≥ %.2g cm/s, the potential offset %+.3f %% C is set by the profile: the "
                  "surface follows the atmosphere at every such β",
                  *fit.betaAtLeast, *fit.offset);
    return note;
}

ProfileFitResult fitProfile(const ProcessRecord& process, const MeasuredProfile& measured,
                            FittedValues values, RunObserver& progress) {
    return ProfileFitter(process, measured, values, progress).run();
}

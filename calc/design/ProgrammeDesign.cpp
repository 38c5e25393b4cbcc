#include "ProgrammeDesign.h"

#include "CaseHardness.h"
#include "Computation.h"
#include "DesignChecks.h"
#include "KindTraits.h"
#include "ProcessCheck.h"
#include "ProfileMeasures.h"
#include "RootFinding.h"
#include "RunHardness.h"
#include "Saturation.h"
#include "TrialSupport.h"

#include <algorithm>
#include <cmath>

namespace {

// Stage lengths, h.
struct Lengths {
    double boost = 0;
    double diffuse = 0; // 0 for a one-stage programme
};

// A trial programme and what it gave.
struct Evaluation {
    Lengths lengths;
    TrialResult result;
    double caseDepth; // mm, in the measure of the depth target
    double depth() const { return caseDepth; }
    double surface() const { return result.surfaceCarbon; }
};

// mm: the case-hardening depth of a trial's final hardness; 0 while the case is softer than the
// limit, the whole case while it is harder.
double caseHardeningDepth(const TrialResult& result, double limit) {
    const CaseHardness& hardness = *result.outcome.finalHardness;
    const std::vector<double> depth = hardness.depthMm();
    if (const std::optional<double> chd = hardnessCaseDepth(depth, hardness.hv, limit))
        return *chd;
    const bool reached = std::any_of(hardness.hv.begin(), hardness.hv.end(),
                                     [limit](double hv) { return hv >= limit; });
    return reached ? depth.back() : 0;
}

double square(double x) {
    return x * x;
}

class ProgrammeSearch {
public:
    ProgrammeSearch(const DesignRequest& request, RunObserver& progress)
        : request_(request), progress_(progress), trialObserver_(progress) {}

    DesignResult run();

private:
    bool twoStage() const { return request_.surface.has_value(); }
    double diffusePotential() const { return request_.diffuse.value_or(*request_.surface); }
    // The diffuse potential equals the surface target: the surface only approaches it.
    bool approaching() const { return diffusePotential() >= *request_.surface; }
    double surfaceAim() const {
        return approaching() ? *request_.surface + surfaceTolerance : *request_.surface;
    }
    double step() const { return request_.step; }
    std::string depthName() const {
        return request_.hardnessLimit
                   ? "case-hardening depth at " + numberText(*request_.hardnessLimit) + " HV,"
                   : "case depth";
    }
    // The hardness model the steel's runs use: its grade curves, or its quench's.
    RunHardness hardnessModel() const {
        const ProcessRecord& steel = request_.steel;
        const std::array<double, 5>& alloy = steel.data.alloy;
        return RunHardness(hardeningLines(steel.settings), steel.data.steelCarbon,
                           std::vector<double>(alloy.begin(), alloy.end()), steel.shape,
                           steel.thickness);
    }

    SharedTargets sharedTargets() const {
        return {request_.steel, request_.celsius, request_.depth, request_.hardening, depthName()};
    }
    // What is wrong with the input in itself.
    std::optional<std::string> inputProblem() const;
    // Targets that no programme can meet, found without a trial.
    std::optional<std::string> targetConflict() const;
    // Which target the rounded programme misses, and why.
    std::string shortfall(const Evaluation& chosen, const DesignResult& result) const;
    ProcessRecord programme(Lengths lengths) const;
    std::optional<Evaluation> trial(Lengths lengths);
    // The programme with this boost, and in two stages the diffusion that brings the surface to
    // its aim.
    std::optional<Evaluation> withBoost(double boostHours);
    std::optional<Evaluation> diffusionAfter(double boostHours);
    std::optional<double> boostLength();
    std::optional<Root> walkToDepth(const Evaluation& atShortest, Bracket& hours);
    std::optional<double> solvedBoost(const Bracket& hours);
    void surfaceNotReached(double boostHours, const Evaluation& longest);
    std::optional<Evaluation> rounded(double boostHours);
    std::optional<Evaluation> roundedDiffusion(double boostHours, double diffuseHours);
    bool better(const Evaluation& a, const Evaluation& b) const;

    void stop(DesignResult::Status status, std::string reason) {
        if (stopped_)
            return;
        stopped_ = true;
        status_ = status;
        reason_ = std::move(reason);
    }
    void notConverged(const char* length) {
        stop(DesignResult::Status::Failed, std::string("the ") + length +
                                               " length was not found within " +
                                               std::to_string(trials_) + " trial runs");
    }

    DesignRequest request_;
    RunObserver& progress_;
    TrialObserver trialObserver_;
    int trials_ = 0;
    bool stopped_ = false;
    DesignResult::Status status_ = DesignResult::Status::Designed;
    std::string reason_;
    double diffuseGuess_ = 0; // h, the last diffusion found: where the next search starts
};

std::optional<std::string> ProgrammeSearch::inputProblem() const {
    const DesignRequest& r = request_;
    const double ck = r.steel.data.steelCarbon;
    if (auto shared = sharedInputProblem(sharedTargets()))
        return shared;
    if (!(r.step > 0 && r.step <= 1))
        return "timer step " + numberText(r.step) + " h: must be greater than 0 and at most 1 h";
    if (!(r.boost > ck && r.boost <= maxCarbon))
        return "boost potential " + numberText(r.boost) +
               " % C: must be above the steel's carbon " + numberText(ck) +
               " % C and at most 4.3 % C";
    if (r.hardnessLimit) {
        // The case-hardening depth exists where the hardness falls through the limit: harder
        // than the core just above the steel's carbon, and reached below the boost potential.
        const double limit = *r.hardnessLimit;
        const RunHardness model = hardnessModel();
        constexpr double coreDepth = 1e9; // mm: the centre of any section
        const double core = model.at(coreDepth, ck + 0.01);
        const double hardest = model.hardestUpTo(r.boost);
        if (!(limit > core && limit <= hardest))
            return "hardness limit " + numberText(limit) + " HV: must lie above the core's " +
                   decimalText(core, 0) + " HV and at most " + decimalText(hardest, 0) +
                   " HV, the hardest the steel's case becomes at the boost potential";
    } else if (!(r.level > ck && r.level < r.boost)) {
        return "case depth level " + numberText(r.level) +
               " % C: must lie between the steel's carbon " + numberText(ck) +
               " % C and the boost potential " + numberText(r.boost) + " % C";
    }
    if (r.surface) {
        const double diffuse = diffusePotential();
        if (!(diffuse >= 0 && diffuse <= maxCarbon))
            return "diffuse potential " + numberText(diffuse) + " % C: must be from 0 to 4.3 % C";
    }
    const ProcessRecord provisional = programme({1, 1});
    if (auto problem =
            checkProcessValues(provisional.data, provisional.shape, provisional.thickness))
        return problem->field + " " + problem->rule;
    return std::nullopt;
}

std::optional<std::string> ProgrammeSearch::targetConflict() const {
    const DesignRequest& r = request_;
    if (auto beyond = depthBeyondSample(sharedTargets()))
        return beyond;
    if (r.surface) {
        const double surface = *r.surface;
        const double diffuse = diffusePotential();
        if (surface >= r.boost)
            return "surface target " + numberText(surface) +
                   " % C: at or above the boost potential " + numberText(r.boost) +
                   " % C, so no diffusion could bring the surface down to it";
        if (surface < diffuse)
            return "surface target " + numberText(surface) + " % C: below the diffuse potential " +
                   numberText(diffuse) + " % C, which the surface never falls under";
        if (!r.hardnessLimit && surface <= r.level)
            return "surface target " + numberText(surface) +
                   " % C: not above the case depth level " + numberText(r.level) +
                   " % C, so the case would vanish";
    }
    return std::nullopt;
}

ProcessRecord ProgrammeSearch::programme(Lengths lengths) const {
    ProcessRecord process = request_.steel;
    TDane& data = process.data;
    data.times.clear();
    data.temperatures.clear();
    data.potentials.clear();
    data.conditions.clear(); // a designed programme is one of gas stages
    auto add = [&](double time, double celsius, double potential) {
        data.times.push_back(time);
        data.temperatures.push_back(celsius);
        data.potentials.push_back(potential);
    };
    const double t = request_.celsius;
    double time = lengths.boost;
    double last = request_.boost;
    add(0, t, last);
    add(time, t, last);
    if (twoStage()) {
        last = diffusePotential();
        add(time += step(), t, last);
        add(time += lengths.diffuse, t, last);
    }
    if (request_.hardening)
        add(time + request_.hardening->hours, request_.hardening->celsius, last);
    return process;
}

std::optional<Evaluation> ProgrammeSearch::trial(Lengths lengths) {
    if (stopped_)
        return std::nullopt;
    const ProcessRecord process = programme(lengths);
    ++trials_;
    const int expected = twoStage() ? 40 : 10;
    progress_.setProgress(std::min(99, trials_ * 100 / expected));
    Evaluation evaluation{lengths, runTrial(asWritten(process), request_.level, trialObserver_), 0};
    switch (evaluation.result.outcome.status) {
    case RunStatus::Finished:
    case RunStatus::Reached:
        evaluation.caseDepth = request_.hardnessLimit
                                   ? caseHardeningDepth(evaluation.result, *request_.hardnessLimit)
                                   : evaluation.result.caseDepth;
        return evaluation;
    case RunStatus::Cancelled:
        stop(DesignResult::Status::Cancelled, {});
        return std::nullopt;
    case RunStatus::Failed:
        stop(DesignResult::Status::Failed, evaluation.result.outcome.error);
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Evaluation> ProgrammeSearch::withBoost(double boostHours) {
    return twoStage() ? diffusionAfter(boostHours) : trial({boostHours, 0});
}

std::optional<Evaluation> ProgrammeSearch::diffusionAfter(double boostHours) {
    const double aim = surfaceAim();
    std::vector<Evaluation> tried;
    auto surfaceExcess = [&](double diffuseHours) -> std::optional<double> {
        const auto evaluation = trial({boostHours, diffuseHours});
        if (!evaluation)
            return std::nullopt;
        tried.push_back(*evaluation);
        return evaluation->surface() - aim;
    };
    const double shortest = step();
    const double guess =
        diffuseGuess_ > shortest ? diffuseGuess_ : std::max(2 * shortest, boostHours);
    // A guess short of the crossing tries one timer step; a long one grows by threes, within
    // the longest carburizing.
    auto next = [&](double hours, double excess) -> std::optional<double> {
        if (excess <= 0)
            return hours > shortest ? std::optional<double>(shortest) : std::nullopt;
        if (boostHours + hours >= maxCarburizingHours)
            return std::nullopt;
        return std::min(hours * 3, maxCarburizingHours - boostHours);
    };
    const Root root = findRoot(surfaceExcess, guess, next, 0.2 * step(), 0.001);
    switch (root.problem) {
    case Root::Problem::None:
        break;
    case Root::Problem::Stopped:
        return std::nullopt;
    case Root::Problem::NoBracket:
        if (root.f <= 0)
            return tried.back(); // the boost never lifted the surface above its aim
        surfaceNotReached(boostHours, tried.back());
        return std::nullopt;
    case Root::Problem::NoConvergence:
        notConverged("diffusion");
        return std::nullopt;
    }
    diffuseGuess_ = root.x;
    for (const Evaluation& evaluation : tried)
        if (evaluation.lengths.diffuse == root.x)
            return evaluation;
    return tried.back();
}

// After the shortest boost, the diffusion alone is too slow for the surface; after a longer one,
// the depth search asked for more boost than the time left lets the surface come down from.
void ProgrammeSearch::surfaceNotReached(double boostHours, const Evaluation& longest) {
    stop(DesignResult::Status::Unreachable,
         boostHours <= step()
             ? "surface target " + numberText(*request_.surface) + " % C: not reached within " +
                   numberText(maxCarburizingHours) +
                   " h of carburizing, even after the shortest boost (" +
                   carbonText(longest.surface()) + " at the end)"
             : depthName() + " " + numberText(request_.depth) + " mm: not reached within " +
                   numberText(maxCarburizingHours) +
                   " h of carburizing together with the surface target " +
                   numberText(*request_.surface) + " % C (a boost of " + hoursText(boostHours) +
                   " gives " + millimetres(longest.depth()) + " but leaves the surface at " +
                   carbonText(longest.surface()) + " after " + numberText(maxCarburizingHours) +
                   " h)");
}

// The boost length (continuous) whose programme ends with the case depth on its target.
std::optional<double> ProgrammeSearch::boostLength() {
    const double target = request_.depth;
    const auto atShortest = withBoost(step());
    if (!atShortest)
        return std::nullopt;
    if (atShortest->depth() >= target) {
        stop(DesignResult::Status::Unreachable,
             depthName() + " " + numberText(target) + " mm: " +
                 (request_.hardening ? "the hardening stage alone already gives "
                                     : "one timer step of boost already gives ") +
                 millimetres(atShortest->depth()));
        return std::nullopt;
    }
    Bracket hours{};
    const std::optional<Root> walked = walkToDepth(*atShortest, hours);
    if (!walked)
        return std::nullopt;
    if (walked->f == 0)
        return walked->x;
    return solvedBoost(hours);
}

// Boost lengths (h) from the shortest until the depth crosses its target, bracketed in `hours`.
std::optional<Root> ProgrammeSearch::walkToDepth(const Evaluation& atShortest, Bracket& hours) {
    const double target = request_.depth;
    const double shortest = step();
    // Depth grows about as the root of time: each guess scales the last by that law.
    std::optional<Evaluation> last = atShortest;
    auto depthErrorAt = [&](double boostHours) -> std::optional<double> {
        last = withBoost(boostHours);
        if (!last)
            return std::nullopt;
        return last->depth() - target;
    };
    auto next = [&](double boostHours, double /*error*/) -> std::optional<double> {
        if (boostHours > shortest &&
            (boostHours >= maxCarburizingHours ||
             last->lengths.boost + last->lengths.diffuse >= maxCarburizingHours))
            return std::nullopt;
        const double depth = last->depth();
        const double guess =
            depth > 0 ? boostHours * square(target / depth) * 1.1 : boostHours * 16;
        return std::min(std::max(guess, boostHours * 1.2), maxCarburizingHours);
    };
    const Root walked =
        walkToBracket(depthErrorAt, shortest, atShortest.depth() - target, next, hours);
    switch (walked.problem) {
    case Root::Problem::None:
        return walked;
    case Root::Problem::Stopped:
        return std::nullopt;
    case Root::Problem::NoBracket:
    case Root::Problem::NoConvergence:
        break;
    }
    stop(DesignResult::Status::Unreachable,
         depthName() + " " + numberText(target) + " mm: not reached within " +
             numberText(maxCarburizingHours) + " h of carburizing (" + millimetres(last->depth()) +
             " at the end)");
    return std::nullopt;
}

// Solved over the root of the boost length, along which the depth is nearly straight.
std::optional<double> ProgrammeSearch::solvedBoost(const Bracket& hours) {
    const double target = request_.depth;
    auto depthError = [&](double rootOfHours) -> std::optional<double> {
        const auto evaluation = withBoost(rootOfHours * rootOfHours);
        if (!evaluation)
            return std::nullopt;
        return evaluation->depth() - target;
    };
    const Root root =
        solveBracketed(depthError, {std::sqrt(hours.x0), hours.f0, std::sqrt(hours.x1), hours.f1},
                       0.1 * step() / std::sqrt(hours.x1), 0.002 * target);
    switch (root.problem) {
    case Root::Problem::None:
        return root.x * root.x;
    case Root::Problem::Stopped:
        return std::nullopt;
    case Root::Problem::NoBracket:
    case Root::Problem::NoConvergence:
        break;
    }
    notConverged("boost");
    return std::nullopt;
}

bool ProgrammeSearch::better(const Evaluation& a, const Evaluation& b) const {
    return std::fabs(a.depth() - request_.depth) < std::fabs(b.depth() - request_.depth);
}

// The boost rounded to the timer step, the nearer of the two neighbouring steps by depth.
std::optional<Evaluation> ProgrammeSearch::rounded(double boostHours) {
    const double steps = boostHours / step();
    const double lower = std::max(1.0, std::floor(steps));
    std::optional<Evaluation> best;
    for (double count : {std::round(steps) == lower ? lower : lower + 1,
                         std::round(steps) == lower ? lower + 1 : lower}) {
        const double hours = std::max(1.0, count) * step();
        std::optional<Evaluation> evaluation;
        if (twoStage()) {
            const auto continuous = diffusionAfter(hours);
            if (!continuous)
                return std::nullopt;
            evaluation = roundedDiffusion(hours, continuous->lengths.diffuse);
        } else {
            evaluation = trial({hours, 0});
        }
        if (!evaluation)
            return std::nullopt;
        if (!best || better(*evaluation, *best))
            best = evaluation;
        const double tolerance = std::max(depthTolerance * request_.depth, minDepthTolerance);
        if (std::fabs(best->depth() - request_.depth) <= 0.5 * tolerance)
            break; // the nearer step already meets the target well
    }
    return best;
}

// The diffusion rounded to the timer step: the first step at which the surface is within its
// aim when it only approaches the target, otherwise the nearer step.
std::optional<Evaluation> ProgrammeSearch::roundedDiffusion(double boostHours,
                                                            double diffuseHours) {
    const double aim = surfaceAim();
    auto at = [&](double count) { return trial({boostHours, std::max(1.0, count) * step()}); };
    const double steps = diffuseHours / step();
    if (approaching()) {
        double count = std::max(1.0, std::ceil(steps - 1e-9));
        auto evaluation = at(count);
        while (evaluation && evaluation->surface() > aim &&
               boostHours + count * step() < maxCarburizingHours)
            evaluation = at(++count);
        while (evaluation && count > 1) {
            auto earlier = at(count - 1);
            if (!earlier || earlier->surface() > aim)
                break;
            evaluation = earlier, --count;
        }
        return evaluation;
    }
    const double nearest = std::max(1.0, std::round(steps));
    auto evaluation = at(nearest);
    if (!evaluation || std::fabs(evaluation->surface() - aim) <= 0.5 * surfaceTolerance)
        return evaluation;
    const double other = evaluation->surface() > aim ? nearest + 1 : nearest - 1;
    if (other < 1)
        return evaluation;
    auto neighbour = at(other);
    if (neighbour && std::fabs(neighbour->surface() - aim) < std::fabs(evaluation->surface() - aim))
        return neighbour;
    return evaluation;
}

std::string ProgrammeSearch::shortfall(const Evaluation& chosen, const DesignResult& result) const {
    if (!result.depthMet)
        return depthName() + " " + numberText(request_.depth) + " mm: the timer step of " +
               numberText(step()) + " h is too coarse for it (the nearest programme gives " +
               millimetres(result.depth) + ")";
    if (result.surfaceMet)
        return {};
    const std::string target = "surface target " + numberText(*request_.surface) + " % C: ";
    // With one timer step of diffusion the surface is as high as the depth's boost lets it be.
    const bool shortestDiffusion = chosen.lengths.diffuse <= step() * (1 + 1e-9);
    if (shortestDiffusion && result.surface < *request_.surface) {
        if (request_.hardening)
            return target + "with the hardening stage (" + numberText(request_.hardening->hours) +
                   " h down to " + numberText(request_.hardening->celsius) + " °C at " +
                   numberText(diffusePotential()) + " % C) the surface ends at " +
                   carbonText(result.surface) + ", even after the shortest diffusion of " +
                   numberText(step()) + " h";
        return target + "the boost of " + hoursText(chosen.lengths.boost) + " that gives the " +
               "case depth lifts the surface only to " + carbonText(result.surface);
    }
    return target + "the timer step of " + numberText(step()) +
           " h is too coarse for it (the nearest programme gives " + carbonText(result.surface) +
           ")";
}

DesignResult ProgrammeSearch::run() {
    DesignResult result;
    if (auto problem = inputProblem()) {
        result.status = DesignResult::Status::Refused;
        result.reason = *problem;
        return result;
    }
    if (auto conflict = targetConflict()) {
        result.status = DesignResult::Status::Unreachable;
        result.reason = *conflict;
        return result;
    }
    std::optional<Evaluation> chosen;
    if (const auto boost = boostLength())
        chosen = rounded(*boost);
    result.trials = trials_;
    if (chosen && chosen->lengths.boost + chosen->lengths.diffuse > maxCarburizingHours + 1e-9)
        stop(DesignResult::Status::Unreachable,
             depthName() + " " + numberText(request_.depth) + " mm: not reached within " +
                 numberText(maxCarburizingHours) + " h of carburizing");
    if (stopped_ || !chosen) {
        result.status = stopped_ ? status_ : DesignResult::Status::Failed;
        result.reason = reason_;
        return result;
    }
    result.programme = programme(chosen->lengths);
    result.depth = chosen->depth();
    result.surface = chosen->surface();
    result.depthMet = std::fabs(result.depth - request_.depth) <=
                      std::max(depthTolerance * request_.depth, minDepthTolerance);
    result.surfaceMet =
        !twoStage() ||
        (approaching() ? result.surface <= *request_.surface + surfaceTolerance &&
                             result.surface >= *request_.surface - surfaceTolerance
                       : std::fabs(result.surface - *request_.surface) <= surfaceTolerance);
    result.shortfall = shortfall(*chosen, result);
    result.warnings =
        saturationWarnings(result.programme.data, chosen->result.outcome.surfaceAtRows);
    progress_.setProgress(100);
    return result;
}

} // namespace

std::optional<std::string> designRefusesShape(SampleShape shape) {
    if (!kindTraits(shape).design)
        return std::string("sample shape ") + std::string(shapeName(shape)) +
               ": design is for thick shapes (a semi-infinite sample, a plate or a cylinder); "
               "a foil or wire takes up carbon through its whole section";
    return std::nullopt;
}

DesignResult designProgramme(const DesignRequest& request, RunObserver& progress) {
    ProgrammeSearch search(request, progress);
    DesignResult result = search.run();
    return result;
}

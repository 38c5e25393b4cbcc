#include "LowPressureDesign.h"

#include "Computation.h"
#include "DesignChecks.h"
#include "Gruba.h"
#include "Parametry.h"
#include "ProcessCheck.h"
#include "ResultStreams.h"
#include "RootFinding.h"
#include "Saturation.h"
#include "StopCondition.h"
#include "TrialSupport.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {

using Status = DesignResult::Status;

double ceilStep(double seconds) {
    return std::ceil(seconds / timerStepSeconds - 1e-9) * timerStepSeconds;
}

double roundStep(double seconds) {
    return std::max(timerStepSeconds, std::round(seconds / timerStepSeconds) * timerStepSeconds);
}

// One stage of the programme, as the design builds it.
struct Stage {
    double seconds;
    StageCondition condition; // a boost (the search's own) or a neutral diffusion
};

// % C at `depth` (µm) of the sample's profile, linear between nodes; the steel's beyond them.
double carbonAt(const Gruba& sample, double depth, double steel) {
    const std::vector<double>& c = sample.carbon();
    const std::vector<double>& s = sample.depths();
    for (std::size_t i = 1; i + 1 < c.size(); ++i)
        if (s[i + 1] >= depth)
            return c[i] + (c[i + 1] - c[i]) * (depth - s[i]) / (s[i + 1] - s[i]);
    return steel;
}

// Where a watched stage ended: its length (s) and the case depth (mm) at that instant.
struct Watched {
    double seconds;
    double depth;
};

// Holds once the open stage, which begins at `start` (s), has brought the sample to what
// `reached` asks of it.
template <class Reached> class OpenStageReached : public StopCondition {
public:
    OpenStageReached(double start, Reached reached) : start_(start), reached_(std::move(reached)) {}
    bool holds(const Gruba& sample, double time) override {
        return time > start_ && reached_(sample);
    }

private:
    double start_; // s
    Reached reached_;
};

class LowPressureSearch {
public:
    LowPressureSearch(const LowPressureRequest& request, RunObserver& progress)
        : request_(request), progress_(progress), trialObserver_(progress),
          limit_(request.ceiling.value_or(
              saturationCarbon(request.celsius, request.steel.data.alloy))),
          monitor_(monitorDepthFor(request.depth) * 1000), boost_(heldBoost(request.ceiling)) {}

    LowPressureResult run();

private:
    double steel() const { return request_.steel.data.steelCarbon; }
    // The monitor's bounds lie between the surface target and the limit: a boost may take the
    // monitor halfway up, a diffusion brings it down to a quarter of the way.
    double upperBound() const { return request_.surface + 0.5 * (limit_ - request_.surface); }
    double lowerBound() const { return request_.surface + 0.25 * (limit_ - request_.surface); }

    SharedTargets sharedTargets() const {
        return {request_.steel, request_.celsius, request_.depth, request_.hardening, "case depth"};
    }
    std::optional<std::string> inputProblem() const;
    // The programme of `stages`, then the hardening stage when there is one.
    ProcessRecord programme(const std::vector<Stage>& stages, bool hardening) const;
    // Runs `stages` and then an open stage of `condition` (up to the longest programme) until
    // `reached` holds for the open stage's state: a stop condition of the trial run. None when
    // the search stops (cancelled, or the trial failed, as its outcome says) or when the longest
    // programme ends first: that is the search's end.
    template <class Reached>
    std::optional<Watched> watch(const std::vector<Stage>& stages, const StageCondition& condition,
                                 Reached reached);
    // Where the watched run `kept` of an open stage from `start` (s) stopped; none as for watch.
    std::optional<Watched> watchedEnd(const KeptRun& kept, double start);
    std::optional<TrialResult> trial(const std::vector<Stage>& stages);
    // Whether a trial's outcome stops the search (cancelled or failed), which it then records.
    bool stoppedBy(const RunOutcome& outcome);
    // The final diffusion (s) after `stages` that brings the surface to its target at the
    // programme's end, with the trial that shows it; `longest` bounds it from above.
    // With `toMeet`, the timer steps next to the rounded one are tried too when it misses a
    // target: at a high temperature one step of the final diffusion moves the case depth by
    // more than its tolerance, while the surface allows several.
    std::optional<std::pair<double, TrialResult>>
    finalDiffusion(std::vector<Stage> stages, double longest, bool toMeet = false);
    // The last boost sized for the depth, the final diffusion for the surface; rounded.
    bool sizeLastPulse(const std::vector<Stage>& stages, double longestBoost);
    // The stages before the final diffusion, of the knob being sized, and the final diffusion
    // after them with the trial that shows it.
    struct SizedPulse {
        std::vector<Stage> stages;
        std::optional<std::pair<double, TrialResult>> final;
    };
    using StagesWith = std::function<std::vector<Stage>(double)>;
    // The case depth (mm) beyond the target after `built` and its final diffusion, kept in
    // `sized`.
    std::optional<double> depthError(const std::vector<Stage>& built, SizedPulse& sized);
    bool sizeKnob(const StagesWith& build, double low, double high, SizedPulse& sized);
    // The programme of `sized` when it meets both targets; stopped as unreachable when not.
    bool designed(const SizedPulse& sized);
    bool meets(const TrialResult& result) const;
    void stop(Status status, std::string reason) {
        if (result_.status == Status::Designed) {
            result_.status = status;
            result_.reason = std::move(reason);
        }
    }
    bool stopped() const { return result_.status != Status::Designed; }
    // The search ran out of time: the longest programme does not reach the depth.
    void outOfTime();

    const LowPressureRequest& request_;
    RunObserver& progress_;
    TrialObserver trialObserver_;
    double limit_;         // % C
    double monitor_;       // µm
    StageCondition boost_; // every boost's: held at the limit
    // The pulses of the last trial of a final diffusion and the case depth (mm) it gave.
    std::pair<std::size_t, double> reached_{0, 0.0};
    LowPressureResult result_;
    // The candidates on the timer are being tried, once the root is found (finalDiffusion's
    // toMeet).
    bool onTimer_ = false;
};

std::optional<std::string> LowPressureSearch::inputProblem() const {
    const LowPressureRequest& r = request_;
    if (auto shared = sharedInputProblem(sharedTargets()))
        return shared;
    if (!(r.minBoost >= timerStepSeconds && r.minBoost <= 3600))
        return "shortest boost " + numberText(r.minBoost) + " s: must be from 10 s to 3600 s";
    // The surface target lies between the core and what the boost holds the surface at.
    if (!(r.surface > steel() && r.surface < limit_ - lowPressureSurfaceTolerance))
        return "surface target " + numberText(r.surface) +
               " % C: must lie between the steel's carbon " + numberText(steel()) + " % C and " +
               (r.ceiling ? "the boosts' limit " + carbonText(limit_)
                          : "the saturation limit " + carbonText(limit_) + " at " +
                                numberText(r.celsius) + " °C");
    if (!(r.level > steel() && r.level < r.surface))
        return "case depth level " + numberText(r.level) +
               " % C: must lie between the steel's carbon " + numberText(steel()) +
               " % C and the surface target " + numberText(r.surface) + " % C";
    const ProcessRecord provisional = programme({{60, boost_}, {60, neutralDiffusion}}, true);
    if (auto problem =
            checkProcessValues(provisional.data, provisional.shape, provisional.thickness))
        return problem->field + " " + problem->rule;
    return std::nullopt;
}

ProcessRecord LowPressureSearch::programme(const std::vector<Stage>& stages, bool hardening) const {
    ProcessRecord process = request_.steel;
    TDane& data = process.data;
    data.times.clear();
    data.temperatures.clear();
    data.potentials.clear();
    data.conditions.clear();
    // A boost row shows the limit it holds the surface at, a neutral row the surface target;
    // neither offers a potential to the surface.
    const double limitAsWritten = asWritten(limit_);
    auto row = [&](double seconds, double celsius, double potential,
                   const StageCondition& condition) {
        data.times.push_back(asWritten(seconds / 3600));
        data.temperatures.push_back(asWritten(celsius));
        data.potentials.push_back(potential);
        data.conditions.push_back(condition);
    };
    double elapsed = 0;
    row(0, request_.celsius, limitAsWritten, StageCondition{});
    for (const Stage& stage : stages) {
        elapsed += stage.seconds;
        row(elapsed, request_.celsius,
            stage.condition == boost_ ? limitAsWritten : asWritten(request_.surface),
            stage.condition);
    }
    if (hardening && request_.hardening)
        row(elapsed + request_.hardening->hours * 3600, request_.hardening->celsius,
            asWritten(request_.surface), neutralDiffusion);
    return process;
}

template <class Reached>
std::optional<Watched> LowPressureSearch::watch(const std::vector<Stage>& stages,
                                                const StageCondition& condition, Reached reached) {
    double start = 0;
    for (const Stage& stage : stages)
        start += stage.seconds;
    const double open = maxLowPressureHours * 3600 - start;
    if (!(open > timerStepSeconds))
        return std::nullopt;
    std::vector<Stage> watched = stages;
    watched.push_back({open, condition});
    const Parametry parametry(programme(watched, false), {});
    TrialStreams streams;
    OpenStageReached<Reached> reachedStop(start, std::move(reached));
    ++result_.trials;
    return watchedEnd(runKept(parametry, trialObserver_, streams, reachedStop), start);
}

std::optional<Watched> LowPressureSearch::watchedEnd(const KeptRun& kept, double start) {
    // Finished: the longest programme ended before the open stage reached its end.
    if (stoppedBy(kept.outcome) || kept.outcome.status != RunStatus::Reached)
        return std::nullopt;
    return Watched{*kept.outcome.reachedAt - start, kept.sample->oblGrub(request_.level) * 0.001};
}

std::optional<TrialResult> LowPressureSearch::trial(const std::vector<Stage>& stages) {
    ++result_.trials;
    TrialResult result = runTrial(programme(stages, true), request_.level, trialObserver_);
    if (stoppedBy(result.outcome))
        return std::nullopt;
    return result;
}

bool LowPressureSearch::stoppedBy(const RunOutcome& outcome) {
    switch (outcome.status) {
    case RunStatus::Finished:
    case RunStatus::Reached:
        return false;
    case RunStatus::Cancelled:
        stop(Status::Cancelled, {});
        return true;
    case RunStatus::Failed:
        break;
    }
    stop(Status::Failed, outcome.error);
    return true;
}

std::optional<std::pair<double, TrialResult>>
LowPressureSearch::finalDiffusion(std::vector<Stage> stages, double longest, bool toMeet) {
    stages.push_back({timerStepSeconds, neutralDiffusion});
    std::optional<TrialResult> kept;
    const RootFunction surfaceError = [&](double seconds) -> std::optional<double> {
        stages.back().seconds = seconds;
        kept = trial(stages);
        if (!kept)
            return std::nullopt;
        return kept->surfaceCarbon - request_.surface;
    };
    const std::optional<double> atShortest = surfaceError(timerStepSeconds);
    if (!atShortest)
        return std::nullopt;
    // Already at or below the target after the shortest diffusion: the boost decides.
    if (*atShortest <= 0)
        return std::pair{timerStepSeconds, *kept};
    const std::optional<double> atLongest = surfaceError(longest);
    if (!atLongest)
        return std::nullopt;
    if (*atLongest > 0)
        return std::pair{longest, *kept};
    const Root root =
        solveBracketed(surfaceError, Bracket{timerStepSeconds, *atShortest, longest, *atLongest},
                       1.0, lowPressureSurfaceTolerance / 8);
    if (root.problem == Root::Problem::Stopped)
        return std::nullopt;
    const double seconds = roundStep(root.x);
    if (!surfaceError(seconds))
        return std::nullopt;
    std::pair<double, TrialResult> nearest{seconds, *kept};
    if (!toMeet || meets(nearest.second))
        return nearest;
    for (const double shift : {-1.0, 1.0, -2.0, 2.0}) {
        const double x = seconds + shift * timerStepSeconds;
        if (x < timerStepSeconds || x > longest)
            continue;
        if (!surfaceError(x))
            return std::nullopt;
        if (meets(*kept))
            return std::pair{x, *kept};
    }
    return nearest;
}

bool LowPressureSearch::meets(const TrialResult& result) const {
    const double depthAllowed = std::max(depthTolerance * request_.depth, minDepthTolerance);
    return std::fabs(result.caseDepth - request_.depth) <= depthAllowed &&
           std::fabs(result.surfaceCarbon - request_.surface) <= lowPressureSurfaceTolerance;
}

std::optional<double> LowPressureSearch::depthError(const std::vector<Stage>& built,
                                                    SizedPulse& sized) {
    double used = 0;
    for (const Stage& stage : built)
        used += stage.seconds;
    auto final = finalDiffusion(
        built, std::max(2 * timerStepSeconds, maxLowPressureHours * 3600 - used), onTimer_);
    if (!final)
        return std::nullopt;
    sized = {built, std::move(final)};
    return sized.final->second.caseDepth - request_.depth;
}

// The knob, from `low` to `high`: the root, rounded to the timer, then its neighbours until one
// meets both targets. False when the search stopped.
bool LowPressureSearch::sizeKnob(const StagesWith& build, double low, double high,
                                 SizedPulse& sized) {
    const RootFunction error = [&](double x) { return depthError(build(x), sized); };
    const std::optional<double> atLow = error(low);
    if (!atLow || *atLow >= 0 || !(high > low))
        return atLow.has_value();
    const std::optional<double> atHigh = error(high);
    if (!atHigh || *atHigh <= 0)
        return atHigh.has_value();
    const Root root =
        solveBracketed(error, Bracket{low, *atLow, high, *atHigh}, 1.0, minDepthTolerance / 4);
    if (root.problem == Root::Problem::Stopped)
        return false;
    const double rounded = std::clamp(roundStep(root.x), low, high);
    onTimer_ = true;
    for (const double shift : {0.0, -timerStepSeconds, timerStepSeconds}) {
        const double x = rounded + shift;
        if (x < low || x > high || !error(x))
            continue;
        if (meets(sized.final->second))
            break;
    }
    onTimer_ = false;
    return !stopped();
}

bool LowPressureSearch::sizeLastPulse(const std::vector<Stage>& stages, double longestBoost) {
    // The stages before the final diffusion: `base` and a last boost `boost` long. The case
    // grows with the boost; the final diffusion follows from the surface target.
    const auto after = [this](const std::vector<Stage>& base) {
        return [this, &base](double boost) {
            std::vector<Stage> built = base;
            built.push_back({boost, boost_});
            return built;
        };
    };
    SizedPulse sized;
    bool found = sizeKnob(after(stages), ceilStep(request_.minBoost), longestBoost, sized);
    // Even the shortest boost gives too deep a case: the pulse before is the last one, its boost
    // lengthened into the time of its diffusion and of this pulse's boost.
    if (found && sized.final && sized.final->second.caseDepth > request_.depth &&
        !meets(sized.final->second) && stages.size() >= 2) {
        const std::vector<Stage> base(stages.begin(), stages.end() - 2);
        const double earlier = stages[stages.size() - 2].seconds;
        found =
            sizeKnob(after(base), earlier, earlier + stages.back().seconds + longestBoost, sized);
    }
    return found && sized.final && designed(sized);
}

bool LowPressureSearch::designed(const SizedPulse& sized) {
    const TrialResult& chosen = sized.final->second;
    if (!meets(chosen)) {
        stop(Status::Unreachable, "the targets are not met on the 10 s timer: case depth " +
                                      millimetres(chosen.caseDepth) + " (target " +
                                      numberText(request_.depth) + " mm), surface " +
                                      carbonText(chosen.surfaceCarbon) + " (target " +
                                      numberText(request_.surface) + " % C)");
        return false;
    }
    std::vector<Stage> designed = sized.stages;
    designed.push_back({sized.final->first, neutralDiffusion});
    result_.process = programme(designed, true);
    result_.hours = result_.process.data.times.back();
    for (std::size_t i = 0; i + 1 < designed.size(); i += 2)
        result_.pulses.push_back({designed[i].seconds, designed[i + 1].seconds});
    result_.depth = chosen.caseDepth;
    result_.surface = chosen.surfaceCarbon;
    return true;
}

void LowPressureSearch::outOfTime() {
    const auto [pulses, depth] = reached_;
    std::string reached = "no pulse fits";
    if (pulses > 0)
        reached = "after " + std::to_string(pulses) + (pulses == 1 ? " pulse" : " pulses") +
                  " the final diffusion gives " + millimetres(depth);
    stop(Status::Unreachable, "case depth " + numberText(request_.depth) +
                                  " mm: not reached within " + numberText(maxLowPressureHours) +
                                  " h of boosts and diffusions (" + reached + ")");
}

LowPressureResult LowPressureSearch::run() {
    result_.limit = limit_;
    if (auto problem = inputProblem()) {
        result_.status = Status::Refused;
        result_.reason = *problem;
        return result_;
    }
    if (auto beyond = depthBeyondSample(sharedTargets())) {
        result_.status = Status::Unreachable;
        result_.reason = *beyond;
        return result_;
    }
    const auto monitorAbove = [&](const Gruba& sample) {
        return carbonAt(sample, monitor_, steel()) >= upperBound();
    };
    const auto monitorBelow = [&](const Gruba& sample) {
        return carbonAt(sample, monitor_, steel()) <= lowerBound();
    };
    const auto surfaceAtTarget = [&](const Gruba& sample) {
        return sample.carbon()[1] <= request_.surface;
    };
    const double depthAllowed = std::max(depthTolerance * request_.depth, minDepthTolerance);
    std::vector<Stage> stages;
    // Every pulse takes time, so the longest programme ends the search.
    for (;;) {
        const auto boosted = watch(stages, boost_, monitorAbove);
        if (!boosted)
            break;
        const double boost = std::max(ceilStep(request_.minBoost), ceilStep(boosted->seconds));
        std::vector<Stage> withBoost = stages;
        withBoost.push_back({boost, boost_});
        // The trial of the final diffusion: diffuse until the surface is at its target.
        const auto final = watch(withBoost, neutralDiffusion, surfaceAtTarget);
        if (!final)
            break;
        reached_ = {withBoost.size() / 2 + 1, final->depth};
        progress_.setProgress(std::min(99, static_cast<int>(99 * final->depth / request_.depth)));
        if (final->depth >= request_.depth - depthAllowed) {
            if (sizeLastPulse(stages, boost))
                progress_.setProgress(100);
            else if (!stopped())
                stop(Status::Failed, "the last pulse could not be sized");
            return result_;
        }
        const auto diffused = watch(withBoost, neutralDiffusion, monitorBelow);
        if (!diffused)
            break;
        stages = withBoost;
        stages.push_back({ceilStep(diffused->seconds), neutralDiffusion});
    }
    if (!stopped())
        outOfTime();
    return result_;
}

} // namespace

double monitorDepthFor(double depth) {
    return std::max(monitorDepth, monitorShare * depth);
}

LowPressureResult designLowPressure(const LowPressureRequest& request, RunObserver& progress) {
    LowPressureSearch search(request, progress);
    return search.run();
}

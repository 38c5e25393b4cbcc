#include "Steruj.h"

#include "Drut.h"
#include "Folia.h"
#include "Gruba.h"
#include "Parametry.h"
#include "Plyta.h"
#include "ResultRecorder.h"
#include "ResultStreams.h"
#include "Saturation.h"
#include "Walec.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

std::unique_ptr<Gruba> makeSolver(SampleShape kind, const Parametry& p) {
    switch (kind) {
    case SampleShape::SemiInfinite:
        return std::make_unique<Gruba>(p);
    case SampleShape::Plate:
        return std::make_unique<Plyta>(p);
    case SampleShape::Foil:
        return std::make_unique<Folia>(p);
    case SampleShape::Cylinder:
        return std::make_unique<Walec>(p);
    case SampleShape::Wire:
        return std::make_unique<Drut>(p);
    }
    return nullptr;
}

} // namespace

Steruj::Steruj(const Parametry& p, const std::string& name, ResultStreams& resultStreams)
    : Steruj(p, makeSolver(*p.kind(), p), name, resultStreams) {}

Steruj::Steruj(const Parametry& p, std::unique_ptr<Gruba> sample, const std::string& name,
               ResultStreams& resultStreams)
    : solver(std::move(sample)), recorder(solver->recorder(name, resultStreams)), czas(p.czas),
      temperatura(p.temperatura), potencjal(p.potencjal), warunki(p.warunki),
      stageEnds(p.stageEnds), outputInterval(0.01 * p.czas.back()), fileName(name),
      streams(resultStreams) {
    std::copy_n(p.sklad.begin(), std::min(p.sklad.size(), alloy.size()), alloy.begin());
}

Steruj::~Steruj() = default;

RunOutcome Steruj::run(RunObserver& progress, StopCondition& stop) {
    start();
    while (!ended()) {
        if (!step(progress))
            return fail("the time step is no longer a positive finite number");
        if (streams.failed())
            return fail(streams.problem());
        if (progress.cancelRequested()) {
            streams.closeAll();
            return RunOutcome{RunStatus::Cancelled, {}, surfaceAtRows, {}, {}};
        }
        if (stop.holds(*solver, t))
            return reached();
    }
    return finish();
}

RunOutcome Steruj::reached() {
    RunOutcome outcome = finish();
    if (outcome.status == RunStatus::Finished) {
        outcome.status = RunStatus::Reached;
        outcome.reachedAt = t;
    }
    return outcome;
}

void Steruj::start() {
    t = 0;
    stage = 0;
    furnace.temperatureK = temperatura[0];
    furnace.potentialC = potencjal[0];
    if (!ended())
        setSurfaceCondition();
    solver->oblD(furnace);
    solver->oblKr(furnace);
    nextOutput = outputInterval;
    streams.removeEarlierResults(fileName);
    recorder->open(t);
    surfaceAtRows.assign(1, solver->carbon()[1]);
    carbideAtStageEnds.clear();
    if (!ended()) {
        ramp = rampOf(stage);
        endRow = nextStageEnd();
    }
}

Steruj::StageRamp Steruj::rampOf(std::size_t row) const {
    const double t0 = czas[row];
    const double t1 = czas[row + 1];
    return StageRamp{t0, t1, (temperatura[row + 1] - temperatura[row]) / (t1 - t0),
                     (potencjal[row + 1] - potencjal[row]) / (t1 - t0)};
}

bool Steruj::step(RunObserver& progress) {
    if (ended() || !advance())
        return false;
    solver->obl(furnace);
    solver->settleCarbides(furnace);
    if (++j > 10)
        j = recorder->checkSurface(t);
    if (++k > 20)
        k = recorder->checkMassDepth(t);
    if (t > nextOutput) {
        recorder->writeDepths(t);
        nextOutput = t + outputInterval;
        progress.setProgress(static_cast<int>(t / czas.back() * 100));
    }
    // Rows that end no stage may be passed within a step; a stage end is met exactly.
    const bool passed = t >= ramp.t1;
    while (!ended() && t >= czas[stage + 1]) {
        if (endsStage(stage + 1)) {
            recorder->writeProfile(t);
            noteCarbide();
            j = k = 0;
        }
        surfaceAtRows.push_back(solver->carbon()[1]);
        ++stage;
    }
    if (passed && !ended()) {
        ramp = rampOf(stage);
        if (stage >= endRow)
            endRow = nextStageEnd();
    }
    return true;
}

std::size_t Steruj::nextStageEnd() const {
    std::size_t row = stage + 1;
    while (row + 1 < czas.size() && !endsStage(row))
        ++row;
    return row;
}

RunOutcome Steruj::finish() {
    recorder->finish(t);
    streams.closeAll();
    if (streams.failed())
        return fail(streams.problem());
    const FinalResults results{solver->carbon()[1], solver->massPerSurface(),
                               solver->oblGrub(finalCaseLevel) * 0.001, solver->meanCarbon()};
    return RunOutcome{RunStatus::Finished,
                      {},
                      surfaceAtRows,
                      solver->hardnessNow(),
                      results,
                      deepestCarbideMm(),
                      solver->formsCarbides() ? std::optional(carbideAtStageEnds) : std::nullopt};
}

std::optional<double> Steruj::deepestCarbideMm() const {
    const std::optional<double> carbide = solver->deepestCarbide();
    return carbide ? std::optional<double>(*carbide * 0.001) : std::nullopt;
}

void Steruj::noteCarbide() {
    if (solver->formsCarbides())
        carbideAtStageEnds.push_back({t, deepestCarbideMm()});
}

void Steruj::setSurfaceCondition() {
    furnace.condition = stage + 1 < warunki.size() ? warunki[stage + 1] : StageCondition{};
    furnace.solubilityC = saturationCarbon(furnace.temperatureK - 273, alloy);
    furnace.saturationC = conditionTraits(furnace.condition.kind).boundary == SurfaceBoundary::Held
                              ? furnace.condition.ceiling.value_or(furnace.solubilityC)
                              : 0.0;
}

bool Steruj::advance() {
    // The step is proposed under the stage it belongs to, at the temperature it starts from.
    setSurfaceCondition();
    solver->oblD(furnace);
    solver->oblKr(furnace);
    const double step = furnace.timeStep;
    if (!(step > 0) || !std::isfinite(step))
        return false;
    if (t + step >= czas[endRow]) {
        furnace.timeStep = czas[endRow] - t;
        t = czas[endRow];
        furnace.temperatureK = temperatura[endRow];
        furnace.potentialC = potencjal[endRow];
        setSurfaceCondition();
        return true;
    }
    if (t + step == t)
        return false;
    t = t + step;
    // Between the rows the step ends in, which are the stage's own but where rows end no stage.
    std::size_t row = stage;
    while (czas[row + 1] <= t)
        ++row;
    const StageRamp between = row == stage ? ramp : rampOf(row);
    furnace.temperatureK = (t - between.t0) * between.slopeT + temperatura[row];
    furnace.potentialC = (t - between.t0) * between.slopeP + potencjal[row];
    setSurfaceCondition();
    return true;
}

bool Steruj::endsStage(std::size_t row) const {
    return stageEnds.empty() || (row < stageEnds.size() && stageEnds[row]);
}

RunOutcome Steruj::fail(const std::string& reason) {
    streams.closeAll();
    return RunOutcome{RunStatus::Failed,
                      std::string("The computation stopped: ") + reason + ".",
                      surfaceAtRows,
                      {},
                      {}};
}

#include "Steruj.h"

#include "Drut.h"
#include "Folia.h"
#include "Gruba.h"
#include "Parametry.h"
#include "Plyta.h"
#include "ResultStreams.h"
#include "RunState.h"
#include "Walec.h"

#include <cmath>

namespace {

std::unique_ptr<Gruba> makeSolver(SampleShape kind, const std::string& fileName, const Parametry& p,
                                  ResultStreams& streams) {
    switch (kind) {
    case SampleShape::SemiInfinite:
        return std::make_unique<Gruba>(fileName, p, streams);
    case SampleShape::Plate:
        return std::make_unique<Plyta>(fileName, p, streams);
    case SampleShape::Foil:
        return std::make_unique<Folia>(fileName, p, streams);
    case SampleShape::Cylinder:
        return std::make_unique<Walec>(fileName, p, streams);
    case SampleShape::Wire:
        return std::make_unique<Drut>(fileName, p, streams);
    }
    return nullptr;
}

} // namespace

Steruj::Steruj(const Parametry& p, const std::string& name, ResultStreams& resultStreams)
    : solver(makeSolver(*p.kind(), name, p, resultStreams)), czas(p.czas),
      temperatura(p.temperatura), potencjal(p.potencjal), outputInterval(0.01 * p.czas.back()),
      fileName(name), streams(resultStreams) {}

Steruj::~Steruj() = default;

RunOutcome Steruj::run(RunObserver& progress) {
    t = 0;
    runState.temperatureK = temperatura[0];
    runState.potentialC = potencjal[0];
    solver->oblD();
    solver->oblKr();
    nextOutput = outputInterval;
    streams.removeEarlierResults(fileName);
    solver->setLastMass(solver->massGain());
    solver->openResults(t);
    surfaceAtRows.assign(1, solver->carbon()[1]);

    const double end = czas.back();
    for (std::size_t stage = 0; stage + 1 < czas.size(); ++stage) {
        const double t0 = czas[stage];
        const double t1 = czas[stage + 1];
        const StageRamp ramp{stage, t0, t1,
                             (temperatura[stage + 1] - temperatura[stage]) / (t1 - t0),
                             (potencjal[stage + 1] - potencjal[stage]) / (t1 - t0)};
        short j = 0;
        short k = 0;
        while (t < t1) {
            if (!advance(ramp))
                return fail("the time step is no longer a positive finite number");
            solver->obl();
            if (++j > 10)
                j = solver->checkSurface(t);
            if (++k > 20)
                k = solver->checkMassDepth(t);
            if (t > nextOutput) {
                solver->writeDepths(t);
                nextOutput = t + outputInterval;
                progress.setProgress(static_cast<int>(t / end * 100));
            }
            if (streams.failed())
                return fail(streams.problem());
            progress.betweenSteps();
            if (runState.cancelRequested != 0) {
                streams.closeAll();
                streams.removeSet(fileName);
                return RunOutcome{RunStatus::Cancelled, {}, surfaceAtRows};
            }
        }
        solver->writeProfile(t);
        surfaceAtRows.push_back(solver->carbon()[1]);
    }
    solver->writeDepths(t);
    solver->writeSurface(t);
    solver->setLastMass(solver->massGain());
    solver->writeMean(t);
    solver->writeMass(t);
    streams.closeAll();
    if (streams.failed())
        return fail(streams.problem());
    return RunOutcome{RunStatus::Finished, {}, surfaceAtRows};
}

bool Steruj::advance(const StageRamp& ramp) {
    solver->oblD();
    solver->oblKr();
    const double step = runState.timeStep;
    if (!(step > 0) || !std::isfinite(step))
        return false;
    if (t + step >= ramp.t1) {
        runState.timeStep = ramp.t1 - t;
        t = ramp.t1;
        runState.temperatureK = temperatura[ramp.stage + 1];
        runState.potentialC = potencjal[ramp.stage + 1];
        return true;
    }
    if (t + step == t)
        return false;
    t = t + step;
    runState.temperatureK = (t - ramp.t0) * ramp.slopeT + temperatura[ramp.stage];
    runState.potentialC = (t - ramp.t0) * ramp.slopeP + potencjal[ramp.stage];
    return true;
}

RunOutcome Steruj::fail(const std::string& reason) {
    streams.closeAll();
    streams.removeEarlierResults(fileName);
    return RunOutcome{RunStatus::Failed, std::string("The computation stopped: ") + reason + ".",
                      surfaceAtRows};
}

#pragma once
// The run controller: drives one solver through the programme of process stages, and tells the
// solver's result recorder when to write.
//
// Time advances by the solver's step; between two stage rows the furnace temperature and
// potential change linearly, and a step that would cross a stage end is shortened to meet it
// exactly. Rows that end no stage (a furnace log's, Parametry::stageEnds) only shape that path:
// a step may pass them. Change tests decide when rows are written; a case-depth row and the gauge
// follow about every 1 % of the process time; a profile is written at every stage end.

#include "Computation.h"
#include "Furnace.h"
#include "StopCondition.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class Gruba;
class ResultRecorder;
class ResultStreams;
struct Parametry;

class Steruj {
public:
    // The record's kind must be one the computation knows.
    Steruj(const Parametry& parametry, const std::string& fileName, ResultStreams& streams);
    // With a solver chosen by the caller, built from the same record.
    Steruj(const Parametry& parametry, std::unique_ptr<Gruba> solver, const std::string& fileName,
           ResultStreams& streams);
    ~Steruj();
    Steruj(const Steruj&) = delete;
    Steruj& operator=(const Steruj&) = delete;

    // The whole run, the one loop every run goes through: start, every step (asking `progress`
    // after each whether to cancel, then `stop` whether to end there), end.
    RunOutcome run(RunObserver& progress, StopCondition& stop);

    // The same run one step at a time, for a test or benchmark that looks between steps. `start`
    // sets the first instant and opens the result files; `step` takes one time step with what
    // follows it (change tests, output instant, the profile at a stage end) and is false, with
    // nothing done, once the programme has ended or when the step cannot advance time.
    void start();
    bool step(RunObserver& progress);
    bool ended() const { return stage + 1 >= czas.size(); }

    // The solver and the furnace as the last step left them; the process time, s.
    const Gruba& sample() const { return *solver; }
    // The solver, for a caller that asks about the sample after the controller is gone.
    std::unique_ptr<Gruba> releaseSample() && { return std::move(solver); }
    const Furnace& furnaceNow() const { return furnace; }
    double time() const { return t; }

private:
    // The furnace between two stage rows: linear in time from the row `stage`.
    struct StageRamp {
        double t0, t1;         // s
        double slopeT, slopeP; // K/s, % C/s
    };

    StageRamp rampOf(std::size_t row) const;
    // One time step from t, ending no later than the stage end; false when the step cannot
    // advance time (a step that is not a positive finite number, or lost against t).
    bool advance();
    RunOutcome finish();
    // Ended by the stop condition: finished at this instant.
    RunOutcome reached();
    // The furnace's surface condition: the stage under way's, with the saturation limit at the
    // furnace's temperature when it is a boost.
    void setSurfaceCondition();
    RunOutcome fail(const std::string& reason);
    bool endsStage(std::size_t row) const;
    // mm, the deepest cementite in the sample now; none without any.
    std::optional<double> deepestCarbideMm() const;
    // A stage end of a run with carbides: where its cementite lies.
    void noteCarbide();
    // The first row after `stage` that ends a stage (the last row ends the programme).
    std::size_t nextStageEnd() const;

    std::unique_ptr<Gruba> solver;
    std::unique_ptr<ResultRecorder> recorder; // writes the result files from the solver
    Furnace furnace;                          // at time t
    std::vector<double> czas;                 // s
    std::vector<double> temperatura;          // K
    std::vector<double> potencjal;            // % C
    std::vector<StageCondition> warunki;
    std::vector<bool> stageEnds;   // rows that end a stage; empty: every row
    std::array<double, 5> alloy{}; // %: Cr, Mo, Mn, Si, Ni, for the saturation limit
    double outputInterval;         // s, 1 % of the process time
    double nextOutput = 0;         // s, the next output instant falls after this
    double t = 0;                  // s, process time
    std::size_t stage = 0;         // the stage row the furnace last passed
    StageRamp ramp{};              // towards row stage + 1
    std::size_t endRow = 0;        // the stage end the furnace goes towards
    // Steps since the last change test of the surface (j) and of mass and depth (k); each test
    // returns the count to restart from. Kept as they are: the stored files' rows depend on them.
    short j = 0, k = 0;
    std::string fileName;
    ResultStreams& streams;
    std::vector<double> surfaceAtRows;            // % C
    std::vector<StageCarbide> carbideAtStageEnds; // with carbides
};

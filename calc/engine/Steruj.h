#pragma once
// The run controller: drives one solver through the programme of process stages.
//
// Time advances by the solver's step; between two stage rows the furnace temperature and
// potential change linearly, and a step that would cross a stage end is shortened to meet it
// exactly. Change tests decide when rows are written; a case-depth row and the gauge follow
// about every 1 % of the process time; a profile is written at every stage end.

#include "Computation.h"

#include <memory>
#include <string>
#include <vector>

class Gruba;
class ResultStreams;
struct Parametry;

class Steruj {
public:
    // The record's kind must be one the computation knows.
    Steruj(const Parametry& parametry, const std::string& fileName, ResultStreams& streams);
    ~Steruj();
    Steruj(const Steruj&) = delete;
    Steruj& operator=(const Steruj&) = delete;

    RunOutcome run(RunObserver& progress);
    // The solver as the run left it.
    const Gruba& sample() const { return *solver; }

private:
    // The furnace between two stage rows: linear in time from the row `stage`.
    struct StageRamp {
        std::size_t stage;
        double t0, t1;         // s
        double slopeT, slopeP; // K/s, % C/s
    };

    // One time step from t, ending no later than the stage end; false when the step cannot
    // advance time (a step that is not a positive finite number, or lost against t).
    bool advance(const StageRamp& ramp);
    RunOutcome fail(const std::string& reason);

    std::unique_ptr<Gruba> solver;
    std::vector<double> czas;        // s
    std::vector<double> temperatura; // K
    std::vector<double> potencjal;   // % C
    double outputInterval;           // s, 1 % of the process time
    double nextOutput = 0;           // s, the next output instant falls after this
    double t = 0;                    // s, process time
    std::string fileName;
    ResultStreams& streams;
    std::vector<double> surfaceAtRows; // % C
};

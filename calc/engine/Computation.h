#pragma once
// Entry point of the computation: a process-data file in, a finished result set out.

#include "CaseHardness.h"
#include "ProcessData.h"
#include "RunObserver.h"
#include "StopCondition.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class ResultStreams;
class Gruba;
struct Parametry;

enum class RunStatus {
    Finished,  // every result file written
    Cancelled, // the observer asked to cancel
    Failed,    // the data could not be computed, or the run threw (see `error`)
    Reached,   // its stop condition held: ended there as a finished run ends (`reachedAt`)
};
// A cancelled or failed run leaves its files as they were when it stopped, closed: what is
// left of the set is leaveUnfinishedRun's to decide (UnfinishedRun.h). A reached run's files
// end at the instant it stopped, as a finished run's end at the programme's end.

// What the sample of a finished run shows at the end of its programme (of a reached run: where
// it stopped).
struct FinalResults {
    double surfaceCarbon = 0; // % C
    double massGain = 0;      // g/m² of surface, as the mass file gives it for every kind
    double caseDepth = 0;     // mm, where the carbon falls to finalCaseLevel (thick kinds)
    std::optional<double> meanIncrease; // % C, mean carbon increase of a foil or wire
};
// % C: the level of the case depth a finished run reports.
inline constexpr double finalCaseLevel = 0.35;

// Where cementite lies at the end of a stage: a run with carbides has one per stage end.
struct StageCarbide {
    double time = 0;                    // s, of the stage end
    std::optional<double> deepest = {}; // mm, the deepest cementite; none where none is left
};

struct RunOutcome {
    RunStatus status = RunStatus::Finished;
    std::string error; // why a run failed, for the user
    // % C, the surface carbon when the programme reached each stage row (as far as it ran).
    std::vector<double> surfaceAtRows;
    // The last block of the hardness file: a finished run of a kind that writes one.
    std::optional<CaseHardness> finalHardness;
    std::optional<FinalResults> results; // a finished run's
    // mm, the deepest point at which cementite remains at the end (a run with carbides).
    std::optional<double> remainingCarbide{};
    // A finished run with carbides: one per stage end; none without carbides.
    std::optional<std::vector<StageCarbide>> carbideAtStageEnds{};
    // s, the process time at which the stop condition of a reached run held.
    std::optional<double> reachedAt{};
};

// Runs the process-data file `fileName` (a full path) and writes its result files through
// `streams`.
RunOutcome runComputation(const std::string& fileName, RunObserver& progress,
                          ResultStreams& streams);
// The same with the streams that live for the whole process, as the calculation window uses.
RunOutcome runComputation(const std::string& fileName, RunObserver& progress);

// A run whose sample can still be asked about after its end: the sample is empty when the data
// could not be run. Only the solver is kept: its controller's recorder refers to the run's
// streams, which the caller closes and drops.
struct KeptRun {
    KeptRun();
    KeptRun(KeptRun&&) noexcept;
    KeptRun& operator=(KeptRun&&) noexcept;
    ~KeptRun();

    RunOutcome outcome;
    std::unique_ptr<Gruba> sample;
};

// Runs `parametry` through `streams`, as runComputation does, and keeps the sample. The streams
// choose what is recorded: the result files (ResultStreams), their text in memory
// (MemoryStreams) or nothing (TrialStreams).
KeptRun runKept(const Parametry& parametry, RunObserver& progress, ResultStreams& streams);
// The same run, ended at the first step after which `stop` holds (RunStatus::Reached); a run
// whose programme ends first is Finished.
KeptRun runKept(const Parametry& parametry, RunObserver& progress, ResultStreams& streams,
                StopCondition& stop);

// What a trial run leaves: the sample at the end of its programme.
struct TrialResult {
    RunOutcome outcome;
    double surfaceCarbon = 0; // % C
    double meanIncrease = 0;  // % C, mean carbon increase of a foil or wire
    double caseDepth = 0;     // mm, depth at the level asked for (0 for a foil or wire)
    // The final carbon profile at the nodes from the surface inwards; the steel is untouched
    // beyond the last node (the grid grows wherever carbon arrives).
    std::vector<double> depth;  // mm
    std::vector<double> carbon; // % C
};

// Runs a process as a normal run would, through the same solvers, but opens, writes and
// deletes no file. To compute what a written file will, pass the record as written
// (asWritten).
TrialResult runTrial(const ProcessRecord& process, double level, RunObserver& progress);

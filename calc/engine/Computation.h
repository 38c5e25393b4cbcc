#pragma once
// Entry point of the computation: a process-data file in, a finished result set out.

#include "RunObserver.h"

#include <string>

class ResultStreams;

enum class RunStatus {
    Finished,  // every result file written
    Cancelled, // cancelRequested was seen: the whole set, process data included, is deleted
    Failed,    // the data could not be computed (see `error`); the result files are deleted
};

struct RunOutcome {
    RunStatus status = RunStatus::Finished;
    std::string error; // why a run failed, for the user
};

// Runs the process-data file `fileName` (a full path) and writes its result files through
// `streams`. Leaves runState.cancelRequested at 0.
RunOutcome runComputation(const std::string& fileName, RunObserver& progress,
                          ResultStreams& streams);
// The same with the streams that live for the whole process, as the calculation window uses.
RunOutcome runComputation(const std::string& fileName, RunObserver& progress);

#include "Computation.h"

#include "Parametry.h"
#include "ResultStreams.h"
#include "RunState.h"
#include "Steruj.h"

#include <memory>

namespace {

// Whatever the outcome, the next run starts with the flag clear.
struct CancelFlagReset {
    ~CancelFlagReset() { runState.cancelRequested = 0; }
};

} // namespace

RunOutcome runComputation(const std::string& fileName, RunObserver& progress,
                          ResultStreams& streams) {
    CancelFlagReset reset;
    std::unique_ptr<Steruj> controller;
    {
        const Parametry parametry(fileName);
        if (!parametry.kind())
            return RunOutcome{RunStatus::Failed,
                              "The process data name no sample shape the computation knows."};
        if (parametry.czas.empty())
            return RunOutcome{RunStatus::Failed, "The process data hold no stage."};
        controller = std::make_unique<Steruj>(parametry, fileName, streams);
    }
    return controller->run(progress);
}

RunOutcome runComputation(const std::string& fileName, RunObserver& progress) {
    return runComputation(fileName, progress, processResultStreams());
}

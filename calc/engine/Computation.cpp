#include "Computation.h"

#include "Gruba.h"
#include "Parametry.h"
#include "ResultStreams.h"
#include "Steruj.h"

#include <exception>
#include <memory>
#include <new>

namespace {

// The controller for the record, or why its data cannot be run.
std::unique_ptr<Steruj> makeController(const Parametry& parametry, const std::string& fileName,
                                       ResultStreams& streams, RunOutcome& refusal) {
    if (!parametry.kind()) {
        refusal = RunOutcome{
            RunStatus::Failed, "The process data name no sample shape the computation knows.", {}};
        return nullptr;
    }
    if (parametry.czas.empty()) {
        refusal = RunOutcome{RunStatus::Failed, "The process data hold no stage.", {}};
        return nullptr;
    }
    return std::make_unique<Steruj>(parametry, fileName, streams);
}

// A run that threw: ended as a failed run ends.
RunOutcome stoppedRun(ResultStreams& streams, const char* reason) {
    streams.closeAll();
    return RunOutcome{
        RunStatus::Failed, std::string("The computation stopped: ") + reason + ".", {}};
}

} // namespace

RunOutcome runComputation(const std::string& fileName, RunObserver& progress,
                          ResultStreams& streams) {
    // Nothing of the computation throws on purpose; what does (memory running out, or an
    // observer's window) ends the run as a failure instead of unwinding through the caller.
    try {
        RunOutcome refusal;
        const std::unique_ptr<Steruj> controller =
            makeController(Parametry(fileName), fileName, streams, refusal);
        if (!controller)
            return refusal;
        return controller->run(progress);
    } catch (const std::bad_alloc&) {
        return stoppedRun(streams, "the memory ran out");
    } catch (const std::exception& error) {
        return stoppedRun(streams, error.what());
    } catch (...) {
        return stoppedRun(streams, "an unexpected error");
    }
}

TrialResult runTrial(const ProcessRecord& process, double level, RunObserver& progress) {
    TrialStreams streams;
    TrialResult result;
    const std::unique_ptr<Steruj> controller =
        makeController(Parametry(process, {}), {}, streams, result.outcome);
    if (!controller)
        return result;
    result.outcome = controller->run(progress);
    const Gruba& sample = controller->sample();
    result.surfaceCarbon = sample.carbon()[1];
    result.meanIncrease = sample.meanCarbon().value_or(0);
    result.caseDepth = sample.oblGrub(level) * 0.001;
    return result;
}

RunOutcome runComputation(const std::string& fileName, RunObserver& progress) {
    return runComputation(fileName, progress, processResultStreams());
}

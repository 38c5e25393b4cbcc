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
        refusal = RunOutcome{RunStatus::Failed,
                             "The process data name no sample shape the computation knows.",
                             {},
                             {},
                             {}};
        return nullptr;
    }
    if (parametry.czas.empty()) {
        refusal = RunOutcome{RunStatus::Failed, "The process data hold no stage.", {}, {}, {}};
        return nullptr;
    }
    return std::make_unique<Steruj>(parametry, fileName, streams);
}

// A run that threw: ended as a failed run ends.
RunOutcome stoppedRun(ResultStreams& streams, const char* reason) {
    streams.closeAll();
    return RunOutcome{
        RunStatus::Failed, std::string("The computation stopped: ") + reason + ".", {}, {}, {}};
}

} // namespace

KeptRun::KeptRun() = default;
KeptRun::KeptRun(KeptRun&&) noexcept = default;
KeptRun& KeptRun::operator=(KeptRun&&) noexcept = default;
KeptRun::~KeptRun() = default;

KeptRun runKept(const Parametry& parametry, RunObserver& progress, ResultStreams& streams) {
    NeverStops programmeEnds;
    return runKept(parametry, progress, streams, programmeEnds);
}

KeptRun runKept(const Parametry& parametry, RunObserver& progress, ResultStreams& streams,
                StopCondition& stop) {
    // Nothing of the computation throws on purpose; what does (memory running out, or an
    // observer's window) ends the run as a failure instead of unwinding through the caller.
    KeptRun kept;
    try {
        if (std::unique_ptr<Steruj> controller =
                makeController(parametry, parametry.fileName, streams, kept.outcome)) {
            kept.outcome = controller->run(progress, stop);
            kept.sample = std::move(*controller).releaseSample();
        }
    } catch (const std::bad_alloc&) {
        kept.outcome = stoppedRun(streams, "the memory ran out");
    } catch (const std::exception& error) {
        kept.outcome = stoppedRun(streams, error.what());
    } catch (...) {
        kept.outcome = stoppedRun(streams, "an unexpected error");
    }
    return kept;
}

RunOutcome runComputation(const std::string& fileName, RunObserver& progress,
                          ResultStreams& streams) {
    try {
        return runKept(Parametry(fileName), progress, streams).outcome;
    } catch (const std::bad_alloc&) {
        return stoppedRun(streams, "the memory ran out");
    }
}

TrialResult runTrial(const ProcessRecord& process, double level, RunObserver& progress) {
    TrialStreams streams;
    TrialResult result;
    const KeptRun kept = runKept(Parametry(process, {}), progress, streams);
    result.outcome = kept.outcome;
    if (!kept.sample)
        return result;
    const Gruba& sample = *kept.sample;
    result.surfaceCarbon = sample.carbon()[1];
    result.meanIncrease = sample.meanCarbon().value_or(0);
    result.caseDepth = sample.oblGrub(level) * 0.001;
    const std::vector<double>& s = sample.depths();
    result.depth.reserve(s.size() - 1);
    for (std::size_t node = 1; node < s.size(); ++node)
        result.depth.push_back(s[node] * 0.001);
    result.carbon.assign(sample.carbon().begin() + 1, sample.carbon().end());
    return result;
}

RunOutcome runComputation(const std::string& fileName, RunObserver& progress) {
    return runComputation(fileName, progress, processResultStreams());
}

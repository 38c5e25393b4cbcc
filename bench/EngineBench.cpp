// Whole runs of the computation, one per sample kind, with the cost of one step of one node
// set beside the cost of one call of exp measured in the same process: the diffusivity law
// calls exp once per node and step, so a step that costs little more than that exp spends
// its time where it must. The whole run's cost per node-step includes opening, deleting and
// writing the result files; the solver's alone is reported beside it.

#include "Computation.h"
#include "CpuTime.h"
#include "DrivenSample.h"
#include "Drut.h"
#include "Folia.h"
#include "Parametry.h"
#include "Plyta.h"
#include "ResultStreams.h"
#include "Steruj.h"
#include "Walec.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Counts the steps of a run as the run controller takes them.
class StepCounter : public RunObserver {
public:
    void setProgress(int /*percent*/) override {}
    bool cancelRequested() override {
        ++steps;
        return false;
    }
    std::int64_t steps = 0;
};

// Calls exp over the range of exponents the diffusivity law meets at carburizing temperatures
// (about −17 to −15), at least `calls` times; returns the number of calls made.
std::int64_t callExp(std::int64_t calls) {
    static const std::vector<double> exponents = [] {
        std::vector<double> spread(4096);
        for (std::size_t i = 0; i < spread.size(); ++i)
            spread[i] = -17 + 2 * static_cast<double>(i) / static_cast<double>(spread.size());
        return spread;
    }();
    std::int64_t made = 0;
    while (made < calls) {
        for (double exponent : exponents)
            benchmark::DoNotOptimize(std::exp(exponent));
        made += static_cast<std::int64_t>(exponents.size());
    }
    return made;
}

struct Work {
    std::int64_t steps = 0;
    std::int64_t nodeSteps = 0; // nodes stepped over, the ghost node included, summed over steps
    std::size_t nodes = 0;      // at the end
    double solverSeconds = 0;   // the steps alone, without the result files and change tests
};

// The run's work, counted by driving its solver as the run controller does.
Work countWork(const std::string& fileName, SolverFactory make) {
    DrivenSample run(fileName, make);
    Work work;
    const double start = cpuSeconds();
    while (run.step()) {
        ++work.steps;
        work.nodeSteps += static_cast<std::int64_t>(run.nodesBefore());
    }
    work.solverSeconds = cpuSeconds() - start;
    work.nodes = run.solver().carbon().size();
    return work;
}

// One constant stage at 920 °C and potential 1.0 % C, steel of 0.2 % C, β = 2e-5 cm/s.
void fullRun(benchmark::State& state, SampleShape shape, double thickness, double duration,
             SolverFactory make) {
    const ProcessRecord process =
        stagedProcess(0.2, 2e-5, {{0, 920, 1.0}, {duration, 920, 1.0}}, shape, thickness);
    const ScratchSet set(process);
    const Work work = countWork(set.file(), make);
    ResultStreams streams;
    double engineSeconds = 0;
    double expSeconds = 0;
    std::int64_t runs = 0;
    std::int64_t expCalls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A run appends its profiles to the process-data file: start each from the same file.
        writeProcessData(set.file(), process);
        StepCounter counter;
        state.ResumeTiming();
        const double start = cpuSeconds();
        const RunOutcome outcome = runComputation(set.file(), counter, streams);
        engineSeconds += cpuSeconds() - start;
        ++runs;
        // As many exp calls as the run made, timed beside it: the two processors are shared,
        // and a neighbour's load slows both alike.
        state.PauseTiming();
        const double expStart = cpuSeconds();
        expCalls += callExp(work.nodeSteps);
        expSeconds += cpuSeconds() - expStart;
        state.ResumeTiming();
        if (outcome.status != RunStatus::Finished) {
            state.SkipWithError("the run did not finish");
            return;
        }
        if (counter.steps != work.steps) {
            state.SkipWithError("the counted steps differ from the run's");
            return;
        }
    }
    const double perRun = engineSeconds / static_cast<double>(runs);
    const double perNodeStep = perRun * 1e9 / static_cast<double>(work.nodeSteps);
    const double perExp = expSeconds * 1e9 / static_cast<double>(expCalls);
    state.counters["steps"] = static_cast<double>(work.steps);
    state.counters["nodes"] = static_cast<double>(work.nodes);
    state.counters["engine_ms"] = perRun * 1e3;
    state.counters["ns_per_node_step"] = perNodeStep;
    state.counters["ns_per_exp"] = perExp;
    state.counters["node_step_in_exps"] = perNodeStep / perExp;
    const double solverPerNodeStep = work.solverSeconds * 1e9 / static_cast<double>(work.nodeSteps);
    state.counters["solver_ns_per_node_step"] = solverPerNodeStep;
    state.counters["solver_node_step_in_exps"] = solverPerNodeStep / perExp;
}

void semiInfinite12h(benchmark::State& state) {
    fullRun(state, SampleShape::SemiInfinite, unfilledValue, 12, makeSolver<Gruba>);
}
void plate4mm8h(benchmark::State& state) {
    fullRun(state, SampleShape::Plate, 4, 8, makeSolver<Plyta>);
}
void cylinder10mm8h(benchmark::State& state) {
    fullRun(state, SampleShape::Cylinder, 10, 8, makeSolver<Walec>);
}
void foil005mm3600s(benchmark::State& state) {
    fullRun(state, SampleShape::Foil, 0.05, 3600, makeSolver<Folia>);
}
void wire001mm3600s(benchmark::State& state) {
    fullRun(state, SampleShape::Wire, 0.01, 3600, makeSolver<Drut>);
}

// The same semi-infinite run as a script runs it: in memory, no file opened (the Python
// module's runs are measured against this one).
void semiInfinite12hInMemory(benchmark::State& state) {
    const ProcessRecord process =
        asWritten(stagedProcess(0.2, 2e-5, {{0, 920, 1.0}, {12, 920, 1.0}}));
    for (auto _ : state) {
        MemoryStreams streams;
        StepCounter counter;
        const KeptRun run = runKept(Parametry(process, {}), counter, streams);
        if (run.outcome.status != RunStatus::Finished) {
            state.SkipWithError("the run did not finish");
            return;
        }
        benchmark::DoNotOptimize(streams.text().size());
    }
}

// Ten pulses of low-pressure carburizing at 920 °C, each a 3 min boost at the saturation limit
// and a 12 min neutral diffusion, against one gas stage of the same 2.5 h at 1.0 % C; both in
// memory on a semi-infinite sample. `pulsed_over_gas` is the first's time over the second's.
ProcessRecord gasProgramme() {
    return asWritten(stagedProcess(0.2, 2e-5, {{0, 920, 1.0}, {2.5, 920, 1.0}}));
}

ProcessRecord pulsedProgramme() {
    ProcessRecord process = asWritten(stagedProcess(0.2, 2e-5, {{0, 920, 1.0}}));
    TDane& data = process.data;
    for (int pulse = 0; pulse < 10; ++pulse)
        for (const auto& [minutes, kind] :
             {std::pair{3, SurfaceCondition::Boost}, std::pair{12, SurfaceCondition::Neutral}}) {
            data.times.push_back(asWritten(data.times.back() + minutes / 60.0));
            data.temperatures.push_back(920);
            data.potentials.push_back(1.0);
            data.conditions.push_back(StageCondition{kind, std::nullopt});
        }
    return process;
}

// Processor time of one run of `process`: with its result texts kept in memory, or as a trial
// run computes it, with no result text at all.
double runSeconds(const ProcessRecord& process, bool texts, benchmark::State& state) {
    StepCounter counter;
    const double start = cpuSeconds();
    RunOutcome outcome;
    if (texts) {
        MemoryStreams streams;
        outcome = runKept(Parametry(process, {}), counter, streams).outcome;
    } else {
        outcome = runTrial(process, 0.35, counter).outcome;
    }
    const double seconds = cpuSeconds() - start;
    if (outcome.status != RunStatus::Finished)
        state.SkipWithError("the run did not finish");
    return seconds;
}

// Each programme with and without its result texts: a pulsed programme writes a profile and a
// hardness block at each of its 20 stage ends where the gas programme writes one.
void lowPressurePulses(benchmark::State& state) {
    const ProcessRecord pulsed = pulsedProgramme();
    const ProcessRecord gas = gasProgramme();
    double pulsedSeconds = 0, gasSeconds = 0, pulsedTexts = 0, gasTexts = 0;
    std::int64_t runs = 0;
    for (auto _ : state) {
        pulsedSeconds += runSeconds(pulsed, false, state);
        gasSeconds += runSeconds(gas, false, state);
        pulsedTexts += runSeconds(pulsed, true, state);
        gasTexts += runSeconds(gas, true, state);
        ++runs;
    }
    const double perRun = 1e3 / static_cast<double>(runs);
    state.counters["pulsed_ms"] = pulsedSeconds * perRun;
    state.counters["gas_ms"] = gasSeconds * perRun;
    state.counters["pulsed_over_gas"] = pulsedSeconds / gasSeconds;
    state.counters["with_texts_pulsed_ms"] = pulsedTexts * perRun;
    state.counters["with_texts_gas_ms"] = gasTexts * perRun;
}

BENCHMARK(semiInfinite12h)->Unit(benchmark::kMillisecond);
BENCHMARK(lowPressurePulses)->Unit(benchmark::kMillisecond);
BENCHMARK(semiInfinite12hInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(plate4mm8h)->Unit(benchmark::kMillisecond);
BENCHMARK(cylinder10mm8h)->Unit(benchmark::kMillisecond);
BENCHMARK(foil005mm3600s)->Unit(benchmark::kMillisecond);
BENCHMARK(wire001mm3600s)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

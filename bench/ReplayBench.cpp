// A logged load against its programme: 24 h at one row per 10 s (8 641 rows) replayed as the
// furnace ran it, against the same programme typed as four stage rows. Both run in memory
// with the result texts kept, as a set's files would be written; the replay's time includes
// reading the log and building the as-run programme. `replayAsTheCommandRuns` is the whole of
// `tavcalc --replay` but for the files: the plan's trial on a second thread meanwhile, the band
// report and the record's text.

#include "AsRunRecord.h"
#include "Computation.h"
#include "CpuTime.h"
#include "FurnaceLog.h"
#include "Parametry.h"
#include "Replay.h"
#include "ResultStreams.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <string>

namespace {

class Silent : public RunObserver {
public:
    void setProgress(int /*percent*/) override {}
};

// 16 h at 920 °C and 1.15 % C, 6 h down to 0.8 % C, 2 h cooling to 850 °C.
ProcessRecord programme() {
    ProcessRecord process;
    process.data.steelCarbon = 0.2;
    process.data.transferCoefficient = 2e-5;
    process.data.alloy = {1.1, 0, 1.2, 0.25, 0};
    process.data.times = {0, 16, 22, 24};
    process.data.temperatures = {920, 920, 920, 850};
    process.data.potentials = {1.15, 1.15, 0.8, 0.8};
    return process;
}

// The programme as a recorder logs it every 10 s, with the setpoint beside it.
std::string loggedProgramme() {
    std::string log = "time,temperature,carbon_potential,setpoint\r\n";
    const ProcessRecord planned = programme();
    for (int t = 0; t <= 24 * 3600; t += 10) {
        const double hours = t / 3600.0;
        const double celsius = hours <= 22 ? 920 : 920 - 70 * (hours - 22) / 2;
        const double potential = plannedPotential(planned, t);
        char row[96];
        std::snprintf(row, sizeof row, "%d,%.2f,%.4f,%.4f\r\n", t, celsius, potential, potential);
        log += row;
    }
    return log;
}

void run(benchmark::State& state, const Parametry& parametry) {
    MemoryStreams streams;
    Silent silent;
    if (runKept(parametry, silent, streams).outcome.status != RunStatus::Finished)
        state.SkipWithError("the run did not finish");
}

void programmeAsStages24h(benchmark::State& state) {
    const Parametry parametry(asWritten(programme()), {});
    double seconds = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        run(state, parametry);
        seconds += cpuSeconds() - start;
    }
    state.counters["cpu_ms"] = seconds * 1e3 / static_cast<double>(state.iterations());
}

void replayOf24hLogAt10s(benchmark::State& state) {
    const std::string text = loggedProgramme();
    double seconds = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        const LogReading reading = readFurnaceLog(text);
        const AsRunBuild build = asRunProcess(programme(), *reading.log);
        Parametry parametry(build.asRun->process, {});
        parametry.stageEnds = build.asRun->stageEnds;
        run(state, parametry);
        benchmark::DoNotOptimize(bandReport(*build.asRun));
        seconds += cpuSeconds() - start;
    }
    state.counters["rows"] = 24 * 360 + 1;
    state.counters["cpu_ms"] = seconds * 1e3 / static_cast<double>(state.iterations());
}

void replayAsTheCommandRuns(benchmark::State& state) {
    const std::string text = loggedProgramme();
    double seconds = 0, wall = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        const auto started = std::chrono::steady_clock::now();
        const LogReading reading = readFurnaceLog(text);
        const AsRunBuild build = asRunProcess(programme(), *reading.log);
        std::future<TrialResult> planned = std::async(std::launch::async, [] {
            Silent silent;
            return runTrial(asWritten(programme()), 0.35, silent);
        });
        Parametry parametry(build.asRun->process, {});
        parametry.stageEnds = build.asRun->stageEnds;
        MemoryStreams streams;
        Silent silent;
        const KeptRun kept = runKept(parametry, silent, streams);
        const TrialResult trial = planned.get();
        const CaseFigures plannedCase{trial.surfaceCarbon, trial.caseDepth, std::nullopt, 0};
        const CaseFigures asRunCase{kept.outcome.surfaceAtRows.back(), 0, std::nullopt, 0};
        benchmark::DoNotOptimize(asRunRecordText(
            asRunRecord(*build.asRun, "log.csv", "plan.tav", plannedCase, asRunCase)));
        seconds += cpuSeconds() - start;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["cpu_ms"] = seconds * 1e3 / runs; // this thread's: the plan's is the other's
    state.counters["wall_ms"] = wall * 1e3 / runs;
}

// The parts of the replay: the log read, the as-run programme built, the run alone.
void replayParts(benchmark::State& state) {
    const std::string text = loggedProgramme();
    double reading = 0, building = 0, running = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        const LogReading log = readFurnaceLog(text);
        const double read = cpuSeconds();
        const AsRunBuild build = asRunProcess(programme(), *log.log);
        Parametry parametry(build.asRun->process, {});
        parametry.stageEnds = build.asRun->stageEnds;
        const double built = cpuSeconds();
        run(state, parametry);
        running += cpuSeconds() - built;
        building += built - read;
        reading += read - start;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["read_ms"] = reading * 1e3 / runs;
    state.counters["build_ms"] = building * 1e3 / runs;
    state.counters["run_ms"] = running * 1e3 / runs;
}

} // namespace

BENCHMARK(programmeAsStages24h)->Unit(benchmark::kMillisecond);
BENCHMARK(replayOf24hLogAt10s)->Unit(benchmark::kMillisecond);
BENCHMARK(replayParts)->Unit(benchmark::kMillisecond);
BENCHMARK(replayAsTheCommandRuns)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

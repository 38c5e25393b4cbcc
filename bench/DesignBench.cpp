// Process design, the foil test and the fit to a measured profile, each a search over whole
// trial runs: the time of one search and the number of trial runs it needed.

#include "Computation.h"
#include "CpuTime.h"
#include "FoilFit.h"
#include "LowPressureDesign.h"
#include "ProfileFit.h"
#include "ProfileMeasures.h"
#include "ProgrammeDesign.h"
#include "TestProcess.h"

#include <benchmark/benchmark.h>

namespace {

class Quiet : public RunObserver {
public:
    void setProgress(int /*percent*/) override {}
};

// A steel of 0.2 % C with 1.1 % Cr, 1.2 % Mn and 0.25 % Si, β = 2e-5 cm/s, and the programme
// `rows`, for a sample of `shape` and `thickness` mm.
ProcessRecord steel(SampleShape shape, double thickness,
                    std::initializer_list<StageRow> rows = {}) {
    ProcessRecord process = stagedProcess(0.2, 2e-5, rows, shape, thickness);
    process.data.alloy = {1.1, 0, 1.2, 0.25, 0};
    return process;
}

// Boost and diffusion for 1.0 mm at 0.35 % C with 0.8 % C at the surface, at 920 °C, ending with
// half an hour down to 850 °C.
void boostDiffuseDesign(benchmark::State& state, SampleShape shape, double thickness) {
    DesignRequest request;
    request.steel = steel(shape, thickness);
    request.celsius = 920;
    request.boost = 1.15;
    request.depth = 1.0;
    request.surface = 0.8;
    request.hardening = HardeningStage{850, 0.5};
    Quiet quiet;
    double seconds = 0;
    std::int64_t searches = 0;
    int trials = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        const DesignResult result = designProgramme(request, quiet);
        seconds += cpuSeconds() - start;
        ++searches;
        trials = result.trials;
        if (result.status != DesignResult::Status::Designed) {
            state.SkipWithError(result.reason.c_str());
            return;
        }
    }
    state.counters["cpu_ms"] = seconds * 1e3 / static_cast<double>(searches);
    state.counters["trial_runs"] = trials;
}

void designSemiInfinite(benchmark::State& state) {
    boostDiffuseDesign(state, SampleShape::SemiInfinite, unfilledValue);
}
void designCylinder30mm(benchmark::State& state) {
    boostDiffuseDesign(state, SampleShape::Cylinder, 30);
}

// A foil of 0.05 mm, 3600 s at 920 °C and 1.0 % C, measured at what β = 1e-6 cm/s gives; the
// search starts from the file's 2e-5 cm/s.
void foilFit(benchmark::State& state) {
    const ProcessRecord test =
        stagedProcess(0.1, 2e-5, {{0, 920, 1.0}, {3600, 920, 1.0}}, SampleShape::Foil, 0.05);
    Quiet quiet;
    ProcessRecord measuredWith = test;
    measuredWith.data.transferCoefficient = 1e-6;
    const double measured = 0.1 + runTrial(asWritten(measuredWith), 0.35, quiet).meanIncrease;
    double seconds = 0;
    std::int64_t fits = 0;
    int trials = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        const FoilFitResult result = fitTransferCoefficient(test, measured, quiet);
        seconds += cpuSeconds() - start;
        ++fits;
        trials = result.trials;
        if (result.status != FoilFitResult::Status::Fitted) {
            state.SkipWithError(result.reason.c_str());
            return;
        }
    }
    state.counters["cpu_ms"] = seconds * 1e3 / static_cast<double>(fits);
    state.counters["trial_runs"] = trials;
}

// Low-pressure pulses for 1.0 mm at 0.35 % C with 0.7 % C at the surface, at 920 °C.
void lowPressureDesign(benchmark::State& state) {
    LowPressureRequest request;
    request.steel = asWritten(steel(SampleShape::SemiInfinite, unfilledValue));
    request.depth = 1.0;
    request.surface = 0.7;
    Quiet quiet;
    double seconds = 0;
    std::int64_t searches = 0;
    LowPressureResult result;
    for (auto _ : state) {
        const double start = cpuSeconds();
        result = designLowPressure(request, quiet);
        seconds += cpuSeconds() - start;
        ++searches;
        if (result.status != DesignResult::Status::Designed) {
            state.SkipWithError(result.reason.c_str());
            return;
        }
    }
    state.counters["cpu_ms"] = seconds * 1e3 / static_cast<double>(searches);
    state.counters["trial_runs"] = result.trials;
    state.counters["pulses"] = static_cast<double>(result.pulses.size());
}

// A semi-infinite sample, 8 h of boost at 1.15 % C and 2 h of diffusion at 0.8 % C, 920 °C; 20
// points to 1.6 mm of what β = 8e-6 cm/s and a probe reading 0.05 % C low give. Both values are
// fitted, starting from the file's 2e-5 cm/s and no offset.
void profileFitTwoValues(benchmark::State& state) {
    const ProcessRecord given = asWritten(steel(SampleShape::SemiInfinite, unfilledValue,
                                                {{0, 920, 1.15}, {8, 920, 1.15}, {10, 920, 0.8}}));
    ProcessRecord truth = given;
    truth.data.transferCoefficient = 8e-6;
    for (double& potential : truth.data.potentials)
        potential += 0.05;
    Quiet quiet;
    const TrialResult run = runTrial(truth, 0.35, quiet);
    MeasuredProfile measured;
    for (int point = 1; point <= 20; ++point) {
        measured.depth.push_back(0.08 * point);
        measured.value.push_back(
            profileValueAt(run.depth, run.carbon, 0.08 * point).value_or(given.data.steelCarbon));
    }
    double seconds = 0;
    std::int64_t fits = 0;
    int trials = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        const ProfileFitResult result =
            fitProfile(given, measured, FittedValues::BetaAndPotential, quiet);
        seconds += cpuSeconds() - start;
        ++fits;
        trials = result.trials;
        if (result.status != ProfileFitResult::Status::Fitted) {
            state.SkipWithError(result.reason.c_str());
            return;
        }
    }
    state.counters["cpu_ms"] = seconds * 1e3 / static_cast<double>(fits);
    state.counters["trial_runs"] = trials;
}

BENCHMARK(designSemiInfinite)->Unit(benchmark::kMillisecond);
BENCHMARK(lowPressureDesign)->Unit(benchmark::kMillisecond);
BENCHMARK(designCylinder30mm)->Unit(benchmark::kMillisecond);
BENCHMARK(foilFit)->Unit(benchmark::kMillisecond);
BENCHMARK(profileFitTwoValues)->Unit(benchmark::kMillisecond);

} // namespace

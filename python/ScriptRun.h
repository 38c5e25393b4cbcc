#pragma once
// Runs of a process from a script: in memory, or to the files tavcalc --run writes.

#include "Computation.h"
#include "ScriptProcess.h"
#include "SeriesReaders.h"

#include <pybind11/numpy.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

class Gruba;

pybind11::array_t<double> array(std::span<const double> values);

// The final profiles: carbon over the profile's depths, hardness over its own sampled depths.
// With a hardness from the quench, the retained austenite over the hardness profile's depths;
// with carbides, the cementite (mass %) over the carbon profile's depths.
struct Profile {
    pybind11::array_t<double> x, carbon, hardnessX, hardness, austenite;
    std::optional<pybind11::array_t<double>> carbide;
};

struct TimeSeries {
    pybind11::array_t<double> t, values;
};

// The texts of a run's result files, as the files hold them (the main file with its head); the
// cementite file's only with carbides.
struct ResultTexts {
    std::string main, surface, hardness, mass;
    std::optional<std::string> carbide;
};

// The series of those texts: the final profiles, and the surface carbon and mass over time.
struct ResultSeries {
    explicit ResultSeries(const ResultTexts& texts);
    std::vector<double> carbonX, carbon, hardnessX, hardness;
    std::optional<std::vector<double>> carbide; // on carbonX
    T_XY surface;
    T_New_XY mass;
};

// What a run leaves: the final values of the sample, and the series as the files hold them.
// The files' texts are read only when a series is first asked for: a sweep that wants a few
// final values costs what the computation costs.
class Result {
public:
    Result(KeptRun run, ResultTexts files, SampleShape kind)
        : kept(std::move(run)), texts(std::move(files)), shape(kind) {}

    double surfaceCarbon() const;     // % C
    double massGain() const;          // g/m² (cylinder and wire: g per m length)
    double depth(double level) const; // mm, where the carbon falls to `level` % C
    double chd(double limit) const;   // mm, where the hardness falls from `limit` HV
    Profile profile() const;
    // The hardness at the end: of the surface and of the core (HV), and with a hardness from
    // the quench, the retained austenite at the surface (%) and its Ms (°C).
    double surfaceHardness() const;
    std::optional<double> coreHardness() const;
    std::optional<double> surfaceAustenite() const;
    std::optional<double> surfaceMs() const;
    TimeSeries surfaceSeries() const;
    TimeSeries massSeries() const;

    std::vector<std::string> warnings; // saturation of austenite

private:
    const Gruba& sample() const;
    // The last hardness block; a kind without one raises ValueError.
    const CaseHardness& finalHardness() const;
    // Called with the GIL held, which keeps two threads from reading the texts at once.
    const ResultSeries& series() const;

    KeptRun kept;
    ResultTexts texts;
    SampleShape shape;
    mutable std::optional<ResultSeries> parsed;
};

// Both touch no Python object: callers run them without the GIL (interruptible).
// In memory: no file is opened, written or deleted. `stageEnds` as Parametry takes them (empty:
// every row ends a stage).
Result runInMemory(const Process& process, RunObserver& observer,
                   const std::vector<bool>& stageEnds = {});
// As `tavcalc --run` runs a file: the set claimed in the in-use list (a set another run has
// raises RunError with tavcalc's message), the process data written to `path`, then read back
// by the computation, which writes the result files beside it. The process's own path is the
// caller's to set, with the GIL held.
Result runToFiles(const Process& process, const std::string& path, RunObserver& observer);

// The Python module `tavrix`: processes built in code or read from files, runs in memory with
// their results as NumPy arrays, and the ordinary result files on request.

#include "Computation.h"
#include "FoilFit.h"
#include "Gruba.h"
#include "KindTraits.h"
#include "Parametry.h"
#include "ProcessCheck.h"
#include "ProgrammeDesign.h"
#include "ResultStreams.h"
#include "Saturation.h"
#include "SeriesReaders.h"
#include "SetNames.h"
#include "Steruj.h"
#include "UnfinishedRun.h"

#include <pybind11/numpy.h>
#include <pybind11/operators.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace py = pybind11;

namespace {

// The names scripts give the shapes, beside the ones the files hold.
const std::map<std::string, SampleShape, std::less<>> scriptShapeNames{
    {"semi-infinite", SampleShape::SemiInfinite},
    {"plate", SampleShape::Plate},
    {"foil", SampleShape::Foil},
    {"cylinder", SampleShape::Cylinder},
    {"wire", SampleShape::Wire}};

constexpr std::array<const char*, 5> alloyNames{"Cr", "Mo", "Mn", "Si", "Ni"}; // file order

class ProcessError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
class RunError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
class WriteError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
class UnreachableError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

SampleShape shapeNamed(const std::string& name) {
    if (const auto found = scriptShapeNames.find(name); found != scriptShapeNames.end())
        return found->second;
    if (const auto shape = shapeFromName(name))
        return *shape;
    throw ProcessError("unknown shape \"" + name +
                       "\": semi-infinite, plate, foil, cylinder or wire");
}

std::string scriptName(SampleShape shape) {
    for (const auto& [name, named] : scriptShapeNames)
        if (named == shape)
            return name;
    return {};
}

// The batch run's refusal of the data, as it prints it.
void refuseUnlessValid(const ProcessRecord& record) {
    if (const auto problem = checkProcessValues(record.data, record.shape, record.thickness))
        throw ProcessError(problem->field + " " + problem->rule);
}

// A process: the record a process-data file's head holds, every number as the file keeps it
// (six significant digits), so that a process and its file compute the same.
class Process {
public:
    Process(double steelCarbon, double beta, const std::map<std::string, double>& alloy,
            const std::string& shape, const std::vector<std::tuple<double, double, double>>& stages,
            std::optional<double> thickness) {
        record.data.steelCarbon = asWritten(steelCarbon);
        record.data.transferCoefficient = asWritten(beta);
        for (const auto& [element, content] : alloy) {
            const auto* slot = std::find(alloyNames.begin(), alloyNames.end(), element);
            if (slot == alloyNames.end())
                throw ProcessError("unknown alloying element \"" + element +
                                   "\": Cr, Mo, Mn, Si or Ni");
            record.data.alloy[static_cast<std::size_t>(slot - alloyNames.begin())] =
                asWritten(content);
        }
        if (stages.size() > maxStages)
            throw ProcessError("stages: at most " + std::to_string(maxStages) + " rows");
        for (const auto& [time, temperature, potential] : stages) {
            record.data.times.push_back(asWritten(time));
            record.data.temperatures.push_back(asWritten(temperature));
            record.data.potentials.push_back(asWritten(potential));
        }
        record.shape = shapeNamed(shape);
        if (thickness)
            record.thickness = asWritten(*thickness);
        refuseUnlessValid(record);
    }
    explicit Process(ProcessRecord read, std::optional<std::string> file = std::nullopt)
        : record(std::move(read)), path(std::move(file)) {}

    static Process read(const std::string& file) {
        const std::optional<std::string> text = wholeFile(file);
        if (!text)
            throw ProcessError(file + ": cannot be opened");
        const HeadReading reading = readCheckedProcessHead(*text);
        if (!reading.head)
            throw ProcessError(file + ": " + reading.problem.field + " " + reading.problem.rule);
        return Process(*reading.head, file);
    }

    // The dialog's values that write this process's file.
    ProcessForm form() const {
        ProcessForm form;
        form.steelCarbon = record.data.steelCarbon;
        form.transferCoefficient = record.data.transferCoefficient;
        form.cr = record.data.alloy[0];
        form.mo = record.data.alloy[1];
        form.mn = record.data.alloy[2];
        form.si = record.data.alloy[3];
        form.ni = record.data.alloy[4];
        form.thickness = record.thickness;
        for (std::size_t row = 0; row < record.data.times.size(); ++row) {
            form.time[row] = record.data.times[row];
            form.temperature[row] = record.data.temperatures[row];
            form.potential[row] = record.data.potentials[row];
        }
        return form;
    }

    // The file's head, as the calculation window writes it.
    std::string text() const { return processDataText(form(), shapeName(record.shape)); }

    void write(const std::string& file) {
        if (!writeProcessData(file, form(), shapeName(record.shape)))
            throw WriteError(file + ": cannot be written");
        path = file;
    }

    std::map<std::string, double> alloy() const {
        std::map<std::string, double> contents;
        for (std::size_t i = 0; i < alloyNames.size(); ++i)
            contents[alloyNames[i]] = record.data.alloy[i];
        return contents;
    }
    std::vector<std::tuple<double, double, double>> stages() const {
        std::vector<std::tuple<double, double, double>> rows;
        for (std::size_t row = 0; row < record.data.times.size(); ++row)
            rows.emplace_back(record.data.times[row], record.data.temperatures[row],
                              record.data.potentials[row]);
        return rows;
    }
    std::optional<double> thickness() const {
        if (kindTraits(record.shape).size == SampleSize::None)
            return std::nullopt;
        return record.thickness;
    }
    bool operator==(const Process& other) const { return text() == other.text(); }

    ProcessRecord record;
    std::optional<std::string> path; // the file it was read from or written to
};

py::array_t<double> array(std::span<const double> values) {
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

// The final profiles: carbon over the profile's depths, hardness over its own sampled depths.
struct Profile {
    py::array_t<double> x, carbon, hardnessX, hardness;
};

struct TimeSeries {
    py::array_t<double> t, values;
};

// The last block of a profile file, or nothing when the file holds none.
std::pair<std::vector<double>, std::vector<double>> lastProfile(const TWyniki& profiles) {
    if (profiles.profileCount() == 0)
        return {};
    const std::span<const double> values = profiles.profile(profiles.profileCount() - 1);
    const std::span<const double> grid = profiles.grid();
    return {std::vector<double>(grid.begin(), grid.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                 grid.size(), values.size()))),
            std::vector<double>(values.begin(), values.end())};
}

// The texts of a run's result files, as the files hold them (the main file with its head).
struct ResultTexts {
    std::string main, surface, hardness, mass;
};

// The series of those texts: the final profiles, and the surface carbon and mass over time.
struct ResultSeries {
    explicit ResultSeries(const ResultTexts& texts) {
        std::istringstream mainIn(texts.main);
        TWyniki carbonProfiles;
        readCarbonFile(mainIn, carbonProfiles);
        std::tie(carbonX, carbon) = lastProfile(carbonProfiles);
        std::istringstream hardnessIn(texts.hardness);
        TWyniki hardnessProfiles;
        readHardnessFile(hardnessIn, hardnessProfiles);
        std::tie(hardnessX, hardness) = lastProfile(hardnessProfiles);
        std::istringstream surfaceIn(texts.surface);
        readSurfaceFile(surfaceIn, surface);
        std::istringstream massIn(texts.mass);
        TOpis_XY captions;
        TSkala scale;
        readXYFile(massIn, captions, scale, mass);
    }
    std::vector<double> carbonX, carbon, hardnessX, hardness;
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

    const Gruba& sample() const { return kept.controller->sample(); }
    double surfaceCarbon() const { return sample().carbon()[1]; }
    double massGain() const { return sample().massGain(); }
    double depth(double level) const { return sample().oblGrub(level) * 0.001; }

    double chd(double limit) const {
        const std::span<const ResultFile> files = kindTraits(shape).resultFiles;
        if (std::ranges::find(files, ResultFile::Hardness) == files.end())
            throw py::value_error("a " + scriptName(shape) +
                                  " has no hardness profile: chd needs a semi-infinite sample, a "
                                  "plate or a cylinder");
        const std::vector<double>& x = series().hardnessX;
        const std::vector<double>& hardness = series().hardness;
        for (std::size_t i = 0; i < hardness.size(); ++i) {
            if (hardness[i] >= limit)
                continue;
            if (i == 0)
                return 0.0;
            return x[i - 1] +
                   (limit - hardness[i - 1]) * (x[i] - x[i - 1]) / (hardness[i] - hardness[i - 1]);
        }
        throw py::value_error("the hardness stays above " + std::to_string(limit) +
                              " HV as far as the hardness profile reaches");
    }

    Profile profile() const {
        const ResultSeries& series = this->series();
        return {array(series.carbonX), array(series.carbon), array(series.hardnessX),
                array(series.hardness)};
    }
    TimeSeries surfaceSeries() const {
        return {array(series().surface.x()), array(series().surface.y())};
    }
    TimeSeries massSeries() const { return {array(series().mass.x()), array(series().mass.y())}; }

    std::vector<std::string> warnings;

private:
    // Called with the GIL held, which keeps two threads from reading the texts at once.
    const ResultSeries& series() const {
        if (!parsed)
            parsed.emplace(texts);
        return *parsed;
    }

    KeptRun kept;
    ResultTexts texts;
    SampleShape shape;
    mutable std::optional<ResultSeries> parsed;
};

void raiseUnlessFinished(const RunOutcome& outcome) {
    if (outcome.status == RunStatus::Failed)
        throw RunError(outcome.error);
    if (outcome.status == RunStatus::Cancelled)
        throw RunError("the run was cancelled");
}

// Lets Ctrl-C stop a computation started from the main thread, where Python runs its signal
// handlers: every so many steps it takes the GIL for a moment and lets them run. A handler that
// raises (KeyboardInterrupt) cancels the computation; its exception stays set, to be raised.
// Other threads never take the GIL here, so that a sweep in threads keeps running in parallel.
class InterruptWatch : public RunObserver {
public:
    // Made while the GIL is held.
    InterruptWatch() {
        const auto threading = py::module_::import("threading");
        watching_ = threading.attr("main_thread")().is(threading.attr("current_thread")());
    }
    void setProgress(int /*percent*/) override {}
    bool cancelRequested() override {
        if (interrupted_ || !watching_ || ++steps_ % stepsBetweenChecks != 0)
            return interrupted_;
        const py::gil_scoped_acquire python;
        interrupted_ = PyErr_CheckSignals() != 0;
        return interrupted_;
    }
    // With the GIL held again: raises what the signal handler raised, if it did.
    void raiseIfInterrupted() const {
        if (interrupted_)
            throw py::error_already_set();
    }

private:
    // A thousand steps are a few milliseconds of the slowest sample's computation; the check
    // costs well under a microsecond.
    static constexpr unsigned stepsBetweenChecks = 1024;
    bool watching_ = false;
    bool interrupted_ = false;
    unsigned steps_ = 0;
};

// Runs `compute` without the GIL, watched for Ctrl-C; a Ctrl-C raises KeyboardInterrupt.
template <typename Compute> auto interruptible(Compute compute) {
    InterruptWatch watch;
    auto computed = [&] {
        try {
            const py::gil_scoped_release computing;
            return compute(static_cast<RunObserver&>(watch));
        } catch (...) {
            watch.raiseIfInterrupted(); // the cancel's own error gives way to the interrupt
            throw;
        }
    }();
    watch.raiseIfInterrupted();
    return computed;
}

// The runs, the design and the fit touch no Python object while they compute: the GIL is
// released, so threads run them in parallel.

// In memory: no file is opened, written or deleted.
Result runInMemory(const Process& process, RunObserver& observer) {
    MemoryStreams streams;
    KeptRun kept = runKept(Parametry(process.record, {}), observer, streams);
    raiseUnlessFinished(kept.outcome);
    const std::vector<double> rows = kept.outcome.surfaceAtRows;
    Result result(std::move(kept),
                  {process.text() + streams.text(), streams.text(ResultFile::Surface),
                   streams.text(ResultFile::Hardness), streams.text(ResultFile::Mass)},
                  process.record.shape);
    result.warnings = saturationWarnings(process.record.data, rows);
    return result;
}

// As `tavcalc --run` runs a file: the process data written to `path`, then read back by the
// computation, which writes the result files beside it.
Result runToFiles(Process& process, const std::string& path, RunObserver& observer) {
    process.write(path);
    const std::string head = process.text();
    ResultStreams streams;
    KeptRun kept = runKept(Parametry(path), observer, streams);
    if (kept.outcome.status != RunStatus::Finished)
        leaveUnfinishedRun(path, kept.outcome.status, head, CancelledInput::Kept);
    raiseUnlessFinished(kept.outcome);
    const auto fileText = [&path](std::optional<ResultFile> file) {
        return wholeFile(file ? resultFileName(path, extension(*file)) : path).value_or("");
    };
    const std::vector<double> rows = kept.outcome.surfaceAtRows;
    Result result(std::move(kept),
                  {fileText(std::nullopt), fileText(ResultFile::Surface),
                   fileText(ResultFile::Hardness), fileText(ResultFile::Mass)},
                  process.record.shape);
    result.warnings = saturationWarnings(process.record.data, rows);
    return result;
}

// A designed programme and what it achieves.
struct Design {
    Process process;
    double depth = 0;   // mm
    double surface = 0; // % C
    bool depthMet = false;
    bool surfaceMet = false;
    std::string shortfall;
    int trials = 0;
    std::vector<std::string> warnings;
};

// The design as `tavcalc --design` asks for it, with the same defaults: the carburizing
// temperature and boost potential of the process's first row.
DesignRequest designRequest(const Process& process, double depth, double level,
                            std::optional<double> surface,
                            std::optional<std::pair<double, double>> hardening,
                            std::optional<double> temperature, std::optional<double> boost,
                            std::optional<double> diffuse, double step) {
    DesignRequest request;
    request.steel = process.form();
    request.shape = process.record.shape;
    request.celsius = temperature.value_or(process.record.data.temperatures.at(0));
    request.boost = boost.value_or(process.record.data.potentials.at(0));
    request.depth = depth;
    request.level = level;
    request.surface = surface;
    if (diffuse && !surface)
        throw ProcessError("diffuse needs surface");
    request.diffuse = diffuse;
    if (hardening)
        request.hardening = HardeningStage{hardening->first, hardening->second};
    request.step = step;
    return request;
}

// What the design found, or its refusal as `tavcalc --design` words it.
Design designed(const DesignResult& result, SampleShape shape) {
    switch (result.status) {
    case DesignResult::Status::Designed:
        break;
    case DesignResult::Status::Refused:
        throw ProcessError("refused: " + result.reason);
    case DesignResult::Status::Unreachable:
        throw UnreachableError("the targets cannot be met: " + result.reason);
    case DesignResult::Status::Cancelled:
        throw RunError("design cancelled");
    case DesignResult::Status::Failed:
        throw RunError(result.reason);
    }
    return {Process(writtenRecord(result.form, shape)),
            result.depth,
            result.surface,
            result.depthMet,
            result.surfaceMet,
            result.shortfall,
            result.trials,
            result.warnings};
}

// A foil test's transfer coefficient, and the test's process with it.
struct BetaFit {
    Process process;
    double beta = 0;        // cm/s
    double uniformBeta = 0; // cm/s
    double meanCarbon = 0;  // % C
    int trials = 0;
    bool nearSaturation = false;
};

// What the fit found, or its refusal as `tavcalc --fit-beta` words it.
BetaFit fitted(const FoilFitResult& result, const Process& test) {
    switch (result.status) {
    case FoilFitResult::Status::Fitted:
        break;
    case FoilFitResult::Status::Refused:
        throw ProcessError("refused: " + result.reason);
    case FoilFitResult::Status::Cancelled:
    case FoilFitResult::Status::Failed:
        throw RunError("fit stopped " + result.reason);
    }
    ProcessRecord record = test.record;
    record.data.transferCoefficient = asWritten(result.beta);
    return {Process(std::move(record)), result.beta,   result.uniformBeta,
            result.meanCarbon,          result.trials, result.nearSaturation};
}

} // namespace

PYBIND11_MODULE(tavrix, module) {
    module.doc() = "The Tavrix carburizing computation: processes, runs in memory, result files.";
    py::register_exception<ProcessError>(module, "ProcessError", PyExc_ValueError);
    py::register_exception<RunError>(module, "RunError", PyExc_RuntimeError);
    py::register_exception<WriteError>(module, "WriteError", PyExc_OSError);
    py::register_exception<UnreachableError>(module, "UnreachableError", PyExc_ValueError);

    py::class_<Process>(module, "Process",
                        R"(A carburizing process, as a process-data file holds it.

steel_carbon: % C; beta: carbon transfer coefficient, cm/s; alloy: % of Cr, Mo, Mn, Si, Ni
(missing ones 0); shape: "semi-infinite", "plate", "foil", "cylinder" or "wire" (or the file's
names); stages: up to 10 rows (time, temperature, potential): h (s for a foil or wire), deg C,
% C, the first at time 0; thickness: mm, plate or foil thickness, cylinder or wire diameter.
Numbers are kept with the six significant digits a file keeps. Invalid data raise ProcessError
with the message tavcalc --run prints.)")
        .def(py::init<double, double, const std::map<std::string, double>&, const std::string&,
                      const std::vector<std::tuple<double, double, double>>&,
                      std::optional<double>>(),
             py::arg("steel_carbon"), py::arg("beta"),
             py::arg("alloy") = std::map<std::string, double>{}, py::arg("shape"),
             py::arg("stages"), py::arg("thickness") = py::none())
        .def_static("read", &Process::read, py::arg("path"),
                    "Reads the head of a process-data file (*.tav).")
        .def("write", &Process::write, py::arg("path"),
             "Writes the process-data file, as the calculation window does.")
        .def_property_readonly("steel_carbon",
                               [](const Process& p) { return p.record.data.steelCarbon; })
        .def_property_readonly("beta",
                               [](const Process& p) { return p.record.data.transferCoefficient; })
        .def_property_readonly("alloy", &Process::alloy)
        .def_property_readonly("shape", [](const Process& p) { return scriptName(p.record.shape); })
        .def_property_readonly("stages", &Process::stages)
        .def_property_readonly("thickness", &Process::thickness)
        .def_property_readonly("path", [](const Process& p) { return p.path; })
        .def("text", &Process::text, "The process-data file's text.")
        .def(py::self == py::self)
        .def("__repr__", [](const Process& p) {
            return "<tavrix.Process " + scriptName(p.record.shape) + ">";
        });

    py::class_<Profile>(module, "Profile", "The profiles at the end of the programme.")
        .def_readonly("x", &Profile::x, "depth of the carbon profile's nodes, mm")
        .def_readonly("carbon", &Profile::carbon, "carbon, % C")
        .def_readonly("hardness_x", &Profile::hardnessX,
                      "depth of the hardness profile's points, mm (while the carbon exceeds the "
                      "steel's by 0.01 % C)")
        .def_readonly("hardness", &Profile::hardness, "hardness, HV");
    py::class_<TimeSeries>(module, "TimeSeries", "A series over the process time.")
        .def_readonly("t", &TimeSeries::t, "time, h (s for a foil or wire)")
        .def_readonly("values", &TimeSeries::values)
        .def_property_readonly(
            "carbon", [](const TimeSeries& s) { return s.values; }, "surface carbon, % C");

    py::class_<Result>(module, "Result", "A finished run.")
        .def_property_readonly("surface_carbon", &Result::surfaceCarbon,
                               "surface carbon at the end, % C")
        .def_property_readonly("mass_gain", &Result::massGain,
                               "carbon mass gained, g/m^2 (cylinder and wire: g per m length)")
        .def("depth", &Result::depth, py::arg("level"),
             "depth at which the final carbon falls to level (% C), mm")
        .def("chd", &Result::chd, py::arg("limit"),
             "hardness case depth: where the final hardness falls to limit (HV), mm, linear "
             "between points")
        .def_property_readonly("profile", &Result::profile)
        .def_property_readonly("surface", &Result::surfaceSeries,
                               "surface carbon over time, as the files hold it")
        .def_property_readonly("mass", &Result::massSeries, "mass gain over time")
        .def_readonly("warnings", &Result::warnings, "surface saturation warnings");

    module.def(
        "run",
        [](Process& process, py::object write) {
            std::optional<std::string> path;
            if (py::isinstance<py::bool_>(write)) {
                if (write.cast<bool>() && !process.path)
                    throw ProcessError("the process has no file: run(p, write=\"name.tav\")");
                if (write.cast<bool>())
                    path = process.path;
            } else if (!write.is_none()) {
                path = py::str(write).cast<std::string>();
            }
            return interruptible([&](RunObserver& observer) {
                return path ? runToFiles(process, *path, observer) : runInMemory(process, observer);
            });
        },
        py::arg("process"), py::arg("write") = false,
        R"(Runs the process. Without write, in memory: no file is written. write=True writes the
process-data file at the process's path and the result files beside it, as tavcalc --run does;
write="name.tav" names the file. A failed run raises RunError with tavcalc's message; Ctrl-C
stops the run with KeyboardInterrupt.)");

    py::class_<Design>(module, "Design", "A designed furnace programme and what it achieves.")
        .def_readonly("process", &Design::process,
                      "the process with the designed programme in its stages")
        .def_readonly("depth", &Design::depth, "achieved case depth at the level, mm")
        .def_readonly("surface", &Design::surface, "achieved surface carbon at the end, % C")
        .def_readonly("depth_met", &Design::depthMet, "the depth is within its tolerance")
        .def_readonly("surface_met", &Design::surfaceMet,
                      "the surface is within its tolerance (True without a surface target)")
        .def_readonly("shortfall", &Design::shortfall,
                      "which target the programme misses and why; empty when both are met")
        .def_readonly("trials", &Design::trials, "trial runs the design needed")
        .def_readonly("warnings", &Design::warnings, "saturation of austenite");

    const DesignRequest defaults;
    module.def(
        "design",
        [](const Process& process, double depth, double level, std::optional<double> surface,
           std::optional<std::pair<double, double>> hardening, std::optional<double> temperature,
           std::optional<double> boost, std::optional<double> diffuse, double step) {
            const DesignRequest request = designRequest(process, depth, level, surface, hardening,
                                                        temperature, boost, diffuse, step);
            return designed(interruptible([&](RunObserver& observer) {
                                return designProgramme(request, observer);
                            }),
                            request.shape);
        },
        py::arg("process"), py::kw_only(), py::arg("depth"), py::arg("level") = defaults.level,
        py::arg("surface") = py::none(), py::arg("hardening") = py::none(),
        py::arg("temperature") = py::none(), py::arg("boost") = py::none(),
        py::arg("diffuse") = py::none(), py::arg("step") = defaults.step,
        R"(Designs the furnace programme that gives the case asked for, as tavcalc --design does.

The process gives the steel, shape and thickness; its stages only the defaults of temperature
and boost (its first row). depth: mm, case depth at level (% C) at the end; surface: % C at the
end (a boost and a diffuse stage; without it one boost stage); hardening: (temperature deg C,
duration h) of a final stage cooling to the hardening temperature; temperature: carburizing
temperature, deg C; boost, diffuse: potentials, % C (diffuse defaults to the surface target);
step: the furnace timer's step, h. Returns a Design; a programme that misses a target within
tolerance is returned with depth_met or surface_met False and the shortfall named. Input wrong in
itself raises ProcessError, targets no programme meets UnreachableError, with tavcalc's
message; Ctrl-C raises KeyboardInterrupt.)");

    py::class_<BetaFit>(module, "BetaFit", "The transfer coefficient a foil test gives.")
        .def_readonly("process", &BetaFit::process, "the test's process with the fitted beta")
        .def_readonly("beta", &BetaFit::beta,
                      "transfer coefficient, cm/s, for which the computed mean carbon at the end "
                      "equals the measured")
        .def_readonly("uniform_beta", &BetaFit::uniformBeta,
                      "cm/s, by the formula that takes the section as carburized uniformly "
                      "(reads low; for comparison)")
        .def_readonly("mean_carbon", &BetaFit::meanCarbon, "computed mean carbon with beta, % C")
        .def_readonly("trials", &BetaFit::trials, "trial runs the fit needed")
        .def_readonly("near_saturation", &BetaFit::nearSaturation,
                      "the measurement came so near the potential that beta is poorly determined")
        .def_property_readonly(
            "note",
            [](const BetaFit& fit) {
                return fit.nearSaturation ? std::string(nearSaturationNote) : std::string();
            },
            "what tavcalc --fit-beta adds when near_saturation; else empty");

    module.def(
        "fit_beta",
        [](const Process& test, double carbon) {
            return fitted(interruptible([&](RunObserver& observer) {
                              return fitTransferCoefficient(test.form(), test.record.shape, carbon,
                                                            observer);
                          }),
                          test);
        },
        py::arg("process"), py::kw_only(), py::arg("carbon"),
        R"(The carbon transfer coefficient from a foil test, as tavcalc --fit-beta finds it.

process: the test as it was run (a foil or a wire; its beta is only where the search
starts); carbon: the carbon content measured after it, % C. Returns a BetaFit. A measurement no
coefficient explains raises ProcessError with tavcalc's message; Ctrl-C raises
KeyboardInterrupt.)");
}

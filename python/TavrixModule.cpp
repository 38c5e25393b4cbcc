// The Python module `tavrix`: processes built in code or read from files, runs in memory with
// their results as NumPy arrays, and the ordinary result files on request.

#include "Computation.h"
#include "Gruba.h"
#include "KindTraits.h"
#include "Parametry.h"
#include "ProcessCheck.h"
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
    explicit Process(ProcessRecord read, std::string file)
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

    // The file's head, as the calculation window writes it.
    std::string text() const { return processDataText(record); }

    void write(const std::string& file) {
        if (!writeProcessData(file, record))
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

// What a run leaves: the final values of the sample, and the series as the files hold them.
class Result {
public:
    Result(KeptRun run, const std::string& mainText, const std::string& surfaceText,
           const std::string& hardnessText, const std::string& massText, SampleShape kind)
        : kept(std::move(run)), shape(kind) {
        std::istringstream mainIn(mainText);
        TWyniki carbonProfiles;
        readCarbonFile(mainIn, carbonProfiles);
        std::tie(carbonX, carbon) = lastProfile(carbonProfiles);
        std::istringstream hardnessIn(hardnessText);
        TWyniki hardnessProfiles;
        readHardnessFile(hardnessIn, hardnessProfiles);
        std::tie(hardnessX, hardness) = lastProfile(hardnessProfiles);
        std::istringstream surfaceIn(surfaceText);
        readSurfaceFile(surfaceIn, surface);
        std::istringstream massIn(massText);
        TOpis_XY captions;
        TSkala scale;
        readXYFile(massIn, captions, scale, mass);
    }

    const Gruba& sample() const { return kept.controller->sample(); }
    double surfaceCarbon() const { return sample().carbon()[1]; }
    double massGain() const { return sample().massGain(); }
    double depth(double level) const { return sample().oblGrub(level) * 0.001; }

    double chd(double limit) const {
        const std::span<const ResultFile> files = kindTraits(shape).resultFiles;
        if (std::ranges::find(files, ResultFile::Hardness) != files.end()) {
            for (std::size_t i = 0; i < hardness.size(); ++i) {
                if (hardness[i] >= limit)
                    continue;
                if (i == 0)
                    return 0.0;
                return hardnessX[i - 1] + (limit - hardness[i - 1]) *
                                              (hardnessX[i] - hardnessX[i - 1]) /
                                              (hardness[i] - hardness[i - 1]);
            }
            throw py::value_error("the hardness stays above " + std::to_string(limit) +
                                  " HV as far as the hardness profile reaches");
        }
        throw py::value_error("a " + scriptName(shape) +
                              " has no hardness profile: chd needs a semi-infinite sample, a "
                              "plate or a cylinder");
    }

    Profile profile() const {
        return {array(carbonX), array(carbon), array(hardnessX), array(hardness)};
    }
    TimeSeries surfaceSeries() const { return {array(surface.x()), array(surface.y())}; }
    TimeSeries massSeries() const { return {array(mass.x()), array(mass.y())}; }

    std::vector<std::string> warnings;

private:
    KeptRun kept;
    SampleShape shape;
    std::vector<double> carbonX, carbon, hardnessX, hardness;
    T_XY surface;
    T_New_XY mass;
};

void raiseUnlessFinished(const RunOutcome& outcome) {
    if (outcome.status == RunStatus::Failed)
        throw RunError(outcome.error);
    if (outcome.status == RunStatus::Cancelled)
        throw RunError("the run was cancelled");
}

class SilentRun : public RunObserver {
public:
    void setProgress(int /*percent*/) override {}
};

// Both runs touch no Python object: callers release the GIL, so threads run them in parallel.

// In memory: no file is opened, written or deleted.
Result runInMemory(const Process& process) {
    MemoryStreams streams;
    SilentRun observer;
    KeptRun kept = runKept(Parametry(process.record, {}), observer, streams);
    raiseUnlessFinished(kept.outcome);
    const std::vector<double> rows = kept.outcome.surfaceAtRows;
    Result result(std::move(kept), process.text() + streams.text(),
                  streams.text(ResultFile::Surface), streams.text(ResultFile::Hardness),
                  streams.text(ResultFile::Mass), process.record.shape);
    result.warnings = saturationWarnings(process.record.data, rows);
    return result;
}

// As `tavcalc --run` runs a file: the process data written to `path`, then read back by the
// computation, which writes the result files beside it.
Result runToFiles(Process& process, const std::string& path) {
    process.write(path);
    const std::string head = process.text();
    ResultStreams streams;
    SilentRun observer;
    KeptRun kept = runKept(Parametry(path), observer, streams);
    if (kept.outcome.status != RunStatus::Finished)
        leaveUnfinishedRun(path, kept.outcome.status, head, CancelledInput::Kept);
    raiseUnlessFinished(kept.outcome);
    const auto fileText = [&path](std::optional<ResultFile> file) {
        return wholeFile(file ? resultFileName(path, extension(*file)) : path).value_or("");
    };
    const std::vector<double> rows = kept.outcome.surfaceAtRows;
    Result result(std::move(kept), fileText(std::nullopt), fileText(ResultFile::Surface),
                  fileText(ResultFile::Hardness), fileText(ResultFile::Mass), process.record.shape);
    result.warnings = saturationWarnings(process.record.data, rows);
    return result;
}

} // namespace

PYBIND11_MODULE(tavrix, module) {
    module.doc() = "The Tavrix carburizing computation: processes, runs in memory, result files.";
    py::register_exception<ProcessError>(module, "ProcessError", PyExc_ValueError);
    py::register_exception<RunError>(module, "RunError", PyExc_RuntimeError);
    py::register_exception<WriteError>(module, "WriteError", PyExc_OSError);

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
            const py::gil_scoped_release computing;
            return path ? runToFiles(process, *path) : runInMemory(process);
        },
        py::arg("process"), py::arg("write") = false,
        R"(Runs the process. Without write, in memory: no file is written. write=True writes the
process-data file at the process's path and the result files beside it, as tavcalc --run does;
write="name.tav" names the file. A failed run raises RunError with tavcalc's message.)");
}

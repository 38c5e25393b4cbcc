// The Python module `tavrix`: processes built in code or read from files, runs in memory with
// their results as NumPy arrays, the ordinary result files on request, and the searches over
// trial runs (design and fits). Only the bindings are here.

#include "Interrupt.h"
#include "ProfileMeasures.h"
#include "ScriptErrors.h"
#include "ScriptFurnace.h"
#include "ScriptProcess.h"
#include "ScriptRun.h"
#include "ScriptSearches.h"

#include <pybind11/numpy.h>
#include <pybind11/operators.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace {

// An instrument's reading of the gas: none where it soots.
std::optional<double> readingIfCarbon(const Potential& potential, double reading) {
    return potential.state.potential ? std::optional(reading) : std::nullopt;
}

// The cementite of a run with carbides, on the Profile bound before.
void bindCarbideProfile(py::module_& module) {
    auto profile = py::reinterpret_borrow<py::class_<Profile>>(module.attr("Profile"));
    profile.def_readonly("carbide", &Profile::carbide,
                         "cementite at the carbon profile's depths, mass %, with carbides (else "
                         "None)");
}

// A settings line's value as the file writes it, or None: the hardness model's lines.
struct SettingProperty {
    const char* name;
    const char* doc;
};
constexpr std::array settingProperties{
    SettingProperty{
        "quench", "the quench line: medium (oil, water, polymer, salt, gas), bath deg C, "
                  "optionally \"H\" and the severity and \"section\" and the size in mm; None: the "
                  "grade curves give the hardness"},
    SettingProperty{"temper", "the tempering: deg C and hours (\"180 2\"), or None"},
    SettingProperty{"cryo",
                    "the sub-zero treatment after the quench, deg C as text (\"-196\"), or None"},
    SettingProperty{"chemistry", "elements beyond Cr, Mo, Mn, Si, Ni (\"Cu 0.10 V 0.05\", "
                                 "optionally \"grain 8\"), or None"},
    SettingProperty{"grade", "the steel's name (\"16MnCr5\"), or None"},
};

void bindSettings(py::class_<Process>& process) {
    for (const SettingProperty& property : settingProperties) {
        const std::string name = property.name;
        process.def_property(
            property.name, [name](const Process& p) { return p.setting(name); },
            [name](Process& p, const std::optional<std::string>& value) {
                p.setSetting(name, value);
            },
            property.doc);
    }
}

// What tavcalc --fit-profile adds under a fit's values, one line each.
std::vector<std::string> fitNotes(const ProfileFit& fit) {
    std::vector<std::string> notes;
    if (fit.result.betaUndetermined)
        notes.emplace_back(undeterminedBetaNote);
    if (fit.result.offsetUndetermined)
        notes.emplace_back(undeterminedOffsetNote);
    if (fit.result.betaAtLeast)
        notes.push_back(betaFloorNote(fit.result));
    return notes;
}

// The exceptions, each a kind of the status table (ScriptErrors.h).
void bindErrors(py::module_& module) {
    py::register_exception<ProcessError>(module, "ProcessError", PyExc_ValueError);
    py::register_exception<RunError>(module, "RunError", PyExc_RuntimeError);
    py::register_exception<WriteError>(module, "WriteError", PyExc_OSError);
    py::register_exception<UnreachableError>(module, "UnreachableError", PyExc_ValueError);
}

// tavrix.Process: the process data, and its settings lines as properties.
void bindProcess(py::module_& module) {
    py::class_<Process> process(module, "Process",
                                R"(A carburizing process, as a process-data file holds it.

steel_carbon: % C; beta: carbon transfer coefficient, cm/s; alloy: % of Cr, Mo, Mn, Si, Ni
(missing ones 0); shape: "semi-infinite", "plate", "foil", "cylinder" or "wire" (or the file's
names); stages: rows (time, temperature, potential[, condition]): h (s for a foil or wire),
deg C, % C, the first at time 0, up to 10 rows (100 when a row has a condition); the condition of
the stage a row ends: "gas" (the default), "neutral" (no carbon crosses the surface), "boost"
(the surface held at saturation) or ("boost", J0) (a flux of at most J0, g/(m^2 s));
thickness: mm, plate or foil thickness, cylinder or wire diameter; diffusivity: the law of the
carbon diffusivity, "standard", "tibbetts" or "slycke-ericsson"; carbides: carbon beyond the
saturation limit forms cementite (the settings lines "diffusivity:" and "carbides: on").
Numbers are kept with the six significant digits a file keeps. Invalid data raise ProcessError
with the message tavcalc --run prints.)");
    process
        .def(py::init<double, double, const std::map<std::string, double>&, const std::string&,
                      const std::vector<py::sequence>&, std::optional<double>, const std::string&,
                      bool>(),
             py::arg("steel_carbon"), py::arg("beta"),
             py::arg("alloy") = std::map<std::string, double>{}, py::arg("shape"),
             py::arg("stages"), py::arg("thickness") = py::none(),
             py::arg("diffusivity") = "standard", py::arg("carbides") = false)
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
        .def_property_readonly("diffusivity", &Process::diffusivity)
        .def_property_readonly(
            "carbides", [](const Process& p) { return p.record.settings.carbides.value_or(false); })
        .def_property_readonly("path", [](const Process& p) { return p.path; })
        .def("text", &Process::text, "The process-data file's text.")
        .def(py::self == py::self)
        .def("__repr__", [](const Process& p) {
            return "<tavrix.Process " + scriptName(p.record.shape) + ">";
        });
    bindSettings(process);
}

// The results of a run: its final profiles and series.
void bindResults(py::module_& module) {
    py::class_<Profile>(module, "Profile", "The profiles at the end of the programme.")
        .def_readonly("x", &Profile::x, "depth of the carbon profile's nodes, mm")
        .def_readonly("carbon", &Profile::carbon, "carbon, % C")
        .def_readonly("hardness_x", &Profile::hardnessX,
                      "depth of the hardness profile's points, mm (while the carbon exceeds the "
                      "steel's by 0.01 % C)")
        .def_readonly("hardness", &Profile::hardness, "hardness, HV")
        .def_readonly("austenite", &Profile::austenite,
                      "retained austenite at the hardness profile's points, %, with a quench "
                      "(empty without)");
    bindCarbideProfile(module);
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
        .def("chd", &Result::chd, py::arg("limit") = defaultHardnessLimit,
             "hardness case depth: where the final hardness first falls from limit (HV) to below "
             "it, mm, linear between points")
        .def_property_readonly("profile", &Result::profile)
        .def_property_readonly("surface_hardness", &Result::surfaceHardness,
                               "hardness at the surface at the end, HV")
        .def_property_readonly("core_hardness", &Result::coreHardness,
                               "hardness of the steel's own carbon at the centre, HV")
        .def_property_readonly("retained_austenite", &Result::surfaceAustenite,
                               "retained austenite at the surface, %, with a quench (else None)")
        .def_property_readonly("ms", &Result::surfaceMs,
                               "martensite start at the surface, deg C, with a quench (else None)")
        .def_property_readonly("surface", &Result::surfaceSeries,
                               "surface carbon over time, as the files hold it")
        .def_property_readonly("mass", &Result::massSeries, "mass gain over time")
        .def_readonly("warnings", &Result::warnings, "surface saturation warnings");
}

// tavrix.run: in memory or to the result files.
void bindRun(py::module_& module) {
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
            Result result = interruptible([&](RunObserver& observer) {
                return path ? runToFiles(process, *path, observer) : runInMemory(process, observer);
            });
            if (path)
                process.path = *path; // with the GIL held, as every read of it is
            return result;
        },
        py::arg("process"), py::arg("write") = false,
        R"(Runs the process. Without write, in memory: no file is written. write=True writes the
process-data file at the process's path and the result files beside it, as tavcalc --run does;
write="name.tav" names the file. A set tavcalc --run refuses is refused with its message: a name
ending in a result file's extension raises ProcessError, a set another run computes RunError. A
failed run raises RunError with tavcalc's message; Ctrl-C stops the run with KeyboardInterrupt.)");
}

// Measured profiles and the fit to one.
void bindMeasured(py::module_& module) {
    py::class_<Measured>(module, "Measured", "A profile measured on a sample.")
        .def_property_readonly("quantity", &Measured::quantity, "\"carbon\" or \"hardness\"")
        .def_property_readonly(
            "depth", [](const Measured& m) { return array(m.profile.depth); }, "depth, mm")
        .def_property_readonly(
            "value", [](const Measured& m) { return array(m.profile.value); },
            "carbon, % C, or hardness, HV, one per depth")
        .def_property_readonly(
            "header", [](const Measured& m) { return m.profile.header; },
            "the file's \"#\" lines, without the \"#\"")
        .def_readonly("path", &Measured::path)
        .def("__len__", [](const Measured& m) { return m.profile.depth.size(); });
    module.def("read_measured", &Measured::read, py::arg("path"),
               R"(Reads a measured profile: optional "#" header lines, the line "depth_mm,carbon"
or "depth_mm,hardness_HV", then rows of depth (mm) and carbon (% C) or hardness (HV), separated
by commas, semicolons or tabs (a decimal comma where the separator is not a comma). A file with
a row that cannot be read raises ProcessError naming the line, as tavcalc does.)");

    module.def(
        "fit_profile", &fitToProfile, py::arg("process"), py::arg("measured"), py::kw_only(),
        py::arg("fit") = "beta",
        R"(Fits the process to a profile measured on a sample of its run, as tavcalc --fit-profile
does: the transfer coefficient (fit="beta"), or it and an offset added to every gas potential
(fit="beta,potential"), by least squares on the final profile; the process's beta is where the
search starts. measured: a Measured (read_measured). Returns a ProfileFit. A measurement the fit
cannot use raises ProcessError with tavcalc's message; Ctrl-C raises KeyboardInterrupt.)");
}

// tavrix.ProfileFit: what the fit to a measured profile found.
void bindProfileFit(py::module_& module) {
    py::class_<ProfileFit>(module, "ProfileFit", "A process fitted to a measured profile.")
        .def_readonly("process", &ProfileFit::process, "the process with the fitted values")
        .def_property_readonly(
            "beta", [](const ProfileFit& f) { return f.result.beta; },
            "fitted transfer coefficient, cm/s")
        .def_property_readonly(
            "beta_error", [](const ProfileFit& f) { return f.result.betaUncertainty; },
            "its standard error, cm/s")
        .def_property_readonly(
            "offset", [](const ProfileFit& f) { return f.result.offset; },
            "fitted offset of the gas potentials, % C; None when beta alone was fitted")
        .def_property_readonly(
            "offset_error", [](const ProfileFit& f) { return f.result.offsetUncertainty; },
            "its standard error, % C; None with beta_at_least")
        .def_property_readonly(
            "beta_at_least", [](const ProfileFit& f) { return f.result.betaAtLeast; },
            "cm/s: the profile fixes the offset but not beta, which fits from here up; else None")
        .def_property_readonly(
            "rms_before", [](const ProfileFit& f) { return f.result.rmsBefore; },
            "RMS difference with the process as given, % C or HV")
        .def_property_readonly(
            "rms_after", [](const ProfileFit& f) { return f.result.rmsAfter; },
            "RMS difference with the fitted values, % C or HV")
        .def_property_readonly(
            "used", [](const ProfileFit& f) { return f.result.used; }, "points compared")
        .def_property_readonly(
            "near_surface", [](const ProfileFit& f) { return f.result.nearSurface; },
            "hardness points nearer the surface than the hardest carbon, left out")
        .def_property_readonly(
            "beyond_sample", [](const ProfileFit& f) { return f.result.beyondSample; },
            "points deeper than the middle of the sample, left out")
        .def_property_readonly(
            "trials", [](const ProfileFit& f) { return f.result.trials; }, "trial runs")
        .def_property_readonly(
            "beta_undetermined", [](const ProfileFit& f) { return f.result.betaUndetermined; },
            "beta's standard error exceeds beta: the measurement does not determine it")
        .def_property_readonly(
            "offset_undetermined", [](const ProfileFit& f) { return f.result.offsetUndetermined; },
            "the offset's standard error exceeds 0.3 % C: the measurement does not determine it")
        .def_property_readonly("notes", &fitNotes,
                               "what tavcalc --fit-profile adds under the values, one line each; "
                               "else empty");
}

// tavrix.Design: a designed programme and what it achieves.
void bindDesignResult(py::module_& module) {
    py::class_<Design>(module, "Design", "A designed furnace programme and what it achieves.")
        .def_readonly("process", &Design::process,
                      "the process with the designed programme in its stages")
        .def_readonly("depth", &Design::depth,
                      "achieved case depth at the level (with chd: case-hardening depth), mm")
        .def_readonly("surface", &Design::surface, "achieved surface carbon at the end, % C")
        .def_readonly("depth_met", &Design::depthMet, "the depth is within its tolerance")
        .def_readonly("surface_met", &Design::surfaceMet,
                      "the surface is within its tolerance (True without a surface target)")
        .def_readonly("shortfall", &Design::shortfall,
                      "which target the programme misses and why; empty when both are met")
        .def_readonly("trials", &Design::trials, "trial runs the design needed")
        .def_readonly("warnings", &Design::warnings, "saturation of austenite")
        .def_readonly("pulses", &Design::pulses,
                      "low pressure: (boost, diffusion) of each pulse, s; the last diffusion the "
                      "final one")
        .def_readonly("saturation_limit", &Design::saturationLimit,
                      "low pressure: the carbon the boosts hold the surface at, % C");
}

// tavrix.design: the gas or low-pressure design.
void bindDesign(py::module_& module) {
    module.def(
        "design",
        [](const Process& process, std::optional<double> depth, std::optional<double> level,
           std::optional<double> chd, std::optional<double> chdLimit, std::optional<double> surface,
           std::optional<std::pair<double, double>> hardening, std::optional<double> temperature,
           std::optional<double> boost, std::optional<double> diffuse, std::optional<double> step,
           bool lowPressure, std::optional<double> minBoost, std::optional<double> limit) {
            DesignOptions options{depth,   level,       chd,         chdLimit,     surface,
                                  diffuse, boost,       temperature, std::nullopt, std::nullopt,
                                  step,    lowPressure, minBoost,    limit};
            if (hardening) {
                options.hardening = hardening->first;
                options.hardeningTime = hardening->second;
            }
            return designFor(process, options);
        },
        py::arg("process"), py::kw_only(), py::arg("depth") = py::none(),
        py::arg("level") = py::none(), py::arg("chd") = py::none(),
        py::arg("chd_limit") = py::none(), py::arg("surface") = py::none(),
        py::arg("hardening") = py::none(), py::arg("temperature") = py::none(),
        py::arg("boost") = py::none(), py::arg("diffuse") = py::none(),
        py::arg("step") = py::none(), py::arg("low_pressure") = false,
        py::arg("min_boost") = py::none(), py::arg("limit") = py::none(),
        R"(Designs the furnace programme that gives the case asked for, as tavcalc --design does.

The process gives the steel, shape and thickness; its stages only the defaults of temperature
and boost (its first row). depth: mm, case depth at level (% C, 0.35 unless given) at the end; surface: % C at the
end (a boost and a diffuse stage; without it one boost stage); chd: mm, the case-hardening
depth at chd_limit (HV, 550 unless given) instead of depth and level, for grades with a hardness
curve; hardening: (temperature deg C,
duration h) of a final stage cooling to the hardening temperature; temperature: carburizing
temperature, deg C; boost, diffuse: potentials, % C (diffuse defaults to the surface target);
step: the furnace timer's step, h (0.01 unless given). low_pressure=True designs pulses of boost
and neutral diffusion instead, as tavcalc --design --low-pressure does (surface required; no
boost, diffuse or step; min_boost: the shortest boost, s; limit: the surface carbon every boost
holds, % C, the saturation limit unless given). Returns a Design; a programme that
misses a target within tolerance is returned with depth_met or surface_met False and the
shortfall named. Input wrong in itself raises ProcessError, targets no programme meets
UnreachableError, with tavcalc's message; Ctrl-C raises KeyboardInterrupt.)");
}

// The foil test: tavrix.fit_beta and its BetaFit.
void bindBetaFit(py::module_& module) {
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

    module.def("fit_beta", &fitBeta, py::arg("process"), py::kw_only(), py::arg("carbon"),
               R"(The carbon transfer coefficient from a foil test, as tavcalc --fit-beta finds it.

process: the test as it was run (a foil or a wire; its beta is only where the search
starts); carbon: the carbon content measured after it, % C. Returns a BetaFit. A measurement no
coefficient explains raises ProcessError with tavcalc's message; Ctrl-C raises
KeyboardInterrupt.)");
}

// What a furnace reading means: tavrix.potential.
void bindPotential(py::module_& module) {
    py::class_<Potential>(module, "Potential", "What a furnace reading means.")
        .def_property_readonly(
            "potential", [](const Potential& p) { return p.state.potential; },
            "carbon potential, % C; None where the gas deposits soot")
        .def_property_readonly(
            "activity", [](const Potential& p) { return p.state.activity; },
            "carbon activity of the gas (graphite = 1)")
        .def_property_readonly(
            "soot", [](const Potential& p) { return !p.state.potential; },
            "the gas deposits soot (activity at or above 1)")
        .def_property_readonly(
            "probe", [](const Potential& p) { return readingIfCarbon(p, p.state.probe); },
            "oxygen-probe voltage in this gas, mV (through the process factor when one was "
            "given); None where it soots")
        .def_property_readonly(
            "dew_point", [](const Potential& p) { return readingIfCarbon(p, p.state.dewPoint); },
            "dew point of this gas, deg C; None where it soots")
        .def_property_readonly(
            "co2", [](const Potential& p) { return readingIfCarbon(p, p.state.carbonDioxide); },
            "CO2 of this gas, %; None where it soots")
        .def_readonly("surface_carbon", &Potential::surfaceCarbon,
                      "with a process: the carbon its steel reaches at the surface, % C")
        .def_readonly("alloy_factor", &Potential::alloyFactor,
                      "with a process: Gunnarson's alloy factor Q of its steel");
    module.def(
        "potential",
        [](double temperature, std::optional<double> probe, std::optional<double> dewPoint,
           std::optional<double> co2, std::optional<double> carbon, double co, double h2,
           std::optional<double> processFactor, const Process* process) {
            return furnacePotential(temperature, probe, dewPoint, co2, carbon, co, h2,
                                    processFactor, process);
        },
        py::kw_only(), py::arg("temperature"), py::arg("probe") = py::none(),
        py::arg("dew_point") = py::none(), py::arg("co2") = py::none(),
        py::arg("carbon") = py::none(), py::arg("co") = defaultCO, py::arg("h2") = defaultH2,
        py::arg("process_factor") = py::none(), py::arg("process") = py::none(),
        R"(The carbon potential a furnace reading means, as tavcalc --potential gives it.

temperature: deg C; one reading: probe (oxygen probe, mV), dew_point (deg C), co2 (%), or
carbon (% C, the other way: what the instruments should read); co, h2: the gas's CO and H2, %
(20 and 40: endothermic gas); process_factor: the probe read through a transmitter's process
factor (150 usual); process: a Process whose steel's surface carbon and alloy factor are given
too. Returns a Potential. A malformed or impossible reading raises ProcessError naming the
keyword and the value.)");
}

// A load replayed from its furnace log: tavrix.replay.
void bindReplay(py::module_& module) {
    py::class_<BandReport>(module, "BandReport",
                           "How the logged potential kept within 0.05 % C of its setpoint.")
        .def_readonly("logged_minutes", &BandReport::loggedMinutes, "the log's length, min")
        .def_readonly("outside_minutes", &BandReport::outsideMinutes,
                      "time outside the band, min (burn-off not counted)")
        .def_readonly("outside_percent", &BandReport::outsidePercent, "of the logged time, %")
        .def_readonly("longest_minutes", &BandReport::longestMinutes, "the longest excursion, min")
        .def_readonly("longest_start_hours", &BandReport::longestStartHours,
                      "when it began, h from the log's start")
        .def_readonly("longest_start_line", &BandReport::longestStartLine,
                      "the log line it began after")
        .def_readonly("masked_minutes", &BandReport::maskedMinutes, "burn-off, min")
        .def_readonly("soot_lines", &BandReport::sootLines, "log lines where the gas would soot");
    py::class_<Replayed>(module, "Replay", "A load replayed from its furnace log.")
        .def_readonly("process", &Replayed::process,
                      "the as-run process: the log's rows as its stage rows")
        .def_readonly("result", &Replayed::result, "the as-run Result")
        .def_readonly("planned", &Replayed::planned, "the planned process's Result")
        .def_readonly("band", &Replayed::band, "the BandReport")
        .def_readonly("setpoint_from_plan", &Replayed::setpointFromPlan,
                      "the log has no setpoint column: the plan's potential was the setpoint")
        .def_readonly("warnings", &Replayed::warnings, "gaps of the log held over")
        .def_readonly("ignored_columns", &Replayed::ignoredColumns, "log columns not read");
    module.def(
        "replay",
        [](const Process& plan, const std::string& logPath, double co, double h2,
           std::optional<double> processFactor) {
            return replayLoad(plan, logPath, LogDefaults{co, h2, processFactor});
        },
        py::arg("process"), py::arg("log_path"), py::kw_only(), py::arg("co") = defaultCO,
        py::arg("h2") = defaultH2, py::arg("process_factor") = py::none(),
        R"(The load as the furnace ran it, as tavcalc --replay computes it, in memory.

process: the plan (its steel, beta, shape and size); log_path: the furnace's CSV log (time or
timestamp, temperature, and carbon_potential, probe_mv, dew_point or co2; optional setpoint
and event, burnoff rows holding the last valid potential); co, h2, process_factor: the gas
where the log has no such columns. Returns a Replay: the as-run and planned Results and the
BandReport. A log tavcalc refuses raises ProcessError naming the line and the column.)");
}

} // namespace

PYBIND11_MODULE(tavrix, module) {
    module.doc() = "The Tavrix carburizing computation: processes, runs in memory, result files.";
    for (void (*bind)(py::module_&) :
         {bindErrors, bindProcess, bindResults, bindRun, bindMeasured, bindProfileFit,
          bindDesignResult, bindDesign, bindBetaFit, bindPotential, bindReplay})
        bind(module);
}

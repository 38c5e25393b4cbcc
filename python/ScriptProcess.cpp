#include "ScriptProcess.h"

#include "KindTraits.h"
#include "ProcessCheck.h"
#include "RunCommand.h"
#include "ScriptErrors.h"
#include "SetNames.h"

#include <algorithm>
#include <array>

namespace py = pybind11;

namespace {

constexpr std::array<const char*, 5> alloyNames{"Cr", "Mo", "Mn", "Si", "Ni"}; // file order

// A script's name of the shape, or any name the files hold.
SampleShape shapeNamed(const std::string& name) {
    for (const KindTraits& kind : allKinds)
        if (kind.scriptName == name)
            return kind.shape;
    if (const auto shape = shapeFromName(name))
        return *shape;
    throw ProcessError("unknown shape \"" + name +
                       "\": semi-infinite, plate, foil, cylinder or wire");
}

// The surface condition of the stage a row ends, as a script gives it: a row's word as the file
// holds it ("gas", "neutral", "boost", "boost J0"), or ("boost", J0) for a boost whose flux is
// limited to J0, g/(m²·s).
StageCondition conditionGiven(const py::handle& given, std::size_t row) {
    const std::string named = "stage " + std::to_string(row + 1) + " condition ";
    if (py::isinstance<py::str>(given)) {
        const ConditionReading reading = readConditionWord(given.cast<std::string>());
        if (reading.condition)
            return *reading.condition;
        throw ProcessError(named + reading.rule);
    }
    if (py::isinstance<py::tuple>(given) && py::len(given) == 2 &&
        py::isinstance<py::str>(given[py::int_(0)]))
        if (const auto kind = conditionNamed(given[py::int_(0)].cast<std::string>());
            kind && conditionTraits(*kind).takesFluxLimit)
            return {*kind, asWritten(given[py::int_(1)].cast<double>())};
    const std::string choices = conditionChoices(
        [](std::string_view word) { return "(\"" + std::string(word) + "\", J0)"; });
    throw ProcessError(named + "must be " + choices + ", not " +
                       py::repr(given).cast<std::string>());
}

// A limited boost as the tuple a script gives; every other condition as its word.
py::object conditionObject(const StageCondition& condition) {
    if (condition.fluxLimit)
        return py::make_tuple(conditionTraits(condition.kind).word, *condition.fluxLimit);
    return py::str(conditionWord(condition));
}

// A settings line, read as a file's would be; refused in the reader's words.
void applySetting(ProcessSettings& settings, const std::string& line) {
    std::vector<std::string> seen;
    const SettingReading reading = readSettingLine(line, settings, seen);
    if (!reading.rule.empty())
        throw ProcessError(reading.rule);
}

// The batch run's refusal of the data, as it prints it.
void refuseUnlessValid(const ProcessRecord& record) {
    if (const auto problem = checkProcessValues(record.data, record.shape, record.thickness))
        throw ProcessError(problem->field + " " + problem->rule);
}

} // namespace

std::string scriptName(SampleShape shape) {
    return std::string(kindTraits(shape).scriptName);
}

Process::Process(double steelCarbon, double beta, const std::map<std::string, double>& alloy,
                 const std::string& shape, const std::vector<py::sequence>& stages,
                 std::optional<double> thickness, const std::string& diffusivity, bool carbides) {
    record.data.steelCarbon = asWritten(steelCarbon);
    record.data.transferCoefficient = asWritten(beta);
    for (const auto& [element, content] : alloy) {
        const auto* slot = std::find(alloyNames.begin(), alloyNames.end(), element);
        if (slot == alloyNames.end())
            throw ProcessError("unknown alloying element \"" + element +
                               "\": Cr, Mo, Mn, Si or Ni");
        record.data.alloy[static_cast<std::size_t>(slot - alloyNames.begin())] = asWritten(content);
    }
    for (const py::sequence& stage : stages) {
        if (stage.size() != 3 && stage.size() != 4)
            throw ProcessError("stage " + py::repr(stage).cast<std::string>() +
                               ": (time, temperature, potential[, condition])");
        record.data.times.push_back(asWritten(stage[0].cast<double>()));
        record.data.temperatures.push_back(asWritten(stage[1].cast<double>()));
        record.data.potentials.push_back(asWritten(stage[2].cast<double>()));
        record.data.conditions.push_back(
            stage.size() == 4 ? conditionGiven(stage[3], record.data.conditions.size())
                              : StageCondition{});
    }
    record.shape = shapeNamed(shape);
    if (thickness)
        record.thickness = asWritten(*thickness);
    // The standard law and no carbides are what a file without settings means: written so.
    if (diffusivity != "standard")
        applySetting(record.settings, "diffusivity: " + diffusivity);
    if (carbides)
        applySetting(record.settings, "carbides: on");
    refuseUnlessValid(record);
}

std::string Process::diffusivity() const {
    return std::string(
        diffusivityWord(record.settings.diffusivity.value_or(DiffusivityModel::Standard)));
}

Process Process::read(const std::string& file) {
    const HeadRead read = readSetHead(file);
    if (!read.head)
        raiseFor(read.refusal.status, read.refusal.message());
    return Process(*read.head, file);
}

std::string Process::text() const {
    return processDataText(record);
}

void Process::write(const std::string& file) {
    writeFile(file);
    path = file;
}

void Process::writeFile(const std::string& file) const {
    if (!writeProcessData(file, record))
        throw WriteError(file + ": cannot be written");
}

std::map<std::string, double> Process::alloy() const {
    std::map<std::string, double> contents;
    for (std::size_t i = 0; i < alloyNames.size(); ++i)
        contents[alloyNames[i]] = record.data.alloy[i];
    return contents;
}

py::list Process::stages() const {
    py::list rows;
    for (std::size_t row = 0; row < record.data.times.size(); ++row) {
        py::tuple stage = py::make_tuple(record.data.times[row], record.data.temperatures[row],
                                         record.data.potentials[row]);
        if (const StageCondition condition = stageCondition(record.data, row);
            !isPlain(condition.kind))
            stage = stage + py::make_tuple(conditionObject(condition));
        rows.append(stage);
    }
    return rows;
}

std::optional<double> Process::thickness() const {
    if (kindTraits(record.shape).size == SampleSize::None)
        return std::nullopt;
    return record.thickness;
}

namespace {

// The settings lines of `settings` but the one named `name`.
std::vector<std::string> linesBut(const ProcessSettings& settings, const std::string& name) {
    std::vector<std::string> lines;
    const std::string text = settingsText(settings);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        if (line.rfind(name + ": ", 0) != 0)
            lines.push_back(line);
        at = end + 2;
    }
    return lines;
}

} // namespace

std::optional<std::string> Process::setting(const std::string& name) const {
    const std::string text = settingsText(record.settings);
    const std::size_t at = text.rfind(name + ": ", 0) == 0 ? 0 : text.find("\n" + name + ": ");
    if (at == std::string::npos)
        return std::nullopt;
    const std::size_t start = text.find(": ", at) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

void Process::setSetting(const std::string& name, const std::optional<std::string>& value) {
    std::vector<std::string> lines = linesBut(record.settings, name);
    if (value)
        lines.push_back(name + ": " + *value);
    ProcessSettings settings;
    std::vector<std::string> seen;
    for (const std::string& line : lines) {
        const SettingReading reading = readSettingLine(line, settings, seen);
        std::string rule = reading.rule;
        if (rule.empty())
            rule = settingShapeRule(reading.name, settings, record.shape).value_or("");
        if (!rule.empty())
            throw ProcessError("the process " + rule);
    }
    record.settings = settings;
}

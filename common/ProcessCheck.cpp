#include "ProcessCheck.h"

#include "ProcessScanner.h"

#include <cmath>
#include <limits>
#include <sstream>

namespace {

ProcessProblem problem(std::string field, std::string rule) {
    return ProcessProblem{std::move(field), std::move(rule)};
}

std::string stageField(std::size_t row, const char* column) {
    return "stage " + std::to_string(row + 1) + " " + column;
}

constexpr const char* alloyNames[] = {"Cr", "Mo", "Mn", "Si", "Ni"};

const std::string countRule =
    "must be from 1 to 10, or to 100 when stages carry a condition word other than gas";

// A value that belongs to a boost only must be given for a condition that takes it and lie
// within its range.
std::optional<ProcessProblem> boostValueProblem(bool taken, const std::optional<double>& value,
                                                std::size_t row, const char* column, double highest,
                                                const std::string& range) {
    if (!value)
        return std::nullopt;
    if (!taken)
        return problem(stageField(row, column), "belongs to a boost only");
    if (!(std::isfinite(*value) && *value > 0.0 && *value <= highest))
        return problem(stageField(row, column), range);
    return std::nullopt;
}

// The first row ends no stage; a flux limit bounds a boost's flux, so it is a positive flux and
// belongs to a boost only; a ceiling is a surface carbon the diffusivity law still serves.
std::optional<ProcessProblem> conditionProblem(const StageCondition& condition, std::size_t row) {
    if (row == 0 && !isPlain(condition.kind))
        return problem(stageField(row, "condition"),
                       "must be left out: the first row starts the process and ends no stage");
    const ConditionTraits& traits = conditionTraits(condition.kind);
    if (auto flux = boostValueProblem(traits.takesFluxLimit, condition.fluxLimit, row, "flux limit",
                                      std::numeric_limits<double>::max(),
                                      "must be greater than 0 g/(m²·s)"))
        return flux;
    std::ostringstream range;
    range << "must be greater than 0 and at most " << maxCarbon << " % C";
    return boostValueProblem(traits.takesCeiling, condition.ceiling, row, "carbon limit", maxCarbon,
                             range.str());
}

// The strict scan's fault in the words of a refusal.
ProcessProblem headProblem(const HeadFault& fault) {
    const std::string numberRule = "must be a number";
    switch (fault.item) {
    case HeadItem::SteelCarbon:
        return problem("steel carbon content (line 1)", numberRule);
    case HeadItem::TransferCoefficient:
        return problem("carbon transfer coefficient (line 2)", numberRule);
    case HeadItem::Alloy:
        return problem(std::string(alloyNames[fault.index]) + " content", numberRule);
    case HeadItem::StageCount:
        if (fault.kind == HeadFault::Kind::CountOutOfRange)
            return problem("stage count",
                           countRule + ", not " + std::to_string(static_cast<long>(fault.count)));
        return problem("stage count", "must be a whole number from 1 to 10");
    case HeadItem::StageTime:
    case HeadItem::StageTemperature:
    case HeadItem::StagePotential: {
        const char* column = fault.item == HeadItem::StageTime          ? "time"
                             : fault.item == HeadItem::StageTemperature ? "temperature"
                                                                        : "potential";
        return problem(stageField(fault.index, column),
                       "must be a number (the file has fewer stage rows than its count says, or "
                       "a row is not three numbers)");
    }
    case HeadItem::StageWord:
        return problem(stageField(fault.index, "condition"), fault.text);
    case HeadItem::Shape:
        return problem("sample shape (the line after the stages)",
                       "must be \"Semi-infinitive sample\", \"Plate\", \"Foil\", \"Cylinder\" or "
                       "\"Drut\" (wire)");
    case HeadItem::Size:
        return problem("thickness (the line after the shape)", numberRule);
    case HeadItem::Setting:
        return problem("line " + std::to_string(fault.index), fault.text);
    }
    return problem("process data", numberRule);
}

} // namespace

bool isFilled(double value) {
    return std::isfinite(value) && value != unfilledValue;
}

HeadReading readProcessHead(std::string_view text, RowLimit limit) {
    std::istringstream in{std::string(text)};
    const ScannedHead scanned = scanProcessHead(in, Strictness::Strict, {}, limit);
    if (scanned.fault)
        return HeadReading{std::nullopt, headProblem(*scanned.fault)};
    ProcessHead head;
    head.data = scanned.data();
    head.shape = *scanned.shape;
    head.thickness = scanned.size.value_or(unfilledValue);
    head.settings = scanned.settings;
    head.length = scanned.length;
    return HeadReading{std::move(head), {}};
}

std::optional<ProcessProblem> checkProcessValues(const TDane& data, SampleShape shape,
                                                 double thickness, RowLimit limit) {
    const std::string filledRule = "must be filled with a finite number";
    const std::string carbonRule = "must be from 0 to 4.3 % C";
    auto carbonOk = [](double c) { return c >= 0.0 && c <= maxCarbon; };

    if (!isFilled(data.steelCarbon))
        return problem("steel carbon content", filledRule);
    if (!carbonOk(data.steelCarbon))
        return problem("steel carbon content", carbonRule);
    if (!isFilled(data.transferCoefficient))
        return problem("carbon transfer coefficient", filledRule);
    if (!(data.transferCoefficient > 0.0))
        return problem("carbon transfer coefficient", "must be greater than 0 cm/s");
    for (std::size_t k = 0; k < data.alloy.size(); ++k) {
        const std::string field = std::string(alloyNames[k]) + " content";
        if (!isFilled(data.alloy[k]))
            return problem(field, filledRule);
        // Only the steel-grade classifier reads them; any content it can compare will do.
        if (data.alloy[k] < 0.0)
            return problem(field, "must not be negative");
    }

    const std::size_t rows = data.times.size();
    const bool tooMany = limit == RowLimit::Form && rows > stageLimit(data);
    if (rows < 1 || tooMany || data.temperatures.size() != rows || data.potentials.size() != rows ||
        (!data.conditions.empty() && data.conditions.size() != rows))
        return problem("stage count", countRule);
    for (std::size_t row = 0; row < rows; ++row) {
        const double time = data.times[row];
        const double temperature = data.temperatures[row];
        const double potential = data.potentials[row];
        if (!isFilled(time))
            return problem(stageField(row, "time"), filledRule);
        if (row == 0 && time != 0.0)
            return problem(stageField(row, "time"), "must be 0");
        if (row > 0 && !(time > data.times[row - 1]))
            return problem(stageField(row, "time"), "must be greater than the time before it");
        if (!isFilled(temperature))
            return problem(stageField(row, "temperature"), filledRule);
        if (temperature < minTemperatureC || temperature > maxTemperatureC)
            return problem(stageField(row, "temperature"), "must be from 700 to 1200 °C");
        if (!isFilled(potential))
            return problem(stageField(row, "potential"), filledRule);
        if (!carbonOk(potential))
            return problem(stageField(row, "potential"), carbonRule);
        if (auto refusal = conditionProblem(stageCondition(data, row), row))
            return refusal;
    }

    if (const SampleSize size = kindTraits(shape).size; size != SampleSize::None) {
        const std::string field(sizeName(size));
        if (!isFilled(thickness))
            return problem(field, filledRule);
        if (!(thickness > 0.0))
            return problem(field, "must be greater than 0 mm");
    }
    return std::nullopt;
}

HeadReading readCheckedProcessHead(std::string_view text, RowLimit limit) {
    HeadReading reading = readProcessHead(text, limit);
    if (!reading.head)
        return reading;
    if (auto refusal = checkProcessValues(reading.head->data, reading.head->shape,
                                          reading.head->thickness, limit))
        return HeadReading{std::nullopt, std::move(*refusal)};
    return reading;
}

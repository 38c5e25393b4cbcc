#include "ProcessCheck.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// A cursor over the file text that hands out white-space separated words.
class HeadScanner {
public:
    explicit HeadScanner(std::string_view text) : text_(text) {}

    std::string_view word() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isBlank(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // The rest of the line after skipping white space (line ends included), without its end.
    std::string_view line() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\n')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // The rest of the current line, without its end; the line end itself stays unread.
    std::string_view restOfLine() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\n')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // Position just past the end of the current line.
    std::size_t endOfLine() {
        while (pos_ < text_.size() && text_[pos_] != '\n')
            ++pos_;
        return pos_ < text_.size() ? pos_ + 1 : pos_;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

ProcessProblem problem(std::string field, std::string rule) {
    return ProcessProblem{std::move(field), std::move(rule)};
}

HeadReading refused(std::string field, std::string rule) {
    return HeadReading{std::nullopt, problem(std::move(field), std::move(rule))};
}

bool isFilled(double value) {
    return std::isfinite(value) && value != emptyCell;
}

std::string stageField(std::size_t row, const char* column) {
    return "stage " + std::to_string(row + 1) + " " + column;
}

constexpr const char* alloyNames[] = {"Cr", "Mo", "Mn", "Si", "Ni"};

const std::string countRule =
    "must be from 1 to 10, or to 100 when stages carry a condition word other than gas";

// The first row ends no stage; a flux limit bounds a boost's flux, so it is a positive flux and
// belongs to a boost only.
std::optional<ProcessProblem> conditionProblem(const StageCondition& condition, std::size_t row) {
    if (row == 0 && condition.kind != SurfaceCondition::Gas)
        return problem(stageField(row, "condition"),
                       "must be left out: the first row starts the process and ends no stage");
    if (!condition.fluxLimit)
        return std::nullopt;
    if (condition.kind != SurfaceCondition::Boost)
        return problem(stageField(row, "flux limit"), "belongs to a boost only");
    if (!(std::isfinite(*condition.fluxLimit) && *condition.fluxLimit > 0.0))
        return problem(stageField(row, "flux limit"), "must be greater than 0 g/(m²·s)");
    return std::nullopt;
}

} // namespace

HeadReading readProcessHead(std::string_view text) {
    HeadScanner scanner(text);
    ProcessHead head;
    auto number = [&](double& value) {
        const auto parsed = fileNumber(scanner.word());
        if (parsed)
            value = *parsed;
        return parsed.has_value();
    };
    const std::string numberRule = "must be a number";
    if (!number(head.data.steelCarbon))
        return refused("steel carbon content (line 1)", numberRule);
    if (!number(head.data.transferCoefficient))
        return refused("carbon transfer coefficient (line 2)", numberRule);
    for (std::size_t k = 0; k < head.data.alloy.size(); ++k)
        if (!number(head.data.alloy[k]))
            return refused(std::string(alloyNames[k]) + " content", numberRule);

    const std::string_view countWord = scanner.word();
    int count = 0;
    const auto [end, error] =
        std::from_chars(countWord.data(), countWord.data() + countWord.size(), count);
    if (countWord.empty() || error != std::errc() || end != countWord.data() + countWord.size())
        return refused("stage count", "must be a whole number from 1 to 10");
    if (count < 1 || count > maxConditionStages)
        return refused("stage count", countRule + ", not " + std::to_string(count));

    for (int row = 0; row < count; ++row) {
        double time = 0, temperature = 0, potential = 0;
        const auto rowIndex = static_cast<std::size_t>(row);
        const std::string rowRule = "must be a number (the file has fewer stage rows than its "
                                    "count says, or a row is not three numbers)";
        if (!number(time))
            return refused(stageField(rowIndex, "time"), rowRule);
        if (!number(temperature))
            return refused(stageField(rowIndex, "temperature"), rowRule);
        if (!number(potential))
            return refused(stageField(rowIndex, "potential"), rowRule);
        const ConditionReading condition = readConditionWord(scanner.restOfLine());
        if (!condition.condition)
            return refused(stageField(rowIndex, "condition"), condition.rule);
        head.data.times.push_back(time);
        head.data.temperatures.push_back(temperature);
        head.data.potentials.push_back(potential);
        head.data.conditions.push_back(*condition.condition);
    }
    if (static_cast<std::size_t>(count) > stageLimit(head.data))
        return refused("stage count", countRule + ", not " + std::to_string(count));

    const auto shape = shapeFromLine(scanner.line());
    if (!shape)
        return refused("sample shape (the line after the stages)",
                       "must be \"Semi-infinitive sample\", \"Plate\", \"Foil\", \"Cylinder\" or "
                       "\"Drut\" (wire)");
    head.shape = *shape;
    if (kindTraits(head.shape).size != SampleSize::None && !number(head.thickness))
        return refused("thickness (the line after the shape)", numberRule);
    head.length = scanner.endOfLine();
    return HeadReading{std::move(head), {}};
}

std::optional<ProcessProblem> checkProcessValues(const TDane& data, SampleShape shape,
                                                 double thickness) {
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
    if (rows < 1 || rows > stageLimit(data) || data.temperatures.size() != rows ||
        data.potentials.size() != rows ||
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

HeadReading readCheckedProcessHead(std::string_view text) {
    HeadReading reading = readProcessHead(text);
    if (!reading.head)
        return reading;
    if (auto refusal =
            checkProcessValues(reading.head->data, reading.head->shape, reading.head->thickness))
        return HeadReading{std::nullopt, std::move(*refusal)};
    return reading;
}

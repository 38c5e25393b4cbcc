#include "ProcessFileLoad.h"

#include "BoxNumbers.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <locale>
#include <sstream>

namespace {

// Reads the values one by one. A value the file holds but not as a number stops the reading:
// the file is refused, so that the boxes keep what they had, where showing 0 for it would pass
// for data.
class ValueReader {
public:
    explicit ValueReader(std::istream& in) : in_(in) {}

    // The next value as its box shows it; empty when the file has ended or reading has stopped.
    // White space is skipped first, so that the line end after the last value does not count as
    // one more (empty) value.
    std::string next(const std::string& field) {
        in_ >> std::ws;
        if (stopped() || in_.eof())
            return {};
        double value = 0;
        if (in_ >> value)
            return loadedText(value);
        in_.clear();
        std::getline(in_, unreadable_);
        unreadable_ = normalizedLine(unreadable_);
        problem_ = "In the file, " + field + " is \"" + unreadable_ + "\", which is not a number";
        return {};
    }
    // The condition word after a row's numbers: the rest of that row's line.
    std::optional<StageCondition> condition(const std::string& stage) {
        std::string tail;
        if (!stopped() && !in_.eof())
            std::getline(in_, tail);
        ConditionReading reading = readConditionWord(tail);
        if (!reading.condition)
            problem_ = "In the file, the condition of stage " + stage + " " + reading.rule;
        return reading.condition;
    }
    bool stopped() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    // The rest of the line that stopped the reading.
    const std::string& unreadable() const { return unreadable_; }

private:
    std::istream& in_;
    std::string problem_;
    std::string unreadable_;
};

std::string countText(double count) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << count;
    return text.str();
}

ProcessFileLoad refused(std::string problem) {
    ProcessFileLoad load;
    load.result = ProcessFileLoad::Result::Refused;
    load.problem = std::move(problem) + ".\nNothing was loaded.";
    return load;
}

// The shape line: the next line that is not empty.
std::string shapeLine(std::istream& in) {
    in >> std::ws;
    std::string line;
    std::getline(in, line);
    return normalizedLine(line);
}

ProcessFileLoad loadedBoxes(std::istream& in, std::string_view shape) {
    ProcessFileLoad load;
    LoadedBoxes& boxes = load.boxes;
    const std::pair<std::string*, const char*> head[] = {
        {&boxes.steelCarbon, "the steel's carbon content"},
        {&boxes.transferCoefficient, "the transfer coefficient"},
        {&boxes.cr, "the Cr content"},
        {&boxes.mo, "the Mo content"},
        {&boxes.mn, "the Mn content"},
        {&boxes.si, "the Si content"},
        {&boxes.ni, "the Ni content"}};
    ValueReader values(in);
    for (const auto& [box, field] : head)
        *box = values.next(field);

    // The count is read as a number, like every other value: a count of 2.5 asks for 3 rows.
    const std::string countBox = values.next("the number of process stages");
    const double count = countBox.empty() ? 0 : boxNumber(countBox);
    if (values.stopped())
        return refused(values.problem());
    auto tooMany = [&](int most) {
        return refused("The file lists " + countText(count) +
                       " process stages; the table holds at most " + std::to_string(most));
    };
    if (count > maxConditionStages)
        return tooMany(maxConditionStages);
    // A programme of more than ten rows is one of conditions: without them the count is wrong.
    bool conditions = false;
    for (int row = 0; row < maxConditionStages && count > row; ++row) {
        if (static_cast<std::size_t>(row) == boxes.rows.size())
            boxes.rows.emplace_back();
        LoadedBoxes::Row& cells = boxes.rows[static_cast<std::size_t>(row)];
        const std::string stage = " of stage " + std::to_string(row + 1);
        const std::pair<std::string*, const char*> fields[] = {
            {&cells.time, "the time"},
            {&cells.temperature, "the temperature"},
            {&cells.potential, "the potential"}};
        for (const auto& [cell, field] : fields) {
            *cell = values.next(field + stage);
            // The shape line where a row should begin: the rows have ended.
            const bool rowsEnded = values.stopped() && cell == &cells.time &&
                                   shapeFromLine(values.unreadable()).has_value();
            if (values.stopped() && !rowsEnded)
                return refused(values.problem());
            if (cell->empty() && count > maxStages && !conditions)
                return tooMany(maxStages);
            if (cell->empty())
                return refused("The file lists " + countText(count) +
                               " process stages but holds only " + std::to_string(row));
        }
        const std::optional<StageCondition> condition = values.condition(std::to_string(row + 1));
        if (!condition)
            return refused(values.problem());
        cells.condition = condition->kind;
        if (condition->fluxLimit)
            cells.fluxLimit = loadedText(*condition->fluxLimit);
        conditions = conditions || condition->kind != SurfaceCondition::Gas;
    }
    if (count > maxStages && !conditions)
        return tooMany(maxStages);

    boxes.shapeMatches = shapeLine(in) == shape;
    const std::optional<SampleShape> kind = shapeFromLine(shape);
    const SampleSize size = kind ? kindTraits(*kind).size : SampleSize::Thickness;
    if (boxes.shapeMatches && size != SampleSize::None)
        boxes.thickness = values.next("the " + std::string(sizeName(size)));
    return values.stopped() ? refused(values.problem()) : load;
}

} // namespace

ProcessFileLoad loadProcessFile(const std::string& path, std::string_view shape) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        ProcessFileLoad load;
        load.result = ProcessFileLoad::Result::CannotOpen;
        return load;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return loadProcessText(text, shape);
}

ProcessFileLoad loadProcessText(std::string_view text, std::string_view shape) {
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    return loadedBoxes(in, shape);
}

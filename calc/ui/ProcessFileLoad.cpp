#include "ProcessFileLoad.h"

#include "BoxNumbers.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <locale>
#include <sstream>

namespace {

// The next value as its box shows it. White space is skipped first, so that the line end after
// the last value does not count as one more (empty) value.
std::string nextValue(std::istream& in) {
    in >> std::ws;
    if (in.eof())
        return {};
    double value = 0;
    in >> value;
    return loadedText(value);
}

std::string countText(double count) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << count;
    return text.str();
}

ProcessFileLoad refused(std::string problem) {
    ProcessFileLoad load;
    load.result = ProcessFileLoad::Result::Refused;
    load.problem = std::move(problem);
    return load;
}

// The shape line: the next line that is not empty.
std::string shapeLine(std::istream& in) {
    in >> std::ws;
    std::string line;
    std::getline(in, line);
    return normalizedLine(line);
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

    ProcessFileLoad load;
    LoadedBoxes& boxes = load.boxes;
    for (std::string* box : {&boxes.steelCarbon, &boxes.transferCoefficient, &boxes.cr, &boxes.mo,
                             &boxes.mn, &boxes.si, &boxes.ni})
        *box = nextValue(in);

    // The count is read as a number, like every other value: a count of 2.5 asks for 3 rows.
    double count = 0;
    in >> std::ws;
    if (!in.eof())
        in >> count;
    if (count > maxStages)
        return refused("The file lists " + countText(count) +
                       " process stages; the table holds at most 10.\nNothing was loaded.");
    for (int row = 0; row < maxStages && count > row; ++row) {
        LoadedBoxes::Row& cells = boxes.rows[static_cast<std::size_t>(row)];
        for (std::string* cell : {&cells.time, &cells.temperature, &cells.potential}) {
            *cell = nextValue(in);
            if (cell->empty() || in.fail())
                return refused("The file lists " + countText(count) +
                               " process stages but holds only " + std::to_string(row) +
                               ".\nNothing was loaded.");
        }
    }

    boxes.shapeMatches = shapeLine(in) == shape;
    const std::optional<SampleShape> kind = shapeFromLine(shape);
    if (boxes.shapeMatches && (!kind || kindTraits(*kind).size != SampleSize::None))
        boxes.thickness = nextValue(in);
    return load;
}

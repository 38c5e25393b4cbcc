#include "PartSpecification.h"

#include "HardnessScale.h"
#include "ProcessData.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

enum class Unit { Millimetre, PercentCarbon, Vickers, RockwellC, Percent, GramsPerSquareMetre };

struct UnitText {
    Unit unit;
    std::string_view text; // lower case, as compared
};

constexpr std::array<UnitText, 7> unitTexts{{{Unit::Millimetre, "mm"},
                                             {Unit::PercentCarbon, "% c"},
                                             {Unit::Vickers, "hv"},
                                             {Unit::RockwellC, "hrc"},
                                             {Unit::Percent, "%"},
                                             {Unit::GramsPerSquareMetre, "g/m2"},
                                             {Unit::GramsPerSquareMetre, "g/m²"}}};

enum class Level { None, Hardness, Carbon };

struct QuantityRow {
    LimitQuantity quantity;
    std::string_view name;
    Unit unit;              // the unit of its value; HV also admits HRC
    Level level;            // what "at" names
    std::string_view units; // for refusals
};

constexpr std::array<QuantityRow, 7> quantityRows{{
    {LimitQuantity::CaseHardeningDepth, "case-hardening depth", Unit::Millimetre, Level::Hardness,
     "mm"},
    {LimitQuantity::CaseDepth, "case depth", Unit::Millimetre, Level::Carbon, "mm"},
    {LimitQuantity::SurfaceCarbon, "surface carbon", Unit::PercentCarbon, Level::None, "% C"},
    {LimitQuantity::SurfaceHardness, "surface hardness", Unit::Vickers, Level::None, "HV or HRC"},
    {LimitQuantity::CoreHardness, "core hardness", Unit::Vickers, Level::None, "HV or HRC"},
    {LimitQuantity::RetainedAustenite, "retained austenite", Unit::Percent, Level::None, "%"},
    {LimitQuantity::MassGain, "mass gain", Unit::GramsPerSquareMetre, Level::None, "g/m2"},
}};

// The limits AMS 2759/7 sets on a class: surface carbon (% C) and retained austenite (%).
struct AmsClass {
    std::string_view name;
    double lowCarbon, highCarbon, austenite;
    std::string_view carbonText, austeniteText;
};
constexpr std::array<AmsClass, 2> amsClasses{{
    {"ams 2759/7 class 1", 0.70, 1.00, 10, "0.70 .. 1.00 % C", "<= 10 %"},
    {"ams 2759/7 class 2", 0.75, 1.10, 20, "0.75 .. 1.10 % C", "<= 20 %"},
}};

constexpr double defaultChdLevel = 550; // HV

std::string lowered(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The words of a limit, with "..", ">=" and "<=" apart from the numbers they touch and "%C"
// as "% C".
std::vector<std::string> words(std::string_view text) {
    std::string spaced;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("..") || rest.starts_with(">=") || rest.starts_with("<=")) {
            spaced += ' ';
            spaced += rest.substr(0, 2);
            spaced += ' ';
            ++i;
        } else if (rest.starts_with("%")) {
            spaced += " % ";
        } else {
            spaced += text[i];
        }
    }
    std::istringstream in(spaced);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::optional<Unit> unitOf(const std::string& text) {
    for (const UnitText& unit : unitTexts)
        if (lowered(text) == unit.text)
            return unit.unit;
    return std::nullopt;
}

std::string joined(const std::vector<std::string>& list, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += (i == from ? "" : " ") + list[i];
    return text;
}

// A refusal of one line: its number and why.
struct Refusal {
    std::string why;
};

// A value in HV from a number in HV or HRC.
std::optional<double> inVickers(double value, Unit unit, Refusal& refusal) {
    if (unit == Unit::Vickers)
        return value;
    const std::optional<double> converted = vickersFromRockwellC(value);
    if (!converted) {
        std::ostringstream why;
        why << value << " HRC lies outside the conversion table (" << lowestTabulatedHrc << " to "
            << highestTabulatedHrc << " HRC)";
        refusal.why = why.str();
    }
    return converted;
}

bool unitFits(Unit wanted, Unit given) {
    return given == wanted || (wanted == Unit::Vickers && given == Unit::RockwellC);
}

// The value in the row's unit of a number written in `unit`.
std::optional<double> valueIn(const QuantityRow& row, double value, Unit unit, Refusal& refusal) {
    return row.unit == Unit::Vickers ? inVickers(value, unit, refusal) : value;
}

struct Bounds {
    std::optional<double> low, high;
    std::size_t next = 0; // the first word after the numbers
};

std::optional<Bounds> boundsOf(const std::vector<std::string>& list) {
    const auto number = [&list](std::size_t i) {
        return i < list.size() ? fileNumber(list[i]) : std::nullopt;
    };
    if (list.size() >= 2 && (list[0] == ">=" || list[0] == "<=")) {
        const std::optional<double> value = number(1);
        if (!value)
            return std::nullopt;
        return list[0] == ">=" ? Bounds{value, std::nullopt, 2} : Bounds{std::nullopt, value, 2};
    }
    const std::optional<double> low = number(0), high = number(2);
    if (!low || !high || list[1] != "..")
        return std::nullopt;
    return Bounds{low, high, 3};
}

// The unit of words [from, to), or a refusal naming the units the quantity takes.
std::optional<Unit> unitAt(const std::vector<std::string>& list, std::size_t from, std::size_t to,
                           std::string_view what, std::string_view units, Refusal& refusal) {
    const std::optional<Unit> unit = from < to ? unitOf(joined(list, from, to)) : std::nullopt;
    if (!unit)
        refusal.why = std::string(what) + " is given in " + std::string(units) +
                      (from < to ? ", not \"" + joined(list, from, to) + "\"" : "");
    return unit;
}

std::optional<double> levelOf(const QuantityRow& row, const std::vector<std::string>& list,
                              std::size_t at, Refusal& refusal) {
    const bool hardness = row.level == Level::Hardness;
    if (at >= list.size()) {
        if (hardness)
            return defaultChdLevel;
        refusal.why = std::string(row.name) + " needs its carbon level, as in \"at 0.35 % C\"";
        return std::nullopt;
    }
    const std::optional<double> value =
        at + 1 < list.size() ? fileNumber(list[at + 1]) : std::nullopt;
    if (!value) {
        refusal.why = "\"at\" is followed by a number and its unit";
        return std::nullopt;
    }
    const std::string_view units = hardness ? "HV or HRC" : "% C";
    const std::optional<Unit> unit = unitAt(list, at + 2, list.size(), "the level", units, refusal);
    if (!unit || !unitFits(hardness ? Unit::Vickers : Unit::PercentCarbon, *unit)) {
        refusal.why = "the level is given in " + std::string(units);
        return std::nullopt;
    }
    return hardness ? inVickers(*value, *unit, refusal) : value;
}

std::optional<SpecLimit> limitOf(const QuantityRow& row, std::string_view text, Refusal& refusal) {
    const std::vector<std::string> list = words(text);
    const std::optional<Bounds> bounds = boundsOf(list);
    if (!bounds) {
        refusal.why = "a limit is \"a .. b\", \">= a\" or \"<= b\" followed by its unit";
        return std::nullopt;
    }
    if (bounds->low && bounds->high && *bounds->low > *bounds->high) {
        refusal.why = "the range's first number is above its second";
        return std::nullopt;
    }
    const auto atWord =
        std::find(list.begin() + static_cast<std::ptrdiff_t>(bounds->next), list.end(), "at");
    const auto at = static_cast<std::size_t>(atWord - list.begin());
    if (at < list.size() && row.level == Level::None) {
        refusal.why = "\"at\" belongs to a case depth only";
        return std::nullopt;
    }
    const std::optional<Unit> unit = unitAt(list, bounds->next, at, row.name, row.units, refusal);
    if (!unit)
        return std::nullopt;
    if (!unitFits(row.unit, *unit)) {
        refusal.why = std::string(row.name) + " is given in " + std::string(row.units) +
                      ", not \"" + joined(list, bounds->next, at) + "\"";
        return std::nullopt;
    }
    SpecLimit limit{row.quantity, {}, {}, {}, 0, trimmed(text), {}};
    if (bounds->low && !(limit.low = valueIn(row, *bounds->low, *unit, refusal)))
        return std::nullopt;
    if (bounds->high && !(limit.high = valueIn(row, *bounds->high, *unit, refusal)))
        return std::nullopt;
    if (row.level != Level::None && !(limit.level = levelOf(row, list, at, refusal)))
        return std::nullopt;
    return limit;
}

std::optional<std::vector<SpecLimit>> classLimits(std::string_view text, Refusal& refusal) {
    const std::vector<std::string> list = words(text);
    const std::string name = lowered(joined(list, 0, list.size()));
    for (const AmsClass& ams : amsClasses) {
        if (name != ams.name)
            continue;
        const std::string source = joined(list, 0, list.size());
        return std::vector<SpecLimit>{{LimitQuantity::SurfaceCarbon,
                                       ams.lowCarbon,
                                       ams.highCarbon,
                                       {},
                                       0,
                                       std::string(ams.carbonText),
                                       source},
                                      {LimitQuantity::RetainedAustenite,
                                       {},
                                       ams.austenite,
                                       {},
                                       0,
                                       std::string(ams.austeniteText),
                                       source}};
    }
    refusal.why = "the class is \"AMS 2759/7 class 1\" or \"AMS 2759/7 class 2\"";
    return std::nullopt;
}

std::string knownNames() {
    std::string names;
    for (const QuantityRow& row : quantityRows)
        names += std::string(row.name) + ", ";
    return names + "class";
}

// The limits of one line without its comment; empty for a blank line.
std::optional<std::vector<SpecLimit>> lineLimits(std::string_view line, Refusal& refusal) {
    const std::string content = trimmed(line.substr(0, line.find('#')));
    if (content.empty())
        return std::vector<SpecLimit>{};
    const auto colon = content.find(':');
    const std::string name = lowered(trimmed(content.substr(0, colon)));
    if (colon == std::string::npos) {
        refusal.why = "a limit is \"name: value\"; the names are " + knownNames();
        return std::nullopt;
    }
    const std::string_view value = std::string_view(content).substr(colon + 1);
    if (name == "class")
        return classLimits(value, refusal);
    for (const QuantityRow& row : quantityRows)
        if (name == row.name) {
            std::optional<SpecLimit> limit = limitOf(row, value, refusal);
            if (!limit)
                return std::nullopt;
            return std::vector<SpecLimit>{*limit};
        }
    refusal.why = "\"" + trimmed(content.substr(0, colon)) +
                  "\" is not a limit this program knows; the names are " + knownNames();
    return std::nullopt;
}

} // namespace

std::string_view limitName(LimitQuantity quantity) {
    for (const QuantityRow& row : quantityRows)
        if (row.quantity == quantity)
            return row.name;
    return {};
}

SpecReading parsePartSpecification(std::string_view text) {
    std::vector<SpecLimit> limits;
    std::size_t number = 0;
    while (!text.empty() || number == 0) {
        const auto end = text.find('\n');
        std::string line = normalizedLine(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (number == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3);
        Refusal refusal;
        std::optional<std::vector<SpecLimit>> found = lineLimits(line, refusal);
        if (!found)
            return {std::nullopt, number, "line " + std::to_string(number) + ": " + refusal.why};
        for (SpecLimit& limit : *found) {
            limit.line = number;
            limits.push_back(std::move(limit));
        }
    }
    return {std::move(limits), 0, {}};
}

SpecReading readPartSpecification(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {std::nullopt, 0, "cannot be opened"};
    return parsePartSpecification(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

bool limitHolds(const SpecLimit& limit, double value) {
    return (!limit.low || value >= *limit.low) && (!limit.high || value <= *limit.high);
}

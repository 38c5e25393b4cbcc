#include "MeasuredProfile.h"

#include "ProcessCheck.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The trimmed fields of a row.
std::vector<std::string_view> fields(std::string_view line, char separator) {
    std::vector<std::string_view> result;
    for (;;) {
        const std::size_t end = line.find(separator);
        result.push_back(line.substr(0, end));
        if (end == std::string_view::npos)
            break;
        line.remove_prefix(end + 1);
    }
    // Spreadsheets export empty trailing columns when another row of the sheet was wider.
    while (result.size() > 2 && trimmed(result.back()).empty())
        result.pop_back();
    for (std::string_view& field : result)
        field = trimmed(field);
    return result;
}

std::optional<double> number(std::string_view field, bool decimalComma) {
    std::string text(field);
    if (decimalComma)
        std::replace(text.begin(), text.end(), ',', '.');
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The quantity line fixes the separator of every row.
struct QuantityLine {
    MeasuredQuantity quantity;
    char separator;
};

std::optional<QuantityLine> quantityLine(std::string_view line) {
    for (const char separator : {',', ';', '\t'}) {
        const std::vector<std::string_view> names = fields(line, separator);
        if (names.size() != 2 || !sameWord(names[0], "depth_mm"))
            continue;
        if (sameWord(names[1], "carbon"))
            return QuantityLine{MeasuredQuantity::Carbon, separator};
        if (sameWord(names[1], "hardness_HV"))
            return QuantityLine{MeasuredQuantity::Hardness, separator};
    }
    return std::nullopt;
}

// A line of the file in double quotes. Built by appending: GCC 12 takes an insertion at the
// front of a new string for an overlapping copy in the optimised build.
std::string quoted(std::string_view line) {
    std::string text(1, '"');
    text.append(line);
    text += '"';
    return text;
}

std::string atLine(std::size_t line, const std::string& rule) {
    return "Line " + std::to_string(line) + ": " + rule;
}

std::string shown(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

// Why a value cannot be a measurement of the quantity; empty when it can.
std::string valueProblem(MeasuredQuantity quantity, double value) {
    switch (quantity) {
    case MeasuredQuantity::Carbon:
        if (value < 0 || value > maxCarbon)
            return "carbon " + shown(value) + " % is outside 0 to " + shown(maxCarbon) + " %";
        return {};
    case MeasuredQuantity::Hardness:
        if (value < minMeasuredHardness || value > maxMeasuredHardness)
            return "hardness " + shown(value) + " HV is outside " + shown(minMeasuredHardness) +
                   " to " + shown(maxMeasuredHardness) + " HV";
        return {};
    }
    return {};
}

MeasuredReading refused(std::size_t line, std::string problem) {
    MeasuredReading reading;
    reading.line = line;
    reading.problem = line == 0 ? std::move(problem) : atLine(line, problem);
    return reading;
}

} // namespace

MeasuredReading parseMeasuredProfile(std::string_view text) {
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark)
        text.remove_prefix(byteOrderMark.size());

    MeasuredProfile profile;
    std::optional<QuantityLine> columns;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;

        const std::string_view line = trimmed(raw);
        if (line.empty())
            continue;
        if (!columns) {
            if (line.front() == '#') {
                profile.header.emplace_back(line.substr(1));
                continue;
            }
            columns = quantityLine(line);
            if (!columns)
                return refused(lineNumber, std::string("expected \"depth_mm,carbon\" or "
                                                       "\"depth_mm,hardness_HV\", found ") +
                                               quoted(line));
            profile.quantity = columns->quantity;
            continue;
        }

        const bool decimalComma = columns->separator != ',';
        const std::vector<std::string_view> row = fields(line, columns->separator);
        std::optional<double> depth;
        std::optional<double> value;
        if (row.size() == 2) {
            depth = number(row[0], decimalComma);
            value = number(row[1], decimalComma);
        }
        if (!depth || !value)
            return refused(lineNumber, quoted(line) + " is not two numbers");
        if (*depth < 0)
            return refused(lineNumber, "depth " + shown(*depth) + " mm is negative");
        if (const std::string problem = valueProblem(profile.quantity, *value); !problem.empty())
            return refused(lineNumber, problem);
        profile.depth.push_back(*depth);
        profile.value.push_back(*value);
    }
    if (!columns)
        return refused(0, "No line \"depth_mm,carbon\" or \"depth_mm,hardness_HV\"");
    if (profile.depth.empty())
        return refused(0, "No measured points");
    MeasuredReading reading;
    reading.profile = std::move(profile);
    return reading;
}

MeasuredReading readMeasuredProfile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.is_open() || file.bad())
        return refused(0, "Cannot read " + path.string());
    return parseMeasuredProfile(text);
}

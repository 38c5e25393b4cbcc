#include "ProcessData.h"

#include "AtomicFile.h"
#include "ProcessScanner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <locale>
#include <sstream>
#include <system_error>

namespace {

struct PolishLetter {
    unsigned char cp1250;
    const char* utf8;
};

constexpr PolishLetter polishLetters[] = {
    {0xB9, "ą"}, {0xE6, "ć"}, {0xEA, "ę"}, {0xB3, "ł"}, {0xF1, "ń"}, {0xF3, "ó"},
    {0x9C, "ś"}, {0x9F, "ź"}, {0xBF, "ż"}, {0xA5, "Ą"}, {0xC6, "Ć"}, {0xCA, "Ę"},
    {0xA3, "Ł"}, {0xD1, "Ń"}, {0xD3, "Ó"}, {0x8C, "Ś"}, {0x8F, "Ź"}, {0xAF, "Ż"},
};

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0x80)
            return false;
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

std::string fromWindows1250(std::string_view text) {
    std::string converted;
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        const char* letter = nullptr;
        for (const PolishLetter& polish : polishLetters)
            if (polish.cp1250 == byte)
                letter = polish.utf8;
        if (letter)
            converted += letter;
        else if (byte < 0x80)
            converted += ch;
        else
            converted += "\xEF\xBF\xBD"; // replacement character
    }
    return converted;
}

void writeNumber(std::ostream& out, double value) {
    out << value << "\r\n";
}

std::string numberText(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && !isBlank(text[pos]))
            ++pos;
        if (pos > start)
            found.push_back(text.substr(start, pos - start));
    }
    return found;
}

} // namespace

std::optional<double> fileNumber(std::string_view word) {
    if (word.empty())
        return std::nullopt;
    if (word.front() == '+')
        word.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::string conditionWord(const StageCondition& condition) {
    if (isPlain(condition.kind))
        return {};
    const ConditionTraits& traits = conditionTraits(condition.kind);
    std::string word(traits.word);
    if (traits.takesFluxLimit && condition.fluxLimit)
        word += " " + numberText(*condition.fluxLimit);
    if (traits.takesCeiling && condition.ceiling)
        word += " limit " + numberText(*condition.ceiling);
    return word;
}

namespace {

std::string knownConditions() {
    return "must be " + conditionChoices([](std::string_view word) {
               return "\"" + std::string(word) + "\" with a flux limit in g/(m²·s)";
           });
}

// The words after a condition's own, where it takes them: an optional flux limit, then an
// optional "limit C".
ConditionReading readConditionValues(const ConditionTraits& traits,
                                     const std::vector<std::string_view>& found) {
    StageCondition condition{traits.kind, std::nullopt, std::nullopt};
    std::size_t next = 1;
    if (traits.takesFluxLimit && next < found.size() && found[next] != "limit") {
        const auto flux = fileNumber(found[next]);
        if (!flux)
            return {std::nullopt, "must be a number after \"" + std::string(traits.word) +
                                      "\" (the flux limit in g/(m²·s)), not \"" +
                                      std::string(found[next]) + "\""};
        condition.fluxLimit = *flux;
        ++next;
    }
    if (traits.takesCeiling && next < found.size() && found[next] == "limit") {
        const auto ceiling =
            next + 1 < found.size() ? fileNumber(found[next + 1]) : std::optional<double>();
        if (!ceiling)
            return {std::nullopt, "must be a number after \"limit\" (the surface carbon a boost "
                                  "holds, in % C)"};
        condition.ceiling = *ceiling;
        next += 2;
    }
    if (next < found.size())
        return {std::nullopt, knownConditions() + " and \"limit C\", not \"" +
                                  std::string(found[next]) + "\" after it"};
    return {condition, {}};
}

} // namespace

ConditionReading readConditionWord(std::string_view tail) {
    const std::vector<std::string_view> found = words(tail);
    if (found.empty())
        return {StageCondition{}, {}};
    const std::string_view word = found.front();
    if (const std::optional<SurfaceCondition> kind = conditionNamed(word)) {
        const ConditionTraits& traits = conditionTraits(*kind);
        if (found.size() == 1 || traits.takesFluxLimit || traits.takesCeiling)
            return readConditionValues(traits, found);
    }
    const std::string_view written(
        word.data(),
        static_cast<std::size_t>(found.back().data() + found.back().size() - word.data()));
    return {std::nullopt, knownConditions() + ", not \"" + std::string(written) + "\""};
}

StageCondition stageCondition(const TDane& data, std::size_t row) {
    return row < data.conditions.size() ? data.conditions[row] : StageCondition{};
}

bool potentialOffered(const TDane& data, std::size_t row) {
    const auto offers = [&data](std::size_t stage) {
        return conditionTraits(stageCondition(data, stage).kind).offer == Offer::Potential;
    };
    return (row > 0 && offers(row)) || (row + 1 < data.potentials.size() && offers(row + 1));
}

bool usesConditions(const TDane& data) {
    return std::ranges::any_of(
        data.conditions, [](const StageCondition& condition) { return !isPlain(condition.kind); });
}

std::size_t stageLimit(const TDane& data) {
    return static_cast<std::size_t>(usesConditions(data) ? maxConditionStages : maxStages);
}

std::string normalizedLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (isValidUtf8(line))
        return std::string(line);
    return fromWindows1250(line);
}

std::istream& operator>>(std::istream& in, TDane& data) {
    const ScannedHead head = scanProcessHead(in, Strictness::Extraction);
    data = head.data();
    if (head.fault)
        in.setstate(std::ios::failbit);
    return in;
}

std::string processDataText(const ProcessRecord& process) {
    return processDataText(process, process.data.times.size());
}

std::string processDataText(const ProcessRecord& process, std::size_t stageCount) {
    const TDane& data = process.data;
    std::ostringstream out;
    out.imbue(std::locale::classic());
    writeNumber(out, data.steelCarbon);
    writeNumber(out, data.transferCoefficient);
    out << "\r\n";
    for (double content : data.alloy)
        writeNumber(out, content);
    out << "\r\n";
    out << stageCount << "\r\n";
    for (std::size_t row = 0; row < data.times.size(); ++row) {
        out << data.times[row] << ' ' << data.temperatures[row] << ' ' << data.potentials[row];
        if (const std::string word = conditionWord(stageCondition(data, row)); !word.empty())
            out << ' ' << word;
        out << "\r\n";
    }
    out << shapeName(process.shape) << "\r\n";
    if (kindTraits(process.shape).size != SampleSize::None)
        writeNumber(out, process.thickness);
    out << settingsText(process.settings);
    return out.str();
}

namespace {

// The digits numberText writes (six significant, as "%g") read back, through the text.
double throughText(double value) {
    char text[32];
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return fileNumber(std::string_view(text, std::size_t(written.ptr - text))).value_or(value);
}

constexpr std::array<double, 23> powersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The nearest whole number to `near` + `error` (exactly), ties to even, where `error` is far
// smaller than a unit of `near`'s last place: the error decides only where `near` is a tie.
double roundedExactly(double near, double error) {
    const double whole = std::floor(near);
    const double above = near - whole - 0.5; // exact: `near` is below 2^52
    const bool odd = static_cast<long long>(whole) % 2 != 0;
    const bool up = above > 0 || (above == 0 && (error > 0 || (error == 0 && odd)));
    return up ? whole + 1 : whole;
}

} // namespace

double asWritten(double value) {
    // The text's six significant digits computed without it: a logged load has thousands of
    // rows. |value| is scaled by an exact power of ten into [1e5, 1e6), the error of that one
    // rounding taken exactly (fma), and rounded to a whole number as the decimal text rounds
    // it; the text reads back as that number over the power, one correctly rounded operation.
    const double size = std::fabs(value);
    if (!(size >= 1e-16 && size < 1e27))
        return throughText(value); // zero, the extremes, NaN and infinities
    // The decimal exponent from the binary one, at most one too small (tried below).
    int binary = 0;
    std::frexp(size, &binary);
    const int exponent = static_cast<int>(std::floor((binary - 1) * 0.30102999566398120));
    for (const int digits : {5 - exponent, 4 - exponent}) {
        const double power = powersOfTen[std::size_t(std::abs(digits))];
        double near = 0, error = 0;
        if (digits >= 0) {
            near = size * power;
            error = std::fma(size, power, -near);
        } else {
            near = size / power;
            error = std::fma(-near, power, size); // the remainder: its sign is the error's
        }
        if (near < 1e5 || near >= 1e6) // the exponent was one too small
            continue;
        const double whole = roundedExactly(near, error);
        const double written = digits >= 0 ? whole / power : whole * power;
        return std::copysign(written, value);
    }
    return throughText(value);
}

ProcessRecord asWritten(const ProcessRecord& process) {
    ProcessRecord written = process;
    TDane& data = written.data;
    data.steelCarbon = asWritten(data.steelCarbon);
    data.transferCoefficient = asWritten(data.transferCoefficient);
    for (double& content : data.alloy)
        content = asWritten(content);
    for (auto* column : {&data.times, &data.temperatures, &data.potentials})
        for (double& value : *column)
            value = asWritten(value);
    for (StageCondition& condition : data.conditions)
        for (std::optional<double>* value : {&condition.fluxLimit, &condition.ceiling})
            if (*value)
                *value = asWritten(**value);
    written.thickness = kindTraits(process.shape).size != SampleSize::None
                            ? asWritten(process.thickness)
                            : unfilledValue;
    return written;
}

std::optional<std::string> wholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeProcessData(const std::string& path, const ProcessRecord& process) {
    return !AtomicFile(path).replace(processDataText(process));
}

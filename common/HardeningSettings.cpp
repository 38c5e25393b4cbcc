#include "HardeningSettings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr std::array<std::pair<QuenchMedium, std::string_view>, 5> media{{
    {QuenchMedium::Oil, "oil"},
    {QuenchMedium::Water, "water"},
    {QuenchMedium::Polymer, "polymer"},
    {QuenchMedium::Salt, "salt"},
    {QuenchMedium::Gas, "gas"},
}};

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        found.push_back(text.substr(start, end - start));
        at = end;
    }
    return found;
}

std::optional<double> number(std::string_view word) {
    double value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string numberText(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

std::optional<QuenchMedium> mediumNamed(std::string_view word) {
    for (const auto& [medium, name] : media)
        if (name == word)
            return medium;
    return std::nullopt;
}

// The optional "H" and "section" words of a quench line, from word `at` on.
std::optional<std::string> readQuenchOptions(const std::vector<std::string_view>& list,
                                             std::size_t at, QuenchSetting& quench) {
    for (; at < list.size(); at += 2) {
        const std::string word(list[at]);
        std::optional<double>* field = word == "H"         ? &quench.severity
                                       : word == "section" ? &quench.sectionMm
                                                           : nullptr;
        if (!field)
            return "\"" + word + "\" is neither \"H\" nor \"section\"";
        if (field->has_value())
            return "\"" + word + "\" is given twice";
        const std::optional<double> value =
            at + 1 < list.size() ? number(list[at + 1]) : std::nullopt;
        if (!value || *value <= 0)
            return "\"" + word + "\" needs a positive number after it";
        *field = value;
    }
    return std::nullopt;
}

} // namespace

std::string_view mediumName(QuenchMedium medium) {
    for (const auto& [known, name] : media)
        if (known == medium)
            return name;
    return {};
}

double typicalSeverity(QuenchMedium medium) {
    switch (medium) {
    case QuenchMedium::Oil:
        return 0.35;
    case QuenchMedium::Water:
        return 1.0;
    case QuenchMedium::Polymer:
        return 0.6;
    case QuenchMedium::Salt:
        return 0.3;
    case QuenchMedium::Gas:
        return 0.15;
    }
    return 0.35;
}

SettingRead<QuenchSetting> readQuench(std::string_view text) {
    const std::vector<std::string_view> list = words(text);
    if (list.empty())
        return BrokenRule{"no medium"};
    QuenchSetting quench;
    const std::optional<QuenchMedium> medium = mediumNamed(list[0]);
    if (!medium)
        return BrokenRule{"\"" + std::string(list[0]) + "\" is no medium"};
    quench.medium = *medium;
    const std::optional<double> bath = list.size() > 1 ? number(list[1]) : std::nullopt;
    if (!bath || *bath < -50 || *bath > 600)
        return BrokenRule{"the bath temperature must be a number of -50 to 600 °C"};
    quench.bathC = *bath;
    if (std::optional<std::string> broken = readQuenchOptions(list, 2, quench))
        return BrokenRule{*broken};
    return quench;
}

SettingRead<TemperSetting> readTemper(std::string_view text) {
    const std::vector<std::string_view> list = words(text);
    const std::optional<double> temperature = list.size() == 2 ? number(list[0]) : std::nullopt;
    const std::optional<double> hours = list.size() == 2 ? number(list[1]) : std::nullopt;
    if (!temperature || !hours)
        return BrokenRule{"two numbers are needed"};
    if (*temperature < 100 || *temperature > 700)
        return BrokenRule{"the temperature must lie between 100 and 700 °C"};
    if (*hours <= 0)
        return BrokenRule{"the time must be positive"};
    return TemperSetting{*temperature, *hours};
}

SettingRead<double> readCryo(std::string_view text) {
    const std::vector<std::string_view> list = words(text);
    const std::optional<double> temperature = list.size() == 1 ? number(list[0]) : std::nullopt;
    if (!temperature || *temperature >= 0 || *temperature < -273)
        return BrokenRule{"one number of -273 to 0 °C is needed"};
    return *temperature;
}

SettingRead<ExtraElements> readChemistry(std::string_view text) {
    const std::vector<std::string_view> list = words(text);
    if (list.empty() || list.size() % 2 != 0)
        return BrokenRule{"each element needs its content after it"};
    ExtraElements elements;
    std::vector<std::string_view> seen;
    for (std::size_t at = 0; at < list.size(); at += 2) {
        const std::string_view name = list[at];
        double* field = name == "Cu"   ? &elements.cu
                        : name == "V"  ? &elements.v
                        : name == "B"  ? &elements.b
                        : name == "Al" ? &elements.al
                        : name == "W"  ? &elements.w
                        : name == "Co" ? &elements.co
                                       : nullptr;
        if (!field && name != "grain")
            return BrokenRule{"\"" + std::string(name) +
                              "\" is not one of Cu, V, B, Al, W, Co, grain"};
        for (std::string_view earlier : seen)
            if (earlier == name)
                return BrokenRule{"\"" + std::string(name) + "\" is given twice"};
        seen.push_back(name);
        const std::optional<double> value = number(list[at + 1]);
        if (!value || *value < 0 || (field && *value > 5) ||
            (!field && (*value < 1 || *value > 12)))
            return BrokenRule{"the value of \"" + std::string(name) + "\" must be " +
                              (field ? "a content of 0 to 5 %" : "a grain size of 1 to 12")};
        if (field)
            *field = *value;
        else
            elements.grainSize = *value;
    }
    return elements;
}

SettingRead<std::string> readGrade(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return BrokenRule{"no name"};
    const std::size_t end = text.find_last_not_of(" \t");
    return std::string(text.substr(start, end - start + 1));
}

std::string quenchText(const QuenchSetting& quench) {
    std::string text = std::string(mediumName(quench.medium)) + " " + numberText(quench.bathC);
    if (quench.severity)
        text += " H " + numberText(*quench.severity);
    if (quench.sectionMm)
        text += " section " + numberText(*quench.sectionMm);
    return text;
}

std::string temperText(const TemperSetting& temper) {
    return numberText(temper.temperatureC) + " " + numberText(temper.hours);
}

std::string cryoText(double temperatureC) {
    return numberText(temperatureC);
}

std::string chemistryText(const ExtraElements& elements) {
    std::string text;
    const std::array<std::pair<std::string_view, double>, 6> listed{{{"Cu", elements.cu},
                                                                     {"V", elements.v},
                                                                     {"B", elements.b},
                                                                     {"Al", elements.al},
                                                                     {"W", elements.w},
                                                                     {"Co", elements.co}}};
    for (const auto& [name, percent] : listed)
        if (percent != 0)
            text += (text.empty() ? "" : " ") + std::string(name) + " " + numberText(percent);
    if (elements.grainSize)
        text += (text.empty() ? "grain " : " grain ") + numberText(*elements.grainSize);
    return text;
}

std::optional<std::string> hardeningProblem(const HardeningLines& lines, SampleShape shape) {
    if (lines.quench && !lines.quench->sectionMm && kindTraits(shape).size == SampleSize::None)
        return std::string(sectionNeeded);
    return std::nullopt;
}

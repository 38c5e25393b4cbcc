#include "ProcessSettings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// One setting: its name before the colon, what its value must look like (for refusals), the
// reader that takes the value's text into the record (false: the value is malformed) and the
// writer that gives the value's text back (nothing where the record does not hold it).
struct SettingRow {
    std::string_view name;
    std::string_view expected;
    bool (*read)(std::string_view value, ProcessSettings& settings);
    std::optional<std::string> (*write)(const ProcessSettings& settings);
};

constexpr std::array<std::pair<DiffusivityModel, std::string_view>, 3> diffusivityWords{{
    {DiffusivityModel::Standard, "standard"},
    {DiffusivityModel::Tibbetts, "tibbetts"},
    {DiffusivityModel::SlyckeEricsson, "slycke-ericsson"},
}};

bool readDiffusivity(std::string_view value, ProcessSettings& settings) {
    for (const auto& [law, word] : diffusivityWords)
        if (value == word) {
            settings.diffusivity = law;
            return true;
        }
    return false;
}

std::optional<std::string> writeDiffusivity(const ProcessSettings& settings) {
    if (!settings.diffusivity)
        return std::nullopt;
    return std::string(diffusivityWord(*settings.diffusivity));
}

constexpr SettingRow settingRows[] = {
    {"diffusivity", "standard, tibbetts or slycke-ericsson", readDiffusivity, writeDiffusivity},
};

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The profiles a run appends start with a line "-\"..."; nothing after them is a setting.
bool startsResults(std::string_view line) {
    return line.substr(0, 2) == "-\"";
}

std::string knownNames() {
    std::string names;
    for (const SettingRow& row : settingRows)
        names += (names.empty() ? "" : ", ") + std::string(row.name);
    return names;
}

} // namespace

std::string_view diffusivityWord(DiffusivityModel law) {
    for (const auto& [known, word] : diffusivityWords)
        if (known == law)
            return word;
    return {};
}

SettingReading readSettingLine(std::string_view line, ProcessSettings& settings,
                               std::vector<std::string>& seen) {
    line = trimmed(line);
    if (startsResults(line))
        return {};
    SettingReading reading;
    reading.isSetting = true;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        reading.rule = "is not a setting line \"name: value\" (" + knownNames() + "): \"" +
                       std::string(line) + "\"";
        return reading;
    }
    reading.name = std::string(trimmed(line.substr(0, colon)));
    const std::string_view value = trimmed(line.substr(colon + 1));
    const auto row =
        std::find_if(std::begin(settingRows), std::end(settingRows),
                     [&](const SettingRow& known) { return known.name == reading.name; });
    if (row == std::end(settingRows)) {
        reading.rule = "names no setting this program knows: \"" + reading.name +
                       "\" (known: " + knownNames() + ")";
        return reading;
    }
    if (std::find(seen.begin(), seen.end(), reading.name) != seen.end()) {
        reading.rule = "gives \"" + reading.name + "\" a second time";
        return reading;
    }
    seen.push_back(reading.name);
    if (!row->read(value, settings))
        reading.rule = "gives " + reading.name + " \"" + std::string(value) + "\", which must be " +
                       std::string(row->expected);
    return reading;
}

std::string settingsText(const ProcessSettings& settings) {
    std::string text;
    for (const SettingRow& row : settingRows)
        if (const std::optional<std::string> value = row.write(settings))
            text += std::string(row.name) + ": " + *value + "\r\n";
    return text;
}

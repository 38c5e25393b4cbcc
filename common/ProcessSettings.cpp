#include "ProcessSettings.h"

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

namespace {

// One setting: its name before the colon, what its value must look like (for refusals), the
// reader that takes the value's text into the record (false: the value is malformed) and the
// writer that gives the value's text back (nothing where the record does not hold it).
struct SettingRow {
    std::string_view name;
    std::string_view expected;
    bool (*read)(std::string_view value, ProcessSettings& settings);
    std::optional<std::string> (*write)(const ProcessSettings& settings);
    // A rule the setting breaks with the sample's shape; none where every shape takes it.
    std::optional<std::string> (*shapeRule)(const ProcessSettings& settings,
                                            SampleShape shape) = nullptr;
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

// A setting whose value reads into one field through its reader of HardeningSettings.h.
template <auto field, auto reader>
bool readInto(std::string_view value, ProcessSettings& settings) {
    auto read = reader(value);
    if (std::holds_alternative<BrokenRule>(read))
        return false;
    settings.*field = std::get<0>(std::move(read));
    return true;
}

template <auto field, auto writer>
std::optional<std::string> writeFrom(const ProcessSettings& settings) {
    if (!(settings.*field))
        return std::nullopt;
    return writer(*(settings.*field));
}

std::string gradeText(const std::string& grade) {
    return grade;
}

std::optional<std::string> quenchFitsShape(const ProcessSettings& settings, SampleShape shape) {
    return hardeningProblem(hardeningLines(settings), shape);
}

bool readCarbides(std::string_view value, ProcessSettings& settings) {
    if (value != "on" && value != "off")
        return false;
    settings.carbides = value == "on";
    return true;
}

std::optional<std::string> writeCarbides(const ProcessSettings& settings) {
    if (!settings.carbides)
        return std::nullopt;
    return std::string(*settings.carbides ? "on" : "off");
}

constexpr SettingRow settingRows[] = {
    {"diffusivity", "standard, tibbetts or slycke-ericsson", readDiffusivity, writeDiffusivity},
    {"quench", quenchExpected, readInto<&ProcessSettings::quench, readQuench>,
     writeFrom<&ProcessSettings::quench, quenchText>, quenchFitsShape},
    {"temper", temperExpected, readInto<&ProcessSettings::temper, readTemper>,
     writeFrom<&ProcessSettings::temper, temperText>},
    {"cryo", cryoExpected, readInto<&ProcessSettings::cryo, readCryo>,
     writeFrom<&ProcessSettings::cryo, cryoText>},
    {"chemistry", chemistryExpected, readInto<&ProcessSettings::chemistry, readChemistry>,
     writeFrom<&ProcessSettings::chemistry, chemistryText>},
    {"grade", gradeExpected, readInto<&ProcessSettings::grade, readGrade>,
     writeFrom<&ProcessSettings::grade, gradeText>},
    {"carbides", "on or off", readCarbides, writeCarbides},
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

std::optional<std::string> settingShapeRule(std::string_view name, const ProcessSettings& settings,
                                            SampleShape shape) {
    for (const SettingRow& row : settingRows)
        if (row.name == name && row.shapeRule)
            return row.shapeRule(settings, shape);
    return std::nullopt;
}

HardeningLines hardeningLines(const ProcessSettings& settings) {
    return {settings.quench, settings.temper, settings.cryo, settings.chemistry};
}

void setHardening(ProcessSettings& settings, const HardeningLines& lines) {
    settings.quench = lines.quench;
    settings.temper = lines.temper;
    settings.cryo = lines.cryoC;
    settings.chemistry = lines.chemistry;
}

#pragma once
// Settings lines: optional "name: value" lines after the shape block of a process-data file
// (after the size line, or after the shape line of a semi-infinite sample). They choose models
// and treatments beyond the stage programme; a file without them means what it always meant.
// A run appends its profiles after them, so they end at the line that starts the profiles
// (`-"`) or at the end of the text.
//
// Every setting is one field of ProcessSettings, absent where the file does not give it (its
// default then holds), and one row of the table in ProcessSettings.cpp: its name, what its
// value must look like, how the value reads and how it is written. Adding a setting is adding
// both; the reader, the writer and the refusals follow from the table.

#include "HardeningSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The law of the carbon diffusivity in austenite.
enum class DiffusivityModel { Standard, Tibbetts, SlyckeEricsson };

struct ProcessSettings {
    std::optional<DiffusivityModel> diffusivity; // absent: Standard
    // The hardening after carburizing (HardeningSettings.h); without a quench the hardness
    // comes from the grade curves.
    std::optional<QuenchSetting> quench;
    std::optional<TemperSetting> temper;
    std::optional<double> cryo; // °C
    std::optional<ExtraElements> chemistry;
    std::optional<std::string> grade; // the steel's name, as the grade picker gave it
    std::optional<bool> carbides;     // absent: off, no cementite forms
    friend bool operator==(const ProcessSettings&, const ProcessSettings&) = default;
};

// What a settings line says, or why it is refused: `rule` reads after "line N" ("line 16 gives
// diffusivity \"fast\", which must be ...").
struct SettingReading {
    bool isSetting = false; // false: the line starts the result blocks, nothing more to read
    std::string name;       // the setting the line names, as written
    std::string rule;       // non-empty: the line is refused for this reason
};

// Reads one normalised line into `settings`. A line that names a setting already in `seen` is
// refused, so that a file cannot say two things about one setting.
SettingReading readSettingLine(std::string_view line, ProcessSettings& settings,
                               std::vector<std::string>& seen);

// A rule the setting `name` breaks with the sample's shape (after "line N", as above); none for
// a setting that fits every shape.
std::optional<std::string> settingShapeRule(std::string_view name, const ProcessSettings& settings,
                                            SampleShape shape);

// The hardening lines of the settings, and the settings with them.
HardeningLines hardeningLines(const ProcessSettings& settings);
void setHardening(ProcessSettings& settings, const HardeningLines& lines);

// The settings as the file holds them: one "name: value" line each, in the table's order, each
// ended by CR LF; empty when none is given.
std::string settingsText(const ProcessSettings& settings);

// The word the file uses for a law ("standard", "tibbetts", "slycke-ericsson").
std::string_view diffusivityWord(DiffusivityModel law);

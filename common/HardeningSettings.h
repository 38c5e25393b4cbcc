#pragma once
// The settings lines that describe how a carburized part is hardened, their values as the
// file holds them, and their one reading and writing:
//
//   quench: oil 25 [H 0.35] [section 4]   medium, bath °C, Grossman severity (1/inch), size (mm)
//   temper: 180 2                         °C, hours
//   cryo: -196                            sub-zero treatment after the quench, °C
//   chemistry: Cu 0.10 V 0.05 [grain 8]   elements beyond Cr, Mo, Mn, Si, Ni (%), grain size
//   grade: 16MnCr5                        the name of the steel the chemistry was taken from
//
// A reader returns the value, or the rule its text broke (for the refusal "line N: ...").

#include "KindTraits.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

enum class QuenchMedium { Oil, Water, Polymer, Salt, Gas };

struct QuenchSetting {
    QuenchMedium medium = QuenchMedium::Oil;
    double bathC = 25;               // °C
    std::optional<double> severity;  // Grossman's H, 1/inch; the medium's when absent
    std::optional<double> sectionMm; // mm; the sample's size when absent
    bool operator==(const QuenchSetting&) const = default;
};

struct TemperSetting {
    double temperatureC = 180; // °C
    double hours = 2;
    bool operator==(const TemperSetting&) const = default;
};

// The elements a chemistry line may give (%), and the austenite grain size (ASTM number).
struct ExtraElements {
    double cu = 0, v = 0, b = 0, al = 0, w = 0, co = 0;
    std::optional<double> grainSize;
    bool operator==(const ExtraElements&) const = default;
};

struct BrokenRule {
    std::string rule; // what the value broke, as the refusal says it
};
// The hardening lines of one process, each absent when its line is.
struct HardeningLines {
    std::optional<QuenchSetting> quench;
    std::optional<TemperSetting> temper;
    std::optional<double> cryoC;
    std::optional<ExtraElements> chemistry;
    bool operator==(const HardeningLines&) const = default;
};

template <class Value> using SettingRead = std::variant<Value, BrokenRule>;

// What each line's value must look like, as a refusal says it.
inline constexpr std::string_view quenchExpected =
    "a medium (oil, water, polymer, salt or gas) and the bath temperature in °C, then "
    "optionally \"H\" and the severity and \"section\" and the size in mm";
inline constexpr std::string_view temperExpected = "the temperature in °C and the time in hours";
inline constexpr std::string_view cryoExpected = "a temperature below 0 °C";
inline constexpr std::string_view chemistryExpected =
    "elements (Cu, V, B, Al, W, Co) each followed by its content in %, and optionally "
    "\"grain\" and the grain size";
inline constexpr std::string_view gradeExpected = "the name of a steel";
inline constexpr std::string_view sectionNeeded =
    "gives a quench without \"section\", which a semi-infinite sample needs: the size of the "
    "part in mm";

SettingRead<QuenchSetting> readQuench(std::string_view text);
SettingRead<TemperSetting> readTemper(std::string_view text);
SettingRead<double> readCryo(std::string_view text);
SettingRead<ExtraElements> readChemistry(std::string_view text);
SettingRead<std::string> readGrade(std::string_view text);

std::string quenchText(const QuenchSetting& quench);
std::string temperText(const TemperSetting& temper);
std::string cryoText(double temperatureC);
std::string chemistryText(const ExtraElements& elements);

// A rule the lines break together with the sample's shape: a semi-infinite sample has no size
// of its own, so its quench needs a section ("quench: ...").
std::optional<std::string> hardeningProblem(const HardeningLines& lines, SampleShape shape);

std::string_view mediumName(QuenchMedium medium);
// Grossman's severity of a medium, moderately agitated, 1/inch.
double typicalSeverity(QuenchMedium medium);

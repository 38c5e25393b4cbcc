#pragma once
// The process-data file: what defines one carburizing run, and the head of every result set.
//
// Layout (CR LF line ends): steel carbon; transfer coefficient (cm/s); empty line; Cr, Mo, Mn,
// Si, Ni (one per line); empty line; the stage count n; n rows "time temperature potential",
// each row but the first optionally followed by the surface condition of the stage it ends
// ("neutral", "boost", "boost J0", each boost optionally ended by "limit C"; no word, or "gas",
// for a gas stage); the shape name; for every shape but the semi-infinite sample, the thickness
// (or diameter) in mm; optional settings lines "name: value" (ProcessSettings.h). A run appends
// its carbon profiles after that head, so every reader stops there.

#include "KindTraits.h"
#include "ProcessSettings.h"
#include "SurfaceConditions.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A value nobody gave. A process-data file holds this number where the dialog's box was left
// empty (a saved form keeps its empty boxes so), the value rules refuse it wherever a value is
// needed, and a record of a semi-infinite sample carries it as its size.
inline constexpr double unfilledValue = 2009990.0;

inline constexpr int maxStages = 10;           // rows of a programme of gas stages
inline constexpr int maxConditionStages = 100; // rows when any stage carries another condition

// Whether the row limits above hold: they do for every programme typed or designed; the
// programme of a logged load (an as-run set, told by its record beside it) has a row per
// logged instant.
enum class RowLimit { Form, None };

// The word a stage row carries for `condition`: empty for gas (gas rows are written without
// one, as they always were), "neutral", "boost" or "boost J0" with J0 written like every other
// number of the file, and " limit C" after a boost's word where it has a ceiling.
std::string conditionWord(const StageCondition& condition);

// What the text after a row's three numbers says: no text is gas. `rule` says what is wrong
// when `condition` is empty (an unknown word, a flux limit that is not a number, extra words).
// Values are not judged here (see checkProcessValues).
struct ConditionReading {
    std::optional<StageCondition> condition;
    std::string rule;
};
ConditionReading readConditionWord(std::string_view tail);

// A word of the file as a number: the whole word, in the C locale ("+" allowed in front).
std::optional<double> fileNumber(std::string_view word);

// A line as read from a file: trailing CR and blanks removed; text that is not valid UTF-8 is
// taken as Windows-1250 and converted.
std::string normalizedLine(std::string_view line);

// The process-data record; the viewer reads the head of a file into it.
struct TDane {
    double steelCarbon = 0;           // % C
    double transferCoefficient = 0;   // cm/s
    std::array<double, 5> alloy{};    // %: Cr, Mo, Mn, Si, Ni (file order)
    std::vector<double> times;        // h (s for a foil)
    std::vector<double> temperatures; // °C
    std::vector<double> potentials;   // % C
    // One per stage row, the first always gas (it ends no stage); a record built in code may
    // leave it empty for a programme of gas stages.
    std::vector<StageCondition> conditions;
};

// The condition of the stage that ends at `row`; gas where the record carries none.
StageCondition stageCondition(const TDane& data, std::size_t row);

// Whether a stage that offers the atmosphere's potential ramps from or to the potential of
// `row`: only then does that potential reach the surface.
bool potentialOffered(const TDane& data, std::size_t row);

// True when any stage is not a gas stage: such a programme may have up to 100 rows.
bool usesConditions(const TDane& data);

// The rows a programme of `data`'s kind may have: 10, or 100 with conditions.
std::size_t stageLimit(const TDane& data);

// Reads two doubles, the five alloy contents, the stage count and that many rows, each with the
// condition word after its numbers; stops there. A word it does not know fails the stream.
std::istream& operator>>(std::istream& in, TDane& data);

// One process, as a process-data file's head holds it: the record, the shape and its size, and
// the settings lines after them.
struct ProcessRecord {
    TDane data;
    SampleShape shape = SampleShape::SemiInfinite;
    double thickness = unfilledValue; // mm, for every shape but the semi-infinite sample
    ProcessSettings settings;
};

// The value a process-data file gives back for `value`: the writer keeps six significant
// digits. A trial that must compute what a written file will compute takes its values so.
double asWritten(double value);
// The process as its file gives it back: every number as written; no size where the shape has
// none.
ProcessRecord asWritten(const ProcessRecord& process);

// The whole text of the file at `path`; empty when it cannot be opened.
std::optional<std::string> wholeFile(const std::string& path);

// The file text for a process: every row with its condition word, then its settings.
std::string processDataText(const ProcessRecord& process);
// The same with `stageCount` on the count line in place of the number of rows: the dialog's
// saved form counts its filled time cells, and an empty first row is written all the same.
std::string processDataText(const ProcessRecord& process, std::size_t stageCount);

// Writes the file at `path` (already completed), replacing it as a whole (AtomicFile); false
// when it cannot be written. Callers that tell the user why replace the text themselves.
bool writeProcessData(const std::string& path, const ProcessRecord& process);

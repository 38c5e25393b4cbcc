#pragma once
// The process-data file: what defines one carburizing run, and the head of every result set.
//
// Layout (CR LF line ends): steel carbon; transfer coefficient (cm/s); empty line; Cr, Mo, Mn,
// Si, Ni (one per line); empty line; the stage count n; n rows "time temperature potential";
// the shape name; for every shape but the semi-infinite sample, the thickness (or diameter) in
// mm. A run appends its carbon profiles after that head, so every reader stops there.

#include "KindTraits.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An empty box of the process-data dialog travels as this value.
inline constexpr double emptyCell = 2009990.0;

inline constexpr int maxStages = 10;

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
};

// Reads two doubles, the five alloy contents, the stage count and that many rows; stops there.
std::istream& operator>>(std::istream& in, TDane& data);

// One process, as a process-data file's head holds it: the record, the shape and its size.
struct ProcessRecord {
    TDane data;
    SampleShape shape = SampleShape::SemiInfinite;
    double thickness = emptyCell; // mm, for every shape but the semi-infinite sample
};

// The value a process-data file gives back for `value`: the writer keeps six significant
// digits. A trial that must compute what a written file will compute takes its values so.
double asWritten(double value);
// The process as its file gives it back: every number as written; no size where the shape has
// none.
ProcessRecord asWritten(const ProcessRecord& process);

// The values of the process-data dialog, each box as a double (emptyCell when empty).
struct ProcessForm {
    double steelCarbon = emptyCell;         // % C
    double transferCoefficient = emptyCell; // cm/s
    double thickness = emptyCell;           // mm: plate or foil thickness, cylinder diameter
    double cr = emptyCell, mo = emptyCell, mn = emptyCell, si = emptyCell, ni = emptyCell; // %
    std::array<double, maxStages> time = filled();        // h (s for a foil)
    std::array<double, maxStages> temperature = filled(); // °C
    std::array<double, maxStages> potential = filled();   // % C

private:
    static constexpr std::array<double, maxStages> filled() {
        std::array<double, maxStages> cells{};
        cells.fill(emptyCell);
        return cells;
    }
};

// The record a form's file would hold: row 1 always, rows 2 to 10 where their time is filled.
TDane processRecord(const ProcessForm& form);

// The process of a form for `shape`, its values as the boxes hold them.
ProcessRecord processRecord(const ProcessForm& form, SampleShape shape);
// The form whose boxes hold `process` (its rows from the first; the shape is the program's).
ProcessForm formOf(const ProcessRecord& process);

// The process of a form for `shape` as its file would give it back: the rows processRecord
// keeps, every number as written.
ProcessRecord writtenRecord(const ProcessForm& form, SampleShape shape);

// The whole text of the file at `path`; empty when it cannot be opened.
std::optional<std::string> wholeFile(const std::string& path);

// The file text of a process. The count line counts the rows whose time is filled: a form's
// first row is written even when its time box is empty.
std::string processDataText(const ProcessRecord& process);
// The file text for a form: row 1 always, rows 2 to 10 where their time is filled.
std::string processDataText(const ProcessForm& form, std::string_view shape);

// Writes the file at `path` (already completed), replacing it as a whole (AtomicFile); false
// when it cannot be written. Callers that tell the user why replace the text themselves.
bool writeProcessData(const std::string& path, const ProcessForm& form, std::string_view shape);
bool writeProcessData(const std::string& path, const ProcessRecord& process);

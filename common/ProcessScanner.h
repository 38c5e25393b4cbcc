#pragma once
// The one reader of a process-data file's head (layout in ProcessData.h), with the strictness
// each caller needs. The layout is walked here only; the modes differ in how a value must read,
// what the end of the text means and where the scan stops:
//
// - Strict (the run, the batch mode, the design): every value is a whole word that is a number
//   ("+" allowed), the stage count a whole number of rows that are present, at most 10 (100
//   when a stage carries a condition), then a known shape and, where the shape has a size, the
//   size.
// - Loader (the dialog's "Załaduj..."): a value reads as formatted input reads it; a value beyond
//   the end of the text is absent (its box empties). A value that is not a number, a count the
//   table cannot hold (as above) or fewer rows than the count is a fault. The shape line is
//   compared, as text, with the running program's shape; the size is read only when they agree.
// - Extraction (the viewer's `>> TDane`): formatted input as it always was: the count is an
//   integer with no limit, rows are taken while they read, and the scan stops after the rows.
//
// In every mode a row's condition word (the rest of its line) must be one the file knows. Strict
// and Loader read the settings lines after the shape block (ProcessSettings.h) up to the first
// result block; every line there must be a known setting with a value it takes. The Loader reads
// them only when the shape line is the running program's.
//
// In every mode the first fault ends the scan; what was read before it is kept. Callers word
// the fault for their users.

#include "KindTraits.h"
#include "ProcessData.h"
#include "ProcessSettings.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Strictness { Strict, Loader, Extraction };

// The place in the head a fault is at.
enum class HeadItem {
    SteelCarbon,
    TransferCoefficient,
    Alloy, // index: Cr, Mo, Mn, Si, Ni
    StageCount,
    StageTime, // index: the row, from 0
    StageTemperature,
    StagePotential,
    StageWord, // the condition word
    Shape,
    Size,
    Setting, // index: the line number, from 1
};

struct HeadFault {
    enum class Kind {
        NotANumber,      // text: what the file holds there ("" at the end of the text)
        CountNotWhole,   // Strict
        CountOutOfRange, // count, and index = the rows the table may hold
        RowsMissing,     // Loader: count, and index = the rows the file holds
        UnknownWord,     // text: why the condition word is not one the file knows
        UnknownShape,    // Strict; text: the shape line
        BadSetting,      // text: why the settings line is refused (see ProcessSettings.h)
    };
    Kind kind = Kind::NotANumber;
    HeadItem item = HeadItem::SteelCarbon;
    std::size_t index = 0;
    std::string text;
    double count = 0;
};

struct StageRow {
    double time = 0;        // h (s for a foil)
    double temperature = 0; // °C
    double potential = 0;   // % C
    StageCondition condition;
};

// What a scan found; a value is absent where the text ended before it or the scan stopped.
struct ScannedHead {
    std::optional<double> steelCarbon;          // % C
    std::optional<double> transferCoefficient;  // cm/s
    std::array<std::optional<double>, 5> alloy; // %: Cr, Mo, Mn, Si, Ni
    std::optional<double> stageCount;
    std::vector<StageRow> rows;       // the rows read whole
    std::string shapeLine;            // normalised; empty where the scan did not reach it
    std::optional<SampleShape> shape; // what the shape line names
    bool shapeMatches = false;        // Loader: the shape line is the running program's shape
    std::optional<double> size;       // mm: thickness, or a cylinder's diameter
    ProcessSettings settings;         // Strict and Loader: the settings lines after the shape block
    std::size_t length = 0; // Strict: bytes up to and including the last line end of the head and
                            // its settings
    std::optional<HeadFault> fault;

    // The values found as a record; an absent value is 0.
    TDane data() const;
};

// Scans the head from `in` (read in the classic locale whatever the stream's). `programShape`
// is the running program's shape name, which the Loader compares the shape line with.
// Strict with RowLimit::None takes any number of rows.
ScannedHead scanProcessHead(std::istream& in, Strictness strictness,
                            std::string_view programShape = {}, RowLimit limit = RowLimit::Form);

#pragma once
// The values of the process-data dialog, each box as a number, and the one conversion from them
// to the process record that common/ProcessData.h reads and writes.

#include "ProcessData.h"

#include <array>
#include <string>

// An empty box travels as this value: the number a saved form writes for it.
inline constexpr double emptyCell = unfilledValue;

struct ProcessForm {
    double steelCarbon = emptyCell;         // % C
    double transferCoefficient = emptyCell; // cm/s
    double thickness = emptyCell;           // mm: plate or foil thickness, cylinder diameter
    double cr = emptyCell, mo = emptyCell, mn = emptyCell, si = emptyCell, ni = emptyCell; // %
    // One cell per row of the stage table, which holds ten rows and grows to the rows of a
    // programme with conditions.
    std::array<double, maxConditionStages> time = filled();        // h (s for a foil)
    std::array<double, maxConditionStages> temperature = filled(); // °C
    std::array<double, maxConditionStages> potential = filled();   // % C
    std::array<StageCondition, maxConditionStages> condition{};    // of the stage a row ends
    // The settings lines the form keeps for its file: those of the file it loaded, and those its
    // own boxes set.
    ProcessSettings settings;

private:
    static constexpr std::array<double, maxConditionStages> filled() {
        std::array<double, maxConditionStages> cells{};
        cells.fill(emptyCell);
        return cells;
    }
};

// The process of a form for `shape`: row 1 always, the later rows where their time is filled,
// every value as the boxes hold it (an empty one as emptyCell, which the value rules refuse).
ProcessRecord processRecord(const ProcessForm& form, SampleShape shape);

// The form whose boxes hold `process` (its rows from the first; the shape is the program's).
ProcessForm formOf(const ProcessRecord& process);

// The file text the dialog saves for a form: the rows processRecord keeps, under a count line
// that counts the filled time cells. An empty first row is written all the same but not counted:
// kept as it always was, for the files users saved so.
std::string processDataText(const ProcessForm& form, SampleShape shape);

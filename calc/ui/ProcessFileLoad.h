#pragma once
// Loading a process-data file into the boxes of the process-data dialog ("Załaduj...").
//
// The file is read as the formatted stream of numbers it was written as. Every value found is
// shown so that it reads back the same (six decimals wherever they are exact); a box whose value
// lies beyond the end of the file stays empty. A file with a value that is not a number, a
// condition word it does not know, a stage count the table cannot hold (10 rows of gas stages,
// 100 with conditions), or fewer rows than its count is refused as a whole, naming what is
// wrong, so that the boxes keep what they had.

#include "ProcessData.h"

#include <string>
#include <string_view>
#include <vector>

// One text per box; an empty text empties the box.
struct LoadedBoxes {
    std::string steelCarbon, transferCoefficient;
    std::string cr, mo, mn, si, ni;
    struct Row {
        std::string time, temperature, potential;
        SurfaceCondition condition = plainCondition;
        std::string fluxLimit; // J0 of a limited boost; empty for every other condition
        std::string ceiling;   // % C a boost holds the surface at; empty: the saturation limit
    };
    // At least the ten rows of a gas programme; as many as the file lists when its stages carry
    // conditions.
    std::vector<Row> rows = std::vector<Row>(maxStages);
    // The file is for the shape of the running program; when it is not, the thickness is not
    // read and its box keeps its text.
    bool shapeMatches = false;
    std::string thickness;
    ProcessSettings settings; // read only when the shape matches
};

// The boxes of one stage row for the values a programme holds, as a loaded file shows them.
LoadedBoxes::Row stageBoxes(double time, double temperature, double potential,
                            const StageCondition& condition);

struct ProcessFileLoad {
    enum class Result { Loaded, CannotOpen, Refused };
    Result result = Result::Loaded;
    LoadedBoxes boxes;   // Loaded
    std::string problem; // Refused: why, for the user
};

ProcessFileLoad loadProcessFile(const std::string& path, std::string_view shape);

// The same for the file's text (what loadProcessFile does once the file is open).
ProcessFileLoad loadProcessText(std::string_view text, std::string_view shape);

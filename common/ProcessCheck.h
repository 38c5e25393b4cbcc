#pragma once
// Refuses process data the computation cannot serve, before anything is written or run.
//
// The diffusivity law describes carbon in austenite only over a limited range: far below it D
// overflows, and at about 4.31 % C and above it is no longer positive. These rules keep every
// run inside the range where the explicit scheme is defined; the dialog and the batch mode
// apply the same ones.

#include "ProcessData.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr double minTemperatureC = 700.0;
inline constexpr double maxTemperatureC = 1200.0;
inline constexpr double maxCarbon = 4.3; // % C; D(C) > 0 needs 1 - 0.232 C > 0
inline constexpr double maxAlloy = 5.0;  // % of each alloying element the form accepts

// Whether somebody gave the value: the one test of a form's box and a file's field alike. A value
// that is not finite was never typed, so it counts as not given either.
bool isFilled(double value);

// Why data were refused: the field and the rule it broke.
struct ProcessProblem {
    std::string field;
    std::string rule;
};

// The head of a process-data file, read strictly.
struct ProcessHead : ProcessRecord {
    std::size_t length = 0; // bytes up to and including the head's last line end
};

struct HeadReading {
    std::optional<ProcessHead> head;
    ProcessProblem problem; // set when `head` is empty
};

// Reads the head from the file's text; every number must be a complete number and the stage
// count a whole number of rows that are present. Values are not judged here.
HeadReading readProcessHead(std::string_view text, RowLimit limit = RowLimit::Form);

// The value rules: filled, finite, and within the ranges above; stage times from 0, rising.
std::optional<ProcessProblem> checkProcessValues(const TDane& data, SampleShape shape,
                                                 double thickness, RowLimit limit = RowLimit::Form);

// Both of the above, for a whole file's text.
HeadReading readCheckedProcessHead(std::string_view text, RowLimit limit = RowLimit::Form);

#pragma once
// Process records for tests and benchmarks: a steel without alloying elements and a programme
// given row by row. Header-only: the physics tests and the benchmarks use it too.

#include "ProcessData.h"

#include <initializer_list>

// One row of a programme, in the units of the process-data file.
struct StageRow {
    double time;                // h (s for a foil or a wire)
    double celsius;             // °C
    double potential;           // % C
    StageCondition condition{}; // of the stage the row ends
};

// A steel of carbon `ck` (% C) without alloying elements, a transfer coefficient in cm/s and the
// programme `rows`, the first at time 0, for a sample of `shape` whose thickness or diameter is
// `size` mm (none for the semi-infinite sample).
inline ProcessRecord stagedProcess(double ck, double transferCmPerS,
                                   std::initializer_list<StageRow> rows,
                                   SampleShape shape = SampleShape::SemiInfinite,
                                   double size = unfilledValue) {
    ProcessRecord process;
    process.shape = shape;
    process.thickness = size;
    process.data.steelCarbon = ck;
    process.data.transferCoefficient = transferCmPerS;
    for (const StageRow& row : rows) {
        process.data.times.push_back(row.time);
        process.data.temperatures.push_back(row.celsius);
        process.data.potentials.push_back(row.potential);
        process.data.conditions.push_back(row.condition);
    }
    return process;
}

// One constant stage, `hours` long (seconds for foil and wire), of a semi-infinite sample.
inline ProcessRecord constantStage(double hours, double celsius, double potential, double ck = 0.2,
                                   double transferCmPerS = 2e-5) {
    return stagedProcess(ck, transferCmPerS,
                         {{0, celsius, potential}, {hours, celsius, potential}});
}

// `process` for a sample of `shape`, `size` mm thick (or across).
inline ProcessRecord shaped(ProcessRecord process, SampleShape shape, double size) {
    process.shape = shape;
    process.thickness = size;
    return process;
}

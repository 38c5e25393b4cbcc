#pragma once
// The load as the furnace ran it: a plan's steel, transfer coefficient, shape and size, with the
// temperature and potential its log recorded in place of the planned programme.
//
// Every row of the log is a row of the as-run programme, so the run goes linearly from row to
// row as it goes between planned stage rows; the stage-row limits of the form do not apply.
// Burn-off rows hold the last valid potential (the first valid one where none came before);
// rows where the gas would soot offer the carbon of the soot limit (a_C = 1). A gap of more than
// ten minutes between rows holds the row before over it (until ten seconds before the next
// row). Only the rows nearest the plan's stage ends, and the last row, end stages: profiles are
// written there, not at each of the log's thousands of rows.

#include "AsRunRecord.h"
#include "FurnaceLog.h"
#include "ProcessData.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

inline constexpr double logGapLimit = 600; // s, a longer gap is held over and warned
inline constexpr double heldGapRamp = 10;  // s, from the held values to the next row's

// One instant of the furnace's path as the run takes it.
struct PathPoint {
    std::size_t line = 0; // of the log row it comes from
    double time = 0;      // s
    double celsius = 0;
    double potential = 0;           // % C as the run takes it
    std::optional<double> setpoint; // % C
    bool masked = false;            // burn-off: the interval up to the next point is masked
    bool soot = false;
};

struct AsRun {
    ProcessRecord process;             // as its file gives it back (asWritten)
    std::vector<bool> stageEnds;       // per stage row of `process`
    std::vector<PathPoint> path;       // one per stage row of `process`
    std::string potentialColumn;       // the log's, that gave the potential
    bool setpointFromPlan = false;     // the log has no setpoint column: the plan's potential is
    std::vector<std::string> warnings; // gaps held over, naming their lines
};

struct AsRunBuild {
    std::optional<AsRun> asRun;
    std::optional<LogRefusal> refusal; // rows the process-data file cannot keep apart
};

AsRunBuild asRunProcess(const ProcessRecord& plan, const FurnaceLog& log);

// How the logged potential kept to its setpoint (BandReport, AsRunRecord.h).
BandReport bandReport(const AsRun& asRun);

// The record of `asRun` as the replay leaves it: the rows of its path, the band report, the
// names and the figures given.
AsRunRecord asRunRecord(const AsRun& asRun, std::string logName, std::string planName,
                        const CaseFigures& planned, const CaseFigures& asRunCase);

// The potential of the plan's programme at `seconds` from its start (the last row's beyond
// its end).
double plannedPotential(const ProcessRecord& plan, double seconds);

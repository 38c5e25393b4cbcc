#pragma once
// The log of a load as a furnace's recorder writes it: one row per instant, with the time, the
// temperature and the potential (or a reading of the instrument that gives it).
//
// CSV, separated by commas, or by semicolons with decimal commas. The first line names the
// columns, case-insensitively: `timestamp` (ISO 8601 date and time, "2026-03-01T06:00:00",
// a space in place of the T, optional fractions of seconds and a zone, Z or ±hh:mm) or `time`
// (s from the start); `temperature` (°C); the potential as `carbon_potential` (% C),
// `probe_mv` (with the optional `co`, `h2`, `process_factor` columns, else the options'
// values), `dew_point` (°C, with `co`, `h2`) or `co2` (%, with `co`), the first of these the
// header names being read (the others are noted as not read); optional `setpoint` (% C) and
// `event` (a row whose event is `burnoff` has no valid reading). Other columns are noted and
// ignored; empty lines are skipped.
//
// A row is refused, with its line and column, when a required cell is not a number, the
// reading is impossible (FurnaceReading's rules) or its time does not follow the row before.

#include "FurnaceReading.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a log's rows take where the log has no column for it.
struct LogDefaults {
    double co = defaultCO;
    double h2 = defaultH2;
    std::optional<double> processFactor; // probe_mv through a transmitter's process factor
};

struct LogRow {
    std::size_t line = 0; // in the file, from 1
    double time = 0;      // s from the first row
    double celsius = 0;
    // % C; nothing on a burn-off row and where the gas would soot.
    std::optional<double> potential;
    bool burnOff = false;
    bool soot = false;
    std::optional<double> setpoint; // % C, as this row or the last one before it gives it
};

struct FurnaceLog {
    std::vector<LogRow> rows; // at least two, times rising from 0
    std::string potentialColumn;
    bool hasSetpoint = false;
    // Columns the header names that are not read (unknown, or a second potential column).
    std::vector<std::string> ignoredColumns;
};

struct LogRefusal {
    std::size_t line = 0;
    std::string column; // as the header names it; empty where the fault is the row's as a whole
    std::string rule;
};

struct LogReading {
    std::optional<FurnaceLog> log;
    std::optional<LogRefusal> refusal; // when `log` is empty
};

LogReading readFurnaceLog(std::string_view text, const LogDefaults& defaults = {});

// "line 12, column probe_mv: must be 0 to 1500 mV".
std::string refusalText(const LogRefusal& refusal);

// Seconds since 1970-01-01T00:00:00Z of an ISO 8601 date and time; nothing when it is not one.
std::optional<double> isoSeconds(std::string_view text);

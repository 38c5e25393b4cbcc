#pragma once
// What makes an as-run set one, kept beside it in "<set>.run": the log and the plan it came
// from, per stage row of the set its setpoint, whether it ends a stage and whether the interval
// after it was masked by a burn-off, and the figures the replay printed (planned against as-run,
// the band report).
//
// A file of its own rather than settings lines in the process file: the settings are one line
// each and choose models, while this is a column of thousands of values, one per stage row,
// and figures of a finished run. Every reader of the process file (the viewer's, the form's,
// the Python module's) reads an as-run set as an ordinary one; only those that need the
// setpoint, the stage ends or the figures read this file. The replay builds the record
// (asRunRecord, Replay.h); the data and their text are here, below the computation, so that
// the readers of a result set read it without the engine.
//
// Text, CR LF (either read), numbers in the C locale, each written in the fewest digits that
// read back as the same double:
//
//   as-run load
//   log: /data/load-17.csv
//   plan: /data/walk1.tav
//   potential column: probe_mv
//   setpoint: log                  (or "plan": the log had no setpoint column)
//   planned: 0.951 1.23 0.98 0     (surface % C, case depth mm, CHD mm or "-", mean increase % C)
//   as-run: 0.962 1.25 1.01 0
//   band: 1440 12.5 0.868 5 3.2 200 30    (logged, outside min, outside %, longest min,
//                                           its start h, its line, masked min)
//   soot: 12 13                    (the log lines; nothing after the colon for none)
//   rows: 3
//   0.95 -                         (one line per stage row: setpoint or "-", then flags:
//   0.95 m                          "-" none, else letters: e ends a stage, m masked after it)
//   0.95 e

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr double potentialBand = 0.05; // % C, the band about the setpoint (CQI-9)

// How the logged potential kept to its setpoint, the intervals between points taken linearly
// as the run takes them.
struct BandReport {
    double loggedMinutes = 0;
    double outsideMinutes = 0; // outside ±potentialBand, masked intervals not counted
    double outsidePercent = 0; // of the logged time
    double longestMinutes = 0; // the longest excursion, unbroken
    double longestStartHours = 0;
    std::size_t longestStartLine = 0; // the log row it starts after
    double maskedMinutes = 0;
    std::vector<std::size_t> sootLines; // rows where the gas would soot
    friend bool operator==(const BandReport&, const BandReport&) = default;
};

// What a case is at the end of a run, as the comparison prints it.
struct CaseFigures {
    double surface = 0;              // % C
    double depth = 0;                // mm at the compared level (thick kinds)
    std::optional<double> hardening; // mm, case-hardening depth at 550 HV
    double meanIncrease = 0;         // % C (thin kinds)
    friend bool operator==(const CaseFigures&, const CaseFigures&) = default;
};

// One stage row of the as-run set.
struct AsRunRow {
    std::optional<double> setpoint; // % C
    bool stageEnd = false;
    bool masked = false; // the interval up to the next row was masked by a burn-off
    friend bool operator==(const AsRunRow&, const AsRunRow&) = default;
};

struct AsRunRecord {
    std::string logName;
    std::string planName;
    std::string potentialColumn;
    bool setpointFromPlan = false;
    CaseFigures planned;
    CaseFigures asRun;
    BandReport band;
    std::vector<AsRunRow> rows; // one per stage row of the set
    friend bool operator==(const AsRunRecord&, const AsRunRecord&) = default;

    // Per stage row, whether it ends a stage, as the run takes them (Parametry::stageEnds).
    std::vector<bool> stageEnds() const;
};

// The file beside the set: "<set>.run".
std::string asRunRecordName(std::string_view setName);

std::string asRunRecordText(const AsRunRecord& record);

struct AsRunRecordReading {
    std::optional<AsRunRecord> record;
    std::size_t line = 0; // of the fault, when `record` is empty
    std::string rule;
};

AsRunRecordReading readAsRunRecord(std::string_view text);

#pragma once
// The furnace's readings as a script converts them (tavrix.potential), as tavcalc --potential
// does.

#include "FurnaceReading.h"
#include "Replay.h"
#include "ScriptRun.h"

#include <optional>
#include <string>

class Process;

// What a reading means; the steel's surface carbon when a process was given.
struct Potential {
    AtmosphereState state;
    std::optional<double> surfaceCarbon; // % C in the process's steel; none where the gas soots
    std::optional<double> alloyFactor;   // Q of the process's steel
};

// The one reading among probe, dewPoint, co2 and carbon that is given. Refused readings raise
// ProcessError naming the keyword and the value ("probe=3000: must be 0 to 1500 mV").
Potential furnacePotential(double temperature, std::optional<double> probe,
                           std::optional<double> dewPoint, std::optional<double> co2,
                           std::optional<double> carbon, double co, double h2,
                           std::optional<double> processFactor, const Process* process);

// A load replayed from its log: the as-run and the planned results, and the band report.
struct Replayed {
    Process process; // the as-run process: the log's rows as stage rows
    Result result;
    Result planned;
    BandReport band;
    bool setpointFromPlan = false;
    std::vector<std::string> warnings;       // gaps held over
    std::vector<std::string> ignoredColumns; // of the log
};

// Reads the log (a refusal raises ProcessError naming the line and the column) and runs the
// as-run process and the plan in memory. Runs without the GIL (interruptible) once the log is
// read.
Replayed replayLoad(const Process& plan, const std::string& logPath, const LogDefaults& defaults);

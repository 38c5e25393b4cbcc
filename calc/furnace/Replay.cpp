#include "Replay.h"

#include "Atmosphere.h"
#include "KindTraits.h"

#include <algorithm>
#include <cstdio>

namespace {

// Seconds per unit of the plan's stage times.
double secondsPerUnit(const ProcessRecord& plan) {
    return kindTraits(plan.shape).timeUnit == TimeUnit::Hours ? 3600.0 : 1.0;
}

// The potential each row offers the run: burn-off rows hold the last valid one (the first valid
// one before any), soot rows the soot limit.
std::vector<double> runPotentials(const FurnaceLog& log) {
    std::vector<double> potentials(log.rows.size());
    std::optional<double> last;
    for (std::size_t row = 0; row < log.rows.size(); ++row) {
        const LogRow& logged = log.rows[row];
        if (logged.soot)
            last = sootLimitCarbon(logged.celsius + kelvinOffset);
        else if (logged.potential)
            last = logged.potential;
        potentials[row] = last.value_or(0);
    }
    const auto firstValid =
        std::find_if(log.rows.begin(), log.rows.end(), [](const LogRow& r) { return !r.burnOff; });
    const double first = potentials[std::size_t(firstValid - log.rows.begin())];
    for (std::size_t row = 0; log.rows[row].burnOff; ++row)
        potentials[row] = first;
    return potentials;
}

std::string gapWarning(const LogRow& row, double gap) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "line %zu: %.1f min since the row before, longer than %.0f min; the row before "
                  "is held over the gap",
                  row.line, gap / 60, logGapLimit / 60);
    return text;
}

std::vector<PathPoint> furnacePath(const ProcessRecord& plan, const FurnaceLog& log,
                                   std::vector<std::string>& warnings) {
    const std::vector<double> potentials = runPotentials(log);
    std::vector<PathPoint> path;
    path.reserve(log.rows.size());
    for (std::size_t row = 0; row < log.rows.size(); ++row) {
        const LogRow& logged = log.rows[row];
        PathPoint point{logged.line,     logged.time,    logged.celsius, potentials[row],
                        logged.setpoint, logged.burnOff, logged.soot};
        if (!log.hasSetpoint)
            point.setpoint = plannedPotential(plan, logged.time);
        if (row > 0 && logged.time - path.back().time > logGapLimit) {
            warnings.push_back(gapWarning(logged, logged.time - path.back().time));
            PathPoint held = path.back();
            held.time = logged.time - heldGapRamp;
            path.push_back(held);
        }
        path.push_back(point);
    }
    return path;
}

// Per point, whether it ends a stage: the first point at or after each planned stage end, and
// the last point.
std::vector<bool> stageEndsOf(const ProcessRecord& plan, const std::vector<PathPoint>& path) {
    std::vector<bool> ends(path.size(), false);
    const double unit = secondsPerUnit(plan);
    for (std::size_t row = 1; row < plan.data.times.size(); ++row) {
        const double end = plan.data.times[row] * unit;
        const auto at = std::find_if(path.begin(), path.end(),
                                     [end](const PathPoint& p) { return p.time >= end; });
        if (at != path.end())
            ends[std::size_t(at - path.begin())] = true;
    }
    ends.back() = true;
    ends.front() = false;
    return ends;
}

// [low, high] of the fraction of an interval where a linear d, from d0 to d1, is ≤ limit.
std::pair<double, double> atMost(double d0, double d1, double limit) {
    if (d0 <= limit && d1 <= limit)
        return {0, 1};
    if (d0 > limit && d1 > limit)
        return {1, 0};
    const double crossing = (limit - d0) / (d1 - d0);
    return d0 <= limit ? std::pair{0.0, crossing} : std::pair{crossing, 1.0};
}

} // namespace

double plannedPotential(const ProcessRecord& plan, double seconds) {
    const TDane& data = plan.data;
    const double time = seconds / secondsPerUnit(plan);
    const auto after = std::upper_bound(data.times.begin(), data.times.end(), time);
    if (after == data.times.end())
        return data.potentials.back();
    const std::size_t row = std::size_t(after - data.times.begin());
    if (row == 0)
        return data.potentials.front();
    const double share = (time - data.times[row - 1]) / (data.times[row] - data.times[row - 1]);
    return data.potentials[row - 1] + share * (data.potentials[row] - data.potentials[row - 1]);
}

AsRunBuild asRunProcess(const ProcessRecord& plan, const FurnaceLog& log) {
    AsRun asRun;
    asRun.potentialColumn = log.potentialColumn;
    asRun.setpointFromPlan = !log.hasSetpoint;
    asRun.path = furnacePath(plan, log, asRun.warnings);
    asRun.stageEnds = stageEndsOf(plan, asRun.path);
    ProcessRecord process = plan;
    TDane& data = process.data;
    data.times.clear();
    data.temperatures.clear();
    data.potentials.clear();
    data.conditions.clear();
    const double unit = secondsPerUnit(plan);
    for (const PathPoint& point : asRun.path) {
        data.times.push_back(point.time / unit);
        data.temperatures.push_back(point.celsius);
        data.potentials.push_back(point.potential);
    }
    asRun.process = asWritten(process);
    const std::vector<double>& times = asRun.process.data.times;
    for (std::size_t row = 1; row < times.size(); ++row)
        if (!(times[row] > times[row - 1]))
            return {std::nullopt,
                    LogRefusal{asRun.path[row].line, "",
                               "follows the row before too closely for the process-data file, "
                               "which keeps six significant digits of the time"}};
    return {std::move(asRun), std::nullopt};
}

BandReport bandReport(const AsRun& asRun) {
    BandReport report;
    const std::vector<PathPoint>& path = asRun.path;
    double current = 0; // s, the excursion under way
    std::size_t currentLine = 0;
    double currentStart = 0;
    const auto endExcursion = [&](double length) {
        current += length;
        if (current > report.longestMinutes * 60) {
            report.longestMinutes = current / 60;
            report.longestStartHours = currentStart / 3600;
            report.longestStartLine = currentLine;
        }
        current = 0;
    };
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const PathPoint &from = path[i], &to = path[i + 1];
        const double span = to.time - from.time;
        if (from.soot)
            report.sootLines.push_back(from.line);
        if (from.masked || !from.setpoint || !to.setpoint) {
            report.maskedMinutes += from.masked ? span / 60 : 0;
            endExcursion(0);
            continue;
        }
        const double d0 = from.potential - *from.setpoint, d1 = to.potential - *to.setpoint;
        const auto [lowAbove, highAbove] = atMost(d0, d1, potentialBand);
        const auto [lowBelow, highBelow] = atMost(-d0, -d1, potentialBand);
        const double low = std::max(lowAbove, lowBelow), high = std::min(highAbove, highBelow);
        if (low > high) { // outside all through
            if (current == 0) {
                currentStart = from.time;
                currentLine = from.line;
            }
            current += span;
            report.outsideMinutes += span / 60;
            continue;
        }
        if (current == 0 && low > 0) {
            currentStart = from.time;
            currentLine = from.line;
        }
        endExcursion(low * span);
        report.outsideMinutes += (low + 1 - high) * span / 60;
        if (high < 1) {
            current = (1 - high) * span;
            currentStart = from.time + high * span;
            currentLine = from.line;
        }
    }
    endExcursion(0);
    if (path.back().soot)
        report.sootLines.push_back(path.back().line);
    report.sootLines.erase(std::unique(report.sootLines.begin(), report.sootLines.end()),
                           report.sootLines.end());
    report.loggedMinutes = (path.back().time - path.front().time) / 60;
    report.outsidePercent = 100 * report.outsideMinutes / report.loggedMinutes;
    return report;
}

AsRunRecord asRunRecord(const AsRun& asRun, std::string logName, std::string planName,
                        const CaseFigures& planned, const CaseFigures& asRunCase) {
    AsRunRecord record{std::move(logName),
                       std::move(planName),
                       asRun.potentialColumn,
                       asRun.setpointFromPlan,
                       planned,
                       asRunCase,
                       bandReport(asRun),
                       {}};
    record.rows.reserve(asRun.path.size());
    for (std::size_t row = 0; row < asRun.path.size(); ++row)
        record.rows.push_back(
            {asRun.path[row].setpoint, bool(asRun.stageEnds[row]), asRun.path[row].masked});
    return record;
}

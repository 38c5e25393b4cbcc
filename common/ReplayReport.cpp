#include "ReplayReport.h"

#include "ProfileMeasures.h"

#include <cstdarg>
#include <cstdio>

namespace {

// printf into a string: the figures are worded as the command line always printed them.
__attribute__((format(printf, 1, 2))) std::string formatted(const char* format, ...) {
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return line;
}

std::string depthText(const std::optional<double>& depth) {
    return depth ? formatted("%.3f", *depth) : "none";
}

} // namespace

std::vector<ComparisonRow> comparisonRows(const CaseFigures& planned, const CaseFigures& asRun,
                                          bool thin) {
    std::vector<ComparisonRow> rows{{ComparedFigure::SurfaceCarbon, "surface carbon, % C",
                                     formatted("%.3f", planned.surface),
                                     formatted("%.3f", asRun.surface)}};
    if (thin) {
        rows.push_back({ComparedFigure::MeanIncrease, "mean carbon increase, % C",
                        formatted("%.4f", planned.meanIncrease),
                        formatted("%.4f", asRun.meanIncrease)});
        return rows;
    }
    rows.push_back({ComparedFigure::CaseDepth,
                    formatted("case depth at %.2f %% C, mm", comparedLevel),
                    formatted("%.3f", planned.depth), formatted("%.3f", asRun.depth)});
    rows.push_back({ComparedFigure::CaseHardeningDepth,
                    formatted("case-hardening depth at %.0f HV, mm", defaultHardnessLimit),
                    depthText(planned.hardening), depthText(asRun.hardening)});
    return rows;
}

std::string comparisonText(const std::vector<ComparisonRow>& rows) {
    std::string text = formatted("%-35s%9s%9s\n", "", "planned", "as-run");
    for (const ComparisonRow& row : rows)
        text +=
            formatted("%-35s%9s%9s\n", row.label.c_str(), row.planned.c_str(), row.asRun.c_str());
    return text;
}

std::vector<std::string> bandReportLines(const BandReport& report, bool setpointFromPlan) {
    std::vector<std::string> lines{
        formatted("band ±%.2f %% C about the setpoint (%s):", potentialBand,
                  setpointFromPlan ? "the plan's potential: the log has no setpoint column"
                                   : "the log's setpoint column"),
        formatted("outside %.1f min, %.2f %% of %.1f min logged", report.outsideMinutes,
                  report.outsidePercent, report.loggedMinutes),
        report.longestMinutes > 0
            ? formatted("longest excursion %.1f min, from %.3f h (after line %zu)",
                        report.longestMinutes, report.longestStartHours, report.longestStartLine)
            : "longest excursion none",
        formatted("masked by burn-off %.1f min", report.maskedMinutes)};
    std::string soot = formatted("rows where the gas would soot: %zu", report.sootLines.size());
    for (std::size_t i = 0; i < report.sootLines.size() && i < 10; ++i)
        soot += formatted("%s%zu", i == 0 ? " (lines " : ", ", report.sootLines[i]);
    soot += report.sootLines.empty() ? "" : report.sootLines.size() > 10 ? ", ...)" : ")";
    lines.push_back(soot);
    return lines;
}

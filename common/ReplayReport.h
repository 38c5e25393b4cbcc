#pragma once
// The words of a replay's figures, the same wherever they are shown: `tavcalc --replay` prints
// them, the load record of an as-run set lays them on its programme page.

#include "AsRunRecord.h"

#include <string>
#include <vector>

inline constexpr double comparedLevel = 0.35; // % C, the case depth compared

enum class ComparedFigure { SurfaceCarbon, MeanIncrease, CaseDepth, CaseHardeningDepth };

// One figure of the comparison, planned against as-run, each written to its digits ("none"
// where the case has none).
struct ComparisonRow {
    ComparedFigure figure = ComparedFigure::SurfaceCarbon;
    std::string label; // as the command line prints it
    std::string planned;
    std::string asRun;
};

std::vector<ComparisonRow> comparisonRows(const CaseFigures& planned, const CaseFigures& asRun,
                                          bool thin);

// The rows in columns under a head line, each line ending in "\n".
std::string comparisonText(const std::vector<ComparisonRow>& rows);

// The band report: its head line, then one line per figure.
std::vector<std::string> bandReportLines(const BandReport& report, bool setpointFromPlan);

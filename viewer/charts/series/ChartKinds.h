#pragma once
// What each chart of a result set is, in one table that the set's windows, the export and the
// comparison of sets read: its title, the file it shows, its caption and the series of the
// loaded set it draws. A chart kind added later is a row here, and the compiler names the
// windows' switch.

#include "KindTraits.h"
#include "LoadedSet.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

struct ComparedLine {
    std::vector<double> x; // h or s (time lines), mm (profiles)
    std::vector<double> y;
};

// The carbon levels of the case-depth files, in the order of their columns.
inline constexpr std::array<double, 3> depthLevels{0.40, 0.35, 0.30}; // % C

struct ChartKindTraits {
    ChartKind kind;
    // UTF-8, marked for translation in the context "ChartKinds": a window's title is the set's
    // name, " - " and this.
    std::string_view title;
    // UTF-8, marked in the context "ChartQuantities": the quantity drawn, which names a
    // comparison's window.
    std::string_view quantity;
    std::string_view fileStem;      // ASCII: names the files of saved, exported, compared charts
    std::optional<ResultFile> file; // the file the chart shows; none: the set's main file
    bool profile;                   // over the distance from the surface; else over time
    // What the chart shows, as its Y axis says ("mas" and "sre" windows take their file's).
    std::string_view yCaption;
    FileStatus (*status)(const LoadedSet& set); // how the file shown was read
    // The set's line of it, as a comparison draws it (the last profile of a profile chart);
    // none when the set has no point of it. `depthLevel` indexes `depthLevels`.
    std::optional<ComparedLine> (*line)(const LoadedSet& set, int depthLevel);
};

const ChartKindTraits& chartKindTraits(ChartKind kind);
// The chart that shows the result file.
ChartKind chartShowing(ResultFile file);

// The chart kinds a comparison shows, in the order of its windows.
inline constexpr std::array<ChartKind, 10> comparedKinds{
    ChartKind::Temperature, ChartKind::Potential, ChartKind::Surface,  ChartKind::Mass,
    ChartKind::CaseDepth,   ChartKind::Carbon,    ChartKind::Hardness, ChartKind::Mean,
    ChartKind::Austenite,   ChartKind::Carbide};

#pragma once
// Result sets side by side: the quantities that several sets can be compared by, each set's line
// of one quantity, and a summary row of each set's final results. Views of loaded sets; nothing
// here reads a file.

#include "ChartKinds.h"
#include "LoadedSet.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The set's line of the chart kind (chartKindTraits); none when the set has no point of it.
std::optional<ComparedLine> comparedLine(const LoadedSet& set, ChartKind kind, int depthLevel = 0);

// The chart kinds every one of the sets has a line of, in the order of `comparedKinds`.
std::vector<ChartKind> sharedQuantities(std::span<const LoadedSet* const> sets);

// Thick sets are timed in hours, thin ones in seconds: one comparison holds one sort only.
bool mixesThickAndThin(std::span<const LoadedSet* const> sets);

// Every file the set's kind writes was read whole (a set of unknown shape never is).
bool readWhole(const LoadedSet& set);

// A set's final results, from the last rows of its files; none where the file has no rows or
// the kind does not write it.
struct SetSummary {
    std::string shape;                   // the shape line's English name
    std::optional<double> size;          // mm: thickness or diameter; none when semi-infinite
    std::string steelGrade;              // the alloy grade's name, or "carbon steel"
    bool thin = false;                   // timed in seconds
    double programmeLength = 0;          // h (s for a thin set): the last stage's end
    std::optional<double> surfaceCarbon; // % C
    std::array<std::optional<double>, 3> caseDepth; // mm, at `depthLevels`
    std::optional<double> massGain;                 // g/m²
    std::optional<double> meanCarbon;               // % C: content, steel carbon included
    std::optional<double> highestHardness;          // HV, of the last profile
    std::optional<double> caseHardeningDepth;       // mm, at defaultHardnessLimit, last profile
    std::string diffusivity;                        // the law's word ("standard", "tibbetts")
};

SetSummary summarize(const LoadedSet& set);

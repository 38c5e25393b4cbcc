#pragma once
// Result sets side by side: the quantities that several sets can be compared by, each set's line
// of one quantity, and a summary row of each set's final results. Views of loaded sets; nothing
// here reads a file.

#include "LoadedSet.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class ComparedQuantity {
    Temperature,     // of the stage programme
    Potential,       // of the stage programme
    SurfaceCarbon,   // "pow"
    MassGain,        // "mas"
    CaseDepth,       // "gru", at one carbon level
    CarbonProfile,   // the last profile of the main file
    HardnessProfile, // the last profile of "twa" (thick sets)
    MeanCarbon,      // content: steel carbon + the increase of "sre" (thin sets)
};

inline constexpr std::array<ComparedQuantity, 8> comparedQuantities{
    ComparedQuantity::Temperature,     ComparedQuantity::Potential, ComparedQuantity::SurfaceCarbon,
    ComparedQuantity::MassGain,        ComparedQuantity::CaseDepth, ComparedQuantity::CarbonProfile,
    ComparedQuantity::HardnessProfile, ComparedQuantity::MeanCarbon};

// The carbon levels of the case-depth files, in the order of their columns.
inline constexpr std::array<double, 3> depthLevels{0.40, 0.35, 0.30}; // % C

struct ComparedLine {
    std::vector<double> x; // h or s (time lines), mm (profiles)
    std::vector<double> y;
};

// The set's line of the quantity; none when the set has no point of it. `depthLevel` indexes
// `depthLevels` for the case depth.
std::optional<ComparedLine> comparedLine(const LoadedSet& set, ComparedQuantity quantity,
                                         int depthLevel = 0);

// The quantities every one of the sets has a line of, in the order of `comparedQuantities`.
std::vector<ComparedQuantity> sharedQuantities(std::span<const LoadedSet* const> sets);

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
};

SetSummary summarize(const LoadedSet& set);

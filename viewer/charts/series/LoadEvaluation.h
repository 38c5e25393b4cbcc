#pragma once
// A computed load held against a part's requirements: each limit with the value the set's
// files give for it, whether it holds, and the verdict over all of them. The values are the
// ones the set's results state (the last rows and the last profiles), computed as the
// calculation program computes them (ProfileMeasures.h), never a second way.

#include "ChartKinds.h"
#include "LoadedSet.h"
#include "PartSpecification.h"

#include <optional>
#include <string>
#include <vector>

// The retained-austenite profiles of a set ("aus", laid out as the hardness file); Missing
// when the set has none (a run without a quench model writes none).
FileSeries<TWyniki> readRetainedAustenite(const std::string& setName);

// Decimals a record shows a quantity with; a limit is judged on the value so shown.
int shownDecimals(LimitQuantity quantity);

// Why a value is not there to judge.
enum class Unchecked {
    None,
    NoHardness,          // the kind has no hardness profile (a foil, a wire)
    NoRetainedAustenite, // the set has no retained-austenite file
    NoCaseDepth,         // no case depth: a thin set, or no profile falls below the level
    NoSurfaceCarbon,     // no surface-carbon row
    NoMassGain,          // no mass-gain row
    HardThroughout,      // the hardness stays at the level to the end of the hardness profile
};

// The final results of a set that a record states and the part's requirements are held against.
struct LoadFigures {
    // The last hardness profile (mm, HV) as the run holds it before it writes the file, which
    // keeps three significant digits: the programme is run again in memory, as the calculation
    // program ran it, so that a depth read from it is the one `tavcalc --run` prints. The
    // file's last profile when the programme cannot be run again; none for a kind without.
    std::optional<ComparedLine> finalHardness;
    std::optional<double> surfaceCarbon;     // % C, the last row of "pow"
    std::optional<double> massGain;          // g/m², the last row of "mas"
    std::optional<double> surfaceHardness;   // HV, the first point of the last hardness profile
    std::optional<double> coreHardness;      // HV, of the carbon at the deepest point computed
    std::optional<double> retainedAustenite; // %, at the surface, of the last "aus" profile
};
LoadFigures loadFigures(const LoadedSet& set, const FileSeries<TWyniki>& austenite);

struct Measure {
    std::optional<double> value;
    Unchecked why = Unchecked::None; // set when there is no value
};
// The case depth at `level` (% C): the last "gru" row at the levels it holds, else the last
// carbon profile.
Measure caseDepthAt(const LoadedSet& set, double level);
// The case-hardening depth at `limit` (HV) of the final hardness profile; 0 when the case never
// reaches the limit.
Measure caseHardeningDepthAt(const LoadFigures& figures, double limit);

enum class Outcome { Pass, Fail, NotChecked };

struct LimitCheck {
    SpecLimit limit;
    Measure measure;
    Outcome outcome = Outcome::NotChecked;
};

std::vector<LimitCheck> checkLimits(const LoadedSet& set, const FileSeries<TWyniki>& austenite,
                                    const std::vector<SpecLimit>& limits);

// The limit as a verdict names it: "case-hardening depth at 550 HV", "surface carbon".
std::string limitLabel(const SpecLimit& limit);

struct Verdict {
    std::vector<std::string> failing;    // limitLabel of each limit that fails, in file order
    std::vector<std::string> notChecked; // and of each not checked
    bool holds() const { return failing.empty(); }
};
Verdict verdictOf(const std::vector<LimitCheck>& checks);
// One English line: "every limit holds", "fails: surface carbon, ...", with "; not checked:
// ..." after either.
std::string verdictLine(const Verdict& verdict);

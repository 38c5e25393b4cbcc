#include "LoadEvaluation.h"

#include "CaseHardness.h"
#include "Comparison.h"
#include "Computation.h"
#include "ProcessCheck.h"
#include "ProfileMeasures.h"
#include "SeriesReaders.h"
#include "SetNames.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace {

// A profile reaches the middle of a plate or cylinder when its deepest point lies within this
// share of the half size: the profile is written on a grid of that length.
constexpr double middleTolerance = 1e-3;

// The carbon where the section is deepest: the steel's own carbon, unless the last profile is
// written to the middle of the sample (a plate or cylinder carburized through).
double coreCarbon(const LoadedSet& set, const std::optional<ComparedLine>& carbon) {
    const double steel = set.process.series.steelCarbon;
    if (!carbon || set.thickness <= 0)
        return steel;
    const double middle = set.thickness / 2;
    return carbon->x.back() >= middle * (1 - middleTolerance) ? carbon->y.back() : steel;
}

class Unobserved : public RunObserver {
public:
    void setProgress(int) override {}
};

// The final hardness profile of the set's programme run again in memory; none when its head
// does not read as a run would read it.
std::optional<ComparedLine> rerunHardness(const std::string& setName) {
    const std::optional<std::string> text = wholeFile(setName);
    if (!text)
        return std::nullopt;
    const HeadReading reading = readCheckedProcessHead(*text);
    if (!reading.head)
        return std::nullopt;
    Unobserved observer;
    const TrialResult run = runTrial(*reading.head, depthLevels[1], observer);
    const std::optional<CaseHardness>& hardness = run.outcome.finalHardness;
    if (run.outcome.status != RunStatus::Finished || !hardness || hardness->hv.empty())
        return std::nullopt;
    ComparedLine line{{}, hardness->hv};
    for (double micrometres : hardness->depth)
        line.x.push_back(micrometres * 0.001);
    return line;
}

Measure measured(std::optional<double> value, Unchecked why) {
    return value ? Measure{value, Unchecked::None} : Measure{std::nullopt, why};
}

Measure measureOf(const LoadedSet& set, const LoadFigures& figures, const SpecLimit& limit) {
    switch (limit.quantity) {
    case LimitQuantity::CaseHardeningDepth:
        return caseHardeningDepthAt(figures, *limit.level);
    case LimitQuantity::CaseDepth:
        return caseDepthAt(set, *limit.level);
    case LimitQuantity::SurfaceCarbon:
        return measured(figures.surfaceCarbon, Unchecked::NoSurfaceCarbon);
    case LimitQuantity::SurfaceHardness:
        return measured(figures.surfaceHardness, Unchecked::NoHardness);
    case LimitQuantity::CoreHardness:
        return measured(figures.coreHardness, Unchecked::NoHardness);
    case LimitQuantity::RetainedAustenite:
        return measured(figures.retainedAustenite, Unchecked::NoRetainedAustenite);
    case LimitQuantity::MassGain:
        return measured(figures.massGain, Unchecked::NoMassGain);
    }
    return {};
}

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

FileSeries<TWyniki> readRetainedAustenite(const std::string& setName) {
    FileSeries<TWyniki> austenite;
    std::ifstream in(resultFileName(setName, "aus"), std::ios::binary);
    if (!in)
        return austenite;
    austenite.status = readHardnessFile(in, austenite.series) == ReadStatus::Whole
                           ? FileStatus::Whole
                           : FileStatus::Damaged;
    return austenite;
}

int shownDecimals(LimitQuantity quantity) {
    switch (quantity) {
    case LimitQuantity::CaseHardeningDepth:
    case LimitQuantity::CaseDepth:
    case LimitQuantity::SurfaceCarbon:
        return 3;
    case LimitQuantity::SurfaceHardness:
    case LimitQuantity::CoreHardness:
        return 0;
    case LimitQuantity::RetainedAustenite:
    case LimitQuantity::MassGain:
        return 1;
    }
    return 3;
}

LoadFigures loadFigures(const LoadedSet& set, const FileSeries<TWyniki>& austenite) {
    const SetSummary summary = summarize(set);
    LoadFigures figures;
    figures.surfaceCarbon = summary.surfaceCarbon;
    figures.massGain = summary.massGain;
    figures.finalHardness = comparedLine(set, ChartKind::Hardness);
    if (figures.finalHardness) {
        if (std::optional<ComparedLine> rerun = rerunHardness(set.name))
            figures.finalHardness = std::move(rerun);
        figures.surfaceHardness = figures.finalHardness->y.front();
        const TDane& process = set.process.series;
        const std::vector<double> alloy(process.alloy.begin(), process.alloy.end());
        figures.coreHardness =
            ::hardness(steelGrade(alloy), coreCarbon(set, comparedLine(set, ChartKind::Carbon)));
    }
    const TWyniki& profiles = austenite.series;
    if (austenite.status != FileStatus::Missing && profiles.profileCount() > 0) {
        const std::span<const double> last = profiles.profile(profiles.profileCount() - 1);
        if (!last.empty())
            figures.retainedAustenite = last.front();
    }
    return figures;
}

Measure caseDepthAt(const LoadedSet& set, double level) {
    const SetSummary summary = summarize(set);
    for (std::size_t i = 0; i < depthLevels.size(); ++i)
        if (std::abs(depthLevels[i] - level) < 1e-9 && summary.caseDepth[i])
            return {summary.caseDepth[i], Unchecked::None};
    const std::optional<ComparedLine> carbon = comparedLine(set, ChartKind::Carbon);
    if (!carbon || summary.thin)
        return {std::nullopt, Unchecked::NoCaseDepth};
    if (carbon->y.front() < level)
        return {0.0, Unchecked::None};
    return measured(hardnessCaseDepth(carbon->x, carbon->y, level), Unchecked::NoCaseDepth);
}

Measure caseHardeningDepthAt(const LoadFigures& figures, double limit) {
    const std::optional<ComparedLine>& hardness = figures.finalHardness;
    if (!hardness)
        return {std::nullopt, Unchecked::NoHardness};
    if (std::ranges::none_of(hardness->y, [limit](double hv) { return hv >= limit; }))
        return {0.0, Unchecked::None};
    return measured(hardnessCaseDepth(hardness->x, hardness->y, limit), Unchecked::HardThroughout);
}

std::vector<LimitCheck> checkLimits(const LoadedSet& set, const FileSeries<TWyniki>& austenite,
                                    const std::vector<SpecLimit>& limits) {
    const LoadFigures figures = loadFigures(set, austenite);
    std::vector<LimitCheck> checks;
    for (const SpecLimit& limit : limits) {
        LimitCheck check{limit, measureOf(set, figures, limit), Outcome::NotChecked};
        if (check.measure.value)
            check.outcome =
                limitHolds(limit, rounded(*check.measure.value, shownDecimals(limit.quantity)))
                    ? Outcome::Pass
                    : Outcome::Fail;
        checks.push_back(std::move(check));
    }
    return checks;
}

std::string limitLabel(const SpecLimit& limit) {
    std::ostringstream label;
    label << limitName(limit.quantity);
    if (limit.quantity == LimitQuantity::CaseHardeningDepth)
        label << " at " << *limit.level << " HV";
    else if (limit.quantity == LimitQuantity::CaseDepth)
        label << " at " << *limit.level << " % C";
    return label.str();
}

Verdict verdictOf(const std::vector<LimitCheck>& checks) {
    Verdict verdict;
    for (const LimitCheck& check : checks) {
        if (check.outcome == Outcome::Fail)
            verdict.failing.push_back(limitLabel(check.limit));
        else if (check.outcome == Outcome::NotChecked)
            verdict.notChecked.push_back(limitLabel(check.limit));
    }
    return verdict;
}

std::string verdictLine(const Verdict& verdict) {
    std::string line = verdict.holds() ? "every limit holds" : "fails: " + listed(verdict.failing);
    if (!verdict.notChecked.empty())
        line += (verdict.holds() ? " that was checked" : std::string()) +
                "; not checked: " + listed(verdict.notChecked);
    return line;
}

#include "Comparison.h"

#include "KindTraits.h"
#include "ProfileMeasures.h"
#include "SteelGrades.h"

#include <algorithm>

namespace {

std::optional<double> lastOf(std::span<const double> values) {
    if (values.empty())
        return std::nullopt;
    return values.back();
}

bool thick(const LoadedSet& set) {
    return set.shape && !kindTraits(*set.shape).thin;
}

bool thin(const LoadedSet& set) {
    return set.shape && kindTraits(*set.shape).thin;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

std::optional<ComparedLine> comparedLine(const LoadedSet& set, ChartKind kind, int depthLevel) {
    return chartKindTraits(kind).line(set, depthLevel);
}

std::vector<ChartKind> sharedQuantities(std::span<const LoadedSet* const> sets) {
    std::vector<ChartKind> shared;
    if (sets.empty())
        return shared;
    for (ChartKind kind : comparedKinds)
        if (std::ranges::all_of(sets, [kind](const LoadedSet* set) {
                return comparedLine(*set, kind).has_value();
            }))
            shared.push_back(kind);
    return shared;
}

bool mixesThickAndThin(std::span<const LoadedSet* const> sets) {
    return std::ranges::any_of(sets, [](const LoadedSet* set) { return thick(*set); }) &&
           std::ranges::any_of(sets, [](const LoadedSet* set) { return thin(*set); });
}

bool readWhole(const LoadedSet& set) {
    if (!set.shape || set.shapeStatus != FileStatus::Whole ||
        set.carbon.status != FileStatus::Whole)
        return false;
    for (ResultFile file : kindTraits(*set.shape).resultFiles)
        if (chartKindTraits(chartShowing(file)).status(set) != FileStatus::Whole)
            return false;
    return true;
}

SetSummary summarize(const LoadedSet& set) {
    SetSummary summary;
    const TDane& process = set.process.series;
    if (set.shape)
        summary.shape = std::string(shapeName(*set.shape));
    if (set.shape && kindTraits(*set.shape).size != SampleSize::None)
        summary.size = set.thickness;
    const std::string_view grade =
        steelGrade(std::vector<double>(process.alloy.begin(), process.alloy.end()));
    // The grade of a steel without alloy is plain carbon steel, which the model names in Polish.
    summary.steelGrade = grade == steelGrade(std::vector<double>(process.alloy.size(), 0.0))
                             ? std::string("carbon steel")
                             : trimmed(grade);
    summary.thin = thin(set);
    summary.diffusivity =
        std::string(diffusivityWord(set.settings.diffusivity.value_or(DiffusivityModel::Standard)));
    summary.programmeLength = lastOf(process.times).value_or(0);
    summary.surfaceCarbon = lastOf(set.surface.series.y());
    summary.massGain = lastOf(set.mass.series.series.y());
    if (thick(set)) {
        const TGrubosc& depths = set.depths.series;
        for (int level = 0; level < std::min(depths.seriesCount(), 3); ++level)
            if (depths.timeCount() > 0)
                summary.caseDepth[static_cast<std::size_t>(level)] =
                    depths.depth(level, depths.timeCount() - 1);
        if (const std::optional<ComparedLine> hardness = comparedLine(set, ChartKind::Hardness)) {
            summary.highestHardness = *std::ranges::max_element(hardness->y);
            summary.caseHardeningDepth = hardnessCaseDepth(hardness->x, hardness->y);
        }
    } else if (thin(set)) {
        summary.meanCarbon = lastOf(meanCarbonContent(set).y());
    }
    return summary;
}

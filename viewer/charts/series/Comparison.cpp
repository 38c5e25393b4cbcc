#include "Comparison.h"

#include "KindTraits.h"
#include "SteelGrades.h"

#include <algorithm>

namespace {

std::optional<ComparedLine> lineOf(std::span<const double> x, std::span<const double> y) {
    const std::size_t count = std::min(x.size(), y.size());
    if (count == 0)
        return std::nullopt;
    return ComparedLine{{x.begin(), x.begin() + static_cast<std::ptrdiff_t>(count)},
                        {y.begin(), y.begin() + static_cast<std::ptrdiff_t>(count)}};
}

std::optional<ComparedLine> lastProfile(const TWyniki& profiles) {
    return lineOf(profiles.grid(), profiles.profile(profiles.profileCount() - 1));
}

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

std::optional<ComparedLine> comparedLine(const LoadedSet& set, ComparedQuantity quantity,
                                         int depthLevel) {
    switch (quantity) {
    case ComparedQuantity::Temperature:
        return lineOf(set.process.series.times, set.process.series.temperatures);
    case ComparedQuantity::Potential:
        return lineOf(set.process.series.times, set.process.series.potentials);
    case ComparedQuantity::SurfaceCarbon: {
        const T_XY surface = surfaceCarbon(set);
        return lineOf(surface.x(), surface.y());
    }
    case ComparedQuantity::MassGain:
        return lineOf(set.mass.series.series.x(), set.mass.series.series.y());
    case ComparedQuantity::CaseDepth: {
        const TGrubosc& depths = set.depths.series;
        if (!thick(set) || depthLevel < 0 || depthLevel >= depths.seriesCount())
            return std::nullopt;
        std::vector<double> values;
        for (int i = 0; i < depths.timeCount(); ++i)
            values.push_back(depths.depth(depthLevel, i));
        return lineOf(depths.times(), values);
    }
    case ComparedQuantity::CarbonProfile:
        return lastProfile(set.carbon.series);
    case ComparedQuantity::HardnessProfile:
        return thick(set) ? lastProfile(set.hardness.series) : std::nullopt;
    case ComparedQuantity::MeanCarbon: {
        if (!thin(set))
            return std::nullopt;
        const T_New_XY content = meanCarbonContent(set);
        return lineOf(content.x(), content.y());
    }
    }
    return std::nullopt;
}

std::vector<ComparedQuantity> sharedQuantities(std::span<const LoadedSet* const> sets) {
    std::vector<ComparedQuantity> shared;
    if (sets.empty())
        return shared;
    for (ComparedQuantity quantity : comparedQuantities)
        if (std::ranges::all_of(sets, [quantity](const LoadedSet* set) {
                return comparedLine(*set, quantity).has_value();
            }))
            shared.push_back(quantity);
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
    for (ResultFile file : kindTraits(*set.shape).resultFiles) {
        FileStatus status = FileStatus::Missing;
        switch (file) {
        case ResultFile::Surface:
            status = set.surface.status;
            break;
        case ResultFile::Hardness:
            status = set.hardness.status;
            break;
        case ResultFile::Mass:
            status = set.mass.status;
            break;
        case ResultFile::CaseDepth:
            status = set.depths.status;
            break;
        case ResultFile::Mean:
            status = set.mean.status;
            break;
        }
        if (status != FileStatus::Whole)
            return false;
    }
    return true;
}

SetSummary summarize(const LoadedSet& set) {
    SetSummary summary;
    const TDane& process = set.process.series;
    if (set.shape)
        summary.shape = std::string(shapeName(*set.shape));
    if (set.shape && *set.shape != SampleShape::SemiInfinite)
        summary.size = set.thickness;
    const std::string_view grade =
        steelGrade(std::vector<double>(process.alloy.begin(), process.alloy.end()));
    // The grade of a steel without alloy is plain carbon steel, which the model names in Polish.
    summary.steelGrade = grade == steelGrade(std::vector<double>(process.alloy.size(), 0.0))
                             ? std::string("carbon steel")
                             : trimmed(grade);
    summary.thin = thin(set);
    summary.programmeLength = lastOf(process.times).value_or(0);
    summary.surfaceCarbon = lastOf(set.surface.series.y());
    summary.massGain = lastOf(set.mass.series.series.y());
    if (thick(set)) {
        const TGrubosc& depths = set.depths.series;
        for (int level = 0; level < std::min(depths.seriesCount(), 3); ++level)
            if (depths.timeCount() > 0)
                summary.caseDepth[static_cast<std::size_t>(level)] =
                    depths.depth(level, depths.timeCount() - 1);
        if (const std::optional<ComparedLine> hardness = lastProfile(set.hardness.series))
            summary.highestHardness = *std::ranges::max_element(hardness->y);
    } else if (thin(set)) {
        summary.meanCarbon = lastOf(meanCarbonContent(set).y());
    }
    return summary;
}

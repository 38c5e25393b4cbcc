#include "ChartKinds.h"

#include "SurfaceOffer.h"
#include "Translatable.h"

#include <algorithm>
#include <span>

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

// A set of a kind that does not write the file has no line of it, whatever file lies there.
bool writes(const LoadedSet& set, ResultFile file) {
    return set.shape && std::ranges::count(kindTraits(*set.shape).resultFiles, file) > 0;
}

std::optional<ComparedLine> caseDepthLine(const LoadedSet& set, int depthLevel) {
    const TGrubosc& depths = set.depths.series;
    if (!writes(set, ResultFile::CaseDepth) || depthLevel < 0 || depthLevel >= depths.seriesCount())
        return std::nullopt;
    std::vector<double> values;
    for (int i = 0; i < depths.timeCount(); ++i)
        values.push_back(depths.depth(depthLevel, i));
    return lineOf(depths.times(), values);
}

// What the surface was offered, in one line as a comparison draws a set's: stretches that meet
// join (a boost after a gas stage steps from the potential to the limit), a gap is a break.
std::optional<ComparedLine> offeredLine(const LoadedSet& set) {
    OfferTable table = offerTable(set.process.series);
    if (table.times.empty())
        return std::nullopt;
    return ComparedLine{std::move(table.times), std::move(table.offered)};
}

// In the order of ChartKind.
constexpr std::array<ChartKindTraits, 10> table{{
    {ChartKind::Temperature, QT_TRANSLATE_NOOP("ChartKinds", "T"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Temperatura"), "T", std::nullopt, false,
     "Temperature, C", [](const LoadedSet& set) { return set.shapeStatus; },
     [](const LoadedSet& set, int) {
         return lineOf(set.process.series.times, set.process.series.temperatures);
     }},
    {ChartKind::Potential, QT_TRANSLATE_NOOP("ChartKinds", "Pot"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Potencjał węglowy"), "Pot", std::nullopt, false,
     "Carbon potential of the atmosphere, %",
     [](const LoadedSet& set) { return set.process.status; },
     [](const LoadedSet& set, int) { return offeredLine(set); }},
    {ChartKind::Carbon, QT_TRANSLATE_NOOP("ChartKinds", "C"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Profil węgla"), "C", std::nullopt, true,
     "Carbon concentration, %", [](const LoadedSet& set) { return set.carbon.status; },
     [](const LoadedSet& set, int) { return lastProfile(set.carbon.series); }},
    {ChartKind::CaseDepth, QT_TRANSLATE_NOOP("ChartKinds", "G"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Głębokość warstwy"), "G", ResultFile::CaseDepth, false,
     "Thickness of the case, mm", [](const LoadedSet& set) { return set.depths.status; },
     caseDepthLine},
    {ChartKind::Surface, QT_TRANSLATE_NOOP("ChartKinds", "Pow"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Węgiel na powierzchni"), "Pow", ResultFile::Surface,
     false, "Carbon concentration on the surface, %",
     [](const LoadedSet& set) { return set.surface.status; },
     [](const LoadedSet& set, int) {
         const T_XY surface = surfaceCarbon(set);
         return lineOf(surface.x(), surface.y());
     }},
    {ChartKind::Hardness, QT_TRANSLATE_NOOP("ChartKinds", "HV"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Twardość"), "HV", ResultFile::Hardness, true,
     "Hardness, HV", [](const LoadedSet& set) { return set.hardness.status; },
     [](const LoadedSet& set, int) {
         return writes(set, ResultFile::Hardness) ? lastProfile(set.hardness.series) : std::nullopt;
     }},
    {ChartKind::Mass, QT_TRANSLATE_NOOP("ChartKinds", "Masa"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Masa przyrostu"), "Masa", ResultFile::Mass, false,
     "Weight gain, g/m^2", [](const LoadedSet& set) { return set.mass.status; },
     [](const LoadedSet& set, int) {
         return lineOf(set.mass.series.series.x(), set.mass.series.series.y());
     }},
    {ChartKind::Mean, QT_TRANSLATE_NOOP("ChartKinds", "Średnia"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Średnia zawartość węgla"), "Srednia", ResultFile::Mean,
     false, meanCarbonCaption, [](const LoadedSet& set) { return set.mean.status; },
     [](const LoadedSet& set, int) -> std::optional<ComparedLine> {
         if (!writes(set, ResultFile::Mean))
             return std::nullopt;
         const T_New_XY content = meanCarbonContent(set);
         return lineOf(content.x(), content.y());
     }},
    {ChartKind::Austenite, QT_TRANSLATE_NOOP("ChartKinds", "Austenit"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Austenit szczątkowy"), "Austenit", ResultFile::Austenite,
     true, "Retained austenite, %", [](const LoadedSet& set) { return set.austenite.status; },
     [](const LoadedSet& set, int) -> std::optional<ComparedLine> {
         if (set.austenite.status == FileStatus::Missing)
             return std::nullopt;
         return lastProfile(set.austenite.series);
     }},
    {ChartKind::Carbide, QT_TRANSLATE_NOOP("ChartKinds", "Cementyt"),
     QT_TRANSLATE_NOOP("ChartQuantities", "Cementyt (udział masowy)"), "Cementyt",
     ResultFile::Carbide, true, "Cementite, mass %",
     [](const LoadedSet& set) { return set.carbide.status; },
     [](const LoadedSet& set, int) -> std::optional<ComparedLine> {
         if (set.carbide.status == FileStatus::Missing)
             return std::nullopt;
         return lastProfile(set.carbide.series);
     }},
}};

constexpr bool inKindOrder() {
    for (std::size_t row = 0; row < table.size(); ++row)
        if (static_cast<std::size_t>(table[row].kind) != row)
            return false;
    return true;
}
static_assert(inKindOrder(), "one row per ChartKind, in its order");

} // namespace

const ChartKindTraits& chartKindTraits(ChartKind kind) {
    return table[static_cast<std::size_t>(kind)];
}

ChartKind chartShowing(ResultFile file) {
    return std::ranges::find(table, std::optional<ResultFile>(file), &ChartKindTraits::file)->kind;
}

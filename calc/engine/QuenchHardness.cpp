#include "QuenchHardness.h"

#include "HardnessScale.h"

#include <algorithm>

namespace {

// Depths of the cooling table, closer together near the surface where the case lies.
constexpr int tableIntervals = 64;

} // namespace

QuenchHardness::QuenchHardness(const SteelChemistry& steel, const HardeningTreatment& treatment)
    : steel_(steel), treatment_(treatment) {
    const SectionCooling cooling(treatment.section);
    const double half = 0.5 * treatment.section.sizeMm;
    for (int k = 0; k <= tableIntervals; ++k) {
        const double share = double(k) / tableIntervals;
        tableDepth_.push_back(half * share * share);
        tableJominy_.push_back(cooling.jominyDistance(tableDepth_.back()));
    }
}

double QuenchHardness::jominyAt(double depthMm) const {
    const double depth = std::clamp(depthMm, 0.0, tableDepth_.back());
    const auto above = std::upper_bound(tableDepth_.begin() + 1, tableDepth_.end() - 1, depth);
    const auto i = std::size_t(above - tableDepth_.begin());
    const double share = (depth - tableDepth_[i - 1]) / (tableDepth_[i] - tableDepth_[i - 1]);
    return tableJominy_[i - 1] + share * (tableJominy_[i] - tableJominy_[i - 1]);
}

QuenchedPoint QuenchHardness::at(double depthMm, double carbon) const {
    SteelChemistry local = steel_;
    local.c = carbon;
    const double martensite =
        martensiteShare(jominyAt(depthMm), idealCriticalDiameter(local, notes_));
    const double hrc = martensite * quenchedEndHardness(carbon, notes_) +
                       (1.0 - martensite) * nonMartensiticHardness(local, notes_);
    double hv = hvFromHrc(hrc);
    if (treatment_.tempering)
        hv = temperedHardness(hv, temperingParameter(treatment_.tempering->temperatureC,
                                                     treatment_.tempering->hours));
    QuenchedPoint point;
    point.msC = martensiteStart(local, notes_);
    const double coldest =
        std::min(treatment_.bathC, treatment_.subZeroC.value_or(treatment_.bathC));
    point.retainedAustenite = martensite * retainedAustenite(point.msC, coldest);
    const double austenite = 0.01 * point.retainedAustenite;
    point.hv = (1.0 - austenite) * hv + austenite * austeniteHardness;
    return point;
}

#include "RunHardness.h"

#include <algorithm>

SteelChemistry steelChemistry(double ck, const std::vector<double>& sklad,
                              const std::optional<ExtraElements>& extra) {
    SteelChemistry steel;
    steel.c = ck;
    steel.cr = sklad[0];
    steel.mo = sklad[1];
    steel.mn = sklad[2];
    steel.si = sklad[3];
    steel.ni = sklad[4];
    if (extra) {
        steel.cu = extra->cu;
        steel.v = extra->v;
        steel.b = extra->b;
        steel.al = extra->al;
        steel.w = extra->w;
        steel.co = extra->co;
        steel.grainSize = extra->grainSize.value_or(steel.grainSize);
    }
    return steel;
}

std::optional<QuenchHardness> quenchModel(const HardeningLines& lines, const SteelChemistry& steel,
                                          SampleShape kind, double sizeMm) {
    if (!lines.quench)
        return std::nullopt;
    const QuenchSetting& quench = *lines.quench;
    HardeningTreatment treatment;
    // A semi-infinite sample stands for the case of a round part of the section's diameter.
    treatment.section.form =
        kindTraits(kind).size == SampleSize::Thickness ? SectionForm::Slab : SectionForm::Round;
    treatment.section.sizeMm = quench.sectionMm.value_or(sizeMm);
    treatment.section.severity = quench.severity.value_or(typicalSeverity(quench.medium));
    treatment.bathC = quench.bathC;
    treatment.subZeroC = lines.cryoC;
    if (lines.temper)
        treatment.tempering = Tempering{lines.temper->temperatureC, lines.temper->hours};
    return QuenchHardness(steel, treatment);
}

RunHardness::RunHardness(const HardeningLines& lines, double ck, const std::vector<double>& sklad,
                         SampleShape kind, double sizeMm)
    : ck_(ck), sklad_(sklad),
      quench_(quenchModel(lines, steelChemistry(ck, sklad, lines.chemistry), kind, sizeMm)) {}

double RunHardness::at(double depthMm, double carbon) const {
    if (!quench_)
        return hardness(steelGrade(sklad_), carbon);
    return quench_->at(depthMm, carbon).hv;
}

double RunHardness::hardestUpTo(double carbon) const {
    if (!quench_) {
        const std::string_view grade = steelGrade(sklad_);
        return hardness(grade, std::min(carbon, hardestCarbon(grade)));
    }
    // Retained austenite softens a rich case: the hardest point may lie below `carbon`.
    constexpr int steps = 200;
    double hardest = 0;
    for (int step = 0; step <= steps; ++step)
        hardest = std::max(hardest, quench_->at(0, ck_ + (carbon - ck_) * step / steps).hv);
    return hardest;
}

CaseHardness RunHardness::of(const std::vector<double>& X, const std::vector<double>& C) const {
    if (!quench_) {
        CaseHardness profile = caseHardness(X, C, ck_, sklad_);
        profile.coreHv = hardness(steelGrade(sklad_), ck_);
        return profile;
    }
    CaseHardness profile;
    profile.fromQuench = true;
    for (std::size_t i = 1; i < X.size(); ++i)
        if (C[i] > ck_ + 0.01) {
            const QuenchedPoint point = quench_->at(X[i] * 0.001, C[i]);
            profile.depth.push_back(X[i]);
            profile.hv.push_back(point.hv);
            profile.austenite.push_back(point.retainedAustenite);
        }
    if (C.size() > 1)
        profile.surfaceMsC = quench_->at(0, C[1]).msC;
    // Deeper than any section's centre: the table's last depth.
    constexpr double centre = 1e9; // mm
    profile.coreHv = quench_->at(centre, ck_).hv;
    profile.notes = quench_->notes();
    return profile;
}

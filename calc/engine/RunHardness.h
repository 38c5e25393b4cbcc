#pragma once
// The hardness a run writes: the grade curves of its steel, or, when the process has a
// `quench:` line, the hardness from the steel's chemistry and its quench (QuenchHardness),
// which also gives the retained austenite of the case.

#include "CaseHardness.h"
#include "HardeningSettings.h"
#include "KindTraits.h"
#include "ProcessData.h"
#include "QuenchHardness.h"

#include <optional>
#include <vector>

// The steel of carbon `ck` with the alloy `sklad` (Cr, Mo, Mn, Si, Ni) and the further elements.
SteelChemistry steelChemistry(double ck, const std::vector<double>& sklad,
                              const std::optional<ExtraElements>& extra);

// The quench model of a sample of `kind` and size `sizeMm` (thickness or diameter; none for a
// semi-infinite sample); none without a quench line. A quench of a sample without a size needs
// the quench line's section (the reader refuses one without it).
std::optional<QuenchHardness> quenchModel(const HardeningLines& lines, const SteelChemistry& steel,
                                          SampleShape kind, double sizeMm);

class RunHardness {
public:
    RunHardness(const HardeningLines& lines, double ck, const std::vector<double>& sklad,
                SampleShape kind, double sizeMm);

    bool fromQuench() const { return quench_.has_value(); }
    // The points of the resampled profile (X µm, C %, ghost point first) whose carbon exceeds
    // ck + 0.01 % C, with their hardness (and, from the quench, their austenite).
    CaseHardness of(const std::vector<double>& X, const std::vector<double>& C) const;
    // HV at `depthMm` of carbon `carbon` (the grade curves know no depth).
    double at(double depthMm, double carbon) const;
    // HV: the hardest the surface becomes with up to `carbon` % C.
    double hardestUpTo(double carbon) const;

private:
    double ck_;
    std::vector<double> sklad_;
    std::optional<QuenchHardness> quench_;
};

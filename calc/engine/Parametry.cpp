#include "Parametry.h"

#include "KindTraits.h"
#include "Material.h"
#include "ProcessCheck.h"

#include <cmath>

namespace {

constexpr short maxCentreNode = 100;

// Surface cell width that puts node `centre` exactly at depth `grub` on a grid growing by q.
double refittedCellWidth(double grub, short centre, double q) {
    return grub / ((std::pow(q, centre) - 1.0) / (q - 1.0) - 0.5 - 0.5 * std::pow(q, centre - 1));
}

// Index of the centre node for a grid starting with cells of width h1, clamped to [n, 100].
// A programme of one stage row has no duration and so no diffusion length (h1 = 0): such a
// grid is sized as small as the clamp allows.
short centreNode(double grub, double h1, double q, short n) {
    if (!(h1 > 0.0))
        return n;
    const double nodes = std::trunc(std::log((q - 1.0) * grub / h1 + 1.0) / std::log(q));
    if (!(nodes < maxCentreNode))
        return maxCentreNode;
    if (nodes < n)
        return n;
    return static_cast<short>(nodes);
}

} // namespace

Parametry::Parametry(const std::string& name) : fileName(name) {
    const std::optional<std::string> text = wholeFile(name);
    if (!text)
        return;
    const HeadReading reading = readProcessHead(*text);
    if (reading.head)
        convert(*reading.head);
}

Parametry::Parametry(const ProcessRecord& process, const std::string& name) : fileName(name) {
    convert(process);
}

void Parametry::convert(const ProcessRecord& process) {
    const TDane& data = process.data;
    ck = data.steelCarbon;
    be = data.transferCoefficient * 10000;
    sklad.assign(data.alloy.begin(), data.alloy.end());
    for (std::size_t row = 0; row < data.times.size(); ++row) {
        czas.push_back(data.times[row] * 3600);
        temperatura.push_back(data.temperatures[row] + 273);
        potencjal.push_back(data.potentials[row]);
        warunki.push_back(stageCondition(data, row));
    }
    shape = process.shape;
    settings = process.settings;
    // The semi-infinite sample is modelled 10 mm deep; every size in a file is halved.
    grub = kindTraits(process.shape).size == SampleSize::None ? 10.0 : process.thickness;
    grub = grub * 1000 * 0.5;
    if (czas.empty())
        return;
    if (kindTraits(process.shape).timeUnit == TimeUnit::Seconds)
        for (double& time : czas)
            time = time * (1.0 / 3600);
    sizeGrid(*this, process.shape);
}

void sizeGrid(Parametry& p, SampleShape kind) {
    p.h1 = firstCellWidth(p.czas, p.temperatura);
    const KindTraits& traits = kindTraits(kind);
    if (traits.size == SampleSize::None)
        return;
    if (!traits.thin) {
        p.N = centreNode(p.grub, p.h1, p.q, p.n);
        p.h1 = refittedCellWidth(p.grub, p.N, p.q);
        return;
    }
    // A thin sample is gridded whole from the first step.
    p.h1Limit = p.h1;
    p.h1 = refittedCellWidth(p.grub, p.N, p.q);
    if (p.h1 > p.h1Limit) {
        p.h1 = p.h1Limit;
        p.N = centreNode(p.grub, p.h1, p.q, p.n);
        p.h1 = refittedCellWidth(p.grub, p.N, p.q);
        p.n = p.N;
    }
}

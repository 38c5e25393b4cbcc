#include "Parametry.h"

#include "KindTraits.h"
#include "Material.h"

#include <cmath>
#include <fstream>
#include <istream>
#include <locale>

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

// The kind under the computation's name, whichever name or encoding the file used.
std::string kindName(const std::string& shapeLine) {
    const std::optional<SampleShape> shape = shapeFromLine(shapeLine);
    return shape ? std::string(kindTraits(*shape).computationName) : shapeLine;
}

} // namespace

Parametry::Parametry(const std::string& name) : fileName(name) {
    std::ifstream in(name, std::ios::binary);
    read(in);
}

Parametry::Parametry(std::istream& in, const std::string& name) : fileName(name) {
    read(in);
}

void Parametry::read(std::istream& in) {
    in.imbue(std::locale::classic());
    double transferCmPerS = 0;
    in >> ck >> transferCmPerS;
    be = transferCmPerS * 10000;
    sklad.assign(5, 0.0);
    for (double& content : sklad)
        in >> content;
    short count = 0;
    in >> count;
    for (short row = 0; row < count; ++row) {
        double hours = 0, celsius = 0, potential = 0;
        if (!(in >> hours >> celsius >> potential))
            break;
        czas.push_back(hours * 3600);
        temperatura.push_back(celsius + 273);
        potencjal.push_back(potential);
    }
    std::string shapeLine;
    in >> std::ws;
    std::getline(in, shapeLine);
    rodzProb = kindName(shapeLine);
    grub = 10.0;
    if (const std::optional<SampleShape> shape = shapeFromLine(shapeLine);
        !shape || kindTraits(*shape).size != SampleSize::None)
        in >> grub;
    grub = grub * 1000 * 0.5;

    const std::optional<SampleShape> known = kind();
    if (!known || czas.empty())
        return;
    if (kindTraits(*known).timeUnit == TimeUnit::Seconds)
        for (double& time : czas)
            time = time * (1.0 / 3600);
    sizeGrid(*this, *known);
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

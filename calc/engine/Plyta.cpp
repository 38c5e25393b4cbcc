#include "Plyta.h"

#include "Parametry.h"
#include "ResultRecorder.h"

Plyta::Plyta(const Parametry& p) : Gruba(p), N(p.N) {}

std::unique_ptr<ResultRecorder> Plyta::recorder(const std::string& fileName,
                                                ResultStreams& streams) const {
    return std::make_unique<PlateRecorder>(*this, fileName, streams);
}

void Plyta::obl(const Furnace& furnace) {
    if (c.size() - 1 < static_cast<std::size_t>(N))
        semiInfiniteStep(furnace);
    else
        symmetricStep(furnace);
}

void Plyta::symmetricStep(const Furnace& furnace) {
    c0(furnace);
    cn = c;
    const double k = fluxFactor * furnace.timeStep;
    const auto m = static_cast<std::size_t>(N);
    for (std::size_t i = 1; i < m; ++i)
        cn[i] = cn[i] + balance(i, k);
    cn[m] = cn[m] + mirroredBalance(m, k);
    holdSurface(furnace);
    c.swap(cn);
}

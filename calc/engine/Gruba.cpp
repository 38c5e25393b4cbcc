#include "Gruba.h"

#include "Parametry.h"
#include "ResultStreams.h"

#include <cmath>
#include <utility>

Gruba::Gruba(std::string name, const Parametry& p, ResultStreams& resultStreams)
    : c(static_cast<std::size_t>(p.n) + 1, p.ck), h(c.size()), d(c.size()), s(c.size()),
      fileName(std::move(name)), kind(*p.kind()), ck(p.ck), be(p.be), growthLimit(p.ck + 0.0001),
      grub(p.grub), lastDepth(0), lastSurfaceC(p.ck), lastMass(0), q(p.q),
      fluxFactor(2 / ((1 + p.q) * (1 + p.q))), sklad(p.sklad), streams(resultStreams) {
    h[0] = p.h1 / q;
    for (std::size_t i = 1; i < h.size(); ++i)
        h[i] = h[i - 1] * q;
    s[0] = -h[0] / 2 - q * h[0] / 2;
    for (std::size_t i = 1; i < s.size(); ++i)
        s[i] = s[i - 1] + h[i - 1] / 2 + h[i] / 2;
}

void Gruba::oblD(const Furnace& furnace) {
    const DiffusivityLaw law(furnace.temperatureK);
    for (std::size_t i = 1; i < c.size(); ++i)
        d[i] = law(c[i]);
    d[0] = d[1];
}

// Only the surface cell enters the rule; the ratio shrinks the step while the surface is far
// from the atmosphere's potential.
void Gruba::oblKr(Furnace& furnace) const {
    const double p = furnace.potentialC;
    const double cs = c[1];
    const double ratio = p > cs ? (cs + 0.1) / (p + 0.15) : (p + 0.1) / (cs + 0.15);
    furnace.timeStep = ratio * h[1] * h[1] / (2 * d[1] + be * h[1]);
}

// Makes the central difference at the surface carry the flux from the atmosphere:
// D·(c[2] − c[0])/(s[2] − s[0]) = −β·(potential − c[1]).
void Gruba::c0(const Furnace& furnace) {
    c[0] = (furnace.potentialC - c[1]) * be * (s[2] - s[0]) / d[1] + c[2];
}

void Gruba::obl(const Furnace& furnace) {
    semiInfiniteStep(furnace);
}

void Gruba::semiInfiniteStep(const Furnace& furnace) {
    c0(furnace);
    cn = c;
    const double k = fluxFactor * furnace.timeStep;
    const std::size_t m = c.size() - 1;
    for (std::size_t i = 1; i < m; ++i)
        cn[i] = cn[i] + balance(i, k);
    cn[m] = cn[m - 1];
    if (cn[m] > growthLimit)
        appendNode(m);
    c.swap(cn);
}

void Gruba::appendNode(std::size_t m) {
    cn[m] = ck;
    cn.push_back(ck);
    const double farDiffusivity = d[m];
    const double farWidth = h[m];
    const double farDepth = s[m];
    d.push_back(farDiffusivity);
    h.push_back(q * farWidth);
    s.push_back(farDepth + farWidth / 2 + q * farWidth / 2);
}

double Gruba::oblGrub(double level) const {
    std::size_t i = 1;
    while (i < c.size() && c[i] >= level)
        ++i;
    const std::size_t j = i - 1;
    if (j == 0)
        return 0;
    if (j == c.size() - 1)
        return s[j];
    return s[j] + (level - c[j]) / ((c[j + 1] - c[j]) / (s[j + 1] - s[j]));
}

short Gruba::checkSurface(double t) {
    if (std::fabs(lastSurfaceC - c[1]) <= 0.01 * c[1])
        return 5;
    writeSurface(t);
    return 0;
}

short Gruba::checkMassDepth(double t) {
    short result = 10;
    const auto mass = static_cast<float>(massGain());
    if (std::fabs(static_cast<double>(mass) - lastMass) > 0.01 * lastMass) {
        lastMass = static_cast<double>(mass);
        writeMass(t);
        writeMean(t);
        result = 20;
    }
    const auto depth = static_cast<float>(oblGrub(0.4));
    if (std::fabs(static_cast<double>(depth) - lastDepth) > 0.01 * lastDepth) {
        lastDepth = static_cast<double>(depth);
        result = 20;
    }
    return result;
}

// Carbon taken up per unit of surface: the excess over the steel's carbon, cell by cell, with
// the surface and far nodes counting half their cells. 0.01 turns % into a mass fraction,
// 1e-6 µm into m.
double Gruba::massGain() const {
    const std::size_t m = c.size() - 1;
    double sum = (c[1] - ck) * h[1] * 0.5;
    for (std::size_t i = 2; i < m; ++i)
        sum = sum + (c[i] - ck) * h[i];
    sum = sum + (c[m] - ck) * h[m] * 0.5;
    return 0.01 * sum * density * 1e-6;
}

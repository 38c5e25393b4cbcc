#include "Gruba.h"

#include "KindTraits.h"
#include "Parametry.h"
#include "ResultRecorder.h"

#include <algorithm>
#include <cmath>

Gruba::Gruba(const Parametry& p)
    : c(static_cast<std::size_t>(p.n) + 1, p.ck), h(c.size()), d(c.size()), s(c.size()),
      kind(*p.kind()), ck(p.ck), be(p.be), growthLimit(p.ck + 0.0001), grub(p.grub), q(p.q),
      fluxFactor(2 / ((1 + p.q) * (1 + p.q))), sklad(p.sklad),
      hardness(std::make_shared<RunHardness>(hardeningLines(p.settings), p.ck, p.sklad, kind,
                                             2 * p.grub * 0.001)),
      law(p.settings.diffusivity.value_or(DiffusivityModel::Standard)) {
    carbides = p.settings.carbides.value_or(false);
    if (carbides)
        e.assign(c.size(), 0.0);
    h[0] = p.h1 / q;
    for (std::size_t i = 1; i < h.size(); ++i)
        h[i] = h[i - 1] * q;
    s[0] = -h[0] / 2 - q * h[0] / 2;
    for (std::size_t i = 1; i < s.size(); ++i)
        s[i] = s[i - 1] + h[i - 1] / 2 + h[i] / 2;
}

void Gruba::oblD(const Furnace& furnace) {
    const Diffusivity diffusivity(law, furnace.temperatureK);
    for (std::size_t i = 1; i < c.size(); ++i)
        d[i] = diffusivity(c[i]);
    d[0] = d[1];
}

// Only the surface cell enters the rule; the ratio shrinks the step while the surface is far
// from what it is offered: the atmosphere's potential, the saturation limit of a boost, or its
// own carbon in a neutral stage. Without a gas the transfer term β·h[1] has no part: the surface
// cell of a neutral stage or a limited boost changes at most at (1 + q)/2 times the rate of an
// interior cell (see fluxGhost), which the ratio (< 1) leaves stable; a held surface does not
// change by the scheme at all.
// The cells widen with depth, so the surface cell bounds the step of every cell whose D is no
// larger than its own. The standard law takes the surface's D, as every stored result was
// computed; a law whose D rises steeply with carbon takes the largest D on the grid, which lies
// below the surface once a lower potential or a diffusion has made the surface leaner.
void Gruba::oblKr(Furnace& furnace) const {
    const ConditionTraits& condition = conditionTraits(furnace.condition.kind);
    const bool gas = condition.boundary == SurfaceBoundary::Atmosphere;
    const double cs = c[1];
    double p = cs;
    if (condition.offer)
        p = *condition.offer == Offer::Potential ? furnace.potentialC : furnace.saturationC;
    const double ratio = p > cs ? (cs + 0.1) / (p + 0.15) : (p + 0.1) / (cs + 0.15);
    const double fastest =
        law == DiffusivityModel::Standard ? d[1] : *std::max_element(d.begin() + 1, d.end());
    // A flux set through the ghost node changes the surface's half cell by twice the transfer
    // term an interior cell would see.
    const double transfer = law == DiffusivityModel::Standard ? be * h[1] : 2 * be * h[1];
    furnace.timeStep = ratio * h[1] * h[1] / (2 * fastest + (gas ? transfer : 0.0));
}

void Gruba::c0(const Furnace& furnace) {
    switch (conditionTraits(furnace.condition.kind).boundary) {
    case SurfaceBoundary::Atmosphere:
        // The standard law, as every stored result was computed: the central difference at the
        // surface carries the flux from the atmosphere,
        // D·(c[2] − c[0])/(s[2] − s[0]) = −β·(potential − c[1]). That agrees with the mass the
        // surface half cell takes in only to first order in h1, and less well where D changes
        // steeply with carbon; the carbon-dependent laws pass the flux as a neutral stage or a
        // limited boost does, so that the mass gained is exactly what the atmosphere gave.
        if (law == DiffusivityModel::Standard)
            c[0] = (furnace.potentialC - c[1]) * be * (s[2] - s[0]) / d[1] + c[2];
        else
            c[0] = fluxGhost(be * (furnace.potentialC - c[1]));
        return;
    case SurfaceBoundary::GivenFlux:
    case SurfaceBoundary::Held: {
        // The flux the stage sets: none, or its limit. A held surface without a limit takes
        // whatever holds it (holdSurface); the ghost node then only completes the stencil.
        const std::optional<double> limit = furnace.condition.fluxLimit;
        c[0] = fluxGhost(limit ? percentMicrometres(*limit) : 0.0);
        return;
    }
    }
}

// The mass sum (massGain) gives the surface node half its cell, [0, h1/2]; a stage that sets
// the flux J through the surface must change that half cell by what the face to node 2 brings,
// F12, and J:
//   (h1/2)·Δc1 = Δt·(F12 + J)
// The step changes the whole cell by its two faces, h1·Δc1 = Δt·(F12 + F01), so the ghost face
// carries F01 = F12 + 2J. With F12 = 2(q·d2 + d1)(c2 − c1)/((1 + q)²·h1) and
// F01 = 2q(q·d1 + d0)(c0 − c1)/((1 + q)²·h1), as in balance():
//   c0 = c1 + [(q·d2 + d1)(c2 − c1) + (1 + q)²·h1·J] / (q·(q·d1 + d0))
// With J = 0 the mass gained stays what it was, to rounding.
double Gruba::fluxGhost(double flux) const {
    return c[1] + ((q * d[2] + d[1]) * (c[2] - c[1]) + (1 + q) * (1 + q) * h[1] * flux) /
                      (q * (q * d[1] + d[0]));
}

// A boost holds the surface at the saturation limit, and takes whatever diffusion carries away
// from it. A limited boost brings J0 through the ghost node and is held only once the surface
// reaches the limit; a surface above the limit when a boost begins is brought down to it.
// With carbides the hold is of the surface's whole carbon, which settleCarbides then parts into
// dissolved carbon and cementite; a limited boost is then held only under a ceiling it states,
// and without one its flux goes on into cementite once the surface is saturated.
void Gruba::holdSurface(const Furnace& furnace) {
    if (conditionTraits(furnace.condition.kind).boundary != SurfaceBoundary::Held)
        return;
    const bool limited = furnace.condition.fluxLimit.has_value();
    if (!carbides) {
        cn[1] = limited ? std::min(cn[1], furnace.saturationC) : furnace.saturationC;
        return;
    }
    const double whole = cn[1] + e[1];
    if (limited && !(furnace.condition.ceiling && whole > furnace.saturationC))
        return;
    cn[1] = furnace.saturationC;
    e[1] = 0;
}

// The lever rule at every node: what exceeds the solubility is cementite, the rest dissolved.
// A node can hold no more than pure cementite: what a flux-limited boost brings beyond it passes
// to the node below, so that the cementite grows inwards as a layer and no carbon is lost.
void Gruba::settleCarbides(const Furnace& furnace) {
    if (!carbides)
        return;
    e.resize(c.size(), 0.0);
    settledSolubility = furnace.solubilityC;
    double passed = 0; // % C times cell extent, from the node above
    for (std::size_t i = 1; i < c.size(); ++i) {
        double whole = c[i] + e[i];
        if (passed > 0)
            whole += passed / cellExtent(i);
        passed = 0;
        if (whole > cementiteCarbon && i + 1 < c.size()) {
            passed = (whole - cementiteCarbon) * cellExtent(i);
            whole = cementiteCarbon;
        }
        c[i] = std::min(whole, furnace.solubilityC);
        e[i] = whole - c[i];
    }
}

double Gruba::carbideFraction(std::size_t i, double solubility) const {
    return e.empty() ? 0.0 : e[i] / (cementiteCarbon - solubility);
}

std::optional<double> Gruba::deepestCarbide() const {
    // The surface node's depth is 0 but for rounding, which must not make it negative.
    for (std::size_t i = e.size(); i-- > 1;)
        if (e[i] > 0)
            return std::max(0.0, s[i]);
    return std::nullopt;
}

void Gruba::obl(const Furnace& furnace) {
    semiInfiniteStep(furnace);
}

void Gruba::semiInfiniteStep(const Furnace& furnace) {
    const double k = fluxFactor * furnace.timeStep;
    // The far node: see conservesCarbon. Balanced, it is a half cell with no flux beyond it,
    // like the mid-plane of a plate; on growth it becomes a whole cell holding the same carbon.
    growingStep(
        furnace, [&](std::size_t i) { return balance(i, k); },
        [&](std::size_t m) { return mirroredBalance(m, k); },
        [&](std::size_t m, double far, bool balanced) {
            if (balanced)
                cn[m] = ck + (far - ck) / 2;
        });
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

// Carbon taken up per unit of surface: the excess over the steel's carbon, cell by cell, with
// the surface and far nodes counting half their cells. 0.01 turns % into a mass fraction,
// 1e-6 µm into m.
double Gruba::massGain() const {
    const std::size_t m = c.size() - 1;
    double sum = (carbonHeld(1) - ck) * h[1] * 0.5;
    for (std::size_t i = 2; i < m; ++i)
        sum = sum + (carbonHeld(i) - ck) * h[i];
    sum = sum + (carbonHeld(m) - ck) * h[m] * 0.5;
    return 0.01 * sum * density * 1e-6;
}

std::unique_ptr<ResultRecorder> Gruba::recorder(const std::string& fileName,
                                                ResultStreams& streams) const {
    return std::make_unique<ResultRecorder>(*this, fileName, streams);
}

std::optional<CaseHardness> Gruba::hardnessNow() const {
    const std::span<const ResultFile> files = kindTraits(kind).resultFiles;
    if (std::ranges::find(files, ResultFile::Hardness) == files.end())
        return std::nullopt;
    std::vector<double> X, C;
    resampleProfile(X, C);
    return hardness->of(X, C);
}

// Equally spaced depths from the surface to the last node, d close to the depth of node 2;
// contents interpolated linearly between the enclosing nodes.
void Gruba::resampleProfile(std::vector<double>& X, std::vector<double>& C) const {
    resample(c, X, C);
}

// Cementite gathers in few cells, often the surface's alone, where a value interpolated between
// nodes would misstate its mass by the share its neighbour's cell takes: each point takes the
// mean over the interval it stands for, so that the file holds the mass the sample holds.
void Gruba::resampleCarbide(std::vector<double>& X, std::vector<double>& F) const {
    std::vector<double> carbon;
    resample(c, X, carbon);
    F.assign(X.size(), 0.0);
    const double step = X[1] - X[0];
    for (std::size_t i = 1; i < X.size(); ++i) {
        const double from = std::max(0.0, X[i] - step / 2);
        const double to = std::min(s.back(), X[i] + step / 2);
        if (to > from)
            F[i] = 100 * cementiteOver(from, to) / (to - from);
    }
}

double Gruba::cementiteOver(double from, double to) const {
    double sum = 0;
    for (std::size_t i = 1; i < std::min(e.size(), s.size()); ++i) {
        const double low = std::max(from, i == 1 ? 0.0 : s[i] - h[i] / 2);
        const double high = std::min(to, s[i] + h[i] / 2);
        if (high > low)
            sum += carbideFraction(i, settledSolubility) * (high - low);
    }
    return sum;
}

void Gruba::resample(const std::vector<double>& values, std::vector<double>& X,
                     std::vector<double>& V) const {
    const std::size_t last = values.size() - 1;
    const double farDepth = s[last];
    const double firstStep = s[2];
    const double ratio = farDepth / firstStep;
    // A grid of zero width (a programme without duration) still gives one step.
    const long steps = ratio >= 1 && ratio < 1e9 ? static_cast<long>(std::trunc(ratio)) : 1;
    const double step = farDepth / static_cast<double>(steps);
    const auto points = static_cast<std::size_t>(steps) + 2;
    X.assign(points, 0.0);
    V.assign(points, 0.0);
    X[0] = -step;
    V[0] = values[0];
    X[1] = 0;
    V[1] = values[1];
    std::size_t node = 1;
    for (std::size_t i = 2; i < points; ++i) {
        X[i] = X[i - 1] + step;
        if (i == points - 1) {
            V[i] = values[last];
            break;
        }
        while (node + 1 < last && s[node + 1] <= X[i])
            ++node;
        V[i] = values[node] +
               (values[node + 1] - values[node]) * (X[i] - s[node]) / (s[node + 1] - s[node]);
    }
}

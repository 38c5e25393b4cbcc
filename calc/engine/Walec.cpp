#include "Walec.h"

#include "Parametry.h"
#include "ResultRecorder.h"

#include <cmath>
#include <numbers>

Walec::Walec(const Parametry& p) : Gruba(p), N(p.N), r(c.size() + 1) {
    r[0] = grub + h[0] + h[1] / 2;
    r[1] = grub + h[1] / 2;
    for (std::size_t i = 2; i < r.size(); ++i)
        r[i] = r[i - 1] - h[i - 1];
    if (c.size() - 1 == static_cast<std::size_t>(N))
        r[r.size() - 1] = 0;
}

void Walec::obl(const Furnace& furnace) {
    if (c.size() - 1 == static_cast<std::size_t>(N)) {
        axisStep(furnace);
        return;
    }
    const double k2 = 2 * fluxFactor * furnace.timeStep;
    // The far node (see conservesCarbon): balanced, it takes what node m − 1 gives over the
    // ring the mass sum counts for it, r_m² − (r_{m+1} − h_m/2)²; on growth it keeps its carbon
    // over the whole annulus r_m² − r_{m+1}².
    const auto farRing = [this](std::size_t m) {
        return r[m] * r[m] - std::pow(r[m + 1] - h[m] / 2, 2.0);
    };
    growingStep(
        furnace, [&](std::size_t i) { return annulusBalance(i, k2); },
        [&](std::size_t m) {
            return k2 / h[m - 1] * (q * d[m] + d[m - 1]) * (c[m - 1] - c[m]) * r[m] / farRing(m);
        },
        [&](std::size_t m, double far, bool balanced) {
            const double wholeRing = r[m] * r[m] - r[m + 1] * r[m + 1];
            const double innerFace =
                m + 1 < static_cast<std::size_t>(N) ? r[m + 1] - q * h[m] : 0.0;
            r.push_back(innerFace);
            if (balanced)
                cn[m] = ck + (far - ck) * farRing(m) / wholeRing;
        });
}

void Walec::axisStep(const Furnace& furnace) {
    c0(furnace);
    cn = c;
    const double k2 = 2 * fluxFactor * furnace.timeStep;
    const auto m = static_cast<std::size_t>(N);
    for (std::size_t i = 1; i < m; ++i)
        cn[i] = cn[i] + annulusBalance(i, k2);
    // The axis cell is a disc: no inner face.
    cn[m] =
        cn[m] + k2 / h[m] * q * (q * d[m] + d[m - 1]) * (c[m - 1] - c[m]) * r[m] / (r[m] * r[m]);
    holdSurface(furnace);
    c.swap(cn);
}

// The same rule as the flat sample's, over annuli. Per π and metre of length, the mass sum
// counts the surface node over R² − r2² (R the surface radius), the step changes it over
// r1² − r2², and the flux J through the surface brings 2R·J·Δt:
//   (R² − r2²)·Δc1 = k2/h1·(q·d2 + d1)(c2 − c1)·r2 + 2R·J·Δt
//   (r1² − r2²)·Δc1 = k2/h1·[(q·d2 + d1)(c2 − c1)·r2 + q(q·d1 + d0)(c0 − c1)·r1]
// With a = (r1² − r2²)/(R² − r2²) and Δt·h1/k2 = h1·(1 + q)²/4:
//   c0 = c1 + [(a − 1)(q·d2 + d1)(c2 − c1)·r2 + a·R·J·h1·(1 + q)²/2] / (q·(q·d1 + d0)·r1)
double Walec::fluxGhost(double flux) const {
    const double surface = surfaceRadius();
    const double a = (r[1] * r[1] - r[2] * r[2]) / (surface * surface - r[2] * r[2]);
    return c[1] + ((a - 1) * (q * d[2] + d[1]) * (c[2] - c[1]) * r[2] +
                   a * surface * flux * h[1] * (1 + q) * (1 + q) / 2) /
                      (q * (q * d[1] + d[0]) * r[1]);
}

// Carbon taken up per metre of length: the carbon of every annulus less the steel's own over
// the modelled cross-section; π·S·density·1e-12·0.01 with S in %·µm².
double Walec::massGain() const {
    const std::size_t m = c.size() - 1;
    const double surface = surfaceRadius();
    double sum = carbonHeld(1) * (std::pow(surface, 2.0) - std::pow(r[2], 2.0));
    for (std::size_t i = 2; i < m; ++i)
        sum = sum + carbonHeld(i) * (std::pow(r[i], 2.0) - std::pow(r[i + 1], 2.0));
    if (m < static_cast<std::size_t>(N)) {
        const double inner = r[m + 1] - h[m] / 2;
        sum = sum + carbonHeld(m) * (std::pow(r[m], 2.0) - std::pow(inner, 2.0)) -
              ck * (std::pow(surface, 2.0) - std::pow(inner, 2.0));
    } else {
        sum = sum + carbonHeld(m) * std::pow(r[m], 2.0) - ck * std::pow(surface, 2.0);
    }
    return std::numbers::pi * sum * density * 1e-12 * 0.01;
}

double Walec::cellExtent(std::size_t i) const {
    const double outer = i == 1 ? surfaceRadius() : r[i];
    return outer * outer - r[i + 1] * r[i + 1];
}

double Walec::perSurface(double massPerLength) const {
    return massPerLength / (2 * std::numbers::pi * surfaceRadius() * 1e-6);
}

std::unique_ptr<ResultRecorder> Walec::recorder(const std::string& fileName,
                                                ResultStreams& streams) const {
    return std::make_unique<CylinderRecorder>(*this, fileName, streams);
}

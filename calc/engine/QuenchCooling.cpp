#include "QuenchCooling.h"

#include "Hardenability.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double mmPerInch = 25.4;
constexpr int terms = 80;
// Severity of the ideal quench: the surface takes the bath temperature at once.
constexpr double idealBiot = 1e9;

// The eigen-condition of the form: slab λ·tan λ = Bi, round λ·J1(λ) = Bi·J0(λ), written so
// that it changes sign once between the bracket ends below.
double eigenCondition(SectionForm form, double lambda, double biot) {
    if (form == SectionForm::Slab)
        return lambda * std::sin(lambda) - biot * std::cos(lambda);
    return lambda * std::cyl_bessel_j(1.0, lambda) - biot * std::cyl_bessel_j(0.0, lambda);
}

// The first `terms` roots in order: a scan in steps well below the roots' spacing (about π)
// finds each change of sign, bisection closes on the root within it.
std::vector<double> eigenvalues(SectionForm form, double biot) {
    constexpr double step = 0.05;
    std::vector<double> roots;
    double a = 1e-9, fa = eigenCondition(form, a, biot);
    while (int(roots.size()) < terms) {
        const double b = a + step, fb = eigenCondition(form, b, biot);
        if ((fa < 0) != (fb < 0)) {
            double low = a, high = b;
            for (int i = 0; i < 50; ++i) {
                const double middle = 0.5 * (low + high);
                ((eigenCondition(form, middle, biot) < 0) == (fa < 0) ? low : high) = middle;
            }
            roots.push_back(0.5 * (low + high));
        }
        a = b;
        fa = fb;
    }
    return roots;
}

// The modes of the series: each root with its coefficient, which depends on the root alone.
std::vector<CoolingMode> modesOf(SectionForm form, double biot) {
    std::vector<CoolingMode> modes;
    for (const double lambda : eigenvalues(form, biot)) {
        if (form == SectionForm::Slab) {
            modes.push_back(
                {lambda, 4.0 * std::sin(lambda) / (2.0 * lambda + std::sin(2.0 * lambda))});
        } else {
            const double j0 = std::cyl_bessel_j(0.0, lambda), j1 = std::cyl_bessel_j(1.0, lambda);
            modes.push_back({lambda, 2.0 * j1 / (lambda * (j0 * j0 + j1 * j1))});
        }
    }
    return modes;
}

// θ = (T − T_bath)/(T_0 − T_bath) at ξ = distance from the centre / half-size, time Fo.
double temperatureShare(SectionForm form, const std::vector<CoolingMode>& modes, double xi,
                        double fo) {
    double theta = 0;
    for (const auto& [lambda, coefficient] : modes) {
        // The modes decay ever faster; beyond this one they no longer count.
        const double decay = std::exp(-lambda * lambda * fo);
        if (decay < 1e-14)
            break;
        const double shape =
            form == SectionForm::Slab ? std::cos(lambda * xi) : std::cyl_bessel_j(0.0, lambda * xi);
        theta += coefficient * shape * decay;
    }
    return theta;
}

double halfTimeAt(SectionForm form, const std::vector<CoolingMode>& roots, double xi) {
    double low = 0, high = 1.0;
    while (temperatureShare(form, roots, xi, high) > 0.5)
        high *= 2.0;
    for (int i = 0; i < 60; ++i) {
        const double middle = 0.5 * (low + high);
        (temperatureShare(form, roots, xi, middle) > 0.5 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

// Bi = h·L/k = 2H·L = H·size with H = h/2k in 1/inch and the size in inches.
double biotNumber(const QuenchedSection& section) {
    return section.severity * section.sizeMm / mmPerInch;
}

} // namespace

SectionCooling::SectionCooling(const QuenchedSection& section)
    : section_(section), modes_(modesOf(section.form, biotNumber(section))) {}

double SectionCooling::halfCoolingFourier(double depthMm) const {
    const double xi = std::clamp(1.0 - depthMm / (0.5 * section_.sizeMm), 0.0, 1.0);
    return halfTimeAt(section_.form, modes_, xi);
}

double SectionCooling::idealDiameter(double depthMm) const {
    static const double idealCentre =
        halfTimeAt(SectionForm::Round, modesOf(SectionForm::Round, idealBiot), 0.0);
    // Equal times a·t: Fo·(size/2)² = Fo_ideal·(D/2)².
    return section_.sizeMm / mmPerInch * std::sqrt(halfCoolingFourier(depthMm) / idealCentre);
}

double SectionCooling::jominyDistance(double depthMm) const {
    return jominyDistanceOfIdealRound(idealDiameter(depthMm));
}

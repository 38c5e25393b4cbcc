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

// The first `terms` roots, each found by bisection between the roots of the two limiting cases
// (Bi = 0 and Bi = ∞), which interlace with it.
std::vector<double> eigenvalues(SectionForm form, double biot) {
    std::vector<double> roots;
    double low = 1e-9;
    const double step = 0.05;
    while (int(roots.size()) < terms) {
        double high = low + step;
        while (eigenCondition(form, low, biot) * eigenCondition(form, high, biot) > 0)
            high += step;
        double a = std::max(low, high - step), b = high;
        for (int i = 0; i < 80; ++i) {
            const double middle = 0.5 * (a + b);
            if (eigenCondition(form, a, biot) * eigenCondition(form, middle, biot) <= 0)
                b = middle;
            else
                a = middle;
        }
        roots.push_back(0.5 * (a + b));
        low = roots.back() + 1e-6;
    }
    return roots;
}

// θ = (T − T_bath)/(T_0 − T_bath) at ξ = distance from the centre / half-size, time Fo.
double temperatureShare(SectionForm form, const std::vector<double>& roots, double xi, double fo) {
    double theta = 0;
    for (const double lambda : roots) {
        double coefficient, shape;
        if (form == SectionForm::Slab) {
            coefficient = 4.0 * std::sin(lambda) / (2.0 * lambda + std::sin(2.0 * lambda));
            shape = std::cos(lambda * xi);
        } else {
            const double j0 = std::cyl_bessel_j(0.0, lambda), j1 = std::cyl_bessel_j(1.0, lambda);
            coefficient = 2.0 * j1 / (lambda * (j0 * j0 + j1 * j1));
            shape = std::cyl_bessel_j(0.0, lambda * xi);
        }
        theta += coefficient * shape * std::exp(-lambda * lambda * fo);
    }
    return theta;
}

double halfTimeAt(SectionForm form, const std::vector<double>& roots, double xi) {
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
    : section_(section), roots_(eigenvalues(section.form, biotNumber(section))) {}

double SectionCooling::halfCoolingFourier(double depthMm) const {
    const double xi = std::clamp(1.0 - depthMm / (0.5 * section_.sizeMm), 0.0, 1.0);
    return halfTimeAt(section_.form, roots_, xi);
}

double SectionCooling::idealDiameter(double depthMm) const {
    static const double idealCentre =
        halfTimeAt(SectionForm::Round, eigenvalues(SectionForm::Round, idealBiot), 0.0);
    // Equal times a·t: Fo·(size/2)² = Fo_ideal·(D/2)².
    return section_.sizeMm / mmPerInch * std::sqrt(halfCoolingFourier(depthMm) / idealCentre);
}

double SectionCooling::jominyDistance(double depthMm) const {
    return jominyDistanceOfIdealRound(idealDiameter(depthMm));
}

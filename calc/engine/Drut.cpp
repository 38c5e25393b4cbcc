#include "Drut.h"

#include <cmath>
#include <numbers>
#include <utility>

Drut::Drut(std::string name, const Parametry& p, ResultStreams& resultStreams)
    : Walec(std::move(name), p, resultStreams) {}

void Drut::obl(const Furnace& furnace) {
    axisStep(furnace);
}

double Drut::oblGrub(double /*level*/) const {
    return 0;
}

// Mean carbon increase over the cross-section (%), from the mass last written (g/m).
std::optional<double> Drut::meanCarbon() const {
    return lastMass / (density * std::numbers::pi * std::pow(surfaceRadius(), 2.0) * 1e-12) * 100;
}

// Unlike the other shapes, the wire compares its mass in double precision, and writes the mean
// before the mass.
short Drut::checkMassDepth(double t) {
    const double mass = massGain();
    if (std::fabs(mass - lastMass) > 0.01 * lastMass) {
        lastMass = mass;
        writeMean(t);
        writeMass(t);
        return 10;
    }
    return 15;
}

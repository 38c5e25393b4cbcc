#include "Folia.h"

#include "Parametry.h"

#include <cmath>
#include <utility>

Folia::Folia(std::string name, const Parametry& p, ResultStreams& resultStreams)
    : Plyta(std::move(name), p, resultStreams) {}

void Folia::obl(const Furnace& furnace) {
    symmetricStep(furnace);
}

double Folia::oblGrub(double /*level*/) const {
    return 0;
}

// Mean carbon increase over the half-thickness (%), from the mass last written.
std::optional<double> Folia::meanCarbon() const {
    return lastMass / (density * grub * 1e-6) * 100;
}

short Folia::checkMassDepth(double t) {
    const auto mass = static_cast<float>(massGain());
    if (std::fabs(static_cast<double>(mass) - lastMass) > 0.01 * lastMass) {
        lastMass = static_cast<double>(mass);
        writeMass(t);
        writeMean(t);
        return 10;
    }
    return 15;
}

#include "Drut.h"

#include "ResultRecorder.h"

#include <cmath>
#include <numbers>

Drut::Drut(const Parametry& p) : Walec(p) {}

void Drut::obl(const Furnace& furnace) {
    axisStep(furnace);
}

double Drut::oblGrub(double /*level*/) const {
    return 0;
}

// Mean carbon increase over the cross-section (%), from a mass per metre of length (g/m).
std::optional<double> Drut::meanCarbonOf(double mass) const {
    return mass / (density * std::numbers::pi * std::pow(surfaceRadius(), 2.0) * 1e-12) * 100;
}

std::unique_ptr<ResultRecorder> Drut::recorder(const std::string& fileName,
                                               ResultStreams& streams) const {
    return std::make_unique<WireRecorder>(*this, fileName, streams);
}

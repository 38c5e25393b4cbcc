#include "Folia.h"

#include "ResultRecorder.h"

Folia::Folia(const Parametry& p) : Plyta(p) {}

void Folia::obl(const Furnace& furnace) {
    symmetricStep(furnace);
}

double Folia::oblGrub(double /*level*/) const {
    return 0;
}

// Mean carbon increase over the half-thickness (%).
std::optional<double> Folia::meanCarbonOf(double mass) const {
    return mass / (density * grub * 1e-6) * 100;
}

std::unique_ptr<ResultRecorder> Folia::recorder(const std::string& fileName,
                                                ResultStreams& streams) const {
    return std::make_unique<FoilRecorder>(*this, fileName, streams);
}

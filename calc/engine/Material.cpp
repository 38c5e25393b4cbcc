#include "Material.h"

#include <algorithm>

namespace {

constexpr double squareCentimetres = 1e8;  // µm² per cm²
constexpr double squareMetres = 1e12;      // µm² per m²
constexpr double gasConstant = 8.314;      // J/(mol·K)
constexpr double carbonMolarMass = 12.011; // g/mol
constexpr double ironMolarMass = 55.845;   // g/mol

} // namespace

double tibbettsDiffusivity(double carbon, double temperatureK) {
    return 0.47 * std::exp(-1.6 * carbon) *
           std::exp(-(37000.0 - 6600.0 * carbon) / (1.987 * temperatureK)) * squareCentimetres;
}

double carbonMoleFraction(double carbon) {
    const double carbonMoles = carbon / carbonMolarMass;
    return carbonMoles / (carbonMoles + (100.0 - carbon) / ironMolarMass);
}

double slyckeEricssonDiffusivity(double carbon, double temperatureK) {
    const double x = carbonMoleFraction(carbon);
    const double rt = gasConstant * temperatureK;
    return 4.84e-5 * std::exp(-155000.0 / rt) *
           std::exp((570000.0 - 320.0 * temperatureK) / rt * x) / (1.0 - 5.0 * x) * squareMetres;
}

double estimatedDiffusivity(double temperatureK) {
    return std::exp(-32900.0 / (1.987 * temperatureK)) * 0.23 * 1e8;
}

double firstCellWidth(const std::vector<double>& czas, const std::vector<double>& temperatura) {
    const auto timeQuotient = static_cast<float>(czas.back() / 5000.0);
    const auto hottest =
        static_cast<float>(*std::max_element(temperatura.begin(), temperatura.end()));
    const auto diffusivity = static_cast<float>(estimatedDiffusivity(static_cast<double>(hottest)));
    return std::sqrt(2.0 * static_cast<double>(timeQuotient) * static_cast<double>(diffusivity));
}

#include "Material.h"

#include <algorithm>

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

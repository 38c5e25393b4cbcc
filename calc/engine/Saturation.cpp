#include "Saturation.h"

#include "NumberText.h"

#include <cmath>
#include <string>

namespace {

// Plain carbon steel: the Acm line of the Fe–Fe3C diagram as the solubility of cementite,
// C = 21.56 · exp(−3360 / T), T in K. Fitted to 1.23 % C at 900 °C and 1.54 % C at 1000 °C, it
// gives 1.30 at 925 °C and 1.38 at 950 °C (as the diagram), 0.75 at 727 °C (diagram: 0.77) and
// 2.03 at 1148 °C (2.11): within 0.01 % C from 880 to 1000 °C, within 0.1 % C outside.
double plainSaturation(double celsius) {
    return 21.56 * std::exp(-3360.0 / (celsius + 273.15));
}

// Alloying elements change how much carbon the steel holds at a given potential, by the alloy
// factor of Gunnarson (1967): log10(C_alloy / C_plain) = 0.013 Mn − 0.055 Si + 0.040 Cr
// − 0.014 Ni + 0.013 Mo. Austenite saturates at the same carbon activity, so the potential at
// which it saturates is the plain limit divided by the factor: Cr, Mn and Mo lower it, Si and
// Ni raise it slightly. Carbides of strongly alloyed steels may appear earlier than this says.
double alloyFactor(const std::array<double, 5>& alloy) {
    const double cr = alloy[0], mo = alloy[1], mn = alloy[2], si = alloy[3], ni = alloy[4];
    return std::pow(10.0, 0.013 * mn - 0.055 * si + 0.040 * cr - 0.014 * ni + 0.013 * mo);
}

// "stage N: the WHAT C % C exceeds the saturation limit of austenite, L % C at T °C: "
std::string excess(std::size_t row, const char* what, double carbon, double limit, double celsius) {
    return "stage " + std::to_string(row + 1) + ": the " + what + " " + fixedText(carbon, 2) +
           " % C exceeds the saturation limit of austenite, " + fixedText(limit, 2) + " % C at " +
           generalText(celsius) + " °C: ";
}

} // namespace

std::optional<std::string> carbideWarning(std::optional<double> deepest) {
    if (!deepest)
        return std::nullopt;
    char text[120];
    std::snprintf(text, sizeof text,
                  "cementite remains in the case at the end, down to %.3f mm: the diffusion did "
                  "not dissolve it",
                  *deepest);
    return text;
}

double saturationCarbon(double celsius, const std::array<double, 5>& alloy) {
    return plainSaturation(celsius) / alloyFactor(alloy);
}

namespace {

// A row's potential reaches the surface only through a gas stage that ends or starts at it; a
// boost holds the surface at the limit by definition, so its rows do not warn of the surface.
std::vector<std::string> warnings(const TDane& data, const std::vector<double>& surfaceAtRows,
                                  bool ofPotentials) {
    std::vector<std::string> warnings;
    const std::size_t rows = data.times.size();
    for (std::size_t row = 0; row < rows; ++row) {
        const double celsius = data.temperatures[row];
        const double limit = saturationCarbon(celsius, data.alloy);
        if (ofPotentials && potentialOffered(data, row) && data.potentials[row] >= limit)
            warnings.push_back(excess(row, "potential", data.potentials[row], limit, celsius) +
                               "soot and carbides are to be expected");
        const bool held =
            conditionTraits(stageCondition(data, row).kind).boundary == SurfaceBoundary::Held;
        if (!held && row < surfaceAtRows.size() && surfaceAtRows[row] > limit)
            warnings.push_back(
                excess(row, "computed surface carbon", surfaceAtRows[row], limit, celsius) +
                "the case will hold carbides");
    }
    return warnings;
}

} // namespace

std::vector<std::string> saturationWarnings(const TDane& data,
                                            const std::vector<double>& surfaceAtRows) {
    return warnings(data, surfaceAtRows, true);
}

std::vector<std::string> surfaceSaturationWarnings(const TDane& data,
                                                   const std::vector<double>& surfaceAtRows) {
    return warnings(data, surfaceAtRows, false);
}

#include "Atmosphere.h"

#include <cmath>

namespace {

constexpr double probeSlope = 0.04961;   // mV/K per decade of pO2: R·ln10/(4F)
constexpr double airOxygen = 0.2095;     // atm, the reference side of the probe
constexpr double ellisActivity = 107;    // the a_C term of the Ellis form
constexpr double ellisEnthalpy = 4798.6; // K
constexpr double ellisCarbon = 1960;     // the carbon term of the Ellis form

double kd(double kelvin) {
    return std::pow(10.0, log10Kb(kelvin)) / ka(kelvin);
}

// Ka·Kc/Kb: a_C = this·pCO²/pCO2.
double carbonDioxideConstant(double kelvin) {
    return ka(kelvin) * std::pow(10.0, log10Kc(kelvin) - log10Kb(kelvin));
}

double ellisTerm(double kelvin, double q) {
    return ellisActivity * q * std::exp(ellisEnthalpy / kelvin);
}

double processFactorTerm(double processFactor) {
    return 29 * processFactor + 400;
}

double processFactorScale(double kelvin) {
    return 0.043102 * kelvin;
}

} // namespace

double log10Kb(double kelvin) {
    return 12510 / kelvin - 0.979 * std::log10(kelvin) + 0.483;
}

double log10Kc(double kelvin) {
    return 14751 / kelvin - 4.535;
}

double ka(double kelvin) {
    return std::exp(16763 / kelvin - 17.5842);
}

double probeOxygen(double millivolts, double kelvin) {
    return airOxygen / std::pow(10.0, millivolts / (probeSlope * kelvin));
}

double probeMillivolts(double oxygen, double kelvin) {
    return probeSlope * kelvin * std::log10(airOxygen / oxygen);
}

double dewPointWater(double dewPointKelvin) {
    return std::exp(14.7316 - 5422.13 / dewPointKelvin);
}

double waterDewPoint(double water) {
    return 5422.13 / (14.7316 - std::log(water));
}

double activityFromOxygen(double oxygen, double kelvin, double co) {
    return co / (kd(kelvin) * std::sqrt(oxygen));
}

double activityFromCarbonDioxide(double co2, double kelvin, double co) {
    return carbonDioxideConstant(kelvin) * co * co / co2;
}

double activityFromWater(double water, double kelvin, double co, double h2) {
    return ka(kelvin) * co * h2 / water;
}

double oxygenForActivity(double activity, double kelvin, double co) {
    const double root = co / (kd(kelvin) * activity);
    return root * root;
}

double carbonDioxideForActivity(double activity, double kelvin, double co) {
    return carbonDioxideConstant(kelvin) * co * co / activity;
}

double waterForActivity(double activity, double kelvin, double co, double h2) {
    return ka(kelvin) * co * h2 / activity;
}

std::optional<double> equilibriumCarbon(double activity, double kelvin, double q) {
    if (!(activity < 1))
        return std::nullopt;
    return 10000 * activity / (ellisTerm(kelvin, q) + ellisCarbon * activity);
}

double sootLimitCarbon(double kelvin, double q) {
    return 10000 / (ellisTerm(kelvin, q) + ellisCarbon);
}

double carbonActivity(double carbon, double kelvin, double q) {
    return ellisTerm(kelvin, q) * carbon / (10000 - ellisCarbon * carbon);
}

double processFactorCarbon(double millivolts, double kelvin, double processFactor) {
    const double x = std::exp((millivolts - 786) / processFactorScale(kelvin));
    return processFactorCarbonLimit * x / (processFactorTerm(processFactor) + x);
}

double processFactorMillivolts(double carbon, double kelvin, double processFactor) {
    const double x =
        carbon * processFactorTerm(processFactor) / (processFactorCarbonLimit - carbon);
    return 786 + processFactorScale(kelvin) * std::log(x);
}

double alloyFactor(const std::array<double, 5>& alloy) {
    const auto [cr, mo, mn, si, ni] = alloy;
    return 1 + si * (0.15 + 0.033 * si) - 0.0365 * mn - cr * (0.13 - 0.0055 * cr) +
           ni * (0.03 + 0.00365 * ni) - mo * (0.025 + 0.01 * mo);
}

#pragma once
// The furnace atmosphere in the instruments' terms: what an oxygen probe, a dew-point meter or
// a CO2 analyser reads, the carbon activity of the gas that reading means, and the carbon a
// steel takes up in equilibrium with it. Every front end (the command line, the window, the
// Python module, the replay of a logged load) converts through here. The relations and their
// sources are in docs/atmosphere.md.
//
// Temperatures in K, partial pressures in atm (the furnace at 1 atm, so a volume fraction),
// gas contents in % by volume, carbon in mass-% C, a_C relative to graphite (a_C ≥ 1: the gas
// deposits soot).

#include <array>
#include <optional>

inline constexpr double kelvinOffset = 273.15; // K at 0 °C

// H2 + ½O2 = H2O (Ohmoto & Kerrick): log10 Kb = 12510/T − 0.979·log10 T + 0.483.
double log10Kb(double kelvin);
// CO + ½O2 = CO2 (Ohmoto & Kerrick): log10 Kc = 14751/T − 4.535.
double log10Kc(double kelvin);
// CO + H2 = C + H2O: Ka = a_C·pH2O/(pCO·pH2) = exp(16763/T − 17.5842).
double ka(double kelvin);

// Oxygen probe against an air reference: E [mV] = 0.04961·T·log10(0.2095/pO2).
double probeOxygen(double millivolts, double kelvin); // atm
double probeMillivolts(double oxygen, double kelvin); // mV

// Water vapour over ice or water at the dew point Tr: pH2O = exp(14.7316 − 5422.13/Tr).
double dewPointWater(double dewPointKelvin); // atm
double waterDewPoint(double water);          // K

// a_C of the gas: probe a_C = pCO/(Kd·√pO2), Kd = Kb/Ka; CO2 a_C = (Ka·Kc/Kb)·pCO²/pCO2; dew
// point a_C = Ka·pCO·pH2/pH2O. Pressures in atm.
double activityFromOxygen(double oxygen, double kelvin, double co);
double activityFromCarbonDioxide(double co2, double kelvin, double co);
double activityFromWater(double water, double kelvin, double co, double h2);
// The same relations solved for the reading's pressure at a given a_C.
double oxygenForActivity(double activity, double kelvin, double co);
double carbonDioxideForActivity(double activity, double kelvin, double co);
double waterForActivity(double activity, double kelvin, double co, double h2);

// Carbon of austenite in equilibrium with a_C (Ellis et al.), Q the steel's alloy factor (1 for
// the furnace's carbon potential): C = 10000·a/(107·Q·exp(4798.6/T) + 1960·a). Nothing where
// a_C ≥ 1: the gas deposits soot before the steel reaches any carbon it could name.
std::optional<double> equilibriumCarbon(double activity, double kelvin, double q = 1);
// The carbon at a_C = 1, where the gas begins to deposit soot: 10000/(107·Q·exp(4798.6/T) + 1960).
double sootLimitCarbon(double kelvin, double q = 1);
// Its inverse: a_C = 107·Q·exp(4798.6/T)·C/(10000 − 1960·C), for 0 ≤ C < 10000/1960.
double carbonActivity(double carbon, double kelvin, double q = 1);
inline constexpr double ellisCarbonLimit = 10000.0 / 1960.0; // % C, where a_C would be infinite

// The process-factor form that probe transmitters use: C = 5.102·X/((29·PF + 400) + X),
// X = exp((E − 786)/(0.043102·T)).
double processFactorCarbon(double millivolts, double kelvin, double processFactor);
// Its inverse, for 0 < C < 5.102.
double processFactorMillivolts(double carbon, double kelvin, double processFactor);
inline constexpr double processFactorCarbonLimit = 5.102; // % C, where X would be infinite
inline constexpr double defaultProcessFactor = 150;

// Gunnarson's alloy factor from the contents in % (Cr, Mo, Mn, Si, Ni, the order of the
// process-data file): Q = 1 + Si(0.15 + 0.033Si) − 0.0365Mn − Cr(0.13 − 0.0055Cr)
// + Ni(0.03 + 0.00365Ni) − Mo(0.025 + 0.01Mo).
double alloyFactor(const std::array<double, 5>& alloy);

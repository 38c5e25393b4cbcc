#pragma once
// The steel as the solvers see it: its density and the diffusion coefficient of carbon in
// austenite, which depends on the local carbon content and the current process temperature.
//
// Units inside the computation: µm, s, K, mass-% C, µm²/s, µm/s, g/m³.

#include "ProcessSettings.h"

#include <cmath>
#include <vector>

// The standard law: D(C, T) = exp(a·0.00242·C − 19900/T) · (1 − 0.232·C) · 1.43 · 1e8 µm²/s,
// with a = exp(6790/T): the carbon diffusivity in austenite (1.43 cm²/s pre-factor, 1e8
// converts cm²/s to µm²/s). The terms that depend on T alone are evaluated once per
// temperature; the result is the same, bit for bit, as evaluating the whole law at every node.
class DiffusivityLaw {
public:
    explicit DiffusivityLaw(double temperatureK)
        : a_(std::exp(6790.0 / temperatureK)), activation_(-19900.0 / temperatureK) {}

    double operator()(double carbon) const {
        const double b = a_ * (0.00242 * carbon) + activation_;
        return std::exp(b) * ((1.0 - 0.232 * carbon) * 1.43) * 1e8;
    }

private:
    double a_;
    double activation_;
};

// Carbon-dependent laws whose diffusivity rises with carbon as measured ones do, in µm²/s for a
// carbon content in % C at a temperature in K (sources in docs/diffusivity.md):
// Tibbetts: D = 0.47·exp(−1.6·C)·exp(−(37000 − 6600·C)/(1.987·T)) cm²/s.
double tibbettsDiffusivity(double carbon, double temperatureK);
// Slycke and Ericsson: D = 4.84e-5·exp(−155000/(R·T))·exp[(570000 − 320·T)/(R·T)·x]/(1 − 5x)
// m²/s, x the mole fraction of carbon, R = 8.314 J/(mol·K).
double slyckeEricssonDiffusivity(double carbon, double temperatureK);
// The mole fraction of carbon in iron holding `carbon` % C (the alloying elements left out, as
// the law was fitted to binary data).
double carbonMoleFraction(double carbon);

inline constexpr double cementiteCarbon = 6.67; // % C of Fe3C

// The law a set's settings choose, at one temperature (K): µm²/s for a carbon content in % C.
class Diffusivity {
public:
    Diffusivity(DiffusivityModel law, double temperatureK)
        : law_(law), temperatureK_(temperatureK), standard_(temperatureK) {}

    double operator()(double carbon) const {
        switch (law_) {
        case DiffusivityModel::Standard:
            break;
        case DiffusivityModel::Tibbetts:
            return tibbettsDiffusivity(carbon, temperatureK_);
        case DiffusivityModel::SlyckeEricsson:
            return slyckeEricssonDiffusivity(carbon, temperatureK_);
        }
        return standard_(carbon);
    }

private:
    DiffusivityModel law_;
    double temperatureK_;
    DiffusivityLaw standard_;
};

class Material {
public:
    Material() = default;
    virtual ~Material() = default;

protected:
    double density = 7.8e6; // g/m³
};

// The simpler law used only to size the grid: D_est(T) = 0.23 · exp(−32900 / (1.987·T)) cm²/s,
// returned in µm²/s.
double estimatedDiffusivity(double temperatureK);

// Width of the surface cell (µm) for a programme ending at czas.back() (s) whose hottest stage
// is at max(temperatura) (K): sqrt(2 · t_end/5000 · D_est(T_max)). The quotient, the temperature
// and D_est are held in single precision, as the grid of every stored result was sized that way.
double firstCellWidth(const std::vector<double>& czas, const std::vector<double>& temperatura);

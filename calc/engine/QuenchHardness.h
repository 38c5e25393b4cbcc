#pragma once
// The hardness of a carburized case after its quench, at every depth from the local carbon and
// the steel's other elements: the hardenability of the point's chemistry (A255), the cooling of
// the point in its section (SectionCooling), the martensite it forms, the austenite it keeps
// (Koistinen-Marburger at the bath or the sub-zero temperature), and the tempering after it.
// Owns the section's cooling, solved once, and the notes of every relation used beyond its range.

#include "Hardenability.h"
#include "QuenchCooling.h"

#include <optional>

struct Tempering {
    double temperatureC = 180;
    double hours = 2;
};

// How the carburized part is hardened.
struct HardeningTreatment {
    QuenchedSection section;
    double bathC = 25;              // °C, the quench bath
    std::optional<double> subZeroC; // °C, a sub-zero treatment after the quench
    std::optional<Tempering> tempering;
};

struct QuenchedPoint {
    double hv = 0;                // HV
    double retainedAustenite = 0; // % of the structure
    double msC = 0;               // °C, martensite start of the point's chemistry
};

class QuenchHardness {
public:
    // `steel` holds the steel's own carbon; `at` replaces it by the local one.
    QuenchHardness(const SteelChemistry& steel, const HardeningTreatment& treatment);

    QuenchedPoint at(double depthMm, double carbon) const;

    const SteelChemistry& steel() const { return steel_; }
    const std::vector<std::string>& notes() const { return notes_.notes(); }

private:
    double jominyAt(double depthMm) const;

    SteelChemistry steel_;
    HardeningTreatment treatment_;
    std::vector<double> tableDepth_;  // mm, from the surface to the centre
    std::vector<double> tableJominy_; // mm, the Jominy distance that cools alike
    mutable RangeNotes notes_;        // a record of what was clamped, not state of the model
};

// The hardness (HV) that austenite kept in a quenched case adds to the mixture: more than the
// annealed austenite's, since the indenter transforms and hardens part of it.
inline constexpr double austeniteHardness = 400;

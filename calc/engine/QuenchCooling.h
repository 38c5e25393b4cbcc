#pragma once
// Where in a Jominy bar a point of a quenched section cools alike: the section's half-temperature
// time from the exact heat-conduction series of a slab or a round with a surface heat-transfer
// coefficient (Carslaw and Jaeger 1959, §3.10 and §7.7), expressed as the ideal round that
// cools alike at its centre (Grossman, Asimow and Urban 1939: the severity H = h/2k), and that
// round as its Jominy distance (jominyDistanceOfIdealRound).

#include <vector>

enum class SectionForm { Slab, Round };

struct QuenchedSection {
    SectionForm form = SectionForm::Round;
    double sizeMm = 25;     // thickness of a slab, diameter of a round
    double severity = 0.35; // Grossman's H, 1/inch
};

struct CoolingMode {
    double lambda;      // root of the eigen-condition
    double coefficient; // of the mode in the series
};

// The cooling of one quenched section at every depth, its series solved once.
class SectionCooling {
public:
    explicit SectionCooling(const QuenchedSection& section);

    // The time, as a Fourier number a·t/L² (L the half-size), at which a point at `depthMm`
    // below the surface has cooled half way from the austenitizing to the bath temperature.
    double halfCoolingFourier(double depthMm) const;
    // The diameter (inches) of the ideally quenched round whose centre cools as the point does.
    double idealDiameter(double depthMm) const;
    // The Jominy distance (mm) that cools as the point does.
    double jominyDistance(double depthMm) const;

private:
    QuenchedSection section_;
    std::vector<CoolingMode> modes_;
};

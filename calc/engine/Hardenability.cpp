#include "Hardenability.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double mmPerInch = 25.4;

// A255's multiplying factor of an element that rises linearly over its range: 1 + slope·%.
double linearFactor(std::string_view element, double percent, double slope, double highest,
                    RangeNotes& notes) {
    return 1.0 + slope * notes.clamp(element, percent, 0, highest, "%", "A255's factors");
}

double manganeseFactor(double mn, RangeNotes& notes) {
    const double percent = notes.clamp("Mn", mn, 0, 1.95, "%", "A255's factors");
    return percent <= 1.20 ? 1.0 + 3.3333 * percent : 5.10 * percent - 1.12;
}

// Boron raises hardenability the less, the more carbon the steel holds; effective boron (held
// in solution, 5 ppm or more) is assumed.
double boronFactor(double boron, double carbon, RangeNotes& notes) {
    constexpr double effectiveBoron = 0.0005; // %
    if (boron < effectiveBoron)
        return 1.0;
    return 1.0 + 1.5 * (0.9 - notes.clamp("C", carbon, 0.1, 0.9, "%", "the boron factor"));
}

} // namespace

double carbonFactor(double carbon, double grainSize, RangeNotes& notes) {
    const double c = notes.clamp("C", carbon, 0.05, 0.90, "%", "A255's carbon factor");
    double factor;
    if (c <= 0.39)
        factor = 0.54 * c;
    else if (c <= 0.55)
        factor = 0.171 + 0.001 * c + 0.265 * c * c;
    else if (c <= 0.65)
        factor = 0.115 + 0.268 * c - 0.038 * c * c;
    else if (c <= 0.75)
        factor = 0.143 + 0.2 * c;
    else
        factor = 0.062 + 0.409 * c - 0.135 * c * c;
    // The factors are for grain size 7; a finer grain lowers the base hardenability by about
    // 9 % per grain-size number (Grossman's base curves, grain sizes 5 to 9).
    const double grain =
        notes.clamp("grain size", grainSize, 5, 9, "", "the grain-size correction");
    return factor * std::pow(0.91, grain - 7);
}

double alloyFactor(const SteelChemistry& steel, RangeNotes& notes) {
    for (const auto& [name, percent] :
         {std::pair{"Al", steel.al}, {"W", steel.w}, {"Co", steel.co}})
        if (percent > 0)
            notes.note(std::string(name) +
                       " has no factor in A255: not counted in the hardenability");
    return manganeseFactor(steel.mn, notes) * linearFactor("Si", steel.si, 0.7, 2.0, notes) *
           linearFactor("Ni", steel.ni, 0.363, 2.0, notes) *
           linearFactor("Cr", steel.cr, 2.16, 1.75, notes) *
           linearFactor("Mo", steel.mo, 3.0, 0.55, notes) *
           linearFactor("Cu", steel.cu, 0.365, 0.55, notes) *
           linearFactor("V", steel.v, 1.73, 0.20, notes) * boronFactor(steel.b, steel.c, notes);
}

double idealCriticalDiameter(const SteelChemistry& steel, RangeNotes& notes) {
    return carbonFactor(steel.c, steel.grainSize, notes) * alloyFactor(steel, notes);
}

double quenchedEndHardness(double carbon, RangeNotes& notes) {
    // A255's fifth-degree fit; it turns down steeply beyond 0.70 % C, where martensite in fact
    // stays at its highest hardness.
    const double c = notes.clamp("C", carbon, 0.10, 0.70, "%", "A255's quenched-end hardness");
    return 35.395 + c * (6.990 + c * (312.330 + c * (-821.744 + c * (1015.479 - 538.346 * c))));
}

double jominyDistanceOfIdealRound(double diameterInches) {
    // Grossman's chart relating the ideal critical diameter to the Jominy position of the same
    // cooling, fitted as J = 2·D + 0.5·D² sixteenths of an inch (D in inches, 0.5-7 in).
    const double sixteenths = 2.0 * diameterInches + 0.5 * diameterInches * diameterInches;
    return sixteenths * mmPerInch / 16.0;
}

double martensiteShare(double jominyMm, double diInches) {
    const double ratio = jominyMm / jominyDistanceOfIdealRound(diInches);
    return 1.0 / (1.0 + ratio * ratio * ratio);
}

double nonMartensiticHardness(const SteelChemistry& steel, RangeNotes& notes) {
    // Bainite, ferrite and pearlite harden with carbon up to about half a per cent and with
    // the elements that strengthen bainite (the signs of Maynier's bainite relation).
    const double hrc = 8.0 + 60.0 * std::min(steel.c, 0.5) + 4.0 * steel.mn + 3.0 * steel.cr +
                       5.0 * steel.mo + 1.0 * steel.ni;
    return std::clamp(hrc, 20.0, quenchedEndHardness(steel.c, notes));
}

double jominyHardness(const SteelChemistry& steel, double jominyMm, RangeNotes& notes) {
    const double share = martensiteShare(jominyMm, idealCriticalDiameter(steel, notes));
    return share * quenchedEndHardness(steel.c, notes) +
           (1.0 - share) * nonMartensiticHardness(steel, notes);
}

double martensiteStart(const SteelChemistry& steel, RangeNotes& notes) {
    // Andrews fitted 0.11-0.6 % C; the straight line is used on up to 1.2 % C, as the Ms
    // measured on carburized cases stays close to it, and no further.
    constexpr std::string_view relation = "Andrews' Ms";
    const double c = notes.clamp("C", steel.c, 0, 1.2, "%", relation);
    const double mn = notes.clamp("Mn", steel.mn, 0, 4.9, "%", relation);
    const double ni = notes.clamp("Ni", steel.ni, 0, 5.0, "%", relation);
    const double cr = notes.clamp("Cr", steel.cr, 0, 5.0, "%", relation);
    const double mo = notes.clamp("Mo", steel.mo, 0, 5.4, "%", relation);
    return 539.0 - 423.0 * c - 30.4 * mn - 17.7 * ni - 12.1 * cr - 7.5 * mo;
}

double retainedAustenite(double msC, double temperatureC) {
    if (temperatureC >= msC)
        return 100.0;
    return 100.0 * std::exp(-0.011 * (msC - temperatureC));
}

double temperingParameter(double temperatureC, double hours) {
    return (temperatureC + 273.15) * (20.0 + std::log10(hours));
}

double temperedHardness(double hv, double parameter) {
    // Linear in the parameter between the onset of softening and the ferrite-carbide end state.
    constexpr double onset = 8500;     // about 150 °C for 1 h: martensite hardly changes
    constexpr double softened = 18000; // about 630 °C for 1 h: ferrite and carbides
    constexpr double softenedHv = 200; // HV
    if (hv <= softenedHv)
        return hv;
    const double share = std::clamp((parameter - onset) / (softened - onset), 0.0, 1.0);
    return hv - share * (hv - softenedHv);
}

#pragma once
// Hardenability of a steel from its chemistry (ASTM A255-10, Standard Test Methods for
// Determining Hardenability of Steel, its calculation from chemical composition), the start of
// the martensite transformation (Andrews 1965), the austenite a quench leaves (Koistinen and
// Marburger 1959) and tempering (Hollomon and Jaffe 1945). docs/hardness-model.md gives every
// relation with its source, range and constants.
//
// Contents in mass-%, diameters in inches where A255 uses them (named so), temperatures in °C,
// hardness in HRC. A relation given a value beyond its range takes the nearest end of the range
// and says so in the notes.

#include "RangeNotes.h"

// The steel's composition at one point of the section: the carbon varies through a case, the
// other elements do not.
struct SteelChemistry {
    double c = 0.2;                                     // %
    double mn = 0, si = 0, ni = 0, cr = 0, mo = 0;      // %
    double cu = 0, v = 0, b = 0, al = 0, w = 0, co = 0; // %
    double grainSize = 7;                               // ASTM grain size number of the austenite
};

// A255's multiplying factor of carbon for the steel's grain size (inches: the ideal critical
// diameter of the iron-carbon base).
double carbonFactor(double carbon, double grainSize, RangeNotes& notes);

// The product of the alloy elements' multiplying factors (Mn, Si, Ni, Cr, Mo, Cu, V, and B when
// it is effective).
double alloyFactor(const SteelChemistry& steel, RangeNotes& notes);

// DI, inches: the diameter of a round whose centre holds 50 % martensite after an ideal quench.
double idealCriticalDiameter(const SteelChemistry& steel, RangeNotes& notes);

// Initial (quenched-end) hardness of the Jominy bar, HRC: the hardness of fully martensitic
// steel of that carbon.
double quenchedEndHardness(double carbon, RangeNotes& notes);

// The Jominy distance (mm) whose cooling equals that of the centre of an ideally quenched round
// of `diameterInches`, and its inverse.
double jominyDistanceOfIdealRound(double diameterInches);

// The share of martensite (with the austenite that stays untransformed) at Jominy distance
// `jominyMm` of a steel whose ideal critical diameter is `diInches`.
double martensiteShare(double jominyMm, double diInches);

// The hardness that the rest of the structure (bainite, ferrite and pearlite) gives, HRC.
double nonMartensiticHardness(const SteelChemistry& steel, RangeNotes& notes);

// The Jominy curve: hardness (HRC) at `jominyMm` from the quenched end.
double jominyHardness(const SteelChemistry& steel, double jominyMm, RangeNotes& notes);

// Ms, °C (Andrews, linear): 539 − 423 C − 30.4 Mn − 17.7 Ni − 12.1 Cr − 7.5 Mo.
double martensiteStart(const SteelChemistry& steel, RangeNotes& notes);

// The retained austenite, % (Koistinen-Marburger): 100·exp(−0.011·(Ms − T)) after cooling to
// `temperatureC`; 100 % when T does not lie below Ms.
double retainedAustenite(double msC, double temperatureC);

// Hollomon-Jaffe tempering parameter T·(20 + log10 t), T in K, t in hours.
double temperingParameter(double temperatureC, double hours);

// Vickers hardness of quenched steel of `hv` after tempering with parameter `parameter`.
double temperedHardness(double hv, double parameter);

#pragma once
// What tavcalc prints of a computed hardness: after a run, the case-hardening depth and, for a
// hardness from the quench, the surface and core hardness, the retained austenite and Ms at the
// surface; `tavcalc --hardenability`, the hardenability of a set's steel.

#include "CaseHardness.h"
#include "Hardenability.h"

#include <cstdio>
#include <string>
#include <vector>

// The lines printed after a run of `path`, the case-hardening depth at `limit` HV.
std::string hardnessReport(const std::string& path, const CaseHardness& hardness, double limit);

// `tavcalc --hardenability SET.tav`: the ideal critical diameter of the steel, its Jominy curve
// and Ms; the steel as SET's process data give it.
std::string hardenabilityReport(const std::string& path, const SteelChemistry& steel);

// The Jominy distances the report gives, mm (those of EN ISO 642's hardness traverse).
inline constexpr double jominyDistances[] = {1.5, 3,  5,  7,  9,  11, 13, 15,
                                             20,  25, 30, 35, 40, 45, 50};

// `words` are those after "--hardenability": one set. Returns the exit status.
int runHardenabilityCommand(const std::vector<std::string>& words);

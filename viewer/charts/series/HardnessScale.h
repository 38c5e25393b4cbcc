#pragma once
// Rockwell C hardness as Vickers hardness, for steel: the conversion table of ASTM E140
// (non-austenitic steels), whole HRC numbers from 20 to 68, linear between them. A drawing
// gives hardness in HRC; the computation and its files give HV.

#include <optional>

inline constexpr double lowestTabulatedHrc = 20;
inline constexpr double highestTabulatedHrc = 68;

// HV for `hrc`; none outside the table, where a conversion would be a guess.
std::optional<double> vickersFromRockwellC(double hrc);

#pragma once
// The saturation limit of austenite (the Acm line): above it the furnace deposits soot and the
// case forms carbides, of which the diffusion law knows nothing. The computation goes on
// regardless; the limit only lets the programs warn.

#include "ProcessData.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// % C that austenite of a steel with `alloy` (%: Cr, Mo, Mn, Si, Ni) dissolves at `celsius`, on
// the scale of the carbon potential.
double saturationCarbon(double celsius, const std::array<double, 5>& alloy);

// One warning per stage row whose potential exceeds the limit at its temperature where a gas
// stage ends or starts, and one per row at which the computed surface carbon (`surfaceAtRows`,
// as a run reports it; may be empty or shorter) exceeds it, unless a boost ends there.
std::vector<std::string> saturationWarnings(const TDane& data,
                                            const std::vector<double>& surfaceAtRows);

// The warning of a run that ends with cementite in its case, down to `deepest` mm; none when
// none remains.
std::optional<std::string> carbideWarning(std::optional<double> deepest);

// Only the warnings of the computed surface: what a run adds to what its programme showed.
std::vector<std::string> surfaceSaturationWarnings(const TDane& data,
                                                   const std::vector<double>& surfaceAtRows);

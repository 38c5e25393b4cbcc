#pragma once
// Searches over one array of a series (x values in the order the file gave them). Indexes are
// int because "none" is -1, as the chart windows expect.

#include "ProcessData.h"

#include <span>

// The largest value; 0 for an empty array.
double largest(std::span<const double> values);
// The index i with x[i] <= at < x[i + 1]; -1 when there is none.
int intervalContaining(std::span<const double> x, double at);
// The first i with x[i] >= at; -1 when there is none.
int firstAtOrBeyond(std::span<const double> x, double at);
// The last i with x[i] <= at; -1 when there is none.
int lastAtOrBefore(std::span<const double> x, double at);

// Maxima of the stage programme of a process-data head (0 when it has no stages).
double largestTime(const TDane& data);        // h (s for a foil)
double largestTemperature(const TDane& data); // °C
double largestPotential(const TDane& data);   // % C

#pragma once
// What the surface of a sample was offered over its stage programme, as the potential chart
// shows it: the carbon potential of the atmosphere over gas stages, the saturation limit of
// austenite over boosts (which hold the surface there, or feed it up to there), and nothing over
// neutral stages, through whose surface no carbon passes. A programme of gas stages alone is
// one stretch of the potential through every row, as it has always been drawn.

#include "ProcessData.h"

#include <vector>

// Stages next to each other that offer the same thing, drawn as one unbroken line; a neutral
// stage or a change of what is offered breaks the line.
struct OfferedStretch {
    Offer offer = Offer::Potential;
    std::vector<double> times;  // h (s for a foil), growing
    std::vector<double> values; // % C
};

// The stretches in time order. A row without a condition (an older record) is a gas row.
std::vector<OfferedStretch> surfaceOffer(const TDane& data);

// The offer as the chart's data: the points of every stretch on one time line, in time order,
// with a lineBreak point between stretches that do not meet (a neutral stage lies between).
// Each point has the value offered there, and the same value in the column of its offer, where
// the other column holds lineBreak: the chart draws the two as lines of their own, and a table
// of them lines up row by row.
struct OfferTable {
    std::vector<double> times;      // h (s for a foil)
    std::vector<double> offered;    // % C
    std::vector<double> potential;  // % C, over gas stages
    std::vector<double> saturation; // % C, over boosts
};

OfferTable offerTable(const TDane& data);

// Whether any stage's surface is not a gas's: the chart then says in its legend what each line
// (and each gap) stands for.
bool offersMoreThanGas(const TDane& data);

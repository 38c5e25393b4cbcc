#pragma once
// The furnace at the current instant of a run, as the solver's next step sees it. The run
// controller owns it and moves it along the programme; the solver reads it and proposes the
// time step.

#include "ProcessData.h"

struct Furnace {
    double temperatureK = 0;    // K
    double potentialC = 0;      // % C, carbon potential of the atmosphere
    double timeStep = 0;        // s, proposed by oblKr, shortened by the controller at stage ends
    StageCondition condition{}; // of the stage under way
    double saturationC = 0; // % C, the surface a boost holds: its ceiling or the saturation limit
    double solubilityC = 0; // % C, the saturation limit of austenite now (every stage)
};

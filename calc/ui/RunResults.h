#pragma once
// What the progress dialog shows of a finished run: the figures an engineer checks a case by.

#include "Computation.h"
#include "KindTraits.h"

#include <QString>

// One line per result: the case-hardening depth (where the steel's hardness is known), the case
// depth at 0.35 % C (thick kinds) or the mean carbon increase (foils, wires), the surface carbon,
// the mass gain, with carbides the deepest cementite at each stage end, and the programme's
// total time `totalTime` (in the kind's time unit).
QString runResultsText(const RunOutcome& outcome, SampleShape shape, double totalTime);

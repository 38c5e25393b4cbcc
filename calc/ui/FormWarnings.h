#pragma once
// Values the computation serves but a carburizing furnace seldom sees: most often a slip of the
// keyboard (a transfer coefficient without its "e-5"). The form warns of them before a run, and
// the user may go on.

#include "ProcessForm.h"

#include <QStringList>

// The usual ranges: a gas atmosphere's transfer coefficient (cm/s; the warning writes its range
// as 1e-6…1e-3), a carburizing temperature (°C), and the longest programme (h).
inline constexpr double lowestUsualTransfer = 1e-6;
inline constexpr double highestUsualTransfer = 1e-3;
inline constexpr double lowestUsualTemperature = 780;
inline constexpr double highestUsualTemperature = 1100;
inline constexpr double longestUsualProgramme = 100;

// One line per unusual value of the form's process for `shape`: the transfer coefficient, each
// row's temperature, the programme's length; none when every value is usual.
QStringList unusualValueWarnings(const ProcessForm& form, SampleShape shape);

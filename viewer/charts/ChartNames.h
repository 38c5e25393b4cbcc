#pragma once
// The texts of the chart-kind table (ChartKinds.h) as the windows show them.

#include "ChartKinds.h"

#include <QString>

// The name the kind's window has after the set's: "T", ..., "Średnia".
QString chartTitle(ChartKind kind);
// A name of the kind fit for a file name: "T", "Pot", "C", "G", "Pow", "HV", "Masa", "Srednia".
QString chartFileStem(ChartKind kind);
// What the kind's chart shows, as its Y axis says.
QString chartYCaption(ChartKind kind);

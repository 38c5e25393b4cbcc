#pragma once
// The texts of the chart-kind table (ChartKinds.h) as the windows show them.

#include "ChartKinds.h"

#include <QString>

// The name the kind's window has after the set's: "T", ..., "Średnia", translated.
QString chartTitle(ChartKind kind);
// The quantity the kind's chart draws, "Temperatura", ..., "Masa przyrostu", translated.
QString chartQuantity(ChartKind kind);
// A name of the kind fit for a file name: "T", "Pot", "C", "G", "Pow", "HV", "Masa", "Srednia".
QString chartFileStem(ChartKind kind);
// What the kind's chart shows, as its Y axis says.
QString chartYCaption(ChartKind kind);

// A caption as a chart draws it, in the language of the windows. Captions are kept as the result
// files and the windows give them, which the CSV export writes; one that begins with a phrase of
// the captions' table is drawn with that phrase translated and the rest (a level) as it is, but
// for the mass file's caption, drawn as its phrase alone.
QString shownCaption(const QString& caption);

// A line's legend as a chart draws it, in the language of the windows. Legends are kept as the
// code gives them, which the CSV export writes as its column titles; those of the charts' own
// table (the potential chart's "potencjał węglowy", "granica nasycenia", "przerwa: etap
// obojętny") are drawn translated, profile times in one format ("3.00 h"), case-depth levels
// without their file's "g -" ("0.40 % C"), set names as they are.
QString shownLegend(const QString& legend);

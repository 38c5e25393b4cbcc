#pragma once
// Result sets compared without a display: every chart of the quantities the sets share drawn to
// a PNG file with its lines' points as CSV, and a summary of the sets' final results.

#include "Comparison.h"

#include <QString>
#include <QStringList>

class QTextStream;

// The summary as comma-separated text (CR LF), one row per set after a header row.
QString summaryCsv(std::span<const LoadedSet* const> sets);

// Writes DIR/compare-<chart>.png and .csv for each shared quantity (each depth level) and
// DIR/summary.csv. Returns 0 when every file of every set was read and everything written, 1
// when some were not, 2 when the sets cannot be compared or the folder cannot be made.
int compareSets(const QString& folder, const QStringList& setNames, QTextStream& errors);

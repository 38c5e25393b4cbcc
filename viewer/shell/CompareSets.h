#pragma once
// Result sets compared without a display: every chart of the quantities the sets share drawn to
// a PNG file with its lines' points as CSV, and a summary of the sets' final results.

#include "Comparison.h"

#include <QString>
#include <QStringList>

class QTextStream;

#include <vector>

enum class SummaryNumbers {
    Exact, // every digit, for other programs; a field with no value is empty
    Shown, // as a person reads them: fixed decimals per column, "–" for no value, the titles
           // and shapes in the language of the windows
};

// The summary as a table: a header row, then one row per set.
std::vector<QStringList> summaryTable(std::span<const LoadedSet* const> sets,
                                      SummaryNumbers numbers = SummaryNumbers::Exact);

// A table as comma-separated text (CR LF), its fields quoted as chart CSV quotes them.
QString csvTable(const std::vector<QStringList>& rows);

// The summary as comma-separated text, one row per set after a header row.
QString summaryCsv(std::span<const LoadedSet* const> sets);

// Writes DIR/compare-<chart>.png and .csv for each shared quantity (each depth level) and
// DIR/summary.csv. Returns 0 when every file of every set was read and everything written, 1
// when some were not, 2 when the sets cannot be compared or the folder cannot be made.
int compareSets(const QString& folder, const QStringList& setNames, QTextStream& errors);

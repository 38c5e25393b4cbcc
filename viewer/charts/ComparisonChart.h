#pragma once
// A chart of one quantity of several result sets, one line per set, each set named by its file
// name and drawn in its own colour.

#include "ChartDescription.h"
#include "Comparison.h"

#include <QColor>
#include <QString>

#include <span>
#include <vector>

struct ComparedSet {
    const LoadedSet* set;
    QColor colour;
    bool hidden = false;
};

// The colour of the set at `index` of a comparison: distinct for the first eight sets.
QColor comparisonColour(int index);

// What the chart is called, as in a file name: "T", "Pot", "Pow", "Masa", "G40", "C", ...
QString comparisonStem(ChartKind quantity, int depthLevel);

// A comparison's chart and, for each of its lines, the index in the compared sets of the line's
// set.
struct ComparisonChart {
    ChartDescription description;
    std::vector<std::size_t> setOfLine;
};

// The lines of the sets that have the quantity, on the axes a set's own window of the quantity
// opens with, widened as there to hold every line. Every point goes in, so the CSV holds the
// whole of each line; the lines of hidden sets are described but not drawn.
ComparisonChart describeComparison(std::span<const ComparedSet> sets, ChartKind quantity,
                                   int depthLevel);

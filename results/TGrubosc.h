#pragma once
// Case depths over time, read from a "gru" file: the times and one depth series per carbon
// level (0.40, 0.35 and 0.30 % C in the files the computation writes).
//
// Invariant: every series is as long as the times.

#include "TDblsArr.h"

#include <span>
#include <vector>

class TGrubosc {
public:
    TGrubosc() = default;
    explicit TGrubosc(int seriesCount);

    // One row: a time and one depth per series (missing depths count as 0, extra ones are
    // ignored, so the series stay as long as the times).
    void appendRow(double time, std::span<const double> depths);

    int seriesCount() const;
    int timeCount() const;
    std::span<const double> times() const { return times_.values(); }
    double time(int i) const;              // h; 0 beyond the times
    double depth(int series, int i) const; // mm; 0 beyond the data
    double largestTime() const;
    double largestDepth() const; // over all series; 0 when there are none

private:
    TDblsArr times_;
    std::vector<TDblsArr> depths_;
};

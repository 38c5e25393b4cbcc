#pragma once
// Single-line series over time: surface carbon ("pow", `T_XY`) and mass gain or mean carbon
// ("mas", "sre", `T_New_XY`). Both hold x and y arrays of equal length.

#include "TDblsArr.h"

class XYSeries {
public:
    void append(double x, double y) {
        x_.append(x);
        y_.append(y);
    }

    int size() const;
    std::span<const double> x() const { return x_.values(); }
    std::span<const double> y() const { return y_.values(); }

    double largestX() const; // 0 when empty
    double largestY() const; // 0 when empty
    // The index i with x[i] <= at < x[i + 1]; -1 when there is none.
    int intervalContaining(double at) const;
    // The first i with x[i] >= at; -1 when there is none.
    int firstAtOrBeyond(double at) const;

private:
    TDblsArr x_;
    TDblsArr y_;
};

class T_XY : public XYSeries {};

class T_New_XY : public XYSeries {};

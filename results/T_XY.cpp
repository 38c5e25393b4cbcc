#include "T_XY.h"

#include "SeriesQueries.h"

int XYSeries::size() const {
    return static_cast<int>(x_.size());
}

double XYSeries::largestX() const {
    return largest(x_.values());
}

double XYSeries::largestY() const {
    return largest(y_.values());
}

int XYSeries::intervalContaining(double at) const {
    return ::intervalContaining(x_.values(), at);
}

int XYSeries::firstAtOrBeyond(double at) const {
    return ::firstAtOrBeyond(x_.values(), at);
}

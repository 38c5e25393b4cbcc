#include "SeriesQueries.h"

#include <algorithm>

double largest(std::span<const double> values) {
    if (values.empty())
        return 0;
    return *std::max_element(values.begin(), values.end());
}

// The arrays are scanned rather than bisected: a damaged file need not hold its times in order,
// and a scan still gives an answer inside the data.
int intervalContaining(std::span<const double> x, double at) {
    for (std::size_t i = 0; i + 1 < x.size(); ++i)
        if (x[i] <= at && at < x[i + 1])
            return static_cast<int>(i);
    return -1;
}

int firstAtOrBeyond(std::span<const double> x, double at) {
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i] >= at)
            return static_cast<int>(i);
    return -1;
}

int lastAtOrBefore(std::span<const double> x, double at) {
    for (std::size_t i = x.size(); i > 0; --i)
        if (x[i - 1] <= at)
            return static_cast<int>(i - 1);
    return -1;
}

double largestTime(const TDane& data) {
    return largest(data.times);
}

double largestTemperature(const TDane& data) {
    return largest(data.temperatures);
}

double largestPotential(const TDane& data) {
    return largest(data.potentials);
}

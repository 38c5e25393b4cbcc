#include "TWyniki.h"

#include "SeriesQueries.h"

#include <algorithm>

void TWyniki::addProfile(double time, const TDblsArr& distances, const TDblsArr& values) {
    times_.append(time);
    series_.push_back(values);
    if (!distances.empty())
        grid_ = distances;
}

int TWyniki::profileCount() const {
    return static_cast<int>(series_.size());
}

double TWyniki::profileTime(int profile) const {
    if (profile < 0 || static_cast<std::size_t>(profile) >= times_.size())
        return 0;
    return times_[static_cast<std::size_t>(profile)];
}

int TWyniki::gridSize() const {
    return static_cast<int>(grid_.size());
}

double TWyniki::gridValue(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= grid_.size())
        return 0;
    return grid_[static_cast<std::size_t>(i)];
}

double TWyniki::valueAt(int profile, int node) const {
    if (profile < 0 || static_cast<std::size_t>(profile) >= series_.size())
        return 0;
    const TDblsArr& series = series_[static_cast<std::size_t>(profile)];
    if (series.empty() || node < 0)
        return 0;
    const auto i = static_cast<std::size_t>(node);
    return i < series.size() ? series[i] : series.back();
}

std::span<const double> TWyniki::profile(int profile) const {
    if (profile < 0 || static_cast<std::size_t>(profile) >= series_.size())
        return {};
    return series_[static_cast<std::size_t>(profile)].values();
}

double TWyniki::largestValue() const {
    std::optional<double> result;
    for (const TDblsArr& series : series_)
        if (!series.empty())
            result = std::max(result.value_or(series[0]), largest(series.values()));
    return result.value_or(0);
}

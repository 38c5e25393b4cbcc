#include "TGrubosc.h"

#include "SeriesQueries.h"

#include <algorithm>

TGrubosc::TGrubosc(int seriesCount) : depths_(static_cast<std::size_t>(std::max(seriesCount, 0))) {}

void TGrubosc::appendRow(double time, std::span<const double> depths) {
    times_.append(time);
    for (std::size_t k = 0; k < depths_.size(); ++k)
        depths_[k].append(k < depths.size() ? depths[k] : 0);
}

int TGrubosc::seriesCount() const {
    return static_cast<int>(depths_.size());
}

int TGrubosc::timeCount() const {
    return static_cast<int>(times_.size());
}

double TGrubosc::time(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= times_.size())
        return 0;
    return times_[static_cast<std::size_t>(i)];
}

double TGrubosc::depth(int series, int i) const {
    if (series < 0 || static_cast<std::size_t>(series) >= depths_.size())
        return 0;
    const TDblsArr& depths = depths_[static_cast<std::size_t>(series)];
    if (i < 0 || static_cast<std::size_t>(i) >= depths.size())
        return 0;
    return depths[static_cast<std::size_t>(i)];
}

double TGrubosc::largestTime() const {
    return largest(times_.values());
}

double TGrubosc::largestDepth() const {
    if (times_.empty() || depths_.empty())
        return 0;
    double result = largest(depths_.front().values());
    for (const TDblsArr& depths : depths_)
        result = std::max(result, largest(depths.values()));
    return result;
}

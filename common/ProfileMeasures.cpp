#include "ProfileMeasures.h"

#include <algorithm>
#include <cmath>
#include <iterator>

std::optional<double> profileValueAt(const std::vector<double>& x, const std::vector<double>& y,
                                     double depth) {
    if (x.empty() || depth < x.front() || depth > x.back())
        return std::nullopt;
    const auto upper = std::lower_bound(x.begin(), x.end(), depth);
    const auto i = static_cast<std::size_t>(std::distance(x.begin(), upper));
    if (x[i] == depth)
        return y[i];
    const double weight = (depth - x[i - 1]) / (x[i] - x[i - 1]);
    return y[i - 1] + weight * (y[i] - y[i - 1]);
}

ProfileMisfit profileMisfit(const MeasuredProfile& measured, const std::vector<double>& x,
                            const std::vector<double>& y) {
    ProfileMisfit misfit;
    double sumOfSquares = 0;
    for (std::size_t i = 0; i < measured.depth.size(); ++i) {
        const std::optional<double> computed = profileValueAt(x, y, measured.depth[i]);
        if (!computed) {
            ++misfit.beyond;
            continue;
        }
        const double difference = measured.value[i] - *computed;
        sumOfSquares += difference * difference;
        ++misfit.compared;
    }
    if (misfit.compared > 0)
        misfit.rms = std::sqrt(sumOfSquares / static_cast<double>(misfit.compared));
    return misfit;
}

std::optional<double> hardnessCaseDepth(const std::vector<double>& x, const std::vector<double>& hv,
                                        double limit) {
    for (std::size_t i = 0; i + 1 < x.size(); ++i) {
        if (hv[i] >= limit && hv[i + 1] < limit) {
            const double fraction = (hv[i] - limit) / (hv[i] - hv[i + 1]);
            return x[i] + fraction * (x[i + 1] - x[i]);
        }
    }
    return std::nullopt;
}

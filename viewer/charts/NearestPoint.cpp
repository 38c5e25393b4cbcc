#include "NearestPoint.h"

#include <algorithm>
#include <cmath>

namespace {

struct Search {
    QPointF at;
    double xScale;
    double yScale;
    NearestPoint best;

    void consider(const QList<QPointF>& points, qsizetype i) {
        const double distance =
            std::hypot((points[i].x() - at.x()) * xScale, (points[i].y() - at.y()) * yScale);
        if (distance < best.distance)
            best = {i, distance};
    }
    // No point farther along x than the best distance can be nearer.
    bool beyondReach(const QPointF& point) const {
        return std::abs(point.x() - at.x()) * xScale > best.distance;
    }
};

} // namespace

NearestPoint nearestPoint(const QList<QPointF>& points, bool ascending, QPointF at,
                          double xPixelsPerUnit, double yPixelsPerUnit) {
    Search search{at, std::abs(xPixelsPerUnit), std::abs(yPixelsPerUnit), {}};
    if (!ascending) {
        for (qsizetype i = 0; i < points.size(); ++i)
            search.consider(points, i);
        return search.best;
    }
    const auto split =
        std::lower_bound(points.begin(), points.end(), at.x(),
                         [](const QPointF& point, double x) { return point.x() < x; });
    const qsizetype first = split - points.begin();
    for (qsizetype i = first; i < points.size() && !search.beyondReach(points[i]); ++i)
        search.consider(points, i);
    for (qsizetype i = first - 1; i >= 0 && !search.beyondReach(points[i]); --i)
        search.consider(points, i);
    return search.best;
}

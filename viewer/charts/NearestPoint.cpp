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

// The value the segment from `a` to `b` reads at the x of `at`.
QPointF readingOn(QPointF a, QPointF b, QPointF at) {
    if (a.x() == b.x())
        return std::abs(a.y() - at.y()) < std::abs(b.y() - at.y()) ? a : b;
    const double x = std::clamp(at.x(), std::min(a.x(), b.x()), std::max(a.x(), b.x()));
    // An end reads its own value, unrounded.
    if (x == a.x())
        return a;
    if (x == b.x())
        return b;
    return {x, a.y() + (x - a.x()) * (b.y() - a.y()) / (b.x() - a.x())};
}

struct SegmentSearch {
    QPointF at;
    double xScale;
    double yScale;
    NearestSegment best;

    // The segment from point i to point i + 1.
    void consider(const QList<QPointF>& points, qsizetype i) {
        const QPointF a = points[i];
        const QPointF b = points[i + 1];
        // A break has no x nor y: no segment leads to it or from it.
        if (std::isnan(a.x()) || std::isnan(a.y()) || std::isnan(b.x()) || std::isnan(b.y()))
            return;
        // In pixels, from `at`.
        const double ax = (a.x() - at.x()) * xScale;
        const double ay = (a.y() - at.y()) * yScale;
        const double dx = (b.x() - a.x()) * xScale;
        const double dy = (b.y() - a.y()) * yScale;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(-(ax * dx + ay * dy) / length2, 0.0, 1.0) : 0;
        const double distance = std::hypot(ax + t * dx, ay + t * dy);
        if (distance < best.distance)
            best = {i, distance, readingOn(a, b, at)};
    }
    // No segment whose nearest x lies farther along x than the best distance can be nearer.
    bool beyondReach(double x) const { return std::abs(x - at.x()) * xScale > best.distance; }
};

qsizetype firstAtOrBeyond(const QList<QPointF>& points, double x) {
    return std::lower_bound(points.begin(), points.end(), x,
                            [](const QPointF& point, double value) { return point.x() < value; }) -
           points.begin();
}

} // namespace

NearestPoint nearestPoint(const QList<QPointF>& points, bool ascending, QPointF at,
                          double xPixelsPerUnit, double yPixelsPerUnit) {
    Search search{at, std::abs(xPixelsPerUnit), std::abs(yPixelsPerUnit), {}};
    if (!ascending) {
        for (qsizetype i = 0; i < points.size(); ++i)
            search.consider(points, i);
        return search.best;
    }
    const qsizetype first = firstAtOrBeyond(points, at.x());
    for (qsizetype i = first; i < points.size() && !search.beyondReach(points[i]); ++i)
        search.consider(points, i);
    for (qsizetype i = first - 1; i >= 0 && !search.beyondReach(points[i]); --i)
        search.consider(points, i);
    return search.best;
}

NearestSegment nearestSegment(const QList<QPointF>& points, bool ascending, QPointF at,
                              double xPixelsPerUnit, double yPixelsPerUnit) {
    SegmentSearch search{at, std::abs(xPixelsPerUnit), std::abs(yPixelsPerUnit), {}};
    const qsizetype segments = points.size() - 1;
    if (!ascending) {
        for (qsizetype i = 0; i < segments; ++i)
            search.consider(points, i);
        return search.best;
    }
    // The segment ending at the first point at or beyond `at` spans its x; those after it begin
    // ever farther to the right, those before it end ever farther to the left.
    const qsizetype first = firstAtOrBeyond(points, at.x());
    for (qsizetype i = std::max<qsizetype>(first - 1, 0);
         i < segments && !(i >= first && search.beyondReach(points[i].x())); ++i)
        search.consider(points, i);
    for (qsizetype i = std::min(first - 2, segments - 1);
         i >= 0 && !search.beyondReach(points[i + 1].x()); --i)
        search.consider(points, i);
    return search.best;
}

#include "ChartReadOut.h"

#include "ChartNames.h"
#include "NearestPoint.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// What follows the last ", " of a caption as a chart draws it: "     Carburizing time, h" gives
// "h", "Mass gain, g/m²" gives "g/m²". A bare "%" is carbon's, as every such caption of a result
// file has it.
QString captionUnit(const QString& shownCaption) {
    const qsizetype comma = shownCaption.lastIndexOf(u", "_s);
    if (comma < 0)
        return QString();
    const QString unit = shownCaption.mid(comma + 2).trimmed();
    return unit == u"%" ? u"% C"_s : unit;
}

// The decimals a read-out gives a value of the unit: what a heat-treatment engineer reads off such
// a chart (minutes of a programme, micrometres of a case, a thousandth of a percent of carbon).
std::optional<int> unitDecimals(const QString& unit) {
    static const QHash<QString, int> decimals{{u"h"_s, 2},   {u"s"_s, 0},   {u"mm"_s, 3},
                                              {u"% C"_s, 3}, {u"°C"_s, 0},  {u"C"_s, 0},
                                              {u"HV"_s, 0},  {u"g/m²"_s, 2}};
    const auto found = decimals.constFind(unit);
    return found == decimals.constEnd() ? std::nullopt : std::optional(*found);
}

// What a line is called in the read-out: its legend, else the quantity of the Y caption.
QString lineName(const ChartDescription& description, qsizetype line) {
    if (line < description.legends.size() && !description.legends[line].isEmpty())
        return shownLegend(description.legends[line]);
    return shownCaption(description.yCaption).section(u',', 0, 0).trimmed();
}

QString valueText(double value, const QString& unit) {
    const std::optional<int> decimals = unitDecimals(unit);
    const QString number =
        decimals ? QString::number(value, 'f', *decimals) : QString::number(value, 'g', 6);
    return unit.isEmpty() ? number : number + u' ' + unit;
}

// Whether x never falls along the points. A break (NaN) orders with nothing: a broken line is
// searched point by point.
bool ascendingX(const QList<QPointF>& points) {
    return std::ranges::none_of(points, [](QPointF point) { return std::isnan(point.x()); }) &&
           std::is_sorted(points.begin(), points.end(),
                          [](QPointF a, QPointF b) { return a.x() < b.x(); });
}

double xScale(const ReadOutView& view) {
    return view.plot.width() / (view.x.end() - view.x.start);
}

double yScale(const ReadOutView& view) {
    return view.plot.height() / (view.y.end() - view.y.start);
}

// Whether `p` lies inside the axes, or within `pixels` of them.
bool within(const ReadOutView& view, QPointF p, double pixels) {
    const auto inside = [](const ChartAxis& axis, double v, double margin) {
        return v >= std::min(axis.start, axis.end()) - margin &&
               v <= std::max(axis.start, axis.end()) + margin;
    };
    return inside(view.x, p.x(), pixels / std::abs(xScale(view))) &&
           inside(view.y, p.y(), pixels / std::abs(yScale(view)));
}

} // namespace

void ChartReadOut::prepare(const ChartDescription& description) {
    ascending_.clear();
    for (const QList<QPointF>& line : description.lines)
        ascending_.append(ascendingX(line));
    measuredAscending_.clear();
    for (const MeasuredPoints& measured : description.measurements)
        measuredAscending_.append(ascendingX(measured.points));
}

ChartReadOut::Hit ChartReadOut::nearestLine(const ChartDescription& description,
                                            const ReadOutView& view, QPointF value) const {
    // Between points a line is read at the mouse's x to the decimal a pixel resolves, not to
    // digits the mouse cannot choose: 1.98 h rather than 1.98099 h.
    const double resolution = std::pow(10.0, std::floor(std::log10(1 / xScale(view))));
    const QPointF onLine(std::round(value.x() / resolution) * resolution, value.y());
    Hit hit{-1, -1, {}, std::numeric_limits<double>::max()};
    for (qsizetype line = 0; line < description.lines.size(); ++line) {
        if (description.hiddenLines.contains(static_cast<int>(line)))
            continue;
        const QList<QPointF>& points = description.lines[line];
        const bool ascending = line < ascending_.size() && ascending_[line];
        const NearestPoint point =
            nearestPoint(points, ascending, value, xScale(view), yScale(view));
        const NearestSegment segment =
            nearestSegment(points, ascending, onLine, xScale(view), yScale(view));
        const double distance = std::min(point.distance, segment.distance);
        if (distance < hit.distance)
            hit = {line, -1, point.distance <= reach ? points[point.index] : segment.reading,
                   distance};
    }
    return hit;
}

// Measured markers are drawn unjoined: only their points are read.
void ChartReadOut::nearestMeasured(const ChartDescription& description, const ReadOutView& view,
                                   QPointF value, Hit& hit) const {
    for (qsizetype measured = 0; measured < description.measurements.size(); ++measured) {
        const QList<QPointF>& points = description.measurements[measured].points;
        const bool ascending = measured < measuredAscending_.size() && measuredAscending_[measured];
        const NearestPoint point =
            nearestPoint(points, ascending, value, xScale(view), yScale(view));
        if (point.distance < hit.distance)
            hit = {-1, measured, points[point.index], point.distance};
    }
}

QString ChartReadOut::textAt(const ChartDescription& description, const ReadOutView& view,
                             QPointF value) const {
    // Only what is drawn is read: the mouse over the plot (or within reach of its edge, where
    // points on the axes are drawn), not over the legend or beyond, where a zoomed chart's lines
    // run on undrawn; and what is read lies inside the axes, to the pixel.
    if (view.plot.isEmpty() || !within(view, value, reach))
        return QString();
    Hit hit = nearestLine(description, view, value);
    nearestMeasured(description, view, value, hit);
    if (hit.distance > reach || !within(view, hit.reading, 1))
        return QString();
    QString name;
    if (hit.measured >= 0) {
        const MeasuredPoints& measured = description.measurements[hit.measured];
        name = measured.name.isEmpty() ? measured.legend : measured.name;
    } else {
        name = lineName(description, hit.line);
    }
    return name + u'\n' + u"x = "_s +
           valueText(hit.reading.x(), captionUnit(shownCaption(description.xCaption))) + u'\n' +
           u"y = "_s + valueText(hit.reading.y(), captionUnit(shownCaption(description.yCaption)));
}

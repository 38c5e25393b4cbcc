#include "LineChart.h"

#include "ChartNames.h"
#include "ChartRender.h"
#include "NearestPoint.h"

#include <QChart>
#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QToolTip>

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

// A read-out farther from every line than this is no read-out.
constexpr double readOutReach = 20; // px
// A drag shorter than this either way is a click, not a rectangle to zoom into.
constexpr int leastDrag = 4; // px

} // namespace

LineChart::LineChart(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    // The read-out follows the mouse without a button held. The viewport receives the mouse,
    // not the view: without tracking of its own it never hears of a move with no button down.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void LineChart::setDescription(ChartDescription description) {
    description_ = std::move(description);
}

void LineChart::setLineVisible(int line, bool visible) {
    if (visible)
        description_.hiddenLines.remove(line);
    else
        description_.hiddenLines.insert(line);
}

bool LineChart::isLineVisible(int line) const {
    return !description_.hiddenLines.contains(line);
}

void LineChart::draw() {
    ascending_.clear();
    for (const QList<QPointF>& line : description_.lines)
        ascending_.append(ascendingX(line));
    measuredAscending_.clear();
    for (const MeasuredPoints& measured : description_.measurements)
        measuredAscending_.append(ascendingX(measured.points));
    rebuild();
}

void LineChart::rebuild() {
    QChart* old = chart();
    setChart(buildChart(shownDescription(), size()).release());
    delete old;
    connectLegend();
}

void LineChart::connectLegend() {
    for (QAbstractSeries* series : chart()->series()) {
        // Levels and measurements do not hide.
        if (describedLine(*series) < 0)
            continue;
        for (QLegendMarker* marker : chart()->legend()->markers(series))
            // Queued: the rebuild deletes the marker, which is still handling the mouse press.
            connect(
                marker, &QLegendMarker::clicked, this,
                [this, index = describedLine(*series)] {
                    const bool visible = !isLineVisible(index);
                    setLineVisible(index, visible);
                    rebuild();
                    emit lineToggled(index, visible);
                },
                Qt::QueuedConnection);
    }
}

ChartAxis LineChart::shownXAxis() const {
    return zoom_ ? zoom_->x : description_.xAxis;
}

ChartAxis LineChart::shownYAxis() const {
    return zoom_ ? zoom_->y : description_.yAxis;
}

QPointF LineChart::valueAt(QPoint at) const {
    const QRectF plot = chart()->plotArea();
    const QPointF inChart = chart()->mapFromScene(mapToScene(at));
    const ChartAxis x = drawableAxis(shownXAxis());
    const ChartAxis y = drawableAxis(shownYAxis());
    return {x.start + (inChart.x() - plot.left()) / plot.width() * (x.end() - x.start),
            y.start + (plot.bottom() - inChart.y()) / plot.height() * (y.end() - y.start)};
}

void LineChart::zoomTo(QPoint from, QPoint to) {
    const QPointF a = valueAt(from);
    const QPointF b = valueAt(to);
    if (a.x() == b.x() || a.y() == b.y())
        return;
    // Round values, as an axis of the window's own has: the rectangle as a person reads it.
    Zoom zoom{roundAxis(std::min(a.x(), b.x()), std::max(a.x(), b.x()),
                        drawableAxis(shownXAxis()).divisions),
              roundAxis(std::min(a.y(), b.y()), std::max(a.y(), b.y()),
                        drawableAxis(shownYAxis()).divisions)};
    if (!(zoom.x.step > 0) || !(zoom.y.step > 0))
        return;
    zoom_ = zoom;
    rebuild();
}

void LineChart::forgetZoom() {
    zoom_.reset();
}

void LineChart::resetZoom() {
    if (!zoom_)
        return;
    zoom_.reset();
    rebuild();
}

QString LineChart::readOutAt(QPoint at) const {
    const QRectF plot = chart()->plotArea();
    if (plot.isEmpty())
        return QString();
    const ChartAxis x = drawableAxis(shownXAxis());
    const ChartAxis y = drawableAxis(shownYAxis());
    const double xScale = plot.width() / (x.end() - x.start);
    const double yScale = plot.height() / (y.end() - y.start);
    const QPointF value = valueAt(at);
    // Only what is drawn is read: the mouse over the plot (or within reach of its edge, where
    // points on the axes are drawn), not over the legend or beyond, where a zoomed chart's lines
    // run on undrawn; and what is read lies inside the axes, to the pixel.
    const auto within = [&](QPointF p, double pixels) {
        const auto inside = [](const ChartAxis& axis, double v, double margin) {
            return v >= std::min(axis.start, axis.end()) - margin &&
                   v <= std::max(axis.start, axis.end()) + margin;
        };
        return inside(x, p.x(), pixels / xScale) && inside(y, p.y(), pixels / yScale);
    };
    if (!within(value, readOutReach))
        return QString();
    // Between points a line is read at the mouse's x to the decimal a pixel resolves, not to
    // digits the mouse cannot choose: 1.98 h rather than 1.98099 h.
    const double resolution = std::pow(10.0, std::floor(std::log10(1 / xScale)));
    const QPointF onLine(std::round(value.x() / resolution) * resolution, value.y());
    // The line drawn nearest to the mouse is read: at its point, where one lies within reach,
    // else on its segment at the mouse's x.
    double nearest = std::numeric_limits<double>::max();
    qsizetype bestLine = -1;
    qsizetype bestMeasured = -1;
    QPointF reading;
    for (qsizetype line = 0; line < description_.lines.size(); ++line) {
        if (!isLineVisible(static_cast<int>(line)))
            continue;
        const QList<QPointF>& points = description_.lines[line];
        const bool ascending = line < ascending_.size() && ascending_[line];
        const NearestPoint point = nearestPoint(points, ascending, value, xScale, yScale);
        const NearestSegment segment = nearestSegment(points, ascending, onLine, xScale, yScale);
        const double distance = std::min(point.distance, segment.distance);
        if (distance < nearest) {
            nearest = distance;
            bestLine = line;
            reading = point.distance <= readOutReach ? points[point.index] : segment.reading;
        }
    }
    // Measured markers are drawn unjoined: only their points are read.
    for (qsizetype measured = 0; measured < description_.measurements.size(); ++measured) {
        const QList<QPointF>& points = description_.measurements[measured].points;
        const bool ascending = measured < measuredAscending_.size() && measuredAscending_[measured];
        const NearestPoint point = nearestPoint(points, ascending, value, xScale, yScale);
        if (point.distance < nearest) {
            nearest = point.distance;
            bestMeasured = measured;
            reading = points[point.index];
        }
    }
    if (nearest > readOutReach || !within(reading, 1))
        return QString();
    QString name;
    if (bestMeasured >= 0) {
        const MeasuredPoints& measured = description_.measurements[bestMeasured];
        name = measured.name.isEmpty() ? measured.legend : measured.name;
    } else {
        name = lineName(description_, bestLine);
    }
    return name + u'\n' + u"x = "_s +
           valueText(reading.x(), captionUnit(shownCaption(description_.xCaption))) + u'\n' +
           u"y = "_s + valueText(reading.y(), captionUnit(shownCaption(description_.yCaption)));
}

bool LineChart::onLegend(QPoint at) const {
    const QGraphicsItem* item = itemAt(at);
    return item && chart() && chart()->legend()->isVisible() &&
           (item == chart()->legend() || chart()->legend()->isAncestorOf(item));
}

void LineChart::mousePressEvent(QMouseEvent* event) {
    // A press on the legend belongs to its marker, which hides or shows the line on release.
    if (event->button() != Qt::LeftButton || onLegend(event->position().toPoint())) {
        QChartView::mousePressEvent(event);
        return;
    }
    dragStart_ = event->position().toPoint();
    if (!rubberBand_)
        rubberBand_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    rubberBand_->setGeometry(QRect(dragStart_, QSize()));
    rubberBand_->show();
}

void LineChart::showReadOut(QPoint at, QPoint global) {
    const QString text = readOutAt(at);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(global, text, this);
}

bool LineChart::viewportEvent(QEvent* event) {
    // The window system asks for a tooltip when the mouse rests in an active window; the scene,
    // whose items have none, would answer by hiding the read-out.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!rubberBand_ || !rubberBand_->isVisible())
            showReadOut(help->pos(), help->globalPos());
        return true;
    }
    return QChartView::viewportEvent(event);
}

void LineChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (rubberBand_ && rubberBand_->isVisible()) {
        rubberBand_->setGeometry(QRect(dragStart_, at).normalized());
        return;
    }
    showReadOut(at, event->globalPosition().toPoint());
}

void LineChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rubberBand_ || !rubberBand_->isVisible()) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    rubberBand_->hide();
    const QPoint end = event->position().toPoint();
    if (std::abs(end.x() - dragStart_.x()) >= leastDrag &&
        std::abs(end.y() - dragStart_.y()) >= leastDrag)
        zoomTo(dragStart_, end);
}

void LineChart::mouseDoubleClickEvent(QMouseEvent* event) {
    // Two quick clicks on a legend entry are two clicks: the line is hidden and shown again.
    if (event->button() == Qt::LeftButton && !onLegend(event->position().toPoint()))
        resetZoom();
    else
        QChartView::mouseDoubleClickEvent(event);
}

void LineChart::copyToClipboard() const {
    QGuiApplication::clipboard()->setImage(image(size()));
}

QImage LineChart::image(QSize size, qreal pixelRatio) const {
    return chartImage(shownDescription(), size, pixelRatio);
}

ChartDescription LineChart::shownDescription() const {
    ChartDescription shown = description_;
    shown.xAxis = shownXAxis();
    shown.yAxis = shownYAxis();
    return shown;
}

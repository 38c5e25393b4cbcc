#include "LineChart.h"

#include "ChartNames.h"
#include "ChartRender.h"

#include <QChart>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

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
    readOut_.prepare(description_);
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
    const ReadOutView view{drawableAxis(shownXAxis()), drawableAxis(shownYAxis()),
                           chart()->plotArea().size()};
    return readOut_.textAt(description_, view, valueAt(at));
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

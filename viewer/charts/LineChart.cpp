#include "LineChart.h"

#include "NearestPoint.h"

#include "ChartNames.h"
#include "ChartPoints.h"

#include <QChart>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Room left between neighbouring labels: average character widths along the X axis, line
// heights along the Y axis.
constexpr qreal labelGapX = 2;
constexpr qreal labelGapY = 0.4;
// The chart draws every label inside a margin of this many pixels on each side, and cuts a
// label to "..." when label and margins do not fit between two ticks.
constexpr qreal labelTextMargin = 4;
constexpr int maxDecimals = 6;
// A chart at least this wide, or this much wider than tall, has room for the legend beside the
// plot; a flat chart needs all its height for the plot, the labels and the caption.
constexpr qreal wideChart = 560;
constexpr qreal flatChart = 1.6; // width / height

bool isWhole(double value) {
    return std::abs(value - std::round(value)) <= 1e-6 * std::max(1.0, std::abs(value));
}

// Enough decimals to write every label start + i * step exactly, but no more than about
// three significant digits of the step: a resampled grid step such as 0.05231 mm does not
// deserve six decimals on every label.
int labelDecimals(double start, double step) {
    const int cap = std::clamp(2 - static_cast<int>(std::floor(std::log10(step))), 0, maxDecimals);
    for (int decimals = 0; decimals < cap; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        if (isWhole(start * scale) && isWhole(step * scale))
            return decimals;
    }
    return cap;
}

// The axis as it can be shown: a record may hold an empty or inverted range, and the
// description keeps what the window asked for.
ChartAxis shownAxis(ChartAxis axis) {
    if (!std::isfinite(axis.start))
        axis.start = 0;
    axis.divisions = std::max(axis.divisions, 1);
    if (!std::isfinite(axis.step) || axis.step <= 0 || !std::isfinite(axis.end()))
        axis.step = 1.0 / axis.divisions;
    return axis;
}

qreal axisLength(const QRectF& plot, Qt::Orientation orientation) {
    return orientation == Qt::Horizontal ? plot.width() : plot.height();
}

// Axis titles are HTML. A caption longer than its axis (a Y caption in a tiled window, the
// long captions a mass file brings) is broken into lines between words.
QString axisTitle(const QString& caption, const QFont& font, qreal length) {
    const QFontMetricsF metrics(font);
    // The title's text item keeps a margin of its own round the text.
    const qreal room = length - metrics.height();
    QStringList lines;
    for (const QString& word : caption.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) <= room)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    return lines.join(u"<br>"_s);
}

QString labelText(double value, int decimals) {
    return QString::asprintf("%.*f", decimals, value);
}

// Whether labels `step` apart from `firstLabel` fit along `length` pixels of the axis.
bool labelsFit(const QValueAxis& valueAxis, const ChartAxis& axis, double firstLabel, double step,
               Qt::Orientation orientation, qreal length) {
    const QFontMetricsF metrics(valueAxis.labelsFont());
    qreal extent = 2 * labelTextMargin + metrics.height() * (1 + labelGapY);
    if (orientation == Qt::Horizontal) {
        const int decimals = labelDecimals(firstLabel, step);
        extent = 2 * labelTextMargin + labelGapX * metrics.averageCharWidth() +
                 std::max(metrics.horizontalAdvance(labelText(axis.start, decimals)),
                          metrics.horizontalAdvance(labelText(axis.end(), decimals)));
    }
    return (axis.end() - firstLabel) / step * extent <= length;
}

// Every how many divisions a label fits: the fewest that fit, or up to twice as many where
// that count divides the axis evenly, so that its end is labelled too.
int divisionsPerLabel(const QValueAxis& valueAxis, const ChartAxis& axis,
                      Qt::Orientation orientation, qreal length) {
    int fitting = axis.divisions;
    for (int every = axis.divisions; every >= 1; --every)
        if (labelsFit(valueAxis, axis, axis.start, every * axis.step, orientation, length))
            fitting = every;
    for (int every = fitting; every <= std::min(2 * fitting, axis.divisions); ++every)
        if (axis.divisions % every == 0)
            return every;
    return fitting;
}

// A grid line at every division, and a label at every division or at every so many of them
// where the labels would run into each other. A node axis (a division per node) is gridded and
// labelled at round values, as close together as the labels fit.
void labelAxis(QValueAxis& valueAxis, const ChartAxis& axis, Qt::Orientation orientation,
               qreal length) {
    if (!axis.byNodes) {
        const int every = divisionsPerLabel(valueAxis, axis, orientation, length);
        const double labelStep = every * axis.step;
        if (axis.divisions % every == 0) {
            valueAxis.setTickType(QValueAxis::TicksFixed);
            valueAxis.setTickCount(axis.divisions / every + 1);
        } else {
            valueAxis.setTickType(QValueAxis::TicksDynamic);
            valueAxis.setTickAnchor(axis.start);
            valueAxis.setTickInterval(labelStep);
        }
        // The divisions between labels are gridded as the labelled ones are.
        valueAxis.setMinorTickCount(every - 1);
        valueAxis.setMinorGridLinePen(valueAxis.gridLinePen());
        valueAxis.setLabelFormat(u"%.%1f"_s.arg(labelDecimals(axis.start, labelStep)));
        return;
    }
    if (labelsFit(valueAxis, axis, axis.start, axis.step, orientation, length)) {
        valueAxis.setTickType(QValueAxis::TicksFixed);
        valueAxis.setTickCount(axis.divisions + 1);
        valueAxis.setLabelFormat(u"%.%1f"_s.arg(labelDecimals(axis.start, axis.step)));
        return;
    }
    const auto firstLabel = [&axis](double step) { return std::ceil(axis.start / step) * step; };
    double step = roundStep(axis.step);
    // The next round value up, until the labels fit: there is room for one label at least.
    while (!labelsFit(valueAxis, axis, firstLabel(step), step, orientation, length) &&
           step < axis.end() - axis.start)
        step = roundStep(step * (1 + 1e-9));
    valueAxis.setTickType(QValueAxis::TicksDynamic);
    valueAxis.setTickAnchor(firstLabel(step));
    valueAxis.setTickInterval(step);
    valueAxis.setLabelFormat(u"%.%1f"_s.arg(labelDecimals(firstLabel(step), step)));
}

// Lays the chart out again after a change the next layout depends on; a picture is rendered
// before any event would do it.
QRectF plotAreaLaidOut(QChart& chart) {
    chart.layout()->invalidate();
    chart.layout()->activate();
    return chart.plotArea();
}

struct ShownAxis {
    QValueAxis* valueAxis;
    ChartAxis axis;
    QString caption;
    Qt::Orientation orientation;
};

// Captions and labels depend on the room the axes get, and each takes room from the other
// axis; two rounds settle them.
void layOutAxes(QChart& chart, const QList<ShownAxis>& axes) {
    for (int round = 0; round < 2; ++round) {
        QRectF plot = plotAreaLaidOut(chart);
        for (const ShownAxis& shown : axes)
            shown.valueAxis->setTitleText(axisTitle(shown.caption, shown.valueAxis->titleFont(),
                                                    axisLength(plot, shown.orientation)));
        plot = plotAreaLaidOut(chart);
        for (const ShownAxis& shown : axes)
            labelAxis(*shown.valueAxis, shown.axis, shown.orientation,
                      axisLength(plot, shown.orientation));
    }
    plotAreaLaidOut(chart);
}

void hideLine(QChart& chart, QLineSeries& line) {
    line.setVisible(false);
    // Hiding a series hides its legend entry too; the entry stays, greyed, to show it again.
    for (QLegendMarker* marker : chart.legend()->markers(&line)) {
        marker->setVisible(true);
        marker->setLabelBrush(QBrush(Qt::gray));
    }
}

// The chart laid out for `size`: how captions break and how densely the axes can be labelled
// depend on it.
std::unique_ptr<QChart> buildChart(const ChartDescription& description, const ChartAxis& xShown,
                                   const ChartAxis& yShown, QSizeF size) {
    auto chart = std::make_unique<QChart>();
    // Every drawing builds the chart anew; an animation would replay at each resize.
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(shownCaption(description.middleCaption).toHtmlEscaped());
    chart->legend()->setVisible(!description.legends.isEmpty());
    // Beside the plot where there is room to spare, else below it.
    const bool roomBeside = size.width() >= wideChart || size.width() >= flatChart * size.height();
    chart->legend()->setAlignment(roomBeside ? Qt::AlignRight : Qt::AlignBottom);

    auto* xAxis = new QValueAxis;
    auto* yAxis = new QValueAxis;
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    QList<QLineSeries*> lines;
    for (qsizetype line = 0; line < description.lines.size(); ++line) {
        lines.append(new QLineSeries);
        if (line < description.legends.size())
            lines.last()->setName(description.legends[line]);
        if (line < description.colours.size() && description.colours[line].isValid())
            lines.last()->setColor(description.colours[line]);
        chart->addSeries(lines.last());
        lines.last()->attachAxis(xAxis);
        lines.last()->attachAxis(yAxis);
    }

    const QList<ShownAxis> axes{
        {xAxis, shownAxis(xShown), shownCaption(description.xCaption), Qt::Horizontal},
        {yAxis, shownAxis(yShown), shownCaption(description.yCaption), Qt::Vertical}};
    for (const ShownAxis& shown : axes) {
        shown.valueAxis->setRange(shown.axis.start, shown.axis.end());
        shown.valueAxis->setMinorTickCount(0);
    }
    chart->resize(size);
    layOutAxes(*chart, axes);

    // The points go in last, so that the layouts above do not trace a long line each; one
    // replace per line, not a redraw per point.
    for (qsizetype line = 0; line < lines.size(); ++line) {
        lines[line]->replace(description.lines[line]);
        if (description.hiddenLines.contains(static_cast<int>(line)))
            hideLine(*chart, *lines[line]);
    }
    return chart;
}

// The first word after the first ", " of a caption: "     Carburizing time, h" gives "h",
// "Weight gain, g/m^2 Plate, ..." gives "g/m^2".
QString captionUnit(const QString& caption) {
    const qsizetype comma = caption.indexOf(u", "_s);
    if (comma < 0)
        return QString();
    return caption.mid(comma + 2).section(u' ', 0, 0, QString::SectionSkipEmpty);
}

// What a line is called in the read-out: its legend, else the quantity of the Y caption.
QString lineName(const ChartDescription& description, qsizetype line) {
    if (line < description.legends.size() && !description.legends[line].isEmpty())
        return description.legends[line];
    return shownCaption(description.yCaption).section(u',', 0, 0).trimmed();
}

QString valueText(double value, const QString& unit) {
    const QString number = QString::number(value, 'g', 6);
    return unit.isEmpty() ? number : number + u' ' + unit;
}

// A read-out farther from every line than this is no read-out.
constexpr double readOutReach = 20; // px
// A drag shorter than this either way is a click, not a rectangle to zoom into.
constexpr int leastDrag = 4; // px

} // namespace

ChartAxis ChartAxis::spanning(double start, double end, int divisions) {
    const int count = std::max(divisions, 1);
    return ChartAxis{start, (end - start) / count, count};
}

LineChart::LineChart(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    // The read-out follows the mouse without a button held. The viewport receives the mouse,
    // not the view: without tracking of its own it never hears of a move with no button down.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void LineChart::setLineCount(int count) {
    description_.lines = QList<QList<QPointF>>(std::max(count, 0));
    description_.series = description_.lines;
    description_.legends.clear();
    description_.colours.clear();
}

void LineChart::setXAxis(const ChartAxis& axis) {
    description_.xAxis = axis;
}

void LineChart::setYAxis(const ChartAxis& axis) {
    description_.yAxis = axis;
}

void LineChart::setCaptions(const QString& xCaption, const QString& middleCaption,
                            const QString& yCaption) {
    description_.xCaption = xCaption;
    description_.middleCaption = middleCaption;
    description_.yCaption = yCaption;
}

void LineChart::setLegend(int line, const QString& text) {
    if (line < 0 || line >= description_.lines.size())
        return;
    if (description_.legends.size() <= line)
        description_.legends.resize(description_.lines.size());
    description_.legends[line] = text;
}

void LineChart::addPoint(int line, QPointF point) {
    if (line >= 0 && line < description_.lines.size())
        description_.lines[line].append(point);
}

void LineChart::setSeries(int line, QList<QPointF> points) {
    if (line >= 0 && line < description_.series.size())
        description_.series[line] = std::move(points);
}

void LineChart::setLineColour(int line, const QColor& colour) {
    if (line < 0 || line >= description_.lines.size())
        return;
    if (description_.colours.size() <= line)
        description_.colours.resize(description_.lines.size());
    description_.colours[line] = colour;
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
        ascending_.append(std::is_sorted(line.begin(), line.end(),
                                         [](QPointF a, QPointF b) { return a.x() < b.x(); }));
    rebuild();
}

void LineChart::rebuild() {
    QChart* old = chart();
    setChart(buildChart(description_, shownXAxis(), shownYAxis(), size()).release());
    delete old;
    connectLegend();
}

void LineChart::connectLegend() {
    const QList<QAbstractSeries*> lines = chart()->series();
    for (qsizetype line = 0; line < lines.size(); ++line)
        for (QLegendMarker* marker : chart()->legend()->markers(lines[line]))
            // Queued: the rebuild deletes the marker, which is still handling the mouse press.
            connect(
                marker, &QLegendMarker::clicked, this,
                [this, line] {
                    const int index = static_cast<int>(line);
                    const bool visible = !isLineVisible(index);
                    setLineVisible(index, visible);
                    rebuild();
                    emit lineToggled(index, visible);
                },
                Qt::QueuedConnection);
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
    const ChartAxis x = shownAxis(shownXAxis());
    const ChartAxis y = shownAxis(shownYAxis());
    return {x.start + (inChart.x() - plot.left()) / plot.width() * (x.end() - x.start),
            y.start + (plot.bottom() - inChart.y()) / plot.height() * (y.end() - y.start)};
}

void LineChart::zoomTo(QPoint from, QPoint to) {
    const QPointF a = valueAt(from);
    const QPointF b = valueAt(to);
    Zoom zoom{ChartAxis::spanning(std::min(a.x(), b.x()), std::max(a.x(), b.x()),
                                  shownAxis(shownXAxis()).divisions),
              ChartAxis::spanning(std::min(a.y(), b.y()), std::max(a.y(), b.y()),
                                  shownAxis(shownYAxis()).divisions)};
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
    const ChartAxis x = shownAxis(shownXAxis());
    const ChartAxis y = shownAxis(shownYAxis());
    const double xScale = plot.width() / (x.end() - x.start);
    const double yScale = plot.height() / (y.end() - y.start);
    const QPointF value = valueAt(at);
    qsizetype bestLine = -1;
    NearestPoint best;
    for (qsizetype line = 0; line < description_.lines.size(); ++line) {
        if (!isLineVisible(static_cast<int>(line)))
            continue;
        const bool ascending = line < ascending_.size() && ascending_[line];
        const NearestPoint found =
            nearestPoint(description_.lines[line], ascending, value, xScale, yScale);
        if (found.distance < best.distance) {
            best = found;
            bestLine = line;
        }
    }
    if (bestLine < 0 || best.distance > readOutReach)
        return QString();
    const QPointF point = description_.lines[bestLine][best.index];
    return lineName(description_, bestLine) + u'\n' + u"x = "_s +
           valueText(point.x(), captionUnit(shownCaption(description_.xCaption))) + u'\n' +
           u"y = "_s + valueText(point.y(), captionUnit(shownCaption(description_.yCaption)));
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
    QImage picture(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderTo(painter, QRectF(QPointF(0, 0), size), size);
    return picture;
}

void LineChart::renderTo(QPainter& painter, const QRectF& target, QSizeF layoutSize) const {
    QGraphicsScene scene;
    QChart* chart = buildChart(description_, shownXAxis(), shownYAxis(), layoutSize).release();
    scene.addItem(chart); // the scene owns the chart from here
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, target, chart->geometry());
}

#include "ChartRender.h"

#include "ChartNames.h"
#include "ChartPoints.h"

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

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
// plot; a flat chart needs all its height for the plot, the labels and the caption, and so
// does a chart lower than shortChart, whose labels a legend below would squeeze to "...".
constexpr qreal wideChart = 560;
constexpr qreal flatChart = 1.6; // width / height
constexpr qreal shortChart = 240;
constexpr int smallMargin = 4;          // px
constexpr qreal measuredMarkerSize = 8; // px

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

qreal axisLength(const QRectF& plot, Qt::Orientation orientation) {
    return orientation == Qt::Horizontal ? plot.width() : plot.height();
}

// A caption broken into lines between words, each as long as `room` allows. Its unit, what
// follows its last ", ", stays whole on one line: "% C", not "%" and "C".
QStringList captionLines(QString caption, const QFontMetricsF& metrics, qreal room) {
    if (const qsizetype comma = caption.lastIndexOf(u", "_s); comma >= 0)
        for (qsizetype at = comma + 2; at < caption.size(); ++at)
            if (caption[at] == u' ')
                caption[at] = QChar::Nbsp;
    QStringList lines;
    for (const QString& word : caption.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) <= room)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    return lines;
}

// More lines than this take from a small chart the room of its plot. Below the plot there is
// room for one line only: the chart cuts a second one, and the first with it, to "Carb...".
constexpr qsizetype titleLines = 3;

qsizetype titleLinesOf(Qt::Orientation orientation) {
    return orientation == Qt::Horizontal ? 1 : titleLines;
}

// The words of `quantity` from the first on, as many as fit in one line of `room` with "…" and
// the unit after them ("Odległość od…, mm"); empty where not even the first word fits.
QString elidedAtWord(const QString& quantity, const QString& unit, const QFontMetricsF& metrics,
                     qreal room) {
    const QString after = unit.isEmpty() ? u"…"_s : u"…, "_s + unit;
    QStringList words = quantity.split(u' ', Qt::SkipEmptyParts);
    while (!words.isEmpty()) {
        words.removeLast();
        const QString text = words.join(u' ') + after;
        if (!words.isEmpty() && metrics.horizontalAdvance(text) <= room)
            return text;
    }
    return QString();
}

// Axis titles are HTML. A caption longer than its axis (a Y caption in a tiled window, the
// long captions of the files) is broken into lines between words, as many as the axis has room
// for. Where the words do not fit in them, the caption is cut after a word and the cut marked,
// its unit (what follows its last ", ") kept; where not even that fits one line, the axis is
// titled by its unit alone: a small tile still says "% C". The chart itself would cut the text
// in the middle of a word ("Carb...").
QString axisTitle(const QString& caption, const QFont& font, qreal length,
                  Qt::Orientation orientation) {
    const QFontMetricsF metrics(font);
    // The title's text item keeps a margin of its own round the text.
    const qreal room = length - metrics.height();
    const auto fitting = [&](const QStringList& lines) {
        return lines.size() <= titleLinesOf(orientation) &&
               std::ranges::all_of(lines, [&](const QString& line) {
                   return metrics.horizontalAdvance(line) <= room;
               });
    };
    QStringList lines = captionLines(caption, metrics, room);
    if (!fitting(lines)) {
        const qsizetype comma = caption.lastIndexOf(u", "_s);
        const QString unit = comma < 0 ? QString() : caption.mid(comma + 2);
        const QString elided =
            elidedAtWord(comma < 0 ? caption : caption.left(comma), unit, metrics, room);
        if (!elided.isEmpty())
            lines = QStringList{elided};
        else if (!unit.isEmpty())
            lines = QStringList{unit};
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
                                                    axisLength(plot, shown.orientation),
                                                    shown.orientation));
        plot = plotAreaLaidOut(chart);
        for (const ShownAxis& shown : axes)
            labelAxis(*shown.valueAxis, shown.axis, shown.orientation,
                      axisLength(plot, shown.orientation));
    }
    plotAreaLaidOut(chart);
}

void hideLine(QChart& chart, QLineSeries& line, bool hasLegend) {
    line.setVisible(false);
    // Hiding a series hides its legend entry too; the entry stays, greyed, to show it again.
    for (QLegendMarker* marker : chart.legend()->markers(&line)) {
        marker->setVisible(hasLegend);
        marker->setLabelBrush(QBrush(Qt::gray));
    }
}

// The pieces of a line that lineBreak points (NaN) cut it into, each drawn as a series of its
// own; at least one, empty, so that a line with no points keeps its legend.
QList<QList<QPointF>> linePieces(const QList<QPointF>& points) {
    QList<QList<QPointF>> pieces{{}};
    for (const QPointF& point : points) {
        if (std::isnan(point.x()) || std::isnan(point.y())) {
            if (!pieces.last().isEmpty())
                pieces.append(QList<QPointF>());
            continue;
        }
        pieces.last().append(point);
    }
    if (pieces.size() > 1 && pieces.last().isEmpty())
        pieces.removeLast();
    return pieces;
}

// Where a series keeps the index of the description's line it draws.
constexpr char describedLineProperty[] = "describedLine";

// The chart's own title; without one, the legends of its levels, which name what the chart is
// read for (the case-hardening depth): above the plot no window size hides them, where the
// legend's last entry falls out of a small window.
QString titleOf(const ChartDescription& description) {
    if (!description.middleCaption.isEmpty() || description.levels.isEmpty())
        return shownCaption(description.middleCaption);
    QStringList legends;
    for (const LevelLine& level : description.levels)
        legends.append(level.legend);
    return legends.join(u"; "_s);
}

// The emphasised line wider than the theme draws lines; among many lines, the others thinner.
void emphasise(QLineSeries& series, bool emphasised, bool amongMany) {
    QPen pen = series.pen();
    if (emphasised)
        pen.setWidthF(pen.widthF() * 2);
    else if (amongMany)
        pen.setWidthF(std::max(1.0, pen.widthF() / 2));
    series.setPen(pen);
}

// A legend of a line with no points (the potential chart's gaps) shows what the chart shows
// there: nothing, in an outline that keeps the entry in line with the others. The legend fills
// a line's swatch with the colour of its pen again whenever the series changes, whatever brush
// the marker was given: the pen of the line, which draws nothing, is clear.
void showAsGap(const QLegend& legend, QLineSeries& series) {
    series.setColor(Qt::transparent);
    for (QLegendMarker* marker : legend.markers(&series))
        marker->setPen(QPen(Qt::gray, 1, Qt::DotLine));
}

// The legend beside the plot where there is room to spare, else below it; a short chart's
// margins go to its labels.
void placeLegendAndMargins(QChart& chart, QSizeF size) {
    const bool roomBeside = size.width() >= wideChart ||
                            size.width() >= flatChart * size.height() || size.height() < shortChart;
    chart.legend()->setAlignment(roomBeside ? Qt::AlignRight : Qt::AlignBottom);
    if (size.height() < shortChart) {
        chart.setMargins(QMargins(smallMargin, smallMargin, smallMargin, smallMargin));
        chart.layout()->setContentsMargins(0, 0, 0, 0);
    }
}

// The chart with its title, legend and margins, and no series yet.
std::unique_ptr<QChart> emptyChart(const ChartDescription& description, QSizeF size) {
    auto chart = std::make_unique<QChart>();
    // Every drawing builds the chart anew; an animation would replay at each resize.
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(titleOf(description).toHtmlEscaped());
    chart->legend()->setVisible(!description.legends.isEmpty() ||
                                !description.measurements.isEmpty() ||
                                !description.levels.isEmpty());
    placeLegendAndMargins(*chart, size);
    return chart;
}

struct ValueAxes {
    QValueAxis* x;
    QValueAxis* y;
};

ValueAxes addValueAxes(QChart& chart) {
    const ValueAxes axes{new QValueAxis, new QValueAxis};
    chart.addAxis(axes.x, Qt::AlignBottom);
    chart.addAxis(axes.y, Qt::AlignLeft);
    return axes;
}

void addSeries(QChart& chart, QAbstractSeries* series, const ValueAxes& axes) {
    chart.addSeries(series); // the chart owns the series from here
    series->attachAxis(axes.x);
    series->attachAxis(axes.y);
}

// One series per piece of a line; the first carries the legend, and the line's pen, which
// the others take. The points wait in `points` until the axes are laid out.
struct Piece {
    QLineSeries* series;
    QList<QPointF> points;
    qsizetype line;
    bool first;
};

// The series of one piece of line `line`, styled as the description asks; `previous` is the
// line's piece before it, null for its first.
QLineSeries* addPieceSeries(QChart& chart, const ChartDescription& description, qsizetype line,
                            const QLineSeries* previous, const ValueAxes& axes) {
    auto* series = new QLineSeries;
    series->setProperty(describedLineProperty, static_cast<int>(line));
    if (line < description.legends.size())
        series->setName(shownLegend(description.legends[line]));
    if (line < description.colours.size() && description.colours[line].isValid())
        series->setColor(description.colours[line]);
    chart.addSeries(series);
    // The chart's theme gives each series a pen of its own: a piece takes its line's.
    if (previous != nullptr)
        series->setPen(previous->pen());
    else if (description.emphasisedLine >= 0)
        emphasise(*series, line == description.emphasisedLine,
                  description.lines.size() > shownProfiles);
    series->attachAxis(axes.x);
    series->attachAxis(axes.y);
    if (previous != nullptr)
        for (QLegendMarker* marker : chart.legend()->markers(series))
            marker->setVisible(false);
    return series;
}

QList<Piece> addLinePieces(QChart& chart, const ChartDescription& description,
                           const ValueAxes& axes) {
    QList<Piece> pieces;
    for (qsizetype line = 0; line < description.lines.size(); ++line) {
        const QLineSeries* previous = nullptr;
        for (QList<QPointF>& points : linePieces(description.lines[line])) {
            QLineSeries* series = addPieceSeries(chart, description, line, previous, axes);
            pieces.append({series, std::move(points), line, previous == nullptr});
            previous = series;
        }
    }
    return pieces;
}

QList<QLineSeries*> addLevels(QChart& chart, const ChartDescription& description,
                              const ValueAxes& axes) {
    QList<QLineSeries*> levels;
    for (const LevelLine& level : description.levels) {
        auto* series = new QLineSeries;
        series->setName(level.legend);
        series->setPen(QPen(level.colour, 2, Qt::DashLine));
        addSeries(chart, series, axes);
        levels.append(series);
    }
    return levels;
}

QList<QScatterSeries*> addMarkers(QChart& chart, const ChartDescription& description,
                                  const ValueAxes& axes) {
    QList<QScatterSeries*> markers;
    for (const MeasuredPoints& measured : description.measurements) {
        auto* series = new QScatterSeries;
        series->setName(measured.legend);
        series->setColor(measured.colour);
        series->setBorderColor(measured.colour);
        series->setMarkerSize(measuredMarkerSize);
        addSeries(chart, series, axes);
        markers.append(series);
    }
    return markers;
}

// The axes set to the description's ranges, laid out with their captions and labels for
// `size`.
QList<ShownAxis> layOutShownAxes(QChart& chart, const ChartDescription& description,
                                 const ValueAxes& axes, QSizeF size) {
    const QList<ShownAxis> shownAxes{{axes.x, drawableAxis(description.xAxis),
                                      shownCaption(description.xCaption), Qt::Horizontal},
                                     {axes.y, drawableAxis(description.yAxis),
                                      shownCaption(description.yCaption), Qt::Vertical}};
    for (const ShownAxis& shown : shownAxes) {
        shown.valueAxis->setRange(shown.axis.start, shown.axis.end());
        shown.valueAxis->setMinorTickCount(0);
    }
    chart.resize(size);
    layOutAxes(chart, shownAxes);
    return shownAxes;
}

void fillLinePieces(QChart& chart, const ChartDescription& description,
                    const QList<Piece>& pieces) {
    for (const Piece& piece : pieces) {
        piece.series->replace(piece.points);
        if (description.lines[piece.line].isEmpty())
            showAsGap(*chart.legend(), *piece.series);
        if (description.hiddenLines.contains(static_cast<int>(piece.line)))
            hideLine(chart, *piece.series,
                     piece.first &&
                         !description.leftOutLines.contains(static_cast<int>(piece.line)));
    }
}

// A level runs across the whole X axis as it is shown.
void fillLevels(const ChartDescription& description, const QList<QLineSeries*>& levels,
                const ChartAxis& xShown) {
    for (qsizetype level = 0; level < levels.size(); ++level) {
        const double y = description.levels[level].y;
        levels[level]->replace({QPointF(xShown.start, y), QPointF(xShown.end(), y)});
    }
}

void fillMarkers(const ChartDescription& description, const QList<QScatterSeries*>& markers) {
    for (qsizetype measured = 0; measured < markers.size(); ++measured)
        markers[measured]->replace(description.measurements[measured].points);
}

} // namespace

int describedLine(const QAbstractSeries& series) {
    const QVariant line = series.property(describedLineProperty);
    return line.isValid() ? line.toInt() : -1;
}

ChartAxis drawableAxis(ChartAxis axis) {
    if (!std::isfinite(axis.start))
        axis.start = 0;
    axis.divisions = std::max(axis.divisions, 1);
    if (!std::isfinite(axis.step) || axis.step <= 0 || !std::isfinite(axis.end()))
        axis.step = 1.0 / axis.divisions;
    return axis;
}

std::unique_ptr<QChart> buildChart(const ChartDescription& description, QSizeF size) {
    std::unique_ptr<QChart> chart = emptyChart(description, size);
    const ValueAxes axes = addValueAxes(*chart);
    const QList<Piece> pieces = addLinePieces(*chart, description, axes);
    const QList<QLineSeries*> levels = addLevels(*chart, description, axes);
    const QList<QScatterSeries*> markers = addMarkers(*chart, description, axes);
    const QList<ShownAxis> shownAxes = layOutShownAxes(*chart, description, axes, size);
    // The points go in last, so that the layouts above do not trace a long line each; one
    // replace per line, not a redraw per point.
    fillLinePieces(*chart, description, pieces);
    fillLevels(description, levels, shownAxes.first().axis);
    fillMarkers(description, markers);
    return chart;
}

void renderChart(const ChartDescription& description, QPainter& painter, const QRectF& target,
                 QSizeF layoutSize) {
    QGraphicsScene scene;
    QChart* chart = buildChart(description, layoutSize).release();
    scene.addItem(chart); // the scene owns the chart from here
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, target, chart->geometry());
}

QImage chartImage(const ChartDescription& description, QSize size, qreal pixelRatio) {
    QImage picture(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderChart(description, painter, QRectF(QPointF(0, 0), size), size);
    return picture;
}

#include "TNodeChartMDIChild.h"

#include "ChartPoints.h"
#include "LineChart.h"
#include "TAxisSetup.h"

void TNodeChartMDIChild::setInitialScale(const TSkala& initial) {
    scaleRecord() = initial;
    ValueRange nodes;
    nodes.include(grid());
    ValueRange values;
    for (const QList<QPointF>& line : allPoints())
        for (const QPointF& point : line)
            values.include(point.y());
    widenScaleToHold(nodes, values);
}

QList<QList<QPointF>> TNodeChartMDIChild::allPoints() {
    const std::span<const double> nodes = grid();
    QList<QList<QPointF>> lines(lineCount());
    for (std::size_t node = 0; node < nodes.size(); ++node)
        for (qsizetype line = 0; line < lines.size(); ++line)
            lines[line].append(
                QPointF(nodes[node], value(static_cast<int>(node), static_cast<int>(line))));
    return lines;
}

void TNodeChartMDIChild::describe(LineChart& chart) {
    const TSkala& axes = scale();
    const QList<QList<QPointF>> points = allPoints();
    chart.setLineCount(static_cast<int>(points.size()));
    chart.setYAxis(ChartAxis::spanning(axes.yStart, axes.yEnd, axes.yDivisions));
    for (int line = 0; line < points.size(); ++line)
        if (const QString text = legend(line); !text.isEmpty())
            chart.setLegend(line, text);

    const std::span<const double> nodes = grid();
    qsizetype first = 0;
    auto end = static_cast<qsizetype>(nodes.size());
    if (const std::optional<NodeRange> range = nodeRange(nodes, axes.xStart, axes.xEnd)) {
        first = range->first;
        if (!drawsToGridEnd())
            end = range->last + 1;
        chart.setXAxis(ChartAxis{nodes[static_cast<std::size_t>(first)], range->step,
                                 range->pointCount - 1, true});
    } else {
        // A grid of one node has no step to lay the axis out by.
        chart.setXAxis(ChartAxis::spanning(axes.xStart, axes.xEnd, axes.xDivisions));
    }
    chart.setCaptions(xCaption(), QString(), yCaption());

    for (int line = 0; line < points.size(); ++line) {
        chart.setSeries(line, points[line]);
        for (qsizetype node = first; node < end; ++node)
            chart.addPoint(line, points[line][node]);
    }
}

std::unique_ptr<TAxisSetup> TNodeChartMDIChild::scaleDialog() {
    return std::make_unique<TAxisSetup>(this, scaleRecord());
}

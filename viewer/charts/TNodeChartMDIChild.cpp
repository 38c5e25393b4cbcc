#include "TNodeChartMDIChild.h"

#include "ChartPoints.h"
#include "LineChart.h"
#include "TAxisSetup.h"

void TNodeChartMDIChild::setInitialScale(double xEnd, int yDivisions, double yEnd) {
    scaleRecord().xEnd = xEnd;
    scaleRecord().yDivisions = yDivisions;
    scaleRecord().yEnd = yEnd;
}

void TNodeChartMDIChild::describe(LineChart& chart) {
    const TSkala& axes = scale();
    const int lines = lineCount();
    chart.setLineCount(lines);
    chart.setYAxis(ChartAxis::spanning(axes.yStart, axes.yEnd, axes.yDivisions));
    for (int line = 0; line < lines; ++line)
        if (const QString text = legend(line); !text.isEmpty())
            chart.setLegend(line, text);

    const std::span<const double> nodes = grid();
    auto first = std::size_t{0};
    std::size_t end = nodes.size();
    if (const std::optional<NodeRange> range = nodeRange(nodes, axes.xStart, axes.xEnd)) {
        first = static_cast<std::size_t>(range->first);
        if (!drawsToGridEnd())
            end = static_cast<std::size_t>(range->last) + 1;
        chart.setXAxis(ChartAxis{nodes[first], range->step, range->pointCount - 1});
    } else {
        // A grid of one node has no step to lay the axis out by.
        chart.setXAxis(ChartAxis::spanning(axes.xStart, axes.xEnd, axes.xDivisions));
    }
    chart.setCaptions(xCaption(), QString(), yCaption());

    for (std::size_t node = first; node < end; ++node)
        for (int line = 0; line < lines; ++line)
            chart.addPoint(line, QPointF(nodes[node], value(static_cast<int>(node), line)));
}

std::unique_ptr<TAxisSetup> TNodeChartMDIChild::scaleDialog() {
    return std::make_unique<TAxisSetup>(this, scaleRecord());
}

#include "TTimeChartMDIChild.h"

#include "ChartPoints.h"
#include "InitialScale.h"
#include "LineChart.h"
#include "TAxisSetup.h"

using namespace Qt::StringLiterals;

QString TTimeChartMDIChild::timeCaption(bool foil) {
    return foil ? u"     Carburizing time, s"_s : u"     Carburizing time, h"_s;
}

void TTimeChartMDIChild::setInitialScale(ChartKind kind, bool foil) {
    scaleRecord() = initialScale(kind, foil ? TimeUnit::Seconds : TimeUnit::Hours);
    widenScaleToHoldLine();
}

void TTimeChartMDIChild::widenScaleToHoldLine() {
    const TimeLine shown = line();
    const std::size_t count = std::min(shown.times.size(), shown.values.size());
    ValueRange times;
    times.include(shown.times.first(count));
    ValueRange values;
    values.include(shown.values.first(count));
    widenScaleToHold(times, values);
}

void TTimeChartMDIChild::describe(LineChart& chart) {
    const TSkala& axes = scale();
    const TimeLine shown = line();
    chart.setLineCount(1);
    chart.setYAxis(ChartAxis::spanning(axes.yStart, axes.yEnd, axes.yDivisions));
    chart.setXAxis(ChartAxis::spanning(axes.xStart, axes.xEnd, axes.xDivisions));
    chart.setCaptions(shown.xCaption, shown.middleCaption, shown.yCaption);
    for (const ChartPoint& point :
         timeChartPoints(shown.times, shown.values, axes.xStart, axes.xEnd))
        chart.addPoint(0, QPointF(point.x, point.y));
    QList<QPointF> series;
    for (std::size_t row = 0; row < std::min(shown.times.size(), shown.values.size()); ++row)
        series.append(QPointF(shown.times[row], shown.values[row]));
    chart.setSeries(0, std::move(series));
}

std::unique_ptr<TAxisSetup> TTimeChartMDIChild::scaleDialog() {
    return std::make_unique<TAxisSetup2>(this, scaleRecord());
}

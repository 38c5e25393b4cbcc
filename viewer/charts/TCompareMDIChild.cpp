#include "TCompareMDIChild.h"

#include "ChartExport.h"
#include "LineChart.h"
#include "TAxisSetup.h"

using namespace Qt::StringLiterals;

namespace {

QString comparisonTitle(ComparedQuantity quantity) {
    return u"Porównanie - "_s + comparisonStem(quantity, 0);
}

} // namespace

TCompareMDIChild::TCompareMDIChild(ChartContext& context, Sets sets, ComparedQuantity quantity,
                                   QWidget* parent)
    : TChartMDIChild(context, comparisonTitle(quantity), QString(), u"POW"_s, parent),
      sets_(std::move(sets)), quantity_(quantity) {
    LineChart initial;
    describeComparison(initial, *sets_, quantity_, 0);
    const ChartAxis x = initial.description().xAxis;
    const ChartAxis y = initial.description().yAxis;
    scaleRecord() = TSkala{x.divisions, y.divisions, x.start, x.end(), y.start, y.end()};
}

void TCompareMDIChild::describe(LineChart& chart) {
    describeComparison(chart, *sets_, quantity_, 0);
    chart.setXAxis(ChartAxis::spanning(scale().xStart, scale().xEnd, scale().xDivisions));
    chart.setYAxis(ChartAxis::spanning(scale().yStart, scale().yEnd, scale().yDivisions));
}

std::unique_ptr<TAxisSetup> TCompareMDIChild::scaleDialog() {
    return std::make_unique<TAxisSetup2>(this, scaleRecord());
}

QString TCompareMDIChild::csv() const {
    return pairedCsvText(chart().description());
}

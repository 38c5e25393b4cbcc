#include "ComparisonChart.h"

#include "ChartNames.h"
#include "ChartPoints.h"
#include "InitialScale.h"
#include "KindTraits.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

double depthLevel(int level) {
    return depthLevels[static_cast<std::size_t>(std::clamp(level, 0, 2))];
}

QString yCaption(ChartKind quantity, int level) {
    if (quantity == ChartKind::CaseDepth)
        return u"Thickness of the case at %1% C, mm"_s.arg(depthLevel(level), 0, 'f', 2);
    return chartYCaption(quantity);
}

// The axes a set's own window of the quantity opens with: the mass and mean-carbon windows
// take them from the file, here the first set's.
TSkala openingAxes(std::span<const ComparedSet> sets, ChartKind quantity, bool seconds) {
    if (!sets.empty() && quantity == ChartKind::Mass)
        return sets.front().set->mass.series.scale;
    if (!sets.empty() && quantity == ChartKind::Mean)
        return sets.front().set->mean.series.scale;
    return initialScale(quantity, seconds ? TimeUnit::Seconds : TimeUnit::Hours);
}

} // namespace

QColor comparisonColour(int index) {
    static const QColor colours[] = {QColor(0x1f77b4), QColor(0xd62728), QColor(0x2ca02c),
                                     QColor(0xff7f0e), QColor(0x9467bd), QColor(0x8c564b),
                                     QColor(0xe377c2), QColor(0x17becf)};
    return colours[static_cast<std::size_t>(index) % std::size(colours)];
}

QString comparisonStem(ChartKind quantity, int level) {
    const QString stem = chartFileStem(quantity);
    if (quantity == ChartKind::CaseDepth)
        return stem + QString::number(std::lround(depthLevel(level) * 100));
    return stem;
}

ComparisonChart describeComparison(std::span<const ComparedSet> sets, ChartKind quantity,
                                   int depthLevel) {
    ComparisonChart comparison;
    ChartDescription& chart = comparison.description;
    ValueRange xValues;
    ValueRange yValues;
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const std::optional<ComparedLine> line = comparedLine(*sets[s].set, quantity, depthLevel);
        if (!line)
            continue;
        const auto index = static_cast<int>(comparison.setOfLine.size());
        comparison.setOfLine.push_back(s);
        chart.legends.append(QFileInfo(QString::fromStdString(sets[s].set->name)).fileName());
        chart.colours.append(sets[s].colour);
        if (sets[s].hidden)
            chart.hiddenLines.insert(index);
        QList<QPointF> points;
        for (std::size_t p = 0; p < line->x.size(); ++p)
            points.append(QPointF(line->x[p], line->y[p]));
        xValues.include(line->x);
        yValues.include(line->y);
        chart.lines.append(points);
        chart.series.append(points);
    }
    const bool seconds = !sets.empty() && sets.front().set->shape &&
                         kindTraits(*sets.front().set->shape).timeUnit == TimeUnit::Seconds;
    // As a set's own window shows the quantity, widened as it is to hold every line.
    const TSkala axes = widenedToHold(openingAxes(sets, quantity, seconds), xValues, yValues);
    chart.xAxis = xAxisOf(axes);
    chart.yAxis = yAxisOf(axes);
    chart.xCaption = chartKindTraits(quantity).profile
                         ? u"Distance from the surface, mm"_s
                         : timeCaption(seconds ? TimeUnit::Seconds : TimeUnit::Hours);
    chart.yCaption = yCaption(quantity, depthLevel);
    return comparison;
}

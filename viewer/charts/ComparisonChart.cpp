#include "ComparisonChart.h"

#include "ChartNames.h"
#include "ChartPoints.h"
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

// The axis from `low` to `high` in `divisions` steps of a round size; a step that is round but
// for rounding error counts as round.
ChartAxis roundAxis(double low, double high, int divisions) {
    if (!(high > low))
        high = low + 1;
    const double step = roundStep((high - low) / divisions * (1 - 1e-9));
    const double start = std::floor(low / step) * step;
    return ChartAxis{start, step, static_cast<int>(std::ceil((high - start) / step - 1e-9))};
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

std::vector<std::size_t> describeComparison(LineChart& chart, std::span<const ComparedSet> sets,
                                            ChartKind quantity, int depthLevel) {
    std::vector<std::pair<const ComparedSet*, ComparedLine>> lines;
    std::vector<std::size_t> setOfLine;
    for (std::size_t s = 0; s < sets.size(); ++s)
        if (std::optional<ComparedLine> line = comparedLine(*sets[s].set, quantity, depthLevel)) {
            lines.emplace_back(&sets[s], std::move(*line));
            setOfLine.push_back(s);
        }

    chart.setLineCount(static_cast<int>(lines.size()));
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
    bool first = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& [compared, line] = lines[i];
        const int index = static_cast<int>(i);
        chart.setLegend(index, QFileInfo(QString::fromStdString(compared->set->name)).fileName());
        chart.setLineColour(index, compared->colour);
        chart.setLineVisible(index, !compared->hidden);
        QList<QPointF> points;
        for (std::size_t p = 0; p < line.x.size(); ++p) {
            points.append(QPointF(line.x[p], line.y[p]));
            xLow = first ? line.x[p] : std::min(xLow, line.x[p]);
            xHigh = first ? line.x[p] : std::max(xHigh, line.x[p]);
            yLow = first ? line.y[p] : std::min(yLow, line.y[p]);
            yHigh = first ? line.y[p] : std::max(yHigh, line.y[p]);
            first = false;
        }
        for (const QPointF& point : points)
            chart.addPoint(index, point);
        chart.setSeries(index, points);
    }
    // Times and depths start at 0; the programme's temperatures start near their lowest.
    chart.setXAxis(roundAxis(std::min(xLow, 0.0), xHigh, 6));
    chart.setYAxis(quantity == ChartKind::Temperature ? roundAxis(yLow, yHigh, 6)
                                                      : roundAxis(std::min(yLow, 0.0), yHigh, 6));
    const bool seconds = !sets.empty() && sets.front().set->shape &&
                         kindTraits(*sets.front().set->shape).timeUnit == TimeUnit::Seconds;
    const QString xCaption = chartKindTraits(quantity).profile ? u"Distance from the surface, mm"_s
                             : seconds                         ? u"     Carburizing time, s"_s
                                                               : u"     Carburizing time, h"_s;
    chart.setCaptions(xCaption, QString(), yCaption(quantity, depthLevel));
    return setOfLine;
}

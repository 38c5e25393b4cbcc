#include "ChartDescription.h"

#include "ChartNames.h"
#include "InitialScale.h"
#include "ProfileMeasures.h"
#include "SurfaceOffer.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A chart's data before they meet the axes (isNodeChart says which of the two sorts it is).
struct ChartData {
    // Time chart: the lines' times; node chart: the grid of nodes every line is given over.
    std::vector<double> x;
    // Time chart: each line's values (one line but for the offer of a programme with
    // conditions), paired with the times up to the shorter of the two, a lineBreak where the
    // line breaks; node chart: each line's value at every node.
    std::vector<std::vector<double>> y;
    bool toGridEnd = false; // the lines go on past the axis's last node to the end of the grid
    QStringList legends;    // an empty text: the line has no legend
    QString xCaption;
    QString middleCaption;
    QString yCaption;
};

std::vector<double> copied(std::span<const double> values) {
    return {values.begin(), values.end()};
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// A legend of the charts' own, kept as the source text; a chart draws it translated
// (shownLegend).
QString legend(const char* source) {
    return QString::fromUtf8(source);
}

ChartData timeLine(std::span<const double> times, std::span<const double> values, TimeUnit unit,
                   ChartKind kind) {
    ChartData data;
    data.x = copied(times);
    data.y = {copied(values)};
    data.xCaption = timeCaption(unit);
    data.yCaption = chartYCaption(kind);
    return data;
}

ChartData profiles(const TWyniki& profiles, const QString& timeUnit, ChartKind kind) {
    ChartData data;
    data.x = copied(profiles.grid());
    for (int profile = 0; profile < profiles.profileCount(); ++profile) {
        std::vector<double> values;
        for (std::size_t node = 0; node < data.x.size(); ++node)
            values.push_back(profiles.valueAt(profile, static_cast<int>(node)));
        data.y.push_back(std::move(values));
        data.legends.append(profileTimeText(profiles.profileTime(profile)) + timeUnit);
    }
    data.xCaption = u"Distance from the surface, mm"_s;
    data.yCaption = chartYCaption(kind);
    return data;
}

ChartData caseDepths(const TGrubosc& depths) {
    ChartData data;
    data.toGridEnd = true;
    data.x = copied(depths.times());
    for (int line = 0; line < depths.seriesCount(); ++line) {
        std::vector<double> values;
        for (int node = 0; node < depths.timeCount(); ++node)
            values.push_back(depths.depth(line, node));
        data.y.push_back(std::move(values));
        data.legends.append(
            line < static_cast<int>(depthLevels.size())
                ? u"g - %1% C"_s.arg(depthLevels[static_cast<std::size_t>(line)], 0, 'f', 2)
                : QString());
    }
    data.xCaption = u"     Carburizing time, h"_s;
    data.yCaption = chartYCaption(ChartKind::CaseDepth);
    return data;
}

// A "mas" or "sre" file brings its own captions.
ChartData fileLine(const XYFile& file, const T_New_XY& series, const QString& yCaption) {
    ChartData data;
    data.x = copied(series.x());
    data.y = {copied(series.y())};
    data.xCaption = fromStd(file.captions.xCaption);
    data.middleCaption = fromStd(file.captions.middleCaption);
    data.yCaption = yCaption;
    return data;
}

// What the surface was offered: the potential over gas stages, which is the whole chart of a
// programme of gas stages, and for a programme with conditions, the saturation limit over
// boosts as a line of its own and a legend that names the lines and the gaps over neutral
// stages. Every line is given on the times of the whole offer, a break where it offers nothing,
// so that the chart's table lines up.
ChartData surfaceOffered(const TDane& programme, TimeUnit unit) {
    OfferTable table = offerTable(programme);
    ChartData data = timeLine(table.times, table.offered, unit, ChartKind::Potential);
    if (!offersMoreThanGas(programme))
        return data;
    const auto offers = [](const std::vector<double>& values) {
        return std::ranges::any_of(values, [](double value) { return !std::isnan(value); });
    };
    data.y.clear();
    if (offers(table.potential)) {
        data.y.push_back(std::move(table.potential));
        data.legends.append(legend(QT_TRANSLATE_NOOP("ChartLegends", "potencjał węglowy")));
    }
    if (offers(table.saturation)) {
        data.y.push_back(std::move(table.saturation));
        data.legends.append(legend(QT_TRANSLATE_NOOP("ChartLegends", "granica nasycenia")));
    }
    if (std::ranges::any_of(programme.conditions, [](const StageCondition& condition) {
            return !conditionTraits(condition.kind).offer;
        })) {
        // A legend for the gaps: no line of its own.
        data.y.emplace_back();
        data.legends.append(legend(QT_TRANSLATE_NOOP("ChartLegends", "przerwa: etap obojętny")));
    }
    return data;
}

// The potential of a logged load: the potential the log gave, broken over the burn-off windows
// (where the run held the last valid one, which no instrument read), the setpoint beside it, and
// a legend for the windows. A window starts with a break point at the time of its first row, so
// that the setpoint's line, which has a value there too, goes on unbroken.
ChartData loggedPotential(const TDane& programme, const AsRunRecord& record, TimeUnit unit) {
    ChartData data = timeLine({}, {}, unit, ChartKind::Potential);
    std::vector<double> logged, setpoint;
    const auto add = [&](double time, double potential, const std::optional<double>& set) {
        data.x.push_back(time);
        logged.push_back(potential);
        setpoint.push_back(set.value_or(lineBreak));
    };
    bool masked = false; // the interval before this row
    for (std::size_t row = 0; row < std::min(record.rows.size(), programme.times.size()); ++row) {
        const AsRunRow& asRun = record.rows[row];
        const double time = programme.times[row];
        add(time, masked && asRun.masked ? lineBreak : programme.potentials[row], asRun.setpoint);
        if (asRun.masked && !masked)
            add(time, lineBreak, asRun.setpoint);
        masked = asRun.masked;
    }
    data.y = {std::move(logged), std::move(setpoint)};
    data.legends = {legend(QT_TRANSLATE_NOOP("ChartLegends", "potencjał z zapisu pieca")),
                    record.setpointFromPlan
                        ? legend(QT_TRANSLATE_NOOP("ChartLegends", "potencjał planu"))
                        : legend(QT_TRANSLATE_NOOP("ChartLegends", "wartość zadana"))};
    if (std::ranges::any_of(record.rows, &AsRunRow::masked)) {
        data.y.emplace_back(); // a legend for the windows: no line of its own
        data.legends.append(legend(QT_TRANSLATE_NOOP("ChartLegends", "przerwa: wypalanie sadzy")));
    }
    return data;
}

TimeUnit ownTimeUnit(const LoadedSet& set) {
    return set.thin() ? TimeUnit::Seconds : TimeUnit::Hours;
}

ChartData chartData(const LoadedSet& set, ChartKind kind, TimeUnit unit) {
    switch (kind) {
    case ChartKind::Temperature:
        return timeLine(set.process.series.times, set.process.series.temperatures, ownTimeUnit(set),
                        kind);
    case ChartKind::Potential:
        return set.asRun ? loggedPotential(set.process.series, *set.asRun, unit)
                         : surfaceOffered(set.process.series, unit);
    case ChartKind::Carbon:
        return profiles(set.carbon.series, unit == TimeUnit::Seconds ? u"s"_s : u"h"_s, kind);
    case ChartKind::CaseDepth:
        return caseDepths(set.depths.series);
    case ChartKind::Surface: {
        const T_XY surface = surfaceCarbon(set);
        return timeLine(surface.x(), surface.y(), unit, kind);
    }
    case ChartKind::Hardness:
        return profiles(set.hardness.series, u" h"_s, kind);
    case ChartKind::Austenite:
        return profiles(set.austenite.series, u" h"_s, kind);
    case ChartKind::Carbide:
        return profiles(set.carbide.series, unit == TimeUnit::Seconds ? u"s"_s : u"h"_s, kind);
    case ChartKind::Mass:
        return fileLine(set.mass.series, set.mass.series.series,
                        fromStd(set.mass.series.captions.yCaption));
    case ChartKind::Mean:
        // The file holds the increase over the steel's carbon; a user reads the content.
        return fileLine(set.mean.series, meanCarbonContent(set),
                        QString::fromUtf8(meanCarbonCaption));
    }
    return {};
}

void describeTimeLine(ChartDescription& chart, const ChartData& data, const TSkala& scale) {
    for (const std::vector<double>& values : data.y) {
        const std::size_t count = std::min(data.x.size(), values.size());
        const std::span<const double> x = std::span(data.x).first(count);
        const std::span<const double> y = std::span(values).first(count);
        QList<QPointF> drawn;
        for (const ChartPoint& point : timeChartPoints(x, y, scale.xStart, scale.xEnd))
            drawn.append(QPointF(point.x, point.y));
        QList<QPointF> series;
        for (std::size_t row = 0; row < count; ++row)
            series.append(QPointF(x[row], y[row]));
        chart.lines.append(drawn);
        chart.series.append(series);
    }
    chart.xAxis = xAxisOf(scale);
    chart.legends = data.legends;
}

void describeNodes(ChartDescription& chart, const ChartData& data, const TSkala& scale) {
    qsizetype first = 0;
    auto end = static_cast<qsizetype>(data.x.size());
    if (const std::optional<NodeRange> range = nodeRange(data.x, scale.xStart, scale.xEnd)) {
        first = range->first;
        if (!data.toGridEnd)
            end = range->last + 1;
        chart.xAxis = ChartAxis{data.x[static_cast<std::size_t>(first)], range->step,
                                range->pointCount - 1, true};
    } else {
        // A grid of one node has no step to lay the axis out by.
        chart.xAxis = xAxisOf(scale);
    }
    if (std::ranges::any_of(data.legends, [](const QString& text) { return !text.isEmpty(); }))
        chart.legends = data.legends;
    for (const std::vector<double>& values : data.y) {
        QList<QPointF> series;
        for (std::size_t node = 0; node < data.x.size(); ++node)
            series.append(QPointF(data.x[node], values[node]));
        chart.lines.append(series.mid(first, end - first));
        chart.series.append(std::move(series));
    }
}

// The hardness that defines the case-hardening depth, marked across the hardness chart; its
// legend names that depth in the set's last profile.
LevelLine hardnessLimit(const LoadedSet& set) {
    const std::optional<ComparedLine> last = chartKindTraits(ChartKind::Hardness).line(set, 0);
    const std::optional<double> depth = last ? hardnessCaseDepth(last->x, last->y) : std::nullopt;
    const QString depthText = depth ? u"%1 mm"_s.arg(*depth, 0, 'f', 2) : u"–"_s;
    return {defaultHardnessLimit,
            u"CHD %1 HV: %2"_s.arg(defaultHardnessLimit, 0, 'f', 0).arg(depthText),
            QColor(0xc00000)};
}

} // namespace

bool isNodeChart(ChartKind kind) {
    switch (kind) {
    case ChartKind::Carbon:
    case ChartKind::CaseDepth:
    case ChartKind::Hardness:
    case ChartKind::Austenite:
    case ChartKind::Carbide:
        return true;
    case ChartKind::Temperature:
    case ChartKind::Potential:
    case ChartKind::Surface:
    case ChartKind::Mass:
    case ChartKind::Mean:
        return false;
    }
    return false;
}

QString profileTimeText(double time) {
    QString text = QString::asprintf("%f", time);
    const qsizetype point = text.indexOf(u'.');
    while (point >= 0 && text.size() - point - 1 > 2 && text.endsWith(u'0'))
        text.chop(1);
    return text;
}

QString timeCaption(TimeUnit unit) {
    return unit == TimeUnit::Seconds ? u"     Carburizing time, s"_s
                                     : u"     Carburizing time, h"_s;
}

ChartDescription describeSetChart(const LoadedSet& set, ChartKind kind, const TSkala& scale,
                                  TimeUnit timeUnit) {
    const ChartData data = chartData(set, kind, timeUnit);
    ChartDescription chart;
    chart.yAxis = yAxisOf(scale);
    chart.xCaption = data.xCaption;
    chart.middleCaption = data.middleCaption;
    chart.yCaption = data.yCaption;
    if (isNodeChart(kind))
        describeNodes(chart, data, scale);
    else
        describeTimeLine(chart, data, scale);
    if (kind == ChartKind::Hardness)
        chart.levels.append(hardnessLimit(set));
    if (chartKindTraits(kind).profile)
        emphasiseFinalProfile(chart);
    return chart;
}

void emphasiseFinalProfile(ChartDescription& chart) {
    const qsizetype count = chart.lines.size();
    if (count == 0)
        return;
    chart.emphasisedLine = count - 1;
    if (count <= shownProfiles)
        return;
    // Every step-th profile back from the final one, the step the smallest that keeps at most
    // `shownProfiles` of them.
    const qsizetype step = (count - 1 + shownProfiles - 2) / (shownProfiles - 1);
    for (qsizetype line = 0; line < count - 1; ++line)
        if ((count - 1 - line) % step != 0) {
            chart.hiddenLines.insert(static_cast<int>(line));
            chart.leftOutLines.insert(static_cast<int>(line));
        }
}

TSkala openingScale(const LoadedSet& set, ChartKind kind, TimeUnit timeUnit) {
    // A chart whose file could not be opened keeps an empty record.
    if (chartKindTraits(kind).status(set) == FileStatus::Missing)
        return {};
    const ChartData data = chartData(set, kind, timeUnit);
    TSkala initial;
    switch (kind) {
    case ChartKind::Temperature:
        initial = initialScale(kind, ownTimeUnit(set));
        break;
    case ChartKind::Potential:
    case ChartKind::Surface:
        initial = initialScale(kind, timeUnit);
        break;
    case ChartKind::Carbon:
    case ChartKind::Hardness:
    case ChartKind::Austenite:
    case ChartKind::Carbide:
        initial = initialScale(kind, TimeUnit::Hours);
        break;
    case ChartKind::CaseDepth:
        // The axis ends at the time of the last row.
        initial = initialScale(kind, TimeUnit::Hours);
        initial.xEnd = data.x.empty() ? 0 : data.x.back();
        break;
    case ChartKind::Mass:
        initial = set.mass.series.scale;
        break;
    case ChartKind::Mean:
        initial = set.mean.series.scale;
        break;
    }
    ValueRange xValues;
    ValueRange yValues;
    if (isNodeChart(kind)) {
        xValues.include(data.x);
        for (const std::vector<double>& values : data.y)
            yValues.include(values);
    } else {
        for (const std::vector<double>& values : data.y) {
            const std::size_t count = std::min(data.x.size(), values.size());
            xValues.include(std::span(data.x).first(count));
            yValues.include(std::span(values).first(count));
        }
    }
    return widenedToHold(initial, xValues, yValues);
}

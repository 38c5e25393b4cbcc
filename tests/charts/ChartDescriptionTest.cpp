// What each chart of a set and each comparison shows, read from its description alone: no widget,
// no window, not even a GUI application.

#include "ChartDescription.h"
#include "ChartTestSupport.h"
#include "ComparisonChart.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Axes computed from decimal text reach their data to within the last bits only.
constexpr double axisTolerance = 1e-9;

bool within(double value, const ChartAxis& axis) {
    const double slack = axisTolerance * std::max(1.0, std::abs(axis.end()));
    return value >= axis.start - slack && value <= axis.end() + slack;
}

TimeUnit ownUnit(const LoadedSet& set) {
    return set.thin() ? TimeUnit::Seconds : TimeUnit::Hours;
}

TSkala scale(double xStart, double xEnd, int xDivisions, double yStart = 0, double yEnd = 1) {
    return TSkala{xDivisions, 4, xStart, xEnd, yStart, yEnd};
}

QList<double> xs(const QList<QPointF>& points) {
    QList<double> values;
    for (const QPointF& point : points)
        values.append(point.x());
    return values;
}

} // namespace

class ChartDescriptionTest : public QObject {
    Q_OBJECT
private slots:
    void eachChartOfASet_data();
    void eachChartOfASet();
    void timeLineRunsFromAxisStartToEnd();
    void nodeAxisStartsAndEndsOnNodes_data();
    void nodeAxisStartsAndEndsOnNodes();
    void clientTimeUnitNamesTimes();
    void missingFileOpensOnAnEmptyRecord();
    void comparisonHasALinePerSetWithTheQuantity();
};

void ChartDescriptionTest::eachChartOfASet_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QString>("xCaption");
    QTest::addColumn<QString>("yCaption");
    QTest::addColumn<QStringList>("legends");
    QTest::addColumn<int>("points"); // in every line's series

    const QString hours = u"     Carburizing time, h"_s;
    const QString seconds = u"     Carburizing time, s"_s;
    const QString distance = u"Distance from the surface, mm"_s;
    const int thick = SampleSet::SemiInfinite;
    const int foil = SampleSet::Foil;
    QTest::newRow("T") << thick << ChartKind::Temperature << hours << u"Temperature, C"_s
                       << QStringList() << 3;
    QTest::newRow("Pot") << thick << ChartKind::Potential << hours
                         << u"Carbon potential of the atmosphere, %"_s << QStringList() << 3;
    QTest::newRow("C") << thick << ChartKind::Carbon << distance << u"Carbon concentration, %"_s
                       << QStringList{u"1.125h"_s, u"2.50h"_s} << 4;
    QTest::newRow("G") << thick << ChartKind::CaseDepth << hours << u"Thickness of the case, mm"_s
                       << QStringList{u"g - 0.40% C"_s, u"g - 0.35% C"_s, u"g - 0.30% C"_s} << 4;
    QTest::newRow("HV") << thick << ChartKind::Hardness << distance << u"Hardness, HV"_s
                        << QStringList{u"1.125 h"_s, u"2.50 h"_s} << 3;
    QTest::newRow("Masa") << thick << ChartKind::Mass << u"Carburizing time, h"_s
                          << u"Weight gain, g/m^2 Semi-infinitive sample, be=2e-05cm/s"_s
                          << QStringList() << 3;
    QTest::newRow("foil T") << foil << ChartKind::Temperature << seconds << u"Temperature, C"_s
                            << QStringList() << 2;
    QTest::newRow("foil C") << foil << ChartKind::Carbon << distance << u"Carbon concentration, %"_s
                            << QStringList{u"2000.00s"_s} << 3;
    QTest::newRow("foil Pow") << foil << ChartKind::Surface << seconds
                              << u"Carbon concentration on the surface, %"_s << QStringList() << 3;
    QTest::newRow("foil Średnia") << foil << ChartKind::Mean << u"Carburizing time, s"_s
                                  << QString::fromUtf8(meanCarbonCaption) << QStringList() << 3;
}

// On the axes it opens with, a chart shows all of its data, captioned and named as the kind's.
void ChartDescriptionTest::eachChartOfASet() {
    QFETCH(int, shape);
    QFETCH(ChartKind, kind);
    QFETCH(QString, xCaption);
    QFETCH(QString, yCaption);
    QFETCH(QStringList, legends);
    QFETCH(int, points);

    const SampleSet files(static_cast<SampleSet::Shape>(shape));
    const LoadedSet set = loadSet(files.mainFile().toStdString());
    const TSkala opening = openingScale(set, kind, ownUnit(set));
    const ChartDescription chart = describeSetChart(set, kind, opening, ownUnit(set));

    QCOMPARE(chart.xCaption, xCaption);
    QCOMPARE(chart.yCaption, yCaption);
    QCOMPARE(chart.legends, legends);
    QVERIFY(chart.colours.isEmpty());
    QVERIFY(chart.hiddenLines.isEmpty());
    QCOMPARE(chart.lines.size(), std::max<qsizetype>(legends.size(), 1));
    QCOMPARE(chart.series.size(), chart.lines.size());
    QVERIFY(chart.yAxis == yAxisOf(opening));
    if (!isNodeChart(kind))
        QVERIFY(chart.xAxis == xAxisOf(opening));
    for (const QList<QPointF>& series : chart.series) {
        QCOMPARE(series.size(), points);
        for (const QPointF& point : series) {
            QVERIFY2(within(point.x(), chart.xAxis), qPrintable(QString::number(point.x())));
            QVERIFY2(within(point.y(), chart.yAxis), qPrintable(QString::number(point.y())));
        }
    }
    // Every point of the data lies on the opening axes, so every point is drawn.
    for (qsizetype line = 0; line < chart.lines.size(); ++line)
        QCOMPARE(xs(chart.lines[line]).last(), xs(chart.series[line]).last());
}

void ChartDescriptionTest::timeLineRunsFromAxisStartToEnd() {
    const SampleSet files(SampleSet::SemiInfinite);
    const LoadedSet set = loadSet(files.mainFile().toStdString());
    // Stages at 0, 4 and 8 h with potentials 1, 1.1 and 0.8.
    const ChartDescription chart =
        describeSetChart(set, ChartKind::Potential, scale(2, 6, 4), TimeUnit::Hours);
    QCOMPARE(chart.lines.size(), 1);
    const QList<QPointF>& drawn = chart.lines.first();
    QCOMPARE(xs(drawn), (QList<double>{2, 4, 6}));
    QVERIFY(std::abs(drawn[0].y() - 1.05) < axisTolerance);
    QVERIFY(std::abs(drawn[2].y() - 0.95) < axisTolerance);
    QCOMPARE(xs(chart.series.first()), (QList<double>{0, 4, 8}));
    QVERIFY(chart.xAxis == (ChartAxis{2, 1, 4}));
}

void ChartDescriptionTest::nodeAxisStartsAndEndsOnNodes_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<TSkala>("scale");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<QList<double>>("drawn");

    // The last profile's grid: 0, 0.5, 1 and 1.5 mm.
    QTest::newRow("C inside the grid") << ChartKind::Carbon << scale(0.2, 0.9, 4)
                                       << ChartAxis{0, 0.5, 2, true} << QList<double>{0, 0.5, 1};
    QTest::newRow("C past the grid") << ChartKind::Carbon << scale(1.2, 9, 4)
                                     << ChartAxis{1, 0.5, 1, true} << QList<double>{1, 1.5};
    // Case depths at 0, 1, 2 and 3 h go on to the end of their grid.
    QTest::newRow("G") << ChartKind::CaseDepth << scale(0.5, 1.5, 4) << ChartAxis{0, 1, 2, true}
                       << QList<double>{0, 1, 2, 3};
}

void ChartDescriptionTest::nodeAxisStartsAndEndsOnNodes() {
    QFETCH(ChartKind, kind);
    QFETCH(TSkala, scale);
    QFETCH(ChartAxis, xAxis);
    QFETCH(QList<double>, drawn);

    const SampleSet files(SampleSet::SemiInfinite);
    const LoadedSet set = loadSet(files.mainFile().toStdString());
    const ChartDescription chart = describeSetChart(set, kind, scale, TimeUnit::Hours);
    QVERIFY(std::abs(chart.xAxis.start - xAxis.start) < axisTolerance);
    QVERIFY(std::abs(chart.xAxis.step - xAxis.step) < axisTolerance);
    QCOMPARE(chart.xAxis.divisions, xAxis.divisions);
    QVERIFY(chart.xAxis.byNodes);
    for (const QList<QPointF>& line : chart.lines)
        QCOMPARE(xs(line), drawn);
}

// The client's unit names the times of every chart but the temperature's, which is its set's.
void ChartDescriptionTest::clientTimeUnitNamesTimes() {
    const SampleSet files(SampleSet::SemiInfinite);
    const LoadedSet set = loadSet(files.mainFile().toStdString());
    const auto described = [&set](ChartKind kind) {
        return describeSetChart(set, kind, openingScale(set, kind, TimeUnit::Seconds),
                                TimeUnit::Seconds);
    };
    QCOMPARE(described(ChartKind::Potential).xCaption, u"     Carburizing time, s"_s);
    QCOMPARE(described(ChartKind::Temperature).xCaption, u"     Carburizing time, h"_s);
    QCOMPARE(described(ChartKind::Carbon).legends.first(), u"1.125s"_s);
    QCOMPARE(described(ChartKind::Hardness).legends.first(), u"1.125 h"_s);
    QCOMPARE(openingScale(set, ChartKind::Potential, TimeUnit::Seconds).xEnd, 2000.0);
    QCOMPARE(openingScale(set, ChartKind::Temperature, TimeUnit::Seconds).xEnd, 12.0);
}

void ChartDescriptionTest::missingFileOpensOnAnEmptyRecord() {
    const SampleSet files(SampleSet::SemiInfinite);
    files.remove(u"gru"_s);
    const LoadedSet set = loadSet(files.mainFile().toStdString());
    const TSkala opening = openingScale(set, ChartKind::CaseDepth, TimeUnit::Hours);
    QCOMPARE(opening.xEnd, 0.0);
    QCOMPARE(opening.yEnd, 0.0);
    const ChartDescription chart =
        describeSetChart(set, ChartKind::CaseDepth, opening, TimeUnit::Hours);
    QVERIFY(chart.lines.isEmpty());
    QVERIFY(chart.legends.isEmpty());
}

void ChartDescriptionTest::comparisonHasALinePerSetWithTheQuantity() {
    const SampleSet withHardness(SampleSet::SemiInfinite);
    const SampleSet without(SampleSet::SemiInfinite);
    without.remove(u"twa"_s);
    const LoadedSet first = loadSet(without.mainFile().toStdString());
    const LoadedSet second = loadSet(withHardness.mainFile().toStdString());
    const ComparedSet sets[] = {{&first, Qt::red}, {&second, Qt::blue, true}};

    const ComparisonChart hardness = describeComparison(sets, ChartKind::Hardness, 0);
    QCOMPARE(hardness.setOfLine, (std::vector<std::size_t>{1}));
    QCOMPARE(hardness.description.colours, (QList<QColor>{Qt::blue}));
    QCOMPARE(hardness.description.hiddenLines, (QSet<int>{0}));
    QCOMPARE(hardness.description.legends, (QStringList{u"stal20.tav"_s}));
    // The last profile, every point of it drawn, on axes that hold it.
    QCOMPARE(hardness.description.lines, hardness.description.series);
    QCOMPARE(xs(hardness.description.lines.first()), (QList<double>{0, 0.5, 1}));

    const ComparisonChart depths = describeComparison(sets, ChartKind::CaseDepth, 2);
    QCOMPARE(depths.setOfLine, (std::vector<std::size_t>{0, 1}));
    QCOMPARE(depths.description.yCaption, u"Thickness of the case at 0.30% C, mm"_s);
    for (const QList<QPointF>& line : depths.description.series)
        for (const QPointF& point : line)
            QVERIFY(within(point.x(), depths.description.xAxis) &&
                    within(point.y(), depths.description.yAxis));
}

QTEST_GUILESS_MAIN(ChartDescriptionTest)
#include "ChartDescriptionTest.moc"

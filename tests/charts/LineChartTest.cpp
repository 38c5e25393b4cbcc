// The chart control: what it records, and what it makes of the description when it draws.

#include "LineChart.h"
#include "ChartExport.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QLegend>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

using namespace Qt::StringLiterals;

namespace {

QValueAxis* shownAxis(const LineChart& chart, Qt::Orientation orientation) {
    return qobject_cast<QValueAxis*>(chart.chart()->axes(orientation).value(0));
}

} // namespace

Q_DECLARE_METATYPE(ChartAxis)

class LineChartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void spanningNeverDividesByZero_data();
    void spanningNeverDividesByZero();
    void recordsWhatItIsAsked();
    void axisLabels_data();
    void axisLabels();
    void unusableAxisStillShows_data();
    void unusableAxisStillShows();
    void legendOnlyWhenGiven();
    void middleCaptionIsTheTitle();
    void drawingReplacesTheChart();
    void pictures();
    void clipboard();
    void csv();
};

void LineChartTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(QGuiApplication::topLevelWindows().isEmpty());
}

void LineChartTest::spanningNeverDividesByZero_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<ChartAxis>("axis");

    QTest::newRow("ordinary") << 0.0 << 12.0 << 6 << ChartAxis{0, 2, 6};
    QTest::newRow("no divisions") << 0.0 << 12.0 << 0 << ChartAxis{0, 12, 1};
    QTest::newRow("negative divisions") << 800.0 << 950.0 << -3 << ChartAxis{800, 150, 1};
}

void LineChartTest::spanningNeverDividesByZero() {
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, divisions);
    QFETCH(ChartAxis, axis);
    QVERIFY(ChartAxis::spanning(start, end, divisions) == axis);
}

void LineChartTest::recordsWhatItIsAsked() {
    LineChart chart;
    chart.setLineCount(2);
    chart.setXAxis({0, 0.5, 4});
    chart.setYAxis({0, 0.2, 6});
    chart.setCaptions(u"X"_s, u"middle"_s, u"Y"_s);
    chart.setLegend(1, u"second"_s);
    chart.setLegend(2, u"no such line"_s);
    chart.addPoint(0, {0, 1});
    chart.addPoint(1, {0, 2});
    chart.addPoint(0, {0.5, 3});
    chart.addPoint(5, {9, 9});

    const ChartDescription& description = chart.description();
    QVERIFY(description.xAxis == (ChartAxis{0, 0.5, 4}));
    QVERIFY(description.yAxis == (ChartAxis{0, 0.2, 6}));
    QCOMPARE(description.xCaption, u"X"_s);
    QCOMPARE(description.middleCaption, u"middle"_s);
    QCOMPARE(description.yCaption, u"Y"_s);
    QCOMPARE(description.legends, (QStringList{QString(), u"second"_s}));
    QCOMPARE(description.lines.size(), 2);
    QCOMPARE(description.lines[0], (QList<QPointF>{{0, 1}, {0.5, 3}}));
    QCOMPARE(description.lines[1], (QList<QPointF>{{0, 2}}));

    // A new description forgets the lines and legends of the last one.
    chart.setLineCount(1);
    QVERIFY(chart.description().legends.isEmpty());
    QCOMPARE(chart.description().lines, (QList<QList<QPointF>>{{}}));
}

void LineChartTest::axisLabels_data() {
    QTest::addColumn<ChartAxis>("axis");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("tickCount"); // 0: labels at a coarser interval
    QTest::addColumn<double>("interval");

    QTest::newRow("hours") << ChartAxis{0, 2, 6} << 12.0 << u"%.0f"_s << 7 << 0.0;
    QTest::newRow("temperature") << ChartAxis{800, 10, 15} << 950.0 << u"%.0f"_s << 16 << 0.0;
    QTest::newRow("carbon") << ChartAxis{0, 0.1, 12} << 1.2 << u"%.1f"_s << 13 << 0.0;
    QTest::newRow("case depth") << ChartAxis{0, 0.1, 16} << 1.6 << u"%.1f"_s << 17 << 0.0;
    QTest::newRow("quarter steps") << ChartAxis{0, 0.25, 4} << 1.0 << u"%.2f"_s << 5 << 0.0;
    QTest::newRow("odd start") << ChartAxis{0.05, 0.5, 2} << 1.05 << u"%.2f"_s << 3 << 0.0;
    // A resampled profile grid: one division per node, labelled every third node.
    QTest::newRow("node grid") << ChartAxis{0, 0.052314, 45} << 2.35413 << u"%.3f"_s << 0
                               << 0.156942;
}

void LineChartTest::axisLabels() {
    QFETCH(ChartAxis, axis);
    QFETCH(double, max);
    QFETCH(QString, format);
    QFETCH(int, tickCount);
    QFETCH(double, interval);

    LineChart chart;
    chart.setLineCount(1);
    chart.setXAxis(axis);
    chart.setYAxis(axis);
    chart.draw();
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const QValueAxis* shown = shownAxis(chart, orientation);
        QVERIFY(shown);
        QVERIFY(qFuzzyCompare(shown->min() + 1, axis.start + 1));
        QVERIFY(qFuzzyCompare(shown->max(), max));
        QCOMPARE(shown->labelFormat(), format);
        if (tickCount > 0) {
            QCOMPARE(shown->tickType(), QValueAxis::TicksFixed);
            QCOMPARE(shown->tickCount(), tickCount);
        } else {
            QCOMPARE(shown->tickType(), QValueAxis::TicksDynamic);
            QVERIFY(qFuzzyCompare(shown->tickInterval(), interval));
            QVERIFY(qFuzzyCompare(shown->tickAnchor() + 1, axis.start + 1));
        }
    }
}

void LineChartTest::unusableAxisStillShows_data() {
    QTest::addColumn<ChartAxis>("axis");
    QTest::newRow("no divisions") << ChartAxis{0, 1, 0};
    QTest::newRow("empty range") << ChartAxis{2, 0, 4};
    QTest::newRow("inverted range") << ChartAxis{5, -1, 4};
    QTest::newRow("not a number") << ChartAxis{0, std::numeric_limits<double>::quiet_NaN(), 4};
}

void LineChartTest::unusableAxisStillShows() {
    QFETCH(ChartAxis, axis);
    LineChart chart;
    chart.setLineCount(1);
    chart.setXAxis(axis);
    chart.setYAxis({0, 1, 1});
    chart.addPoint(0, {0, 0.5});
    chart.draw();
    const QValueAxis* shown = shownAxis(chart, Qt::Horizontal);
    QVERIFY(shown->max() > shown->min());
    QVERIFY(shown->tickCount() >= 2);
    QVERIFY(!chart.image(QSize(300, 200)).isNull());
}

void LineChartTest::legendOnlyWhenGiven() {
    LineChart chart;
    chart.setLineCount(1);
    chart.draw();
    QVERIFY(!chart.chart()->legend()->isVisible());

    chart.setLineCount(2);
    chart.setLegend(0, u"1.125h"_s);
    chart.setLegend(1, u"2.50h"_s);
    chart.draw();
    QVERIFY(chart.chart()->legend()->isVisible());
    const QList<QAbstractSeries*> series = chart.chart()->series();
    QCOMPARE(series.size(), 2);
    QCOMPARE(series[0]->name(), u"1.125h"_s);
    QCOMPARE(series[1]->name(), u"2.50h"_s);
}

void LineChartTest::middleCaptionIsTheTitle() {
    LineChart chart;
    chart.setLineCount(1);
    chart.setCaptions(u"     Carburizing time, h"_s, u"Mean carbon"_s,
                      u"Carbon concentration, %"_s);
    chart.draw();
    QCOMPARE(chart.chart()->title(), u"Mean carbon"_s);
    QCOMPARE(shownAxis(chart, Qt::Horizontal)->titleText(), u"     Carburizing time, h"_s);
    QCOMPARE(shownAxis(chart, Qt::Vertical)->titleText(), u"Carbon concentration, %"_s);
}

void LineChartTest::drawingReplacesTheChart() {
    LineChart chart;
    chart.setLineCount(1);
    chart.addPoint(0, {0, 1});
    chart.addPoint(0, {1, 2});
    chart.draw();
    const auto* line = qobject_cast<QLineSeries*>(chart.chart()->series().value(0));
    QVERIFY(line);
    QCOMPARE(line->points(), (QList<QPointF>{{0, 1}, {1, 2}}));

    chart.setLineCount(1);
    chart.addPoint(0, {5, 5});
    chart.draw();
    QCOMPARE(chart.chart()->series().size(), 1);
    line = qobject_cast<QLineSeries*>(chart.chart()->series().value(0));
    QCOMPARE(line->points(), (QList<QPointF>{{5, 5}}));
}

void LineChartTest::pictures() {
    LineChart chart;
    chart.setLineCount(1);
    chart.setXAxis({0, 2, 6});
    chart.setYAxis({800, 10, 15});
    chart.addPoint(0, {0, 900});
    chart.addPoint(0, {8, 880});
    chart.draw();
    QCOMPARE(chart.image(QSize(640, 480)).size(), QSize(640, 480));
    const QImage sharp = chart.image(QSize(320, 200), 3);
    QCOMPARE(sharp.size(), QSize(960, 600));
    QCOMPARE(sharp.devicePixelRatio(), 3.0);
}

void LineChartTest::clipboard() {
    LineChart chart;
    chart.resize(400, 300);
    chart.setLineCount(1);
    chart.addPoint(0, {0, 0});
    chart.draw();
    QGuiApplication::clipboard()->clear();
    chart.copyToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(400, 300));
}

void LineChartTest::csv() {
    ChartDescription time;
    time.xCaption = u"     Carburizing time, h"_s;
    time.yCaption = u"Temperature, C"_s;
    time.lines = {{{0, 900}, {2.5, 910.25}}};
    QCOMPARE(csvText(time), u"\"Carburizing time, h\",\"Temperature, C\"\n0,900\n2.5,910.25\n"_s);

    ChartDescription nodes;
    nodes.xCaption = u"Distance from the surface, mm"_s;
    nodes.yCaption = u"Carbon concentration, %"_s;
    nodes.legends = {u"1.125h"_s, u"say \"2\""_s};
    nodes.lines = {{{0, 1}, {0.5, 0.6}}, {{0, 1.05}, {0.5, 0.8}}};
    QCOMPARE(
        csvText(nodes),
        u"\"Distance from the surface, mm\",1.125h,\"say \"\"2\"\"\"\n0,1,1.05\n0.5,0.6,0.8\n"_s);
}

QTEST_MAIN(LineChartTest)
#include "LineChartTest.moc"

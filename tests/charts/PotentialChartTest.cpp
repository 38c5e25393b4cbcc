// The potential chart shows what the surface was offered: the potential over gas stages, the
// saturation limit over boosts and a gap over neutral stages, with a legend that says so; a
// programme of gas stages keeps the chart it always had. Drawn, saved as a table, and clicked.

#include "ChartDescription.h"
#include "ChartExport.h"
#include "ChartTestSupport.h"
#include "LineChart.h"
#include "Saturation.h"

#include <QAbstractGraphicsShapeItem>
#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr StageCondition gas{};
constexpr StageCondition neutral{SurfaceCondition::Neutral, std::nullopt};
const StageCondition boost{SurfaceCondition::Boost, std::nullopt};

// 0–1 h gas at 0.9 % C, 1–1.5 h boost, 1.5–3 h neutral, 3–4 h boost, 4–5 h gas down to 0.7 % C.
LoadedSet pulses() {
    LoadedSet set;
    set.process.status = FileStatus::Whole;
    TDane& data = set.process.series;
    data.alloy = {1, 0.2, 0.6, 0.3, 1};
    const struct {
        double time, potential;
        StageCondition condition;
    } rows[] = {{0, 0.9, gas},     {1, 0.9, gas},   {1.5, 0.9, boost},
                {3, 0.9, neutral}, {4, 0.9, boost}, {5, 0.7, gas}};
    for (const auto& row : rows) {
        data.times.push_back(row.time);
        data.temperatures.push_back(920);
        data.potentials.push_back(row.potential);
        data.conditions.push_back(row.condition);
    }
    return set;
}

// 0–4 h logged every hour: 1.0, then burn-off at 1 h and 2 h (the run held 1.1 % C), then 1.2
// and 0.8 % C; the setpoint 1.1 % C, 0.8 % C at the end.
LoadedSet loggedLoad() {
    LoadedSet set;
    set.process.status = FileStatus::Whole;
    TDane& data = set.process.series;
    data.times = {0, 1, 2, 3, 4};
    data.temperatures = {920, 920, 920, 920, 920};
    data.potentials = {1.0, 1.1, 1.1, 1.2, 0.8};
    AsRunRecord record;
    record.rows = {{1.1, false, false},
                   {1.1, false, true},
                   {1.1, false, true},
                   {1.1, true, false},
                   {0.8, true, false}};
    set.asRun = record;
    return set;
}

double limit(const LoadedSet& set) {
    return saturationCarbon(920, set.process.series.alloy);
}

const QString potential = u"potencjał węglowy"_s;
const QString saturation = u"granica nasycenia"_s;
const QString gap = u"przerwa: etap obojętny"_s;
const double breaks = std::nan("");

// The swatch of a legend entry as the view shows it: the shape drawn left of the entry's text.
QRect swatchOf(const LineChart& chart, int line) {
    const QPoint label = legendEntry(chart, line);
    const QLegend* legend = chart.chart()->legend();
    QRectF nearest;
    for (QGraphicsItem* item : chart.scene()->items()) {
        const auto* shape = dynamic_cast<QAbstractGraphicsShapeItem*>(item);
        if (!shape || !shape->isVisible() || !legend->isAncestorOf(shape))
            continue;
        const QRectF drawn = chart.mapFromScene(shape->sceneBoundingRect()).boundingRect();
        if (std::abs(drawn.center().y() - label.y()) < drawn.height() &&
            drawn.right() < label.x() && (nearest.isNull() || drawn.right() > nearest.right()))
            nearest = drawn;
    }
    return nearest.toRect();
}

ChartDescription described(const LoadedSet& set) {
    return describeSetChart(set, ChartKind::Potential,
                            openingScale(set, ChartKind::Potential, TimeUnit::Hours),
                            TimeUnit::Hours);
}

} // namespace

class PotentialChartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(noWindowLeft()); }
    void gasProgrammeKeepsItsChart();
    void linesAndLegendOfTheOffer();
    void tableLinesUpTheOffers();
    void brokenLinesDrawnInPieces();
    void legendHidesEveryPieceOfALine();
    void loggedLoadShowsItsPotentialSetpointAndBurnOff();
    void loggedLoadDrawnWithALegendAsDrawn();
    void loggedLoadFromItsPlanNamesThePlan();
    void gapSwatchIsDrawnAsTheGap();
};

void PotentialChartTest::gasProgrammeKeepsItsChart() {
    LoadedSet set = pulses();
    for (StageCondition& condition : set.process.series.conditions)
        condition = gas;
    const ChartDescription chart = described(set);
    QVERIFY(chart.legends.isEmpty());
    QVERIFY(chart.colours.isEmpty());
    QCOMPARE(chart.lines.size(), 1);
    COMPARE_POINTS(chart.series.first(),
                   (QList<QPointF>{{0, 0.9}, {1, 0.9}, {1.5, 0.9}, {3, 0.9}, {4, 0.9}, {5, 0.7}}));
    // The opening axes of the gas chart: 0 to 12 h, 0 to 1.2 % C.
    COMPARE_AXIS(chart.yAxis, (ChartAxis{0, 0.1, 12}));
}

void PotentialChartTest::linesAndLegendOfTheOffer() {
    const LoadedSet set = pulses();
    const ChartDescription chart = described(set);
    QCOMPARE(chart.legends, (QStringList{potential, saturation, gap}));
    QCOMPARE(chart.lines.size(), 3);
    const double top = limit(set);
    COMPARE_POINTS(
        chart.lines[0],
        (QList<QPointF>{{0, 0.9}, {0, 0.9}, {1, 0.9}, {breaks, breaks}, {4, 0.9}, {5, 0.7}}));
    COMPARE_POINTS(chart.lines[1],
                   (QList<QPointF>{{1, top}, {1.5, top}, {breaks, breaks}, {3, top}, {4, top}}));
    // The gaps have a legend and no line.
    QVERIFY(chart.lines[2].isEmpty());
    // The limit lies above the potential chart's usual 1.2 % C: the axis holds it.
    QVERIFY(chart.yAxis.end() >= top);
}

void PotentialChartTest::tableLinesUpTheOffers() {
    const LoadedSet set = pulses();
    const QString top = QString::number(limit(set), 'g', 10);
    const QStringList rows = csvText(described(set)).split(u'\n');
    QCOMPARE(
        rows.mid(0, 8),
        (QStringList{u"\"Carburizing time, h\",potencjał węglowy,granica nasycenia,przerwa: etap "
                     u"obojętny"_s,
                     u"0,0.9,,"_s, u"1,0.9,,"_s, u"1,,"_s + top + u","_s, u"1.5,,"_s + top + u","_s,
                     u",,,"_s, u"3,,"_s + top + u","_s, u"4,,"_s + top + u","_s}));
}

void PotentialChartTest::brokenLinesDrawnInPieces() {
    LineChart chart;
    chart.resize(640, 400);
    chart.setDescription(described(pulses()));
    chart.draw();
    const QList<QAbstractSeries*> series = chart.chart()->series();
    // Two pieces of the potential, two of the limit, the legend of the gaps.
    QCOMPARE(series.size(), 5);
    QList<int> lineOfSeries;
    int markersShown = 0;
    for (QAbstractSeries* piece : series) {
        lineOfSeries.append(piece->property("describedLine").toInt());
        for (QLegendMarker* marker : chart.chart()->legend()->markers(piece))
            markersShown += marker->isVisible() ? 1 : 0;
    }
    QCOMPARE(lineOfSeries, (QList<int>{0, 0, 1, 1, 2}));
    QCOMPARE(markersShown, 3);
    const auto colour = [&series](int index) {
        return static_cast<QLineSeries*>(series[index])->color();
    };
    QCOMPARE(colour(1), colour(0));
    QCOMPARE(colour(3), colour(2));
    QVERIFY(colour(2) != colour(0));
    QVERIFY(colour(4) != colour(0) && colour(4) != colour(2));
    QCOMPARE(static_cast<QLineSeries*>(series[1])->pen(),
             static_cast<QLineSeries*>(series[0])->pen());
    QCOMPARE(static_cast<QLineSeries*>(series[1])->points(), (QList<QPointF>{{4, 0.9}, {5, 0.7}}));
    // The read-out finds the points of a broken line.
    QVERIFY(chart.readOutAt(chart.chart()->mapToPosition(QPointF(5, 0.7)).toPoint())
                .startsWith(potential));
}

void PotentialChartTest::legendHidesEveryPieceOfALine() {
    LineChart chart;
    chart.resize(640, 400);
    chart.setDescription(described(pulses()));
    chart.draw();
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy toggled(&chart, &LineChart::lineToggled);
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier, legendEntry(chart, 1));
    QTRY_COMPARE(toggled.size(), 1);
    QCOMPARE(toggled.first().first().toInt(), 1);
    QVERIFY(!chart.isLineVisible(1));
    for (QAbstractSeries* piece : chart.chart()->series())
        QCOMPARE(piece->isVisible(), piece->property("describedLine").toInt() != 1);
    int markersShown = 0;
    for (QLegendMarker* marker : chart.chart()->legend()->markers())
        markersShown += marker->isVisible() ? 1 : 0;
    QCOMPARE(markersShown, 3);
}

const QString logged = u"potencjał z zapisu pieca"_s;
const QString setpoint = u"wartość zadana"_s;
const QString burnOff = u"przerwa: wypalanie sadzy"_s;

void PotentialChartTest::loggedLoadShowsItsPotentialSetpointAndBurnOff() {
    const ChartDescription chart = described(loggedLoad());
    QCOMPARE(chart.legends, (QStringList{logged, setpoint, burnOff}));
    QCOMPARE(chart.series.size(), 3);
    // The window from 1 h to 3 h: the line stops at 1 h and goes on from 3 h.
    COMPARE_POINTS(
        chart.series[0],
        (QList<QPointF>{{0, 1.0}, {1, 1.1}, {1, breaks}, {2, breaks}, {3, 1.2}, {4, 0.8}}));
    COMPARE_POINTS(chart.series[1],
                   (QList<QPointF>{{0, 1.1}, {1, 1.1}, {1, 1.1}, {2, 1.1}, {3, 1.1}, {4, 0.8}}));
    QVERIFY(chart.lines[2].isEmpty());
    const QStringList rows = csvText(chart).split(u'\n');
    QCOMPARE(rows.mid(2, 3), (QStringList{u"1,1.1,1.1,"_s, u"1,,1.1,"_s, u"2,,1.1,"_s}));
}

void PotentialChartTest::loggedLoadDrawnWithALegendAsDrawn() {
    LineChart chart;
    chart.resize(640, 400);
    chart.setDescription(described(loggedLoad()));
    chart.draw();
    const QList<QAbstractSeries*> series = chart.chart()->series();
    // Two pieces of the logged potential, the setpoint unbroken, the legend of the windows.
    QList<int> lineOfSeries;
    QStringList shownLegends;
    for (QAbstractSeries* piece : series) {
        lineOfSeries.append(piece->property("describedLine").toInt());
        for (QLegendMarker* marker : chart.chart()->legend()->markers(piece))
            if (marker->isVisible())
                shownLegends.append(marker->label());
    }
    QCOMPARE(lineOfSeries, (QList<int>{0, 0, 1, 2}));
    QCOMPARE(shownLegends, (QStringList{logged, setpoint, burnOff}));
    const auto line = [&series](int index) { return static_cast<QLineSeries*>(series[index]); };
    QCOMPARE(line(1)->color(), line(0)->color());
    QVERIFY(line(2)->color() != line(0)->color());
    QCOMPARE(line(1)->points(), (QList<QPointF>{{3, 1.2}, {4, 0.8}}));
    QVERIFY(line(3)->points().isEmpty());
}

void PotentialChartTest::loggedLoadFromItsPlanNamesThePlan() {
    LoadedSet set = loggedLoad();
    set.asRun->setpointFromPlan = true;
    for (AsRunRow& row : set.asRun->rows)
        row.masked = false;
    const ChartDescription chart = described(set);
    QCOMPARE(chart.legends, (QStringList{logged, u"potencjał planu"_s}));
    COMPARE_POINTS(chart.series[0],
                   (QList<QPointF>{{0, 1.0}, {1, 1.1}, {2, 1.1}, {3, 1.2}, {4, 0.8}}));
}

// Over neutral stages the chart draws nothing: the gaps' swatch is empty, the lines' swatches
// are filled with their colours, as shown in the window and after the window has been resized.
void PotentialChartTest::gapSwatchIsDrawnAsTheGap() {
    LineChart chart;
    chart.resize(640, 400);
    chart.setDescription(described(pulses()));
    chart.draw();
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    for (const QSize size : {QSize(640, 400), QSize(720, 420)}) {
        chart.resize(size);
        chart.draw();
        QApplication::processEvents();
        const QImage shown = chart.viewport()->grab().toImage();
        const QRect gapSwatch = swatchOf(chart, 2);
        const QRect lineSwatch = swatchOf(chart, 0);
        QVERIFY(!gapSwatch.isEmpty() && !lineSwatch.isEmpty());
        // The legend's own background, beside the swatch.
        const QColor background = shown.pixelColor(gapSwatch.left() - 4, gapSwatch.center().y());
        QCOMPARE(shown.pixelColor(gapSwatch.center()), background);
        QVERIFY(shown.pixelColor(gapSwatch.topLeft()) != background); // its outline
        const auto* potentialLine = static_cast<QLineSeries*>(chart.chart()->series().first());
        QCOMPARE(shown.pixelColor(lineSwatch.center()), potentialLine->color());
    }
}

QTEST_MAIN(PotentialChartTest)
#include "PotentialChartTest.moc"

// What a user does on a drawn chart: reads values off it with the mouse, drags a rectangle to
// zoom and returns, hides a line through its legend, and saves the chart in each format.

#include "ChartExport.h"
#include "ChartTestSupport.h"
#include "LineChart.h"
#include "NearestPoint.h"
#include "TChartMDIChild.h"

#include <QChart>
#include <QFile>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <cmath>
#include <limits>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// y = x² at x = 0..4 on axes 0..4 and 0..16, and a flat line at y = 12 named "flat".
void drawParabola(LineChart& chart) {
    chart.resize(600, 450);
    ChartDescription description;
    description.xAxis = ChartAxis::spanning(0, 4, 4);
    description.yAxis = ChartAxis::spanning(0, 16, 8);
    description.xCaption = u"     Carburizing time, h"_s;
    description.yCaption = u"Carbon concentration, %"_s;
    description.lines = {{}, {}};
    for (int x = 0; x <= 4; ++x) {
        description.lines[0].append(QPointF(x, x * x));
        description.lines[1].append(QPointF(x, 12));
    }
    description.legends = {u"parabola"_s, u"flat"_s};
    chart.setDescription(description);
    chart.draw();
}

// A measurement of two points beside the parabola, at 1.5 and 3.5 h and 14.5 %.
void addMeasurement(LineChart& chart) {
    ChartDescription description = chart.description();
    description.measurements.append(MeasuredPoints{
        u"traverse.csv"_s, u"traverse.csv: RMS 1 %"_s, {{1.5, 14.5}, {3.5, 14.5}}, Qt::darkRed});
    chart.setDescription(description);
    chart.draw();
}

constexpr double lost = std::numeric_limits<double>::quiet_NaN(); // a break in a line

} // namespace

class ChartReadOutTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void readOutNamesTheNearestPoint_data();
    void readOutNamesTheNearestPoint();
    void readOutFollowsTheLineBetweenPoints_data();
    void readOutFollowsTheLineBetweenPoints();
    void readOutOnlyWhereTheChartIsDrawn();
    void hoverShowsTheReadOut();
    void hoverBetweenRowsReadsTheTemperature();
    void segmentSearch_data();
    void segmentSearch();
    void bisectingFindsWhatAScanFinds_data();
    void bisectingFindsWhatAScanFinds();
    void dragZoomsAndReturns_data();
    void dragZoomsAndReturns();
    void legendClickHidesAndShowsALine();
    void savedFilesOpen_data();
    void savedFilesOpen();
};

void ChartReadOutTest::cleanup() {
    QVERIFY(noWindowLeft());
}

void ChartReadOutTest::readOutNamesTheNearestPoint_data() {
    QTest::addColumn<QPointF>("mouse");
    QTest::addColumn<QString>("readOut");

    QTest::newRow("beside a point")
        << QPointF(1.05, 1.3) << u"parabola\nx = 1.00 h\ny = 1.000 % C"_s;
    QTest::newRow("between points, nearer the later")
        << QPointF(2.95, 8.7) << u"parabola\nx = 3.00 h\ny = 9.000 % C"_s;
    QTest::newRow("the other line") << QPointF(2.1, 11.8) << u"flat\nx = 2.00 h\ny = 12.000 % C"_s;
    QTest::newRow("far from every point") << QPointF(0.5, 15) << QString();
    QTest::newRow("a measured point")
        << QPointF(3.45, 14.6) << u"traverse.csv\nx = 3.50 h\ny = 14.500 % C"_s;
    // Markers are drawn unjoined: nothing lies between them.
    QTest::newRow("between measured points") << QPointF(2.5, 14.5) << QString();
}

void ChartReadOutTest::readOutNamesTheNearestPoint() {
    QFETCH(QPointF, mouse);
    QFETCH(QString, readOut);
    LineChart chart;
    drawParabola(chart);
    addMeasurement(chart);
    QCOMPARE(chart.readOutAt(viewPoint(chart, mouse)), readOut);
}

void ChartReadOutTest::readOutFollowsTheLineBetweenPoints_data() {
    QTest::addColumn<QPointF>("mouse");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y"); // read from the line at the x read

    // The parabola is drawn straight from (2, 4) to (3, 9): 6.5 % at 2.5 h.
    QTest::newRow("on a segment") << QPointF(2.5, 6.5) << u"parabola"_s << 2.5 << 6.5;
    QTest::newRow("beside a segment") << QPointF(2.5, 7.2) << u"parabola"_s << 2.5 << 6.5;
    QTest::newRow("the flat line") << QPointF(1.5, 12.4) << u"flat"_s << 1.5 << 12.0;
}

void ChartReadOutTest::readOutFollowsTheLineBetweenPoints() {
    QFETCH(QPointF, mouse);
    QFETCH(QString, name);
    QFETCH(double, x);
    QFETCH(double, y);
    LineChart chart;
    drawParabola(chart);
    const std::optional<ReadOut> readOut = parsedReadOut(chart.readOutAt(viewPoint(chart, mouse)));
    QVERIFY(readOut);
    QCOMPARE(readOut->name, name);
    // The mouse's x, within the pixel the mouse stands on (4 h over more than 400 px), to the
    // decimal a pixel resolves.
    QVERIFY2(std::abs(readOut->x - x) < 0.01, qPrintable(QString::number(readOut->x)));
    const double pixel = 4 / chart.chart()->plotArea().width();
    const double decimals = std::pow(10.0, -std::floor(std::log10(pixel)));
    QVERIFY2(std::abs(readOut->x * decimals - std::round(readOut->x * decimals)) < 1e-6,
             qPrintable(QString::number(readOut->x, 'g', 10)));
    // The line's own value there, within the six digits the read-out shows.
    const double slope = name == u"flat"_s ? 0 : 5;
    QVERIFY2(std::abs(readOut->y - (y + slope * (readOut->x - x))) < 1e-4,
             qPrintable(QString::number(readOut->y)));
}

// Zoomed in to 0..2 h and 0..4 %, the parabola runs on beyond the plot's corner, undrawn: the
// mouse on it there reads nothing, while the drawn part is still read.
void ChartReadOutTest::readOutOnlyWhereTheChartIsDrawn() {
    LineChart chart;
    drawParabola(chart);
    chart.zoomTo(viewPoint(chart, {0, 4}), viewPoint(chart, {2, 0}));
    QCOMPARE(chart.readOutAt(viewPoint(chart, {1, 1})), u"parabola\nx = 1.00 h\ny = 1.000 % C"_s);
    // The zoom ends on a round value at or beyond 2 h: the parabola past it is not drawn.
    const double end = chart.shownXAxis().end();
    QCOMPARE(chart.readOutAt(viewPoint(chart, {end + 0.1, (end + 0.1) * (end + 0.1)})), QString());
    QCOMPARE(chart.readOutAt(viewPoint(chart, {end + 0.2, (end + 0.2) * (end + 0.2)})), QString());
}

void ChartReadOutTest::hoverShowsTheReadOut() {
    LineChart chart;
    drawParabola(chart);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    // A line without a legend is named by its Y caption's quantity.
    ChartDescription unnamed = chart.description();
    unnamed.legends[0].clear();
    chart.setDescription(unnamed);
    chart.setLineVisible(1, false);
    chart.draw();
    // As the window system moves the mouse: to the viewport, with no button held.
    QTest::mouseMove(chart.viewport(), viewPoint(chart, QPointF(4, 16)));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"Carbon concentration\nx = 4.00 h\ny = 16.000 % C"_s);
    // A hidden line is not read.
    QTest::mouseMove(chart.viewport(), viewPoint(chart, QPointF(2, 12)));
    QTRY_VERIFY(!QToolTip::isVisible());
}

// The T chart of the sample set goes from 900 °C at 0 h to 920 °C at its next row, 4 h; the
// mouse a little below the line at 3 h, moved as the window system moves it, reads 915 °C.
void ChartReadOutTest::hoverBetweenRowsReadsTheTemperature() {
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Temperature, set.context, u"set - T"_s);
    QVERIFY(showAtWorkingSize(set.area, *window));
    const LineChart& chart = window->chart();
    // Far from both rows: nothing but the line lies within reach.
    QVERIFY(viewPoint(chart, {4, 920}).x() - viewPoint(chart, {3, 915}).x() > 40);
    QTest::mouseMove(chart.viewport(), viewPoint(chart, {3, 915}) + QPoint(0, 5));
    QTRY_VERIFY(QToolTip::isVisible());
    verifyTemperatureNearThreeHours(QToolTip::text());
    if (QTest::currentTestFailed())
        return;
    QVERIFY(QToolTip::text().endsWith(u" C"_s));
}

void ChartReadOutTest::segmentSearch_data() {
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QPointF>("mouse");
    QTest::addColumn<qsizetype>("segment");
    QTest::addColumn<double>("distance"); // px, at 10 px per unit of x and 1 per unit of y
    QTest::addColumn<QPointF>("reading");

    const QList<QPointF> peak{{0, 0}, {4, 40}, {8, 0}};
    QTest::newRow("between points")
        << peak << true << QPointF(5, 33) << qsizetype(1) << 3 / std::sqrt(2.0) << QPointF(5, 30);
    QTest::newRow("before the first point")
        << peak << true << QPointF(-1, 5) << qsizetype(0) << std::sqrt(125.0) << QPointF(0, 0);
    QTest::newRow("beyond the last point")
        << peak << true << QPointF(9, 5) << qsizetype(1) << std::sqrt(125.0) << QPointF(8, 0);
    // A step up at 2: its end nearer the mouse.
    const QList<QPointF> step{{0, 10}, {2, 10}, {2, 50}, {4, 50}};
    QTest::newRow("on a vertical step")
        << step << true << QPointF(2.1, 40) << qsizetype(1) << 1.0 << QPointF(2, 50);
    QTest::newRow("below the middle of a step")
        << step << true << QPointF(1.9, 20) << qsizetype(1) << 1.0 << QPointF(2, 10);
    // Steep: the mouse's x lies past the segment's end, which is read.
    QTest::newRow("beside a steep segment")
        << QList<QPointF>{{0, 0}, {1, 100}, {4, 100}} << true << QPointF(1.2, 50) << qsizetype(0)
        << 700 / std::sqrt(10100.0) << QPointF(1, 100);
    // Joined, the line would pass under the mouse at 3; broken there, its nearest piece is read.
    QTest::newRow("at a break") << QList<QPointF>{{0, 0}, {2, 20}, {lost, lost}, {4, 40}, {6, 60}}
                                << false << QPointF(3.2, 32) << qsizetype(3) << std::sqrt(128.0)
                                << QPointF(4, 40);
    QTest::newRow("descending x") << QList<QPointF>{{8, 0}, {4, 40}, {0, 0}} << false
                                  << QPointF(1, 12) << qsizetype(1) << std::sqrt(2.0)
                                  << QPointF(1, 10);
    QTest::newRow("a point between breaks")
        << QList<QPointF>{{0, 0}, {lost, lost}, {2, 20}, {lost, lost}} << false << QPointF(1, 10)
        << qsizetype(-1) << std::numeric_limits<double>::max() << QPointF();
}

void ChartReadOutTest::segmentSearch() {
    QFETCH(QList<QPointF>, points);
    QFETCH(bool, ascending);
    QFETCH(QPointF, mouse);
    QFETCH(qsizetype, segment);
    QFETCH(double, distance);
    QFETCH(QPointF, reading);
    // A line whose x ascends is bisected; scanned, it gives the same.
    for (const bool bisect : {ascending, false}) {
        const NearestSegment found = nearestSegment(points, bisect, mouse, 10, 1);
        QCOMPARE(found.index, segment);
        QCOMPARE(found.distance, distance);
        if (segment >= 0)
            QCOMPARE(found.reading, reading);
    }
}

void ChartReadOutTest::bisectingFindsWhatAScanFinds_data() {
    QTest::addColumn<double>("xScale");
    QTest::addColumn<double>("yScale");
    QTest::newRow("even scales") << 1.0 << 1.0;
    QTest::newRow("steep") << 0.001 << 50.0;
    QTest::newRow("flat") << 80.0 << 0.01;
}

void ChartReadOutTest::bisectingFindsWhatAScanFinds() {
    QFETCH(double, xScale);
    QFETCH(double, yScale);
    QRandomGenerator random(7);
    QList<QPointF> points;
    double x = 0;
    for (int i = 0; i < 100000; ++i) {
        x += random.bounded(1.0) < 0.1 ? 0 : random.bounded(0.01); // repeated times too
        points.append(QPointF(x, random.bounded(100.0)));
    }
    for (int query = 0; query < 200; ++query) {
        const QPointF at(random.bounded(x * 1.1) - x * 0.05, random.bounded(120.0) - 10);
        const NearestPoint bisected = nearestPoint(points, true, at, xScale, yScale);
        const NearestPoint scanned = nearestPoint(points, false, at, xScale, yScale);
        QCOMPARE(bisected.distance, scanned.distance);
        const NearestSegment bisectedSegment = nearestSegment(points, true, at, xScale, yScale);
        const NearestSegment scannedSegment = nearestSegment(points, false, at, xScale, yScale);
        // Two segments meeting at the point nearest the mouse are equally near; either will do.
        QCOMPARE(bisectedSegment.distance, scannedSegment.distance);
    }
    QCOMPARE(nearestPoint({}, true, QPointF(1, 1), 1, 1).index, -1);
    QCOMPARE(nearestSegment({}, true, QPointF(1, 1), 1, 1).index, -1);
    QCOMPARE(nearestSegment({{0, 0}}, true, QPointF(1, 1), 1, 1).index, -1);
}

void ChartReadOutTest::dragZoomsAndReturns_data() {
    QTest::addColumn<bool>("byDoubleClick"); // else by the fit command
    QTest::newRow("double-click") << true;
    QTest::newRow("fit command") << false;
}

void ChartReadOutTest::dragZoomsAndReturns() {
    QFETCH(bool, byDoubleClick);
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Surface, set.context, u"set - Pow"_s);
    showIn(set.area, *window);
    set.area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&set.area));
    const LineChart& chart = window->chart();
    const ChartAxis xOwn = chart.shownXAxis();
    const ChartAxis yOwn = chart.shownYAxis();

    const QPoint from = viewPoint(chart, QPointF(2, 0.3));
    const QPoint to = viewPoint(chart, QPointF(6, 0.9));
    QTest::mousePress(chart.viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(chart.viewport(), to);
    QTest::mouseRelease(chart.viewport(), Qt::LeftButton, Qt::NoModifier, to);
    QVERIFY(chart.isZoomed());
    // The dragged values within a pixel's worth, on round values a step apart at most beyond.
    for (const auto& [axis, low, high] :
         {std::tuple(chart.shownXAxis(), 2.0, 6.0), std::tuple(chart.shownYAxis(), 0.3, 0.9)}) {
        const double pixel = (high - low) / 100;
        QVERIFY(axis.start <= low + pixel && axis.start > low - pixel - axis.step);
        QVERIFY(axis.end() >= high - pixel && axis.end() < high + pixel + axis.step);
        QCOMPARE(roundStep(axis.step), axis.step);
        const double multiple = axis.start / axis.step;
        QVERIFY2(std::abs(multiple - std::round(multiple)) < 1e-6, qPrintable(axisText(axis)));
    }
    // A resize redraws the zoomed chart.
    window->draw();
    QVERIFY(chart.isZoomed());

    if (byDoubleClick)
        QTest::mouseDClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier, from);
    else
        window->fit();
    QVERIFY(!chart.isZoomed());
    COMPARE_AXIS(chart.shownXAxis(), xOwn);
    COMPARE_AXIS(chart.shownYAxis(), yOwn);
}

void ChartReadOutTest::legendClickHidesAndShowsALine() {
    LineChart chart;
    drawParabola(chart);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy toggled(&chart, &LineChart::lineToggled);
    const auto marker = [&chart](int line) {
        return chart.chart()->legend()->markers(chart.chart()->series()[line]).first();
    };
    const auto clickLegend = [&chart](int line) {
        QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier,
                          legendEntry(chart, line));
    };
    clickLegend(1);
    QTRY_COMPARE(toggled.size(), 1);
    QVERIFY(!chart.isLineVisible(1));
    QVERIFY(!chart.chart()->series()[1]->isVisible());
    QVERIFY(chart.chart()->series()[0]->isVisible());
    // The click neither zoomed nor left a rectangle behind.
    QVERIFY(!chart.isZoomed());
    // The entry stays, to show the line again; a new description keeps it hidden.
    QVERIFY(marker(1)->isVisible());
    chart.draw();
    QVERIFY(!chart.chart()->series()[1]->isVisible());
    clickLegend(1);
    QTRY_VERIFY(chart.isLineVisible(1));
    QVERIFY(chart.chart()->series()[1]->isVisible());
}

void ChartReadOutTest::savedFilesOpen_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("PNG") << u"chart.png"_s;
    QTest::newRow("PDF") << u"chart.PDF"_s;
    QTest::newRow("SVG") << u"chart.svg"_s;
    QTest::newRow("CSV") << u"chart.csv"_s;
}

void ChartReadOutTest::savedFilesOpen() {
    QFETCH(QString, name);
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Surface, set.context, u"set - Pow"_s);
    showIn(set.area, *window);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const std::optional<ChartFileFormat> format = chartFileFormat(path);
    QVERIFY(format);
    const QSize size(1234, 567);
    const QStringList heading{u"stal20.tav"_s, u"Pow: Carbon concentration on the surface, %"_s};
    QVERIFY(window->saveTo(path, *format, size, heading).isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    switch (*format) {
    case ChartFileFormat::Png: {
        const QImage picture(path);
        QCOMPARE(picture.size(), size);
        // The heading is written in the top left corner, where the chart leaves the paper white.
        bool written = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                written = written || qGray(picture.pixel(x, y)) < 128;
        QVERIFY(written);
        break;
    }
    case ChartFileFormat::Svg: {
        QVERIFY(QSvgRenderer(path).isValid());
        QCOMPARE(QSvgRenderer(path).viewBox().size(), size);
        QVERIFY(!QImage(path).isNull());
        for (const QString& line : heading)
            QVERIFY2(QString::fromUtf8(bytes).contains(line.toHtmlEscaped()), qPrintable(line));
        break;
    }
    case ChartFileFormat::Pdf:
        QVERIFY(bytes.startsWith("%PDF-"));
        // Vector graphics: the page holds drawing operators, not one picture.
        QVERIFY(!bytes.contains("/Subtype /Image"));
        // A landscape A4 page.
        QVERIFY2(bytes.contains("/MediaBox [0 0 841.89") || bytes.contains("/MediaBox [0 0 842"),
                 bytes.mid(bytes.indexOf("/MediaBox"), 40).constData());
        break;
    case ChartFileFormat::Csv: {
        const QList<QStringList> records = csvRecords(QString::fromUtf8(bytes));
        const ChartDescription& shown = window->chart().description();
        QCOMPARE(records.size(), shown.series.first().size() + 1);
        QCOMPARE(records.first(), (QStringList{u"Carburizing time, h"_s,
                                               u"Carbon concentration on the surface, %"_s}));
        for (qsizetype row = 0; row < shown.series.first().size(); ++row) {
            QCOMPARE(records[row + 1][0].toDouble(), shown.series.first()[row].x());
            QCOMPARE(records[row + 1][1].toDouble(), shown.series.first()[row].y());
        }
        break;
    }
    }
}

QTEST_MAIN(ChartReadOutTest)
#include "ChartReadOutTest.moc"

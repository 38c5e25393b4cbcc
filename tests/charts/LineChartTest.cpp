// The chart control: what it records, and what it makes of the description when it draws.

#include "LineChart.h"
#include "ChartExport.h"
#include "ChartTestSupport.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QValueAxis* shownAxis(const LineChart& chart, Qt::Orientation orientation) {
    return qobject_cast<QValueAxis*>(chart.chart()->axes(orientation).value(0));
}

// A description of these lines, drawn and in its series alike.
ChartDescription linesOf(const QList<QList<QPointF>>& lines) {
    ChartDescription description;
    description.lines = lines;
    description.series = lines;
    return description;
}

// An empty line drawn at `size` with `axis` for both axes.
void drawOnBothAxes(LineChart& chart, const ChartAxis& axis, QSize size) {
    chart.resize(size);
    ChartDescription description = linesOf({{}});
    description.xAxis = axis;
    description.yAxis = axis;
    chart.setDescription(description);
    chart.draw();
}

} // namespace

class LineChartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void spanningNeverDividesByZero_data();
    void spanningNeverDividesByZero();
    void aNewDescriptionShowsEveryLineAgain();
    void labelsAtEveryDivision_data();
    void labelsAtEveryDivision();
    void crowdedLabelsKeepTheGrid_data();
    void crowdedLabelsKeepTheGrid();
    void crowdedLabelsAtRoundValues_data();
    void crowdedLabelsAtRoundValues();
    void unusableAxisStillShows_data();
    void unusableAxisStillShows();
    void legendOnlyWhenGiven();
    void middleCaptionIsTheTitle();
    void levelsAreTheTitleOfAChartWithoutOne();
    void finalProfileIsDrawnWiderAndTheOthersThinnerAmongMany_data();
    void finalProfileIsDrawnWiderAndTheOthersThinnerAmongMany();
    void manyProfilesAreThinnedBackFromTheFinalOne_data();
    void manyProfilesAreThinnedBackFromTheFinalOne();
    void longCaptionsBreakIntoLines();
    void smallTileTitlesAnAxisByItsUnit_data();
    void smallTileTitlesAnAxisByItsUnit();
    void smallTilesShortenTitlesAndLabelsWithoutCuts_data();
    void smallTilesShortenTitlesAndLabelsWithoutCuts();
    void drawingReplacesTheChart();
    void pictures();
    void clipboard();
    void csv();
};

void LineChartTest::cleanup() {
    QVERIFY(noWindowLeft());
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

void LineChartTest::aNewDescriptionShowsEveryLineAgain() {
    LineChart chart;
    chart.setDescription(linesOf({{{0, 1}}, {{0, 2}}}));
    chart.setLineVisible(1, false);
    chart.draw();
    QVERIFY(!chart.isLineVisible(1));
    QVERIFY(!chart.chart()->series().at(1)->isVisible());
    chart.setDescription(linesOf({{{0, 1}}, {{0, 3}}}));
    chart.draw();
    QVERIFY(chart.isLineVisible(1));
    QVERIFY(chart.chart()->series().at(1)->isVisible());
}

void LineChartTest::labelsAtEveryDivision_data() {
    QTest::addColumn<ChartAxis>("axis");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("format");

    QTest::newRow("hours") << ChartAxis{0, 2, 6} << 12.0 << u"%.0f"_s;
    QTest::newRow("temperature") << ChartAxis{800, 10, 15} << 950.0 << u"%.0f"_s;
    QTest::newRow("carbon") << ChartAxis{0, 0.1, 12} << 1.2 << u"%.1f"_s;
    QTest::newRow("case depth") << ChartAxis{0, 0.1, 16} << 1.6 << u"%.1f"_s;
    QTest::newRow("quarter steps") << ChartAxis{0, 0.25, 4} << 1.0 << u"%.2f"_s;
    QTest::newRow("odd start") << ChartAxis{0.05, 0.5, 2} << 1.05 << u"%.2f"_s;
    // Three significant digits of an odd step are enough.
    QTest::newRow("grid step") << ChartAxis{0, 0.052314, 10} << 0.52314 << u"%.4f"_s;
}

void LineChartTest::labelsAtEveryDivision() {
    QFETCH(ChartAxis, axis);
    QFETCH(double, max);
    QFETCH(QString, format);

    LineChart chart;
    drawOnBothAxes(chart, axis, QSize(1600, 1200));
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const QValueAxis* shown = shownAxis(chart, orientation);
        QVERIFY(shown);
        QVERIFY(qFuzzyCompare(shown->min() + 1, axis.start + 1));
        QVERIFY(qFuzzyCompare(shown->max(), max));
        QCOMPARE(shown->labelFormat(), format);
        QCOMPARE(shown->tickType(), QValueAxis::TicksFixed);
        QCOMPARE(shown->tickCount(), axis.divisions + 1);
        QCOMPARE(shown->minorTickCount(), 0);
    }
}

void LineChartTest::crowdedLabelsKeepTheGrid_data() {
    QTest::addColumn<ChartAxis>("axis");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("divisionsPerLabel");

    // A chart window at its opening size: every second temperature label, every fifth second.
    QTest::newRow("temperature") << ChartAxis{800, 10, 15} << QSize(520, 400) << 3;
    QTest::newRow("foil time") << ChartAxis{0, 200, 10} << QSize(300, 300) << 2;
    // A short window gives its margins to the labels.
    QTest::newRow("temperature in a small window")
        << ChartAxis{800, 10, 15} << QSize(250, 180) << 3;
}

// A time chart keeps a grid line at every division of its `TSkala`; only labels are left out
// where they would run into each other, at every so many divisions.
void LineChartTest::crowdedLabelsKeepTheGrid() {
    QFETCH(ChartAxis, axis);
    QFETCH(QSize, size);
    QFETCH(int, divisionsPerLabel);

    LineChart chart;
    drawOnBothAxes(chart, axis, size);
    const QValueAxis* shown = shownAxis(chart, Qt::Vertical);
    QCOMPARE(shown->tickType(), QValueAxis::TicksFixed);
    QCOMPARE(shown->tickCount(), axis.divisions / divisionsPerLabel + 1);
    QCOMPARE(shown->minorTickCount(), divisionsPerLabel - 1);
    QVERIFY(shown->isMinorGridLineVisible());
    QCOMPARE(shown->minorGridLinePen(), shown->gridLinePen());
}

void LineChartTest::crowdedLabelsAtRoundValues_data() {
    QTest::addColumn<ChartAxis>("axis");
    QTest::addColumn<QSize>("size");

    // Resampled profile grids, with one division per node.
    QTest::newRow("hundred nodes") << ChartAxis{0, 0.020293, 99, true} << QSize(640, 480);
    QTest::newRow("from a node") << ChartAxis{0.5, 0.020293, 75, true} << QSize(640, 480);
    QTest::newRow("foil grid") << ChartAxis{0, 0.0013889, 40, true} << QSize(640, 480);
}

void LineChartTest::crowdedLabelsAtRoundValues() {
    QFETCH(ChartAxis, axis);
    QFETCH(QSize, size);

    LineChart chart;
    drawOnBothAxes(chart, axis, size);
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const QValueAxis* shown = shownAxis(chart, orientation);
        QCOMPARE(shown->tickType(), QValueAxis::TicksDynamic);
        QVERIFY(qFuzzyCompare(shown->max(), axis.end()));
        // Fewer labels than divisions, at round values: 1, 2, 2.5 or 5 times a power of ten.
        const double interval = shown->tickInterval();
        QVERIFY(interval > axis.step);
        const double power = std::pow(10.0, std::floor(std::log10(interval)));
        const double factor = interval / power;
        QVERIFY2(qFuzzyCompare(factor, 1) || qFuzzyCompare(factor, 2) ||
                     qFuzzyCompare(factor, 2.5) || qFuzzyCompare(factor, 5),
                 qPrintable(QString::number(interval)));
        // The first label is the first round value on the axis.
        const double first = shown->tickAnchor();
        QVERIFY(first >= axis.start - 1e-9 && first - interval < axis.start);
        QVERIFY(qFuzzyCompare(first / interval, std::round(first / interval)) || first == 0);
        // The labels show the round values exactly.
        const QString format = shown->labelFormat(); // "%.<decimals>f"
        QVERIFY(format.startsWith(u"%."_s) && format.endsWith(u'f'));
        const QString label = QString::number(interval, 'f', format.mid(2).chopped(1).toInt());
        QVERIFY2(qFuzzyCompare(label.toDouble(), interval), qPrintable(label));
    }
    // The X labels are wider than they are high, so they are the sparser.
    QVERIFY(shownAxis(chart, Qt::Vertical)->tickInterval() <=
            shownAxis(chart, Qt::Horizontal)->tickInterval());
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
    ChartDescription description = linesOf({{{0, 0.5}}});
    description.xAxis = axis;
    description.yAxis = {0, 1, 1};
    chart.setDescription(description);
    chart.draw();
    const QValueAxis* shown = shownAxis(chart, Qt::Horizontal);
    QVERIFY(shown->max() > shown->min());
    QVERIFY(shown->tickCount() >= 2);
    QVERIFY(!chart.image(QSize(300, 200)).isNull());
}

void LineChartTest::legendOnlyWhenGiven() {
    LineChart chart;
    chart.setDescription(linesOf({{}}));
    chart.draw();
    QVERIFY(!chart.chart()->legend()->isVisible());

    ChartDescription twoLines = linesOf({{}, {}});
    twoLines.legends = {u"1.125h"_s, u"2.50h"_s};
    chart.setDescription(twoLines);
    chart.draw();
    QVERIFY(chart.chart()->legend()->isVisible());
    const QList<QAbstractSeries*> series = chart.chart()->series();
    QCOMPARE(series.size(), 2);
    // Drawn in one time format.
    QCOMPARE(series[0]->name(), u"1.13 h"_s);
    QCOMPARE(series[1]->name(), u"2.50 h"_s);
}

void LineChartTest::middleCaptionIsTheTitle() {
    LineChart chart;
    chart.resize(800, 600);
    ChartDescription description = linesOf({{}});
    description.xCaption = u"     Carburizing time, h"_s;
    description.middleCaption = u"Mean carbon"_s;
    description.yCaption = u"Carbon concentration, %"_s;
    chart.setDescription(description);
    chart.draw();
    QCOMPARE(chart.chart()->title(), u"Mean carbon"_s);
    // Titles are HTML, where leading blanks take no room anyway.
    QCOMPARE(shownAxis(chart, Qt::Horizontal)->titleText(), u"Carburizing time, h"_s);
    QCOMPARE(shownAxis(chart, Qt::Vertical)->titleText(), u"Carbon concentration, %"_s);
}

// The case-hardening depth stands above the plot, whatever room the legend has.
void LineChartTest::levelsAreTheTitleOfAChartWithoutOne() {
    LineChart chart;
    chart.resize(260, 200);
    ChartDescription description = linesOf({{{0, 700}, {1, 400}}});
    description.legends = {u"3.00 h"_s};
    description.levels.append({550, u"CHD 550 HV: 0.62 mm"_s, Qt::red});
    chart.setDescription(description);
    chart.draw();
    QCOMPARE(chart.chart()->title(), u"CHD 550 HV: 0.62 mm"_s);

    description.middleCaption = u"Mean carbon"_s;
    chart.setDescription(description);
    chart.draw();
    QCOMPARE(chart.chart()->title(), u"Mean carbon"_s);
}

void LineChartTest::finalProfileIsDrawnWiderAndTheOthersThinnerAmongMany_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("othersThinner");
    QTest::newRow("a few") << 3 << false;
    QTest::newRow("many") << 26 << true;
}

void LineChartTest::finalProfileIsDrawnWiderAndTheOthersThinnerAmongMany() {
    QFETCH(int, lines);
    QFETCH(bool, othersThinner);
    QList<QList<QPointF>> profiles;
    for (int line = 0; line < lines; ++line)
        profiles.append({{0, 1.0 + line}, {1, 0.5 + line}});
    ChartDescription description = linesOf(profiles);
    emphasiseFinalProfile(description);
    LineChart chart;
    chart.setDescription(description);
    chart.draw();
    const auto width = [](const LineChart& drawn, int line) {
        return static_cast<QLineSeries*>(drawn.chart()->series().value(line))->pen().widthF();
    };
    LineChart plain;
    plain.setDescription(linesOf(profiles));
    plain.draw();
    const double themeWidth = width(plain, 0);
    QVERIFY(width(chart, lines - 1) > themeWidth);
    QCOMPARE(width(chart, 0) < themeWidth, othersThinner);
}

void LineChartTest::manyProfilesAreThinnedBackFromTheFinalOne_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("eight, all shown") << 8 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("nine, every second") << 9 << QList<int>{0, 2, 4, 6, 8};
    QTest::newRow("a pulse programme") << 26 << QList<int>{1, 5, 9, 13, 17, 21, 25};
}

// The step is the smallest that keeps at most eight: for 26 profiles 4, back from the last one
// (25, 21, ..., 1).
void LineChartTest::manyProfilesAreThinnedBackFromTheFinalOne() {
    QFETCH(int, lines);
    QFETCH(QList<int>, shown);
    ChartDescription description = linesOf(QList<QList<QPointF>>(lines, {{0, 1}}));
    emphasiseFinalProfile(description);
    QCOMPARE(description.emphasisedLine, lines - 1);
    QList<int> drawn;
    for (int line = 0; line < lines; ++line)
        if (!description.hiddenLines.contains(line))
            drawn.append(line);
    QCOMPARE(drawn, shown);
    // The legend names the lines drawn and no other.
    description.legends = QStringList(lines, u"profile"_s);
    LineChart chart;
    chart.setDescription(description);
    chart.draw();
    int named = 0;
    for (const QLegendMarker* marker : chart.chart()->legend()->markers())
        named += marker->isVisible() ? 1 : 0;
    QCOMPARE(named, shown.size());
}

void LineChartTest::longCaptionsBreakIntoLines() {
    const QString caption = u"Carbon of a long caption that a narrow axis cannot hold <&>"_s;
    LineChart chart;
    chart.resize(400, 300);
    ChartDescription description = linesOf({{}});
    description.xCaption = u"Distance from the surface, mm"_s;
    description.yCaption = caption;
    chart.setDescription(description);
    chart.draw();
    const QString title = shownAxis(chart, Qt::Vertical)->titleText();
    QVERIFY2(title.contains(u"<br>"_s), qPrintable(title));
    QString words = title;
    words.replace(u"<br>"_s, u" "_s);
    QCOMPARE(words, caption.toHtmlEscaped());
    // The X caption fits its axis and stays on one line.
    QCOMPARE(shownAxis(chart, Qt::Horizontal)->titleText(), u"Distance from the surface, mm"_s);
}

void LineChartTest::smallTileTitlesAnAxisByItsUnit_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("yTitle");
    QTest::newRow("a window") << QSize(800, 600) << u"Carbon concentration on the surface, %"_s;
    QTest::newRow("a small tile") << QSize(180, 120) << u"%"_s;
}

void LineChartTest::smallTileTitlesAnAxisByItsUnit() {
    QFETCH(QSize, size);
    QFETCH(QString, yTitle);
    LineChart chart;
    chart.resize(size);
    ChartDescription description = linesOf({{{0, 0.2}, {12, 0.9}}});
    description.xCaption = u"     Carburizing time, h"_s;
    description.yCaption = u"Carbon concentration on the surface, %"_s;
    chart.setDescription(description);
    chart.draw();
    QString title = shownAxis(chart, Qt::Vertical)->titleText();
    QCOMPARE(title.replace(u"<br>"_s, u" "_s), yTitle);
}

namespace {

// A title as read: its lines joined, its unit's spaces plain.
QString titleWords(QString title) {
    return title.replace(u"<br>"_s, u" "_s).replace(QChar::Nbsp, u' ');
}

// Whether `title` is `caption`, its words up to one and "…" before its unit, or its unit.
bool shortenedAtAWord(const QString& title, const QString& caption) {
    const qsizetype comma = caption.lastIndexOf(u", "_s);
    const QString unit = caption.mid(comma + 2);
    if (title == caption || title == unit)
        return true;
    const QString end = u"…, "_s + unit;
    if (!title.endsWith(end))
        return false;
    const QString kept = title.chopped(end.size());
    return !kept.isEmpty() && caption.startsWith(kept + u' ');
}

} // namespace

void LineChartTest::smallTilesShortenTitlesAndLabelsWithoutCuts_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("a window") << QSize(800, 600);
    QTest::newRow("a third of a screen") << QSize(320, 170);
    QTest::newRow("a narrow tile") << QSize(250, 170);
    QTest::newRow("a small tile") << QSize(180, 120);
}

// The chart itself cuts a text too long for its room to "Carb..."; the chart window shortens
// its captions at words and thins its labels first, so that nothing outside the legend is cut.
void LineChartTest::smallTilesShortenTitlesAndLabelsWithoutCuts() {
    QFETCH(QSize, size);
    const QString xCaption = u"Odległość od powierzchni, mm"_s;
    const QString yCaption = u"Stężenie węgla, % C"_s;
    ChartDescription description = linesOf({{{0, 1.1}, {2.4, 0.2}}, {{0, 0.8}, {2.4, 0.2}}});
    description.xAxis = {0, 0.1, 24};
    description.yAxis = {0, 0.2, 6};
    description.xCaption = xCaption;
    description.yCaption = yCaption;
    description.legends = {u"6.00 h"_s, u"12.00 h"_s};
    LineChart chart;
    chart.resize(size);
    chart.setDescription(description);
    chart.draw();

    const QString xTitle = shownAxis(chart, Qt::Horizontal)->titleText();
    const QString yTitle = shownAxis(chart, Qt::Vertical)->titleText();
    QVERIFY2(!xTitle.contains(u"<br>"_s), qPrintable(xTitle));
    QVERIFY2(shortenedAtAWord(titleWords(xTitle), xCaption), qPrintable(xTitle));
    QVERIFY2(shortenedAtAWord(titleWords(yTitle), yCaption), qPrintable(yTitle));
    QVERIFY2(!yTitle.contains(u"%<br>"_s), qPrintable(yTitle));
    const QLegend* legend = chart.chart()->legend();
    for (QGraphicsItem* item : chart.scene()->items())
        if (const auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            text && text->isVisible() && !legend->isAncestorOf(text))
            QVERIFY2(!text->toPlainText().contains(u"..."_s), qPrintable(text->toPlainText()));
}

void LineChartTest::drawingReplacesTheChart() {
    LineChart chart;
    chart.setDescription(linesOf({{{0, 1}, {1, 2}}}));
    chart.draw();
    const auto* line = qobject_cast<QLineSeries*>(chart.chart()->series().value(0));
    QVERIFY(line);
    QCOMPARE(line->points(), (QList<QPointF>{{0, 1}, {1, 2}}));

    chart.setDescription(linesOf({{{5, 5}}}));
    chart.draw();
    QCOMPARE(chart.chart()->series().size(), 1);
    line = qobject_cast<QLineSeries*>(chart.chart()->series().value(0));
    QCOMPARE(line->points(), (QList<QPointF>{{5, 5}}));
}

void LineChartTest::pictures() {
    LineChart chart;
    ChartDescription description = linesOf({{{0, 900}, {8, 880}}});
    description.xAxis = {0, 2, 6};
    description.yAxis = {800, 10, 15};
    chart.setDescription(description);
    chart.draw();
    QCOMPARE(chart.image(QSize(640, 480)).size(), QSize(640, 480));
    const QImage sharp = chart.image(QSize(320, 200), 3);
    QCOMPARE(sharp.size(), QSize(960, 600));
    QCOMPARE(sharp.devicePixelRatio(), 3.0);
}

void LineChartTest::clipboard() {
    LineChart chart;
    chart.resize(400, 300);
    chart.setDescription(linesOf({{{0, 0}}}));
    chart.draw();
    QGuiApplication::clipboard()->clear();
    chart.copyToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(400, 300));
}

void LineChartTest::csv() {
    ChartDescription time;
    time.xCaption = u"     Carburizing time, h"_s;
    time.yCaption = u"Temperature, C"_s;
    time.series = {{{0, 900}, {2.5, 910.25}}};
    QCOMPARE(csvText(time), u"\"Carburizing time, h\",\"Temperature, C\"\n0,900\n2.5,910.25\n"_s);

    ChartDescription nodes;
    nodes.xCaption = u"Distance from the surface, mm"_s;
    nodes.yCaption = u"Carbon concentration, %"_s;
    nodes.legends = {u"1.125h"_s, u"say \"2\""_s};
    nodes.series = {{{0, 1}, {0.5, 0.6}}, {{0, 1.05}, {0.5, 0.8}}};
    QCOMPARE(
        csvText(nodes),
        u"\"Distance from the surface, mm\",1.125h,\"say \"\"2\"\"\"\n0,1,1.05\n0.5,0.6,0.8\n"_s);
}

QTEST_MAIN(LineChartTest)
#include "LineChartTest.moc"

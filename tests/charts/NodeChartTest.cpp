// The node charts: carbon profiles, hardness profiles and case depths.

#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "MessageBox.h"

#include <QApplication>
#include <QMdiArea>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using Points = QList<QPointF>;
using Lines = QList<Points>;

class NodeChartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void freshWindow_data();
    void freshWindow();
    void nodesForAxisRange_data();
    void nodesForAxisRange();
    void caseDepthsGoOnToTheEndOfTheGrid();
    void foilCarbonProfiles();
    void profileTimeText_data();
    void profileTimeText();
    void singleTimeDepthFile();
};

void NodeChartTest::cleanup() {
    QVERIFY(noWindowLeft());
}

void NodeChartTest::freshWindow_data() {
    QTest::addColumn<ChartKind>("kind");
    addFreshWindowColumns();
    QTest::addColumn<QStringList>("legends");
    QTest::addColumn<Lines>("lines");

    const QString distance = u"Distance from the surface, mm"_s;
    // Profiles of 3 and 4 rows: the grid is the longer one's, the shorter answers with its last
    // value beyond its end.
    QTest::newRow("C") << ChartKind::Carbon << u"WEGIEL"_s << u"tav"_s << ChartAxis{0, 0.5, 3}
                       << ChartAxis{0, 0.2, 6} << distance << u"Carbon concentration, %"_s
                       << QStringList{u"1.125h"_s, u"2.50h"_s}
                       << Lines{{{0, 1}, {0.5, 0.6}, {1, 0.3}, {1.5, 0.3}},
                                {{0, 1.05}, {0.5, 0.8}, {1, 0.5}, {1.5, 0.25}}};
    QTest::newRow("HV") << ChartKind::Hardness << u"TWARD"_s << u"twa"_s << ChartAxis{0, 0.5, 2}
                        << ChartAxis{0, 100, 9} << distance << u"Hardness, HV"_s
                        << QStringList{u"1.125 h"_s, u"2.50 h"_s}
                        << Lines{{{0, 820}, {0.5, 700}, {1, 700}},
                                 {{0, 800}, {0.5, 750}, {1, 500}}};
    // The axis ends at the time of the last row.
    QTest::newRow("G") << ChartKind::CaseDepth << u"GRUB"_s << u"gru"_s << ChartAxis{0, 1, 3}
                       << ChartAxis{0, 0.1, 16} << u"     Carburizing time, h"_s
                       << u"Thickness of the case, mm"_s
                       << QStringList{u"g - 0.40% C"_s, u"g - 0.35% C"_s, u"g - 0.30% C"_s}
                       << Lines{{{0, 0}, {1, 0.3}, {2, 0.5}, {3, 0.6}},
                                {{0, 0}, {1, 0.4}, {2, 0.6}, {3, 0.7}},
                                {{0, 0}, {1, 0.5}, {2, 0.7}, {3, 0.8}}};
}

void NodeChartTest::freshWindow() {
    QFETCH(ChartKind, kind);
    QFETCH(QStringList, legends);
    QFETCH(Lines, lines);

    OpenSet set(SampleSet::SemiInfinite);
    MessageCapture messages;
    const QString title =
        set.files.mainFile() + u" - "_s + QString::fromLatin1(QTest::currentDataTag());
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, set.context, title);
    showIn(set.area, *window);

    QVERIFY(messages.messages().isEmpty());
    QVERIFY(!set.context.foil);
    verifyFreshWindow(*window, title);
    if (QTest::currentTestFailed())
        return;
    const ChartDescription& chart = window->chart().description();
    QCOMPARE(chart.legends, legends);
    COMPARE_LINES(chart.lines, lines);
}

void NodeChartTest::nodesForAxisRange_data() {
    QTest::addColumn<QString>("xStart");
    QTest::addColumn<QString>("xEnd");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<Lines>("lines");

    // Carbon profiles on the nodes 0, 0.5, 1 and 1.5 mm.
    QTest::newRow("ends between nodes widen to nodes")
        << u"0.6"_s << u"0.9"_s << ChartAxis{0.5, 0.5, 1}
        << Lines{{{0.5, 0.6}, {1, 0.3}}, {{0.5, 0.8}, {1, 0.5}}};
    QTest::newRow("ends on nodes") << u"0.5"_s << u"1"_s << ChartAxis{0.5, 0.5, 1}
                                   << Lines{{{0.5, 0.6}, {1, 0.3}}, {{0.5, 0.8}, {1, 0.5}}};
    QTest::newRow("start past the second-to-last node")
        << u"1.2"_s << u"3"_s << ChartAxis{1, 0.5, 1}
        << Lines{{{1, 0.3}, {1.5, 0.3}}, {{1, 0.5}, {1.5, 0.25}}};
    QTest::newRow("end before the second node")
        << u"0"_s << u"0.2"_s << ChartAxis{0, 0.5, 1}
        << Lines{{{0, 1}, {0.5, 0.6}}, {{0, 1.05}, {0.5, 0.8}}};
}

void NodeChartTest::nodesForAxisRange() {
    QFETCH(QString, xStart);
    QFETCH(QString, xEnd);
    QFETCH(ChartAxis, xAxis);
    QFETCH(Lines, lines);

    OpenSet set(SampleSet::SemiInfinite);
    TWynikiMDIChild window(set.context, u"C"_s);
    showIn(set.area, window);

    QVERIFY(rescale(window, {{u"xStart"_s, xStart}, {u"xEnd"_s, xEnd}}));
    const ChartDescription& chart = window.chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    COMPARE_LINES(chart.lines, lines);
}

void NodeChartTest::caseDepthsGoOnToTheEndOfTheGrid() {
    OpenSet set(SampleSet::SemiInfinite);
    TGruboscMDIChild window(set.context, u"G"_s);
    showIn(set.area, window);

    QVERIFY(rescale(window, {{u"xEnd"_s, u"1.5"_s}}));
    const ChartDescription& chart = window.chart().description();
    COMPARE_AXIS(chart.xAxis, (ChartAxis{0, 1, 2}));
    COMPARE_POINTS(chart.lines[0], (Points{{0, 0}, {1, 0.3}, {2, 0.5}, {3, 0.6}}));
}

void NodeChartTest::foilCarbonProfiles() {
    OpenSet set(SampleSet::Foil);
    TWynikiMDIChild window(set.context, u"C"_s);
    QVERIFY(set.context.foil); // the reader found the shape "Foil"
    showIn(set.area, window);

    const ChartDescription& chart = window.chart().description();
    QCOMPARE(chart.legends, QStringList{u"2000.00s"_s});
    COMPARE_AXIS(chart.xAxis, (ChartAxis{0, 0.05, 2}));
    COMPARE_POINTS(chart.lines[0], (Points{{0, 0.9}, {0.05, 0.7}, {0.1, 0.6}}));
}

void NodeChartTest::profileTimeText_data() {
    QTest::addColumn<double>("time");
    QTest::addColumn<QString>("text");

    QTest::newRow("two decimals kept") << 2.5 << u"2.50"_s;
    QTest::newRow("three decimals") << 1.125 << u"1.125"_s;
    QTest::newRow("whole") << 10.0 << u"10.00"_s;
    QTest::newRow("six decimals") << 0.1234567 << u"0.123457"_s;
    QTest::newRow("seconds") << 300.0 << u"300.00"_s;
    QTest::newRow("zero") << 0.0 << u"0.00"_s;
}

void NodeChartTest::profileTimeText() {
    QFETCH(double, time);
    QFETCH(QString, text);
    QCOMPARE(::profileTimeText(time), text);
}

void NodeChartTest::singleTimeDepthFile() {
    // Only the first row: no grid step to lay the axis out by, and nothing to divide by it.
    OpenSet set(SampleSet::SemiInfinite);
    set.files.write(u"gru"_s, "-\"Grubość warstwy w funkcji czasu, t[h], gr40, gr35, gr30, mm \n"
                              " 3 \n"
                              ", 0     0   0   0\n");
    MessageCapture messages;
    TGruboscMDIChild window(set.context, u"G"_s);
    showIn(set.area, window);

    QVERIFY(messages.messages().isEmpty());
    const ChartDescription& chart = window.chart().description();
    QCOMPARE(chart.lines.size(), 3);
    for (const Points& line : chart.lines)
        COMPARE_POINTS(line, (Points{{0, 0}}));
    QVERIFY(!window.chart().image(QSize(200, 150)).isNull());
}

QTEST_MAIN(NodeChartTest)
#include "NodeChartTest.moc"

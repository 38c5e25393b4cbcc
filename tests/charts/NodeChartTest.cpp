// The node charts: carbon profiles, hardness profiles and case depths.

#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "MessageBox.h"

#include <QApplication>
#include <QMdiArea>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Wyniki, Twardosc, Grubosc };

std::unique_ptr<TChartMDIChild> makeWindow(Kind kind, FakeChartContext& context,
                                           const QString& title) {
    switch (kind) {
    case Kind::Wyniki:
        return std::make_unique<TWynikiMDIChild>(context, title);
    case Kind::Twardosc:
        return std::make_unique<TTwardoscMDIChild>(context, title);
    case Kind::Grubosc:
        return std::make_unique<TGruboscMDIChild>(context, title);
    }
    return nullptr;
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

using Points = QList<QPointF>;
using Lines = QList<Points>;

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(ChartAxis)

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
    void legendUnitFollowsFlagAtDrawing();
    void profileTimeText_data();
    void profileTimeText();
    void singleTimeDepthFile();
    void unreadableFile_data();
    void unreadableFile();
};

void NodeChartTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(QGuiApplication::topLevelWindows().isEmpty());
}

void NodeChartTest::freshWindow_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<ChartAxis>("yAxis");
    QTest::addColumn<QString>("xCaption");
    QTest::addColumn<QString>("yCaption");
    QTest::addColumn<QStringList>("legends");
    QTest::addColumn<Lines>("lines");

    const QString distance = u"Distance from the surface, mm"_s;
    // Profiles of 3 and 4 rows: the grid is the longer one's, the shorter answers with its last
    // value beyond its end.
    QTest::newRow("C") << Kind::Wyniki << u"WEGIEL"_s << u"tav"_s << ChartAxis{0, 0.5, 3}
                       << ChartAxis{0, 0.2, 6} << distance << u"Carbon concentration, %"_s
                       << QStringList{u"1.125h"_s, u"2.50h"_s}
                       << Lines{{{0, 1}, {0.5, 0.6}, {1, 0.3}, {1.5, 0.3}},
                                {{0, 1.05}, {0.5, 0.8}, {1, 0.5}, {1.5, 0.25}}};
    QTest::newRow("HV") << Kind::Twardosc << u"TWARD"_s << u"twa"_s << ChartAxis{0, 0.5, 2}
                        << ChartAxis{0, 100, 9} << distance << u"Hardness, HV"_s
                        << QStringList{u"1.125 h"_s, u"2.50 h"_s}
                        << Lines{{{0, 820}, {0.5, 700}, {1, 700}},
                                 {{0, 800}, {0.5, 750}, {1, 500}}};
    // The axis ends at the time of the last row.
    QTest::newRow("G") << Kind::Grubosc << u"GRUB"_s << u"gru"_s << ChartAxis{0, 1, 3}
                       << ChartAxis{0, 0.1, 16} << u"     Carburizing time, h"_s
                       << u"Thickness of the case, mm"_s
                       << QStringList{u"g - 0.40% C"_s, u"g - 0.35% C"_s, u"g - 0.30% C"_s}
                       << Lines{{{0, 0}, {1, 0.3}, {2, 0.5}, {3, 0.6}},
                                {{0, 0}, {1, 0.4}, {2, 0.6}, {3, 0.7}},
                                {{0, 0}, {1, 0.5}, {2, 0.7}, {3, 0.8}}};
}

void NodeChartTest::freshWindow() {
    QFETCH(Kind, kind);
    QFETCH(QString, icon);
    QFETCH(QString, extension);
    QFETCH(ChartAxis, xAxis);
    QFETCH(ChartAxis, yAxis);
    QFETCH(QString, xCaption);
    QFETCH(QString, yCaption);
    QFETCH(QStringList, legends);
    QFETCH(Lines, lines);

    SampleSet set(SampleSet::SemiInfinite);
    FakeChartContext context;
    context.openFile = set.mainFile();
    MessageCapture messages;
    QMdiArea area;
    const QString title = set.mainFile() + u" - "_s + QString::fromLatin1(QTest::currentDataTag());
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, context, title);
    showIn(area, *window);

    QVERIFY(messages.messages().isEmpty());
    QVERIFY(!context.foil);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(iconImage(window->windowIcon()), iconImage(QIcon(u":/charts/%1_16.png"_s.arg(icon))));
    QVERIFY(window->fileName().endsWith(u"stal20."_s + extension));

    const ChartDescription& chart = window->chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    COMPARE_AXIS(chart.yAxis, yAxis);
    QCOMPARE(chart.xCaption, xCaption);
    QCOMPARE(chart.middleCaption, QString());
    QCOMPARE(chart.yCaption, yCaption);
    QCOMPARE(chart.legends, legends);
    QCOMPARE(chart.lines.size(), lines.size());
    for (qsizetype line = 0; line < lines.size(); ++line)
        COMPARE_POINTS(chart.lines[line], lines[line]);
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

    SampleSet set(SampleSet::SemiInfinite);
    FakeChartContext context;
    context.openFile = set.mainFile();
    QMdiArea area;
    TWynikiMDIChild window(context, u"C"_s);
    showIn(area, window);

    QVERIFY(rescale(window, {{u"xStart"_s, xStart}, {u"xEnd"_s, xEnd}}));
    const ChartDescription& chart = window.chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    QCOMPARE(chart.lines.size(), lines.size());
    for (qsizetype line = 0; line < lines.size(); ++line)
        COMPARE_POINTS(chart.lines[line], lines[line]);
}

void NodeChartTest::caseDepthsGoOnToTheEndOfTheGrid() {
    SampleSet set(SampleSet::SemiInfinite);
    FakeChartContext context;
    context.openFile = set.mainFile();
    QMdiArea area;
    TGruboscMDIChild window(context, u"G"_s);
    showIn(area, window);

    QVERIFY(rescale(window, {{u"xEnd"_s, u"1.5"_s}}));
    const ChartDescription& chart = window.chart().description();
    COMPARE_AXIS(chart.xAxis, (ChartAxis{0, 1, 2}));
    COMPARE_POINTS(chart.lines[0], (Points{{0, 0}, {1, 0.3}, {2, 0.5}, {3, 0.6}}));
}

void NodeChartTest::foilCarbonProfiles() {
    SampleSet set(SampleSet::Foil);
    FakeChartContext context;
    context.openFile = set.mainFile();
    QMdiArea area;
    TWynikiMDIChild window(context, u"C"_s);
    QVERIFY(context.foil); // the reader found the shape "Foil"
    showIn(area, window);

    const ChartDescription& chart = window.chart().description();
    QCOMPARE(chart.legends, QStringList{u"2000.00s"_s});
    COMPARE_AXIS(chart.xAxis, (ChartAxis{0, 0.05, 2}));
    COMPARE_POINTS(chart.lines[0], (Points{{0, 0.9}, {0.05, 0.7}, {0.1, 0.6}}));
}

void NodeChartTest::legendUnitFollowsFlagAtDrawing() {
    SampleSet set(SampleSet::SemiInfinite);
    FakeChartContext context;
    context.openFile = set.mainFile();
    QMdiArea area;
    TWynikiMDIChild carbon(context, u"C"_s);
    TTwardoscMDIChild hardness(context, u"HV"_s);
    showIn(area, carbon);
    showIn(area, hardness);

    context.foil = true;
    carbon.draw();
    hardness.draw();
    QCOMPARE(carbon.chart().description().legends, (QStringList{u"1.125s"_s, u"2.50s"_s}));
    QCOMPARE(hardness.chart().description().legends, (QStringList{u"1.125 h"_s, u"2.50 h"_s}));
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
    SampleSet set(SampleSet::SemiInfinite);
    set.write(u"gru"_s, "-\"Grubość warstwy w funkcji czasu, t[h], gr40, gr35, gr30, mm \n"
                        " 3 \n"
                        ", 0     0   0   0\n");
    FakeChartContext context;
    context.openFile = set.mainFile();
    MessageCapture messages;
    QMdiArea area;
    TGruboscMDIChild window(context, u"G"_s);
    showIn(area, window);

    QVERIFY(messages.messages().isEmpty());
    const ChartDescription& chart = window.chart().description();
    QCOMPARE(chart.lines.size(), 3);
    for (const Points& line : chart.lines)
        COMPARE_POINTS(line, (Points{{0, 0}}));
    QVERIFY(!window.chart().image(QSize(200, 150)).isNull());
}

void NodeChartTest::unreadableFile_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing

    QTest::newRow("C missing") << Kind::Wyniki << QString() << QByteArray();
    QTest::newRow("HV missing") << Kind::Twardosc << u"twa"_s << QByteArray();
    QTest::newRow("G missing") << Kind::Grubosc << u"gru"_s << QByteArray();
    QTest::newRow("C without results")
        << Kind::Wyniki << QString()
        << QByteArray("0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n2\n0 900 1\n4 900 1\nSemi-infinitive "
                      "sample\n");
    QTest::newRow("HV with text after a block")
        << Kind::Twardosc << u"twa"_s
        << QByteArray("-\"Rozklad\n\"  1\n, 0 800\n, 0.5 700\nend of file\n");
    QTest::newRow("G without header") << Kind::Grubosc << u"gru"_s << QByteArray(" 3\n, 0 0 0 0\n");
}

void NodeChartTest::unreadableFile() {
    QFETCH(Kind, kind);
    QFETCH(QString, extension);
    QFETCH(QByteArray, content);

    SampleSet set(SampleSet::SemiInfinite);
    if (content.isEmpty())
        set.remove(extension);
    else
        set.write(extension, content);
    FakeChartContext context;
    context.openFile = set.mainFile();
    MessageCapture messages;
    QMdiArea area;
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, context, u"damaged"_s);
    showIn(area, *window);

    QCOMPARE(messages.messages().size(), 1);
    QCOMPARE(messages.messages().first().text, u"Cannot open file"_s);
    QCOMPARE(messages.messages().first().caption, u"File error"_s);
    QCOMPARE(messages.messages().first().icon, MessageIcon::Exclamation);
    QVERIFY(window->isVisible());
    if (content.isEmpty()) {
        QCOMPARE(window->scale().yDivisions, 4);
        QVERIFY(window->chart().description().lines.isEmpty());
    }
}

QTEST_MAIN(NodeChartTest)
#include "NodeChartTest.moc"

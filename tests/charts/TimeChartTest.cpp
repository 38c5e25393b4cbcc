// The time charts: temperature, carbon potential, surface carbon, and the mass-gain and
// mean-carbon charts that bring their own captions and axes.

#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "MessageBox.h"

#include <QApplication>
#include <QMdiArea>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Temp, Pot, Pow, Masa, Srednia };

std::unique_ptr<TChartMDIChild> makeWindow(Kind kind, FakeChartContext& context,
                                           const QString& title) {
    switch (kind) {
    case Kind::Temp:
        return std::make_unique<TTempMDIChild>(context, title);
    case Kind::Pot:
        return std::make_unique<TPotMDIChild>(context, title);
    case Kind::Pow:
        return std::make_unique<TPowMDIChild>(context, title);
    case Kind::Masa:
        return std::make_unique<TXYMDIChild>(context, title, u"mas"_s);
    case Kind::Srednia:
        return std::make_unique<TXYMDIChild>(context, title, u"sre"_s);
    }
    return nullptr;
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

QIcon chartIcon(const QString& name) {
    return QIcon(u":/charts/%1_16.png"_s.arg(name));
}

using Points = QList<QPointF>;

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(ChartAxis)

class TimeChartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void freshWindow_data();
    void freshWindow();
    void foilSet_data();
    void foilSet();
    void pointsForAxisRange_data();
    void pointsForAxisRange();
    void timeCaptionFollowsFlagAtDrawing();
    void unreadableFile_data();
    void unreadableFile();
    void longFileDrawsEveryPoint();
};

void TimeChartTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(QGuiApplication::topLevelWindows().isEmpty());
}

void TimeChartTest::freshWindow_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<ChartAxis>("yAxis");
    QTest::addColumn<QString>("xCaption");
    QTest::addColumn<QString>("yCaption");
    QTest::addColumn<Points>("points");

    const QString hours = u"     Carburizing time, h"_s;
    QTest::newRow("T") << Kind::Temp << u"TEMP"_s << u"tav"_s << ChartAxis{0, 2, 6}
                       << ChartAxis{800, 10, 15} << hours << u"Temperature, C"_s
                       << Points{{0, 900}, {0, 900}, {4, 920}, {8, 880}};
    QTest::newRow("Pot") << Kind::Pot << u"POT"_s << u"tav"_s << ChartAxis{0, 2, 6}
                         << ChartAxis{0, 0.1, 12} << hours
                         << u"Carbon potential of the atmosphere, %"_s
                         << Points{{0, 1}, {0, 1}, {4, 1.1}, {8, 0.8}};
    QTest::newRow("Pow") << Kind::Pow << u"POW"_s << u"pow"_s << ChartAxis{0, 2, 6}
                         << ChartAxis{0, 0.1, 12} << hours
                         << u"Carbon concentration on the surface, %"_s
                         << Points{{0, 0.2}, {0, 0.2}, {0.5, 0.8}, {2, 1}};
    // The file's own axes (0..12 h in 12, 0..100 in 10) and captions.
    QTest::newRow("Masa") << Kind::Masa << u"MASA"_s << u"mas"_s << ChartAxis{0, 1, 12}
                          << ChartAxis{0, 10, 10} << u"Carburizing time, h"_s
                          << u"Weight gain, g/m^2 Semi-infinitive sample, be=2e-05cm/s"_s
                          << Points{{0, 0}, {0, 0}, {1, 20}, {5, 60}};
}

void TimeChartTest::freshWindow() {
    QFETCH(Kind, kind);
    QFETCH(QString, icon);
    QFETCH(QString, extension);
    QFETCH(ChartAxis, xAxis);
    QFETCH(ChartAxis, yAxis);
    QFETCH(QString, xCaption);
    QFETCH(QString, yCaption);
    QFETCH(Points, points);

    SampleSet set(SampleSet::SemiInfinite);
    FakeChartContext context;
    context.openFile = set.mainFile();
    MessageCapture messages;
    QMdiArea area;
    const QString title = set.mainFile() + u" - "_s + QString::fromLatin1(QTest::currentDataTag());
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, context, title);
    showIn(area, *window);

    QVERIFY(messages.messages().isEmpty());
    QCOMPARE(window->windowTitle(), title);
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(iconImage(window->windowIcon()), iconImage(chartIcon(icon)));
    QVERIFY(window->fileName().endsWith(u"stal20."_s + extension));

    const ChartDescription& chart = window->chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    COMPARE_AXIS(chart.yAxis, yAxis);
    QCOMPARE(chart.xCaption, xCaption);
    QCOMPARE(chart.middleCaption, QString());
    QCOMPARE(chart.yCaption, yCaption);
    QVERIFY(chart.legends.isEmpty());
    QCOMPARE(chart.lines.size(), 1);
    COMPARE_POINTS(chart.lines.first(), points);
}

void TimeChartTest::foilSet_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<QString>("xCaption");
    QTest::addColumn<Points>("points");

    const QString seconds = u"     Carburizing time, s"_s;
    // 0 to 2000 s in 10 divisions; the end point falls on the last row.
    QTest::newRow("T") << Kind::Temp << u"TEMP"_s << ChartAxis{0, 200, 10} << seconds
                       << Points{{0, 900}, {0, 900}, {2000, 900}};
    QTest::newRow("Pot") << Kind::Pot << u"POT"_s << ChartAxis{0, 200, 10} << seconds
                         << Points{{0, 1}, {0, 1}, {2000, 1}};
    QTest::newRow("Pow") << Kind::Pow << u"POW"_s << ChartAxis{0, 200, 10} << seconds
                         << Points{{0, 0.1}, {0, 0.1}, {500, 0.7}, {2000, 0.9}};
    QTest::newRow("Masa") << Kind::Masa << u"MASA"_s << ChartAxis{0, 200, 10}
                          << u"Carburizing time, s"_s
                          << Points{{0, 0}, {0, 0}, {1000, 3}, {2000, 4}};
    QTest::newRow("Srednia") << Kind::Srednia << u"SREDNIA"_s << ChartAxis{0, 200, 10}
                             << u"Carburizing time, s"_s
                             << Points{{0, 0}, {0, 0}, {100, 0.05}, {2000, 0.4}};
}

void TimeChartTest::foilSet() {
    QFETCH(Kind, kind);
    QFETCH(QString, icon);
    QFETCH(ChartAxis, xAxis);
    QFETCH(QString, xCaption);
    QFETCH(Points, points);

    SampleSet set(SampleSet::Foil);
    FakeChartContext context;
    context.openFile = set.mainFile();
    context.foil = true; // as the open command sets it from the shape line
    MessageCapture messages;
    QMdiArea area;
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, context, u"foil"_s);
    showIn(area, *window);

    QVERIFY(messages.messages().isEmpty());
    QCOMPARE(iconImage(window->windowIcon()), iconImage(chartIcon(icon)));
    const ChartDescription& chart = window->chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    QCOMPARE(chart.xCaption, xCaption);
    COMPARE_POINTS(chart.lines.first(), points);
}

void TimeChartTest::pointsForAxisRange_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("xStart");
    QTest::addColumn<QString>("xEnd");
    QTest::addColumn<Points>("points");

    // Stages of the temperature chart: 0 h 900, 4 h 920, 8 h 880.
    QTest::newRow("inside the programme")
        << Kind::Temp << u"2"_s << u"6"_s << Points{{2, 910}, {4, 920}, {6, 900}};
    QTest::newRow("ends on stage times")
        << Kind::Temp << u"4"_s << u"8"_s << Points{{4, 920}, {4, 920}, {8, 880}};
    QTest::newRow("end beyond the last row adds no end point")
        << Kind::Temp << u"6"_s << u"20"_s << Points{{6, 900}, {8, 880}};
    QTest::newRow("start on the first row")
        << Kind::Pot << u"0"_s << u"5"_s << Points{{0, 1}, {0, 1}, {4, 1.1}, {5, 1.025}};
    QTest::newRow("between two rows")
        << Kind::Pow << u"0.25"_s << u"1.25"_s << Points{{0.25, 0.5}, {0.5, 0.8}, {1.25, 0.9}};
    QTest::newRow("wholly beyond the data") << Kind::Pow << u"3"_s << u"9"_s << Points{};
}

void TimeChartTest::pointsForAxisRange() {
    QFETCH(Kind, kind);
    QFETCH(QString, xStart);
    QFETCH(QString, xEnd);
    QFETCH(Points, points);

    SampleSet set(SampleSet::SemiInfinite);
    FakeChartContext context;
    context.openFile = set.mainFile();
    QMdiArea area;
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, context, u"range"_s);
    showIn(area, *window);

    MessageCapture messages;
    QVERIFY(rescale(*window, {{u"xStart"_s, xStart}, {u"xEnd"_s, xEnd}}));
    QVERIFY(messages.messages().isEmpty());
    const ChartDescription& chart = window->chart().description();
    COMPARE_POINTS(chart.lines.first(), points);
    for (const QPointF& point : chart.lines.first())
        QVERIFY(point.x() <= xEnd.toDouble());
}

void TimeChartTest::timeCaptionFollowsFlagAtDrawing() {
    // Pot and Pow read the client's flag when they draw; T keeps its own set's shape.
    SampleSet set(SampleSet::SemiInfinite);
    FakeChartContext context;
    context.openFile = set.mainFile();
    QMdiArea area;
    TPotMDIChild pot(context, u"pot"_s);
    TTempMDIChild temp(context, u"temp"_s);
    showIn(area, pot);
    showIn(area, temp);

    context.foil = true;
    pot.draw();
    temp.draw();
    QCOMPARE(pot.chart().description().xCaption, u"     Carburizing time, s"_s);
    QCOMPARE(temp.chart().description().xCaption, u"     Carburizing time, h"_s);
    // The axis was set when the file was read and stays.
    COMPARE_AXIS(pot.chart().description().xAxis, (ChartAxis{0, 2, 6}));
}

void TimeChartTest::unreadableFile_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing

    QTest::newRow("T missing") << Kind::Temp << QString() << QByteArray();
    QTest::newRow("Pot missing") << Kind::Pot << QString() << QByteArray();
    QTest::newRow("Pow missing") << Kind::Pow << u"pow"_s << QByteArray();
    QTest::newRow("Masa missing") << Kind::Masa << u"mas"_s << QByteArray();
    QTest::newRow("Srednia missing") << Kind::Srednia << u"sre"_s << QByteArray();
    QTest::newRow("T without shape line")
        << Kind::Temp << QString() << QByteArray("0.2\n2e-05\n0\n0\n0\n0\n0\n1\n0 900 1\n");
    QTest::newRow("Pot truncated head") << Kind::Pot << QString() << QByteArray("0.2\n2e-05\n");
    QTest::newRow("Pow without header")
        << Kind::Pow << u"pow"_s << QByteArray(", 0 0.2\n, 1 0.5\n");
    QTest::newRow("Masa without axes")
        << Kind::Masa << u"mas"_s << QByteArray("Weight gain\nCarburizing time, h\n\n,0\n,12\n");
}

void TimeChartTest::unreadableFile() {
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
        // Nothing read: the record as constructed, nothing drawn.
        QCOMPARE(window->scale().xDivisions, 4);
        QCOMPARE(window->scale().yDivisions, 4);
        QVERIFY(window->scale().xEnd == 0);
        QVERIFY(window->chart().description().lines.first().isEmpty());
    }
}

void TimeChartTest::longFileDrawsEveryPoint() {
    constexpr int rows = 100'000;
    QByteArray surface = "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %\n";
    for (int row = 0; row < rows; ++row)
        surface += ", " + QByteArray::number(row * 1e-4) + " " +
                   QByteArray::number(0.2 + row * 1e-5) + "\n";
    SampleSet set(SampleSet::SemiInfinite);
    set.write(u"pow"_s, surface);
    FakeChartContext context;
    context.openFile = set.mainFile();
    QMdiArea area;
    TPowMDIChild window(context, u"long"_s);
    showIn(area, window);

    // Every row lies below xEnd 12, and the start point is interpolated at 0.
    QCOMPARE(window.chart().description().lines.first().size(), rows + 1);
}

QTEST_MAIN(TimeChartTest)
#include "TimeChartTest.moc"

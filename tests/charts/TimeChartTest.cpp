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

using Points = QList<QPointF>;

class TimeChartTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void freshWindow_data();
    void freshWindow();
    void foilSet_data();
    void foilSet();
    void windowsKeepTheirSetsTimeUnit_data();
    void windowsKeepTheirSetsTimeUnit();
    void pointsForAxisRange_data();
    void pointsForAxisRange();
    void longFileDrawsEveryPoint();
};

void TimeChartTest::cleanup() {
    QVERIFY(noWindowLeft());
}

void TimeChartTest::freshWindow_data() {
    QTest::addColumn<ChartKind>("kind");
    addFreshWindowColumns();
    QTest::addColumn<Points>("points");

    const QString hours = u"     Carburizing time, h"_s;
    QTest::newRow("T") << ChartKind::Temperature << u"TEMP"_s << u"tav"_s << ChartAxis{0, 2, 6}
                       << ChartAxis{800, 10, 15} << hours << u"Temperature, C"_s
                       << Points{{0, 900}, {0, 900}, {4, 920}, {8, 880}};
    QTest::newRow("Pot") << ChartKind::Potential << u"POT"_s << u"tav"_s << ChartAxis{0, 2, 6}
                         << ChartAxis{0, 0.1, 12} << hours
                         << u"Carbon potential of the atmosphere, %"_s
                         << Points{{0, 1}, {0, 1}, {4, 1.1}, {8, 0.8}};
    QTest::newRow("Pow") << ChartKind::Surface << u"POW"_s << u"pow"_s << ChartAxis{0, 2, 6}
                         << ChartAxis{0, 0.1, 12} << hours
                         << u"Carbon concentration on the surface, %"_s
                         // The profile written at 1.125 h gives the surface between two rows.
                         << Points{{0, 0.2}, {0, 0.2}, {0.5, 0.8}, {1.125, 1}, {2, 1}};
    // The file's own axes (0..12 h in 12, 0..100 in 10) and captions.
    QTest::newRow("Masa") << ChartKind::Mass << u"MASA"_s << u"mas"_s << ChartAxis{0, 1, 12}
                          << ChartAxis{0, 10, 10} << u"Carburizing time, h"_s
                          << u"Weight gain, g/m^2 Semi-infinitive sample, be=2e-05cm/s"_s
                          << Points{{0, 0}, {0, 0}, {1, 20}, {5, 60}};
}

void TimeChartTest::freshWindow() {
    QFETCH(ChartKind, kind);
    QFETCH(Points, points);

    OpenSet set(SampleSet::SemiInfinite);
    MessageCapture messages;
    const QString title =
        set.files.mainFile() + u" - "_s + QString::fromLatin1(QTest::currentDataTag());
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, set.context, title);
    showIn(set.area, *window);

    QVERIFY(messages.messages().isEmpty());
    verifyFreshWindow(*window, title);
    if (QTest::currentTestFailed())
        return;
    const ChartDescription& chart = window->chart().description();
    QVERIFY(chart.legends.isEmpty());
    QCOMPARE(chart.lines.size(), 1);
    COMPARE_POINTS(chart.lines.first(), points);
}

void TimeChartTest::foilSet_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<QString>("xCaption");
    QTest::addColumn<Points>("points");

    const QString seconds = u"     Carburizing time, s"_s;
    // 0 to 2000 s in 10 divisions; the end point falls on the last row.
    QTest::newRow("T") << ChartKind::Temperature << u"TEMP"_s << ChartAxis{0, 200, 10} << seconds
                       << Points{{0, 900}, {0, 900}, {2000, 900}};
    QTest::newRow("Pot") << ChartKind::Potential << u"POT"_s << ChartAxis{0, 200, 10} << seconds
                         << Points{{0, 1}, {0, 1}, {2000, 1}};
    QTest::newRow("Pow") << ChartKind::Surface << u"POW"_s << ChartAxis{0, 200, 10} << seconds
                         << Points{{0, 0.1}, {0, 0.1}, {500, 0.7}, {2000, 0.9}};
    QTest::newRow("Masa") << ChartKind::Mass << u"MASA"_s << ChartAxis{0, 200, 10}
                          << u"Carburizing time, s"_s
                          << Points{{0, 0}, {0, 0}, {1000, 3}, {2000, 4}};
    QTest::newRow("Srednia") << ChartKind::Mean << u"SREDNIA"_s << ChartAxis{0, 200, 10}
                             << u"Carburizing time, s"_s
                             // The content: the file's increase over the steel's 0.1 % C.
                             << Points{{0, 0.1}, {0, 0.1}, {100, 0.15}, {2000, 0.5}};
}

void TimeChartTest::foilSet() {
    QFETCH(ChartKind, kind);
    QFETCH(QString, icon);
    QFETCH(ChartAxis, xAxis);
    QFETCH(QString, xCaption);
    QFETCH(Points, points);

    OpenSet set(SampleSet::Foil);
    set.context.foil = true; // as the open command sets it from the shape line
    MessageCapture messages;
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, set.context, u"foil"_s);
    showIn(set.area, *window);

    QVERIFY(messages.messages().isEmpty());
    QCOMPARE(iconPicture(window->windowIcon()), iconPicture(chartIcon(icon)));
    const ChartDescription& chart = window->chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    QCOMPARE(chart.xCaption, xCaption);
    COMPARE_POINTS(chart.lines.first(), points);
    if (kind == ChartKind::Mean)
        QCOMPARE(chart.yCaption, QString::fromUtf8(meanCarbonCaption));
}

void TimeChartTest::windowsKeepTheirSetsTimeUnit_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<bool>("foil");
    const QList<std::pair<QByteArray, ChartKind>> kinds{{"T", ChartKind::Temperature},
                                                        {"Pot", ChartKind::Potential},
                                                        {"Pow", ChartKind::Surface},
                                                        {"C", ChartKind::Carbon}};
    for (const auto& [name, kind] : kinds) {
        QTest::newRow(name + " of a thick set") << kind << false;
        QTest::newRow(name + " of a foil") << kind << true;
    }
}

// A set of the other sort opened later changes the client's flag; a window drawn again
// afterwards (on a resize, say) still speaks of its own set's time.
void TimeChartTest::windowsKeepTheirSetsTimeUnit() {
    QFETCH(ChartKind, kind);
    QFETCH(bool, foil);
    OpenSet set(foil ? SampleSet::Foil : SampleSet::SemiInfinite);
    set.context.foil = foil;
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, set.context, u"set"_s);
    showIn(set.area, *window);
    set.context.foil = !foil;
    window->draw();

    const ChartDescription& chart = window->chart().description();
    const QString unit = foil ? u"s"_s : u"h"_s;
    const QString shown = kind == ChartKind::Carbon ? chart.legends.first() : chart.xCaption;
    QVERIFY2(shown.endsWith(unit), qPrintable(shown));
}

void TimeChartTest::pointsForAxisRange_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QString>("xStart");
    QTest::addColumn<QString>("xEnd");
    QTest::addColumn<Points>("points");

    // Stages of the temperature chart: 0 h 900, 4 h 920, 8 h 880.
    QTest::newRow("inside the programme")
        << ChartKind::Temperature << u"2"_s << u"6"_s << Points{{2, 910}, {4, 920}, {6, 900}};
    QTest::newRow("ends on stage times")
        << ChartKind::Temperature << u"4"_s << u"8"_s << Points{{4, 920}, {4, 920}, {8, 880}};
    QTest::newRow("end beyond the last row adds no end point")
        << ChartKind::Temperature << u"6"_s << u"20"_s << Points{{6, 900}, {8, 880}};
    QTest::newRow("start on the first row")
        << ChartKind::Potential << u"0"_s << u"5"_s << Points{{0, 1}, {0, 1}, {4, 1.1}, {5, 1.025}};
    QTest::newRow("between two rows") << ChartKind::Surface << u"0.25"_s << u"1.25"_s
                                      << Points{{0.25, 0.5}, {0.5, 0.8}, {1.125, 1}, {1.25, 1}};
    QTest::newRow("wholly beyond the data") << ChartKind::Surface << u"3"_s << u"9"_s << Points{};
}

void TimeChartTest::pointsForAxisRange() {
    QFETCH(ChartKind, kind);
    QFETCH(QString, xStart);
    QFETCH(QString, xEnd);
    QFETCH(Points, points);

    OpenSet set(SampleSet::SemiInfinite);
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, set.context, u"range"_s);
    showIn(set.area, *window);

    MessageCapture messages;
    QVERIFY(rescale(*window, {{u"xStart"_s, xStart}, {u"xEnd"_s, xEnd}}));
    QVERIFY(messages.messages().isEmpty());
    const ChartDescription& chart = window->chart().description();
    COMPARE_POINTS(chart.lines.first(), points);
    for (const QPointF& point : chart.lines.first())
        QVERIFY(point.x() <= xEnd.toDouble());
}

void TimeChartTest::longFileDrawsEveryPoint() {
    constexpr int rows = 100'000;
    QByteArray surface = "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %\n";
    for (int row = 0; row < rows; ++row)
        surface += ", " + QByteArray::number(row * 1e-4) + " " +
                   QByteArray::number(0.2 + row * 1e-5) + "\n";
    OpenSet set(SampleSet::SemiInfinite);
    set.files.write(u"pow"_s, surface);
    TPowMDIChild window(set.context, u"long"_s);
    showIn(set.area, window);

    // Every row lies below xEnd 12, and the start point is interpolated at 0.
    QCOMPARE(window.chart().description().lines.first().size(), rows + 1);
}

QTEST_MAIN(TimeChartTest)
#include "TimeChartTest.moc"

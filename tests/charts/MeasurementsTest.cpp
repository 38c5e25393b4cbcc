// Measured profiles as a chart shows them and as its CSV holds them, without a widget; and the
// hardness chart's limit of the case-hardening depth.

#include "Measurements.h"
#include "ChartDescription.h"
#include "ChartExport.h"
#include "ChartTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

MeasuredProfile measured(MeasuredQuantity quantity, std::vector<double> depth,
                         std::vector<double> value) {
    return MeasuredProfile{quantity, {}, std::move(depth), std::move(value)};
}

// A line from 1 % C at the surface to 0 at 1 mm.
const ComputedProfile falling{QString(), {0, 1}, {1, 0}};

} // namespace

class MeasurementsTest : public QObject {
    Q_OBJECT
private slots:
    void legendGivesTheMisfit_data();
    void legendGivesTheMisfit();
    void measurementsOfAnotherChartOrUnreadableAreRefused_data();
    void measurementsOfAnotherChartOrUnreadableAreRefused();
    void csvHoldsMeasurementsInColumnsOfTheirOwn();
    void hardnessChartMarksTheCaseHardeningDepth();
};

void MeasurementsTest::legendGivesTheMisfit_data() {
    QTest::addColumn<MeasuredProfile>("profile");
    QTest::addColumn<QList<ComputedProfile>>("computed");
    QTest::addColumn<QString>("legend");

    // 0.1 % C above the line at both points.
    QTest::newRow("carbon") << measured(MeasuredQuantity::Carbon, {0.2, 0.6}, {0.9, 0.5})
                            << QList<ComputedProfile>{falling} << u"m.csv (RMS 0.100 %C)"_s;
    QTest::newRow("points beyond the profile")
        << measured(MeasuredQuantity::Carbon, {0.5, 1.5, 2}, {0.5, 0.1, 0.1})
        << QList<ComputedProfile>{falling} << u"m.csv (RMS 0.000 %C, 2 poza profilem)"_s;
    QTest::newRow("nothing inside")
        << measured(MeasuredQuantity::Carbon, {3}, {0.1}) << QList<ComputedProfile>{falling}
        << u"m.csv (RMS –, 1 poza profilem)"_s;
    QTest::newRow("hardness") << measured(MeasuredQuantity::Hardness, {0, 1}, {700, 480})
                              << QList<ComputedProfile>{{QString(), {0, 1}, {690, 500}}}
                              << u"m.csv (RMS 16 HV)"_s;
    // A comparison names each set's misfit.
    QTest::newRow("each set") << measured(MeasuredQuantity::Carbon, {0.5}, {0.6})
                              << QList<ComputedProfile>{{u"a.tav"_s, {0, 1}, {1, 0}},
                                                        {u"b.tav"_s, {0, 1}, {0.6, 0.6}}}
                              << u"m.csv (a.tav: RMS 0.100 %C; b.tav: RMS 0.000 %C)"_s;
    QTest::newRow("no computed profile") << measured(MeasuredQuantity::Carbon, {0.5}, {0.6})
                                         << QList<ComputedProfile>() << u"m.csv"_s;
}

void MeasurementsTest::legendGivesTheMisfit() {
    QFETCH(MeasuredProfile, profile);
    QFETCH(QList<ComputedProfile>, computed);
    QFETCH(QString, legend);
    const ShownMeasurement measurement{u"m.csv"_s, profile, Qt::black};
    const std::vector<ComputedProfile> against(computed.begin(), computed.end());
    const MeasuredPoints points = measuredPoints(measurement, against);
    QCOMPARE(points.legend, legend);
    QCOMPARE(points.name, u"m.csv"_s);
    QCOMPARE(points.points.size(), static_cast<qsizetype>(profile.depth.size()));
    QCOMPARE(points.points.first(), QPointF(profile.depth.front(), profile.value.front()));
}

void MeasurementsTest::measurementsOfAnotherChartOrUnreadableAreRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QString>("problem"); // empty: accepted

    const QByteArray carbon = "depth_mm,carbon\n0.1,0.8\n0.5,0.4\n";
    QTest::newRow("carbon on the carbon chart") << carbon << ChartKind::Carbon << QString();
    QTest::newRow("carbon on the hardness chart")
        << carbon << ChartKind::Hardness
        << u"m.csv: pomiar stężenia węgla nie należy do tego wykresu"_s;
    QTest::newRow("hardness on the carbon chart")
        << QByteArray("depth_mm;hardness_HV\n0,1;700\n") << ChartKind::Carbon
        << u"m.csv: pomiar twardości nie należy do tego wykresu"_s;
    QTest::newRow("a bad row") << QByteArray("# sample 3\ndepth_mm,carbon\n0.1,0.8\n0.5\n")
                               << ChartKind::Carbon
                               << u"m.csv: Line 4: \"0.5\" is not two numbers"_s;
}

void MeasurementsTest::measurementsOfAnotherChartOrUnreadableAreRefused() {
    QFETCH(QByteArray, text);
    QFETCH(ChartKind, kind);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    QFile file(folder.filePath(u"m.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    const MeasurementReading reading = readMeasurement(file.fileName(), kind, Qt::blue);
    QCOMPARE(reading.problem, problem);
    QCOMPARE(reading.measurement.has_value(), problem.isEmpty());
    if (reading.measurement) {
        QCOMPARE(reading.measurement->name, u"m.csv"_s);
        QCOMPARE(reading.measurement->colour, QColor(Qt::blue));
    }
}

void MeasurementsTest::csvHoldsMeasurementsInColumnsOfTheirOwn() {
    ChartDescription chart;
    chart.xCaption = u"Distance from the surface, mm"_s;
    chart.yCaption = u"Carbon concentration, %"_s;
    chart.legends = {u"2.00h"_s};
    chart.series = {{{0, 1}, {0.5, 0.6}}};
    chart.lines = chart.series;
    const ShownMeasurement three{
        u"m.csv"_s, measured(MeasuredQuantity::Carbon, {0.1, 0.3, 0.7}, {0.9, 0.8, 0.4}), {}};
    addMeasurements(chart, std::span(&three, 1), {});
    QCOMPARE(csvText(chart), u"\"Distance from the surface, mm\",2.00h,"
                             u"\"m.csv: Distance from the surface, mm\",\"m.csv: Carbon "
                             u"concentration, %\"\n"
                             u"0,1,0.1,0.9\n"
                             u"0.5,0.6,0.3,0.8\n"
                             u",,0.7,0.4\n"_s);
    QCOMPARE(pairedCsvText(chart), u"\"2.00h: Distance from the surface, mm\",\"2.00h: Carbon "
                                   u"concentration, %\",\"m.csv: Distance from the surface, "
                                   u"mm\",\"m.csv: Carbon concentration, %\"\r\n"
                                   u"0,1,0.1,0.9\r\n"
                                   u"0.5,0.6,0.3,0.8\r\n"
                                   u",,0.7,0.4\r\n"_s);
}

void MeasurementsTest::hardnessChartMarksTheCaseHardeningDepth() {
    const SampleSet files(SampleSet::SemiInfinite);
    const LoadedSet set = loadSet(files.mainFile().toStdString());
    const TSkala scale = openingScale(set, ChartKind::Hardness, TimeUnit::Hours);
    const ChartDescription hardness =
        describeSetChart(set, ChartKind::Hardness, scale, TimeUnit::Hours);
    // The last profile: 800 HV at the surface, 750 at 0.5 mm, 500 at 1 mm: 550 HV at 0.9 mm.
    QCOMPARE(hardness.levels.size(), 1);
    QCOMPARE(hardness.levels.first().y, 550.0);
    QCOMPARE(hardness.levels.first().legend, u"CHD 550 HV: 0.90 mm"_s);
    // The limit is no line of data: the CSV and the read-out keep to the profiles.
    QCOMPARE(hardness.series.size(), 2);
    QVERIFY(describeSetChart(set, ChartKind::Carbon, scale, TimeUnit::Hours).levels.isEmpty());
}

QTEST_GUILESS_MAIN(MeasurementsTest)
#include "MeasurementsTest.moc"

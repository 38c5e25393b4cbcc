// Sets the computation writes, opened in every window of the set: the files and their readers
// must agree, whatever the sample's shape.

#include "ChartDescription.h"
#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "Computation.h"
#include "MessageBox.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class NoProgress : public RunObserver {
public:
    void setProgress(int) override {}
};

using Kinds = QList<ChartKind>;

const Kinds thickSetKinds{ChartKind::Temperature, ChartKind::Potential, ChartKind::Carbon,
                          ChartKind::CaseDepth,   ChartKind::Surface,   ChartKind::Hardness,
                          ChartKind::Mass};
const Kinds carbideSetKinds = thickSetKinds + Kinds{ChartKind::Carbide};
const Kinds foilSetKinds{ChartKind::Temperature, ChartKind::Potential, ChartKind::Carbon,
                         ChartKind::Surface,     ChartKind::Mass,      ChartKind::Mean};

} // namespace

class ComputedSetTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void everyWindowReadsItsFile_data();
    void everyWindowReadsItsFile();
};

void ComputedSetTest::cleanup() {
    QVERIFY(noWindowLeft());
}

void ComputedSetTest::everyWindowReadsItsFile_data() {
    QTest::addColumn<QByteArray>("processData");
    QTest::addColumn<bool>("foil");
    QTest::addColumn<int>("profiles"); // one per stage end
    QTest::addColumn<Kinds>("kinds");

    QTest::newRow("semi-infinite sample")
        << QByteArray("0.2\n2e-05\n\n1.1\n0\n1.2\n0.25\n0\n\n3\n0 920 1.15\n4 920 1.15\n"
                      "6 880 0.8\nSemi-infinitive sample\n")
        << false << 2 << thickSetKinds;
    QTest::newRow("plate") << QByteArray("0.18\n2.5e-05\n\n0.6\n0.2\n0.8\n0.3\n0.8\n\n2\n"
                                         "0 930 1.2\n3 930 1.2\nPlate\n4\n")
                           << false << 1 << thickSetKinds;
    QTest::newRow("cylinder") << QByteArray("0.2\n2e-05\n\n1\n0\n1.1\n0.3\n0\n\n2\n0 920 1.0\n"
                                            "3 920 1.0\nCylinder\n10\n")
                              << false << 1 << thickSetKinds;
    // Boosts whose flux outruns diffusion: cementite at both stage ends.
    QTest::newRow("semi-infinite sample with carbides")
        << QByteArray("0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n3\n0 920 0.8\n0.5 920 0.8 boost 0.01\n"
                      "1 920 0.8 boost 0.01\nSemi-infinitive sample\ncarbides: on\n")
        << false << 2 << carbideSetKinds;
    QTest::newRow("foil") << QByteArray("0.1\n2e-05\n\n0\n0\n0.4\n0.2\n0\n\n2\n0 900 1.0\n"
                                        "1800 900 1.0\nFoil\n0.05\n")
                          << true << 1 << foilSetKinds;
}

void ComputedSetTest::everyWindowReadsItsFile() {
    QFETCH(QByteArray, processData);
    QFETCH(bool, foil);
    QFETCH(int, profiles);
    QFETCH(Kinds, kinds);

    QTemporaryDir folder;
    const QString setName = folder.filePath(u"computed.tav"_s);
    QFile file(setName);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(processData) == processData.size());
    file.close();
    NoProgress progress;
    QVERIFY(runComputation(setName.toStdString(), progress).status == RunStatus::Finished);

    FakeChartContext context;
    context.openFile = setName;
    context.foil = foil;
    QMdiArea area;
    MessageCapture messages;
    for (const ChartKind kind : kinds) {
        TChartMDIChild* window = makeWindow(kind, context, u"computed"_s).release();
        showIn(area, *window);
        QVERIFY2(messages.messages().isEmpty(), qPrintable(window->fileName()));

        const ChartDescription& chart = window->chart().description();
        QVERIFY(!chart.lines.isEmpty());
        for (const QList<QPointF>& line : chart.lines)
            QVERIFY2(line.size() > 1, qPrintable(window->fileName()));
        if (kind == ChartKind::Carbon || kind == ChartKind::Carbide)
            QCOMPARE(chart.legends.size(), profiles);
        if (kind == ChartKind::Carbide) {
            QVERIFY(window->fileName().endsWith(u".wgl"_s));
            QCOMPARE(chart.yCaption, u"Cementite, mass %"_s);
            const QList<QPointF>& last = chart.lines.constLast();
            QVERIFY2(last.front().y() > 0, "cementite at the surface");
        }
        if (isNodeChart(kind))
            continue;
        // The time axis as the set's unit asks, and no point beyond it.
        QVERIFY(chart.xAxis.end() == (foil ? 2000 : 12));
        QVERIFY(
            std::all_of(chart.lines[0].cbegin(), chart.lines[0].cend(), [&chart](QPointF point) {
                return point.x() >= chart.xAxis.start && point.x() <= chart.xAxis.end();
            }));
    }
    QCOMPARE(context.foil, foil);
}

QTEST_MAIN(ComputedSetTest)
#include "ComputedSetTest.moc"

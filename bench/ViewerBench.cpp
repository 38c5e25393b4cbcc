// The viewer's costs a user waits for: a set opened (read once, seven windows drawn), eight sets
// compared (read and every shared chart drawn), a measurement of 1 000 points added to a carbon
// window (read, compared and drawn), and the read-out's search for the nearest of 100 000
// points, which runs at every mouse move.

#include "ComparisonChart.h"
#include "Computation.h"
#include "LineChart.h"
#include "NearestPoint.h"
#include "TChartMDIChild.h"
#include "TavMDIClient.h"
#include "TestProcess.h"

#include <QApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class NoProgress : public RunObserver {
public:
    void setProgress(int /*percent*/) override {}
};

// A thick set of the examples' size: twelve hours in three stages.
QString computedSet(const QTemporaryDir& folder, int index) {
    ProcessRecord process = stagedProcess(0.2, 2e-5,
                                          {{0, 920, 1.15},
                                           {6, 920, 1.15},
                                           {10 + index * 0.25, 920, 0.8},
                                           {12 + index * 0.5, 850, 0.8}});
    process.data.alloy = {1.1, 0, 1.2, 0.25, 0};
    const QString name = folder.filePath(QStringLiteral("set%1.tav").arg(index));
    NoProgress progress;
    if (!writeProcessData(name.toStdString(), process) ||
        runComputation(name.toStdString(), progress).status != RunStatus::Finished)
        qFatal("the benchmark's set was not computed");
    return name;
}

const QTemporaryDir& setFolder() {
    static const QTemporaryDir folder;
    return folder;
}

void BM_OpenSet(benchmark::State& state) {
    const QString name = computedSet(setFolder(), 0);
    TTavMDIClient client;
    client.resize(1024, 720);
    client.show();
    for (auto _ : state) {
        client.openSet(name);
        QApplication::processEvents();
        state.PauseTiming();
        client.closeAllSubWindows();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSet)->Unit(benchmark::kMillisecond);

void BM_CompareEightSets(benchmark::State& state) {
    std::vector<QString> names;
    for (int i = 0; i < 8; ++i)
        names.push_back(computedSet(setFolder(), i));
    for (auto _ : state) {
        std::vector<LoadedSet> loaded;
        for (const QString& name : names)
            loaded.push_back(loadSet(name.toStdString()));
        std::vector<const LoadedSet*> sets;
        std::vector<ComparedSet> compared;
        for (const LoadedSet& set : loaded) {
            sets.push_back(&set);
            compared.push_back({&set, comparisonColour(static_cast<int>(compared.size()))});
        }
        for (ChartKind quantity : sharedQuantities(sets)) {
            LineChart chart;
            chart.resize(640, 480);
            chart.setDescription(describeComparison(compared, quantity, 0).description);
            chart.draw();
        }
    }
}
BENCHMARK(BM_CompareEightSets)->Unit(benchmark::kMillisecond);

void BM_AddMeasurementOf1000Points(benchmark::State& state) {
    const QString name = computedSet(setFolder(), 0);
    const QString measured = setFolder().filePath(QStringLiteral("measured.csv"));
    QFile file(measured);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("the benchmark's measurement was not written");
    file.write("# a traverse of 1000 points\ndepth_mm,carbon\n");
    for (int point = 0; point < 1000; ++point)
        file.write(QByteArray::number(point * 0.002) + ',' +
                   QByteArray::number(1.0 - point * 0.0008) + '\n');
    file.close();
    TTavMDIClient client;
    client.resize(1024, 720);
    client.show();
    const auto windows = client.openSet(name);
    TChartMDIChild* carbon = nullptr;
    for (const auto& [kind, window] : windows)
        if (kind == ChartKind::Carbon)
            carbon = window;
    QApplication::processEvents();
    for (auto _ : state) {
        if (!carbon->addMeasurement(measured))
            qFatal("the benchmark's measurement was refused");
        QApplication::processEvents();
        state.PauseTiming();
        carbon->removeMeasurement(0);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddMeasurementOf1000Points)->Unit(benchmark::kMillisecond);

// A line of 100 000 points at rising x over 0–100, at random heights in 0–1.
QList<QPointF> longLine(QRandomGenerator& random) {
    QList<QPointF> points;
    for (int i = 0; i < 100000; ++i)
        points.append(QPointF(i * 0.001, random.bounded(1.0)));
    return points;
}

void BM_NearestOf100000Points(benchmark::State& state) {
    QRandomGenerator random(3);
    const QList<QPointF> points = longLine(random);
    for (auto _ : state) {
        const QPointF at(random.bounded(100.0), random.bounded(1.0));
        benchmark::DoNotOptimize(nearestPoint(points, true, at, 6.4, 400));
    }
}
BENCHMARK(BM_NearestOf100000Points)->Unit(benchmark::kMicrosecond);

// The read-out between points: the nearest of 100 000 segments.
void BM_NearestSegmentOf100000Points(benchmark::State& state) {
    QRandomGenerator random(3);
    const QList<QPointF> points = longLine(random);
    for (auto _ : state) {
        const QPointF at(random.bounded(100.0), random.bounded(1.0));
        benchmark::DoNotOptimize(nearestSegment(points, true, at, 6.4, 400));
    }
}
BENCHMARK(BM_NearestSegmentOf100000Points)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // The windows draw as they would on a screen, without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Measured profiles added to and removed from a chart window through its context menu, as a user
// does it: a right click on the chart, the command picked in the menu, the file chosen in the
// (answered) file dialog.

#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A right click where the window system delivers it: through the top-level window, which
// turns the press into the context-menu request the chart's widgets pass up to the window.
void rightClick(TChartMDIChild& window) {
    const LineChart& chart = window.chart();
    QWidget* top = chart.window();
    const QPoint at = chart.viewport()->mapTo(top, chart.viewport()->rect().center());
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, at);
}

} // namespace

class MeasurementWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void addAndRemoveThroughTheContextMenu();
    void refusedFileIsToldAndNothingAdded();
};

void MeasurementWindowTest::cleanup() {
    QVERIFY(noWindowLeft());
}

void MeasurementWindowTest::addAndRemoveThroughTheContextMenu() {
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Carbon, set.context, u"set - C"_s);
    showIn(set.area, *window);
    QVERIFY(QTest::qWaitForWindowExposed(&set.area));
    QTemporaryDir folder;
    QFile file(folder.filePath(u"probe.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# sample 3\ndepth_mm;carbon\n0,1;0,95\n0,5;0,62\n2,5;0,2\n");
    file.close();

    MessageCapture capture;
    capture.answerFileDialogs({file.fileName()});
    pickWhenTheMenuOpens({u"Dodaj pomiar..."_s});
    rightClick(*window);
    QTRY_COMPARE(window->measurements().size(), 1);
    QVERIFY(capture.messages().isEmpty());
    const ChartDescription& shown = window->chart().description();
    QCOMPARE(shown.measurements.size(), 1);
    // The last profile (2.50 h) is 1.0 % C at 0.1 mm and 0.8 at 0.5 mm: 0.05 and 0.18 above the
    // points; the point at 2.5 mm lies beyond the profile's 1.5 mm.
    QCOMPARE(shown.measurements.first().legend, u"probe.csv (RMS 0.132 %C, 1 poza profilem)"_s);
    QCOMPARE(shown.measurements.first().points.size(), 3);
    QVERIFY(window->csv().contains(u"probe.csv: Carbon concentration, %"_s));
    // Saved pictures are drawn from the same description.
    QVERIFY(window->chart().shownDescription().measurements.size() == 1);

    pickWhenTheMenuOpens({u"Usuń pomiar"_s, u"probe.csv"_s});
    rightClick(*window);
    QTRY_VERIFY(window->measurements().isEmpty());
    QVERIFY(window->chart().description().measurements.isEmpty());
}

void MeasurementWindowTest::refusedFileIsToldAndNothingAdded() {
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Hardness, set.context, u"set - HV"_s);
    showIn(set.area, *window);
    QVERIFY(QTest::qWaitForWindowExposed(&set.area));
    QTemporaryDir folder;
    QFile file(folder.filePath(u"bad.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("depth_mm,hardness_HV\n0.1,700\n-0.2,650\n");
    file.close();

    MessageCapture capture;
    capture.answerFileDialogs({file.fileName()});
    pickWhenTheMenuOpens({u"Dodaj pomiar..."_s});
    rightClick(*window);
    QTRY_COMPARE(capture.messages().size(), 1);
    QVERIFY(capture.messages().first().text.startsWith(u"bad.csv: Line 3: "_s));
    QCOMPARE(capture.messages().first().icon, MessageIcon::Exclamation);
    QVERIFY(window->measurements().isEmpty());
}

QTEST_MAIN(MeasurementWindowTest)
#include "MeasurementWindowTest.moc"

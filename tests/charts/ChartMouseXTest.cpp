// The chart mouse under a real X server, as a user meets it: the test starts its own Xvfb and
// moves and clicks with the server's own input (XTest, through xdotool), so that the events
// reach the chart the way the window system delivers them, not the way a test would send them.
// Without Xvfb or xdotool every case is skipped, saying which is missing.

#include "ChartTestSupport.h"
#include "MessageBox.h"
#include "TChartMDIChild.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// An Xvfb of the test's own, on a display it picks itself (so that tests running side by side
// never meet), stopped when the test ends.
class VirtualXServer {
public:
    VirtualXServer() { start(); }
    ~VirtualXServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    bool running() const { return !display_.empty(); }
    const std::string& display() const { return display_; }
    const std::string& failure() const { return failure_; }

private:
    void start() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            failure_ = "no pipe to Xvfb";
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(pipeEnds[0]);
            const std::string fd = std::to_string(pipeEnds[1]);
            // Xvfb writes the number of the display it found free to -displayfd.
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1000x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        if (pid_ < 0) {
            close(pipeEnds[0]);
            failure_ = "Xvfb could not be started";
            return;
        }
        std::string number;
        pollfd ready{pipeEnds[0], POLLIN, 0};
        char digit = 0;
        while (poll(&ready, 1, startTimeoutMs) > 0 && read(pipeEnds[0], &digit, 1) == 1 &&
               digit != '\n')
            number += digit;
        close(pipeEnds[0]);
        if (number.empty())
            failure_ = "Xvfb is not installed or did not start (tools/install-deps.sh installs it)";
        else
            display_ = ':' + number;
    }

    static constexpr int startTimeoutMs = 10000;
    pid_t pid_ = -1;
    std::string display_;
    std::string failure_;
};

VirtualXServer* xServer = nullptr;

// Runs xdotool with `arguments`; false when it could not run or failed.
bool xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(u"xdotool"_s, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The X server's pointer to a point of the chart's view. Two moves: the first one enters the
// window, the second one moves within it.
bool movePointerTo(const LineChart& chart, QPoint inView) {
    const QPoint global = chart.viewport()->mapToGlobal(inView);
    return xdotool({u"mousemove"_s, QString::number(global.x() - 3),
                    QString::number(global.y() - 3)}) &&
           xdotool({u"mousemove"_s, QString::number(global.x()), QString::number(global.y())});
}

// Counts the tooltip requests a widget receives.
class ToolTipRequests : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::ToolTip ? 1 : 0;
        return false;
    }
    int count = 0;
};

} // namespace

class ChartMouseXTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pointerReadsAndLegendHides();
    void pointerReadsATemperatureBetweenRows();
    void rightClickAddsAMeasurement();
};

void ChartMouseXTest::init() {
    if (!xServer->running())
        QSKIP(xServer->failure().c_str());
    if (QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
        QSKIP("xdotool is not installed (tools/install-deps.sh installs it)");
}

void ChartMouseXTest::cleanup() {
    QVERIFY(noWindowLeft());
}

void ChartMouseXTest::pointerReadsAndLegendHides() {
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Carbon, set.context, u"set - C"_s);
    QVERIFY(showAtWorkingSize(set.area, *window));
    // The window the user works in is the active one; only there does the window system ask
    // for tooltips, which the chart must answer with its read-out.
    set.area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&set.area));
    const LineChart& chart = window->chart();
    QTRY_VERIFY(chart.isVisible() && !chart.chart()->plotArea().isEmpty());

    // The read-out of a point of the first profile.
    const QPointF point = chart.description().lines.first().at(1);
    const QPoint inView = chart.mapFromScene(chart.chart()->mapToScene(
        chart.chart()->mapToPosition(point, chart.chart()->series().first())));
    const QString expected = chart.readOutAt(inView);
    QVERIFY(!expected.isEmpty());
    ToolTipRequests requests;
    chart.viewport()->installEventFilter(&requests);
    QVERIFY(movePointerTo(chart, inView));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), expected);
    // The mouse rests: the read-out stays. A tooltip told to hide fades out over 300 ms; what
    // is checked is that nothing happens, so there is no condition to wait for instead.
    QTRY_VERIFY(requests.count > 0);
    QTest::qWait(600);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), expected);

    // A click on the second profile's legend entry hides its line, and another shows it.
    const QPoint entry = legendEntry(chart, 1);
    QVERIFY(chart.rect().contains(entry));
    QVERIFY(movePointerTo(chart, entry));
    QVERIFY(xdotool({u"click"_s, u"1"_s}));
    QTRY_VERIFY(!chart.isLineVisible(1));
    QVERIFY(chart.isLineVisible(0));
    QVERIFY(!chart.isZoomed());
    QVERIFY(xdotool({u"click"_s, u"1"_s}));
    QTRY_VERIFY(chart.isLineVisible(1));
}

// The sample set's temperature rises from 900 °C at 0 h to 920 °C at 4 h: the pointer on the
// line at 3 h, an hour from either row, reads 915 °C.
void ChartMouseXTest::pointerReadsATemperatureBetweenRows() {
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Temperature, set.context, u"set - T"_s);
    QVERIFY(showAtWorkingSize(set.area, *window));
    set.area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&set.area));
    const LineChart& chart = window->chart();
    QTRY_VERIFY(chart.isVisible() && !chart.chart()->plotArea().isEmpty());
    const QPoint onLine = viewPoint(chart, {3, 915});
    QVERIFY(viewPoint(chart, {4, 920}).x() - onLine.x() > 40);

    QVERIFY(movePointerTo(chart, onLine));
    QTRY_VERIFY(QToolTip::isVisible());
    verifyTemperatureNearThreeHours(QToolTip::text());
}

void ChartMouseXTest::rightClickAddsAMeasurement() {
    OpenSet set(SampleSet::SemiInfinite);
    const std::unique_ptr<TChartMDIChild> window =
        makeWindow(ChartKind::Hardness, set.context, u"set - HV"_s);
    QVERIFY(showAtWorkingSize(set.area, *window));
    set.area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&set.area));
    QTemporaryDir folder;
    QFile file(folder.filePath(u"traverse.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("depth_mm,hardness_HV\n0.1,790\n0.5,720\n0.9,560\n");
    file.close();
    MessageCapture capture;
    capture.answerFileDialogs({file.fileName()});

    // The menu runs its own event loop from the click that opens it: the command is clicked
    // from there, with the pointer, once the menu shows.
    bool clicked = false;
    QTimer pick;
    connect(&pick, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (clicked || !menu || !menu->isVisible())
            return;
        for (QAction* action : menu->actions())
            if (action->text() == u"Dodaj pomiar..."_s) {
                const QPoint at = menu->mapToGlobal(menu->actionGeometry(action).center());
                clicked =
                    xdotool({u"mousemove"_s, QString::number(at.x()), QString::number(at.y())}) &&
                    xdotool({u"click"_s, u"1"_s});
            }
    });
    pick.start(20);
    const LineChart& chart = window->chart();
    QVERIFY(movePointerTo(chart, chart.viewport()->rect().center()));
    QVERIFY(xdotool({u"click"_s, u"3"_s}));
    QTRY_COMPARE(window->measurements().size(), 1);
    QVERIFY(clicked);
    QVERIFY(capture.messages().isEmpty());
    QCOMPARE(chart.description().measurements.first().name, u"traverse.csv"_s);
}

int main(int argc, char* argv[]) {
    VirtualXServer server;
    xServer = &server;
    if (server.running()) {
        setenv("DISPLAY", server.display().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    } else {
        // Somewhere to run, so that each case can say why it is skipped.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    ChartMouseXTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ChartMouseXTest.moc"

// One start of the viewer, and the restart loop around it.

#include "TavApp.h"
#include "FileTable.h"
#include "GuardedApplication.h"
#include "MessageBox.h"
#include "RestartLoop.h"
#include "SplashWindow.h"
#include "TavFrame.h"
#include "TavMDIClient.h"
#include "TestSets.h"
#include "ViewerLink.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <future>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Does what a test wants with each frame as soon as it is shown; the work runs queued, inside
// the frame's event loop.
class OnFrameShown : public QObject {
public:
    explicit OnFrameShown(std::function<void(TTavFrame&)> work) : work_(std::move(work)) {
        qApp->installEventFilter(this);
    }
    bool splashWasGone = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* frame = qobject_cast<TTavFrame*>(watched);
        if (event->type() != QEvent::Show || !frame)
            return false;
        for (const QWidget* window : QApplication::topLevelWidgets())
            splashWasGone = splashWasGone && !qobject_cast<const TSplashWindow*>(window);
        QMetaObject::invokeMethod(
            this, [this, frame] { work_(*frame); }, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(TTavFrame&)> work_;
};

} // namespace

class TavAppTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void startEmptiesTheInUseList();
    void abnormalEndStartsAFreshFrame();
    void exceptionInAHandlerIsReported();
    void setNamedAtStartOpensUnlessInUse_data();
    void setNamedAtStartOpensUnlessInUse();
    void setHandedOverOpensInTheRunningViewer();

private:
    ProgramPlace place() const { return ProgramPlace::at(folder_.path()); }
    QTemporaryDir folder_;
    QString set_;
};

void TavAppTest::initTestCase() {
    set_ = computeSet(folder_.path(), u"stal.tav"_s, SampleShape::SemiInfinite);
}

void TavAppTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TavAppTest::startEmptiesTheInUseList() {
    writeTestFile(place().ListFilePath, "2\r\n/A.TAV\r\n/B.TAV\r\n");
    OnFrameShown quit([](TTavFrame&) { QCoreApplication::exit(0); });
    TTavApp tavrix(place());

    QCOMPARE(tavrix.run(), 0);

    QFile list(place().ListFilePath);
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray("0"));
    QVERIFY(tavrix.frame());
    QCOMPARE(tavrix.frame()->windowTitle(), u"Tavrix!"_s);
    QVERIFY(quit.splashWasGone);
}

void TavAppTest::abnormalEndStartsAFreshFrame() {
    int runs = 0;
    int windowsAtSecondStart = -1;
    bool autoFitAtSecondStart = false;
    OnFrameShown script([&](TTavFrame& frame) {
        if (runs == 1) {
            // The first run leaves chart windows and automatic fitting off, then fails.
            frame.client().openSet(set_);
            frame.command(Command::AutoFit)->trigger();
            QCoreApplication::exit(5);
            return;
        }
        windowsAtSecondStart = int(frame.client().subWindowList().size());
        autoFitAtSecondStart = frame.client().autoFit();
        QCoreApplication::exit(0);
    });
    MessageCapture capture(QMessageBox::Yes);

    const int result = runWithRestart([&] {
        ++runs;
        TTavApp tavrix(place());
        return tavrix.run();
    });

    QCOMPARE(result, 0);
    QCOMPARE(runs, 2);
    QCOMPARE(capture.texts(), QStringList{u"Run returned 5\n\nUruchomić jeszcze raz?"_s});
    QCOMPARE(capture.messages().first().caption, u"Niezwykłe zakończenie"_s);
    QCOMPARE(windowsAtSecondStart, 0);
    QVERIFY(autoFitAtSecondStart);
}

void TavAppTest::exceptionInAHandlerIsReported() {
    OnFrameShown script([](TTavFrame&) { throw std::runtime_error("window creation failed"); });
    MessageCapture capture(QMessageBox::No);

    const int result = runWithRestart([&] {
        TTavApp tavrix(place());
        return tavrix.run();
    });

    QCOMPARE(result, 1);
    QCOMPARE(capture.messages().size(), 1);
    QCOMPARE(capture.messages().first().caption, u"Niezwykłe zakończenie, uncaught xmsg"_s);
    QCOMPARE(capture.messages().first().text,
             u"window creation failed\n\nUruchomić jeszcze raz?"_s);
}

void TavAppTest::setNamedAtStartOpensUnlessInUse_data() {
    QTest::addColumn<bool>("beingComputed");
    QTest::addColumn<int>("windows");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("free set") << false << 7 << QStringList();
    QTest::newRow("set being computed") << true << 0 << QStringList{u"Choose another file"_s};
}

void TavAppTest::setNamedAtStartOpensUnlessInUse() {
    QFETCH(bool, beingComputed);
    QFETCH(int, windows);
    QFETCH(QStringList, captions);
    // A computation that runs holds its claim, so the viewer's start keeps the set listed.
    std::optional<SetClaim> claim;
    if (beingComputed) {
        claim = SetClaim::claim(place().ListFilePath.toStdString(), set_.toUpper().toStdString());
        QVERIFY(claim->claimed());
    }
    int shown = -1;
    QString active;
    OnFrameShown look([&](TTavFrame& frame) {
        shown = int(frame.client().subWindowList().size());
        if (frame.client().activeSubWindow())
            active = frame.client().activeSubWindow()->windowTitle();
        QCoreApplication::exit(0);
    });
    MessageCapture capture;

    TTavApp tavrix(place(), set_);
    QCOMPARE(tavrix.run(), 0);

    QCOMPARE(shown, windows);
    QStringList shownCaptions;
    for (const MessageRecord& message : capture.messages())
        shownCaptions.append(message.caption);
    QCOMPARE(shownCaptions, captions);
    if (beingComputed)
        QCOMPARE(capture.texts(), QStringList{u"File name already exist and is in use"_s});
    else
        QCOMPARE(active, set_ + u" - T"_s);
}

void TavAppTest::setHandedOverOpensInTheRunningViewer() {
    int shown = -1;
    QString active;
    std::future<bool> taken;
    OnFrameShown handOver([&](TTavFrame& frame) {
        // From another process, as tavcalc's "Pokaż wyniki" or a second `tavrix SET` does.
        taken =
            std::async(std::launch::async, [name = viewerServerName(place().ListFilePath),
                                            set = set_] { return openInRunningViewer(name, set); });
        auto* poll = new QTimer(&frame);
        connect(poll, &QTimer::timeout, &frame, [&] {
            if (frame.client().subWindowList().isEmpty())
                return;
            shown = int(frame.client().subWindowList().size());
            active = frame.client().activeSubWindow()->windowTitle();
            QCoreApplication::exit(0);
        });
        poll->start(20);
        QTimer::singleShot(60'000, &frame, [] { QCoreApplication::exit(1); });
    });

    TTavApp tavrix(place());
    QCOMPARE(tavrix.run(), 0);
    QVERIFY(taken.get());
    QCOMPARE(shown, 7);
    QCOMPARE(active, set_ + u" - T"_s);
}

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    TavAppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TavAppTest.moc"

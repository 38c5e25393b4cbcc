// The restart loop and the application object that hands it what event handlers throw.

#include "RestartLoop.h"
#include "GuardedApplication.h"
#include "MessageBox.h"

#include <QTimer>
#include <QtTest>

#include <stdexcept>

class RestartLoopTest : public QObject {
    Q_OBJECT
private slots:
    void reportsAbnormalEnds_data();
    void reportsAbnormalEnds();
    void exceptionInEventHandlerLeavesTheLoop();
};

using namespace Qt::StringLiterals;

namespace {

// One run of the viewer as a test scripts it: "0", "3" (results), "xmsg" or "other" (throws).
int scriptedRun(const QString& step) {
    if (step == u"xmsg")
        throw std::runtime_error("Out of window handles");
    if (step == u"other")
        throw 42;
    return step.toInt();
}

} // namespace

void RestartLoopTest::reportsAbnormalEnds_data() {
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("runCount");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    const QString question = QStringLiteral("Uruchomić jeszcze raz?");
    QTest::newRow("normal end") << QStringList{u"0"_s} << false << 1 << 0 << QString() << QString();
    QTest::newRow("result declined")
        << QStringList{u"3"_s} << false << 1 << 3 << QStringLiteral("Niezwykłe zakończenie")
        << u"Run returned 3\n\n"_s + question;
    QTest::newRow("result restarted")
        << QStringList{u"-7"_s, u"0"_s} << true << 2 << 0 << QStringLiteral("Niezwykłe zakończenie")
        << u"Run returned -7\n\n"_s + question;
    QTest::newRow("library exception") << QStringList{u"xmsg"_s} << false << 1 << 1
                                       << QStringLiteral("Niezwykłe zakończenie, uncaught xmsg")
                                       << u"Out of window handles\n\n"_s + question;
    QTest::newRow("other exception restarted")
        << QStringList{u"other"_s, u"0"_s} << true << 2 << 0
        << QStringLiteral("Niezwykłe zakończenie, uncaught ...") << question;
}

void RestartLoopTest::reportsAbnormalEnds() {
    QFETCH(QStringList, runs);
    QFETCH(bool, restart);
    QFETCH(int, runCount);
    QFETCH(int, result);
    QFETCH(QString, caption);
    QFETCH(QString, text);

    MessageCapture capture(restart ? QMessageBox::Yes : QMessageBox::No);
    int calls = 0;
    const int returned = runWithRestart([&] { return scriptedRun(runs.at(calls++)); });

    QCOMPARE(returned, result);
    QCOMPARE(calls, runCount);
    if (caption.isEmpty()) {
        QVERIFY(capture.messages().isEmpty());
        return;
    }
    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& report = capture.messages().first();
    QCOMPARE(report.caption, caption);
    QCOMPARE(report.text, text);
    QCOMPARE(report.icon, MessageIcon::Stop);
}

void RestartLoopTest::exceptionInEventHandlerLeavesTheLoop() {
    QTimer::singleShot(0, [] { throw std::runtime_error("thrown by a handler"); });
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, GuardedApplication::runEventLoop());

    // The loop is usable again afterwards: a restart runs it anew.
    QTimer::singleShot(0, [] { QCoreApplication::exit(4); });
    QCOMPARE(GuardedApplication::runEventLoop(), 4);
}

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    RestartLoopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RestartLoopTest.moc"

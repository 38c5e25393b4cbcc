// Both programs' command-line manners, run as the real programs where no display can be reached:
// usage on request and on a wrong option, and a window asked for without a display.

#include "ProgramRun.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString tavcalc = QStringLiteral(TAVCALC_PROGRAM);
const QString tavrix = QStringLiteral(TAVRIX_PROGRAM);

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void helpListsEveryMode_data();
    void helpListsEveryMode();
    void unknownOptionIsAUsageError_data();
    void unknownOptionIsAUsageError();
    void windowWithoutDisplayIsRefusedInOneLine_data();
    void windowWithoutDisplayIsRefusedInOneLine();
};

void CommandLineTest::helpListsEveryMode_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("modes");
    const QStringList calcModes = {u"tavcalc SHAPE"_s, u"tavcalc --run SET.tav"_s,
                                   u"tavcalc --help"_s, u"tavcalc --version"_s};
    const QStringList viewerModes = {u"tavrix "_s, u"tavrix SET.tav"_s,
                                     u"tavrix --export FOLDER SET.tav"_s, u"tavrix --help"_s,
                                     u"tavrix --version"_s};
    QTest::newRow("tavcalc --help") << tavcalc << QStringList{u"--help"_s} << calcModes;
    QTest::newRow("tavcalc -h") << tavcalc << QStringList{u"-h"_s} << calcModes;
    QTest::newRow("tavcalc after a toolkit option")
        << tavcalc << QStringList{u"-platform"_s, u"offscreen"_s, u"--help"_s} << calcModes;
    QTest::newRow("tavrix --help") << tavrix << QStringList{u"--help"_s} << viewerModes;
    QTest::newRow("tavrix after a toolkit option")
        << tavrix << QStringList{u"-reverse"_s, u"--help"_s} << viewerModes;
}

void CommandLineTest::helpListsEveryMode() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, modes);

    const ProgramRun run = runProgram(program, arguments);

    QVERIFY(run.exitedNormally);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.told(), QStringList());
    QVERIFY(run.out.startsWith(u"Usage:\n"_s));
    const QStringList lines = run.out.split(u'\n');
    for (const QString& mode : modes) {
        const qsizetype found = lines.indexOf(
            QRegularExpression(u"^  "_s + QRegularExpression::escape(mode) + u"( |$).*"_s));
        QVERIFY2(found > 0, qPrintable(mode));
    }
    QVERIFY(run.out.contains(u"taken from the current folder, else from the data folder"_s));
}

void CommandLineTest::unknownOptionIsAUsageError_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("tavcalc --bogus") << tavcalc << QStringList{u"--bogus"_s};
    QTest::newRow("tavcalc --run alone") << tavcalc << QStringList{u"--run"_s};
    QTest::newRow("tavrix --bogus") << tavrix << QStringList{u"--bogus"_s};
    QTest::newRow("tavrix -x") << tavrix << QStringList{u"-x"_s};
    QTest::newRow("tavrix --export without set") << tavrix << QStringList{u"--export"_s, u"d"_s};
}

void CommandLineTest::unknownOptionIsAUsageError() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    const ProgramRun run = runProgram(program, arguments);

    QVERIFY(run.exitedNormally);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith(u"Usage:\n"_s), qPrintable(run.err));
}

void CommandLineTest::windowWithoutDisplayIsRefusedInOneLine_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("headlessMode");
    // Whether the program can tell before Qt starts, so that its line is all it says.
    QTest::addColumn<bool>("alone");
    QTest::newRow("tavcalc Plate")
        << tavcalc << QStringList{u"Plate"_s} << QStringList() << u"tavcalc --run"_s << true;
    QTest::newRow("tavcalc on X11 without DISPLAY")
        << tavcalc << QStringList{u"Semi-infinitive sample"_s}
        << QStringList{u"QT_QPA_PLATFORM=xcb"_s} << u"tavcalc --run"_s << true;
    QTest::newRow("tavcalc with a display that is gone")
        << tavcalc << QStringList{u"Foil"_s} << QStringList{u"DISPLAY=:4093"_s}
        << u"tavcalc --run"_s << false;
    QTest::newRow("tavrix") << tavrix << QStringList() << QStringList() << u"tavrix --export"_s
                            << true;
    QTest::newRow("tavrix SET.tav")
        << tavrix << QStringList{u"stal20.tav"_s} << QStringList() << u"tavrix --export"_s << true;
    QTest::newRow("tavrix with a display that is gone")
        << tavrix << QStringList() << QStringList{u"DISPLAY=:4093"_s} << u"tavrix --export"_s
        << false;
    QTest::newRow("tavrix on Wayland without WAYLAND_DISPLAY")
        << tavrix << QStringList{u"-platform"_s, u"wayland"_s} << QStringList()
        << u"tavrix --export"_s << true;
}

void CommandLineTest::windowWithoutDisplayIsRefusedInOneLine() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, headlessMode);
    QFETCH(bool, alone);

    const ProgramRun run = runProgram(program, arguments, {}, environment);

    QVERIFY2(run.exitedNormally, "ended by a signal");
    QCOMPARE(run.exitCode, 1);
    if (alone)
        QCOMPARE(run.err.count(u'\n'), 1);
    QCOMPARE(run.told().size(), 1);
    QVERIFY2(run.err.contains(headlessMode), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"

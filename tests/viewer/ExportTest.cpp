// The viewer's command line: --version and the headless export, run as the real program.

#include "ProgramRun.h"
#include "ResultSet.h"
#include "TestSets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

ProgramRun runTavrix(const QStringList& arguments, const QString& workingFolder = {}) {
    return runProgram(QStringLiteral(TAVRIX_PROGRAM), arguments, workingFolder);
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void versionNeedsNoDisplay();
    void exportsEveryChartOfASet_data();
    void exportsEveryChartOfASet();
    void unreadableSetIsRefused();
    void missingResultFileIsTold();
    void incompleteExportIsAUsageError();
    void relativeNamesComeFromTheCurrentFolderElseTheProgramFolder();

private:
    QTemporaryDir folder_;
    QString semiInfinite_;
    QString foil_;
};

void ExportTest::initTestCase() {
    semiInfinite_ = computeSet(folder_.path(), u"stal.tav"_s, SampleShape::SemiInfinite);
    foil_ = computeSet(folder_.path(), u"folia.tav"_s, SampleShape::Foil);
}

void ExportTest::versionNeedsNoDisplay() {
    const ProgramRun run = runTavrix({u"--version"_s});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, u"tavrix 1.0.0\n"_s);
}

void ExportTest::exportsEveryChartOfASet_data() {
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QStringList>("charts");
    QTest::newRow("semi-infinite")
        << semiInfinite_ << QStringList{u"stal-T"_s,   u"stal-Pot"_s, u"stal-C"_s,   u"stal-G"_s,
                                        u"stal-Pow"_s, u"stal-HV"_s,  u"stal-Masa"_s};
    QTest::newRow("foil") << foil_
                          << QStringList{u"folia-T"_s,   u"folia-Pot"_s,  u"folia-C"_s,
                                         u"folia-Pow"_s, u"folia-Masa"_s, u"folia-Srednia"_s};
}

void ExportTest::exportsEveryChartOfASet() {
    QFETCH(QString, setName);
    QFETCH(QStringList, charts);
    QTemporaryDir out;
    const QString target = out.filePath(u"charts"_s);

    const ProgramRun run = runTavrix({u"--export"_s, target, setName});

    QCOMPARE(run.told(), QStringList());
    QCOMPARE(run.exitCode, 0);
    QStringList expectedFiles;
    for (const QString& chart : charts)
        expectedFiles << chart + u".csv"_s << chart + u".png"_s;
    expectedFiles.sort();
    QCOMPARE(QDir(target).entryList(QDir::Files, QDir::Name), expectedFiles);
    for (const QString& chart : charts) {
        const QImage picture(QDir(target).filePath(chart + u".png"_s));
        QCOMPARE(picture.size(), QSize(800, 600));
        QFile csv(QDir(target).filePath(chart + u".csv"_s));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        // A header and the points of a computed line.
        QVERIFY2(csv.readAll().count('\n') >= 3, qPrintable(chart));
    }
}

void ExportTest::unreadableSetIsRefused() {
    QTemporaryDir out;
    const QString missing = folder_.filePath(u"missing.tav"_s);
    const ProgramRun run = runTavrix({u"--export"_s, out.path(), missing});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.told(), QStringList{u"tavrix: cannot read the result set "_s + missing});
    QVERIFY(QDir(out.path()).isEmpty());
}

void ExportTest::missingResultFileIsTold() {
    QTemporaryDir copy;
    const QString setName = copy.filePath(u"copy.tav"_s);
    for (std::string_view extension : {"tav", "mas", "gru", "twa"})
        QVERIFY(
            QFile::copy(setFileName(semiInfinite_, extension), setFileName(setName, extension)));

    const ProgramRun run = runTavrix({u"--export"_s, copy.path(), setName});

    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.told(), QStringList{u"tavrix: cannot read "_s + setFileName(setName, "pow")});
    // The readable charts are written all the same.
    QVERIFY(QFile::exists(copy.filePath(u"copy-C.png"_s)));
}

void ExportTest::incompleteExportIsAUsageError() {
    const ProgramRun run = runTavrix({u"--export"_s, folder_.path()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(u"  tavrix --export FOLDER SET.tav"_s));
}

void ExportTest::relativeNamesComeFromTheCurrentFolderElseTheProgramFolder() {
    QTemporaryDir here;
    // A set only the current folder holds.
    const QString local = here.filePath(u"lokalny.tav"_s);
    for (std::string_view extension : {"tav", "pow", "mas", "gru", "twa"})
        QVERIFY(QFile::copy(setFileName(semiInfinite_, extension), setFileName(local, extension)));
    ProgramRun run = runTavrix({u"--export"_s, u"out"_s, u"lokalny.tav"_s}, here.path());
    QCOMPARE(run.told(), QStringList());
    QVERIFY(QFile::exists(here.filePath(u"out/lokalny-HV.png"_s)));

    // A bundled example, which lies in the program folder only; it may not have been computed.
    run = runTavrix({u"--export"_s, u"out"_s, u"examples/plate.tav"_s}, here.path());
    QVERIFY2(run.exitCode != 2, qPrintable(run.err));
    QVERIFY(QFile::exists(here.filePath(u"out/plate-T.png"_s)));
}

QTEST_GUILESS_MAIN(ExportTest)
#include "ExportTest.moc"

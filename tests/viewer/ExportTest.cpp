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
    void englishDrawsOtherCaptionsOverTheSameFiles_data();
    void englishDrawsOtherCaptionsOverTheSameFiles();
    void measuredProfilesAreDrawnOnTheirChart();
    void refusedMeasurementWritesNothing_data();
    void refusedMeasurementWritesNothing();
    void unreadableSetIsRefused();
    void missingResultFileIsTold();
    void fullDiskIsAnErrorAndLeavesNoPartFile();
    void unfinishedSetIsRefused_data();
    void unfinishedSetIsRefused();
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

void ExportTest::englishDrawsOtherCaptionsOverTheSameFiles_data() {
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("temperatureChart");
    QTest::addColumn<QString>("potentialHeader"); // the potential table's first line, if checked
    QTest::newRow("export") << QStringList{u"--export"_s, semiInfinite_} << u"stal-T"_s
                            << QString();
    // Two thick sets: a foil cannot be compared with them.
    const QString plate = computeSet(folder_.path(), u"plyta.tav"_s, SampleShape::Plate);
    QTest::newRow("compare") << QStringList{u"--compare"_s, semiInfinite_, plate} << u"compare-T"_s
                             << QString();
    // The potential chart's legends, translated in the picture, title the table's columns.
    const QString lowPressure = computeLowPressureSet(folder_.path(), u"prozniowe.tav"_s);
    QTest::newRow("low-pressure export")
        << QStringList{u"--export"_s, lowPressure} << u"prozniowe-T"_s
        << u"\"Carburizing time, h\",potencjał węglowy,granica nasycenia,przerwa: etap obojętny"_s;
}

// Under either language the same files, the CSV ones byte for byte; the English pictures differ
// where a caption is translated, as the temperature's is ("°C").
void ExportTest::englishDrawsOtherCaptionsOverTheSameFiles() {
    QFETCH(QStringList, command);
    QFETCH(QString, temperatureChart);
    QFETCH(QString, potentialHeader);
    QTemporaryDir out;
    QStringList files;
    for (const QString& language : {u"pl"_s, u"en"_s}) {
        QStringList arguments = command;
        arguments.insert(1, out.filePath(language));
        arguments << u"--lang"_s << language;
        const ProgramRun run = runTavrix(arguments);
        QCOMPARE(run.told(), QStringList());
        QCOMPARE(run.exitCode, 0);
        files = QDir(out.filePath(language)).entryList(QDir::Files, QDir::Name);
    }
    QCOMPARE(QDir(out.filePath(u"pl"_s)).entryList(QDir::Files, QDir::Name), files);
    QVERIFY(files.contains(temperatureChart + u".png"_s));
    for (const QString& file : files) {
        const QByteArray polish = readTestFile(out.filePath(u"pl/"_s + file));
        const QByteArray english = readTestFile(out.filePath(u"en/"_s + file));
        if (file.endsWith(u".csv"_s))
            QVERIFY2(polish == english, qPrintable(file));
        else if (file == temperatureChart + u".png"_s)
            QVERIFY2(polish != english, qPrintable(file));
    }
    if (!potentialHeader.isEmpty()) {
        const QString table = temperatureChart.chopped(1) + u"Pot.csv"_s;
        QVERIFY(files.contains(table));
        QCOMPARE(
            QString::fromUtf8(readTestFile(out.filePath(u"en/"_s + table))).section(u'\n', 0, 0),
            potentialHeader);
    }
}

namespace {

QString writtenFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return path;
}

QString textOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

void ExportTest::measuredProfilesAreDrawnOnTheirChart() {
    QTemporaryDir out;
    const QString carbon = writtenFile(out.filePath(u"c.csv"_s), "depth_mm,carbon\n0.1,0.9\n");
    const QString hardness =
        writtenFile(out.filePath(u"hv.csv"_s), "depth_mm;hardness_HV\n0,1;700\n0,3;640\n");
    const QString target = out.filePath(u"charts"_s);

    const ProgramRun run = runTavrix(
        {u"--export"_s, target, semiInfinite_, u"--measured"_s, carbon, u"--measured"_s, hardness});

    QCOMPARE(run.told(), QStringList());
    QCOMPARE(run.exitCode, 0);
    const QString carbonCsv = textOf(QDir(target).filePath(u"stal-C.csv"_s));
    const QString hardnessCsv = textOf(QDir(target).filePath(u"stal-HV.csv"_s));
    QVERIFY(carbonCsv.section(u'\n', 0, 0).endsWith(u",\"c.csv: Carbon concentration, %\""_s));
    QVERIFY(carbonCsv.section(u'\n', 1, 1).endsWith(u",0.1,0.9"_s));
    QVERIFY(!carbonCsv.contains(u"hv.csv"_s));
    QVERIFY(hardnessCsv.section(u'\n', 0, 0).endsWith(u"\"hv.csv: Hardness, HV\""_s));
    QVERIFY(hardnessCsv.section(u'\n', 2, 2).endsWith(u",0.3,640"_s));
    QVERIFY(!textOf(QDir(target).filePath(u"stal-T.csv"_s)).contains(u".csv:"_s));
}

void ExportTest::refusedMeasurementWritesNothing_data() {
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("told"); // after "tavrix: <file>: "

    QTest::newRow("a negative depth")
        << semiInfinite_ << QByteArray("depth_mm,carbon\n0.1,0.9\n-0.2,0.8\n") << u"Line 3: "_s;
    QTest::newRow("hardness of a foil") << foil_ << QByteArray("depth_mm,hardness_HV\n0.01,700\n")
                                        << u"the set has no HV chart to draw the measurement on"_s;
}

void ExportTest::refusedMeasurementWritesNothing() {
    QFETCH(QString, setName);
    QFETCH(QByteArray, text);
    QFETCH(QString, told);
    QTemporaryDir out;
    const QString measured = writtenFile(out.filePath(u"m.csv"_s), text);
    const QString target = out.filePath(u"charts"_s);

    const ProgramRun run = runTavrix({u"--export"_s, target, setName, u"--measured"_s, measured});

    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.told().size(), 1);
    QVERIFY2(run.told().first().startsWith(u"tavrix: "_s + measured + u": "_s + told),
             qPrintable(run.told().first()));
    QVERIFY(!QDir(target).exists());
}

void ExportTest::unreadableSetIsRefused() {
    QTemporaryDir out;
    const QString missing = folder_.filePath(u"missing.tav"_s);
    const ProgramRun run = runTavrix({u"--export"_s, out.path(), missing});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.told(), QStringList{u"tavrix: cannot read the result set "_s + missing});
    QVERIFY(QDir(out.path()).isEmpty());
}

void ExportTest::fullDiskIsAnErrorAndLeavesNoPartFile() {
    QTemporaryDir out;
    const QString target = out.filePath(u"charts"_s);
    // Files of the program cannot grow past 8 KiB, as on a disk that fills up: the small CSV
    // files fit, the pictures do not.
    const QString fillingDisk = u"trap '' XFSZ; ulimit -f 16; exec \"$0\" \"$@\""_s;
    const ProgramRun run =
        runProgram(u"/bin/sh"_s, {u"-c"_s, fillingDisk, QStringLiteral(TAVRIX_PROGRAM),
                                  u"--export"_s, target, semiInfinite_});

    QCOMPARE(run.exitCode, 1);
    QVERIFY(!run.told().isEmpty());
    for (const QString& line : run.told())
        QVERIFY2(line.startsWith(u"tavrix: cannot write "_s + target) &&
                     line.endsWith(u".png: File too large"_s),
                 qPrintable(line));
    // What was written is whole; what could not be is not there.
    for (const QFileInfo& file : QDir(target).entryInfoList(QDir::Files)) {
        QVERIFY2(file.size() > 0, qPrintable(file.fileName()));
        if (file.suffix() == u"png"_s)
            QVERIFY2(!QImage(file.filePath()).isNull(), qPrintable(file.fileName()));
        QVERIFY2(file.suffix() == u"png"_s || file.suffix() == u"csv"_s,
                 qPrintable(file.fileName()));
    }
}

void ExportTest::unfinishedSetIsRefused_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("export") << u"--export"_s;
    QTest::newRow("compare") << u"--compare"_s;
}

// A run killed before its last stage ended: the main file stops after the first profile.
void ExportTest::unfinishedSetIsRefused() {
    QFETCH(QString, command);
    QTemporaryDir copy;
    const QString setName = copy.filePath(u"killed.tav"_s);
    for (std::string_view extension : {"tav", "pow", "mas", "gru", "twa"})
        QVERIFY(
            QFile::copy(setFileName(semiInfinite_, extension), setFileName(setName, extension)));
    const QByteArray main = readTestFile(setName);
    writeTestFile(setName, main.left(main.lastIndexOf("\"  ")));
    const QString out = copy.filePath(u"out"_s);

    QStringList arguments{command, out, setName};
    if (command == u"--compare"_s)
        arguments.append(semiInfinite_);
    const ProgramRun run = runTavrix(arguments);

    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.told().size(), 1);
    QVERIFY2(run.told().first().contains(setName) &&
                 run.told().first().contains(u"did not finish"_s),
             qPrintable(run.told().first()));
    QVERIFY(!QDir(out).exists() || QDir(out).isEmpty());
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

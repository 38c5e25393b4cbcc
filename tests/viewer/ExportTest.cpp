// The viewer's command line: --version and the headless export, run as the real program.

#include "ResultSet.h"
#include "TestSets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;

    // What tavrix itself told, without the warnings Qt may add about the environment.
    QStringList told() const {
        QStringList lines = err.split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return !line.startsWith(u"tavrix: "_s); });
        return lines;
    }
};

// Runs tavrix where no display can be reached, as on a build server.
Finished runTavrix(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    QProcess tavrix;
    tavrix.setProcessEnvironment(environment);
    tavrix.start(QStringLiteral(TAVRIX_PROGRAM), arguments);
    if (!tavrix.waitForFinished(60'000) || tavrix.exitStatus() != QProcess::NormalExit)
        return {};
    return {tavrix.exitCode(), QString::fromLocal8Bit(tavrix.readAllStandardOutput()),
            QString::fromLocal8Bit(tavrix.readAllStandardError())};
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
    const Finished run = runTavrix({u"--version"_s});
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

    const Finished run = runTavrix({u"--export"_s, target, setName});

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
    const Finished run = runTavrix({u"--export"_s, out.path(), missing});
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

    const Finished run = runTavrix({u"--export"_s, copy.path(), setName});

    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.told(), QStringList{u"tavrix: cannot read "_s + setFileName(setName, "pow")});
    // The readable charts are written all the same.
    QVERIFY(QFile::exists(copy.filePath(u"copy-C.png"_s)));
}

void ExportTest::incompleteExportIsAUsageError() {
    const Finished run = runTavrix({u"--export"_s, folder_.path()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(u"Usage: tavrix"_s));
}

QTEST_GUILESS_MAIN(ExportTest)
#include "ExportTest.moc"

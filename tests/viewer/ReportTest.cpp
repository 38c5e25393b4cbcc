// The load record, written by the real program and read back as any reader of the PDF file
// would: its text and its page count, through poppler's pdftotext and pdfinfo.

#include "ProgramRun.h"
#include "TestSets.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

ProgramRun runTavrix(const QStringList& arguments) {
    return runProgram(QStringLiteral(TAVRIX_PROGRAM), arguments);
}

// What a PDF tool prints about `pdf`.
QString toolOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60'000) || process.exitCode() != 0)
        qFatal("%s could not read the record", qPrintable(tool));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The record's text, its words one blank apart whatever the layout broke them over, and the
// ligatures a font draws ("fi") as their letters.
QString recordText(const QString& pdf) {
    return toolOutput(u"pdftotext"_s, {pdf, u"-"_s})
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

int pageCount(const QString& pdf) {
    const QRegularExpressionMatch pages =
        QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(toolOutput(u"pdfinfo"_s, {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void recordNamesTheSetAndStatesWhatTheRunPrinted();
    void specificationHeldIsAPassAndExitsZero();
    void failingLimitIsNamedAndExitsThree();
    void polishRecordSpeaksPolish();
    void settingsLinesOfTheHeadAreNamed();
    void measuredProfileIsListedWithItsRms();
    void foilHasNoHardnessToCheck();
    void refusedSpecificationWritesNothing_data();
    void refusedSpecificationWritesNothing();
    void unwritableRecordIsAFailedRun();
    void asRunRecordComparesThePlanAndGivesTheBand();
    void asRunSetIsComparedWithItsPlan();

private:
    QString record(const QString& name) const { return folder_.filePath(name); }
    QString writeSpecification(const QString& name, const QByteArray& text) const;
    // tavcalc --replay of the set through a logged load, as `asRun`.
    ProgramRun replay(const QString& asRun) const;

    QTemporaryDir folder_;
    QString set_;
    QString foil_;
    QString printedChd_; // "0.123", as tavcalc --run printed it
};

void ReportTest::initTestCase() {
    set_ = computeSet(folder_.path(), u"stal.tav"_s, SampleShape::SemiInfinite);
    foil_ = computeSet(folder_.path(), u"folia.tav"_s, SampleShape::Foil);
    // The same set computed again as a user computes it, for what the run prints.
    const ProgramRun run = runProgram(QStringLiteral(TAVCALC_PROGRAM), {u"--run"_s, set_});
    QCOMPARE(run.exitCode, 0);
    const QRegularExpressionMatch chd =
        QRegularExpression(u"case-hardening depth (\\d+\\.\\d+) mm at 550 HV"_s).match(run.out);
    QVERIFY2(chd.hasMatch(), qPrintable(run.out));
    printedChd_ = chd.captured(1);
}

// 2 h logged every 36 s at the plan's 925 °C, 1.1 then 0.8 % C, 0.1 % C high for 10 minutes
// from 30 min, with burn-off for the 3 minutes from 1.5 h.
QByteArray loggedLoad() {
    QByteArray log = "time,temperature,carbon_potential,setpoint,event\r\n";
    for (int t = 0; t <= 7200; t += 36) {
        const double planned = t <= 3600 ? 1.1 : 0.8;
        const double logged = planned + (t >= 1800 && t < 2400 ? 0.1 : 0);
        const bool burnOff = t >= 5400 && t < 5580;
        log += u"%1,925,%2,%3,%4\r\n"_s.arg(t)
                   .arg(burnOff ? QString() : QString::number(logged))
                   .arg(planned)
                   .arg(burnOff ? u"burnoff"_s : QString())
                   .toUtf8();
    }
    return log;
}

QString ReportTest::writeSpecification(const QString& name, const QByteArray& text) const {
    const QString path = folder_.filePath(name);
    writeTestFile(path, text);
    return path;
}

void ReportTest::recordNamesTheSetAndStatesWhatTheRunPrinted() {
    const QString pdf = record(u"plain.pdf"_s);
    const ProgramRun run = runTavrix({u"--lang"_s, u"en"_s, u"--report"_s, pdf, set_});
    QCOMPARE(run.told(), QStringList());
    QCOMPARE(run.exitCode, 0);
    const QString text = recordText(pdf);
    QVERIFY(text.contains(u"Load record: stal.tav"_s));
    QVERIFY(text.contains(folder_.path()));
    QVERIFY2(text.contains(u"Case-hardening depth (CHD) at 550 HV "_s + printedChd_ + u" mm"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"Process programme"_s));
    QVERIFY(text.contains(u"Semi-infinitive sample"_s));
    QVERIFY(!text.contains(u"Verdict"_s)); // no requirements, nothing judged
    const int pages = pageCount(pdf);
    QVERIFY(pages >= 2);
    // Each page numbered at its foot, of all of them.
    for (int page = 1; page <= pages; ++page)
        QVERIFY(
            QRegularExpression(u"\\b%1 ?/ ?%2\\b"_s.arg(page).arg(pages)).match(text).hasMatch());
}

void ReportTest::specificationHeldIsAPassAndExitsZero() {
    const double chd = printedChd_.toDouble();
    const QString requirementsFile = writeSpecification(
        u"held.txt"_s, u"# drawing 17-204\ncase-hardening depth: %1 .. %2 mm at 550 HV\n"
                       u"surface carbon: 0.5 .. 1.2 % C\n"_s.arg(chd - 0.05)
                           .arg(chd + 0.05)
                           .toUtf8());
    const QString pdf = record(u"held.pdf"_s);
    const ProgramRun run = runTavrix(
        {u"--lang"_s, u"en"_s, u"--report"_s, pdf, set_, u"--requirements"_s, requirementsFile});
    QCOMPARE(run.told(), QStringList());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(u"verdict: every limit holds"_s));
    const QString text = recordText(pdf);
    QVERIFY2(text.contains(u"Verdict: every checked requirement is met"_s), qPrintable(text));
    QVERIFY(text.contains(printedChd_ + u" mm pass"_s));
}

void ReportTest::failingLimitIsNamedAndExitsThree() {
    const QString requirementsFile =
        writeSpecification(u"failed.txt"_s, "surface carbon: 1.20 .. 1.30 % C\n"
                                            "surface hardness: >= 20 HRC\n"
                                            "retained austenite: <= 20 %\n");
    const QString pdf = record(u"failed.pdf"_s);
    const ProgramRun run = runTavrix(
        {u"--lang"_s, u"en"_s, u"--report"_s, pdf, set_, u"--requirements"_s, requirementsFile});
    QCOMPARE(run.told(), QStringList());
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.out.contains(u"verdict: fails: surface carbon; not checked: retained austenite"_s),
             qPrintable(run.out));
    const QString text = recordText(pdf);
    QVERIFY2(text.contains(u"Verdict: FAILS: Surface carbon; not checked: Retained austenite"_s),
             qPrintable(text));
    QVERIFY(text.contains(u"FAILS"_s));
}

void ReportTest::polishRecordSpeaksPolish() {
    const QString requirementsFile =
        writeSpecification(u"polish.txt"_s, "surface carbon: 1.20 .. 1.30 % C\n");
    const QString pdf = record(u"polski.pdf"_s);
    const ProgramRun run = runTavrix(
        {u"--lang"_s, u"pl"_s, u"--report"_s, pdf, set_, u"--requirements"_s, requirementsFile});
    QCOMPARE(run.exitCode, 3);
    const QString text = recordText(pdf);
    QVERIFY(text.contains(u"Raport z wsadu: stal.tav"_s));
    QVERIFY(text.contains(u"Głębokość utwardzenia (CHD) przy 550 HV "_s + printedChd_));
    QVERIFY2(text.contains(u"Werdykt: NIE SPEŁNIA: Węgiel na powierzchni"_s), qPrintable(text));
}

void ReportTest::settingsLinesOfTheHeadAreNamed() {
    // The set's process data with a settings line after the shape line, computed as a user
    // computes it.
    const QByteArray computed = readTestFile(set_);
    const QString set = folder_.filePath(u"ustawienia.tav"_s);
    writeTestFile(set, computed.left(computed.indexOf("-\"")) + "diffusivity: tibbetts\r\n");
    QCOMPARE(runProgram(QStringLiteral(TAVCALC_PROGRAM), {u"--run"_s, set}).exitCode, 0);
    const QString pdf = record(u"settings.pdf"_s);
    QCOMPARE(runTavrix({u"--lang"_s, u"en"_s, u"--report"_s, pdf, set}).exitCode, 0);
    QVERIFY(recordText(pdf).contains(u"Diffusivity law tibbetts"_s));
}

void ReportTest::measuredProfileIsListedWithItsRms() {
    const QString measured = folder_.filePath(u"load-17.csv"_s);
    writeTestFile(measured, "depth_mm,carbon\n0.1,0.9\n0.3,0.6\n0.5,0.4\n");
    const QString pdf = record(u"measured.pdf"_s);
    const ProgramRun run =
        runTavrix({u"--lang"_s, u"en"_s, u"--report"_s, pdf, set_, u"--measured"_s, measured});
    QCOMPARE(run.told(), QStringList());
    QCOMPARE(run.exitCode, 0);
    const QString text = recordText(pdf);
    QVERIFY(text.contains(u"Measured profiles"_s));
    QVERIFY2(QRegularExpression(u"load-17\\.csv carbon, % C 3 0 \\d\\.\\d{3} % C"_s)
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
}

void ReportTest::foilHasNoHardnessToCheck() {
    const QString requirementsFile =
        writeSpecification(u"foil.txt"_s, "surface hardness: >= 58 HRC\n");
    const QString pdf = record(u"foil.pdf"_s);
    const ProgramRun run = runTavrix(
        {u"--lang"_s, u"en"_s, u"--report"_s, pdf, foil_, u"--requirements"_s, requirementsFile});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(u"not checked: surface hardness"_s));
    QVERIFY(recordText(pdf).contains(u"not checked: the set has no hardness profile"_s));
}

void ReportTest::refusedSpecificationWritesNothing_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("unknown limit") << QByteArray("# part\ncase hardness: >= 58 HRC\n")
                                   << u"line 2: \"case hardness\" is not a limit"_s;
    QTest::newRow("beyond the table") << QByteArray("surface hardness: >= 70 HRC\n")
                                      << u"line 1: 70 HRC lies outside the conversion table"_s;
}

void ReportTest::refusedSpecificationWritesNothing() {
    QFETCH(QByteArray, text);
    QFETCH(QString, problem);
    const QString requirementsFile = writeSpecification(u"refused.txt"_s, text);
    const QString pdf = record(u"refused.pdf"_s);
    const ProgramRun run =
        runTavrix({u"--report"_s, pdf, set_, u"--requirements"_s, requirementsFile});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.told().size(), 1);
    QVERIFY2(run.told().front().startsWith(u"tavrix: "_s + requirementsFile + u": "_s + problem),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(pdf));
}

void ReportTest::unwritableRecordIsAFailedRun() {
    const QString pdf = folder_.filePath(u"no-such-folder/record.pdf"_s);
    const ProgramRun run = runTavrix({u"--report"_s, pdf, set_});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.told().size(), 1);
    QVERIFY(run.told().front().contains(pdf));
    QVERIFY(!QFile::exists(pdf));
}

ProgramRun ReportTest::replay(const QString& asRun) const {
    writeTestFile(folder_.filePath(u"load.csv"_s), loggedLoad());
    return runProgram(
        QStringLiteral(TAVCALC_PROGRAM),
        {u"--replay"_s, set_, u"--log"_s, folder_.filePath(u"load.csv"_s), u"-o"_s, asRun});
}

void ReportTest::asRunRecordComparesThePlanAndGivesTheBand() {
    const QString log = folder_.filePath(u"load.csv"_s);
    const QString asRun = folder_.filePath(u"stal-asrun.tav"_s);
    const ProgramRun replay = this->replay(asRun);
    QCOMPARE(replay.exitCode, 0);
    // What the replay printed, figure by figure: the comparison's three, the band's five.
    QStringList printed;
    const QStringList lines = replay.out.split(u'\n');
    for (const QString& line : lines)
        if (line.startsWith(u"surface carbon"_s) || line.startsWith(u"case"_s))
            printed.append(line.simplified());
    const qsizetype band = lines.indexOf(QRegularExpression(u"^band .*"_s));
    QVERIFY2(band >= 0, qPrintable(replay.out));
    for (const QString& line : lines.mid(band, 5))
        printed.append(line.simplified());
    QCOMPARE(printed.size(), 8);
    const QString pdf = record(u"asrun.pdf"_s);
    const ProgramRun run = runTavrix({u"--lang"_s, u"en"_s, u"--report"_s, pdf, asRun});
    QCOMPARE(run.told(), QStringList());
    QCOMPARE(run.exitCode, 0);
    const QString text = recordText(pdf);
    QVERIFY2(text.contains(u"Log rows 201"_s), qPrintable(text));
    QVERIFY(text.contains(log));
    QVERIFY(text.contains(u"925 to 925 °C"_s));
    QVERIFY(text.contains(u"0.8 to 1.2 % C"_s));
    const QStringList surface = printed[0].split(u' ');
    const QStringList depth = printed[1].split(u' ');
    QVERIFY2(text.contains(u"Surface carbon, % C "_s + surface.mid(4).join(u' ')),
             qPrintable(printed.join(u'\n') + u"\n"_s + text));
    QVERIFY(text.contains(u"Case depth at 0.35 % C, mm "_s + depth.mid(7).join(u' ')));
    for (const QString& line : printed.mid(3))
        QVERIFY2(text.contains(line), qPrintable(line + u"\n"_s + text));
    QVERIFY(text.contains(u"masked by burn-off 3.0 min"_s));
    // The rows summed up, not listed: the record is no longer than a typed programme's.
    QVERIFY(pageCount(pdf) <= pageCount(record(u"plain.pdf"_s)) + 1);
}

void ReportTest::asRunSetIsComparedWithItsPlan() {
    const QString asRun = folder_.filePath(u"porownaj-asrun.tav"_s);
    QCOMPARE(replay(asRun).exitCode, 0);
    QTemporaryDir out;
    const ProgramRun run =
        runTavrix({u"--lang"_s, u"en"_s, u"--compare"_s, out.path(), set_, asRun});
    QCOMPARE(run.exitCode, 0);
    const QString summary = QString::fromUtf8(readTestFile(out.filePath(u"summary.csv"_s)));
    QVERIFY2(summary.contains(u"stal.tav"_s) && summary.contains(u"porownaj-asrun.tav"_s),
             qPrintable(summary));
    // The potential of both: the plan's three rows and the log's 201, side by side.
    const QStringList rows = QString::fromUtf8(readTestFile(out.filePath(u"compare-Pot.csv"_s)))
                                 .split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(rows.first().startsWith(u"\"stal.tav: "_s) &&
                 rows.first().contains(u"\"porownaj-asrun.tav: "_s),
             qPrintable(rows.first()));
    QVERIFY(rows.size() > 201);
}

QTEST_GUILESS_MAIN(ReportTest)
#include "ReportTest.moc"

// A comparison's summary window: its rows are the sets' summaries, Ctrl+C and Ctrl+Ins copy them
// as tab-separated text, and "Zapisz wykres..." saves comma-separated text that reads back.

#include "ChartTestSupport.h"
#include "MessageBox.h"
#include "SetCommands.h"
#include "TSummaryMDIChild.h"
#include "TavFrame.h"
#include "TavMDIClient.h"
#include "TestSets.h"

#include <QClipboard>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString cellOf(const std::optional<double>& value) {
    return value ? QString::number(*value, 'g', 10) : QString();
}

} // namespace

class SummaryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void rowsAreTheSetsSummaries();
    void comparisonOpensItsSummary();
    void copyKeysCopyTabSeparatedText_data();
    void copyKeysCopyTabSeparatedText();
    void savedCsvReadsBack();

private:
    ProgramPlace place() const { return ProgramPlace::at(folder_.path()); }
    QTemporaryDir folder_;
    QStringList names_;
};

void SummaryWindowTest::initTestCase() {
    names_ = {computeSet(folder_.path(), u"semi.tav"_s, SampleShape::SemiInfinite),
              computeSet(folder_.path(), u"cylinder, long.tav"_s, SampleShape::Cylinder)};
    writeTestFile(place().ListFilePath, "0");
}

void SummaryWindowTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void SummaryWindowTest::rowsAreTheSetsSummaries() {
    // A thin set too: its mean carbon filled, its depths and hardness empty.
    const QString foil = computeSet(folder_.path(), u"foil.tav"_s, SampleShape::Foil);
    std::vector<LoadedSet> loaded;
    for (const QString& name : names_ + QStringList{foil})
        loaded.push_back(loadSet(name.toStdString()));
    std::vector<const LoadedSet*> sets;
    for (const LoadedSet& set : loaded)
        sets.push_back(&set);
    const TSummaryMDIChild window(sets);
    const QTableWidget& table = window.table();
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(table.columnCount(), 12);
    QCOMPARE(table.horizontalHeaderItem(0)->text(), u"Set"_s);
    for (int row = 0; row < 3; ++row) {
        const SetSummary expected = summarize(loaded[row]);
        QStringList cells{QFileInfo(QString::fromStdString(loaded[row].name)).fileName(),
                          QString::fromStdString(expected.shape),
                          cellOf(expected.size),
                          QString::fromStdString(expected.steelGrade),
                          cellOf(expected.programmeLength),
                          cellOf(expected.surfaceCarbon)};
        for (const std::optional<double>& depth : expected.caseDepth)
            cells.append(cellOf(depth));
        cells << cellOf(expected.massGain) << cellOf(expected.meanCarbon)
              << cellOf(expected.highestHardness);
        QStringList shown;
        for (int column = 0; column < table.columnCount(); ++column)
            shown.append(table.item(row, column)->text());
        QCOMPARE(shown, cells);
    }
    QVERIFY(!table.item(2, 10)->text().isEmpty()); // the foil's mean carbon
    QVERIFY(table.item(2, 6)->text().isEmpty());   // and no case depth
}

void SummaryWindowTest::comparisonOpensItsSummary() {
    TTavMDIClient client;
    SetCommands sets(client, QString{});
    const auto charts = sets.compareSets(names_);
    QCOMPARE(client.subWindowList().size(), qsizetype(charts.size()) + 1);
    auto* summary = qobject_cast<TSummaryMDIChild*>(client.subWindowList().last());
    QVERIFY(summary);
    QCOMPARE(summary->table().rowCount(), 2);
}

void SummaryWindowTest::copyKeysCopyTabSeparatedText_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl+Ins") << int(Qt::Key_Insert);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C);
}

void SummaryWindowTest::copyKeysCopyTabSeparatedText() {
    QFETCH(int, key);
    TTavFrame frame(place());
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.sets().compareSets(names_);
    QMdiSubWindow* summary = frame.client().subWindowList().last();
    frame.client().setActiveSubWindow(summary);
    QVERIFY(frame.command(Command::Copy)->isEnabled());
    QVERIFY(!frame.command(Command::Scale)->isEnabled()); // a table has no axes
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QTest::keyClick(summary, Qt::Key(key), Qt::ControlModifier);
    const QStringList lines = clipboard->text().split(u"\r\n"_s, Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    // The comma in a set's name stays in its field: only tabs separate.
    QCOMPARE(lines[2].section(u'\t', 0, 0), u"cylinder, long.tav"_s);
    for (const QString& line : lines)
        QCOMPARE(line.count(u'\t'), 11);
    frame.client().closeAllSubWindows();
}

void SummaryWindowTest::savedCsvReadsBack() {
    TTavFrame frame(place());
    frame.sets().compareSets(names_);
    auto* summary = qobject_cast<TSummaryMDIChild*>(frame.client().subWindowList().last());
    frame.client().setActiveSubWindow(frame.client().subWindowList().last());
    const QString path = folder_.filePath(u"saved"_s); // no suffix: .csv is added
    MessageCapture capture;
    capture.answerFileDialogs({path});
    frame.command(Command::SaveChart)->trigger();
    QVERIFY(capture.messages().isEmpty());
    QFile file(path + u".csv"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = csvRecords(QString::fromUtf8(file.readAll()));
    const QTableWidget& table = summary->table();
    QCOMPARE(rows.size(), table.rowCount() + 1);
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            QCOMPARE(rows[row + 1].value(column), table.item(row, column)->text());
    QCOMPARE(rows[2].first(), u"cylinder, long.tav"_s);
    frame.client().closeAllSubWindows();
}

QTEST_MAIN(SummaryWindowTest)
#include "SummaryWindowTest.moc"

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

// The decimals a cell shows; -1 for a cell with no number.
int decimalsOf(const QString& cell) {
    bool number = false;
    cell.toDouble(&number);
    if (!number)
        return -1;
    const qsizetype point = cell.indexOf(u'.');
    return point < 0 ? 0 : static_cast<int>(cell.size() - point - 1);
}

std::vector<const LoadedSet*> pointersTo(const std::vector<LoadedSet>& loaded) {
    std::vector<const LoadedSet*> sets;
    for (const LoadedSet& set : loaded)
        sets.push_back(&set);
    return sets;
}

} // namespace

class SummaryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void rowsAreTheSetsSummaries_data();
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

void SummaryWindowTest::rowsAreTheSetsSummaries_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("lengthHeader");
    const QString foil = computeSet(folder_.path(), u"foil.tav"_s, SampleShape::Foil);
    const QString wire = computeSet(folder_.path(), u"wire.tav"_s, SampleShape::Wire);
    QTest::newRow("thick") << names_ << u"Programme length (h)"_s;
    QTest::newRow("thin") << QStringList{foil, wire} << u"Programme length (s)"_s;
}

// Each row is the set's summary as a person reads it: every number of a column with the same
// decimals, "–" where a set has no value, units in the headers; the clipboard keeps every digit.
void SummaryWindowTest::rowsAreTheSetsSummaries() {
    QFETCH(QStringList, names);
    QFETCH(QString, lengthHeader);
    std::vector<LoadedSet> loaded;
    for (const QString& name : names)
        loaded.push_back(loadSet(name.toStdString()));
    const TSummaryMDIChild window(pointersTo(loaded));
    const QTableWidget& table = window.table();
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.columnCount(), 14);
    QCOMPARE(table.horizontalHeaderItem(12)->text().replace(u'\n', u' '), u"CHD 550 HV (mm)"_s);
    const QStringList copied = window.tabSeparatedText().split(u"\r\n"_s, Qt::SkipEmptyParts);
    // Headers in short lines, so that the columns are as narrow as their numbers.
    QCOMPARE(table.horizontalHeaderItem(4)->text().replace(u'\n', u' '), lengthHeader);
    QCOMPARE(copied.first().section(u'\t', 4, 4), lengthHeader);
    for (int column = 0; column < table.columnCount(); ++column) {
        for (int row = 0; row < 2; ++row) {
            const QString shown = table.item(row, column)->text();
            const QString exact = copied[row + 1].section(u'\t', column, column);
            QVERIFY2(!shown.isEmpty(), "an empty cell shows a dash");
            if (exact.isEmpty()) {
                QCOMPARE(shown, u"–"_s);
                continue;
            }
            // The number shown is the exact one, rounded to the column's decimals.
            const int decimals = decimalsOf(shown);
            if (decimals < 0) {
                QCOMPARE(shown, exact);
                continue;
            }
            QVERIFY2(std::abs(shown.toDouble() - exact.toDouble()) <=
                         0.5 * std::pow(10.0, -decimals) * (1 + 1e-9),
                     qPrintable(shown + u" for "_s + exact));
            // One format per column.
            if (const QString other = table.item(1 - row, column)->text(); decimalsOf(other) >= 0)
                QCOMPARE(decimalsOf(other), decimals);
        }
    }
    const bool thin = loaded.front().thin();
    // The semi-infinite sample has no size; plain steel is named in English.
    QCOMPARE(table.item(0, 2)->text() == u"–"_s, !thin);
    QCOMPARE(table.item(0, 3)->text(), u"carbon steel"_s);
    // Thin sets have a mean carbon content and no case depth, thick ones the other way round.
    QCOMPARE(table.item(1, 10)->text() == u"–"_s, !thin);
    QCOMPARE(table.item(1, 6)->text() == u"–"_s, thin);
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
        QCOMPARE(line.count(u'\t'), 13); // 14 columns, the diffusivity law last
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
    // Every digit, as the clipboard has them.
    const QStringList copied = summary->tabSeparatedText().split(u"\r\n"_s, Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), copied.size());
    for (qsizetype row = 0; row < rows.size(); ++row)
        QCOMPARE(rows[row], copied[row].split(u'\t'));
    QCOMPARE(rows[2].first(), u"cylinder, long.tav"_s);
    frame.client().closeAllSubWindows();
}

QTEST_MAIN(SummaryWindowTest)
#include "SummaryWindowTest.moc"

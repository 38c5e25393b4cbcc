// Computed sets compared: one line per set in each shared chart, the same series as the set's own
// windows, a summary that equals the last rows of the files, and no mixing of thick and thin sets.

#include "CompareSets.h"
#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "ComparisonChart.h"
#include "MessageBox.h"
#include "SetCommands.h"
#include "SetNames.h"
#include "TCompareMDIChild.h"
#include "TSummaryMDIChild.h"
#include "TavMDIClient.h"
#include "TestSets.h"

#include <QAction>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// The last data row of a result file: the numbers after its last ",".
QList<double> lastRow(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QList<double> numbers;
    for (const QString& word : text.mid(text.lastIndexOf(u',') + 1).split(u' ', Qt::SkipEmptyParts))
        numbers.append(word.trimmed().toDouble());
    return numbers;
}

std::vector<TCompareMDIChild*> comparisonWindows(const TTavMDIClient& client) {
    std::vector<TCompareMDIChild*> windows;
    for (QMdiSubWindow* window : client.subWindowList())
        if (auto* compared = qobject_cast<TCompareMDIChild*>(window))
            windows.push_back(compared);
    return windows;
}

// The rows of the comparison's summary window, one per set.
int summaryRows(const TTavMDIClient& client) {
    for (QMdiSubWindow* window : client.subWindowList())
        if (auto* summary = qobject_cast<TSummaryMDIChild*>(window))
            return summary->table().rowCount();
    return -1;
}

// The command of the window's context menu named `text`.
QAction* command(const TCompareMDIChild& window, const QString& text) {
    for (QAction* action : window.widget()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

bool near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

} // namespace

class CompareSetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void oneLinePerSetInEverySharedChart();
    void comparedLinesAreTheWindowsSeries();
    void summaryHoldsTheLastRows();
    void thickAndThinAreNotMixed();
    void compareCommandOpensAWindowPerSharedQuantity();
    void compareCommandRefusesAMixture();
    void setInUseIsNamedAndTheChoiceComesAgain();
    void comparisonCascadesOverNoSetsTitleBars();
    void addedSetIsDrawnInEveryWindowAndDroppedFromEvery();
    void refusedAdditionChangesNothing_data();
    void refusedAdditionChangesNothing();
    void depthWindowShowsTheChosenLevel_data();
    void depthWindowShowsTheChosenLevel();
    void legendClickHidesTheSetInEveryWindow();

private:
    QTemporaryDir folder_;
    QStringList thick_;
    QString foil_;
    QString emptyList_; // no set in use
};

void CompareSetsTest::initTestCase() {
    thick_ = {computeSet(folder_.path(), u"semi.tav"_s, SampleShape::SemiInfinite),
              computeSet(folder_.path(), u"plate.tav"_s, SampleShape::Plate),
              computeSet(folder_.path(), u"cylinder.tav"_s, SampleShape::Cylinder)};
    foil_ = computeSet(folder_.path(), u"foil.tav"_s, SampleShape::Foil);
    emptyList_ = folder_.filePath(u"empty.lst"_s);
    QFile list(emptyList_);
    QVERIFY(list.open(QIODevice::WriteOnly));
}

void CompareSetsTest::oneLinePerSetInEverySharedChart() {
    const QString out = folder_.filePath(u"out"_s);
    QString log;
    QTextStream errors(&log);
    QCOMPARE(compareSets(out, thick_, errors), 0);
    QVERIFY2(log.isEmpty(), qPrintable(log));
    // Every thick quantity, the case depth at each level.
    for (const QString& stem :
         {u"T"_s, u"Pot"_s, u"Pow"_s, u"Masa"_s, u"G40"_s, u"G35"_s, u"G30"_s, u"C"_s, u"HV"_s}) {
        const QString base = out + u"/compare-"_s + stem;
        QVERIFY2(!QImage(base + u".png"_s).isNull(), qPrintable(stem));
        QFile csv(base + u".csv"_s);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        // An x and a y column per set, named by the set's file; the captions hold commas, so
        // every title is quoted.
        const QString header = QString::fromUtf8(csv.readLine()).trimmed();
        QCOMPARE(header.count(u"\",\""_s), 5);
        QVERIFY(header.startsWith(u"\"semi.tav: "_s));
        QCOMPARE(header.count(u"\"plate.tav: "_s), 2);
        QCOMPARE(header.count(u"\"cylinder.tav: "_s), 2);
    }
    QVERIFY(!QFile::exists(out + u"/compare-Srednia.csv"_s));
    QFile summary(out + u"/summary.csv"_s);
    QVERIFY(summary.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(summary.readAll()).count(u"\r\n"_s), 4);
}

void CompareSetsTest::comparedLinesAreTheWindowsSeries() {
    // One model, three views: the set's window, its export and the comparison.
    const LoadedSet set = loadSet(thick_[1].toStdString());
    TTavMDIClient client;
    const auto windows = client.showSet(set);
    const ComparedSet compared[] = {{&set, comparisonColour(0)}};
    const std::pair<ChartKind, ChartKind> pairs[] = {{ChartKind::Surface, ChartKind::Surface},
                                                     {ChartKind::Mass, ChartKind::Mass}};
    for (const auto& [kind, quantity] : pairs) {
        const ChartDescription chart = describeComparison(compared, quantity, 0).description;
        const auto window = std::ranges::find(windows, kind, [](const auto& w) { return w.first; });
        QVERIFY(window != windows.end());
        window->second->draw();
        QCOMPARE(chart.series.first(), window->second->chart().description().series.first());
        QCOMPARE(chart.colours.first(), comparisonColour(0));
    }
}

void CompareSetsTest::summaryHoldsTheLastRows() {
    for (const QString& name : thick_ + QStringList{foil_}) {
        const LoadedSet set = loadSet(name.toStdString());
        const SetSummary row = summarize(set);
        const auto file = [&name](const char* extension) {
            return QString::fromStdString(resultFileName(name.toStdString(), extension));
        };
        QVERIFY(row.surfaceCarbon && near(*row.surfaceCarbon, lastRow(file("pow")).value(1)));
        QVERIFY(row.massGain && near(*row.massGain, lastRow(file("mas")).value(1)));
        if (set.shape == SampleShape::Foil) {
            // The content: the file's increase over the steel's carbon.
            QVERIFY(row.meanCarbon && near(*row.meanCarbon, lastRow(file("sre")).value(1) +
                                                                set.process.series.steelCarbon));
            QVERIFY(!row.caseDepth[0] && !row.highestHardness);
            continue;
        }
        const QList<double> depths = lastRow(file("gru"));
        for (int level = 0; level < 3; ++level)
            QVERIFY(row.caseDepth[level] && near(*row.caseDepth[level], depths.value(level + 1)));
        QVERIFY(row.highestHardness && *row.highestHardness > 100);
        QVERIFY(!row.meanCarbon);
        QCOMPARE(row.programmeLength, 2.0);
    }
}

void CompareSetsTest::thickAndThinAreNotMixed() {
    const QString out = folder_.filePath(u"mixed"_s);
    QString log;
    QTextStream errors(&log);
    QCOMPARE(compareSets(out, {thick_[0], foil_}, errors), 2);
    QVERIFY(log.contains(u"cannot be compared"_s));
    QVERIFY(!QDir(out).exists());
}

void CompareSetsTest::compareCommandOpensAWindowPerSharedQuantity() {
    TTavMDIClient client;
    SetCommands sets(client, folder_.filePath(u"no-list.lst"_s));
    MessageCapture messages;
    messages.answerFileDialogs({thick_.join(u'\n')});
    client.resize(1000, 700);
    client.show();
    sets.compareResults();
    // T, Pot, Pow, Masa, G, C, HV, then the summary. The in-use list is missing: reported, and
    // taken as empty.
    QList<QMdiSubWindow*> windows = client.subWindowList();
    QCOMPARE(windows.size(), 8);
    windows.removeLast();
    for (QMdiSubWindow* window : windows) {
        const auto* chart = qobject_cast<TChartMDIChild*>(window);
        QVERIFY(chart);
        const ChartDescription& shown = chart->chart().description();
        QCOMPARE(shown.lines.size(), 3);
        QCOMPARE(shown.legends, (QStringList{u"semi.tav"_s, u"plate.tav"_s, u"cylinder.tav"_s}));
        // One colour per set in every window.
        QCOMPARE(shown.colours,
                 (QList<QColor>{comparisonColour(0), comparisonColour(1), comparisonColour(2)}));
    }
    client.closeAllSubWindows();
    QTRY_VERIFY(client.subWindowList().isEmpty());
}

void CompareSetsTest::compareCommandRefusesAMixture() {
    TTavMDIClient client;
    SetCommands sets(client, QString{});
    MessageCapture messages;
    QVERIFY(sets.compareSets({thick_[0], foil_}).empty());
    QCOMPARE(messages.messages().size(), 1);
    QCOMPARE(messages.messages().first().caption, u"Error!"_s);
    QVERIFY(client.subWindowList().isEmpty());
}

void CompareSetsTest::addedSetIsDrawnInEveryWindowAndDroppedFromEvery() {
    TTavMDIClient client;
    SetCommands sets(client, emptyList_);
    MessageCapture messages;
    sets.compareSets({thick_[0], thick_[1]});
    const std::vector<TCompareMDIChild*> windows = comparisonWindows(client);
    QCOMPARE(windows.size(), 7u);
    messages.answerFileDialogs({thick_[2]});
    command(*windows.back(), u"Dodaj zestaw..."_s)->trigger();
    for (const TCompareMDIChild* window : windows) {
        const ChartDescription& shown = window->chart().description();
        QCOMPARE(shown.legends, (QStringList{u"semi.tav"_s, u"plate.tav"_s, u"cylinder.tav"_s}));
        QCOMPARE(shown.colours.value(2), comparisonColour(2));
    }
    QCOMPARE(summaryRows(client), 3);

    QMenu* drop = command(*windows.front(), u"Usuń zestaw"_s)->menu();
    emit drop->aboutToShow();
    drop->actions().first()->trigger();
    for (const TCompareMDIChild* window : windows) {
        const ChartDescription& shown = window->chart().description();
        QCOMPARE(shown.legends, (QStringList{u"plate.tav"_s, u"cylinder.tav"_s}));
        // The sets left keep their colours.
        QCOMPARE(shown.colours, (QList<QColor>{comparisonColour(1), comparisonColour(2)}));
    }
    QCOMPARE(summaryRows(client), 2);
    // The last set cannot be dropped.
    drop->actions().first()->trigger();
    emit drop->aboutToShow();
    QVERIFY(!drop->actions().first()->isEnabled());
    QVERIFY(messages.messages().isEmpty());
}

void CompareSetsTest::refusedAdditionChangesNothing_data() {
    QTest::addColumn<QStringList>("added");
    QTest::newRow("thick and thin") << QStringList{thick_[2], foil_};
    QTest::newRow("a set compared already") << QStringList{thick_[2], thick_[0]};
}

void CompareSetsTest::refusedAdditionChangesNothing() {
    QFETCH(QStringList, added);
    TTavMDIClient client;
    SetCommands sets(client, emptyList_);
    MessageCapture messages;
    client.resize(1000, 700);
    client.show();
    sets.compareSets({thick_[0], thick_[1]});
    const std::vector<TCompareMDIChild*> windows = comparisonWindows(client);
    messages.answerFileDialogs({added.join(u'\n')});
    command(*windows.front(), u"Dodaj zestaw..."_s)->trigger();
    QCOMPARE(messages.messages().size(), 1);
    QCOMPARE(messages.messages().first().caption, u"Error!"_s);
    QCOMPARE(windows.front()->group().sets().size(), 2u);
    for (const TCompareMDIChild* window : windows)
        QCOMPARE(window->chart().description().lines.size(), 2);
    QCOMPARE(summaryRows(client), 2);
}

void CompareSetsTest::depthWindowShowsTheChosenLevel_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("title");
    QTest::newRow("0.35") << 1 << u"Głębokość przy 0.35% C"_s
                          << u"Porównanie - Głębokość przy 0.35% C"_s;
    QTest::newRow("0.30") << 2 << u"Głębokość przy 0.30% C"_s
                          << u"Porównanie - Głębokość przy 0.30% C"_s;
    QTest::newRow("back to 0.40") << 0 << u"Głębokość przy 0.40% C"_s
                                  << u"Porównanie - Głębokość przy 0.40% C"_s;
}

void CompareSetsTest::depthWindowShowsTheChosenLevel() {
    QFETCH(int, level);
    QFETCH(QString, choice);
    QFETCH(QString, title);
    TTavMDIClient client;
    SetCommands sets(client, emptyList_);
    MessageCapture messages;
    sets.compareSets({thick_[1], thick_[2]});
    TCompareMDIChild* depth = nullptr;
    for (TCompareMDIChild* window : comparisonWindows(client))
        if (window->quantity() == ChartKind::CaseDepth)
            depth = window;
    QVERIFY(depth);
    if (level == 0)
        command(*depth, u"Głębokość przy 0.30% C"_s)->trigger();
    command(*depth, choice)->trigger();
    QCOMPARE(depth->depthLevel(), level);
    QCOMPARE(depth->windowTitle(), title);
    const ChartDescription& shown = depth->chart().description();
    for (qsizetype s = 0; s < shown.lines.size(); ++s) {
        const std::optional<ComparedLine> expected = comparedLine(
            *depth->group().sets()[static_cast<std::size_t>(s)].set, ChartKind::CaseDepth, level);
        QVERIFY(expected);
        QCOMPARE(shown.lines[s].size(), static_cast<qsizetype>(expected->y.size()));
        for (qsizetype p = 0; p < shown.lines[s].size(); ++p)
            QVERIFY(near(shown.lines[s][p].y(), expected->y[static_cast<std::size_t>(p)]));
    }
    // Every level's line stays within the axes the window fitted to it.
    QVERIFY(shown.yAxis.end() >=
            *std::ranges::max_element(
                comparedLine(*depth->group().sets()[0].set, ChartKind::CaseDepth, level)->y));
}

void CompareSetsTest::setInUseIsNamedAndTheChoiceComesAgain() {
    const QString list = folder_.filePath(u"pliki.lst"_s);
    writeTestFile(list, "1\r\n" + thick_[1].toUpper().toUtf8() + "\r\n");
    TTavMDIClient client;
    SetCommands sets(client, list);
    MessageCapture messages;
    // All three, refused for the one being computed; then the other two.
    messages.answerFileDialogs({thick_.join(u'\n'), QStringList{thick_[0], thick_[2]}.join(u'\n')});
    sets.compareResults();
    QCOMPARE(messages.messages().size(), 1);
    QVERIFY2(messages.messages().first().text.contains(thick_[1]),
             qPrintable(messages.messages().first().text));
    QVERIFY(!messages.messages().first().text.contains(thick_[0]));
    QCOMPARE(messages.fileDialogTitles().size(), 2);
    const std::vector<TCompareMDIChild*> windows = comparisonWindows(client);
    QVERIFY(!windows.empty());
    QCOMPARE(windows.front()->group().sets().size(), std::size_t(2));
    client.closeAllSubWindows();
    QTRY_VERIFY(client.subWindowList().isEmpty());
}

// Every window's title bar starts in view: the comparison's windows go where they hide none of
// a set's, and none of their own.
void CompareSetsTest::comparisonCascadesOverNoSetsTitleBars() {
    TTavMDIClient client;
    SetCommands sets(client, emptyList_);
    MessageCapture messages;
    // The client of a frame maximised on a 1280 x 1024 screen.
    client.resize(1270, 900);
    client.show();
    QVERIFY(QTest::qWaitForWindowExposed(&client));
    client.openSet(thick_[0]);
    sets.compareSets(thick_);
    const QList<QMdiSubWindow*> stacked = client.subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(stacked.size(), 7 + 8);
    for (qsizetype below = 0; below < stacked.size(); ++below) {
        const QMdiSubWindow& window = *stacked[below];
        const QPoint titleStart =
            window.geometry().topLeft() + QPoint(20, window.widget()->y() / 2);
        QVERIFY2(client.viewport()->rect().contains(titleStart), qPrintable(window.windowTitle()));
        for (qsizetype above = below + 1; above < stacked.size(); ++above)
            QVERIFY2(
                !stacked[above]->geometry().contains(titleStart),
                qPrintable(window.windowTitle() + u" under "_s + stacked[above]->windowTitle()));
    }
    // The summary opens showing all its columns.
    const auto* summary = qobject_cast<const TSummaryMDIChild*>(stacked.last());
    QVERIFY(summary);
    QCOMPARE(summary->size(), summary->sizeHint());
    QCOMPARE(summary->table().horizontalScrollBar()->maximum(), 0);
    client.closeAllSubWindows();
    QTRY_VERIFY(client.subWindowList().isEmpty());
}

void CompareSetsTest::legendClickHidesTheSetInEveryWindow() {
    TTavMDIClient client;
    SetCommands sets(client, emptyList_);
    MessageCapture messages;
    client.resize(1000, 700);
    client.show();
    QVERIFY(QTest::qWaitForWindowExposed(&client));
    sets.compareSets(thick_);
    const std::vector<TCompareMDIChild*> windows = comparisonWindows(client);
    const auto clickLegend = [](const TCompareMDIChild& window, int line) {
        const LineChart& chart = window.chart();
        QTest::mouseClick(chart.viewport(), Qt::LeftButton, Qt::NoModifier,
                          legendEntry(chart, line));
    };
    clickLegend(*windows.front(), 1);
    for (const TCompareMDIChild* window : windows) {
        QTRY_VERIFY(!window->chart().isLineVisible(1));
        QVERIFY(window->chart().isLineVisible(0));
        QVERIFY(window->chart().isLineVisible(2));
    }
    // Shown again from another window.
    windows.back()->raise();
    clickLegend(*windows.back(), 1);
    for (const TCompareMDIChild* window : windows)
        QTRY_VERIFY(window->chart().isLineVisible(1));
}

QTEST_MAIN(CompareSetsTest)
#include "CompareSetsTest.moc"

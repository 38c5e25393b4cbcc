// The viewer in English: its frame with every menu, the about box, the chart windows of a thick
// and a thin set with their captions, the legends of a low-pressure set's potential chart,
// measured profiles with their legends and refusals, the scale dialog, a comparison with its
// summary and the picture-size dialog show no text that is still the Polish interface.

#include "AboutDlg.h"
#include "ChartWindows.h"
#include "InterfaceLanguage.h"
#include "InterfaceTexts.h"
#include "MessageBox.h"
#include "TAxisSetup.h"
#include "TChartMDIChild.h"
#include "TavFrame.h"
#include "TavMDIClient.h"
#include "TestSets.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Fails with the Polish texts named.
void expectEnglish(const QWidget& window) {
    const QStringList polish = polishTexts(shownTexts(window));
    QVERIFY2(polish.isEmpty(), qPrintable(u"Still Polish:\n"_s + polish.join(u'\n')));
}

QStringList windowTitles(const TTavMDIClient& client) {
    QStringList titles;
    for (const QMdiSubWindow* window : client.subWindowList())
        titles.append(window->windowTitle());
    return titles;
}

// The set's chart window whose title ends in `title`.
TChartMDIChild* chartWindow(const TTavMDIClient& client, const QString& title) {
    for (QMdiSubWindow* window : client.subWindowList())
        if (window->windowTitle().endsWith(u" - "_s + title))
            return qobject_cast<TChartMDIChild*>(window);
    return nullptr;
}

} // namespace

class EnglishWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void frameAndMenus();
    void aboutBox();
    void chartWindowsOfASet_data();
    void chartWindowsOfASet();
    void legendsOfALowPressurePotentialChart();
    void measuredProfilesAndTheirRefusal();
    void scaleDialog();
    void comparisonAndSummary();
    void pictureSizeDialog();
    void languageMenuKeepsTheChoiceForTheNextStart();

private:
    ProgramPlace place() const { return ProgramPlace::at(folder_.path()); }
    QTemporaryDir folder_;
    QString thick_;
    QString foil_;
};

void EnglishWindowsTest::initTestCase() {
    useLanguage(InterfaceLanguage::English);
    thick_ = computeSet(folder_.path(), u"stal.tav"_s, SampleShape::SemiInfinite);
    foil_ = computeSet(folder_.path(), u"folia.tav"_s, SampleShape::Foil);
    writeTestFile(place().ListFilePath, "0");
}

void EnglishWindowsTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void EnglishWindowsTest::frameAndMenus() {
    TTavFrame frame(place());
    frame.show();
    expectEnglish(frame);
    QCOMPARE(frame.command(Command::Open)->text(), u"&Open results..."_s);
}

void EnglishWindowsTest::aboutBox() {
    AboutDlg about;
    about.show();
    expectEnglish(about);
    QCOMPARE(about.windowTitle(), u"About Tavrix!"_s);
}

void EnglishWindowsTest::chartWindowsOfASet_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("semi-infinite")
        << thick_ << QStringList{u"Temperature"_s, u"Carbon potential"_s, u"Carbon profile"_s,
                                 u"Case depth"_s,  u"Surface carbon"_s,   u"Hardness profile"_s,
                                 u"Mass gain"_s};
    QTest::newRow("foil") << foil_ << QStringList{u"Temperature"_s,    u"Carbon potential"_s,
                                                  u"Carbon profile"_s, u"Surface carbon"_s,
                                                  u"Mass gain"_s,      u"Mean carbon"_s};
}

void EnglishWindowsTest::chartWindowsOfASet() {
    QFETCH(QString, set);
    QFETCH(QStringList, titles);
    TTavFrame frame(place());
    frame.resize(1200, 900);
    frame.show();
    frame.client().openSet(set);
    QStringList shown = windowTitles(frame.client());
    for (QString& title : shown)
        title = title.section(u" - "_s, -1);
    shown.sort();
    titles.sort();
    QCOMPARE(shown, titles);
    expectEnglish(frame);
    // The captions are drawn translated, and the surface chart's Y axis says so.
    const QStringList texts = shownTexts(frame);
    QVERIFY(texts.contains(u"Surface carbon, % C"_s));
    QVERIFY(texts.contains(u"Mass gain, g/m²"_s) ||
            std::any_of(texts.begin(), texts.end(),
                        [](const QString& text) { return text.startsWith(u"Mass gain, g/m²"_s); }));
    frame.close();
}

// The legends are drawn translated; the chart's table keeps them as they are (ExportTest).
void EnglishWindowsTest::legendsOfALowPressurePotentialChart() {
    const QString set = computeLowPressureSet(folder_.path(), u"prozniowe.tav"_s);
    TTavFrame frame(place());
    frame.resize(1200, 900);
    frame.show();
    frame.client().openSet(set);
    expectEnglish(frame);
    const TChartMDIChild* potential = chartWindow(frame.client(), u"Carbon potential"_s);
    QVERIFY(potential);
    const QStringList texts = shownTexts(*potential);
    for (const QString& legend :
         {u"carbon potential"_s, u"saturation limit"_s, u"gap: neutral stage"_s})
        QVERIFY2(texts.contains(legend), qPrintable(texts.join(u'\n')));
    frame.close();
}

// A carbon traverse with a point past the computed profile, then a hardness traverse the carbon
// chart refuses; the remove menu of a chart without measurements.
void EnglishWindowsTest::measuredProfilesAndTheirRefusal() {
    QTemporaryDir measured;
    const QString carbon = measured.filePath(u"probe.csv"_s);
    writeTestFile(carbon, "depth_mm;carbon\n0,1;0,95\n0,5;0,62\n25;0,2\n");
    const QString hardness = measured.filePath(u"hv.csv"_s);
    writeTestFile(hardness, "depth_mm;hardness_HV\n0,1;700\n");
    TTavFrame frame(place());
    frame.resize(1200, 900);
    frame.show();
    frame.client().openSet(thick_);
    TChartMDIChild* chart = chartWindow(frame.client(), u"Carbon profile"_s);
    QVERIFY(chart);
    QMenu* removeMenu = nullptr;
    for (QAction* action : chart->widget()->actions())
        if (action->menu())
            removeMenu = action->menu();
    QVERIFY(removeMenu);
    emit removeMenu->aboutToShow();
    QCOMPARE(removeMenu->actions().size(), 1);
    QCOMPARE(removeMenu->actions().first()->text(), u"(no measurements)"_s);

    MessageCapture messages;
    QVERIFY(chart->addMeasurement(carbon));
    QVERIFY(!chart->addMeasurement(hardness));
    QCOMPARE(messages.texts(),
             QStringList{u"hv.csv: a hardness measurement does not belong on this chart"_s});
    QCOMPARE(messages.messages().first().caption, u"Measurement"_s);
    expectEnglish(frame);
    const QStringList texts = shownTexts(*chart);
    QVERIFY2(std::any_of(texts.begin(), texts.end(),
                         [](const QString& text) {
                             return text.startsWith(u"probe.csv (RMS "_s) &&
                                    text.endsWith(u" %C, points beyond the profile: 1)"_s);
                         }),
             qPrintable(texts.join(u'\n')));
    frame.close();
}

void EnglishWindowsTest::scaleDialog() {
    TSkala scale{5, 5, 0, 12, 0, 1.2};
    TAxisSetup2 dialog(nullptr, scale);
    dialog.show();
    expectEnglish(dialog);
    QCOMPARE(dialog.windowTitle(), u"Axis scale"_s);
}

void EnglishWindowsTest::comparisonAndSummary() {
    const QString plate = computeSet(folder_.path(), u"plyta.tav"_s, SampleShape::Plate);
    TTavFrame frame(place());
    frame.resize(1200, 900);
    frame.show();
    MessageCapture messages;
    messages.answerFileDialogs({thick_ + u'\n' + plate});
    frame.sets().compareResults();
    QCOMPARE(messages.fileDialogTitles(), QStringList{u"Compare results"_s});
    const QStringList titles = windowTitles(frame.client());
    QVERIFY(titles.contains(u"Comparison - summary"_s));
    QVERIFY(titles.contains(u"Comparison - Case depth at 0.40 % C"_s));
    QVERIFY(titles.contains(u"Comparison - Mass gain"_s));
    expectEnglish(frame);
    QVERIFY(messages.messages().isEmpty());
    frame.close();
}

// The dialog is modal: it is looked at while it waits, then cancelled.
void EnglishWindowsTest::pictureSizeDialog() {
    TTavFrame frame(place());
    frame.show();
    frame.client().openSet(thick_);
    MessageCapture messages;
    messages.answerFileDialogs({folder_.filePath(u"chart.png"_s)});
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        seen = true;
        expectEnglish(*dialog);
        QCOMPARE(dialog->windowTitle(), u"Picture size"_s);
        QMetaObject::invokeMethod(dialog, "reject");
    });
    frame.command(Command::SaveChart)->trigger();
    QVERIFY(seen);
    QCOMPARE(messages.fileDialogTitles(), QStringList{u"Save chart"_s});
    frame.close();
}

// The settings lie in the test's own XDG_CONFIG_HOME.
void EnglishWindowsTest::languageMenuKeepsTheChoiceForTheNextStart() {
    TTavFrame frame(place());
    frame.show();
    auto* polish = frame.findChild<QAction*>(u"language_pl"_s);
    auto* english = frame.findChild<QAction*>(u"language_en"_s);
    QVERIFY(polish && english && english->isChecked() && !polish->isChecked());
    MessageCapture messages;

    polish->trigger();
    QVERIFY(keptLanguage() == InterfaceLanguage::Polish);
    QCOMPARE(messages.texts(),
             QStringList{u"The language changes at the next start of the programs."_s});
    // The windows keep speaking English until then.
    QCOMPARE(frame.command(Command::Open)->text(), u"&Open results..."_s);

    messages.clear();
    english->trigger();
    QVERIFY(keptLanguage() == InterfaceLanguage::English);
    QCOMPARE(messages.texts(), QStringList());
}

QTEST_MAIN(EnglishWindowsTest)
#include "EnglishWindowsTest.moc"

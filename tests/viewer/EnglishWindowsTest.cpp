// The viewer in English: its frame with every menu, the about box, the chart windows of a thick
// and a thin set with their captions, the scale dialog, a comparison with its summary and the
// picture-size dialog show no text that is still the Polish interface.

#include "AboutDlg.h"
#include "ChartWindows.h"
#include "InterfaceLanguage.h"
#include "InterfaceTexts.h"
#include "MessageBox.h"
#include "TAxisSetup.h"
#include "TavFrame.h"
#include "TavMDIClient.h"
#include "TestSets.h"

#include <QApplication>
#include <QMdiSubWindow>
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
    QVERIFY(titles.contains(u"Comparison - G40"_s));
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

// tavcalc in English: the frame and form of every shape, the progress, design, foil-test and
// profile-fit dialogs (the fit's values too), the help window with the English page, and the
// form's messages show no text that is still the Polish interface.

#include "CalcUiTest.h"
#include "Computation.h"
#include "InterfaceLanguage.h"
#include "InterfaceTexts.h"
#include "MessageBox.h"
#include "ProfileMeasures.h"
#include "SetNames.h"
#include "TDesignDialog.h"
#include "TFoilTestDialog.h"
#include "THelpWindow.h"
#include "TProfileFitDialog.h"
#include "TTavrixFrame.h"
#include "TWskDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

namespace {

void expectEnglish(const QWidget& window) {
    const QStringList polish = polishTexts(shownTexts(window));
    QVERIFY2(polish.isEmpty(), qPrintable(u"Still Polish:\n"_s + polish.join(u'\n')));
}

// A foil of 0.05 mm for 60 s, filled as the form would be.
ProcessForm shortFoil() {
    ProcessForm form;
    form.steelCarbon = 0.2;
    form.transferCoefficient = 2e-5;
    form.thickness = 0.05;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    form.time[0] = 0;
    form.temperature[0] = 920;
    form.potential[0] = 1.0;
    form.time[1] = 60;
    form.temperature[1] = 920;
    form.potential[1] = 1.0;
    return form;
}

// A plate 2 mm thick, 3 h at 920 °C and 1.15 % C.
ProcessRecord plate() {
    ProcessForm form = shortFoil();
    form.thickness = 2;
    form.time[1] = 3;
    form.potential[0] = form.potential[1] = 1.15;
    return asWritten(processRecord(form, SampleShape::Plate));
}

// A carbon traverse of the plate computed with a lower β, at 0.1 mm steps to past its middle.
QByteArray traverse(ProcessRecord process) {
    struct : RunObserver {
        void setProgress(int) override {}
    } quiet;
    process.data.transferCoefficient = 8e-6;
    const TrialResult run = runTrial(process, 0.35, quiet);
    QByteArray text = "depth_mm;carbon\n";
    for (int point = 1; point <= 12; ++point) {
        const double depth = 0.1 * point;
        text += QByteArray::number(depth) + ';' +
                QByteArray::number(profileValueAt(run.depth, run.carbon, depth).value_or(0.2)) +
                '\n';
    }
    return text;
}

} // namespace

class EnglishWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void frameAndFormOfEveryShape_data();
    void frameAndFormOfEveryShape();
    void formMessages();
    void progressDialog();
    void designAndFoilTestDialogs();
    void profileFitDialogWithItsValues();
    void helpShowsTheEnglishPage();
};

void EnglishWindowsTest::initTestCase() {
    useLanguage(InterfaceLanguage::English);
}

void EnglishWindowsTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void EnglishWindowsTest::frameAndFormOfEveryShape_data() {
    QTest::addColumn<SampleShape>("shape");
    QTest::addColumn<QString>("sizeLabel");
    QTest::addColumn<QString>("timeHeading");
    QTest::newRow("semi-infinite") << SampleShape::SemiInfinite << u"Thickness: "_s << u"Time, h"_s;
    QTest::newRow("plate") << SampleShape::Plate << u"Thickness: "_s << u"Time, h"_s;
    QTest::newRow("foil") << SampleShape::Foil << u"Thickness: "_s << u"Time, s"_s;
    QTest::newRow("cylinder") << SampleShape::Cylinder << u"Diameter: "_s << u"Time, h"_s;
}

void EnglishWindowsTest::frameAndFormOfEveryShape() {
    QFETCH(SampleShape, shape);
    QFETCH(QString, sizeLabel);
    QFETCH(QString, timeHeading);
    TTavrixFrame frame(shape);
    frame.show();
    expectEnglish(frame);
    QCOMPARE(control<QLabel>(&frame, u"static124"_s)->text(), sizeLabel);
    QCOMPARE(control<QLabel>(&frame, u"static118"_s)->text(), timeHeading);
    QCOMPARE(control<QPushButton>(&frame, u"button201"_s)->text(), u"Compute..."_s);
}

// "Compute..." on an empty form: every check that fails says so in English.
void EnglishWindowsTest::formMessages() {
    InUseListKeeper list;
    MessageCapture messages;
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    clickButton(&frame, u"button201"_s);
    QVERIFY(!messages.messages().isEmpty());
    QStringList texts;
    for (const MessageRecord& message : messages.messages())
        texts << message.text << message.caption;
    QCOMPARE(polishTexts(texts), QStringList());
    QVERIFY(
        texts.contains(u"Enter the diameter of a cylinder, or the thickness of a plate or foil"_s));
}

void EnglishWindowsTest::progressDialog() {
    QWidget main;
    TWskDialog dialog(shortFoil(), SampleShape::Foil, u"/nowhere/english.tav"_s, &main);
    dialog.show();
    expectEnglish(dialog);
    QCOMPARE(dialog.windowTitle(), u"Calculation"_s);
}

void EnglishWindowsTest::designAndFoilTestDialogs() {
    ProcessForm plate = shortFoil();
    plate.thickness = 2;
    TDesignDialog design(processRecord(plate, SampleShape::Plate), nullptr);
    design.show();
    expectEnglish(design);
    QCOMPARE(design.windowTitle(), u"Process design"_s);
    // Its boxes are named as their labels name them.
    MessageCapture messages;
    typeInto(&design, u"designDepth"_s, u"1.2-"_s);
    clickButton(&design, u"designCompute"_s);
    typeInto(&design, u"designDepth"_s, QString());
    clickButton(&design, u"designCompute"_s);
    QCOMPARE(captionsAndTexts(messages),
             (QStringList{u"Check data!|Case depth: '1.2-' is not a number"_s,
                          u"Check data!|Enter the case depth"_s}));
    design.close();

    TFoilTestDialog foil(processRecord(shortFoil(), SampleShape::Foil), nullptr);
    foil.show();
    expectEnglish(foil);
    QCOMPARE(foil.windowTitle(), u"Coefficient from a foil test"_s);
}

// The fit with the offset, over a traverse with points past the plate's middle: every line of
// the values is shown.
void EnglishWindowsTest::profileFitDialogWithItsValues() {
    QTemporaryDir folder;
    const QString measured = folder.filePath(u"traverse.csv"_s);
    writeFile(measured, traverse(plate()));
    MessageCapture messages;
    TProfileFitDialog fit(plate(), nullptr);
    fit.show();
    expectEnglish(fit);
    QCOMPARE(fit.windowTitle(), u"Fit to measurement"_s);
    typeInto(&fit, u"profileFitFile"_s, measured);
    control<QCheckBox>(&fit, u"profileFitOffset"_s)->setChecked(true);
    clickButton(&fit, u"profileFitCompute"_s);
    QCOMPARE(captionsAndTexts(messages), QStringList());
    expectEnglish(fit);
    const QStringList values = control<QLabel>(&fit, u"profileFitValues"_s)->text().split(u'\n');
    QCOMPARE(values.size(), 5);
    QVERIFY2(values[0].startsWith(u"Transfer coefficient β:  "_s), qPrintable(values[0]));
    QVERIFY2(values[1].startsWith(u"Carbon potential offset:  "_s), qPrintable(values[1]));
    QVERIFY2(values[2].startsWith(u"RMS difference:  "_s), qPrintable(values[2]));
    QCOMPARE(values[3],
             u"Points compared: 10  (left out: 0 near the surface, 2 beyond the middle of the "
             u"sample)"_s);
    QVERIFY2(values[4].startsWith(u"Trial runs: "_s), qPrintable(values[4]));
}

void EnglishWindowsTest::helpShowsTheEnglishPage() {
    MessageCapture messages;
    TTavrixFrame frame(SampleShape::Cylinder);
    frame.show();
    frame.findChild<QAction*>(u"command110"_s)->trigger();
    QCOMPARE(messages.texts(), QStringList());
    auto* help = frame.findChild<THelpWindow*>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->browser()->source().toLocalFile(),
             QString::fromStdString(programFolder()) + u"help/en/calchelp.html"_s);
    expectEnglish(*help);
    QVERIFY(help->browser()->toPlainText().contains(u"Diameter:"_s));
}

TAVCALC_TEST_MAIN(EnglishWindowsTest)
#include "tst_EnglishWindows.moc"

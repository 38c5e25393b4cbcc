// tavcalc in English: the frame and form of every shape, the progress, design and foil-test
// dialogs, the help window with the English page, and the form's messages show no text that is
// still the Polish interface.

#include "CalcUiTest.h"
#include "InterfaceLanguage.h"
#include "InterfaceTexts.h"
#include "MessageBox.h"
#include "SetNames.h"
#include "TDesignDialog.h"
#include "TFoilTestDialog.h"
#include "THelpWindow.h"
#include "TTavrixFrame.h"
#include "TWskDialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
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
    design.close();

    TFoilTestDialog foil(processRecord(shortFoil(), SampleShape::Foil), nullptr);
    foil.show();
    expectEnglish(foil);
    QCOMPARE(foil.windowTitle(), u"Coefficient from a foil test"_s);
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

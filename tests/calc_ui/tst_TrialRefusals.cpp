// The foil-test and profile-fit dialogs refuse what they cannot use as the form does: the box
// named with its text, and focused, so that the user types the correction straight away.

#include "CalcUiTest.h"

#include "MessageBox.h"
#include "ProcessForm.h"
#include "TFoilTestDialog.h"
#include "TProfileFitDialog.h"

#include <QApplication>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

ProcessRecord foil() {
    ProcessForm form;
    form.steelCarbon = 0.1, form.transferCoefficient = 2e-5, form.thickness = 0.07;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    form.time[0] = 0, form.temperature[0] = 920, form.potential[0] = 1;
    form.time[1] = 120, form.temperature[1] = 920, form.potential[1] = 1;
    return processRecord(form, SampleShape::Foil);
}

} // namespace

class TrialRefusalsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { messages_.clear(); }
    void foilTestNamesTheMeasuredCarbon_data();
    void foilTestNamesTheMeasuredCarbon();
    void profileFitPointsAtTheMeasurementFile_data();
    void profileFitPointsAtTheMeasurementFile();
    void tabFollowsTheReadingOrder();

private:
    MessageCapture messages_;
};

void TrialRefusalsTest::foilTestNamesTheMeasuredCarbon_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("a range") << u"0.2-0.3"_s
                             << u"Check data!|Zawartość węgla po próbie: '0.2-0.3' nie jest "
                                u"liczbą"_s;
    QTest::newRow("a cut exponent")
        << u"0.6e"_s << u"Check data!|Zawartość węgla po próbie: '0.6e' nie jest liczbą"_s;
    QTest::newRow("nothing") << QString()
                             << u"Check data!|Enter the carbon content measured after the test"_s;
}

void TrialRefusalsTest::foilTestNamesTheMeasuredCarbon() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TFoilTestDialog dialog(foil(), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* measured = control<QLineEdit>(&dialog, u"foilMeasured"_s);
    typeInto(&dialog, u"foilMeasured"_s, typed);
    control(&dialog, u"foilCompute"_s)->setFocus();
    clickButton(&dialog, u"foilCompute"_s);
    QCOMPARE(captionsAndTexts(messages_), QStringList{message});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), measured);
    QCOMPARE(measured->text(), typed);
}

void TrialRefusalsTest::profileFitPointsAtTheMeasurementFile_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no file named
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QByteArray()
                             << u"Check data!|Choose the file of the measured profile"_s;
    QTest::newRow("a bad row") << QByteArray("depth_mm;carbon\r\n0,1;0,9\r\n0,2;abc\r\n")
                               << u"Check data!|Line 3: \"0,2;abc\" is not two numbers"_s;
}

void TrialRefusalsTest::profileFitPointsAtTheMeasurementFile() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString file = folder.filePath(u"measured.csv"_s);
    ProcessRecord process = foil();
    process.shape = SampleShape::SemiInfinite;
    TProfileFitDialog dialog(process, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* box = control<QLineEdit>(&dialog, u"profileFitFile"_s);
    if (!content.isEmpty()) {
        writeFile(file, content);
        typeInto(&dialog, u"profileFitFile"_s, file);
    }
    control(&dialog, u"profileFitCompute"_s)->setFocus();
    clickButton(&dialog, u"profileFitCompute"_s);
    QCOMPARE(captionsAndTexts(messages_), QStringList{message});
    QCOMPARE(dialog.focusWidget(), box);
    QCOMPARE(box->selectedText(), content.isEmpty() ? QString() : file);
}

void TrialRefusalsTest::tabFollowsTheReadingOrder() {
    TFoilTestDialog foilTest(foil(), nullptr);
    foilTest.show();
    QApplication::setActiveWindow(&foilTest);
    QVERIFY(QTest::qWaitForWindowActive(&foilTest));
    QStringList chain = tabChain(foilTest, control(&foilTest, u"foilMeasured"_s));
    QCOMPARE(chain, (QStringList{u"foilMeasured"_s, u"help"_s, u"foilCompute"_s, u"foilClose"_s}));
    foilTest.close();

    TProfileFitDialog fit(foil(), nullptr);
    fit.show();
    QApplication::setActiveWindow(&fit);
    QVERIFY(QTest::qWaitForWindowActive(&fit));
    chain = tabChain(fit, control(&fit, u"profileFitFile"_s));
    QCOMPARE(chain, (QStringList{u"profileFitFile"_s, u"profileFitChoose"_s, u"profileFitOffset"_s,
                                 u"help"_s, u"profileFitCompute"_s, u"profileFitClose"_s}));
}

TAVCALC_TEST_MAIN(TrialRefusalsTest)
#include "tst_TrialRefusals.moc"

// The fit to a measured profile in the calculation window: the menu command, the fitted values
// inserted into the form, and a measurement file refused by its line.

#include "CalcUiTest.h"

#include "Computation.h"
#include "MessageBox.h"
#include "ProfileMeasures.h"
#include "TProfileFitDialog.h"
#include "TTavrixDialog.h"
#include "TTavrixFrame.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// A semi-infinite sample of a Cr-Mn steel, 3 h at 920 °C and 1.15 % C.
const QStringList processBoxes = {
    QStringLiteral("edit208=0.2"),  QStringLiteral("edit207=2e-5"), QStringLiteral("edit203=1.1"),
    QStringLiteral("edit206=0"),    QStringLiteral("edit237=1.2"),  QStringLiteral("edit238=0.25"),
    QStringLiteral("edit239=0"),    QStringLiteral("edit236=0"),    QStringLiteral("edit204=920"),
    QStringLiteral("edit218=1.15"), QStringLiteral("edit235=3"),    QStringLiteral("edit227=920"),
    QStringLiteral("edit217=1.15")};

// The process of the boxes as a furnace with transfer coefficient `beta` and a probe that reads
// `offset` low ran it.
ProcessRecord furnace(double beta, double offset) {
    ProcessForm form;
    form.steelCarbon = 0.2, form.transferCoefficient = beta;
    form.cr = 1.1, form.mo = 0, form.mn = 1.2, form.si = 0.25, form.ni = 0;
    form.time[0] = 0, form.temperature[0] = 920, form.potential[0] = 1.15 + offset;
    form.time[1] = 3, form.temperature[1] = 920, form.potential[1] = 1.15 + offset;
    return asWritten(processRecord(form, SampleShape::SemiInfinite));
}

// A carbon traverse of the sample at 0.05 mm steps, as a spreadsheet exports it, each point
// `scatter` % C off, alternately up and down.
QByteArray traverse(const ProcessRecord& process, double scatter = 0) {
    struct : RunObserver {
        void setProgress(int) override {}
    } quiet;
    const TrialResult run = runTrial(process, 0.35, quiet);
    QByteArray text = "# sample 7\r\ndepth_mm;carbon\r\n";
    for (int point = 1; point <= 16; ++point) {
        const double depth = 0.05 * point;
        text += QByteArray::number(depth) + ';' +
                QByteArray::number(*profileValueAt(run.depth, run.carbon, depth) +
                                       (point % 2 == 0 ? scatter : -scatter),
                                   'f', 4)
                    .replace('.', ',') +
                "\r\n";
    }
    return text;
}

// Low pressure: 3 minutes of gas at 1 % C, then three boosts each followed by a neutral
// diffusion, which hold the surface at saturation whatever the gas stage did.
ProcessRecord boosted() {
    ProcessForm form;
    form.steelCarbon = 0.2, form.transferCoefficient = 5e-6;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    const double times[] = {0, 0.05, 0.15, 0.55, 0.65, 1.05, 1.15, 2.55};
    for (int row = 0; row < 8; ++row) {
        form.time[row] = times[row], form.temperature[row] = 920, form.potential[row] = 1.0;
        if (row >= 2)
            form.condition[row] = {
                row % 2 == 0 ? SurfaceCondition::Boost : SurfaceCondition::Neutral, {}};
    }
    return asWritten(processRecord(form, SampleShape::SemiInfinite));
}

TProfileFitDialog* openFit() {
    return qobject_cast<TProfileFitDialog*>(QApplication::activeModalWidget());
}

} // namespace

class TProfileFitDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void fittedValuesGoIntoTheForm_data();
    void fittedValuesGoIntoTheForm();
    void aBadRowIsRefusedByItsLine();
    void anUndeterminedValueIsNoted();

private:
    MessageCapture messages_;
    QTemporaryDir folder_;
};

void TProfileFitDialogTest::cleanup() {
    messages_.clear();
    QVERIFY(QApplication::topLevelWidgets().empty());
}

void TProfileFitDialogTest::fittedValuesGoIntoTheForm_data() {
    QTest::addColumn<bool>("withOffset");
    QTest::addColumn<double>("offset"); // % C the probe read low
    QTest::newRow("beta") << false << 0.0;
    QTest::newRow("beta and potential") << true << 0.05;
}

void TProfileFitDialogTest::fittedValuesGoIntoTheForm() {
    QFETCH(bool, withOffset);
    QFETCH(double, offset);
    const double beta = 8e-6;
    const QString measured = folder_.filePath(QStringLiteral("traverse.csv"));
    writeFile(measured, traverse(furnace(beta, offset)));

    TTavrixFrame frame(SampleShape::SemiInfinite);
    frame.show();
    auto* form = frame.findChild<TTavrixDialog*>();
    typeAll(form, processBoxes);
    QString shown;
    AtNextTurn operate([&] {
        auto* fit = openFit();
        QVERIFY(fit);
        typeInto(fit, QStringLiteral("profileFitFile"), measured);
        auto* offsetBox = control<QCheckBox>(fit, QStringLiteral("profileFitOffset"));
        if (offsetBox->isChecked() != withOffset)
            QTest::mouseClick(offsetBox, Qt::LeftButton, {}, QPoint(4, offsetBox->height() / 2));
        // The dialog says what it looks for.
        const QString note = control<QLabel>(fit, QStringLiteral("profileFitNote"))->text();
        QVERIFY2(note.contains(QStringLiteral("przesunięcie")) == withOffset, qPrintable(note));
        clickButton(fit, QStringLiteral("profileFitCompute"));
        auto* values = control<QLabel>(fit, QStringLiteral("profileFitValues"));
        shown = values->text();
        // Nothing of the result is cut at the size the dialog has.
        QVERIFY(values->height() >= values->sizeHint().height());
        QVERIFY(values->width() >= values->sizeHint().width());
        auto* insert = control<QPushButton>(fit, QStringLiteral("profileFitInsert"));
        if (!insert->isEnabled()) {
            fit->reject();
            return;
        }
        clickButton(fit, QStringLiteral("profileFitInsert"));
    });
    frame.findChild<QAction*>(QStringLiteral("command252"))->trigger();
    QVERIFY2(messages_.messages().isEmpty(), qPrintable(captionsAndTexts(messages_).join(u'\n')));
    QVERIFY2(shown.contains(QStringLiteral("Współczynnik β:")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("Punkty porównane: 16")), qPrintable(shown));
    QCOMPARE(shown.contains(QStringLiteral("Przesunięcie potencjału:")), withOffset);
    QVERIFY2(!shown.contains(QStringLiteral("Uwaga")), qPrintable(shown));

    const double fitted = control<QLineEdit>(form, QStringLiteral("edit207"))->text().toDouble();
    QVERIFY2(std::abs(fitted / beta - 1) < 0.02, qPrintable(QString::number(fitted)));
    // The fitted process is a new set, proposed beside the one the form named.
    const QString proposed = control<QLineEdit>(form, QStringLiteral("edit241"))->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^default-fit(-\\d+)?\\.tav$"))
                 .match(proposed)
                 .hasMatch(),
             qPrintable(proposed));
    for (const QString& potential : {QStringLiteral("edit218"), QStringLiteral("edit217")}) {
        const double value = control<QLineEdit>(form, potential)->text().toDouble();
        QVERIFY2(std::abs(value - (1.15 + offset)) < 0.005,
                 qPrintable(potential + u'=' + QString::number(value)));
    }
}

void TProfileFitDialogTest::aBadRowIsRefusedByItsLine() {
    const QString measured = folder_.filePath(QStringLiteral("bad.csv"));
    writeFile(measured, "depth_mm;carbon\r\n0,1;0,9\r\n0,2;abc\r\n");
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, processBoxes);
    bool insertShut = false;
    AtNextTurn operate([&] {
        auto* fit = openFit();
        QVERIFY(fit);
        typeInto(fit, QStringLiteral("profileFitFile"), measured);
        clickButton(fit, QStringLiteral("profileFitCompute"));
        insertShut = !control<QPushButton>(fit, QStringLiteral("profileFitInsert"))->isEnabled();
        clickButton(fit, QStringLiteral("profileFitClose"));
    });
    form.fitMeasuredProfile();
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{QStringLiteral("Check data!|Line 3: \"0,2;abc\" is not two numbers")});
    QVERIFY(insertShut);
    QCOMPARE(control<QLineEdit>(&form, QStringLiteral("edit207"))->text(), QStringLiteral("2e-5"));
}

// The boosts leave β hardly any mark on the profile: the value is shown, and can be inserted,
// with the note that the measurement does not determine it.
void TProfileFitDialogTest::anUndeterminedValueIsNoted() {
    const QString measured = folder_.filePath(QStringLiteral("boosted.csv"));
    writeFile(measured, traverse(boosted(), 0.01));
    TProfileFitDialog fit(boosted(), nullptr);
    fit.show();
    typeInto(&fit, QStringLiteral("profileFitFile"), measured);
    control<QCheckBox>(&fit, QStringLiteral("profileFitOffset"))->setChecked(false);
    clickButton(&fit, QStringLiteral("profileFitCompute"));
    QCOMPARE(captionsAndTexts(messages_), QStringList());
    auto* values = control<QLabel>(&fit, QStringLiteral("profileFitValues"));
    QCoreApplication::processEvents(); // the layout follows the longer text
    const QString shown = values->text();
    QVERIFY2(
        shown.contains(QStringLiteral("\n\nUwaga: pomiar prawie nie zależy od współczynnika β;")),
        qPrintable(shown));
    QVERIFY2(!shown.contains(QStringLiteral("przesunięcia potencjału")), qPrintable(shown));
    QVERIFY(values->height() >= values->sizeHint().height());
    QVERIFY(values->width() >= values->sizeHint().width());
    QVERIFY(values->geometry().bottom() < control<QWidget>(&fit, QStringLiteral("gauge"))->y());
    QVERIFY(control<QPushButton>(&fit, QStringLiteral("profileFitInsert"))->isEnabled());
    fit.reject();
}

TAVCALC_TEST_MAIN(TProfileFitDialogTest)
#include "tst_TProfileFitDialog.moc"

// "Przelicz odczyt" in the calculation window: a probe reading converted and put into the
// stage row chosen, a gas that soots inserting nothing, and a refused reading's message.

#include "CalcUiTest.h"

#include "MessageBox.h"
#include "TPotentialDialog.h"
#include "TTavrixDialog.h"
#include "TTavrixFrame.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace {

TPotentialDialog* openConverter() {
    return qobject_cast<TPotentialDialog*>(QApplication::activeModalWidget());
}

// Chooses the entry `steps` below the first by the keyboard, as a user would.
void chooseBelow(QComboBox* box, int steps) {
    box->setFocus();
    for (int step = 0; step < steps; ++step)
        QTest::keyClick(box, Qt::Key_Down);
}

} // namespace

class TPotentialDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void frameOffersTheConverter();
    void probeReadingGoesIntoTheChosenRow_data();
    void probeReadingGoesIntoTheChosenRow();
    void sootInsertsNothing();
    void impossibleReadingIsRefused();

private:
    MessageCapture messages_;
};

void TPotentialDialogTest::cleanup() {
    messages_.clear();
    QVERIFY(QApplication::topLevelWindows().empty());
}

void TPotentialDialogTest::frameOffersTheConverter() {
    TTavrixFrame frame(SampleShape::Plate);
    auto* action = frame.findChild<QAction*>(QStringLiteral("command253"));
    QVERIFY(action);
    QVERIFY(!action->statusTip().isEmpty());
}

void TPotentialDialogTest::probeReadingGoesIntoTheChosenRow_data() {
    QTest::addColumn<int>("kind"); // below the probe in the list
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("potential"); // hand values at 925 °C, 20 % CO, 40 % H2
    QTest::newRow("probe") << 0 << QStringLiteral("1150") << QStringLiteral("0.963");
    QTest::newRow("dew point") << 1 << QStringLiteral("-5") << QStringLiteral("0.77");
    QTest::newRow("CO2") << 2 << QStringLiteral("0.2") << QStringLiteral("0.607");
}

void TPotentialDialogTest::probeReadingGoesIntoTheChosenRow() {
    QFETCH(int, kind);
    QFETCH(QString, reading);
    QFETCH(QString, potential);
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, {QStringLiteral("edit204=920"), QStringLiteral("edit218=1.15"),
                    QStringLiteral("edit227=925"), QStringLiteral("edit217=1")});
    QString shown;
    AtNextTurn operate([&] {
        TPotentialDialog* converter = openConverter();
        QVERIFY(converter);
        chooseBelow(control<QComboBox>(converter, QStringLiteral("potentialRow")), 1);
        QCOMPARE(control<QLineEdit>(converter, QStringLiteral("potentialTemperature"))->text(),
                 QStringLiteral("925"));
        chooseBelow(control<QComboBox>(converter, QStringLiteral("potentialKind")), kind);
        typeInto(converter, QStringLiteral("potentialReading"), reading);
        clickButton(converter, QStringLiteral("potentialConvert"));
        shown = control<QLabel>(converter, QStringLiteral("potentialResult"))->text();
        clickButton(converter, QStringLiteral("potentialInsert"));
    });
    form.convertReading();
    QVERIFY2(messages_.messages().isEmpty(), qPrintable(captionsAndTexts(messages_).join(u'\n')));
    QVERIFY2(shown.contains(potential.left(5)), qPrintable(shown));
    compareBoxes(&form, {QStringLiteral("edit217=") + potential, QStringLiteral("edit218=1.15")});
}

void TPotentialDialogTest::sootInsertsNothing() {
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, {QStringLiteral("edit204=925"), QStringLiteral("edit218=1.15")});
    QString shown;
    AtNextTurn operate([&] {
        TPotentialDialog* converter = openConverter();
        QVERIFY(converter);
        typeInto(converter, QStringLiteral("potentialReading"), QStringLiteral("1150"));
        typeInto(converter, QStringLiteral("potentialCO"), QStringLiteral("30"));
        clickButton(converter, QStringLiteral("potentialInsert"));
        shown = control<QLabel>(converter, QStringLiteral("potentialResult"))->text();
        QVERIFY(converter->isVisible());
        clickButton(converter, QStringLiteral("potentialClose"));
    });
    form.convertReading();
    QVERIFY2(shown.contains(QStringLiteral("sadz")), qPrintable(shown));
    compareBoxes(&form, {QStringLiteral("edit218=1.15")});
}

void TPotentialDialogTest::impossibleReadingIsRefused() {
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, {QStringLiteral("edit204=925")});
    AtNextTurn operate([&] {
        TPotentialDialog* converter = openConverter();
        QVERIFY(converter);
        typeInto(converter, QStringLiteral("potentialReading"), QStringLiteral("3000"));
        clickButton(converter, QStringLiteral("potentialInsert"));
        clickButton(converter, QStringLiteral("potentialClose"));
    });
    form.convertReading();
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{QStringLiteral("Check data!|probe: must be 0 to 1500 mV")});
}

TAVCALC_TEST_MAIN(TPotentialDialogTest)
#include "tst_TPotentialDialog.moc"

// The stage table of the process-data dialog: rows added up to a hundred and scrolled beyond
// ten, a condition and a flux limit on each row, the checks of conditions, and programmes with
// conditions loaded, computed and written back as they were.

#include "CalcUiTest.h"

#include "MessageBox.h"
#include "SetNames.h"
#include "TTavrixDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

const QStringList steel = {
    QStringLiteral("edit208=0.2"), QStringLiteral("edit207=2e-5"), QStringLiteral("edit203=0"),
    QStringLiteral("edit206=0"),   QStringLiteral("edit237=0"),    QStringLiteral("edit238=0"),
    QStringLiteral("edit239=0"),   QStringLiteral("edit204=920"),  QStringLiteral("edit218=0.8")};

// The boxes of row `row` (from 1): the first ten by their resource ids, the later ones by name.
QString timeBox(int row) {
    static const int ids[] = {236, 235, 234, 233, 232, 231, 230, 229, 202, 121};
    return row <= 10 ? QStringLiteral("edit%1").arg(ids[row - 1])
                     : QStringLiteral("time%1").arg(row);
}
QString temperatureBox(int row) {
    static const int ids[] = {204, 227, 226, 225, 224, 223, 222, 221, 220, 219};
    return row <= 10 ? QStringLiteral("edit%1").arg(ids[row - 1])
                     : QStringLiteral("temperature%1").arg(row);
}
QString potentialBox(int row) {
    static const int ids[] = {218, 217, 216, 215, 214, 213, 212, 211, 210, 209};
    return row <= 10 ? QStringLiteral("edit%1").arg(ids[row - 1])
                     : QStringLiteral("potential%1").arg(row);
}

// Rows 2 to `rows` at 920 °C and 0.8 % C, every `minutes` minutes: "box=text" entries.
QStringList rowsEvery(int rows, int minutes) {
    QStringList entries;
    for (int row = 2; row <= rows; ++row)
        entries << timeBox(row) + QStringLiteral("=") + QString::number((row - 1) * minutes / 60.0)
                << temperatureBox(row) + QStringLiteral("=920")
                << potentialBox(row) + QStringLiteral("=0.8");
    return entries;
}

// Clicks a check box of the table, as a user does.
void clickCheck(const QObject* root, const QString& name) {
    auto* box = control<QCheckBox>(root, name);
    QVERIFY(box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(4, box->height() / 2));
}

// Clicks "Warunki etapów", as a user does to add (or take away) the condition column.
void clickConditions(const QObject* root) {
    clickCheck(root, QStringLiteral("checkConditions"));
}

// Chooses a row's condition with the keyboard, as a user does on the closed list.
void chooseCondition(const QObject* root, int row, const QString& condition) {
    auto* list = control<QComboBox>(root, QStringLiteral("condition%1").arg(row));
    QVERIFY2(list, qPrintable(QString::number(row)));
    QTest::keyClick(list, Qt::Key_Home);
    for (int presses = 0; presses < list->count() && list->currentText() != condition; ++presses)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), condition);
}

QStringList conditionsShown(const QObject* root, int rows) {
    QStringList shown;
    for (int row = 1; row <= rows; ++row) {
        auto* flux = control<QLineEdit>(root, QStringLiteral("fluxLimit%1").arg(row));
        shown.append(
            control<QComboBox>(root, QStringLiteral("condition%1").arg(row))->currentText() +
            (flux->isEnabled() ? u' ' + flux->text() : QString()));
    }
    return shown;
}

// Twelve rows of low-pressure carburizing: boosts and neutral diffusions, one boost limited.
const QByteArray pulses = "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n12\r\n"
                          "0 920 0.8\r\n"
                          "0.05 920 0.8 boost\r\n"
                          "0.2 920 0.8 neutral\r\n"
                          "0.25 920 0.8 boost 2.5\r\n"
                          "0.5 920 0.8 neutral\r\n"
                          "0.55 920 0.8 boost\r\n"
                          "1 920 0.8 neutral\r\n"
                          "1.05 920 0.8 boost\r\n"
                          "1.5 920 0.8 neutral\r\n"
                          "1.55 920 0.8 boost 0.75\r\n"
                          "2 900 0.8 neutral\r\n"
                          "3 900 0.7\r\n"
                          "Semi-infinitive sample\r\n";
const QStringList pulseConditions = {QString(),
                                     QStringLiteral("nasycanie "),
                                     QStringLiteral("obojętna"),
                                     QStringLiteral("nasycanie 2.5"),
                                     QStringLiteral("obojętna"),
                                     QStringLiteral("nasycanie "),
                                     QStringLiteral("obojętna"),
                                     QStringLiteral("nasycanie "),
                                     QStringLiteral("obojętna"),
                                     QStringLiteral("nasycanie 0.75"),
                                     QStringLiteral("obojętna"),
                                     QStringLiteral("gaz")};

QByteArray headOf(const QByteArray& file) {
    const QByteArray end = "Semi-infinitive sample\r\n";
    return file.left(file.indexOf(end) + end.size());
}

} // namespace

class StageTableTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }
    void cleanup();
    void rowsGrowToAHundredAndScroll();
    void fluxLimitOnlyForABoost();
    void conditionChecks_data();
    void conditionChecks();
    void loadedConditionsComputeAndWriteBack();
    void typedConditionsAreWritten();
    void durationsAndClockTimesGiveTheTimesRowsEndAt();
    void chosenModelsAreWrittenAndLoaded();

private:
    QTemporaryDir folder_;
    InUseListKeeper list_;
    MessageCapture messages_;
};

void StageTableTest::cleanup() {
    messages_.clear();
    QVERIFY(QApplication::topLevelWindows().isEmpty());
}

void StageTableTest::rowsGrowToAHundredAndScroll() {
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* scroll = control<QScrollArea>(&dialog, QStringLiteral("stageScroll"));
    auto* add = control<QPushButton>(&dialog, QStringLiteral("buttonAddRow"));
    const int tenRowsHigh = scroll->height();
    // Ten rows stand whole, as they always have.
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    QVERIFY(!control<QLineEdit>(&dialog, QStringLiteral("time11")));

    clickButton(&dialog, QStringLiteral("buttonAddRow"));
    auto* time11 = control<QLineEdit>(&dialog, QStringLiteral("time11"));
    QVERIFY(time11);
    QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());
    QCOMPARE(scroll->height(), tenRowsHigh);
    // The new row is scrolled into view, ready for typing.
    QTRY_VERIFY(!time11->visibleRegion().isEmpty());
    QVERIFY(time11->hasFocus());
    QVERIFY(control<QLineEdit>(&dialog, timeBox(1))->visibleRegion().isEmpty());

    while (add->isEnabled())
        QTest::mouseClick(add, Qt::LeftButton);
    QVERIFY(control<QLineEdit>(&dialog, QStringLiteral("time100")));
    QVERIFY(!control<QLineEdit>(&dialog, QStringLiteral("time101")));
    QCOMPARE(scroll->height(), tenRowsHigh);
}

void StageTableTest::fluxLimitOnlyForABoost() {
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    // A form of gas stages is the table it always was, until the user asks for conditions.
    QVERIFY(!control<QComboBox>(&dialog, QStringLiteral("condition1")));
    QVERIFY(!control<QLineEdit>(&dialog, QStringLiteral("fluxLimit1")));
    clickConditions(&dialog);
    auto* flux = control<QLineEdit>(&dialog, QStringLiteral("fluxLimit2"));
    QVERIFY(flux);
    QCOMPARE(conditionsShown(&dialog, 2), (QStringList{QString(), QStringLiteral("gaz")}));
    // Row 1 starts the programme and ends no stage: nothing to choose there.
    QVERIFY(!control<QComboBox>(&dialog, QStringLiteral("condition1"))->isEnabled());
    QVERIFY(!control<QLineEdit>(&dialog, QStringLiteral("fluxLimit1"))->isEnabled());
    QVERIFY(!flux->isEnabled());
    chooseCondition(&dialog, 2, QStringLiteral("nasycanie"));
    QVERIFY(flux->isEnabled());
    typeInto(&dialog, QStringLiteral("fluxLimit2"), QStringLiteral("1,5x"));
    QCOMPARE(flux->text(), QStringLiteral("1,5"));
    // A limit left on a row that is no boost would be read by nobody: it goes.
    chooseCondition(&dialog, 2, QStringLiteral("obojętna"));
    QVERIFY(!flux->isEnabled());
    QCOMPARE(flux->text(), QString());
    // So does a ceiling.
    auto* ceiling = control<QLineEdit>(&dialog, QStringLiteral("ceiling2"));
    QVERIFY(ceiling && !ceiling->isEnabled());
    chooseCondition(&dialog, 2, QStringLiteral("nasycanie"));
    typeInto(&dialog, QStringLiteral("ceiling2"), QStringLiteral("1,25"));
    QCOMPARE(ceiling->text(), QStringLiteral("1,25"));
    chooseCondition(&dialog, 2, QStringLiteral("gaz"));
    QCOMPARE(ceiling->text(), QString());
    // Taking the column away takes its conditions with it.
    chooseCondition(&dialog, 3, QStringLiteral("nasycanie"));
    clickConditions(&dialog);
    QVERIFY(!control<QComboBox>(&dialog, QStringLiteral("condition3")));
    clickConditions(&dialog);
    QCOMPARE(control<QComboBox>(&dialog, QStringLiteral("condition3"))->currentText(),
             QStringLiteral("gaz"));
    // The choice is the user's data: closing asks about it.
    messages_.setAnswer(QMessageBox::Discard);
    QVERIFY(dialog.mayClose());
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{QStringLiteral("Unsaved data|Zapisać dane procesu?")});
    messages_.setAnswer(QMessageBox::Ok);
}

void StageTableTest::conditionChecks_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("conditions"); // "row=condition[=J0]"
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("typed"); // boxes typed after the rows

    const QString checkData = QStringLiteral("Check data!|");
    QTest::newRow("conditions accepted")
        << 3 << QStringList{QStringLiteral("2=nasycanie"), QStringLiteral("3=obojętna")}
        << QStringList() << QStringList();
    QTest::newRow("limited boost accepted")
        << 2 << QStringList{QStringLiteral("2=nasycanie=1.5")} << QStringList() << QStringList();
    QTest::newRow("flux limit of 0")
        << 3 << QStringList{QStringLiteral("3=nasycanie=0")}
        << QStringList{checkData +
                       QStringLiteral("Stage 3 flux limit must be greater than 0 g/(m²·s).")}
        << QStringList();
    QTest::newRow("negative flux limit")
        << 2 << QStringList{QStringLiteral("2=nasycanie=-1")}
        << QStringList{checkData +
                       QStringLiteral("Stage 2 flux limit must be greater than 0 g/(m²·s).")}
        << QStringList();
    QTest::newRow("eleven gas rows")
        << 11 << QStringList()
        << QStringList{checkData + QStringLiteral("Stage count must be from 1 to 10, or to 100 "
                                                  "when stages carry a condition word other than "
                                                  "gas.")}
        << QStringList();
    QTest::newRow("eleven rows with a neutral stage")
        << 11 << QStringList{QStringLiteral("11=obojętna")} << QStringList() << QStringList();
    // The saturation warning speaks of what a gas offers: a boost is at the limit by definition.
    const QStringList aboveTheLimit{QStringLiteral("edit217=1.5")};
    QTest::newRow("boost row's potential above the limit")
        << 2 << QStringList{QStringLiteral("2=nasycanie")} << QStringList() << aboveTheLimit;
    QTest::newRow("gas row's potential above the limit")
        << 2 << QStringList()
        << QStringList{QStringLiteral("Warning!|stage 2: the potential 1.50 % C exceeds the "
                                      "saturation limit of austenite, 1.29 % C at 920 °C: soot "
                                      "and carbides are to be expected\n\nThe computation knows "
                                      "nothing of soot and carbides. Compute anyway?")}
        << aboveTheLimit;
}

void StageTableTest::conditionChecks() {
    QFETCH(int, rows);
    QFETCH(QStringList, conditions);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, typed);

    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    while (control<QLineEdit>(&dialog, timeBox(rows)) == nullptr)
        clickButton(&dialog, QStringLiteral("buttonAddRow"));
    typeAll(&dialog, steel + rowsEvery(rows, 30) + typed);
    if (!conditions.isEmpty() && !control<QComboBox>(&dialog, QStringLiteral("condition1")))
        clickConditions(&dialog);
    for (const QString& entry : conditions) {
        const QStringList parts = entry.split(u'=');
        chooseCondition(&dialog, parts[0].toInt(), parts[1]);
        if (parts.size() > 2)
            typeInto(&dialog, QStringLiteral("fluxLimit") + parts[0], parts[2]);
    }
    bool offered = false;
    AtNextTurn answer([&] {
        if (auto* progress = QApplication::activeModalWidget()) {
            offered = true;
            progress->close();
        }
    });
    clickButton(&dialog, QStringLiteral("button201"));
    QCOMPARE(captionsAndTexts(messages_), expected);
    QCOMPARE(offered, expected.isEmpty() || expected.first().startsWith(u"Warning!"));
}

void StageTableTest::loadedConditionsComputeAndWriteBack() {
    const QString source = folder_.filePath(QStringLiteral("impulsy.tav"));
    writeFile(source, pulses);
    const QString set = folder_.filePath(QStringLiteral("impulsy-wynik.tav"));
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    messages_.answerFileDialogs({source});
    clickButton(&dialog, QStringLiteral("button240"));
    QCOMPARE(messages_.texts(), QStringList());
    QCOMPARE(conditionsShown(&dialog, 12), pulseConditions);
    compareBoxes(&dialog, {QStringLiteral("time11=2:00:00"), QStringLiteral("temperature12=900"),
                           QStringLiteral("potential12=0.7"), QStringLiteral("edit235=0:03:00")});
    auto* scroll = control<QScrollArea>(&dialog, QStringLiteral("stageScroll"));
    QVERIFY(scroll->verticalScrollBar()->isVisible());

    QCOMPARE(computeInto(dialog, set), QStringLiteral("Finished"));
    QCOMPARE(messages_.texts(), QStringList());
    QCOMPARE(headOf(fileBytes(set)), pulses);

    // Loading a programme of three rows gives back the table of ten rows.
    const QString three = folder_.filePath(QStringLiteral("trzy.tav"));
    const qsizetype rows = pulses.indexOf("12\r\n");
    writeFile(three, pulses.left(rows) + "3\r\n0 920 0.8\r\n0.05 920 0.8 boost\r\n0.2 920 0.8\r\n"
                                         "Semi-infinitive sample\r\n");
    messages_.answerFileDialogs({three});
    clickButton(&dialog, QStringLiteral("button240"));
    QCOMPARE(messages_.texts(), QStringList());
    QVERIFY(!control<QLineEdit>(&dialog, QStringLiteral("time11")));
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    QVERIFY(control<QCheckBox>(&dialog, QStringLiteral("checkConditions"))->isChecked());
    QCOMPARE(conditionsShown(&dialog, 3),
             (QStringList{QString(), QStringLiteral("nasycanie "), QStringLiteral("gaz")}));
    // The rows the programme leaves empty stay empty, as clock times too.
    compareBoxes(&dialog, {QStringLiteral("edit235=0:03:00"), QStringLiteral("edit233="),
                           QStringLiteral("edit121=")});
}

void StageTableTest::typedConditionsAreWritten() {
    const QString set = folder_.filePath(QStringLiteral("wpisane.tav"));
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    for (int row = 11; row <= 12; ++row)
        clickButton(&dialog, QStringLiteral("buttonAddRow"));
    typeAll(&dialog, steel + rowsEvery(12, 6));
    for (int row = 2; row <= 12; ++row)
        chooseCondition(&dialog, row,
                        row % 2 == 0 ? QStringLiteral("nasycanie") : QStringLiteral("obojętna"));
    typeInto(&dialog, QStringLiteral("fluxLimit12"), QStringLiteral("2,5"));
    typeInto(&dialog, QStringLiteral("ceiling10"), QStringLiteral("1,3"));
    QCOMPARE(computeInto(dialog, set), QStringLiteral("Finished"));
    QCOMPARE(messages_.texts(), QStringList());
    QByteArray rows;
    for (int row = 1; row <= 12; ++row)
        rows += QByteArray::number((row - 1) * 0.1) + " 920 0.8" +
                (row == 1       ? ""
                 : row == 12    ? " boost 2.5"
                 : row == 10    ? " boost limit 1.3"
                 : row % 2 == 0 ? " boost"
                                : " neutral") +
                "\r\n";
    QCOMPARE(headOf(fileBytes(set)), "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n12\r\n" +
                                         rows + "Semi-infinitive sample\r\n");
}

void StageTableTest::durationsAndClockTimesGiveTheTimesRowsEndAt() {
    const QString set = folder_.filePath(QStringLiteral("etapy.tav"));
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    typeAll(&dialog, steel + rowsEvery(3, 120));
    auto* heading = control<QLabel>(&dialog, QStringLiteral("static118"));
    clickCheck(&dialog, QStringLiteral("checkDurations"));
    // Each stage's length: 2 h and 2 h, under a heading that says so.
    QCOMPARE(heading->text(), QStringLiteral("Czas etapu, h"));
    compareBoxes(&dialog, {timeBox(1) + QStringLiteral("=0"), timeBox(2) + QStringLiteral("=2"),
                           timeBox(3) + QStringLiteral("=2")});
    // Half an hour on the clock.
    typeInto(&dialog, timeBox(3), QStringLiteral("0:30:00"));
    QCOMPARE(computeInto(dialog, set), QStringLiteral("Finished"));
    QCOMPARE(messages_.texts(), QStringList());
    QCOMPARE(headOf(fileBytes(set)), "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n3\r\n"
                                     "0 920 0.8\r\n2 920 0.8\r\n2.5 920 0.8\r\n"
                                     "Semi-infinitive sample\r\n");
    clickCheck(&dialog, QStringLiteral("checkDurations"));
    QCOMPARE(heading->text(), QStringLiteral("Czas, h"));
    compareBoxes(&dialog, {timeBox(2) + QStringLiteral("=2"), timeBox(3) + QStringLiteral("=2.5")});
}

// The law and carbides the form chooses become the file's settings lines, and a file loaded
// shows them again; the standard law and no carbides write no line.
void StageTableTest::chosenModelsAreWrittenAndLoaded() {
    const QString set = folder_.filePath(QStringLiteral("prawo.tav"));
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    typeAll(&dialog, steel + rowsEvery(2, 6));
    auto* law = control<QComboBox>(&dialog, QStringLiteral("comboDiffusivity"));
    QVERIFY(law);
    QCOMPARE(law->currentText(), QStringLiteral("standardowa"));
    QTest::keyClick(law, Qt::Key_Down);
    QCOMPARE(law->currentText(), QStringLiteral("Tibbetts"));
    auto* carbides = control<QCheckBox>(&dialog, QStringLiteral("checkCarbides"));
    QTest::mouseClick(carbides, Qt::LeftButton, Qt::NoModifier, QPoint(4, carbides->height() / 2));
    QVERIFY(carbides->isChecked());
    QCOMPARE(computeInto(dialog, set), QStringLiteral("Finished"));
    QVERIFY(fileBytes(set).contains("Semi-infinitive sample\r\ndiffusivity: tibbetts\r\n"
                                    "carbides: on\r\n-\""));

    TTavrixDialog loaded(SampleShape::SemiInfinite, nullptr);
    loaded.show();
    messages_.answerFileDialogs({set});
    clickButton(&loaded, QStringLiteral("button240"));
    QCOMPARE(control<QComboBox>(&loaded, QStringLiteral("comboDiffusivity"))->currentText(),
             QStringLiteral("Tibbetts"));
    QVERIFY(control<QCheckBox>(&loaded, QStringLiteral("checkCarbides"))->isChecked());
}

TAVCALC_TEST_MAIN(StageTableTest)
#include "tst_StageTable.moc"

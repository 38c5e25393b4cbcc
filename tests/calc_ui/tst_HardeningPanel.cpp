// The calculation window's grade picker and hardening group, driven by keys and clicks: a picked
// steel fills the composition, the group opens to its fields, and what they hold is written as
// the hardening lines of the set (and shown again when the set is loaded).

#include "CalcUiTest.h"

#include "MessageBox.h"
#include "TTavrixDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QTemporaryDir>

namespace {

// A plate with a programme of two rows.
const QStringList plate = {
    QStringLiteral("edit208=0.2"), QStringLiteral("edit207=2e-5"), QStringLiteral("edit203=0"),
    QStringLiteral("edit206=0"),   QStringLiteral("edit237=0"),    QStringLiteral("edit238=0"),
    QStringLiteral("edit239=0"),   QStringLiteral("edit243=20"),   QStringLiteral("edit204=920"),
    QStringLiteral("edit218=1"),   QStringLiteral("edit235=2"),    QStringLiteral("edit227=920"),
    QStringLiteral("edit217=1")};

// Down the list, as the keys choose, to `name`.
void pickGrade(const QObject* root, const QString& name) {
    auto* picker = control<QComboBox>(root, QStringLiteral("gradePicker"));
    QVERIFY(picker);
    picker->setFocus();
    for (int presses = 0; presses < picker->count() && picker->currentText() != name; ++presses)
        QTest::keyClick(picker, Qt::Key_Down);
    QCOMPARE(picker->currentText(), name);
}

// Opens the collapsed group with the space bar, as its check box takes it.
void openGroup(const QObject* root) {
    auto* group = control<QGroupBox>(root, QStringLiteral("hardeningGroup"));
    QVERIFY(group);
    group->setFocus();
    QTest::keyClick(group, Qt::Key_Space);
    QVERIFY(group->isChecked());
    QTRY_VERIFY(control<QWidget>(root, QStringLiteral("hardeningFields"))->isVisible());
}

QByteArray settingsOf(const QByteArray& file) {
    const QByteArray shapeEnd = "Plate\r\n20\r\n";
    const qsizetype from = file.indexOf(shapeEnd) + shapeEnd.size();
    const qsizetype to = file.indexOf("-\"");
    return file.mid(from, to < 0 ? -1 : to - from);
}

} // namespace

class HardeningPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }
    void cleanup();
    void aPickedGradeFillsTheComposition();
    void theClosedGroupWritesNoHardening();
    void theGroupsFieldsAreWrittenAndLoadedBack();
    void aBrokenFieldIsRefusedBeforeTheRun();
    void aSemiInfiniteQuenchNeedsItsSection();

private:
    QTemporaryDir folder_;
    InUseListKeeper list_;
    MessageCapture messages_;
};

void HardeningPanelTest::cleanup() {
    messages_.clear();
    QVERIFY(QApplication::topLevelWindows().isEmpty());
}

void HardeningPanelTest::aPickedGradeFillsTheComposition() {
    TTavrixDialog dialog(SampleShape::Plate, nullptr);
    dialog.show();
    QVERIFY(!control<QWidget>(&dialog, QStringLiteral("hardeningFields"))->isVisible());
    pickGrade(&dialog, QStringLiteral("18CrNiMo7-6"));
    compareBoxes(&dialog, {QStringLiteral("edit208=0.18"), QStringLiteral("edit203=1.65"),
                           QStringLiteral("edit206=0.3"), QStringLiteral("edit237=0.7"),
                           QStringLiteral("edit238=0.25"), QStringLiteral("edit239=1.55")});
    // The user may edit what the grade gave.
    typeInto(&dialog, QStringLiteral("edit239"), QStringLiteral("1.6"));
    compareBoxes(&dialog, {QStringLiteral("edit239=1.6")});
}

void HardeningPanelTest::theClosedGroupWritesNoHardening() {
    const QString set = folder_.filePath(QStringLiteral("plain.tav"));
    TTavrixDialog dialog(SampleShape::Plate, nullptr);
    dialog.show();
    typeAll(&dialog, plate);
    QCOMPARE(computeInto(dialog, set), QStringLiteral("Finished"));
    QCOMPARE(settingsOf(fileBytes(set)), QByteArray());
    QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("plain.aus"))));
}

void HardeningPanelTest::theGroupsFieldsAreWrittenAndLoadedBack() {
    const QString set = folder_.filePath(QStringLiteral("hardened.tav"));
    {
        TTavrixDialog dialog(SampleShape::Plate, nullptr);
        dialog.show();
        typeAll(&dialog, plate);
        pickGrade(&dialog, QStringLiteral("16MnCr5"));
        typeAll(&dialog, {QStringLiteral("edit243=20")});
        openGroup(&dialog);
        typeAll(&dialog, {QStringLiteral("quenchBath=60"), QStringLiteral("quenchSeverity=0,4"),
                          QStringLiteral("temperTemperature=180"), QStringLiteral("temperHours=2"),
                          QStringLiteral("cryoTemperature=-80")});
        QTest::keyClicks(control<QLineEdit>(&dialog, QStringLiteral("chemistry")),
                         QStringLiteral("Cu 0.1"));
        QCOMPARE(computeInto(dialog, set), QStringLiteral("Finished"));
        QCOMPARE(messages_.texts(), QStringList());
    }
    QCOMPARE(settingsOf(fileBytes(set)),
             QByteArray("quench: oil 60 H 0.4\r\ntemper: 180 2\r\ncryo: -80\r\n"
                        "chemistry: Cu 0.1\r\ngrade: 16MnCr5\r\n"));
    QVERIFY(QFile::exists(folder_.filePath(QStringLiteral("hardened.aus"))));

    TTavrixDialog loaded(SampleShape::Plate, nullptr);
    loaded.show();
    messages_.answerFileDialogs({set});
    clickButton(&loaded, QStringLiteral("button240"));
    QTRY_VERIFY(control<QGroupBox>(&loaded, QStringLiteral("hardeningGroup"))->isChecked());
    compareBoxes(&loaded, {QStringLiteral("quenchBath=60"), QStringLiteral("quenchSeverity=0.4"),
                           QStringLiteral("temperHours=2"), QStringLiteral("cryoTemperature=-80"),
                           QStringLiteral("chemistry=Cu 0.1")});
    QCOMPARE(control<QComboBox>(&loaded, QStringLiteral("gradePicker"))->currentText(),
             QStringLiteral("16MnCr5"));
}

void HardeningPanelTest::aBrokenFieldIsRefusedBeforeTheRun() {
    TTavrixDialog dialog(SampleShape::Plate, nullptr);
    dialog.show();
    typeAll(&dialog, plate);
    openGroup(&dialog);
    typeAll(&dialog, {QStringLiteral("temperTemperature=180")});
    clickButton(&dialog, QStringLiteral("button201"));
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{QStringLiteral("Check data!|temper: two numbers are needed")});
}

void HardeningPanelTest::aSemiInfiniteQuenchNeedsItsSection() {
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    openGroup(&dialog);
    clickButton(&dialog, QStringLiteral("button201"));
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{QStringLiteral("Check data!|") + QString::fromUtf8(sectionNeeded.data())});
}

TAVCALC_TEST_MAIN(HardeningPanelTest)
#include "tst_HardeningPanel.moc"

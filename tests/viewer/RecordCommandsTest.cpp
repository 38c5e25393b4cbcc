// The load record in the viewer: the part's requirements picked for the active set and kept
// beside it, the record written for that set and its verdict told.

#include "RecordCommands.h"
#include "MessageBox.h"
#include "TavFrame.h"
#include "TavMDIClient.h"
#include "TestSets.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class RecordCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void recordCommandsNeedTheWindowOfASet();
    void specificationIsKeptBesideTheSetAndJudgedInTheRecord();
    void refusedSpecificationIsToldWithItsLineAndNotKept();

private:
    ProgramPlace place() const { return ProgramPlace::at(folder_.path()); }
    QTemporaryDir folder_;
    QString set_;
};

void RecordCommandsTest::initTestCase() {
    set_ = computeSet(folder_.path(), u"stal.tav"_s, SampleShape::SemiInfinite);
    writeTestFile(place().ListFilePath, "0");
}

void RecordCommandsTest::recordCommandsNeedTheWindowOfASet() {
    TTavFrame frame(place());
    frame.show();
    QVERIFY(!frame.command(Command::LoadRecord)->isEnabled());
    QVERIFY(!frame.command(Command::PartSpecification)->isEnabled());
    frame.client().openSet(set_);
    QVERIFY(frame.command(Command::LoadRecord)->isEnabled());
    QVERIFY(frame.command(Command::PartSpecification)->isEnabled());
    frame.command(Command::CloseAll)->trigger();
}

void RecordCommandsTest::specificationIsKeptBesideTheSetAndJudgedInTheRecord() {
    const QString requirementsFile = folder_.filePath(u"part.txt"_s);
    writeTestFile(requirementsFile, "# drawing\r\nsurface carbon: 1.20 .. 1.30 % C\r\n");
    const QString pdf = folder_.filePath(u"stal-record.pdf"_s);
    TTavFrame frame(place());
    frame.show();
    frame.client().openSet(set_);
    MessageCapture capture;
    capture.answerFileDialogs({requirementsFile});
    frame.command(Command::PartSpecification)->trigger();
    QCOMPARE(capture.texts(), QStringList());
    QCOMPARE(keptSpecification(set_), requirementsFile);

    capture.answerFileDialogs({pdf});
    frame.command(Command::LoadRecord)->trigger();
    QCOMPARE(capture.messages().size(), 1);
    QCOMPARE(capture.messages().front().icon, MessageIcon::Information);
    QVERIFY2(capture.texts().front().contains(u"Werdykt: NIE SPEŁNIA: Węgiel na powierzchni"_s),
             qPrintable(capture.texts().front()));
    QVERIFY(capture.texts().front().contains(pdf));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
    frame.command(Command::CloseAll)->trigger();
}

void RecordCommandsTest::refusedSpecificationIsToldWithItsLineAndNotKept() {
    const QString other = folder_.path() + u"/inny.tav"_s;
    const QString otherSet = computeSet(folder_.path(), u"inny.tav"_s, SampleShape::Plate);
    QCOMPARE(otherSet, other);
    const QString requirementsFile = folder_.filePath(u"wrong.txt"_s);
    writeTestFile(requirementsFile, "surface carbon: 0.7 .. 1.0 % C\ncore hardness: 30 .. 45 HB\n");
    TTavFrame frame(place());
    frame.show();
    frame.client().openSet(otherSet);
    MessageCapture capture;
    capture.answerFileDialogs({requirementsFile});
    frame.command(Command::PartSpecification)->trigger();
    QCOMPARE(capture.messages().size(), 1);
    QVERIFY2(capture.texts().front().contains(u"line 2: core hardness is given in HV or HRC"_s),
             qPrintable(capture.texts().front()));
    QCOMPARE(keptSpecification(otherSet), QString());
    frame.command(Command::CloseAll)->trigger();
}

QTEST_MAIN(RecordCommandsTest)
#include "RecordCommandsTest.moc"

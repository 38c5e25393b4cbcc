// The scale dialogs: what they show, what OK stores and what it refuses.

#include "ChartTestSupport.h"
#include "MessageBox.h"
#include "TAxisSetup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <climits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The record of a fresh carbon-potential window.
TSkala potentialScale() {
    TSkala scale;
    scale.xDivisions = 6;
    scale.xEnd = 12;
    scale.yDivisions = 12;
    scale.yEnd = 1.2;
    return scale;
}

std::unique_ptr<TAxisSetup> makeDialog(bool withXDivisions, TSkala& scale) {
    if (withXDivisions)
        return std::make_unique<TAxisSetup2>(nullptr, scale);
    return std::make_unique<TAxisSetup>(nullptr, scale);
}

QLineEdit* field(const QDialog& dialog, const QString& name) {
    return dialog.findChild<QLineEdit*>(name);
}

void click(const QDialog& dialog, const QString& button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

bool sameScale(const TSkala& a, const TSkala& b) {
    return a.xDivisions == b.xDivisions && a.yDivisions == b.yDivisions && a.xStart == b.xStart &&
           a.xEnd == b.xEnd && a.yStart == b.yStart && a.yEnd == b.yEnd;
}

using Texts = QMap<QString, QString>;

} // namespace

Q_DECLARE_METATYPE(TSkala)

class AxisSetupTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void setUpShowsTheRecord_data();
    void setUpShowsTheRecord();
    void drawnLimitsHaveTheDigitsOfTheirStep_data();
    void drawnLimitsHaveTheDigitsOfTheirStep();
    void labels();
    void ok_data();
    void ok();
    void refusedTextsStay();
    void cancelChangesNothing();
    void filterAdmitsDigitsAndPoint();
};

void AxisSetupTest::cleanup() {
    QVERIFY(noWindowLeft());
}

void AxisSetupTest::setUpShowsTheRecord_data() {
    QTest::addColumn<bool>("withXDivisions");
    QTest::newRow("TAxisSetup") << false;
    QTest::newRow("TAxisSetup2") << true;
}

void AxisSetupTest::setUpShowsTheRecord() {
    QFETCH(bool, withXDivisions);
    TSkala scale = potentialScale();
    const std::unique_ptr<TAxisSetup> dialog = makeDialog(withXDivisions, scale);

    QCOMPARE(dialog->windowTitle(), u"Ustawienie osi"_s);
    QCOMPARE(field(*dialog, u"xStart"_s)->text(), u"0"_s);
    QCOMPARE(field(*dialog, u"xEnd"_s)->text(), u"12"_s);
    QCOMPARE(field(*dialog, u"yStart"_s)->text(), u"0"_s);
    QCOMPARE(field(*dialog, u"yEnd"_s)->text(), u"1.2"_s);
    QCOMPARE(field(*dialog, u"yDivisions"_s)->text(), u"12"_s);
    QLineEdit* xDivisions = field(*dialog, u"xDivisions"_s);
    QCOMPARE(xDivisions != nullptr, withXDivisions);
    if (xDivisions)
        QCOMPARE(xDivisions->text(), u"6"_s);
}

void AxisSetupTest::drawnLimitsHaveTheDigitsOfTheirStep_data() {
    QTest::addColumn<ChartAxis>("drawn");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::newRow("hours") << ChartAxis{0, 2, 6} << u"0"_s << u"12"_s;
    // A carbon profile's axis ends on the grid's last node: 140 nodes of 0.0123 mm.
    QTest::newRow("node axis") << ChartAxis{0, 0.0123, 140, true} << u"0"_s << u"1.722"_s;
    QTest::newRow("a zoom") << ChartAxis{0.4, 0.05, 12} << u"0.4"_s << u"1"_s;
    QTest::newRow("temperature") << ChartAxis{800, 10, 15} << u"800"_s << u"950"_s;
    QTest::newRow("tiny step") << ChartAxis{0, 1e-9, 3} << u"0"_s << u"0"_s;
}

void AxisSetupTest::drawnLimitsHaveTheDigitsOfTheirStep() {
    QFETCH(ChartAxis, drawn);
    QFETCH(QString, start);
    QFETCH(QString, end);
    TSkala scale = potentialScale();
    const TSkala before = scale;
    const std::unique_ptr<TAxisSetup> dialog = makeDialog(true, scale);
    dialog->showDrawnLimits(drawn, drawn);
    for (const QString& axis : {u"x"_s, u"y"_s}) {
        QCOMPARE(field(*dialog, axis + u"Start"_s)->text(), start);
        QCOMPARE(field(*dialog, axis + u"End"_s)->text(), end);
    }
    // What is shown is stored by OK only.
    dialog->reject();
    QVERIFY(scale.xStart == before.xStart && scale.xEnd == before.xEnd);
    QVERIFY(scale.yStart == before.yStart && scale.yEnd == before.yEnd);
}

void AxisSetupTest::labels() {
    TSkala scale;
    TAxisSetup2 dialog(nullptr, scale);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    for (const QString& expected :
         {u"X początkowe:"_s, u"X końcowe:"_s, u"Y początkowe:"_s, u"Y końcowe:"_s, u"Podział:"_s})
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    QCOMPARE(texts.count(u"Podział:"_s), 2);
    QCOMPARE(dialog.findChild<QPushButton*>(u"ok"_s)->text(), u"OK"_s);
    QCOMPARE(dialog.findChild<QPushButton*>(u"cancel"_s)->text(), u"Cancel"_s);
}

void AxisSetupTest::ok_data() {
    QTest::addColumn<bool>("withXDivisions");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<TSkala>("stored"); // when accepted

    const TSkala fresh = potentialScale();
    auto with = [&fresh](auto change) {
        TSkala scale = fresh;
        change(scale);
        return scale;
    };
    QTest::newRow("unchanged") << true << Texts{} << true << fresh;
    QTest::newRow("all fields") << true
                                << Texts{{u"xStart"_s, u"1"_s},      {u"xEnd"_s, u"9.5"_s},
                                         {u"xDivisions"_s, u"17"_s}, {u"yStart"_s, u".2"_s},
                                         {u"yEnd"_s, u"0.9"_s},      {u"yDivisions"_s, u"7"_s}}
                                << true << TSkala{17, 7, 1, 9.5, 0.2, 0.9};
    QTest::newRow("divisions cut toward zero")
        << true << Texts{{u"xDivisions"_s, u"3.9"_s}, {u"yDivisions"_s, u"5.99"_s}} << true
        << with([](TSkala& s) { s.xDivisions = 3, s.yDivisions = 5; });
    QTest::newRow("number ends at the second point")
        << true << Texts{{u"yEnd"_s, u"1.2.3"_s}} << true << with([](TSkala& s) { s.yEnd = 1.2; });
    QTest::newRow("count past the largest")
        << true << Texts{{u"yDivisions"_s, u"99999999999"_s}} << true
        << with([](TSkala& s) { s.yDivisions = INT_MAX; });
    QTest::newRow("only the first 100 characters")
        << true << Texts{{u"xEnd"_s, u"1"_s + QString(99, u'0') + u"5"_s}} << true
        << with([](TSkala& s) { s.xEnd = 1e99; });
    QTest::newRow("node chart keeps the X divisions")
        << false << Texts{{u"yDivisions"_s, u"3"_s}} << true
        << with([](TSkala& s) { s.yDivisions = 3; });
    QTest::newRow("X start equals X end")
        << true << Texts{{u"xStart"_s, u"2"_s}, {u"xEnd"_s, u"2"_s}} << false << fresh;
    QTest::newRow("X inverted") << false << Texts{{u"xStart"_s, u"13"_s}} << false << fresh;
    QTest::newRow("empty Y end") << true << Texts{{u"yEnd"_s, QString()}} << false << fresh;
    QTest::newRow("a lone point reads 0") << true << Texts{{u"yEnd"_s, u"."_s}} << false << fresh;
    QTest::newRow("no Y divisions") << true << Texts{{u"yDivisions"_s, u"0"_s}} << false << fresh;
    QTest::newRow("no Y divisions, node chart")
        << false << Texts{{u"yDivisions"_s, u"0.5"_s}} << false << fresh;
    QTest::newRow("no X divisions")
        << true << Texts{{u"xDivisions"_s, QString()}} << false << fresh;
}

void AxisSetupTest::ok() {
    QFETCH(bool, withXDivisions);
    QFETCH(Texts, texts);
    QFETCH(bool, accepted);
    QFETCH(TSkala, stored);

    TSkala scale = potentialScale();
    const std::unique_ptr<TAxisSetup> dialog = makeDialog(withXDivisions, scale);
    dialog->show();
    for (auto text = texts.cbegin(); text != texts.cend(); ++text)
        field(*dialog, text.key())->setText(text.value());
    MessageCapture messages;
    click(*dialog, u"ok"_s);

    QCOMPARE(dialog->isVisible(), !accepted);
    QVERIFY(sameScale(scale, accepted ? stored : potentialScale()));
    if (accepted) {
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(messages.messages().isEmpty());
    } else {
        VERIFY_ONE_MESSAGE(messages, u"You have provided incorrect data"_s, u"Error!"_s);
    }
}

void AxisSetupTest::refusedTextsStay() {
    TSkala scale = potentialScale();
    TAxisSetup2 dialog(nullptr, scale);
    dialog.show();
    field(dialog, u"xStart"_s)->setText(u"5"_s);
    field(dialog, u"xEnd"_s)->setText(u"4"_s);
    MessageCapture messages;
    click(dialog, u"ok"_s);

    QVERIFY(dialog.isVisible());
    QCOMPARE(field(dialog, u"xStart"_s)->text(), u"5"_s);
    QCOMPARE(field(dialog, u"xEnd"_s)->text(), u"4"_s);

    // Corrected, the same dialog takes the texts.
    field(dialog, u"xEnd"_s)->setText(u"6"_s);
    click(dialog, u"ok"_s);
    QVERIFY(!dialog.isVisible());
    QVERIFY(scale.xStart == 5 && scale.xEnd == 6);
}

void AxisSetupTest::cancelChangesNothing() {
    TSkala scale = potentialScale();
    TAxisSetup2 dialog(nullptr, scale);
    dialog.show();
    field(dialog, u"xEnd"_s)->setText(u"24"_s);
    field(dialog, u"yDivisions"_s)->setText(u"3"_s);
    click(dialog, u"cancel"_s);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(sameScale(scale, potentialScale()));
}

void AxisSetupTest::filterAdmitsDigitsAndPoint() {
    TSkala scale;
    TAxisSetup2 dialog(nullptr, scale);
    dialog.show();
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        edit->clear();
        QTest::keyClicks(edit, u"-1e5,2 .3+"_s);
        QCOMPARE(edit->text(), u"152.3"_s);
    }
}

QTEST_MAIN(AxisSetupTest)
#include "AxisSetupTest.moc"

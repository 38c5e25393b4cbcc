// The viewer in Polish: the frame with a set's chart windows, a comparison with its summary and
// the scale dialog show no text that is still an English text of the code, and the charts draw
// their captions, the shapes and the summary's titles in Polish.

#include "InterfaceLanguage.h"
#include "InterfaceTexts.h"
#include "MessageBox.h"
#include "TAxisSetup.h"
#include "TChartMDIChild.h"
#include "TavFrame.h"
#include "TavMDIClient.h"
#include "TestSets.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class PolishWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void chartWindowsOfASet();
    void comparisonAndSummary();
    void scaleDialog();

private:
    ProgramPlace place() const { return ProgramPlace::at(folder_.path()); }
    QTemporaryDir folder_;
    QString thick_;
    QString plate_;
};

void PolishWindowsTest::initTestCase() {
    useLanguage(InterfaceLanguage::Polish);
    thick_ = computeSet(folder_.path(), u"stal.tav"_s, SampleShape::SemiInfinite);
    plate_ = computeSet(folder_.path(), u"plyta.tav"_s, SampleShape::Plate);
    writeTestFile(place().ListFilePath, "0");
}

void PolishWindowsTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void PolishWindowsTest::chartWindowsOfASet() {
    TTavFrame frame(place());
    frame.resize(1200, 900);
    frame.show();
    frame.client().openSet(thick_);
    EXPECT_POLISH(frame);
    const QStringList texts = shownTexts(frame);
    QVERIFY(texts.contains(u"Stężenie węgla na powierzchni, % C"_s));
    QVERIFY(texts.contains(u"Przyrost masy, g/m²"_s));
    QVERIFY(texts.contains(u"Czas nawęglania, h"_s));
}

void PolishWindowsTest::comparisonAndSummary() {
    TTavFrame frame(place());
    frame.resize(1200, 900);
    frame.show();
    MessageCapture messages;
    messages.answerFileDialogs({thick_ + u'\n' + plate_});
    frame.sets().compareResults();
    QStringList titles;
    for (const QMdiSubWindow* window : frame.client().subWindowList())
        titles.append(window->windowTitle());
    QVERIFY(titles.contains(u"Porównanie - Masa przyrostu"_s));
    QVERIFY(titles.contains(u"Porównanie - Temperatura"_s));
    EXPECT_POLISH(frame);
    const auto* table = frame.findChild<QTableWidget*>();
    QVERIFY(table);
    QStringList shapes;
    for (int row = 0; row < table->rowCount(); ++row)
        shapes.append(table->item(row, 1)->text());
    QCOMPARE(shapes, (QStringList{u"Próbka półnieskończona"_s, u"Płyta"_s}));
    QVERIFY(messages.messages().isEmpty());
}

void PolishWindowsTest::scaleDialog() {
    TSkala scale;
    TAxisSetup2 dialog(nullptr, scale);
    dialog.show();
    EXPECT_POLISH(dialog);
}

QTEST_MAIN(PolishWindowsTest)
#include "PolishWindowsTest.moc"

// What every chart window does whatever its kind: when it draws, the scale command, the
// clipboard, printing and export.

#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "MessageBox.h"
#include "TAxisSetup.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void drawsWhenShownAtItsSize();
    void resize_data();
    void resize();
    void fitCommandDrawsAtTheCurrentSize();
    void minimisedWindowDoesNotDraw();
    void scaleDialogOfTheKind_data();
    void scaleDialogOfTheKind();
    void cancelledScaleStillRedraws();
    void refusedScaleKeepsTheRecord_data();
    void refusedScaleKeepsTheRecord();
    void copyToClipboard();
    void exportWritesPictureAndPoints();
    void print();
    void noSetBeingOpened();

private:
    std::unique_ptr<SampleSet> set_;
    std::unique_ptr<FakeChartContext> context_;
    std::unique_ptr<QMdiArea> area_;
};

void ChartWindowTest::init() {
    set_ = std::make_unique<SampleSet>(SampleSet::SemiInfinite);
    context_ = std::make_unique<FakeChartContext>();
    context_->openFile = set_->mainFile();
    area_ = std::make_unique<QMdiArea>();
}

void ChartWindowTest::cleanup() {
    area_.reset();
    context_.reset();
    set_.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(QGuiApplication::topLevelWindows().isEmpty());
}

void ChartWindowTest::drawsWhenShownAtItsSize() {
    auto* window = new TPowMDIChild(*context_, u"pow"_s);
    QSignalSpy drawn(window, &TChartMDIChild::drawn);
    showIn(*area_, *window);
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(window->chart().geometry(), window->widget()->rect());
    QVERIFY(window->chart().size().width() > 500);
}

void ChartWindowTest::resize_data() {
    QTest::addColumn<bool>("autoFit");
    QTest::newRow("fitted automatically") << true;
    QTest::newRow("not fitted") << false;
}

void ChartWindowTest::resize() {
    QFETCH(bool, autoFit);
    context_->autoFitOn = autoFit;
    auto* window = new TWynikiMDIChild(*context_, u"C"_s);
    showIn(*area_, *window);
    const QSize drawnSize = window->chart().size();
    QSignalSpy drawn(window, &TChartMDIChild::drawn);

    window->resize(400, 300);
    QCOMPARE(drawn.count(), autoFit ? 1 : 0);
    QCOMPARE(window->chart().size() == window->widget()->size(), autoFit);
    if (!autoFit)
        QCOMPARE(window->chart().size(), drawnSize);
}

void ChartWindowTest::fitCommandDrawsAtTheCurrentSize() {
    context_->autoFitOn = false;
    auto* window = new TTempMDIChild(*context_, u"T"_s);
    showIn(*area_, *window);
    window->resize(350, 250);
    QVERIFY(window->chart().size() != window->widget()->size());

    window->draw();
    QCOMPARE(window->chart().geometry(), window->widget()->rect());
}

void ChartWindowTest::minimisedWindowDoesNotDraw() {
    auto* window = new TPotMDIChild(*context_, u"Pot"_s);
    showIn(*area_, *window);
    window->showMinimized();
    QSignalSpy drawn(window, &TChartMDIChild::drawn);
    window->draw();
    window->resize(500, 400);
    QCOMPARE(drawn.count(), 0);

    window->showNormal();
    QVERIFY(drawn.count() > 0);
}

void ChartWindowTest::scaleDialogOfTheKind_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("withXDivisions");
    for (const char* kind : {"T", "Pot", "Pow", "Masa"})
        QTest::newRow(kind) << QString::fromLatin1(kind) << true;
    for (const char* kind : {"C", "G", "HV"})
        QTest::newRow(kind) << QString::fromLatin1(kind) << false;
}

void ChartWindowTest::scaleDialogOfTheKind() {
    QFETCH(QString, kind);
    QFETCH(bool, withXDivisions);
    TChartMDIChild* window = nullptr;
    if (kind == u"T"_s)
        window = new TTempMDIChild(*context_, kind);
    else if (kind == u"Pot"_s)
        window = new TPotMDIChild(*context_, kind);
    else if (kind == u"Pow"_s)
        window = new TPowMDIChild(*context_, kind);
    else if (kind == u"Masa"_s)
        window = new TXYMDIChild(*context_, kind, u"mas"_s);
    else if (kind == u"C"_s)
        window = new TWynikiMDIChild(*context_, kind);
    else if (kind == u"G"_s)
        window = new TGruboscMDIChild(*context_, kind);
    else
        window = new TTwardoscMDIChild(*context_, kind);
    showIn(*area_, *window);

    bool asked = false;
    bool hasXDivisions = false;
    QTimer::singleShot(0, window, [&] {
        auto* dialog = qobject_cast<TAxisSetup*>(QApplication::activeModalWidget());
        asked = dialog != nullptr;
        if (!dialog)
            return;
        hasXDivisions = dialog->findChild<QLineEdit*>(u"xDivisions"_s) != nullptr;
        // The dialog starts from the window's record.
        QCOMPARE(dialog->findChild<QLineEdit*>(u"yDivisions"_s)->text(),
                 QString::number(window->scale().yDivisions));
        dialog->reject();
    });
    window->scaleAxes();
    QVERIFY(asked);
    QCOMPARE(hasXDivisions, withXDivisions);
}

void ChartWindowTest::cancelledScaleStillRedraws() {
    auto* window = new TPowMDIChild(*context_, u"pow"_s);
    showIn(*area_, *window);
    const TSkala before = window->scale();
    QSignalSpy drawn(window, &TChartMDIChild::drawn);

    QVERIFY(!rescale(*window, {{u"xEnd"_s, u"6"_s}}, false));
    QCOMPARE(drawn.count(), 1);
    QVERIFY(window->scale().xEnd == before.xEnd);
    QVERIFY(window->chart().description().xAxis == ChartAxis::spanning(0, 12, 6));
}

void ChartWindowTest::refusedScaleKeepsTheRecord_data() {
    QTest::addColumn<ScaleTexts>("texts");
    QTest::newRow("inverted X") << ScaleTexts{{u"xStart"_s, u"8"_s}, {u"xEnd"_s, u"4"_s}};
    QTest::newRow("no X divisions") << ScaleTexts{{u"xDivisions"_s, u"0"_s}};
    QTest::newRow("no Y divisions") << ScaleTexts{{u"yDivisions"_s, u"0"_s}};
}

void ChartWindowTest::refusedScaleKeepsTheRecord() {
    QFETCH(ScaleTexts, texts);
    auto* window = new TTempMDIChild(*context_, u"T"_s);
    showIn(*area_, *window);
    MessageCapture messages;

    QVERIFY(!rescale(*window, texts));
    QCOMPARE(messages.texts(), QStringList{u"You have provided incorrect data"_s});
    QCOMPARE(window->scale().xDivisions, 6);
    QCOMPARE(window->scale().yDivisions, 15);
    QVERIFY(window->chart().description().xAxis == ChartAxis::spanning(0, 12, 6));
}

void ChartWindowTest::copyToClipboard() {
    auto* window = new TGruboscMDIChild(*context_, u"G"_s);
    showIn(*area_, *window);
    QGuiApplication::clipboard()->clear();
    window->copyToClipboard();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), window->chart().size());
}

void ChartWindowTest::exportWritesPictureAndPoints() {
    auto* window = new TPowMDIChild(*context_, u"pow"_s);
    showIn(*area_, *window);
    QTemporaryDir folder;
    const QString png = folder.filePath(u"pow.png"_s);
    const QString csv = folder.filePath(u"pow.csv"_s);

    QVERIFY(window->exportTo(png, csv, QSize(800, 500)));
    QCOMPARE(QImage(png).size(), QSize(800, 500));
    QFile points(csv);
    QVERIFY(points.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(points.readAll()),
             u"\"Carburizing time, h\",\"Carbon concentration on the surface, %\"\n"
             "0,0.2\n0,0.2\n0.5,0.8\n2,1\n"_s);

    QVERIFY(!window->exportTo(folder.filePath(u"no/such/folder.png"_s), csv, QSize(80, 50)));
}

void ChartWindowTest::print() {
    auto* window = new TTwardoscMDIChild(*context_, u"HV"_s);
    showIn(*area_, *window);
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(u"hv.pdf"_s));
    window->print(printer);
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
}

void ChartWindowTest::noSetBeingOpened() {
    context_->openFile.clear();
    MessageCapture messages;
    auto* window = new TPowMDIChild(*context_, u"pow"_s);
    showIn(*area_, *window);
    QCOMPARE(window->fileName(), QString());
    QCOMPARE(messages.texts(), QStringList{u"Cannot open file"_s});
}

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"

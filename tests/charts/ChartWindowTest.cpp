// What every chart window does whatever its kind: when it draws, the scale command, the
// clipboard, printing and export.

#include "ChartExport.h"
#include "ChartTestSupport.h"
#include "ChartWindows.h"
#include "MessageBox.h"
#include "TAxisSetup.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QPicture>
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
    void opensWithRoomForItsChart();
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
    void dataPastTheInitialAxes_data();
    void dataPastTheInitialAxes();
    void print();
    void printedPageNamesTheSetAboveTheChart();
    void noSetBeingOpened();
    void unreadableFile_data();
    void unreadableFile();

private:
    std::unique_ptr<OpenSet> set_;
};

void ChartWindowTest::init() {
    set_ = std::make_unique<OpenSet>(SampleSet::SemiInfinite);
}

void ChartWindowTest::cleanup() {
    set_.reset();
    QVERIFY(noWindowLeft());
}

void ChartWindowTest::drawsWhenShownAtItsSize() {
    auto* window = new TPowMDIChild(set_->context, u"pow"_s);
    QSignalSpy drawn(window, &TChartMDIChild::drawn);
    showIn(set_->area, *window);
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(window->chart().geometry(), window->widget()->rect());
    QVERIFY(window->chart().size().width() > 500);
}

// The chart is placed in its window by hand, so the window cannot take its size from it.
void ChartWindowTest::opensWithRoomForItsChart() {
    auto* window = new TTempMDIChild(set_->context, u"T"_s);
    set_->area.resize(1000, 800);
    set_->area.show();
    set_->area.addSubWindow(window);
    window->show();
    QVERIFY(window->chart().height() > 200);
    QVERIFY(window->chart().width() > 300);
}

void ChartWindowTest::resize_data() {
    QTest::addColumn<bool>("autoFit");
    QTest::newRow("fitted automatically") << true;
    QTest::newRow("not fitted") << false;
}

void ChartWindowTest::resize() {
    QFETCH(bool, autoFit);
    set_->context.autoFitOn = autoFit;
    auto* window = new TWynikiMDIChild(set_->context, u"C"_s);
    showIn(set_->area, *window);
    const QSize drawnSize = window->chart().size();
    QSignalSpy drawn(window, &TChartMDIChild::drawn);

    window->resize(400, 300);
    QCOMPARE(drawn.count(), autoFit ? 1 : 0);
    QCOMPARE(window->chart().size() == window->widget()->size(), autoFit);
    if (!autoFit)
        QCOMPARE(window->chart().size(), drawnSize);
}

void ChartWindowTest::fitCommandDrawsAtTheCurrentSize() {
    set_->context.autoFitOn = false;
    auto* window = new TTempMDIChild(set_->context, u"T"_s);
    showIn(set_->area, *window);
    window->resize(350, 250);
    QVERIFY(window->chart().size() != window->widget()->size());

    window->draw();
    QCOMPARE(window->chart().geometry(), window->widget()->rect());
}

void ChartWindowTest::minimisedWindowDoesNotDraw() {
    auto* window = new TPotMDIChild(set_->context, u"Pot"_s);
    showIn(set_->area, *window);
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
        window = new TTempMDIChild(set_->context, kind);
    else if (kind == u"Pot"_s)
        window = new TPotMDIChild(set_->context, kind);
    else if (kind == u"Pow"_s)
        window = new TPowMDIChild(set_->context, kind);
    else if (kind == u"Masa"_s)
        window = new TXYMDIChild(set_->context, kind, u"mas"_s);
    else if (kind == u"C"_s)
        window = new TWynikiMDIChild(set_->context, kind);
    else if (kind == u"G"_s)
        window = new TGruboscMDIChild(set_->context, kind);
    else
        window = new TTwardoscMDIChild(set_->context, kind);
    showIn(set_->area, *window);

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
    auto* window = new TPowMDIChild(set_->context, u"pow"_s);
    showIn(set_->area, *window);
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
    auto* window = new TTempMDIChild(set_->context, u"T"_s);
    showIn(set_->area, *window);
    MessageCapture messages;

    QVERIFY(!rescale(*window, texts));
    QCOMPARE(messages.texts(), QStringList{u"You have provided incorrect data"_s});
    QCOMPARE(window->scale().xDivisions, 6);
    QCOMPARE(window->scale().yDivisions, 15);
    QVERIFY(window->chart().description().xAxis == ChartAxis::spanning(0, 12, 6));
}

void ChartWindowTest::copyToClipboard() {
    auto* window = new TGruboscMDIChild(set_->context, u"G"_s);
    showIn(set_->area, *window);
    QGuiApplication::clipboard()->clear();
    window->copyToClipboard();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), window->chart().size());
}

void ChartWindowTest::exportWritesPictureAndPoints() {
    auto* window = new TPowMDIChild(set_->context, u"pow"_s);
    showIn(set_->area, *window);
    QTemporaryDir folder;
    const QString png = folder.filePath(u"pow.png"_s);
    const QString csv = folder.filePath(u"pow.csv"_s);

    QVERIFY(window->exportTo(png, csv, QSize(800, 500)).isEmpty());
    QCOMPARE(QImage(png).size(), QSize(800, 500));
    QFile points(csv);
    QVERIFY(points.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(points.readAll()),
             u"\"Carburizing time, h\",\"Carbon concentration on the surface, %\"\n"
             "0,0.2\n0.5,0.8\n1.125,1\n2,1\n"_s); // a profile's surface between the rows

    const QString nowhere = folder.filePath(u"no/such/folder.png"_s);
    QCOMPARE(window->exportTo(nowhere, csv, QSize(80, 50)),
             u"cannot write "_s + nowhere + u": No such file or directory"_s);
}

void ChartWindowTest::dataPastTheInitialAxes_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<ChartAxis>("yAxis");
    QTest::addColumn<int>("rows"); // points of each line's series

    // A plate programme of 40 h on the 12 h time axis, below the 800 °C start.
    const QByteArray longProgramme = "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n3\r\n"
                                     "0 920 1.3\r\n20 920 1.3\r\n40 780 0.8\r\nPlate\r\n20\r\n";
    QTest::newRow("T") << ChartKind::Temperature << QString() << longProgramme
                       << ChartAxis{0, 10, 4} << ChartAxis{780, 20, 9} << 3;
    QTest::newRow("Pot") << ChartKind::Potential << QString() << longProgramme
                         << ChartAxis{0, 10, 4} << ChartAxis{0, 0.2, 7} << 3;
    QTest::newRow("Pow") << ChartKind::Surface << u"pow"_s
                         << QByteArray("-\"Stężenie\n, 0 0.2\n, 10 0.9\n, 40 1.1\n")
                         // and the surface of the main file's profiles at 1.125 h and 2.5 h
                         << ChartAxis{0, 10, 4} << ChartAxis{0, 0.1, 12} << 5;
    // The mass file's own axes (12 h in 12, 100 g/m^2 in 10) are the initial ones.
    QTest::newRow("Masa") << ChartKind::Mass << u"mas"_s
                          << QByteArray("Weight gain\nCarburizing time, h\n\n"
                                        ",0\n,12\n,12 \n,0\n,100\n,10\n"
                                        ", 0 0\n, 12 90\n, 40 230\n")
                          << ChartAxis{0, 5, 8} << ChartAxis{0, 25, 10} << 3;
    // The grid runs to the plate's core at 10 mm, the profile above 1.2 % C.
    QTest::newRow("C") << ChartKind::Carbon << QString()
                       << longProgramme + "-\"Rozmieszczenie\n\"  40\n, 0 1.3\n, 5 0.6\n, 10 0.2\n"
                       << ChartAxis{0, 5, 2} << ChartAxis{0, 0.25, 6} << 3;
    QTest::newRow("G") << ChartKind::CaseDepth << u"gru"_s
                       << QByteArray("-\"Grubość\n 3\n, 0 0 0 0\n, 20 2.1 2.3 2.6\n")
                       << ChartAxis{0, 20, 1} << ChartAxis{0, 0.2, 13} << 2;
}

void ChartWindowTest::dataPastTheInitialAxes() {
    QFETCH(ChartKind, kind);
    QFETCH(QString, extension);
    QFETCH(QByteArray, content);
    QFETCH(ChartAxis, xAxis);
    QFETCH(ChartAxis, yAxis);
    QFETCH(int, rows);

    set_->files.write(extension, content);
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, set_->context, u"long"_s);
    showIn(set_->area, *window);
    const ChartDescription& chart = window->chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    COMPARE_AXIS(chart.yAxis, yAxis);

    // Zoomed in on the start, the chart draws less; an export still holds every point.
    QVERIFY(rescale(*window, {{u"xEnd"_s, u"1"_s}}));
    for (const QList<QPointF>& series : chart.series)
        QCOMPARE(series.size(), rows);
    QCOMPARE(csvText(chart).count(u'\n'), 1 + rows);
}

void ChartWindowTest::print() {
    auto* window = new TTwardoscMDIChild(set_->context, u"HV"_s);
    showIn(set_->area, *window);
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(u"hv.pdf"_s));
    window->print(printer, {u"stal20.tav"_s, u"HV: Hardness, HV"_s});
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
}

void ChartWindowTest::printedPageNamesTheSetAboveTheChart() {
    auto* window = new TTwardoscMDIChild(set_->context, u"HV"_s);
    showIn(set_->area, *window);
    // A picture records the text drawn as text, so that the test can find it.
    QPicture page;
    QPainter painter(&page);
    window->paintPage(painter, QRectF(0, 0, 800, 1100), {u"walk1.tav"_s, u"HV: Hardness, HV"_s});
    painter.end();

    const auto recorded = [&page](const QString& text) {
        QByteArray utf16;
        for (const QChar character : text)
            utf16.append(char(character.unicode() >> 8)).append(char(character.unicode() & 0xff));
        return QByteArray(page.data(), page.size()).indexOf(utf16);
    };
    const qsizetype setName = recorded(u"walk1.tav"_s);
    const qsizetype title = recorded(u"HV: Hardness, HV"_s);
    QVERIFY(setName >= 0);
    QVERIFY(title > setName);
    // The chart follows the heading: its axis caption is painted after it.
    QVERIFY(recorded(u"Distance from the surface, mm"_s) > title);
    // Scaled to the width of the page.
    QVERIFY(page.boundingRect().width() > 700);
}

void ChartWindowTest::noSetBeingOpened() {
    set_->context.openFile.clear();
    MessageCapture messages;
    auto* window = new TPowMDIChild(set_->context, u"pow"_s);
    showIn(set_->area, *window);
    QCOMPARE(window->fileName(), QString());
    QCOMPARE(messages.texts(), QStringList{u"Cannot open file"_s});
}

void ChartWindowTest::unreadableFile_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing

    QTest::newRow("T missing") << ChartKind::Temperature << QString() << QByteArray();
    QTest::newRow("Pot missing") << ChartKind::Potential << QString() << QByteArray();
    QTest::newRow("Pow missing") << ChartKind::Surface << u"pow"_s << QByteArray();
    QTest::newRow("Masa missing") << ChartKind::Mass << u"mas"_s << QByteArray();
    QTest::newRow("Srednia missing") << ChartKind::Mean << u"sre"_s << QByteArray();
    QTest::newRow("T without shape line") << ChartKind::Temperature << QString()
                                          << QByteArray("0.2\n2e-05\n0\n0\n0\n0\n0\n1\n0 900 1\n");
    QTest::newRow("Pot truncated head")
        << ChartKind::Potential << QString() << QByteArray("0.2\n2e-05\n");
    QTest::newRow("Pow without header")
        << ChartKind::Surface << u"pow"_s << QByteArray(", 0 0.2\n, 1 0.5\n");
    QTest::newRow("Masa without axes")
        << ChartKind::Mass << u"mas"_s
        << QByteArray("Weight gain\nCarburizing time, h\n\n,0\n,12\n");
    QTest::newRow("C missing") << ChartKind::Carbon << QString() << QByteArray();
    QTest::newRow("HV missing") << ChartKind::Hardness << u"twa"_s << QByteArray();
    QTest::newRow("G missing") << ChartKind::CaseDepth << u"gru"_s << QByteArray();
    QTest::newRow("C without results")
        << ChartKind::Carbon << QString()
        << QByteArray("0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n2\n0 900 1\n4 900 1\nSemi-infinitive "
                      "sample\n");
    QTest::newRow("HV with text after a block")
        << ChartKind::Hardness << u"twa"_s
        << QByteArray("-\"Rozklad\n\"  1\n, 0 800\n, 0.5 700\nend of file\n");
    QTest::newRow("G without header")
        << ChartKind::CaseDepth << u"gru"_s << QByteArray(" 3\n, 0 0 0 0\n");
}

void ChartWindowTest::unreadableFile() {
    QFETCH(ChartKind, kind);
    QFETCH(QString, extension);
    QFETCH(QByteArray, content);

    if (content.isEmpty())
        set_->files.remove(extension);
    else
        set_->files.write(extension, content);
    MessageCapture messages;
    std::unique_ptr<TChartMDIChild> window = makeWindow(kind, set_->context, u"damaged"_s);
    showIn(set_->area, *window);

    VERIFY_ONE_MESSAGE(messages, u"Cannot open file "_s + window->fileName(), u"File error"_s);
    QVERIFY(window->isVisible());
    if (content.isEmpty()) {
        // Nothing read: the record as constructed, nothing drawn.
        QCOMPARE(window->scale().xDivisions, 4);
        QCOMPARE(window->scale().yDivisions, 4);
        QVERIFY(window->scale().xEnd == 0 && window->scale().yEnd == 0);
        for (const QList<QPointF>& line : window->chart().description().lines)
            QVERIFY(line.isEmpty());
    }
}

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"

#pragma once
// What the chart-window tests share: a client to hold the windows, result sets written into a
// temporary folder, a scale dialog answered without a person, and point comparison.

#include "ChartContext.h"
#include "KindTraits.h"
#include "LineChart.h"
#include "LoadedSet.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QMap>
#include <QMdiArea>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class MessageCapture;
class TChartMDIChild;

class FakeChartContext : public ChartContext {
public:
    bool autoFit() const override { return autoFitOn; }
    bool foilSample() const override { return foil; }
    void setFoilSample(bool value) override { foil = value; }
    QString openFileName() const override { return openFile; }
    // Read again for every window, so that a test can change the files between windows.
    std::shared_ptr<const LoadedSet> openSet() const override {
        if (openFile.isEmpty())
            return nullptr;
        return std::make_shared<const LoadedSet>(loadSet(openFile.toStdString()));
    }

    bool autoFitOn = true;
    bool foil = false;
    QString openFile;
};

// The files of one small result set, as the computation writes them (times in hours, or in
// seconds for a foil).
class SampleSet {
public:
    enum Shape { SemiInfinite, Foil };
    explicit SampleSet(Shape shape);

    // The set's name: the full path of its main file.
    QString mainFile() const;
    // Replaces (or writes) the set's file with `extension`; an empty extension is the main file.
    void write(const QString& extension, const QByteArray& text) const;
    void remove(const QString& extension) const;

private:
    QString path(const QString& extension) const;

    QTemporaryDir folder_;
};

// A set being opened in a client: its files, the client's flags naming it, and the client's
// area, where the windows are shown.
struct OpenSet {
    explicit OpenSet(SampleSet::Shape shape);

    SampleSet files;
    FakeChartContext context;
    QMdiArea area;
};

// No window of a test is left over for the next one.
bool noWindowLeft();

// Clicks the menu command `path` names ("Usuń pomiar/m.csv" goes through the submenu) as soon as
// a menu opens; the menu runs its own event loop, so the clicks wait for it there.
void pickWhenTheMenuOpens(const QStringList& path);

// A chart icon by its resource name ("TEMP") and the picture of an icon at 16 px, to compare.
QIcon chartIcon(const QString& name);
QImage iconPicture(const QIcon& icon);

// The columns of a data-driven test of a fresh window of each kind: its icon, the extension of
// the file it reads, and the axes and captions it gives its chart.
void addFreshWindowColumns();
// Checks `window`, opened with `title`, against the current row of those columns.
void verifyFreshWindow(const TChartMDIChild& window, const QString& title);

// A chart window of a kind, reading the set being opened.
Q_DECLARE_METATYPE(ChartKind)
std::unique_ptr<TChartMDIChild> makeWindow(ChartKind kind, ChartContext& context,
                                           const QString& title);

// Where the legend entry of a line lies in the chart's view: the middle of its text.
QPoint legendEntry(const LineChart& chart, int line);

// Where a value lies in the chart's view, by the chart's own mapping.
QPoint viewPoint(const LineChart& chart, QPointF value);

// A read-out's parts (LineChart::readOutAt): the line's name and the x and y read, their units
// dropped; none when the text is no read-out.
struct ReadOut {
    QString name;
    double x = 0;
    double y = 0;
};
std::optional<ReadOut> parsedReadOut(const QString& text);
// Checks the read-out `text` of the sample set's T line, which rises from 900 °C at 0 h by
// 5 °C an hour, with the mouse on the line at about 3 h: the temperature on the line at the x read.
void verifyTemperatureNearThreeHours(const QString& text);

// Puts `window` into `area` and shows it, as the client does with the windows of a set.
void showIn(QMdiArea& area, TChartMDIChild& window);
// The same at the size a user works at (the window 880 × 680 in the area), waiting until the
// window system has put it on the screen; false when it did not.
bool showAtWorkingSize(QMdiArea& area, TChartMDIChild& window);

// The texts to type into the fields of a scale dialog, by field name ("xStart", "yDivisions").
using ScaleTexts = QMap<QString, QString>;

// Runs the window's scale command with the dialog answered: the texts typed, then OK (or
// Cancel). When OK is refused the dialog is cancelled, so the test goes on; the result says
// whether the dialog took the texts.
bool rescale(TChartMDIChild& window, const ScaleTexts& texts, bool ok = true);

// Points equal to within rounding; on failure the message lists both sequences.
bool samePoints(const QList<QPointF>& actual, const QList<QPointF>& expected, QString& message);

#define COMPARE_POINTS(actual, expected)                                                           \
    do {                                                                                           \
        QString pointsMessage;                                                                     \
        QVERIFY2(samePoints((actual), (expected), pointsMessage), qPrintable(pointsMessage));      \
    } while (false)

using ChartLines = QList<QList<QPointF>>;
bool sameLines(const ChartLines& actual, const ChartLines& expected, QString& message);

#define COMPARE_LINES(actual, expected)                                                            \
    do {                                                                                           \
        QString linesMessage;                                                                      \
        QVERIFY2(sameLines((actual), (expected), linesMessage), qPrintable(linesMessage));         \
    } while (false)

// Exactly one message was shown, with this text and caption and the exclamation icon.
bool oneMessage(const MessageCapture& messages, const QString& text, const QString& caption,
                QString& message);

#define VERIFY_ONE_MESSAGE(messages, text, caption)                                                \
    do {                                                                                           \
        QString whatWasShown;                                                                      \
        QVERIFY2(oneMessage((messages), (text), (caption), whatWasShown),                          \
                 qPrintable(whatWasShown));                                                        \
    } while (false)

bool sameAxis(const ChartAxis& actual, const ChartAxis& expected);
QString axisText(const ChartAxis& axis);

Q_DECLARE_METATYPE(ChartAxis)

#define COMPARE_AXIS(actual, expected)                                                             \
    QVERIFY2(sameAxis((actual), (expected)),                                                       \
             qPrintable(axisText(actual) + QStringLiteral(" != ") + axisText(expected)))

// Fields of comma-separated text, with quoted fields and doubled quotes, as a spreadsheet reads
// them.
QList<QStringList> csvRecords(const QString& text);

#pragma once
// What the chart-window tests share: a client to hold the windows, result sets written into a
// temporary folder, a scale dialog answered without a person, and point comparison.

#include "ChartContext.h"
#include "LineChart.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>
#include <QTemporaryDir>

class QMdiArea;
class TChartMDIChild;

class FakeChartContext : public ChartContext {
public:
    bool autoFit() const override { return autoFitOn; }
    bool foilSample() const override { return foil; }
    void setFoilSample(bool value) override { foil = value; }
    QString openFileName() const override { return openFile; }

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

// Puts `window` into `area` and shows it, as the client does with the windows of a set.
void showIn(QMdiArea& area, TChartMDIChild& window);

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

bool sameAxis(const ChartAxis& actual, const ChartAxis& expected);
QString axisText(const ChartAxis& axis);

#define COMPARE_AXIS(actual, expected)                                                             \
    QVERIFY2(sameAxis((actual), (expected)),                                                       \
             qPrintable(axisText(actual) + QStringLiteral(" != ") + axisText(expected)))

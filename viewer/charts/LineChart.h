#pragma once
// The chart control of a chart window: a line chart that is described piece by piece (lines,
// axes, captions, legends, points) and shown when the window asks it to draw. The description
// is kept, so the same picture can be rendered again for the clipboard, a printer or a file,
// and a test can read back what a window asked for.

#include <QChartView>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPainter;

// One axis: `divisions` labelled divisions of `step` each, from `start`.
struct ChartAxis {
    double start = 0;
    double step = 1;
    int divisions = 1;

    double end() const { return start + step * divisions; }

    // From start to end in `divisions` equal steps. A count below 1 (a hand-edited file, an
    // old record) is taken as 1, so that no window ever divides by it.
    static ChartAxis spanning(double start, double end, int divisions);

    friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

struct ChartDescription {
    ChartAxis xAxis;
    ChartAxis yAxis;
    QString xCaption;
    QString middleCaption; // shown as the chart's title when not empty
    QString yCaption;
    QStringList legends;          // one per line, or none at all: no legend is shown
    QList<QList<QPointF>> lines;  // the points drawn, within the axes
    QList<QList<QPointF>> series; // every point of each line's data, whatever the axes show
};

class LineChart : public QChartView {
    Q_OBJECT
public:
    explicit LineChart(QWidget* parent = nullptr);

    // Starts a new description with `count` empty lines, empty series and no legends.
    void setLineCount(int count);
    void setXAxis(const ChartAxis& axis);
    void setYAxis(const ChartAxis& axis);
    void setCaptions(const QString& xCaption, const QString& middleCaption,
                     const QString& yCaption);
    void setLegend(int line, const QString& text);
    void addPoint(int line, QPointF point);
    // What a line stands for, drawn or not: exports hold all of it.
    void setSeries(int line, QList<QPointF> points);

    // Shows the chart as described so far.
    void draw();

    void copyToClipboard() const;
    // The described chart laid out for `size`, at `pixelRatio` image pixels per unit of size.
    QImage image(QSize size, qreal pixelRatio = 1) const;
    // The described chart laid out for `layoutSize` and drawn into `target` as the painter's
    // own lines and text (vectors on a printer or in a PDF file).
    void renderTo(QPainter& painter, const QRectF& target, QSizeF layoutSize) const;

    const ChartDescription& description() const { return description_; }

private:
    ChartDescription description_;
};

#pragma once
// The chart control of a chart window: a line chart that is described piece by piece (lines,
// axes, captions, legends, points) and shown when the window asks it to draw. The description
// is kept, so the same picture can be rendered again for the clipboard, a printer or a file,
// and a test can read back what a window asked for.

#include <QChartView>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QRubberBand;

// One axis: `divisions` divisions of `step` each, from `start`, with a grid line at every
// division and as many of them labelled as the labels leave room for. An axis with a division
// per node of a grid (`byNodes`) is gridded and labelled at round values instead.
struct ChartAxis {
    double start = 0;
    double step = 1;
    int divisions = 1;
    bool byNodes = false;

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
    QList<QColor> colours;        // one per line, or none: the chart's own colours
    QSet<int> hiddenLines;        // lines left out of the picture; their legends stay
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

    // The lines keep these colours until the next description.
    void setLineColour(int line, const QColor& colour);
    // Hidden lines stay hidden across descriptions, until shown again here or by a click on
    // their legend.
    void setLineVisible(int line, bool visible);
    bool isLineVisible(int line) const;

    // Shows the chart as described so far, zoomed as it was.
    void draw();

    // The axes the chart shows: the described ones, or those of the rectangle last dragged.
    ChartAxis shownXAxis() const;
    ChartAxis shownYAxis() const;
    bool isZoomed() const { return zoom_.has_value(); }
    // Zooms into the rectangle between two points of the view (as a drag does).
    void zoomTo(QPoint from, QPoint to);
    // Back to the described axes, at once or at the next drawing.
    void resetZoom();
    void forgetZoom();

    // The name of the line nearest to `at` (a point of the view) and the x and y of its nearest
    // drawn point with their units; empty when no line passes within reach.
    QString readOutAt(QPoint at) const;

    void copyToClipboard() const;
    // The chart as shown laid out for `size`, at `pixelRatio` image pixels per unit of size.
    QImage image(QSize size, qreal pixelRatio = 1) const;
    // The chart as shown laid out for `layoutSize` and drawn into `target` as the painter's
    // own lines and text (vectors on a printer or in a PDF file).
    void renderTo(QPainter& painter, const QRectF& target, QSizeF layoutSize) const;

    const ChartDescription& description() const { return description_; }

signals:
    void lineToggled(int line, bool visible);

protected:
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Zoom {
        ChartAxis x;
        ChartAxis y;
    };

    // Builds the shown chart again, keeping the zoom.
    void rebuild();
    void connectLegend();
    // The read-out of the point `at` of the view as a tooltip at `global`, or none.
    void showReadOut(QPoint at, QPoint global);
    // Whether a point of the view lies on the legend (an entry or the room between entries).
    bool onLegend(QPoint at) const;
    // A point of the view in the values of the shown axes.
    QPointF valueAt(QPoint at) const;

    ChartDescription description_;
    std::optional<Zoom> zoom_;
    QList<bool> ascending_; // per line: x never falls, so the read-out can bisect
    QRubberBand* rubberBand_ = nullptr;
    QPoint dragStart_;
};

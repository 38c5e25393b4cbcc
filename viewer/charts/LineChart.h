#pragma once
// The chart control of a chart window: shows a chart description (ChartDescription.h) when the
// window asks it to draw, and lets the user zoom into it, read points off it and hide lines by
// their legends. The description is kept, so a test can read back what a window asked for, and
// the chart as shown (zoomed as it is) can be rendered again for the clipboard, a printer or a
// file.

#include "ChartDescription.h"
#include "ChartReadOut.h"

#include <QChartView>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

class QRubberBand;

class LineChart : public QChartView {
    Q_OBJECT
public:
    explicit LineChart(QWidget* parent = nullptr);

    // Replaces the description, its hidden lines too; shown at the next drawing.
    void setDescription(ChartDescription description);
    // A line hidden here or by a click on its legend stays hidden until a new description.
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

    // The name of the line drawn nearest to `at` (a point of the view) and, with their units, the
    // x and y of its nearest point where one lies within reach, else its value at the x of `at`
    // on its nearest segment. Measured markers are read at their points only. Empty when
    // nothing drawn lies within reach.
    QString readOutAt(QPoint at) const;

    void copyToClipboard() const;
    // The chart as shown laid out for `size`, at `pixelRatio` image pixels per unit of size.
    QImage image(QSize size, qreal pixelRatio = 1) const;
    // The description with the axes the chart shows (zoomed or not).
    ChartDescription shownDescription() const;
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
    ChartReadOut readOut_;
    QRubberBand* rubberBand_ = nullptr;
    QPoint dragStart_;
};

#pragma once
// What the pointer reads off a chart as drawn: the name of the line or measurement drawn nearest
// to it and, with their units, the x and y it reads there. No widget here: the chart control
// gives the axes it shows and the size of its plot area, so the reading is tested without a
// display.

#include "ChartDescription.h"

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

// The picture a reading is taken from: the axes shown and the plot area's size in pixels.
struct ReadOutView {
    ChartAxis x;
    ChartAxis y;
    QSizeF plot;
};

class ChartReadOut {
public:
    // A read-out farther from every line than this is no read-out.
    static constexpr double reach = 20; // px

    // Prepares the searches of the description's lines and measurements (which of them can be
    // bisected); again whenever its lines change.
    void prepare(const ChartDescription& description);

    // The reading at `value` (in the shown axes' values) of the lines `description` draws: at the
    // nearest point where one lies within reach, else on the nearest segment at the x of `value`;
    // measured markers at their points only. Empty when nothing drawn lies within reach, or when
    // `value` lies off the plot.
    QString textAt(const ChartDescription& description, const ReadOutView& view,
                   QPointF value) const;

private:
    struct Hit {
        qsizetype line = -1;     // of the description's lines
        qsizetype measured = -1; // of its measurements
        QPointF reading;
        double distance; // px
    };
    Hit nearestLine(const ChartDescription& description, const ReadOutView& view,
                    QPointF value) const;
    void nearestMeasured(const ChartDescription& description, const ReadOutView& view,
                         QPointF value, Hit& hit) const;

    QList<bool> ascending_;         // per line: x never falls, so the search can bisect
    QList<bool> measuredAscending_; // the same per measurement
};

#pragma once
// What a chart shows, as data: its axes, captions, legends, colours and lines, computed from a
// loaded set and its scale record by plain functions. A chart window shows a description, and
// the export, the comparison, printing and the saved files render one (ChartRender.h), so that
// every picture of a chart is drawn from the same facts and a test can read them without a
// widget.

#include "ChartKinds.h"
#include "ChartPoints.h"
#include "LoadedSet.h"
#include "TSkala.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSet>
#include <QString>
#include <QStringList>

// Measured points shown as markers beside the computed lines, in a colour of their own.
struct MeasuredPoints {
    QString name;   // the measurement's file name, which titles its CSV columns
    QString legend; // the name and how far the points lie from the computed profile
    QList<QPointF> points;
    QColor colour;
};

// A level marked across the whole plot (a limit the lines are read against).
struct LevelLine {
    double y = 0;
    QString legend;
    QColor colour;
};

struct ChartDescription {
    ChartAxis xAxis;
    ChartAxis yAxis;
    QString xCaption;
    QString middleCaption; // shown as the chart's title when not empty
    QString yCaption;
    QStringList legends;                // one per line, or none at all: no legend is shown
    QList<QList<QPointF>> lines;        // the points drawn, within the axes
    QList<QList<QPointF>> series;       // every point of each line's data, whatever the axes show
    QList<QColor> colours;              // one per line, or none: the chart's own colours
    QSet<int> hiddenLines;              // lines left out of the picture; their legends stay
    QList<MeasuredPoints> measurements; // drawn after the lines, their legends after theirs
    QList<LevelLine> levels;
    qsizetype emphasisedLine = -1; // drawn wider than the others: the result they lead to
    // Hidden lines that a crowded chart leaves out of its legend too; the CSV keeps them.
    QSet<int> leftOutLines;
};

// A profile chart draws a profile per stage end, the final one its result; a programme of many
// stages (a pulse programme has dozens) would bury it. The final profile is emphasised, and of
// more than `shownProfiles` the others are thinned out to about that many, evenly back from
// the final one: the rest are left out of the picture and its legend, but not of the CSV.
inline constexpr qsizetype shownProfiles = 8;
void emphasiseFinalProfile(ChartDescription& chart);

// The unit of the time axes of a set's charts: the client's, which follows the last set opened
// (the temperature chart alone always takes its own set's, which it reads from the shape line).
//
// The kind's chart of the set on the axes of `scale`. A time chart is one line drawn from the
// axis start to its end, its ends interpolated there; a node chart (profiles, case depths) has
// an X axis that starts and ends on nodes of its grid chosen from the scale's X range, one
// division per node. The hardness chart marks the limit of the case-hardening depth and names
// that depth of the last profile in the limit's legend. Profiles are emphasised and thinned
// as emphasiseFinalProfile says.
ChartDescription describeSetChart(const LoadedSet& set, ChartKind kind, const TSkala& scale,
                                  TimeUnit timeUnit);

// The axes the kind's chart of the set opens with: the kind's own (`initialScale`, or those
// the "mas" and "sre" files bring), widened where the data run past them, so that a fresh
// chart hides none of its results.
TSkala openingScale(const LoadedSet& set, ChartKind kind, TimeUnit timeUnit);

// Whether the kind's chart draws its lines over a grid of nodes (profiles, case depths), one X
// division per node, rather than one line over process time.
bool isNodeChart(ChartKind kind);

// A profile time as its legend shows it: "%f" with the zeros beyond the second decimal
// dropped (2.5 is "2.50", 1.125 is "1.125").
QString profileTimeText(double time);

// The caption of a time axis.
QString timeCaption(TimeUnit unit);

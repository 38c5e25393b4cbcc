#pragma once
// A chart description drawn: as the scene of a Qt chart (no widget: the chart window shows the
// scene, a picture or a page renders it), into any painter, or as a picture. The same
// description laid out for the same size gives the same drawing wherever it goes.

#include "ChartDescription.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <memory>

class QAbstractSeries;
class QChart;
class QPainter;

// The axis as it can be drawn: a record may hold an empty or inverted range, and the
// description keeps what the window asked for.
ChartAxis drawableAxis(ChartAxis axis);

// The chart laid out for `size`: how captions break and how densely the axes can be labelled
// depend on it. A line broken by lineBreak points is drawn as one series per piece, in one
// colour, with one legend entry.
std::unique_ptr<QChart> buildChart(const ChartDescription& description, QSizeF size);

// The line of the description that a series of a built chart draws; -1 for a series of no
// line (a level, a measurement).
int describedLine(const QAbstractSeries& series);

// The chart laid out for `layoutSize` and drawn into `target` as the painter's own lines and
// text (vectors on a printer or in a PDF file).
void renderChart(const ChartDescription& description, QPainter& painter, const QRectF& target,
                 QSizeF layoutSize);

// The chart laid out for `size`, at `pixelRatio` image pixels per unit of size, on white.
QImage chartImage(const ChartDescription& description, QSize size, qreal pixelRatio = 1);

#pragma once
// The series of a chart as comma-separated text, for other programs to read, every point
// whatever the axes show: a header row of the X caption and one column title per line (its
// legend, else the Y caption), then a row per point of the first line with the X value and
// every line's Y value at that point.

#include "LineChart.h"

#include <QString>

QString csvText(const ChartDescription& description);

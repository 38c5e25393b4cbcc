#pragma once
// The series of a chart as comma-separated text, for other programs to read, every point
// whatever the axes show: a header row of the X caption and one column title per line (its
// legend, else the Y caption), then a row per point of the first line with the X value and
// every line's Y value at that point. Measured points follow in an x and a y column each, titled
// "<file>: <caption>", the rows going on as far as the longest measurement.

#include "ChartDescription.h"

#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;

// A field of comma-separated text: trimmed, and quoted when it holds a comma, quote or line end.
QString csvField(const QString& text);

QString csvText(const ChartDescription& description);

// Every point of every line for lines that do not share their x values (a comparison of sets):
// each line in an x and a y column of its own, titled "<legend>: <caption>", then the measured
// points likewise, then rows up to the longest of them, the shorter ones' columns left empty.
QString pairedCsvText(const ChartDescription& description);

enum class ChartFileFormat { Png, Pdf, Svg, Csv };

// The format a file name asks for by its suffix, in any letter case; none for another suffix.
std::optional<ChartFileFormat> chartFileFormat(const QString& path);

// The `heading` lines (the set's name, the chart's title) at the top of `page`, and the chart as
// shown filling the rest of it, drawn as lines and text, not as a picture, so that it stays
// sharp at any zoom. The chart is laid out as on a screen, so that its text keeps the
// proportions it has there whatever the device's resolution.
void paintChartPage(const ChartDescription& chart, QPainter& painter, const QRectF& page,
                    const QStringList& heading);

// Replaces the file at `path` as a whole (AtomicFile): the file's name and the system's reason
// when it could not be written, empty when it was.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// The chart as described into `path`, under the `heading` lines: a picture of `size` (PNG), a
// drawing of `size` (SVG) or a landscape A4 page (PDF) of vector graphics, or `csv`. Why the file
// could not be written, or empty when it was; the file is drawn whole in memory first, so a failed
// write leaves no part of it.
QString writeChartFile(const ChartDescription& chart, const QString& csv, const QString& path,
                       ChartFileFormat format, QSize size, const QStringList& heading = {});

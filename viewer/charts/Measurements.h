#pragma once
// Measured profiles beside computed ones: which chart a measurement belongs on, and how a chart's
// description shows it, as markers whose legend names the file and how far the points lie from
// the last computed profile (the root-mean-square difference at the measured depths, the points
// beyond the computed profile left out and counted).

#include "ChartDescription.h"
#include "MeasuredProfile.h"

#include <QColor>
#include <QString>

#include <optional>
#include <span>
#include <vector>

// A measurement a chart shows: its file's name, its points and its colour.
struct ShownMeasurement {
    QString name;
    MeasuredProfile profile;
    QColor colour;
};

// A computed profile a measurement is compared with; `name` tells it apart from the others of a
// comparison (empty when a chart has one).
struct ComputedProfile {
    QString name;
    std::vector<double> x; // mm
    std::vector<double> y; // % C or HV
};

// The last profile of the set's chart of `kind` (carbon or hardness), unnamed; none when the set
// has no such profile.
std::vector<ComputedProfile> lastProfileOf(const LoadedSet& set, ChartKind kind);

// The chart kind that shows the measured quantity.
ChartKind chartShowing(MeasuredQuantity quantity);

// The colour of the measurement added `index`-th to a chart: distinct for the first six, and
// apart from the colours of the lines.
QColor measurementColour(int index);

// The measurement as a chart shows it: its file name, then its RMS difference from each computed
// profile and, where some points lie beyond that profile, how many.
MeasuredPoints measuredPoints(const ShownMeasurement& measurement,
                              std::span<const ComputedProfile> computed);

// Adds the measurements to the description, after what it holds.
void addMeasurements(ChartDescription& chart, std::span<const ShownMeasurement> measurements,
                     std::span<const ComputedProfile> computed);

// The measurement read from `path` for a chart of `kind`, coloured `colour`; or why it cannot be
// shown there: the reader's refusal naming the line, or a quantity the chart does not show.
struct MeasurementReading {
    std::optional<ShownMeasurement> measurement;
    QString problem;
};
MeasurementReading readMeasurement(const QString& path, ChartKind kind, const QColor& colour);

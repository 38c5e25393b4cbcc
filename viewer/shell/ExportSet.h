#pragma once
// The viewer without a display: every chart window of a result set drawn to a PNG file, with
// its lines' points as CSV beside it, for reports and for other programs.

#include "ChartKinds.h"
#include "Measurements.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

inline constexpr QSize exportSize{800, 600}; // px

// Writes DIR/<set>-<chart>.png and .csv for each chart of the set, named as on a command line
// (commandLineName), with the `measured` profiles on the chart of their quantity (carbon or
// hardness). Unreadable files and failed writes are told on `errors`. Returns 0 when every
// chart was read and written, 1 when some were not, 2 when the set itself cannot be read, a
// measurement is refused (the reader's reason, naming the line) or has no chart in the set, or
// the folder cannot be made; nothing is written then.
int exportSet(const QString& folder, const QString& setName, QTextStream& errors,
              const QStringList& measured = {});

// The measurements read from `paths` for the set's charts, in colours as a window gives them;
// none when one cannot be drawn, with the reason (the file and its line) on `errors`.
std::optional<QList<ShownMeasurement>>
measurementsFor(const LoadedSet& set, const QStringList& paths, QTextStream& errors);

// The kind's chart of the set as a fresh window shows it, in the set's own time unit, with the
// measurements of its quantity laid over.
ChartDescription exportedChart(const LoadedSet& set, ChartKind kind,
                               const QList<ShownMeasurement>& measurements);

#include "ExportSet.h"

#include "ChartDescription.h"
#include "ChartExport.h"
#include "LoadedSet.h"
#include "Measurements.h"
#include "ResultSet.h"
#include "SetNames.h"
#include "SetWindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QTextStream>
#include <algorithm>
#include <optional>

std::optional<QList<ShownMeasurement>>
measurementsFor(const LoadedSet& set, const QStringList& paths, QTextStream& errors) {
    QList<ShownMeasurement> measurements;
    const std::span<const ChartKind> charts = kindTraits(*set.shape).charts;
    for (const QString& path : paths) {
        const MeasuredReading reading = readMeasuredProfile(QFile::encodeName(path).toStdString());
        if (!reading.profile) {
            errors << "tavrix: " << path << ": " << QString::fromStdString(reading.problem)
                   << Qt::endl;
            return std::nullopt;
        }
        const ChartKind kind = chartShowing(reading.profile->quantity);
        if (std::ranges::count(charts, kind) == 0 ||
            chartKindTraits(kind).status(set) == FileStatus::Missing) {
            errors << "tavrix: " << path << ": the set has no " << chartFileStem(kind)
                   << " chart to draw the measurement on" << Qt::endl;
            return std::nullopt;
        }
        measurements.append({QFileInfo(path).fileName(), *reading.profile,
                             measurementColour(static_cast<int>(measurements.size()))});
    }
    return measurements;
}

ChartDescription exportedChart(const LoadedSet& set, ChartKind kind,
                               const QList<ShownMeasurement>& measurements) {
    const TimeUnit timeUnit = kindTraits(*set.shape).timeUnit;
    ChartDescription chart =
        describeSetChart(set, kind, openingScale(set, kind, timeUnit), timeUnit);
    QList<ShownMeasurement> shown;
    for (const ShownMeasurement& measurement : measurements)
        if (chartShowing(measurement.profile.quantity) == kind)
            shown.append(measurement);
    addMeasurements(chart, shown, lastProfileOf(set, kind));
    return chart;
}

int exportSet(const QString& folder, const QString& setName, QTextStream& errors,
              const QStringList& measured) {
    const QString fullName = QString::fromStdString(commandLineName(setName.toStdString()));
    const LoadedSet set = loadSet(fullName.toStdString());
    // A set never computed still has its programme's charts; each missing file is told below.
    if (const SetProblem problem = resultSetProblem(set);
        problem != SetProblem::None && problem != SetProblem::NoResults) {
        errors << "tavrix: cannot read the result set " << setName;
        if (problem != SetProblem::Unreadable)
            errors << ": " << setProblemReason(problem);
        errors << Qt::endl;
        return 2;
    }
    const std::optional<QList<ShownMeasurement>> measurements =
        measurementsFor(set, measured, errors);
    if (!measurements)
        return 2;
    const QDir target(folder);
    if (!target.mkpath(QStringLiteral("."))) {
        errors << "tavrix: cannot make the folder " << folder << Qt::endl;
        return 2;
    }

    // Each unreadable file is named here.
    int failures = 0;
    for (ChartKind kind : inShowOrder(kindTraits(*set.shape).charts)) {
        if (chartKindTraits(kind).status(set) != FileStatus::Whole) {
            errors << "tavrix: cannot read " << chartSourceFile(fullName, kind) << Qt::endl;
            ++failures;
        }
        const ChartDescription chart = exportedChart(set, kind, *measurements);
        const QString stem = chartFileBase(target.path(), fullName, kind);
        QString problem = writeChartFile(chart, QString(), stem + QStringLiteral(".png"),
                                         ChartFileFormat::Png, exportSize);
        if (problem.isEmpty())
            problem = writeChartFile(chart, csvText(chart), stem + QStringLiteral(".csv"),
                                     ChartFileFormat::Csv, exportSize);
        if (!problem.isEmpty()) {
            errors << "tavrix: " << problem << Qt::endl;
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

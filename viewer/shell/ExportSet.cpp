#include "ExportSet.h"

#include "ChartDescription.h"
#include "ChartExport.h"
#include "LoadedSet.h"
#include "ResultSet.h"
#include "SetNames.h"
#include "SetWindows.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int exportSet(const QString& folder, const QString& setName, QTextStream& errors) {
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
    const QDir target(folder);
    if (!target.mkpath(QStringLiteral("."))) {
        errors << "tavrix: cannot make the folder " << folder << Qt::endl;
        return 2;
    }

    // Each chart as a fresh window of the set shows it, in the set's own time unit; each
    // unreadable file is named here.
    const TimeUnit timeUnit = kindTraits(*set.shape).timeUnit;
    int failures = 0;
    for (ChartKind kind : inShowOrder(kindTraits(*set.shape).charts)) {
        if (chartKindTraits(kind).status(set) != FileStatus::Whole) {
            errors << "tavrix: cannot read " << chartSourceFile(fullName, kind) << Qt::endl;
            ++failures;
        }
        const ChartDescription chart =
            describeSetChart(set, kind, openingScale(set, kind, timeUnit), timeUnit);
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

#include "CompareSets.h"

#include "ChartExport.h"
#include "ComparisonChart.h"
#include "ExportSet.h"
#include "ResultSet.h"
#include "SetNames.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString number(const std::optional<double>& value) {
    return value ? QString::number(*value, 'g', 10) : QString();
}

} // namespace

std::vector<QStringList> summaryTable(std::span<const LoadedSet* const> sets) {
    std::vector<QStringList> rows{{u"Set"_s, u"Shape"_s, u"Size (mm)"_s, u"Steel grade"_s,
                                   u"Programme length"_s, u"Surface carbon (% C)"_s,
                                   u"Case depth 0.40% C (mm)"_s, u"Case depth 0.35% C (mm)"_s,
                                   u"Case depth 0.30% C (mm)"_s, u"Mass gain (g/m^2)"_s,
                                   u"Mean carbon (% C)"_s, u"Highest hardness (HV)"_s}};
    for (const LoadedSet* set : sets) {
        const SetSummary summary = summarize(*set);
        QStringList row{QFileInfo(QString::fromStdString(set->name)).fileName(),
                        QString::fromStdString(summary.shape),
                        number(summary.size),
                        QString::fromStdString(summary.steelGrade),
                        number(summary.programmeLength),
                        number(summary.surfaceCarbon)};
        for (const std::optional<double>& depth : summary.caseDepth)
            row.append(number(depth));
        row << number(summary.massGain) << number(summary.meanCarbon)
            << number(summary.highestHardness);
        rows.push_back(row);
    }
    return rows;
}

QString csvTable(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& field : row)
            fields.append(csvField(field));
        text += fields.join(u',') + u"\r\n"_s;
    }
    return text;
}

QString summaryCsv(std::span<const LoadedSet* const> sets) {
    return csvTable(summaryTable(sets));
}

int compareSets(const QString& folder, const QStringList& setNames, QTextStream& errors) {
    std::vector<LoadedSet> loaded;
    int failures = 0;
    for (const QString& name : setNames) {
        loaded.push_back(
            loadSet(QString::fromStdString(commandLineName(name.toStdString())).toStdString()));
        if (!loaded.back().shape) {
            errors << "tavrix: cannot read the result set " << name << Qt::endl;
            return 2;
        }
        if (loaded.back().unfinished()) {
            errors << "tavrix: cannot compare the result set " << name << ": "
                   << setProblemReason(SetProblem::Unfinished) << Qt::endl;
            return 2;
        }
        if (!readWhole(loaded.back())) {
            errors << "tavrix: not every file of " << name << " could be read" << Qt::endl;
            ++failures;
        }
    }
    std::vector<const LoadedSet*> sets;
    std::vector<ComparedSet> compared;
    for (const LoadedSet& set : loaded) {
        sets.push_back(&set);
        compared.push_back({&set, comparisonColour(static_cast<int>(compared.size()))});
    }
    if (mixesThickAndThin(sets)) {
        errors << "tavrix: thick samples (hours) and thin ones (seconds) cannot be compared"
               << Qt::endl;
        return 2;
    }
    const QDir target(folder);
    if (!target.mkpath(u"."_s)) {
        errors << "tavrix: cannot make the folder " << folder << Qt::endl;
        return 2;
    }

    for (ChartKind quantity : sharedQuantities(sets)) {
        const int levels = quantity == ChartKind::CaseDepth ? 3 : 1;
        for (int level = 0; level < levels; ++level) {
            LineChart chart;
            chart.resize(exportSize);
            describeComparison(chart, compared, quantity, level);
            const QString stem = target.filePath(u"compare-"_s + comparisonStem(quantity, level));
            QString problem = writeChartFile(chart, QString(), stem + u".png"_s,
                                             ChartFileFormat::Png, exportSize);
            if (problem.isEmpty())
                problem = writeChartFile(chart, pairedCsvText(chart.description()),
                                         stem + u".csv"_s, ChartFileFormat::Csv, exportSize);
            if (!problem.isEmpty()) {
                errors << "tavrix: " << problem << Qt::endl;
                ++failures;
            }
        }
    }
    const QString problem =
        writeWholeFile(target.filePath(u"summary.csv"_s), summaryCsv(sets).toUtf8());
    if (!problem.isEmpty()) {
        errors << "tavrix: " << problem << Qt::endl;
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

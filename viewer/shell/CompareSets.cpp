#include "CompareSets.h"

#include "ChartExport.h"
#include "ComparisonChart.h"
#include "ExportSet.h"
#include "ProfileMeasures.h"
#include "ResultSet.h"
#include "SetNames.h"
#include "ShownShape.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Decimals the window shows of each column, so that a column reads alike from row to row.
constexpr int millimetreDecimals = 3;
constexpr int carbonDecimals = 3;
constexpr int hourDecimals = 2;
constexpr int secondDecimals = 0;
constexpr int massDecimals = 2;
constexpr int hardnessDecimals = 0;

QString number(const std::optional<double>& value, SummaryNumbers numbers, int decimals) {
    if (numbers == SummaryNumbers::Exact)
        return value ? QString::number(*value, 'g', 10) : QString();
    return value ? QString::number(*value, 'f', decimals) : u"–"_s;
}

// A column's title as the CSV keeps it, or as the window shows it in its language.
QString headerText(const char* text, SummaryNumbers numbers) {
    if (numbers == SummaryNumbers::Exact)
        return QString::fromUtf8(text);
    return QCoreApplication::translate("SummaryHeaders", text);
}

} // namespace

std::vector<QStringList> summaryTable(std::span<const LoadedSet* const> sets,
                                      SummaryNumbers numbers) {
    std::vector<SetSummary> summaries;
    for (const LoadedSet* set : sets)
        summaries.push_back(summarize(*set));
    // One comparison holds sets of one time unit.
    const bool seconds = !summaries.empty() && std::ranges::all_of(summaries, &SetSummary::thin);
    const auto header = [numbers](const char* text) { return headerText(text, numbers); };
    std::vector<QStringList> rows{
        {header(QT_TRANSLATE_NOOP("SummaryHeaders", "Set")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Shape")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Size (mm)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Steel grade")),
         seconds ? header(QT_TRANSLATE_NOOP("SummaryHeaders", "Programme length (s)"))
                 : header(QT_TRANSLATE_NOOP("SummaryHeaders", "Programme length (h)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Surface carbon (% C)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Case depth 0.40% C (mm)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Case depth 0.35% C (mm)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Case depth 0.30% C (mm)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Mass gain (g/m^2)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Mean carbon content (% C)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Highest hardness (HV)")),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "CHD %1 HV (mm)"))
             .arg(defaultHardnessLimit, 0, 'f', 0),
         header(QT_TRANSLATE_NOOP("SummaryHeaders", "Diffusivity law"))}};
    for (std::size_t s = 0; s < summaries.size(); ++s) {
        const SetSummary& summary = summaries[s];
        const auto cell = [numbers](const std::optional<double>& value, int decimals) {
            return number(value, numbers, decimals);
        };
        QStringList row{QFileInfo(QString::fromStdString(sets[s]->name)).fileName(),
                        numbers == SummaryNumbers::Shown
                            ? shownShapeName(QString::fromStdString(summary.shape))
                            : QString::fromStdString(summary.shape),
                        cell(summary.size, millimetreDecimals),
                        QString::fromStdString(summary.steelGrade),
                        cell(summary.programmeLength, seconds ? secondDecimals : hourDecimals),
                        cell(summary.surfaceCarbon, carbonDecimals)};
        for (const std::optional<double>& depth : summary.caseDepth)
            row.append(cell(depth, millimetreDecimals));
        row << cell(summary.massGain, massDecimals) << cell(summary.meanCarbon, carbonDecimals)
            << cell(summary.highestHardness, hardnessDecimals)
            << cell(summary.caseHardeningDepth, millimetreDecimals)
            << QString::fromStdString(summary.diffusivity);
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

namespace {

// The sets read whole for a comparison; none when one of them cannot be compared at all. A set
// with a file that could not be read is compared from what was read, and counted in `failures`.
std::optional<std::vector<LoadedSet>> comparedSets(const QStringList& setNames, QTextStream& errors,
                                                   int& failures) {
    std::vector<LoadedSet> loaded;
    for (const QString& name : setNames) {
        loaded.push_back(
            loadSet(QString::fromStdString(commandLineName(name.toStdString())).toStdString()));
        if (!loaded.back().shape) {
            errors << "tavrix: cannot read the result set " << name << Qt::endl;
            return std::nullopt;
        }
        if (loaded.back().unfinished()) {
            errors << "tavrix: cannot compare the result set " << name << ": "
                   << setProblemReason(SetProblem::Unfinished) << Qt::endl;
            return std::nullopt;
        }
        if (!readWhole(loaded.back())) {
            errors << "tavrix: not every file of " << name << " could be read" << Qt::endl;
            ++failures;
        }
    }
    return loaded;
}

// Each shared quantity's chart as PNG and CSV; the number of files that could not be written.
int writeComparisonCharts(const std::vector<ComparedSet>& compared,
                          const std::vector<const LoadedSet*>& sets, const QDir& target,
                          QTextStream& errors) {
    int failures = 0;
    for (ChartKind quantity : sharedQuantities(sets)) {
        const int levels = quantity == ChartKind::CaseDepth ? 3 : 1;
        for (int level = 0; level < levels; ++level) {
            const ChartDescription chart =
                describeComparison(compared, quantity, level).description;
            const QString stem = target.filePath(u"compare-"_s + comparisonStem(quantity, level));
            QString problem = writeChartFile(chart, QString(), stem + u".png"_s,
                                             ChartFileFormat::Png, exportSize);
            if (problem.isEmpty())
                problem = writeChartFile(chart, pairedCsvText(chart), stem + u".csv"_s,
                                         ChartFileFormat::Csv, exportSize);
            if (!problem.isEmpty()) {
                errors << "tavrix: " << problem << Qt::endl;
                ++failures;
            }
        }
    }
    return failures;
}

} // namespace

int compareSets(const QString& folder, const QStringList& setNames, QTextStream& errors) {
    int failures = 0;
    const std::optional<std::vector<LoadedSet>> loaded = comparedSets(setNames, errors, failures);
    if (!loaded)
        return 2;
    std::vector<const LoadedSet*> sets;
    std::vector<ComparedSet> compared;
    for (const LoadedSet& set : *loaded) {
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
    failures += writeComparisonCharts(compared, sets, target, errors);
    const QString problem =
        writeWholeFile(target.filePath(u"summary.csv"_s), summaryCsv(sets).toUtf8());
    if (!problem.isEmpty()) {
        errors << "tavrix: " << problem << Qt::endl;
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

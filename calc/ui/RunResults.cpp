#include "RunResults.h"

#include "BoxNumbers.h"
#include "ProfileMeasures.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString caseHardeningLine(const CaseHardness& hardness) {
    const double limit = defaultHardnessLimit;
    const QString limitText = fixed(limit, 0);
    if (const std::optional<double> chd = hardnessCaseDepth(hardness.depthMm(), hardness.hv, limit))
        return QCoreApplication::translate("RunResults", "Głębokość utwardzenia CHD (%1 HV): %2 mm")
            .arg(limitText, fixed(*chd, 3));
    if (std::none_of(hardness.hv.begin(), hardness.hv.end(),
                     [limit](double hv) { return hv >= limit; }))
        return QCoreApplication::translate("RunResults",
                                           "Głębokość utwardzenia CHD: warstwa nie osiąga %1 HV")
            .arg(limitText);
    return QCoreApplication::translate(
               "RunResults",
               "Głębokość utwardzenia CHD: twardość %1 HV lub więcej do końca warstwy")
        .arg(limitText);
}

QString timeText(double time, bool seconds) {
    return QString::fromStdString(loadedText(time)) +
           (seconds ? QStringLiteral(" s") : QStringLiteral(" h"));
}

// A run with carbides: where the cementite lies at each stage end.
void addStageCarbides(QStringList& lines, const RunOutcome& outcome, bool seconds) {
    if (!outcome.carbideAtStageEnds)
        return;
    for (const StageCarbide& end : *outcome.carbideAtStageEnds) {
        const QString time = timeText(seconds ? end.time : end.time / 3600, seconds);
        if (end.deepest)
            lines.append(
                QCoreApplication::translate("RunResults", "Cementyt na końcu etapu (%1): do %2 mm")
                    .arg(time, fixed(*end.deepest, 3)));
        else
            lines.append(
                QCoreApplication::translate("RunResults", "Cementyt na końcu etapu (%1): brak")
                    .arg(time));
    }
}

} // namespace

QString runResultsText(const RunOutcome& outcome, SampleShape shape, double totalTime) {
    QStringList lines;
    if (outcome.finalHardness)
        lines.append(caseHardeningLine(*outcome.finalHardness));
    if (const std::optional<FinalResults>& results = outcome.results) {
        if (results->meanIncrease)
            lines.append(QCoreApplication::translate("RunResults", "Średni przyrost węgla: %1 % C")
                             .arg(fixed(*results->meanIncrease, 3)));
        else
            lines.append(
                QCoreApplication::translate("RunResults", "Grubość warstwy do %1 % C: %2 mm")
                    .arg(fixed(finalCaseLevel, 2), fixed(results->caseDepth, 3)));
        lines.append(QCoreApplication::translate("RunResults", "Węgiel na powierzchni: %1 % C")
                         .arg(fixed(results->surfaceCarbon, 3)));
        lines.append(QCoreApplication::translate("RunResults", "Przyrost masy: %1 g/m²")
                         .arg(QString::number(results->massGain, 'g', 4)));
    }
    const bool seconds = kindTraits(shape).timeUnit == TimeUnit::Seconds;
    addStageCarbides(lines, outcome, seconds);
    lines.append(QCoreApplication::translate("RunResults", "Czas procesu: %1")
                     .arg(timeText(totalTime, seconds)));
    return lines.join(u'\n');
}

#include "FormWarnings.h"

#include "BoxNumbers.h"

#include <QCoreApplication>

namespace {

QString numberText(double value) {
    return QString::fromStdString(loadedText(value));
}

bool outside(double value, double lowest, double highest) {
    return value < lowest || value > highest;
}

} // namespace

QStringList unusualValueWarnings(const ProcessForm& form, SampleShape shape) {
    const ProcessRecord process = processRecord(form, shape);
    const TDane& data = process.data;
    QStringList lines;
    if (outside(data.transferCoefficient, lowestUsualTransfer, highestUsualTransfer))
        lines.append(QCoreApplication::translate(
                         "FormWarnings", "Współczynnik przenoszenia węgla %1 cm/s leży poza "
                                         "zwykłym zakresem 1e-6…1e-3 cm/s (czy nie brakuje "
                                         "\"e-5\"?).")
                         .arg(numberText(data.transferCoefficient)));
    for (std::size_t row = 0; row < data.temperatures.size(); ++row)
        if (outside(data.temperatures[row], lowestUsualTemperature, highestUsualTemperature))
            lines.append(
                QCoreApplication::translate("FormWarnings",
                                            "Wiersz %1: temperatura %2 °C leży poza zwykłym "
                                            "zakresem nawęglania %3–%4 °C.")
                    .arg(row + 1)
                    .arg(numberText(data.temperatures[row]), numberText(lowestUsualTemperature),
                         numberText(highestUsualTemperature)));
    const bool seconds = kindTraits(shape).timeUnit == TimeUnit::Seconds;
    const double hours = data.times.back() / (seconds ? 3600.0 : 1.0);
    if (hours > longestUsualProgramme)
        lines.append(QCoreApplication::translate("FormWarnings",
                                                 "Program trwa %1 h, dłużej niż zwykle (%2 h).")
                         .arg(numberText(hours), numberText(longestUsualProgramme)));
    return lines;
}

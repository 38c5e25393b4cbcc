#include "Measurements.h"

#include "ProfileMeasures.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString misfitText(const ProfileMisfit& misfit, MeasuredQuantity quantity) {
    QString text;
    if (misfit.rms)
        text = quantity == MeasuredQuantity::Carbon ? u"RMS %1 %C"_s.arg(*misfit.rms, 0, 'f', 3)
                                                    : u"RMS %1 HV"_s.arg(*misfit.rms, 0, 'f', 0);
    else
        text = u"RMS –"_s;
    if (misfit.beyond > 0)
        text +=
            QCoreApplication::translate("Measurements", ", %1 poza profilem").arg(misfit.beyond);
    return text;
}

} // namespace

std::vector<ComputedProfile> lastProfileOf(const LoadedSet& set, ChartKind kind) {
    const std::optional<ComparedLine> last = chartKindTraits(kind).line(set, 0);
    if (!last)
        return {};
    return {ComputedProfile{QString(), last->x, last->y}};
}

ChartKind chartShowing(MeasuredQuantity quantity) {
    switch (quantity) {
    case MeasuredQuantity::Carbon:
        return ChartKind::Carbon;
    case MeasuredQuantity::Hardness:
        return ChartKind::Hardness;
    }
    return ChartKind::Carbon;
}

QColor measurementColour(int index) {
    // Dark and saturated, so that markers stand out from the comparison's line colours.
    static const QColor colours[] = {QColor(Qt::black), QColor(0x8b008b), QColor(0x556b2f),
                                     QColor(0xb8860b),  QColor(0x008080), QColor(0x800000)};
    return colours[static_cast<std::size_t>(index) % std::size(colours)];
}

MeasuredPoints measuredPoints(const ShownMeasurement& measurement,
                              std::span<const ComputedProfile> computed) {
    const MeasuredProfile& profile = measurement.profile;
    QStringList misfits;
    for (const ComputedProfile& against : computed) {
        const QString text =
            misfitText(profileMisfit(profile, against.x, against.y), profile.quantity);
        misfits.append(against.name.isEmpty() ? text : against.name + u": "_s + text);
    }
    MeasuredPoints points;
    points.name = measurement.name;
    points.legend = misfits.isEmpty() ? measurement.name
                                      : measurement.name + u" ("_s + misfits.join(u"; "_s) + u')';
    points.colour = measurement.colour;
    for (std::size_t i = 0; i < profile.depth.size(); ++i)
        points.points.append(QPointF(profile.depth[i], profile.value[i]));
    return points;
}

void addMeasurements(ChartDescription& chart, std::span<const ShownMeasurement> measurements,
                     std::span<const ComputedProfile> computed) {
    for (const ShownMeasurement& measurement : measurements)
        chart.measurements.append(measuredPoints(measurement, computed));
}

MeasurementReading readMeasurement(const QString& path, ChartKind kind, const QColor& colour) {
    const MeasuredReading reading = readMeasuredProfile(QFile::encodeName(path).toStdString());
    const QString name = QFileInfo(path).fileName();
    if (!reading.profile)
        return {std::nullopt, name + u": "_s + QString::fromStdString(reading.problem)};
    if (chartShowing(reading.profile->quantity) != kind)
        return {std::nullopt,
                reading.profile->quantity == MeasuredQuantity::Carbon
                    ? QCoreApplication::translate(
                          "Measurements", "%1: pomiar stężenia węgla nie należy do tego wykresu")
                          .arg(name)
                    : QCoreApplication::translate("Measurements",
                                                  "%1: pomiar twardości nie należy do tego wykresu")
                          .arg(name)};
    return {ShownMeasurement{name, *reading.profile, colour}, QString()};
}

#include "InitialScale.h"

namespace {

TSkala timeAxis(TimeUnit unit, int yDivisions, double yStart, double yEnd) {
    const bool seconds = unit == TimeUnit::Seconds;
    return {seconds ? 10 : 6, yDivisions, 0, seconds ? 2000.0 : 12.0, yStart, yEnd};
}

TSkala profileAxis(double xEnd, int yDivisions, double yEnd) {
    TSkala axes;
    axes.xEnd = xEnd;
    axes.yDivisions = yDivisions;
    axes.yEnd = yEnd;
    return axes;
}

} // namespace

TSkala initialScale(ChartKind kind, TimeUnit unit) {
    switch (kind) {
    case ChartKind::Temperature:
        return timeAxis(unit, 15, 800, 950);
    case ChartKind::Potential:
    case ChartKind::Surface:
        return timeAxis(unit, 12, 0, 1.2);
    case ChartKind::Carbon:
        return profileAxis(2, 6, 1.2);
    case ChartKind::CaseDepth:
        return profileAxis(0, 16, 1.6);
    case ChartKind::Hardness:
        return profileAxis(2, 9, 900);
    case ChartKind::Austenite:
        return profileAxis(2, 10, 50);
    case ChartKind::Carbide:
        return profileAxis(2, 10, 10);
    case ChartKind::Mass:
    case ChartKind::Mean:
        return timeAxis(unit, 12, 0, 1.2);
    }
    return {};
}

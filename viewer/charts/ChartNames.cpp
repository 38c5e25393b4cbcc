#include "ChartNames.h"

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString chartTitle(ChartKind kind) {
    return fromUtf8(chartKindTraits(kind).title);
}

QString chartFileStem(ChartKind kind) {
    return fromUtf8(chartKindTraits(kind).fileStem);
}

QString chartYCaption(ChartKind kind) {
    return fromUtf8(chartKindTraits(kind).yCaption);
}

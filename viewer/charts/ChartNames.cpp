#include "ChartNames.h"

#include <QCoreApplication>

namespace {

// The phrases that begin the charts' captions, longer ones before those they begin with; UTF-8.
constexpr const char* captionPhrases[] = {
    QT_TRANSLATE_NOOP("ChartCaptions", "Temperature, C"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Carbon potential of the atmosphere, %"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Carbon concentration on the surface, %"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Carbon concentration, %"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Thickness of the case, mm"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Thickness of the case at"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Hardness, HV"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Weight gain, g/m^2"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Mean carbon content (steel carbon + increase), %"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Carburizing time, h"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Carburizing time, s"),
    QT_TRANSLATE_NOOP("ChartCaptions", "Distance from the surface, mm"),
};

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString chartTitle(ChartKind kind) {
    // The title is a whole literal of the table, so it ends in a zero as translate() wants.
    return QCoreApplication::translate("ChartKinds", chartKindTraits(kind).title.data());
}

QString chartQuantity(ChartKind kind) {
    return QCoreApplication::translate("ChartQuantities", chartKindTraits(kind).quantity.data());
}

QString chartFileStem(ChartKind kind) {
    return fromUtf8(chartKindTraits(kind).fileStem);
}

QString chartYCaption(ChartKind kind) {
    return fromUtf8(chartKindTraits(kind).yCaption);
}

QString shownCaption(const QString& caption) {
    qsizetype indent = 0;
    while (indent < caption.size() && caption[indent].isSpace())
        ++indent;
    for (const char* phrase : captionPhrases) {
        const QString source = QString::fromUtf8(phrase);
        if (caption.mid(indent).startsWith(source))
            return caption.left(indent) + QCoreApplication::translate("ChartCaptions", phrase) +
                   caption.mid(indent + source.size());
    }
    return caption;
}

QString shownLegend(const QString& legend) {
    // The legends' context holds no other texts: a set named like one of them is a set still.
    return QCoreApplication::translate("ChartLegends", legend.toUtf8().constData());
}

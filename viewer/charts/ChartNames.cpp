#include "ChartNames.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The phrases that begin the charts' captions, longer ones before those they begin with; UTF-8.
struct CaptionPhrase {
    const char* source;
    // What follows the phrase is kept (a level, a shape); else the caption is the phrase alone,
    // as the mass file's is, whose shape, size and transfer coefficient are no part of the axis.
    bool keepsRest;
};

constexpr CaptionPhrase captionPhrases[] = {
    {QT_TRANSLATE_NOOP("ChartCaptions", "Temperature, C"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Carbon potential of the atmosphere, %"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Carbon concentration on the surface, %"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Carbon concentration, %"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Thickness of the case, mm"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Thickness of the case at"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Hardness, HV"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Cementite, mass %"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Weight gain, g/m^2"), false},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Mean carbon content (steel carbon + increase), %"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Carburizing time, h"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Carburizing time, s"), true},
    {QT_TRANSLATE_NOOP("ChartCaptions", "Distance from the surface, mm"), true},
};

// A profile's legend, its time as the code gives it, "3.00h" or "3.00 h" (hours), "120.00s".
const QRegularExpression profileTimeLegend(u"^(\\d+\\.\\d+) ?([hs])$"_s);
// A case-depth line's legend, "g - 0.40% C".
const QRegularExpression depthLevelLegend(u"^g - (\\d\\.\\d+)% C$"_s);

// One time format in every legend: hours with two decimals, seconds as whole ones when they are.
QString shownProfileTime(const QString& number, const QString& unit) {
    const double time = number.toDouble();
    if (unit == u"h")
        return u"%1 h"_s.arg(time, 0, 'f', 2);
    if (time == std::floor(time))
        return u"%1 s"_s.arg(time, 0, 'f', 0);
    return number + u" s"_s;
}

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
    for (const CaptionPhrase& phrase : captionPhrases) {
        const QString source = QString::fromUtf8(phrase.source);
        if (!caption.mid(indent).startsWith(source))
            continue;
        const QString rest = phrase.keepsRest ? caption.mid(indent + source.size()) : QString();
        return caption.left(indent) + QCoreApplication::translate("ChartCaptions", phrase.source) +
               rest;
    }
    return caption;
}

QString shownLegend(const QString& legend) {
    if (const QRegularExpressionMatch time = profileTimeLegend.match(legend); time.hasMatch())
        return shownProfileTime(time.captured(1), time.captured(2));
    if (const QRegularExpressionMatch level = depthLevelLegend.match(legend); level.hasMatch())
        return level.captured(1) + u" % C"_s;
    // The legends' context holds no other texts: a set named like one of them is a set still.
    return QCoreApplication::translate("ChartLegends", legend.toUtf8().constData());
}

#include "SetWindows.h"

#include "ChartWindows.h"
#include "ResultSet.h"

namespace {

struct KindNames {
    const char16_t* title;    // the window's title is the set's name, " - " and this
    const char16_t* fileStem; // ASCII
    const char* extension;    // empty: the set's main file
};

KindNames namesOf(ChartKind kind) {
    switch (kind) {
    case ChartKind::Temperature:
        return {u"T", u"T", ""};
    case ChartKind::Potential:
        return {u"Pot", u"Pot", ""};
    case ChartKind::Carbon:
        return {u"C", u"C", ""};
    case ChartKind::CaseDepth:
        return {u"G", u"G", "gru"};
    case ChartKind::Surface:
        return {u"Pow", u"Pow", "pow"};
    case ChartKind::Hardness:
        return {u"HV", u"HV", "twa"};
    case ChartKind::Mass:
        return {u"Masa", u"Masa", "mas"};
    case ChartKind::Mean:
        return {u"Średnia", u"Srednia", "sre"};
    }
    return {};
}

QString titleOf(const QString& setName, ChartKind kind) {
    return setName + QStringLiteral(" - ") + QString::fromUtf16(namesOf(kind).title);
}

template <class Window>
std::unique_ptr<TChartMDIChild> build(ChartContext& context, const QString& setName,
                                      ChartKind kind) {
    return std::make_unique<Window>(context, titleOf(setName, kind));
}

std::unique_ptr<TChartMDIChild> buildXY(ChartContext& context, const QString& setName,
                                        ChartKind kind) {
    return std::make_unique<TXYMDIChild>(context, titleOf(setName, kind),
                                         QString::fromLatin1(namesOf(kind).extension));
}

} // namespace

std::vector<SetWindow> buildSetWindows(ChartContext& context, const QString& setName, bool foil) {
    // Built in this order, so an unreadable file is reported in it.
    auto temperature = build<TTempMDIChild>(context, setName, ChartKind::Temperature);
    auto potential = build<TPotMDIChild>(context, setName, ChartKind::Potential);
    auto carbon = build<TWynikiMDIChild>(context, setName, ChartKind::Carbon);
    std::unique_ptr<TChartMDIChild> depth;
    if (!foil)
        depth = build<TGruboscMDIChild>(context, setName, ChartKind::CaseDepth);
    auto surface = build<TPowMDIChild>(context, setName, ChartKind::Surface);
    std::unique_ptr<TChartMDIChild> hardness;
    if (!foil)
        hardness = build<TTwardoscMDIChild>(context, setName, ChartKind::Hardness);
    auto mass = buildXY(context, setName, ChartKind::Mass);
    std::unique_ptr<TChartMDIChild> mean;
    if (foil)
        mean = buildXY(context, setName, ChartKind::Mean);

    std::vector<SetWindow> windows;
    auto show = [&windows](ChartKind kind, std::unique_ptr<TChartMDIChild> window) {
        if (window)
            windows.push_back({kind, std::move(window)});
    };
    show(ChartKind::Hardness, std::move(hardness));
    show(ChartKind::CaseDepth, std::move(depth));
    show(ChartKind::Carbon, std::move(carbon));
    show(ChartKind::Surface, std::move(surface));
    show(ChartKind::Potential, std::move(potential));
    show(ChartKind::Mass, std::move(mass));
    show(ChartKind::Mean, std::move(mean));
    show(ChartKind::Temperature, std::move(temperature));
    return windows;
}

QString chartFileStem(ChartKind kind) {
    return QString::fromUtf16(namesOf(kind).fileStem);
}

QString chartSourceFile(const QString& setName, ChartKind kind) {
    const std::string_view extension = namesOf(kind).extension;
    return extension.empty() ? setName : setFileName(setName, extension);
}

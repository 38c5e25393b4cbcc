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

// Builds the windows one by one, telling `built` of each.
class Builder {
public:
    Builder(ChartContext& context, QWidget* client, const QString& setName,
            const BuiltWindow& built)
        : context_(context), client_(client), setName_(setName), built_(built) {}

    template <class Window> std::unique_ptr<TChartMDIChild> build(ChartKind kind) {
        return told(kind, std::make_unique<Window>(context_, titleOf(setName_, kind), client_));
    }

    std::unique_ptr<TChartMDIChild> buildXY(ChartKind kind) {
        return told(kind, std::make_unique<TXYMDIChild>(
                              context_, titleOf(setName_, kind),
                              QString::fromLatin1(namesOf(kind).extension), client_));
    }

private:
    std::unique_ptr<TChartMDIChild> told(ChartKind kind, std::unique_ptr<TChartMDIChild> window) {
        if (built_)
            built_(kind);
        return window;
    }

    ChartContext& context_;
    QWidget* client_;
    const QString& setName_;
    const BuiltWindow& built_;
};

} // namespace

std::vector<SetWindow> buildSetWindows(ChartContext& context, QWidget* client,
                                       const QString& setName, bool foil,
                                       const BuiltWindow& built) {
    // Built in this order, so an unreadable file is reported in it.
    Builder builder(context, client, setName, built);
    auto temperature = builder.build<TTempMDIChild>(ChartKind::Temperature);
    auto potential = builder.build<TPotMDIChild>(ChartKind::Potential);
    auto carbon = builder.build<TWynikiMDIChild>(ChartKind::Carbon);
    std::unique_ptr<TChartMDIChild> depth;
    if (!foil)
        depth = builder.build<TGruboscMDIChild>(ChartKind::CaseDepth);
    auto surface = builder.build<TPowMDIChild>(ChartKind::Surface);
    std::unique_ptr<TChartMDIChild> hardness;
    if (!foil)
        hardness = builder.build<TTwardoscMDIChild>(ChartKind::Hardness);
    auto mass = builder.buildXY(ChartKind::Mass);
    std::unique_ptr<TChartMDIChild> mean;
    if (foil)
        mean = builder.buildXY(ChartKind::Mean);

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

FileStatus chartFileStatus(const LoadedSet& set, ChartKind kind) {
    switch (kind) {
    case ChartKind::Temperature:
        return set.shapeStatus;
    case ChartKind::Potential:
        return set.process.status;
    case ChartKind::Carbon:
        return set.carbon.status;
    case ChartKind::CaseDepth:
        return set.depths.status;
    case ChartKind::Surface:
        return set.surface.status;
    case ChartKind::Hardness:
        return set.hardness.status;
    case ChartKind::Mass:
        return set.mass.status;
    case ChartKind::Mean:
        return set.mean.status;
    }
    return FileStatus::Missing;
}

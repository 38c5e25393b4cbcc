#include "SetWindows.h"

#include "ChartWindows.h"
#include "ResultSet.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString titleOf(const QString& setName, ChartKind kind) {
    return setName + QStringLiteral(" - ") + chartTitle(kind);
}

TChartMDIChild* buildWindow(ChartContext& context, QWidget* client, const QString& setName,
                            ChartKind kind) {
    const QString title = titleOf(setName, kind);
    switch (kind) {
    case ChartKind::Temperature:
        return new TTempMDIChild(context, title, client);
    case ChartKind::Potential:
        return new TPotMDIChild(context, title, client);
    case ChartKind::Carbon:
        return new TWynikiMDIChild(context, title, client);
    case ChartKind::CaseDepth:
        return new TGruboscMDIChild(context, title, client);
    case ChartKind::Surface:
        return new TPowMDIChild(context, title, client);
    case ChartKind::Hardness:
        return new TTwardoscMDIChild(context, title, client);
    case ChartKind::Austenite:
        return new TAustenitMDIChild(context, title, client);
    case ChartKind::Carbide:
        return new TCementytMDIChild(context, title, client);
    case ChartKind::Mass:
    case ChartKind::Mean:
        break;
    }
    const std::string_view file = extension(*chartKindTraits(kind).file);
    return new TXYMDIChild(context, title,
                           QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size())),
                           client);
}

// The order in which the windows of a set are shown, whichever of them it has.
constexpr ChartKind showOrder[] = {ChartKind::Carbide,    ChartKind::Austenite, ChartKind::Hardness,
                                   ChartKind::CaseDepth,  ChartKind::Carbon,    ChartKind::Surface,
                                   ChartKind::Potential,  ChartKind::Mass,      ChartKind::Mean,
                                   ChartKind::Temperature};

} // namespace

std::vector<SetWindow> buildSetWindows(ChartContext& context, QWidget* client,
                                       const QString& setName, std::span<const ChartKind> charts,
                                       const BuiltWindow& built) {
    // Built in the kind's order, so an unreadable file is reported in it.
    std::vector<SetWindow> windows;
    for (ChartKind kind : charts) {
        windows.push_back({kind, buildWindow(context, client, setName, kind)});
        if (built)
            built(kind);
    }
    std::vector<SetWindow> shown;
    for (ChartKind kind : inShowOrder(charts))
        for (const SetWindow& window : windows)
            if (window.kind == kind)
                shown.push_back(window);
    return shown;
}

std::vector<ChartKind> inShowOrder(std::span<const ChartKind> charts) {
    std::vector<ChartKind> shown;
    for (ChartKind kind : showOrder)
        if (std::ranges::count(charts, kind) > 0)
            shown.push_back(kind);
    return shown;
}

QString chartFileBase(const QString& folder, const QString& setName, ChartKind kind) {
    return QDir(folder).filePath(QFileInfo(setName).completeBaseName() + u'-' +
                                 chartFileStem(kind));
}

QString chartSourceFile(const QString& setName, ChartKind kind) {
    const std::optional<ResultFile> file = chartKindTraits(kind).file;
    return file ? setFileName(setName, extension(*file)) : setName;
}

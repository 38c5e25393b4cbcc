#include "SetWindows.h"

#include "ChartWindows.h"
#include "ResultSet.h"

#include <QDir>
#include <QFileInfo>

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
    return setName + QStringLiteral(" - ") + chartTitle(kind);
}

std::unique_ptr<TChartMDIChild> buildWindow(ChartContext& context, QWidget* client,
                                            const QString& setName, ChartKind kind) {
    const QString title = titleOf(setName, kind);
    switch (kind) {
    case ChartKind::Temperature:
        return std::make_unique<TTempMDIChild>(context, title, client);
    case ChartKind::Potential:
        return std::make_unique<TPotMDIChild>(context, title, client);
    case ChartKind::Carbon:
        return std::make_unique<TWynikiMDIChild>(context, title, client);
    case ChartKind::CaseDepth:
        return std::make_unique<TGruboscMDIChild>(context, title, client);
    case ChartKind::Surface:
        return std::make_unique<TPowMDIChild>(context, title, client);
    case ChartKind::Hardness:
        return std::make_unique<TTwardoscMDIChild>(context, title, client);
    case ChartKind::Mass:
    case ChartKind::Mean:
        break;
    }
    return std::make_unique<TXYMDIChild>(context, title,
                                         QString::fromLatin1(namesOf(kind).extension), client);
}

// The order in which the windows of a set are shown, whichever of them it has.
constexpr ChartKind showOrder[] = {ChartKind::Hardness, ChartKind::CaseDepth,  ChartKind::Carbon,
                                   ChartKind::Surface,  ChartKind::Potential,  ChartKind::Mass,
                                   ChartKind::Mean,     ChartKind::Temperature};

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
    for (ChartKind kind : showOrder)
        for (SetWindow& window : windows)
            if (window.kind == kind)
                shown.push_back(std::move(window));
    return shown;
}

QString chartFileStem(ChartKind kind) {
    return QString::fromUtf16(namesOf(kind).fileStem);
}

QString chartTitle(ChartKind kind) {
    return QString::fromUtf16(namesOf(kind).title);
}

QString chartFileBase(const QString& folder, const QString& setName, ChartKind kind) {
    return QDir(folder).filePath(QFileInfo(setName).completeBaseName() + u'-' +
                                 chartFileStem(kind));
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

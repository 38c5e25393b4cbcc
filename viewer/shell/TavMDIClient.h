#pragma once
// The frame's MDI client: it holds the chart windows of the opened result sets and the two
// flags they read when they draw, builds and places the windows of a set, and knows which set
// and chart each of them shows. The commands on sets (SetCommands) and on the active document
// (DocumentCommands) act through it.
//
// `OpenData` names the set only while its windows are being built: each window takes its file
// name from it at construction.

#include "ChartContext.h"
#include "LoadedSet.h"
#include "SetWindows.h"

#include <QHash>
#include <QMdiArea>

#include <optional>

class TChartMDIChild;
class TSummaryMDIChild;

// What a chart window of an opened set shows.
struct ShownChart {
    QString setName;
    ChartKind kind;
};

class TTavMDIClient : public QMdiArea, public ChartContext {
    Q_OBJECT
public:
    explicit TTavMDIClient(QWidget* parent = nullptr);

    bool autoFit() const override { return AutoFit; }
    void setAutoFit(bool on) { AutoFit = on; }
    bool foilSample() const override { return FoilSample; }
    void setFoilSample(bool foil) override { FoilSample = foil; }
    QString openFileName() const override { return OpenData; }
    std::shared_ptr<const LoadedSet> openSet() const override { return openSet_; }
    bool fileFaultsTold() const override { return fileFaultsTold_; }
    // Whether the user has been told what is wrong with the files of the set shown next.
    void setFileFaultsTold(bool told) { fileFaultsTold_ = told; }

    // The chart window commands go to; null when there is none.
    TChartMDIChild* activeChart() const;
    // The current window when it is a comparison's summary.
    TSummaryMDIChild* activeSummary() const;
    // The set and chart the window shows; none for a window of no opened set (a comparison's).
    std::optional<ShownChart> shownChart(const QMdiSubWindow& window) const;

    // Reads a set and builds and shows its windows; they come back in the order they were
    // shown.
    std::vector<std::pair<ChartKind, TChartMDIChild*>> openSet(const QString& setName,
                                                               const BuiltWindow& built = {});
    // The same for a set already read.
    std::vector<std::pair<ChartKind, TChartMDIChild*>> showSet(const LoadedSet& set,
                                                               const BuiltWindow& built = {});

    // Lines the minimised windows up along the bottom edge, left to right.
    void arrangeIcons();
    // Lays `windows` out one title bar below and to the right of each other, where they hide no
    // title bar of the windows already open (`cascadePlaces`).
    void placeInCascade(const std::vector<QMdiSubWindow*>& windows);

private:
    // The keys are never dereferenced: a window may have closed since.
    QHash<const QMdiSubWindow*, ShownChart> shownCharts_;

    bool AutoFit = true;
    bool FoilSample = false; // the set is timed in seconds: a foil or a wire
    SampleShape openedShape_ = SampleShape::SemiInfinite;
    QString OpenData;
    std::shared_ptr<const LoadedSet> openSet_; // the set of `OpenData`
    bool fileFaultsTold_ = false;
};

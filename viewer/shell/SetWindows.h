#pragma once
// The chart windows of one result set: which kinds a set has, what each is called, which file
// each reads, and in what order they are built and shown.

#include "ChartNames.h"
#include "KindTraits.h"
#include "LoadedSet.h"

#include <QString>

#include <functional>
#include <span>
#include <vector>

class ChartContext;
class QWidget;
class TChartMDIChild;

// A window deletes itself when it is closed (and goes with `client`, its parent): the client
// owns it, never the list it comes in.
struct SetWindow {
    ChartKind kind;
    TChartMDIChild* window;
};

// Builds the windows `charts` names (the set's kind's, kindTraits), in that order; each reads
// its file while it is built, so `context` must name the set meanwhile. The windows come back
// in the order they are to be shown: the temperature window last, so that it is the active one
// when the set is open. `built` hears of each window as soon as it has read its file. The
// windows are built as children of `client` (which is to hold them), so that a file a window
// reports is reported on the client's window.
using BuiltWindow = std::function<void(ChartKind)>;
std::vector<SetWindow> buildSetWindows(ChartContext& context, QWidget* client,
                                       const QString& setName, std::span<const ChartKind> charts,
                                       const BuiltWindow& built = {});

// The charts in the order their windows are shown (and exported): the temperature chart last.
std::vector<ChartKind> inShowOrder(std::span<const ChartKind> charts);

// A file for the kind's chart of the set, without its extension: the set's base name, "-" and
// the kind's stem ("walk1-T"), in `folder`.
QString chartFileBase(const QString& folder, const QString& setName, ChartKind kind);

// The file of the set that the kind's window reads.
QString chartSourceFile(const QString& setName, ChartKind kind);

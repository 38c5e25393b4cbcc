#pragma once
// The chart windows of a result set, one class per kind of chart. Each takes the set being
// opened (`ChartContext::openSet`) when it is constructed, reports its file when that could not
// be read whole, and opens on the kind's axes (`openingScale`); every drawing describes the
// kind's chart of the set on the window's `TSkala` (`describeSetChart`). `title` is the window's
// title as the client formats it ("<set> - T" and so on).

#include "ChartDescription.h"
#include "TChartMDIChild.h"

#include <memory>

// What the windows of every kind share. Time charts (one line over process time) are scaled
// with `TAxisSetup2`; node charts (profiles, case depths), whose X axis follows their grid, with
// `TAxisSetup`. The carbon and hardness windows take measured profiles, compared with the set's
// last profile.
class TSetChartMDIChild : public TChartMDIChild {
    Q_OBJECT
public:
    ChartKind kind() const { return kind_; }

protected:
    // `icon` names the window's icon among the chart icons.
    TSetChartMDIChild(ChartContext& context, const QString& title, ChartKind kind,
                      const QString& icon, QWidget* parent);

private:
    ChartDescription describe() override;
    std::unique_ptr<TAxisSetup> scaleDialog() override;
    std::vector<ComputedProfile> measuredAgainst() const override;

    std::shared_ptr<const LoadedSet> set_;
    ChartKind kind_;
    TimeUnit timeUnit_; // the client's when the window was made, whatever set was opened last
};

// Furnace temperature over the stage programme of the main file.
class TTempMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TTempMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// Carbon potential of the atmosphere over the stage programme of the main file.
class TPotMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TPotMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// Carbon profiles of the main file, one per stage end.
class TWynikiMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TWynikiMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// Case depths at three carbon levels over time ("gru").
class TGruboscMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TGruboscMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// Surface carbon over time ("pow").
class TPowMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TPowMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// Hardness profiles, one per stage end ("twa").
class TTwardoscMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TTwardoscMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// The retained austenite across the case, one line per stage end ("aus"), as the hardness.
class TAustenitMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TAustenitMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// The cementite across the case, one line per stage end ("wgl"), a set computed with carbides.
class TCementytMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TCementytMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);
};

// A line over time from a file that brings its own captions and axes: mass gain ("mas") or
// mean carbon ("sre"), as `extension` says.
class TXYMDIChild : public TSetChartMDIChild {
    Q_OBJECT
public:
    TXYMDIChild(ChartContext& context, const QString& title, const QString& extension,
                QWidget* parent = nullptr);
};

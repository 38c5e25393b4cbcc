#pragma once
// The chart windows of a result set, one class per kind of file. Each reads its file of the
// set being opened (`ChartContext::openFileName`) when it is constructed; `title` is the
// window's title as the client formats it ("<set> - T" and so on).

#include "ProcessData.h"
#include "TGrubosc.h"
#include "TNodeChartMDIChild.h"
#include "TOpis_XY.h"
#include "TProfileMDIChild.h"
#include "TTimeChartMDIChild.h"
#include "T_XY.h"

// Furnace temperature over the stage programme of the main file.
class TTempMDIChild : public TTimeChartMDIChild {
    Q_OBJECT
public:
    TTempMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);

private:
    TimeLine line() const override;

    TDane data_;
    bool foil_ = false; // the set's own shape, whatever set was opened last
};

// Carbon potential of the atmosphere over the stage programme of the main file.
class TPotMDIChild : public TTimeChartMDIChild {
    Q_OBJECT
public:
    TPotMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);

private:
    TimeLine line() const override;

    TDane data_;
    bool foil_; // the set's own time unit, whatever set was opened last
};

// Carbon profiles of the main file, one per stage end. Reading it tells the client whether
// the set is a foil.
class TWynikiMDIChild : public TProfileMDIChild {
    Q_OBJECT
public:
    TWynikiMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);

private:
    QString timeUnit() const override;
    QString yCaption() const override;

    bool foil_ = false; // the set's own time unit, whatever set was opened last
};

// Case depths at three carbon levels over time ("gru").
class TGruboscMDIChild : public TNodeChartMDIChild {
    Q_OBJECT
public:
    TGruboscMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);

private:
    int lineCount() const override;
    QString legend(int line) const override;
    std::span<const double> grid() const override;
    double value(int node, int line) override;
    QString xCaption() const override;
    QString yCaption() const override;
    bool drawsToGridEnd() const override { return true; }

    TGrubosc depths_;
};

// Surface carbon over time ("pow").
class TPowMDIChild : public TTimeChartMDIChild {
    Q_OBJECT
public:
    TPowMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);

private:
    TimeLine line() const override;

    bool foil_; // the set's own time unit, whatever set was opened last
    T_XY series_;
};

// Hardness profiles, one per stage end ("twa").
class TTwardoscMDIChild : public TProfileMDIChild {
    Q_OBJECT
public:
    TTwardoscMDIChild(ChartContext& context, const QString& title, QWidget* parent = nullptr);

private:
    QString timeUnit() const override;
    QString yCaption() const override;
};

// A line over time from a file that brings its own captions and axes: mass gain ("mas") or
// mean carbon ("sre"), as `extension` says.
class TXYMDIChild : public TTimeChartMDIChild {
    Q_OBJECT
public:
    TXYMDIChild(ChartContext& context, const QString& title, const QString& extension,
                QWidget* parent = nullptr);

private:
    TimeLine line() const override;

    TOpis_XY captions_;
    T_New_XY series_;
};

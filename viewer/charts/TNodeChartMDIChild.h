#pragma once
// A chart window that shows several lines over an equally spaced grid of nodes. Its X axis
// follows the grid: it starts and ends on nodes chosen from the `TSkala`'s X range, one
// division per node; the Y axis is the `TSkala`'s.

#include "TChartMDIChild.h"

#include <QString>

#include <span>

class TNodeChartMDIChild : public TChartMDIChild {
    Q_OBJECT
protected:
    using TChartMDIChild::TChartMDIChild;

    // The axes before the user rescales them (`initialScale`), widened where the lines run
    // past them.
    void setInitialScale(const TSkala& initial);

    virtual int lineCount() const = 0;
    // Empty: the line has no legend.
    virtual QString legend(int line) const = 0;
    virtual std::span<const double> grid() const = 0;
    // Asked node by node, and at each node for every line in order from line 0.
    virtual double value(int node, int line) = 0;
    virtual QString xCaption() const = 0;
    virtual QString yCaption() const = 0;
    // Whether the lines go on past the axis's last node to the end of the grid.
    virtual bool drawsToGridEnd() const { return false; }

private:
    // Every line's value at every node of the grid.
    QList<QList<QPointF>> allPoints();

    void describe(LineChart& chart) final;
    std::unique_ptr<TAxisSetup> scaleDialog() final;
};

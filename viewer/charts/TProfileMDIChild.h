#pragma once
// A node chart of profiles across the case (carbon or hardness), one line per profile, each
// labelled with the process time its profile was taken at.

#include "TNodeChartMDIChild.h"
#include "TWyniki.h"

class TProfileMDIChild : public TNodeChartMDIChild {
    Q_OBJECT
protected:
    using TNodeChartMDIChild::TNodeChartMDIChild;

    TWyniki& profiles() { return profiles_; }
    // What follows the time in a legend.
    virtual QString timeUnit() const = 0;

    int lineCount() const override;
    QString legend(int line) const override;
    std::span<const double> grid() const override;
    double value(int node, int line) override;
    QString xCaption() const override;

private:
    TWyniki profiles_;
};

// A profile time as its legend shows it: "%f" with the zeros beyond the second decimal
// dropped (2.5 is "2.50", 1.125 is "1.125").
QString profileTimeText(double time);

#pragma once
// A chart window that shows one quantity over process time as a single line, drawn on the
// axes of its `TSkala` from the axis start to the axis end, with the line's ends interpolated
// at both.

#include "KindTraits.h"
#include "TChartMDIChild.h"

#include <QString>

#include <span>

class TTimeChartMDIChild : public TChartMDIChild {
    Q_OBJECT
protected:
    struct TimeLine {
        std::span<const double> times; // h (s for a foil)
        std::span<const double> values;
        QString xCaption;
        QString middleCaption;
        QString yCaption;
    };

    using TChartMDIChild::TChartMDIChild;

    static QString timeCaption(bool foil);
    // The kind's axes before the user rescales them (`initialScale`), widened where the line
    // runs past them: a foil's programme is seconds long, any other sample's hours.
    void setInitialScale(ChartKind kind, bool foil);
    // Widens the axes read from the file where the line runs past them.
    void widenScaleToHoldLine();

    virtual TimeLine line() const = 0;

private:
    void describe(LineChart& chart) final;
    std::unique_ptr<TAxisSetup> scaleDialog() final;
};

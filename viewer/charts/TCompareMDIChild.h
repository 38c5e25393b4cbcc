#pragma once
// A chart window of one quantity of several result sets, a line per set in the set's colour.
// The sets are shared by the windows of one comparison; the window's `TSkala` starts at axes
// that hold every line, and the scale dialog changes them as in any time chart.

#include "ComparisonChart.h"
#include "TChartMDIChild.h"

#include <memory>
#include <vector>

class TCompareMDIChild : public TChartMDIChild {
    Q_OBJECT
public:
    using Sets = std::shared_ptr<const std::vector<ComparedSet>>;

    TCompareMDIChild(ChartContext& context, Sets sets, ComparedQuantity quantity,
                     QWidget* parent = nullptr);

    ComparedQuantity quantity() const { return quantity_; }
    QString csv() const override;

private:
    void describe(LineChart& chart) override;
    std::unique_ptr<TAxisSetup> scaleDialog() override;

    Sets sets_;
    ComparedQuantity quantity_;
};

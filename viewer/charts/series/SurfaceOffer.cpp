#include "SurfaceOffer.h"

#include "ChartPoints.h"
#include "Saturation.h"

#include <algorithm>
#include <optional>

namespace {

// The saturation limit bends with the temperature; a ramp is drawn through this many equal
// steps, close enough to the curve at the scale of the chart (the limit changes by under
// 0.1 % C per 10 °C). A stage at one temperature needs only its ends.
constexpr int rampSteps = 16;

// Appends the stage that ends at `row` to `stretch`, its first point only when the stretch
// does not end there already.
void appendStage(OfferedStretch& stretch, const TDane& data, std::size_t row) {
    const double t0 = data.times[row - 1], t1 = data.times[row];
    const double c0 = data.temperatures[row - 1], c1 = data.temperatures[row];
    const auto add = [&stretch](double time, double value) {
        stretch.times.push_back(time);
        stretch.values.push_back(value);
    };
    if (stretch.offer == Offer::Potential) {
        if (stretch.times.empty())
            add(t0, data.potentials[row - 1]);
        add(t1, data.potentials[row]);
        return;
    }
    const int steps = c0 == c1 ? 1 : rampSteps;
    for (int step = stretch.times.empty() ? 0 : 1; step <= steps; ++step) {
        const double share = double(step) / steps;
        add(t0 + share * (t1 - t0), saturationCarbon(c0 + share * (c1 - c0), data.alloy));
    }
}

} // namespace

std::vector<OfferedStretch> surfaceOffer(const TDane& data) {
    const std::size_t rows =
        std::min({data.times.size(), data.temperatures.size(), data.potentials.size()});
    std::vector<OfferedStretch> stretches;
    // A programme of one row has no stage, but its potential is still a point of the chart.
    if (rows == 1)
        stretches.push_back({Offer::Potential, {data.times[0]}, {data.potentials[0]}});
    bool broken = true; // the stage before offered nothing, or there was none
    for (std::size_t row = 1; row < rows; ++row) {
        const std::optional<Offer> offer = conditionTraits(stageCondition(data, row).kind).offer;
        if (!offer) {
            broken = true;
            continue;
        }
        if (broken || stretches.back().offer != *offer)
            stretches.push_back({*offer, {}, {}});
        appendStage(stretches.back(), data, row);
        broken = false;
    }
    return stretches;
}

OfferTable offerTable(const TDane& data) {
    OfferTable table;
    const auto add = [&table](double time, double value, Offer offer) {
        table.times.push_back(time);
        table.offered.push_back(value);
        table.potential.push_back(offer == Offer::Potential ? value : lineBreak);
        table.saturation.push_back(offer == Offer::Saturation ? value : lineBreak);
    };
    for (const OfferedStretch& stretch : surfaceOffer(data)) {
        if (!table.times.empty() && table.times.back() != stretch.times.front())
            add(lineBreak, lineBreak, stretch.offer);
        for (std::size_t point = 0; point < stretch.times.size(); ++point)
            add(stretch.times[point], stretch.values[point], stretch.offer);
    }
    return table;
}

bool offersMoreThanGas(const TDane& data) {
    return usesConditions(data);
}

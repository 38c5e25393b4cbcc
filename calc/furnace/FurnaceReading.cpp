#include "FurnaceReading.h"

#include "Atmosphere.h"

#include <limits>

namespace {

// A closed range a field's value must lie in, and how a refusal says it.
struct Bounds {
    double low, high;
    const char* rule;
};

// The temperatures the diffusion law serves; a probe's cell reads up to about 1300 mV in a gas
// at the soot limit; dew points of furnace gases; the carbon the computation knows.
constexpr Bounds temperatureBounds{700, 1200, "must be 700 to 1200 °C"};
constexpr Bounds probeBounds{0, 1500, "must be 0 to 1500 mV"};
constexpr Bounds dewPointBounds{-80, 60, "must be -80 to 60 °C"};
constexpr Bounds carbonDioxideBounds{1e-6, 100, "must be a positive % CO2"};
constexpr Bounds carbonBounds{1e-6, 4.3, "must be more than 0 and at most 4.3 % C"};
constexpr Bounds gasBounds{1e-6, 100, "must be more than 0 and at most 100 %"};
constexpr Bounds processFactorBounds{1e-6, 1e4, "must be a positive process factor"};

bool within(double value, const Bounds& bounds) {
    return bounds.low <= value && value <= bounds.high; // false for NaN
}

Bounds readingBounds(ReadingKind kind) {
    switch (kind) {
    case ReadingKind::Probe:
        return probeBounds;
    case ReadingKind::DewPoint:
        return dewPointBounds;
    case ReadingKind::CarbonDioxide:
        return carbonDioxideBounds;
    case ReadingKind::Carbon:
        return carbonBounds;
    }
    return carbonBounds;
}

ReadingField readingField(ReadingKind kind) {
    switch (kind) {
    case ReadingKind::Probe:
        return ReadingField::Probe;
    case ReadingKind::DewPoint:
        return ReadingField::DewPoint;
    case ReadingKind::CarbonDioxide:
        return ReadingField::CarbonDioxide;
    case ReadingKind::Carbon:
        return ReadingField::Carbon;
    }
    return ReadingField::Carbon;
}

std::optional<ReadingRefusal> refusal(const FurnaceReading& reading) {
    const auto outside = [](double value, const Bounds& bounds) { return !within(value, bounds); };
    if (std::optional<ReadingRefusal> refused = temperatureRefusal(reading.celsius))
        return refused;
    if (outside(reading.co, gasBounds))
        return ReadingRefusal{ReadingField::CO, gasBounds.rule};
    if (outside(reading.h2, gasBounds))
        return ReadingRefusal{ReadingField::H2, gasBounds.rule};
    if (reading.co + reading.h2 > 100)
        return ReadingRefusal{ReadingField::H2, "CO and H2 together must be at most 100 %"};
    if (reading.processFactor && outside(*reading.processFactor, processFactorBounds))
        return ReadingRefusal{ReadingField::ProcessFactor, processFactorBounds.rule};
    if (outside(reading.value, readingBounds(reading.kind)))
        return ReadingRefusal{readingField(reading.kind), readingBounds(reading.kind).rule};
    if (reading.kind == ReadingKind::CarbonDioxide && reading.co + reading.value > 100)
        return ReadingRefusal{ReadingField::CarbonDioxide,
                              "CO and CO2 together must be at most 100 %"};
    return std::nullopt;
}

constexpr double noCarbon = std::numeric_limits<double>::infinity(); // a_C beyond any soot

// a_C of the gas the reading describes.
double readActivity(const FurnaceReading& reading, double kelvin) {
    const double co = reading.co / 100, h2 = reading.h2 / 100;
    switch (reading.kind) {
    case ReadingKind::Probe:
        if (reading.processFactor) {
            const double carbon =
                processFactorCarbon(reading.value, kelvin, *reading.processFactor);
            return carbon < ellisCarbonLimit ? carbonActivity(carbon, kelvin) : noCarbon;
        }
        return activityFromOxygen(probeOxygen(reading.value, kelvin), kelvin, co);
    case ReadingKind::DewPoint:
        return activityFromWater(dewPointWater(reading.value + kelvinOffset), kelvin, co, h2);
    case ReadingKind::CarbonDioxide:
        return activityFromCarbonDioxide(reading.value / 100, kelvin, co);
    case ReadingKind::Carbon:
        return carbonActivity(reading.value, kelvin);
    }
    return noCarbon;
}

} // namespace

std::string_view fieldWord(ReadingField field) {
    switch (field) {
    case ReadingField::Temperature:
        return "temperature";
    case ReadingField::Probe:
        return "probe";
    case ReadingField::DewPoint:
        return "dew-point";
    case ReadingField::CarbonDioxide:
        return "co2";
    case ReadingField::Carbon:
        return "carbon";
    case ReadingField::CO:
        return "co";
    case ReadingField::H2:
        return "h2";
    case ReadingField::ProcessFactor:
        return "process-factor";
    }
    return {};
}

std::optional<ReadingRefusal> temperatureRefusal(double celsius) {
    if (!within(celsius, temperatureBounds))
        return ReadingRefusal{ReadingField::Temperature, temperatureBounds.rule};
    return std::nullopt;
}

AtmosphereReading readPotential(const FurnaceReading& reading) {
    if (std::optional<ReadingRefusal> refused = refusal(reading))
        return {std::nullopt, std::move(refused)};
    AtmosphereState state;
    state.kelvin = reading.celsius + kelvinOffset;
    state.activity = readActivity(reading, state.kelvin);
    state.potential = equilibriumCarbon(state.activity, state.kelvin);
    if (state.potential && reading.kind == ReadingKind::Carbon)
        state.potential = reading.value; // not through the Ellis form and back
    return {state, std::nullopt};
}

AtmosphereReading readAtmosphere(const FurnaceReading& reading) {
    AtmosphereReading read = readPotential(reading);
    if (!read.state || !read.state->potential)
        return read;
    AtmosphereState& state = *read.state;
    const double co = reading.co / 100, h2 = reading.h2 / 100;
    state.probe =
        reading.processFactor
            ? processFactorMillivolts(*state.potential, state.kelvin, *reading.processFactor)
            : probeMillivolts(oxygenForActivity(state.activity, state.kelvin, co), state.kelvin);
    state.dewPoint =
        waterDewPoint(waterForActivity(state.activity, state.kelvin, co, h2)) - kelvinOffset;
    state.carbonDioxide = 100 * carbonDioxideForActivity(state.activity, state.kelvin, co);
    return read;
}

std::optional<double> steelSurfaceCarbon(const AtmosphereState& state, double q) {
    return equilibriumCarbon(state.activity, state.kelvin, q);
}

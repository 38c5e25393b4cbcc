// The atmosphere relations against values computed by hand (python3, the relations written out
// afresh from their sources, docs/atmosphere.md), the round trip reading → potential → reading,
// the soot boundary and the refusals.

#include "Atmosphere.h"
#include "FurnaceReading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The hand values are printed to 16 digits; the code evaluates the same closed forms in another
// order, so only the last few bits may differ.
constexpr double relative = 1e-12;
// A round trip through printed digits: the instruments' own resolution is coarser.
constexpr double carbonRoundTrip = 1e-9; // % C
constexpr double readingRoundTrip = 1e-6;

constexpr double furnace925 = 925 + 273.15; // K

void expectRelative(double expected, double actual) {
    EXPECT_NEAR(expected, actual, std::abs(expected) * relative);
}

TEST(AtmosphereTest, EquilibriumConstantsAt925) {
    expectRelative(7.910234233676787, log10Kb(furnace925));
    expectRelative(7.776480198639568, log10Kc(furnace925));
    expectRelative(0.02750288742811581, ka(furnace925));
}

TEST(AtmosphereTest, AlloyFactorIsGunnarsons) {
    // Cr 1.1, Mn 1.2, Si 0.25 (the case-hardening example); then a Cr-Mo-Ni steel.
    expectRelative(0.8594175, alloyFactor({1.1, 0, 1.2, 0.25, 0}));
    expectRelative(0.9420825000000002, alloyFactor({1.0, 0.2, 0.8, 0.3, 1.5}));
    EXPECT_EQ(1.0, alloyFactor({0, 0, 0, 0, 0}));
}

struct HandRow {
    const char* name;
    FurnaceReading reading;
    double activity;
    double potential; // % C
};

class ReadingTest : public testing::TestWithParam<HandRow> {};

TEST_P(ReadingTest, GivesTheHandValues) {
    const HandRow& row = GetParam();
    const AtmosphereReading read = readAtmosphere(row.reading);
    ASSERT_TRUE(read.state) << read.refusal->rule;
    expectRelative(row.activity, read.state->activity);
    ASSERT_TRUE(read.state->potential);
    expectRelative(row.potential, *read.state->potential);
}

FurnaceReading reading(double celsius, ReadingKind kind, double value, double co = defaultCO,
                       double h2 = defaultH2) {
    return FurnaceReading{celsius, kind, value, co, h2, std::nullopt};
}

INSTANTIATE_TEST_SUITE_P(
    HandValues, ReadingTest,
    testing::Values(HandRow{"probe1150", reading(925, ReadingKind::Probe, 1150), 0.696893556542239,
                            0.9629269896822131},
                    HandRow{"probe1100", reading(925, ReadingKind::Probe, 1100), 0.2645914599089076,
                            0.4140756912679716},
                    HandRow{"dewPointMinus5", reading(925, ReadingKind::DewPoint, -5),
                            0.5324416213533399, 0.7699899932091924},
                    HandRow{"dewPoint0", reading(925, ReadingKind::DewPoint, 0),
                            0.36772581919155317, 0.5578303079288413},
                    HandRow{"co2At925", reading(925, ReadingKind::CarbonDioxide, 0.2),
                            0.4042539311235743, 0.6066537473754969},
                    HandRow{"co2At850", reading(850, ReadingKind::CarbonDioxide, 0.5),
                            0.5150726400300243, 0.5933254684548523},
                    HandRow{"carbon1", reading(925, ReadingKind::Carbon, 1.0), 0.7302649923605944,
                            1.0}),
    [](const testing::TestParamInfo<HandRow>& row) { return std::string(row.param.name); });

TEST(AtmosphereTest, CarbonOneGivesTheHandReadings) {
    const AtmosphereReading read = readAtmosphere(reading(925, ReadingKind::Carbon, 1.0));
    ASSERT_TRUE(read.state);
    expectRelative(1152.4149412125216, read.state->probe);
    expectRelative(-9.125239701403416, read.state->dewPoint);
    expectRelative(0.11071431202441084, read.state->carbonDioxide);
}

TEST(AtmosphereTest, ProcessFactorFormGivesTheHandValues) {
    expectRelative(0.9951935362421445, processFactorCarbon(1150, furnace925, 150));
    expectRelative(0.7988910750838865, processFactorCarbon(1150, furnace925, 200));
    expectRelative(0.6191654892601267, processFactorCarbon(1100, 850 + 273.15, 150));
    FurnaceReading probe = reading(925, ReadingKind::Probe, 1150);
    probe.processFactor = 150;
    const AtmosphereReading read = readAtmosphere(probe);
    ASSERT_TRUE(read.state && read.state->potential);
    expectRelative(0.9951935362421445, *read.state->potential);
    EXPECT_NEAR(1150, read.state->probe, readingRoundTrip); // back through the same form
}

TEST(AtmosphereTest, SteelCarbonTakesTheAlloyFactor) {
    const AtmosphereReading read = readAtmosphere(reading(925, ReadingKind::Probe, 1150));
    ASSERT_TRUE(read.state);
    const std::optional<double> steel = steelSurfaceCarbon(*read.state, 0.8594175);
    ASSERT_TRUE(steel);
    expectRelative(1.0868861925988396, *steel);
}

// Each reading to its potential, then the potential back to each kind of reading.
// Each potential below the soot limit at the temperatures (1.0 % C soots at 780 °C).
class RoundTripTest : public testing::TestWithParam<std::tuple<double, std::vector<double>>> {};

TEST_P(RoundTripTest, ReadingToPotentialToReading) {
    const auto& [carbon, temperatures] = GetParam();
    for (double celsius : temperatures) {
        const AtmosphereReading back =
            readAtmosphere(reading(celsius, ReadingKind::Carbon, carbon));
        ASSERT_TRUE(back.state && back.state->potential) << celsius;
        const struct {
            ReadingKind kind;
            double value;
        } readings[] = {{ReadingKind::Probe, back.state->probe},
                        {ReadingKind::DewPoint, back.state->dewPoint},
                        {ReadingKind::CarbonDioxide, back.state->carbonDioxide}};
        for (const auto& [kind, value] : readings) {
            const AtmosphereReading forth = readAtmosphere(reading(celsius, kind, value));
            ASSERT_TRUE(forth.state && forth.state->potential) << celsius << " " << value;
            EXPECT_NEAR(carbon, *forth.state->potential, carbonRoundTrip) << celsius;
            EXPECT_NEAR(back.state->probe, forth.state->probe, readingRoundTrip);
            EXPECT_NEAR(back.state->dewPoint, forth.state->dewPoint, readingRoundTrip);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Potentials, RoundTripTest,
                         testing::Values(std::tuple(0.2, std::vector{780.0, 870.0, 925.0, 1050.0}),
                                         std::tuple(0.5, std::vector{780.0, 870.0, 925.0, 1050.0}),
                                         std::tuple(0.8, std::vector{870.0, 925.0, 1050.0}),
                                         std::tuple(1.0, std::vector{870.0, 925.0, 1050.0}),
                                         std::tuple(1.2, std::vector{925.0, 1050.0, 1150.0})));

// The soot boundary at 925 °C with 20 % CO: a_C = 1 at 1168.64444 mV (hand value).
TEST(AtmosphereTest, ProbeAtTheSootBoundary) {
    const AtmosphereReading below = readAtmosphere(reading(925, ReadingKind::Probe, 1168.6));
    ASSERT_TRUE(below.state);
    EXPECT_LT(below.state->activity, 1);
    ASSERT_TRUE(below.state->potential);
    EXPECT_NEAR(1.2769222219953758, *below.state->potential, 0.005); // a_C just below 1

    const AtmosphereReading above = readAtmosphere(reading(925, ReadingKind::Probe, 1168.7));
    ASSERT_TRUE(above.state);
    EXPECT_GE(above.state->activity, 1);
    EXPECT_FALSE(above.state->potential);
    EXPECT_FALSE(steelSurfaceCarbon(*above.state, 1.0));
}

TEST(AtmosphereTest, MoreCarbonMonoxideSoots) {
    // 1150 mV in 30 % CO: a_C = 1.04534 (hand value).
    const AtmosphereReading read = readAtmosphere(reading(925, ReadingKind::Probe, 1150, 30));
    ASSERT_TRUE(read.state);
    expectRelative(1.0453403348133583, read.state->activity);
    EXPECT_FALSE(read.state->potential);
}

TEST(AtmosphereTest, ActivityOneHasNoCarbon) {
    EXPECT_FALSE(equilibriumCarbon(1.0, furnace925));
    EXPECT_TRUE(equilibriumCarbon(std::nextafter(1.0, 0.0), furnace925));
}

TEST(AtmosphereTest, CarbonAboveSaturationSoots) {
    const AtmosphereReading read = readAtmosphere(reading(925, ReadingKind::Carbon, 1.3));
    ASSERT_TRUE(read.state);
    EXPECT_GE(read.state->activity, 1);
    EXPECT_FALSE(read.state->potential);
}

struct RefusalRow {
    const char* name;
    FurnaceReading reading;
    ReadingField field;
};

class RefusalTest : public testing::TestWithParam<RefusalRow> {};

TEST_P(RefusalTest, NamesTheField) {
    const AtmosphereReading read = readAtmosphere(GetParam().reading);
    EXPECT_FALSE(read.state);
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(GetParam().field, read.refusal->field);
    EXPECT_FALSE(read.refusal->rule.empty());
}

FurnaceReading withFactor(double factor) {
    FurnaceReading probe = reading(925, ReadingKind::Probe, 1150);
    probe.processFactor = factor;
    return probe;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    testing::Values(
        RefusalRow{"probe3000", reading(925, ReadingKind::Probe, 3000), ReadingField::Probe},
        RefusalRow{"negativeProbe", reading(925, ReadingKind::Probe, -1), ReadingField::Probe},
        RefusalRow{"negativeCO", reading(925, ReadingKind::Probe, 1150, -20), ReadingField::CO},
        RefusalRow{"zeroH2", reading(925, ReadingKind::DewPoint, -5, 20, 0), ReadingField::H2},
        RefusalRow{"gasOver100", reading(925, ReadingKind::DewPoint, -5, 70, 40), ReadingField::H2},
        RefusalRow{"cold", reading(500, ReadingKind::Probe, 1150), ReadingField::Temperature},
        RefusalRow{"notANumber", reading(NAN, ReadingKind::Probe, 1150), ReadingField::Temperature},
        RefusalRow{"hotDewPoint", reading(925, ReadingKind::DewPoint, 80), ReadingField::DewPoint},
        RefusalRow{"zeroCO2", reading(925, ReadingKind::CarbonDioxide, 0),
                   ReadingField::CarbonDioxide},
        RefusalRow{"infiniteCO2", reading(925, ReadingKind::CarbonDioxide, INFINITY),
                   ReadingField::CarbonDioxide},
        RefusalRow{"zeroCarbon", reading(925, ReadingKind::Carbon, 0), ReadingField::Carbon},
        RefusalRow{"carbon5", reading(925, ReadingKind::Carbon, 5), ReadingField::Carbon},
        RefusalRow{"zeroFactor", withFactor(0), ReadingField::ProcessFactor}),
    [](const testing::TestParamInfo<RefusalRow>& row) { return std::string(row.param.name); });

TEST(AtmosphereTest, FieldWordsAreTheOptions) {
    EXPECT_EQ("dew-point", fieldWord(ReadingField::DewPoint));
    EXPECT_EQ("process-factor", fieldWord(ReadingField::ProcessFactor));
    EXPECT_EQ("co2", fieldWord(ReadingField::CarbonDioxide));
}

} // namespace

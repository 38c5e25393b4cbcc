// Designed low-pressure programmes, computed as ordinary runs, meet their targets without the
// surface ever passing the saturation limit; impossible targets are refused and write nothing.

#include "LowPressureDesign.h"

#include "Gruba.h"
#include "Parametry.h"
#include "ProcessCheck.h"
#include "ResultStreams.h"
#include "RunFixture.h"
#include "Saturation.h"
#include "Steruj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string>

namespace {

ProcessRecord steel(SampleShape shape, double thickness) {
    ProcessRecord record;
    record.data.steelCarbon = 0.2;
    record.data.transferCoefficient = 2e-5;
    record.data.alloy = {1.1, 0, 1.2, 0.25, 0};
    record.shape = shape;
    record.thickness = thickness;
    return record;
}

LowPressureRequest request(SampleShape shape, double thickness, double depth, double surface,
                           bool hardening) {
    LowPressureRequest r;
    r.steel = steel(shape, thickness);
    r.depth = depth;
    r.surface = surface;
    if (hardening)
        r.hardening = HardeningStage{850, 0.5};
    return r;
}

struct RoundTripCase {
    const char* name;
    SampleShape shape;
    double thickness; // mm
    double depth;     // mm at 0.35 % C
    double surface;   // % C
    bool hardening;
};

void PrintTo(const RoundTripCase& row, std::ostream* out) {
    *out << row.name;
}

const RoundTripCase roundTrips[] = {
    {"SemiInfinite", SampleShape::SemiInfinite, unfilledValue, 1.0, 0.7, false},
    {"SemiInfiniteHardening", SampleShape::SemiInfinite, unfilledValue, 0.8, 0.75, true},
    {"Plate", SampleShape::Plate, 6, 0.6, 0.7, false},
    {"CylinderHardening", SampleShape::Cylinder, 20, 0.7, 0.7, true},
};

class LowPressureRoundTrip : public testing::TestWithParam<RoundTripCase> {};

} // namespace

TEST_P(LowPressureRoundTrip, TheWrittenProgrammeMeetsItsTargetsBelowTheLimit) {
    const RoundTripCase& row = GetParam();
    const LowPressureRequest wanted =
        request(row.shape, row.thickness, row.depth, row.surface, row.hardening);
    NoProgress progress;
    const LowPressureResult design = designLowPressure(wanted, progress);
    ASSERT_EQ(design.status, DesignResult::Status::Designed) << design.reason;
    EXPECT_EQ(progress.last, 100) << "a designed programme leaves the gauge full";
    ASSERT_FALSE(design.pulses.empty());
    EXPECT_LE(design.pulses.size(), 40U);
    for (const Pulse& pulse : design.pulses) {
        EXPECT_GE(pulse.boost, wanted.minBoost);
        EXPECT_EQ(std::fmod(pulse.boost, timerStepSeconds), 0.0) << pulse.boost;
        EXPECT_EQ(std::fmod(pulse.diffusion, timerStepSeconds), 0.0) << pulse.diffusion;
    }

    // The file passes the batch run's checks and reads back as the same programme.
    const std::string text = processDataText(design.process);
    const HeadReading reading = readCheckedProcessHead(text);
    ASSERT_TRUE(reading.head) << reading.problem.field << " " << reading.problem.rule;
    EXPECT_EQ(reading.head->data.conditions, design.process.data.conditions);
    EXPECT_EQ(reading.head->data.times, design.process.data.times);

    // Computed as any file, step by step: the targets are met and the surface stays at or
    // below the limit of the temperature it is at.
    const Parametry parametry(*reading.head, {});
    TrialStreams streams;
    Steruj run(parametry, {}, streams);
    NoProgress observer;
    run.start();
    while (run.step(observer)) {
        const double celsius = run.furnaceNow().temperatureK - 273;
        ASSERT_LE(run.sample().carbon()[1],
                  saturationCarbon(celsius, wanted.steel.data.alloy) + 1e-12)
            << "at " << run.time() << " s";
    }
    const double depth = run.sample().oblGrub(wanted.level) * 0.001;
    const double surface = run.sample().carbon()[1];
    EXPECT_NEAR(depth, design.depth, 1e-9) << "the design reports what the run computes";
    EXPECT_NEAR(depth, row.depth, std::max(depthTolerance * row.depth, minDepthTolerance));
    EXPECT_NEAR(surface, row.surface, lowPressureSurfaceTolerance);
}

INSTANTIATE_TEST_SUITE_P(ThickShapes, LowPressureRoundTrip, testing::ValuesIn(roundTrips),
                         [](const auto& param) { return std::string(param.param.name); });

namespace {

struct RefusalCase {
    const char* name;
    LowPressureRequest request;
    const char* named; // the start of the reason
    DesignResult::Status status;
};

void PrintTo(const RefusalCase& row, std::ostream* out) {
    *out << row.name;
}

LowPressureRequest changed(LowPressureRequest r, void (*change)(LowPressureRequest&)) {
    change(r);
    return r;
}

const LowPressureRequest sound = request(SampleShape::SemiInfinite, unfilledValue, 1.0, 0.7, false);
constexpr auto refused = DesignResult::Status::Refused;
// A depth beyond the middle of the sample is a sound value no programme meets, as in the gas
// design.
constexpr auto unreachable = DesignResult::Status::Unreachable;

const RefusalCase refusals[] = {
    {"DepthBeyondHalfThePlate",
     changed(sound, [](LowPressureRequest& r) { r.steel = steel(SampleShape::Plate, 1.5); }),
     "case depth", unreachable},
    {"SurfaceAtTheCore", changed(sound, [](LowPressureRequest& r) { r.surface = 0.2; }),
     "surface target", refused},
    {"SurfaceAboveTheLimit", changed(sound, [](LowPressureRequest& r) { r.surface = 1.5; }),
     "surface target", refused},
    {"Foil",
     changed(sound, [](LowPressureRequest& r) { r.steel = steel(SampleShape::Foil, 0.05); }),
     "sample shape", refused},
    // Refused for the time it would take, not for a count of pulses.
    {"TooDeep", changed(sound, [](LowPressureRequest& r) { r.depth = 6; }),
     "case depth 6 mm: not reached within 48 h", DesignResult::Status::Unreachable},
    {"CeilingBelowTheSurfaceTarget", changed(sound, [](LowPressureRequest& r) { r.ceiling = 0.6; }),
     "surface target", refused},
};

class LowPressureRefusal : public testing::TestWithParam<RefusalCase> {};

} // namespace

TEST_P(LowPressureRefusal, NamesTheTarget) {
    NoProgress progress;
    const LowPressureResult design = designLowPressure(GetParam().request, progress);
    EXPECT_EQ(design.status, GetParam().status) << design.reason;
    EXPECT_EQ(design.reason.rfind(GetParam().named, 0), 0U) << design.reason;
    EXPECT_TRUE(design.pulses.empty());
}

INSTANTIATE_TEST_SUITE_P(LowPressure, LowPressureRefusal, testing::ValuesIn(refusals),
                         [](const auto& param) { return std::string(param.param.name); });

namespace {

// Deep cases as published schedules give them: the pulses they may take at most.
struct DeepCase {
    const char* name;
    double celsius;
    double depth; // mm at 0.35 % C
    std::size_t mostPulses;
    bool plainCarbon = false; // a steel without alloy, whose case grows faster
};

void PrintTo(const DeepCase& row, std::ostream* out) {
    *out << row.name;
}

class DeepLowPressure : public testing::TestWithParam<DeepCase> {};

} // namespace

TEST_P(DeepLowPressure, MeetsTheDepthInAsManyPulsesAsPublishedSchedules) {
    const DeepCase& row = GetParam();
    LowPressureRequest wanted =
        request(SampleShape::SemiInfinite, unfilledValue, row.depth, 0.7, false);
    wanted.celsius = row.celsius;
    if (row.plainCarbon)
        wanted.steel.data.alloy = {0, 0, 0, 0, 0};
    NoProgress progress;
    const LowPressureResult design = designLowPressure(wanted, progress);
    ASSERT_EQ(design.status, DesignResult::Status::Designed) << design.reason;
    EXPECT_LE(design.pulses.size(), row.mostPulses);
    EXPECT_NEAR(design.depth, row.depth, std::max(depthTolerance * row.depth, minDepthTolerance));
    EXPECT_NEAR(design.surface, 0.7, lowPressureSurfaceTolerance);
    EXPECT_EQ(design.hours, design.process.data.times.back());
    EXPECT_LE(design.hours, maxLowPressureHours);
}

INSTANTIATE_TEST_SUITE_P(LowPressure, DeepLowPressure,
                         testing::Values(DeepCase{"OneMillimetreAt930", 930, 1.0, 16},
                                         DeepCase{"TwoMillimetresAt930", 930, 2.0, 24},
                                         DeepCase{"ShallowAt880", 880, 0.3, 16},
                                         DeepCase{"DeepAt1050", 1050, 2.5, 24},
                                         // One timer step of the final diffusion moves this case
                                         // by more than its tolerance.
                                         DeepCase{"ShallowAt1050", 1050, 0.3, 16, true}),
                         [](const auto& param) { return std::string(param.param.name); });

// A boost with a ceiling holds the surface there: the design writes it on every boost row, and
// the run of the written file keeps the surface at or below it.
TEST(LowPressure, TheCeilingGivenIsWhatEveryBoostHolds) {
    LowPressureRequest wanted = request(SampleShape::SemiInfinite, unfilledValue, 0.6, 0.8, false);
    wanted.ceiling = 1.26;
    NoProgress progress;
    const LowPressureResult design = designLowPressure(wanted, progress);
    ASSERT_EQ(design.status, DesignResult::Status::Designed) << design.reason;
    EXPECT_EQ(design.limit, 1.26);
    for (const StageCondition& condition : design.process.data.conditions) {
        if (condition.kind == SurfaceCondition::Boost) {
            EXPECT_EQ(condition.ceiling, 1.26);
        }
    }
    EXPECT_NE(processDataText(design.process).find(" boost limit 1.26\r\n"), std::string::npos);
}

// The design computes its trials under the set's diffusivity law and writes the law with the
// programme: a law faster at the surface's carbon reaches the depth sooner.
TEST(LowPressure, TheDesignTakesTheSetsDiffusivityLaw) {
    const LowPressureRequest standard =
        request(SampleShape::SemiInfinite, unfilledValue, 0.8, 0.7, false);
    LowPressureRequest tibbetts = standard;
    tibbetts.steel.settings.diffusivity = DiffusivityModel::Tibbetts;
    NoProgress progress;
    const LowPressureResult slower = designLowPressure(standard, progress);
    const LowPressureResult faster = designLowPressure(tibbetts, progress);
    ASSERT_EQ(slower.status, DesignResult::Status::Designed) << slower.reason;
    ASSERT_EQ(faster.status, DesignResult::Status::Designed) << faster.reason;
    EXPECT_EQ(faster.process.settings.diffusivity, DiffusivityModel::Tibbetts);
    EXPECT_FALSE(slower.process.settings.diffusivity);
    EXPECT_LT(faster.hours, slower.hours);
}

namespace {

// A window that cancels, or is gone (its observer throws), from the search's fifth ask on: in
// the search's first trial, which watches the first boost until the monitor is up.
class StopsAtFifthAsk : public NoProgress {
public:
    explicit StopsAtFifthAsk(bool throws) : throws_(throws) {}
    bool cancelRequested() override {
        if (++asked_ < 5)
            return false;
        if (throws_)
            throw std::runtime_error("the window is gone");
        return true;
    }

private:
    bool throws_;
    int asked_ = 0;
};

} // namespace

TEST(LowPressure, ACancelledWatchedTrialCancelsTheSearch) {
    StopsAtFifthAsk progress(false);
    const LowPressureResult design = designLowPressure(sound, progress);
    EXPECT_EQ(design.status, DesignResult::Status::Cancelled) << design.reason;
    EXPECT_EQ(design.reason, "");
    EXPECT_EQ(design.trials, 1) << "the first boost is watched";
}

TEST(LowPressure, AFailingWatchedTrialReportsItsFailure) {
    StopsAtFifthAsk progress(true);
    const LowPressureResult design = designLowPressure(sound, progress);
    EXPECT_EQ(design.status, DesignResult::Status::Failed);
    EXPECT_EQ(design.reason, "The computation stopped: the window is gone.")
        << "not as a depth not reached";
    EXPECT_EQ(design.trials, 1);
}

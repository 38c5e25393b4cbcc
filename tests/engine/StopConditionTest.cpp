// A stop condition ends a run at the first step after which it holds, as a run stepped by hand
// would end there; a cancel or a failure of a watched run is reported as what it is.

#include "Computation.h"
#include "Gruba.h"
#include "KindTraits.h"
#include "Parametry.h"
#include "ResultStreams.h"
#include "RunFixture.h"
#include "Steruj.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Predicate = bool (*)(const Gruba& sample, double time);

// Counts the times it is asked, and the time it was first asked at while holding.
class CountingCondition : public StopCondition {
public:
    explicit CountingCondition(Predicate predicate) : predicate_(predicate) {}
    bool holds(const Gruba& sample, double time) override {
        ++asked;
        const bool held = predicate_(sample, time);
        if (held && heldAt < 0)
            heldAt = time;
        return held;
    }
    int asked = 0;
    double heldAt = -1; // s
private:
    Predicate predicate_;
};

struct HandRun {
    int steps = 0;
    double time = 0; // s, after the first step at which the predicate held
    std::vector<double> carbon;
};

// The run stepped by its controller until `predicate` holds after a step.
HandRun stepUntil(const Parametry& parametry, Predicate predicate) {
    TrialStreams streams;
    Steruj controller(parametry, {}, streams);
    NoProgress progress;
    HandRun hand;
    controller.start();
    while (controller.step(progress)) {
        ++hand.steps;
        if (predicate(controller.sample(), controller.time()))
            break;
    }
    hand.time = controller.time();
    hand.carbon = controller.sample().carbon();
    return hand;
}

struct StopCase {
    const char* name;
    Predicate predicate;
};

void PrintTo(const StopCase& row, std::ostream* out) {
    *out << row.name;
}

const StopCase stopCases[] = {
    {"SurfaceAbove", [](const Gruba& sample, double) { return sample.carbon()[1] >= 0.8; }},
    {"AfterAnHour", [](const Gruba&, double time) { return time > 3600; }},
    {"CaseDeeper", [](const Gruba& sample, double) { return sample.oblGrub(0.35) > 300; }},
};

// 4 h at 920 °C and 1.0 % C: each condition holds well inside the programme.
const ProcessRecord fourHours = constantStage(4, 920, 1.0);

class StopConditionRun : public testing::TestWithParam<StopCase> {};

// The values of the last row (", " and numbers in fields) of a result file's text.
std::vector<double> lastValues(const std::string& text) {
    const std::size_t end = text.find_last_not_of("\r\n");
    const std::size_t start = text.rfind(", ", end);
    std::istringstream row(text.substr(start + 2, end - start - 1));
    std::vector<double> values;
    for (double value = 0; row >> value;)
        values.push_back(value);
    return values;
}

} // namespace

TEST_P(StopConditionRun, EndsAtTheFirstStepItHolds) {
    const Parametry parametry(fourHours, {});
    const HandRun hand = stepUntil(parametry, GetParam().predicate);
    ASSERT_LT(hand.time, 4 * 3600.0) << "the condition must hold inside the programme";

    MemoryStreams streams;
    NoProgress progress;
    CountingCondition condition(GetParam().predicate);
    const KeptRun kept = runKept(parametry, progress, streams, condition);
    ASSERT_EQ(kept.outcome.status, RunStatus::Reached) << kept.outcome.error;
    ASSERT_TRUE(kept.outcome.reachedAt);
    EXPECT_EQ(*kept.outcome.reachedAt, hand.time) << "the same steps, to the last bit";
    EXPECT_EQ(condition.heldAt, hand.time);
    EXPECT_EQ(condition.asked, hand.steps) << "asked once after every step, none after it held";
    EXPECT_EQ(kept.sample->carbon(), hand.carbon);

    // Ended as a finished run ends, at the instant the condition held.
    ASSERT_TRUE(kept.outcome.results);
    EXPECT_EQ(kept.outcome.results->surfaceCarbon, hand.carbon[1]);
    const std::vector<double> surfaceRow = lastValues(streams.text(ResultFile::Surface));
    ASSERT_EQ(surfaceRow.size(), 2U);
    EXPECT_NEAR(surfaceRow[0], hand.time / 3600, 1e-3) << "the last surface row, in hours";
}

INSTANTIATE_TEST_SUITE_P(Conditions, StopConditionRun, testing::ValuesIn(stopCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(StopConditionTest, ARunItNeverEndsFinishesAsWithout) {
    const Parametry parametry(fourHours, {});
    MemoryStreams plainStreams;
    NoProgress progress;
    const KeptRun plain = runKept(parametry, progress, plainStreams);
    MemoryStreams watchedStreams;
    CountingCondition never([](const Gruba&, double) { return false; });
    const KeptRun watched = runKept(parametry, progress, watchedStreams, never);
    ASSERT_EQ(watched.outcome.status, RunStatus::Finished) << watched.outcome.error;
    EXPECT_FALSE(watched.outcome.reachedAt);
    EXPECT_EQ(never.asked, stepUntil(parametry, [](const Gruba&, double) { return false; }).steps);
    EXPECT_EQ(watched.sample->carbon(), plain.sample->carbon());
    EXPECT_EQ(watchedStreams.text(), plainStreams.text());
    EXPECT_EQ(watchedStreams.text(ResultFile::Surface), plainStreams.text(ResultFile::Surface));
}

namespace {

// Cancels from its `after`-th ask on.
class CancelAfter : public NoProgress {
public:
    explicit CancelAfter(int after) : after_(after) {}
    bool cancelRequested() override { return ++asked_ >= after_; }

private:
    int after_;
    int asked_ = 0;
};

} // namespace

TEST(StopConditionTest, ACancelledWatchedRunIsCancelled) {
    CancelAfter progress(10);
    TrialStreams streams;
    CountingCondition lateSurface(stopCases[0].predicate);
    const KeptRun kept = runKept(Parametry(fourHours, {}), progress, streams, lateSurface);
    EXPECT_EQ(kept.outcome.status, RunStatus::Cancelled);
    EXPECT_FALSE(kept.outcome.reachedAt);
    EXPECT_EQ(lateSurface.asked, 9) << "asked after each step the cancel let pass";
}

TEST(StopConditionTest, AFailingConditionFailsTheRunWithItsReason) {
    TrialStreams streams;
    NoProgress progress;
    CountingCondition broken([](const Gruba&, double time) -> bool {
        if (time > 600)
            throw std::runtime_error("the probe is gone");
        return false;
    });
    const KeptRun kept = runKept(Parametry(fourHours, {}), progress, streams, broken);
    EXPECT_EQ(kept.outcome.status, RunStatus::Failed);
    EXPECT_EQ(kept.outcome.error, "The computation stopped: the probe is gone.");
    EXPECT_FALSE(kept.outcome.reachedAt);
}

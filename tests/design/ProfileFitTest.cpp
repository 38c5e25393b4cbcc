// The fit to a measured profile, against profiles the computation itself gave with known values.

#include "ProfileFit.h"
#include "Computation.h"
#include "ProfileMeasures.h"
#include "RunFixture.h"
#include "SteelGrades.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>

namespace {

// What the fit must recover.
constexpr double betaTolerance = 0.02;    // share of β
constexpr double offsetTolerance = 0.005; // % C
constexpr double noise = 0.01;            // % C, uniform either way

constexpr double boost = 1.15;  // % C
constexpr double diffuse = 0.7; // % C

// 3 h of boost and 1 h of diffusion at 920 °C, as a sample goes through the furnace; the drop
// of the potential is what tells the transfer coefficient from an error of the probe.
ProcessRecord furnaceRun(double beta, double offset, double diffusePotential = diffuse,
                         SampleShape shape = SampleShape::SemiInfinite,
                         double thickness = unfilledValue) {
    return asWritten(stagedProcess(
        0.2, beta,
        {{0, 920, boost + offset}, {3, 920, boost + offset}, {4, 920, diffusePotential + offset}},
        shape, thickness));
}

// A low-pressure programme at 920 °C: a gas stage of `gasHours` at 1.0 % C, then three boosts
// of 0.1 h, each followed by a neutral diffusion. The boosts hold the surface at saturation
// whatever the gas stage left there, so β and the offset, which act only in the gas stage, move
// the final profile little, and both in the same way.
ProcessRecord lowPressureRun(double beta, double offset, double gasHours) {
    const StageCondition boosting{SurfaceCondition::Boost, {}};
    const StageCondition neutral{SurfaceCondition::Neutral, {}};
    const double g = gasHours;
    return asWritten(stagedProcess(0.2, beta,
                                   {{0, 920, 1.0 + offset},
                                    {g, 920, 1.0 + offset},
                                    {g + 0.1, 920, 1.0, boosting},
                                    {g + 0.5, 920, 1.0, neutral},
                                    {g + 0.6, 920, 1.0, boosting},
                                    {g + 1.0, 920, 1.0, neutral},
                                    {g + 1.1, 920, 1.0, boosting},
                                    {g + 2.5, 920, 1.0, neutral}}));
}

// The final profile of `process` at 20 depths to 1 mm, with uniform noise of `amplitude`.
MeasuredProfile measuredFrom(const ProcessRecord& process, MeasuredQuantity quantity,
                             double amplitude = 0) {
    constexpr double deepest = 1.0; // mm
    NoProgress progress;
    const TrialResult run = runTrial(process, 0.35, progress);
    EXPECT_EQ(run.outcome.status, RunStatus::Finished);
    std::mt19937 random(18);
    std::uniform_real_distribution<double> error(-amplitude, amplitude);
    const std::string_view grade =
        steelGrade(std::vector<double>(process.data.alloy.begin(), process.data.alloy.end()));
    MeasuredProfile measured;
    measured.quantity = quantity;
    for (int point = 1; point <= 20; ++point) {
        const double depth = deepest * point / 20;
        const double carbon =
            profileValueAt(run.depth, run.carbon, depth).value_or(process.data.steelCarbon) +
            error(random);
        measured.depth.push_back(depth);
        measured.value.push_back(quantity == MeasuredQuantity::Carbon ? carbon
                                                                      : hardness(grade, carbon));
    }
    return measured;
}

struct RecoveryCase {
    const char* name;
    FittedValues values;
    MeasuredQuantity quantity;
    double beta;    // cm/s, of the measured profile
    double offset;  // % C, of the measured profile's potentials against the process data's
    double diffuse; // % C, the second potential
    double noise;   // % C
};

void PrintTo(const RecoveryCase& row, std::ostream* out) {
    *out << row.name;
}

class Recovery : public testing::TestWithParam<RecoveryCase> {};

} // namespace

TEST_P(Recovery, FindsTheValuesTheProfileWasComputedWith) {
    const RecoveryCase& row = GetParam();
    const MeasuredProfile measured =
        measuredFrom(furnaceRun(row.beta, row.offset, row.diffuse), row.quantity, row.noise);
    const ProcessRecord given = furnaceRun(2e-5, 0, row.diffuse);
    NoProgress progress;
    const ProfileFitResult fit = fitProfile(given, measured, row.values, progress);
    ASSERT_EQ(fit.status, ProfileFitResult::Status::Fitted) << fit.reason;

    EXPECT_NEAR(fit.beta / row.beta, 1, betaTolerance) << fit.beta;
    EXPECT_EQ(fit.fitted.data.transferCoefficient, fit.beta);
    EXPECT_GT(fit.betaUncertainty, 0);
    ASSERT_EQ(fit.offset.has_value(), row.values == FittedValues::BetaAndPotential);
    if (fit.offset) {
        EXPECT_NEAR(*fit.offset, row.offset, offsetTolerance);
        EXPECT_NEAR(fit.fitted.data.potentials[0], boost + *fit.offset, 1e-12);
    }
    EXPECT_LT(fit.rmsAfter, fit.rmsBefore);
    if (row.quantity == MeasuredQuantity::Carbon) {
        EXPECT_LT(fit.rmsAfter, row.noise + 0.002);
        EXPECT_EQ(fit.used, 20u);
    } else {
        // A surface at 0.8–1.0 % C is softened by retained austenite: its points are left out.
        EXPECT_GT(fit.nearSurface, 0u);
        EXPECT_EQ(fit.used + fit.nearSurface, 20u);
    }
    EXPECT_GT(fit.trials, 3);
    EXPECT_EQ(progress.last, 100);
    EXPECT_FALSE(fit.betaUndetermined);
    EXPECT_FALSE(fit.offsetUndetermined);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFit, Recovery,
    testing::Values(
        RecoveryCase{"Beta", FittedValues::Beta, MeasuredQuantity::Carbon, 1e-5, 0, diffuse, 0},
        RecoveryCase{"BetaWithNoise", FittedValues::Beta, MeasuredQuantity::Carbon, 1e-5, 0,
                     diffuse, noise},
        RecoveryCase{"BetaAndOffset", FittedValues::BetaAndPotential, MeasuredQuantity::Carbon,
                     8e-6, 0.08, diffuse, 0},
        RecoveryCase{"BetaAndNegativeOffset", FittedValues::BetaAndPotential,
                     MeasuredQuantity::Carbon, 3e-5, -0.06, diffuse, 0},
        // Without diffusion the surface stays above the carbon of the hardest martensite.
        RecoveryCase{"BetaFromHardness", FittedValues::Beta, MeasuredQuantity::Hardness, 1e-5, 0,
                     boost, 0},
        RecoveryCase{"BetaFromHardnessWithOffset", FittedValues::BetaAndPotential,
                     MeasuredQuantity::Hardness, 1e-5, 0.05, boost, 0}),
    [](const auto& row) { return std::string(row.param.name); });

// Both values raise the carbon a sample takes up, so scatter in the points moves them together:
// from 20 points with ±0.01 % C of noise, β is determined to some 4 % and the offset to some
// 0.006 % C (one standard error). What the fit must do then is say so: the values it was
// computed with lie within three of the standard errors it reports.
TEST(ProfileFit, BetaAndOffsetFromNoisyPointsLieWithinTheirUncertainty) {
    const double beta = 8e-6, offset = -0.06;
    const MeasuredProfile measured =
        measuredFrom(furnaceRun(beta, offset), MeasuredQuantity::Carbon, noise);
    NoProgress progress;
    const ProfileFitResult fit =
        fitProfile(furnaceRun(2e-5, 0), measured, FittedValues::BetaAndPotential, progress);
    ASSERT_EQ(fit.status, ProfileFitResult::Status::Fitted) << fit.reason;
    EXPECT_LT(std::fabs(fit.beta - beta), 3 * fit.betaUncertainty);
    EXPECT_LT(fit.betaUncertainty, 0.1 * beta);
    EXPECT_LT(std::fabs(*fit.offset - offset), 3 * *fit.offsetUncertainty);
    EXPECT_LT(*fit.offsetUncertainty, 0.02);
    EXPECT_LT(fit.rmsAfter, noise);
    EXPECT_FALSE(fit.betaUndetermined);
    EXPECT_FALSE(fit.offsetUndetermined);
}

namespace {

struct RefusalCase {
    const char* name;
    ProcessRecord process;
    MeasuredProfile measured;
    FittedValues values;
    const char* reason; // words the reason must hold
};

void PrintTo(const RefusalCase& row, std::ostream* out) {
    *out << row.name;
}

class Refusal : public testing::TestWithParam<RefusalCase> {};

ProcessRecord boostsOnly() {
    ProcessRecord process = furnaceRun(1e-5, 0);
    const StageCondition boostStage{SurfaceCondition::Boost, {}};
    process.data.conditions = {StageCondition{}, boostStage, boostStage};
    return process;
}

MeasuredProfile points(MeasuredQuantity quantity, std::vector<double> depth,
                       std::vector<double> value) {
    return MeasuredProfile{quantity, {}, std::move(depth), std::move(value)};
}

} // namespace

TEST_P(Refusal, SaysWhyAndGivesNoValues) {
    NoProgress progress;
    const ProfileFitResult fit =
        fitProfile(GetParam().process, GetParam().measured, GetParam().values, progress);
    EXPECT_EQ(fit.status, ProfileFitResult::Status::Refused);
    EXPECT_NE(fit.reason.find(GetParam().reason), std::string::npos) << fit.reason;
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFit, Refusal,
    testing::Values(
        RefusalCase{"TwoPoints", furnaceRun(1e-5, 0),
                    points(MeasuredQuantity::Carbon, {0.1, 0.3}, {0.9, 0.6}), FittedValues::Beta,
                    "needs at least 3"},
        RefusalCase{"PointsBeyondThePlate", furnaceRun(1e-5, 0, diffuse, SampleShape::Plate, 1.0),
                    points(MeasuredQuantity::Carbon, {0.1, 0.3, 0.6, 0.8}, {0.9, 0.6, 0.3, 0.3}),
                    FittedValues::Beta, "2 beyond the middle of the sample"},
        RefusalCase{"HardnessOfAFoil", furnaceRun(1e-5, 0, diffuse, SampleShape::Foil, 0.05),
                    points(MeasuredQuantity::Hardness, {0.01, 0.02, 0.03}, {700, 700, 700}),
                    FittedValues::Beta, "no hardness profile"},
        // A sample that took up no carbon: β would have to be smaller than any furnace's.
        RefusalCase{"NothingTakenUp", furnaceRun(1e-5, 0),
                    points(MeasuredQuantity::Carbon, {0.1, 0.2, 0.3, 0.5}, {0.2, 0.2, 0.2, 0.2}),
                    FittedValues::Beta, "below 1e-07 cm/s"},
        // With the offset, β keeps to what furnaces have: a profile of a slower one is no
        // minimum of the two, whatever offset would mimic it.
        RefusalCase{"BetaWithOffsetBelowFurnaces", furnaceRun(1e-5, 0),
                    measuredFrom(furnaceRun(3e-7, 0), MeasuredQuantity::Carbon),
                    FittedValues::BetaAndPotential, "below 1e-06 cm/s"},
        RefusalCase{"ProbeFarOff", furnaceRun(1e-5, 0),
                    measuredFrom(furnaceRun(1e-5, 0.45), MeasuredQuantity::Carbon),
                    FittedValues::BetaAndPotential, "offset lies beyond 0.3 % C"},
        // The offset barely moves a profile that boosts made: scatter in the points drives it
        // along the valley of the sum to its bound, which the fit must not give as a value.
        RefusalCase{"LowPressureOffsetOnItsBound", lowPressureRun(2e-5, 0, 0.3),
                    measuredFrom(lowPressureRun(5e-6, 0.1, 0.3), MeasuredQuantity::Hardness, 0.005),
                    FittedValues::BetaAndPotential, "offset lies beyond -0.3 % C"},
        RefusalCase{"OffsetWithoutGasStages", boostsOnly(),
                    points(MeasuredQuantity::Carbon, {0.1, 0.2, 0.3}, {0.9, 0.7, 0.5}),
                    FittedValues::BetaAndPotential, "no gas stage"},
        RefusalCase{"ProcessOutOfRange", furnaceRun(0, 0),
                    points(MeasuredQuantity::Carbon, {0.1, 0.2, 0.3}, {0.9, 0.7, 0.5}),
                    FittedValues::Beta, "transfer"}),
    [](const auto& row) { return std::string(row.param.name); });

namespace {

struct NoteCase {
    const char* name;
    FittedValues values;
    double gasHours; // of the low-pressure programme
    double noise;    // % C
    bool betaUndetermined, offsetUndetermined;
};

void PrintTo(const NoteCase& row, std::ostream* out) {
    *out << row.name;
}

class UndeterminedValue : public testing::TestWithParam<NoteCase> {};

} // namespace

// A value the measurement hardly changes is still the least-squares one, but its standard error
// must mark it as not determined; one the measurement pins down must not be marked.
TEST_P(UndeterminedValue, IsMarkedByItsStandardError) {
    const NoteCase& row = GetParam();
    const MeasuredProfile measured =
        measuredFrom(lowPressureRun(5e-6, 0, row.gasHours), MeasuredQuantity::Carbon, row.noise);
    NoProgress progress;
    const ProfileFitResult fit =
        fitProfile(lowPressureRun(5e-6, 0, row.gasHours), measured, row.values, progress);
    ASSERT_EQ(fit.status, ProfileFitResult::Status::Fitted) << fit.reason;
    EXPECT_EQ(fit.betaUndetermined, row.betaUndetermined) << fit.betaUncertainty / fit.beta;
    EXPECT_EQ(fit.offsetUndetermined, row.offsetUndetermined) << fit.offsetUncertainty.value_or(0);
    EXPECT_EQ(fit.betaUndetermined, fit.betaUncertainty > fit.beta);
    if (fit.offset) {
        EXPECT_EQ(fit.offsetUndetermined, *fit.offsetUncertainty > largestPotentialOffset);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFit, UndeterminedValue,
    testing::Values(
        // A gas stage of 0.2 h leaves its mark on the profile: β to some 10 %.
        NoteCase{"BetaFromALongerGasStage", FittedValues::Beta, 0.2, 0.005, false, false},
        // One of 3 minutes hardly does: one standard error is ten times β.
        NoteCase{"BetaFromAShortGasStage", FittedValues::Beta, 0.05, 0.01, true, false},
        // With the offset, only their combination shows: neither value is determined.
        NoteCase{"OffsetFromAShortGasStage", FittedValues::BetaAndPotential, 0.05, 0.005, true,
                 true}),
    [](const auto& row) { return std::string(row.param.name); });

// A furnace whose transfer is so fast that the surface follows the atmosphere: the profile
// fixes the probe's error but not β, whose sum of squares keeps falling to its upper bound. The
// fit says so and still gives the offset and the programme.
TEST(ProfileFit, AFlatValleyGivesTheOffsetAndAFloorForBeta) {
    const MeasuredProfile measured =
        measuredFrom(furnaceRun(2 * highestFittedBeta, 0.1), MeasuredQuantity::Carbon);
    NoProgress progress;
    const ProfileFitResult fit =
        fitProfile(furnaceRun(2e-5, 0), measured, FittedValues::BetaAndPotential, progress);
    ASSERT_EQ(fit.status, ProfileFitResult::Status::Fitted) << fit.reason;
    ASSERT_TRUE(fit.betaAtLeast);
    EXPECT_GT(*fit.betaAtLeast, 1e-5);
    EXPECT_LT(*fit.betaAtLeast, highestFittedBeta);
    EXPECT_LE(*fit.betaAtLeast, fit.beta);
    ASSERT_TRUE(fit.offset);
    EXPECT_NEAR(*fit.offset, 0.1, offsetTolerance);
    EXPECT_FALSE(fit.offsetUncertainty);
    EXPECT_NEAR(fit.fitted.data.potentials[0], boost + *fit.offset, 1e-12);
    EXPECT_EQ(fit.fitted.data.transferCoefficient, fit.beta);
    EXPECT_LT(fit.rmsAfter, 0.002);
    const std::string note = betaFloorNote(fit);
    EXPECT_EQ(note.rfind("β ≥ ", 0), 0U) << note;
    EXPECT_NE(note.find("is set by the profile"), std::string::npos) << note;
}

// A boost stage holds the surface at saturation whatever the probe says: the offset moves only
// the potentials that the gas stages ramp between.
TEST(ProfileFit, TheOffsetMovesOnlyTheGasPotentials) {
    auto withBoostFirst = [](double beta, double offset) {
        ProcessRecord process = furnaceRun(beta, 0);
        process.data.conditions = {StageCondition{}, StageCondition{SurfaceCondition::Boost, {}},
                                   StageCondition{}};
        process.data.potentials[2] += offset;
        process.data.potentials[1] += offset; // the diffuse stage ramps from row 2's potential
        return process;
    };
    const MeasuredProfile measured =
        measuredFrom(withBoostFirst(1e-5, 0.04), MeasuredQuantity::Carbon);
    NoProgress progress;
    const ProfileFitResult fit =
        fitProfile(withBoostFirst(2e-5, 0), measured, FittedValues::BetaAndPotential, progress);
    ASSERT_EQ(fit.status, ProfileFitResult::Status::Fitted) << fit.reason;
    EXPECT_NEAR(*fit.offset, 0.04, offsetTolerance);
    EXPECT_EQ(fit.fitted.data.potentials[0], boost) << "only the boost stage starts here";
    EXPECT_NEAR(fit.fitted.data.potentials[2], diffuse + *fit.offset, 1e-12);
}

TEST(ProfileFit, ACancelStopsTheFit) {
    struct CancelAtOnce : RunObserver {
        void setProgress(int) override {}
        bool cancelRequested() override { return true; }
    } cancel;
    const ProfileFitResult fit =
        fitProfile(furnaceRun(1e-5, 0), measuredFrom(furnaceRun(1e-5, 0), MeasuredQuantity::Carbon),
                   FittedValues::Beta, cancel);
    EXPECT_EQ(fit.status, ProfileFitResult::Status::Cancelled);
    EXPECT_EQ(fit.trials, 1);
}

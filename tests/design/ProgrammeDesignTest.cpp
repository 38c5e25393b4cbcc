// Designed programmes, computed as ordinary runs, meet their targets; impossible targets are
// refused with their reason.

#include "ProgrammeDesign.h"
#include "Computation.h"
#include "FoilFit.h"
#include "ProcessCheck.h"
#include "ProfileMeasures.h"
#include "ResultStreams.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

ProcessRecord steel(SampleShape shape, double thickness) {
    ProcessRecord process = shaped(constantStage(1, 920, 1.0), shape, thickness);
    process.data.alloy = {1.1, 0, 1.2, 0.25, 0};
    return process;
}

DesignRequest request(SampleShape shape, double thickness, double depth,
                      std::optional<double> surface, bool hardening) {
    DesignRequest r;
    r.steel = steel(shape, thickness);
    r.celsius = 920;
    r.boost = 1.15;
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
    std::optional<double> surface;
    bool hardening;
};

void PrintTo(const RoundTripCase& row, std::ostream* out) {
    *out << row.name;
}

const RoundTripCase roundTrips[] = {
    {"SemiInfiniteBoost", SampleShape::SemiInfinite, unfilledValue, 0.8, std::nullopt, false},
    {"SemiInfiniteBoostHardening", SampleShape::SemiInfinite, unfilledValue, 0.8, std::nullopt,
     true},
    {"SemiInfiniteDiffuse", SampleShape::SemiInfinite, unfilledValue, 1.0, 0.8, false},
    {"SemiInfiniteDiffuseHardening", SampleShape::SemiInfinite, unfilledValue, 1.0, 0.8, true},
    {"PlateBoost", SampleShape::Plate, 4, 0.6, std::nullopt, false},
    {"PlateDiffuseHardening", SampleShape::Plate, 4, 0.7, 0.75, true},
    {"CylinderBoostHardening", SampleShape::Cylinder, 30, 0.9, std::nullopt, true},
    {"CylinderDiffuse", SampleShape::Cylinder, 10, 0.8, 0.8, false},
};

class DesignRoundTrip : public testing::TestWithParam<RoundTripCase> {};

} // namespace

TEST_P(DesignRoundTrip, TheWrittenProgrammeMeetsItsTargets) {
    const RoundTripCase& row = GetParam();
    const DesignRequest wanted =
        request(row.shape, row.thickness, row.depth, row.surface, row.hardening);
    NoProgress progress;
    const DesignResult design = designProgramme(wanted, progress);
    ASSERT_EQ(design.status, DesignResult::Status::Designed) << design.reason;
    EXPECT_TRUE(design.depthMet && design.surfaceMet);
    const std::vector<double>& times = design.programme.data.times;
    EXPECT_EQ(times.size(), (row.surface ? 4u : 2u) + (row.hardening ? 1u : 0u));

    // Stage times are whole timer steps.
    for (std::size_t k = 0; k < times.size(); ++k) {
        const double steps = times[k] / wanted.step;
        if (!(row.hardening && k == times.size() - 1)) {
            EXPECT_NEAR(steps, std::round(steps), 1e-6) << "row " << k + 1;
        }
    }

    // The file passes the batch run's checks, and computed as any file meets the targets.
    TempFolder folder;
    const auto path = folder.file("designed.tav");
    const std::string text = processDataText(design.programme);
    EXPECT_TRUE(readCheckedProcessHead(text).head.has_value());
    ResultStreams streams;
    ASSERT_EQ(writeAndRun(path, design.programme, streams).status, RunStatus::Finished);
    const double depth = lastRow(folder.file("designed.gru"))[2];
    EXPECT_NEAR(depth, design.depth, 1e-3) << "the design reports what the run computes";
    EXPECT_NEAR(depth, row.depth, std::max(depthTolerance * row.depth, minDepthTolerance));
    if (row.surface) {
        const double surface = lastRow(folder.file("designed.pow"))[1];
        EXPECT_NEAR(surface, design.surface, 1e-3);
        EXPECT_GE(surface, *row.surface - 1e-4);
        EXPECT_LE(surface, *row.surface + surfaceTolerance + 1e-4);
    }
}

INSTANTIATE_TEST_SUITE_P(ThickShapes, DesignRoundTrip, testing::ValuesIn(roundTrips),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Design, ADeeperCaseNeedsALongerProgramme) {
    NoProgress progress;
    double previous = 0;
    for (double depth : {0.4, 0.8, 1.2}) {
        const DesignResult design = designProgramme(
            request(SampleShape::SemiInfinite, unfilledValue, depth, 0.8, false), progress);
        ASSERT_EQ(design.status, DesignResult::Status::Designed) << design.reason;
        const double length = design.programme.data.times.back();
        EXPECT_GT(length, previous) << depth << " mm";
        previous = length;
    }
}

namespace {

struct RefusalCase {
    const char* name;
    DesignRequest request;
    const char* named; // the start of the reason: the target refused
    // Refused for input wrong in itself, Unreachable for sound targets no programme meets
    DesignResult::Status status = DesignResult::Status::Unreachable;
};

void PrintTo(const RefusalCase& row, std::ostream* out) {
    *out << row.name;
}

DesignRequest changed(DesignRequest r, void (*change)(DesignRequest&)) {
    change(r);
    return r;
}

const DesignRequest base = request(SampleShape::SemiInfinite, unfilledValue, 1.0, 0.8, false);

class DesignRefusal : public testing::TestWithParam<RefusalCase> {};

} // namespace

TEST_P(DesignRefusal, NamesTheTargetAndWhy) {
    NoProgress progress;
    const DesignResult design = designProgramme(GetParam().request, progress);
    EXPECT_EQ(design.status, GetParam().status) << design.reason;
    EXPECT_EQ(design.reason.rfind(GetParam().named, 0), 0u) << design.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Unreachable, DesignRefusal,
    testing::Values(
        RefusalCase{"Foil",
                    changed(base, [](DesignRequest& r) { r.steel.shape = SampleShape::Foil; }),
                    "sample shape Foil: design is for thick shapes", DesignResult::Status::Refused},
        RefusalCase{"Wire",
                    changed(base, [](DesignRequest& r) { r.steel.shape = SampleShape::Wire; }),
                    "sample shape Drut: design is for thick shapes", DesignResult::Status::Refused},
        RefusalCase{"SurfaceAtBoost", changed(base, [](DesignRequest& r) { r.surface = 1.15; }),
                    "surface target 1.15 % C: at or above the boost potential"},
        RefusalCase{"SurfaceBelowDiffuse", changed(base, [](DesignRequest& r) { r.diffuse = 0.9; }),
                    "surface target 0.8 % C: below the diffuse potential 0.9"},
        RefusalCase{"BeyondHalfThickness",
                    changed(base,
                            [](DesignRequest& r) {
                                r.steel.shape = SampleShape::Plate;
                                r.steel.thickness = 1.8;
                            }),
                    "case depth 1 mm: beyond the half-thickness 0.9 mm of the plate"},
        RefusalCase{"BeyondRadius",
                    changed(base,
                            [](DesignRequest& r) {
                                r.steel.shape = SampleShape::Cylinder;
                                r.steel.thickness = 2;
                            }),
                    "case depth 1 mm: beyond the radius 1 mm of the cylinder"},
        RefusalCase{"HardeningAloneDeeper",
                    changed(base,
                            [](DesignRequest& r) {
                                r.surface.reset();
                                r.depth = 0.1;
                                r.hardening = HardeningStage{860, 6};
                            }),
                    "case depth 0.1 mm: the hardening stage alone already gives"},
        RefusalCase{"NotWithin100Hours",
                    changed(base,
                            [](DesignRequest& r) {
                                r.surface.reset();
                                r.depth = 6;
                                r.celsius = 850;
                            }),
                    "case depth 6 mm: not reached within 100 h"},
        RefusalCase{"LevelAboveBoost", changed(base, [](DesignRequest& r) { r.level = 1.2; }),
                    "case depth level 1.2 % C: must lie between", DesignResult::Status::Refused},
        RefusalCase{"HarderThanTheSteelBecomes",
                    changed(base, [](DesignRequest& r) { r.hardnessLimit = 900; }),
                    "hardness limit 900 HV: must lie above the core's",
                    DesignResult::Status::Refused},
        RefusalCase{"HardnessDepthBeyondHalfThickness",
                    changed(base,
                            [](DesignRequest& r) {
                                r.steel.shape = SampleShape::Plate;
                                r.steel.thickness = 1.8;
                                r.hardnessLimit = 513;
                            }),
                    "case-hardening depth at 513 HV, 1 mm: beyond the half-thickness"},
        RefusalCase{"HardeningAboveCarburizing",
                    changed(base,
                            [](DesignRequest& r) {
                                r.hardening = HardeningStage{950, 0.5};
                            }),
                    "hardening temperature 950 °C: above the carburizing temperature 920 °C",
                    DesignResult::Status::Refused},
        RefusalCase{"DepthWithSurfaceNotWithin100Hours",
                    changed(base,
                            [](DesignRequest& r) {
                                r.depth = 4;
                                r.celsius = 880;
                            }),
                    "case depth 4 mm: not reached within 100 h of carburizing"}),
    [](const auto& param) { return std::string(param.param.name); });

// A programme found, but one target missed after rounding: the result says which and why.
TEST(DesignShortfall, BlamesTheHardeningStageThatPullsTheSurfaceDown) {
    const DesignRequest wanted = changed(base, [](DesignRequest& r) {
        r.depth = 0.5;
        r.diffuse = 0.7;
        r.hardening = HardeningStage{850, 2};
    });
    NoProgress progress;
    const DesignResult design = designProgramme(wanted, progress);
    ASSERT_EQ(design.status, DesignResult::Status::Designed) << design.reason;
    EXPECT_FALSE(design.surfaceMet);
    EXPECT_EQ(design.shortfall.rfind("surface target 0.8 % C: with the hardening stage (2 h down "
                                     "to 850 °C at 0.7 % C) the surface ends at 0.6",
                                     0),
              0u)
        << design.shortfall;
}

namespace {

struct FitCase {
    const char* name;
    SampleShape shape;
    double thickness; // mm
    double seconds;
    double beta; // cm/s that produced the measurement
};

void PrintTo(const FitCase& row, std::ostream* out) {
    *out << row.name;
}

class FoilTest : public testing::TestWithParam<FitCase> {};

} // namespace

TEST_P(FoilTest, GivesBackTheCoefficientOfAComputedMeasurement) {
    const FitCase& row = GetParam();
    ProcessRecord test =
        shaped(constantStage(row.seconds, 920, 1.0, 0.1, row.beta), row.shape, row.thickness);
    NoProgress progress;
    const TrialResult measured = runTrial(asWritten(test), 0.35, progress);
    ASSERT_EQ(measured.outcome.status, RunStatus::Finished);
    const double carbon = 0.1 + measured.meanIncrease;

    test.data.transferCoefficient = 2e-5; // what the file held before the test
    const FoilFitResult fit = fitTransferCoefficient(test, carbon, progress);
    ASSERT_EQ(fit.status, FoilFitResult::Status::Fitted) << fit.reason;
    EXPECT_NEAR(fit.beta, row.beta, 0.005 * row.beta);
    EXPECT_NEAR(fit.meanCarbon, carbon, 1e-3);
    EXPECT_LE(fit.uniformBeta, fit.beta * 1.001) << "the uniform formula reads low";
}

INSTANTIATE_TEST_SUITE_P(ThinShapes, FoilTest,
                         testing::Values(FitCase{"Foil", SampleShape::Foil, 0.05, 120, 2e-5},
                                         FitCase{"ThickFoilSlowFurnace", SampleShape::Foil, 0.1,
                                                 600, 8e-6},
                                         FitCase{"Wire", SampleShape::Wire, 0.08, 60, 5e-5}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(FoilTestRefusal, MeasurementsNoCoefficientGives) {
    // Too short for the carbon to cross the foil however fast the furnace delivers it.
    const ProcessRecord test =
        shaped(constantStage(5, 920, 1.0, 0.1, 2e-5), SampleShape::Foil, 0.07);
    NoProgress progress;
    for (const auto& [carbon, reason] :
         {std::pair{0.1, "measured carbon 0.1 % C: at or below the steel's"},
          std::pair{1.0, "measured carbon 1 % C: above what an unbounded"},
          std::pair{0.9, "measured carbon 0.9 % C: above what an unbounded"}}) {
        const FoilFitResult fit = fitTransferCoefficient(test, carbon, progress);
        EXPECT_EQ(fit.status, FoilFitResult::Status::Refused) << carbon;
        EXPECT_EQ(fit.reason.rfind(reason, 0), 0u) << fit.reason;
    }
    EXPECT_EQ(fitTransferCoefficient(shaped(test, SampleShape::Plate, 0.07), 0.5, progress).status,
              FoilFitResult::Status::Refused);
}

namespace {

struct HardnessTargetCase {
    const char* name;
    SampleShape shape;
    double thickness; // mm
    double chd;       // mm
    double limit;     // HV
    std::optional<double> surface;
};

void PrintTo(const HardnessTargetCase& row, std::ostream* out) {
    *out << row.name;
}

class HardnessTarget : public testing::TestWithParam<HardnessTargetCase> {};

} // namespace

// The depth a drawing names is read from the hardness file of the designed set, as a viewer or
// an engineer reads it.
TEST_P(HardnessTarget, TheWrittenProgrammeHasTheCaseHardeningDepth) {
    const HardnessTargetCase& row = GetParam();
    DesignRequest wanted = request(row.shape, row.thickness, row.chd, row.surface, false);
    wanted.hardnessLimit = row.limit;
    NoProgress progress;
    const DesignResult design = designProgramme(wanted, progress);
    ASSERT_EQ(design.status, DesignResult::Status::Designed) << design.reason;
    EXPECT_TRUE(design.depthMet && design.surfaceMet) << design.shortfall;

    TempFolder folder;
    ResultStreams streams;
    ASSERT_EQ(writeAndRun(folder.file("designed.tav"), design.programme, streams).status,
              RunStatus::Finished);
    const ProfileBlock hardness = lastBlock(folder.file("designed.twa"));
    const std::optional<double> chd = hardnessCaseDepth(hardness.x, hardness.y, row.limit);
    ASSERT_TRUE(chd);
    // The file keeps three digits of HV, which moves the depth by micrometres.
    EXPECT_NEAR(*chd, design.depth, 2e-3) << "the design reports what the run computes";
    EXPECT_NEAR(*chd, row.chd, std::max(depthTolerance * row.chd, minDepthTolerance) + 2e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Design, HardnessTarget,
    testing::Values(HardnessTargetCase{"SemiInfinite550", SampleShape::SemiInfinite, unfilledValue,
                                       0.8, 550, std::nullopt},
                    HardnessTargetCase{"SemiInfinite50HrcDiffuse", SampleShape::SemiInfinite,
                                       unfilledValue, 0.8, 513, 0.8},
                    HardnessTargetCase{"Plate550", SampleShape::Plate, 4, 0.6, 550, std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

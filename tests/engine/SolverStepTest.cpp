#include "Drut.h"
#include "Folia.h"
#include "Parametry.h"
#include "Plyta.h"
#include "ResultRecorder.h"
#include "ResultStreams.h"
#include "RunFixture.h"
#include "Walec.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Sample {
    TempFolder folder;
    std::unique_ptr<Parametry> p;
    ResultStreams streams;
    std::unique_ptr<Gruba> solver;
};

std::unique_ptr<Sample> sample(const char* shape, ProcessRecord process,
                               double thickness = unfilledValue) {
    auto made = std::make_unique<Sample>();
    const auto path = made->folder.file("step.tav");
    EXPECT_TRUE(writeProcessData(path.string(), shaped(process, *shapeFromLine(shape), thickness)));
    made->p = std::make_unique<Parametry>(path.string());
    const std::string name = path.string();
    const std::string_view kind = shape;
    if (kind == "Plate")
        made->solver = std::make_unique<Plyta>(*made->p);
    else if (kind == "Foil")
        made->solver = std::make_unique<Folia>(*made->p);
    else if (kind == "Cylinder")
        made->solver = std::make_unique<Walec>(*made->p);
    else if (kind == "Drut")
        made->solver = std::make_unique<Drut>(*made->p);
    else
        made->solver = std::make_unique<Gruba>(*made->p);
    return made;
}

// The change tests of the sample's recorder, over streams that were never opened.
std::unique_ptr<ResultRecorder> recorderOf(Sample& made) {
    return made.solver->recorder(made.folder.file("step.tav").string(), made.streams);
}

class EverySolver : public testing::TestWithParam<const char*> {};

} // namespace

TEST(SolverStep, WorkedFirstStepOfTheSemiInfiniteSample) {
    const auto made = sample("Semi-infinitive sample", constantStage(4, 900, 1.0));
    Gruba& solver = *made->solver;
    Furnace furnace{1173, 1.0};
    solver.oblD(furnace);
    for (double d : solver.diffusivities())
        EXPECT_NEAR(d, 6.847, 0.0005);
    solver.oblKr(furnace);
    EXPECT_NEAR(solver.transferCoefficient(), 0.2, 1e-12);
    EXPECT_NEAR(furnace.timeStep, 1.633, 0.0005);
    solver.obl(furnace);
    const auto& c = solver.carbon();
    EXPECT_NEAR(c[0], 0.6640, 0.00005);
    EXPECT_NEAR(c[1], 0.2554, 0.00005);
    for (std::size_t i = 2; i < c.size(); ++i)
        EXPECT_EQ(c[i], 0.2) << "node " << i;
}

TEST(SolverStep, NoFluxWhenTheAtmosphereMatchesTheSurface) {
    const auto made = sample("Semi-infinitive sample", constantStage(4, 900, 0.2));
    Furnace furnace{1173, 0.2};
    made->solver->oblD(furnace);
    made->solver->oblKr(furnace);
    made->solver->c0(furnace);
    EXPECT_EQ(made->solver->carbon()[0], made->solver->carbon()[2]);
    // ratio (p + 0.1)/(p + 0.15) at p = c1 = 0.2
    const double h1 = made->solver->widths()[1];
    const double d1 = made->solver->diffusivities()[1];
    EXPECT_DOUBLE_EQ(furnace.timeStep, (0.3 / 0.35) * h1 * h1 / (2 * d1 + 0.2 * h1));
}

TEST_P(EverySolver, UniformSteelUnderItsOwnPotentialStaysUnchanged) {
    const auto made = sample(GetParam(), constantStage(600, 900, 0.2), 0.05);
    Furnace furnace{1173, 0.2};
    const std::vector<double> before = made->solver->carbon();
    made->solver->oblD(furnace);
    made->solver->oblKr(furnace);
    made->solver->obl(furnace);
    EXPECT_EQ(made->solver->carbon(), before);
    EXPECT_NEAR(made->solver->massGain(), 0, 1e-12);
}

TEST_P(EverySolver, ChangeTestsWaitWhileNothingMoves) {
    const auto made = sample(GetParam(), constantStage(600, 900, 0.2), 0.05);
    EXPECT_EQ(recorderOf(*made)->checkSurface(0), 5);
    // Thick samples have no mean carbon; thin ones have gained none yet.
    const std::string_view shape = GetParam();
    const bool thin = shape == "Foil" || shape == "Drut";
    EXPECT_EQ(made->solver->meanCarbon().has_value(), thin);
    EXPECT_NEAR(made->solver->meanCarbon().value_or(0), 0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(SolverStep, EverySolver,
                         testing::Values("Semi-infinitive sample", "Plate", "Foil", "Cylinder",
                                         "Drut"),
                         [](const testing::TestParamInfo<const char*>& row) {
                             std::string name = row.param;
                             return name.substr(0, name.find('-'));
                         });

TEST(SolverStep, PlateFollowsTheSemiInfiniteSampleUntilItsGridIsComplete) {
    const auto plate = sample("Plate", constantStage(4, 900, 1.0), 4);
    Gruba reference(*plate->p);
    Furnace furnace{1173, 1.0};
    while (plate->solver->carbon().size() < 33) {
        for (Gruba* solver : {plate->solver.get(), &reference}) {
            solver->oblD(furnace);
            solver->oblKr(furnace);
            solver->obl(furnace);
        }
        ASSERT_EQ(plate->solver->carbon(), reference.carbon());
    }
}

TEST(SolverStep, DepthAtALevel) {
    const auto made = sample("Semi-infinitive sample", constantStage(4, 900, 1.0, 0.5));
    const Gruba& solver = *made->solver;
    EXPECT_EQ(solver.oblGrub(0.4), solver.depths().back()) << "every node above the level";
    EXPECT_EQ(solver.oblGrub(0.6), 0) << "surface below the level";
    const auto wire = sample("Drut", constantStage(60, 900, 1.0, 0.5), 0.01);
    EXPECT_EQ(wire->solver->oblGrub(0.4), 0);
}

TEST(SolverStep, FirstCaseDepthAndMassChangesAreReported) {
    const auto made = sample("Semi-infinitive sample", constantStage(4, 900, 1.0));
    Gruba& solver = *made->solver;
    Furnace furnace{1173, 1.0};
    for (int step = 0; step < 200; ++step) {
        solver.oblD(furnace);
        solver.oblKr(furnace);
        solver.obl(furnace);
    }
    ASSERT_GT(solver.oblGrub(0.4), 0);
    const auto recorder = recorderOf(*made);
    EXPECT_EQ(recorder->checkMassDepth(1), 20);
    EXPECT_EQ(recorder->checkSurface(1), 0) << "surface moved from the steel's carbon";
    EXPECT_EQ(recorder->checkSurface(1), 5) << "and was written";
}

TEST(SolverStep, ThinSamplesTestOnlyTheirMass) {
    for (const char* shape : {"Foil", "Drut"}) {
        const auto made = sample(shape, constantStage(60, 900, 1.0), 0.02);
        Gruba& solver = *made->solver;
        Furnace furnace{1173, 1.0};
        solver.oblD(furnace);
        solver.oblKr(furnace);
        solver.obl(furnace);
        const auto recorder = recorderOf(*made);
        EXPECT_EQ(recorder->checkMassDepth(1), 10) << shape;
        EXPECT_EQ(recorder->checkMassDepth(1), 15) << shape;
        EXPECT_GT(solver.meanCarbon().value_or(0), 0) << shape;
    }
}

#include "Drut.h"
#include "Parametry.h"
#include "Plyta.h"
#include "RunFixture.h"
#include "Walec.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Widths and radii are sums of a few dozen products: rounding stays far below this.
constexpr double lengthTolerance = 1e-9; // µm

Parametry parametersFor(const TempFolder& folder, const ProcessRecord& process) {
    const auto path = folder.file("grid.tav");
    EXPECT_TRUE(writeProcessData(path.string(), process));
    return Parametry(path.string());
}

// Steps a solver at constant furnace conditions for `seconds`, as the run controller would.
void runFor(Gruba& solver, double seconds, double temperatureK, double potential) {
    Furnace furnace{temperatureK, potential};
    for (double t = 0; t < seconds;) {
        solver.oblD(furnace);
        solver.oblKr(furnace);
        t += furnace.timeStep;
        solver.obl(furnace);
    }
}

} // namespace

TEST(Grid, SemiInfiniteSampleStartsWithThirteenNodesAtTheSteelsCarbon) {
    TempFolder folder;
    const Parametry p = parametersFor(folder, constantStage(4, 900, 1.0));
    EXPECT_DOUBLE_EQ(p.grub, 5000);
    EXPECT_NEAR(p.h1, 9.906, 0.0005);
    const Gruba solver(p);
    ASSERT_EQ(solver.carbon().size(), 13u);
    for (double carbon : solver.carbon())
        EXPECT_EQ(carbon, 0.2);
    const auto& s = solver.depths();
    EXPECT_NEAR(s[1], 0, lengthTolerance);
    EXPECT_NEAR(s[2], 1.05 * p.h1, lengthTolerance);
    EXPECT_NEAR(s[0], -(p.h1 / 1.1 + p.h1) / 2, lengthTolerance);
}

TEST(Grid, PlateCentreNodeAndRefittedSurfaceCell) {
    TempFolder folder;
    const Parametry p =
        parametersFor(folder, shaped(constantStage(4, 900, 1.0), SampleShape::Plate, 4));
    EXPECT_DOUBLE_EQ(p.grub, 2000);
    EXPECT_EQ(p.N, 32);
    EXPECT_EQ(p.n, 12);
    EXPECT_NEAR(p.h1, 10.469, 0.0005);

    Plyta plate(p);
    EXPECT_EQ(plate.carbon().size(), 13u);
    runFor(plate, 4 * 3600, 1173, 1.0);
    ASSERT_EQ(plate.carbon().size(), 33u);
    EXPECT_NEAR(plate.depths()[32], p.grub, lengthTolerance);
}

TEST(Grid, ThinSamplesAreGriddedWholeFromTheStart) {
    TempFolder folder;
    for (SampleShape shape : {SampleShape::Foil, SampleShape::Wire}) {
        const Parametry p =
            parametersFor(folder, shaped(constantStage(600, 920, 1.0), shape, 0.05));
        EXPECT_EQ(p.n, p.N) << shapeName(shape);
        EXPECT_LE(p.h1, p.h1Limit) << shapeName(shape);
        EXPECT_DOUBLE_EQ(p.czas.back(), 600) << "times of thin samples stay in seconds";
    }
}

TEST(Grid, OneStageRowSizesTheSmallestGrid) {
    TempFolder folder;
    for (SampleShape shape :
         {SampleShape::Plate, SampleShape::Foil, SampleShape::Cylinder, SampleShape::Wire}) {
        const Parametry p =
            parametersFor(folder, stagedProcess(0.2, 2e-5, {{0, 900, 1.0}}, shape, 2));
        ASSERT_EQ(p.czas.size(), 1u);
        EXPECT_EQ(p.N, 12) << shapeName(shape);
        EXPECT_EQ(p.n, 12) << shapeName(shape);
        EXPECT_TRUE(std::isfinite(p.h1) && p.h1 > 0) << shapeName(shape);
    }
}

TEST(Grid, WireFacesCloseOnTheAxis) {
    TempFolder folder;
    const Parametry p =
        parametersFor(folder, shaped(constantStage(3600, 920, 1.0), SampleShape::Wire, 0.01));
    ASSERT_EQ(p.N, 12);
    const Drut wire(p);
    const auto& r = wire.faceRadii();
    const auto& h = wire.widths();
    ASSERT_EQ(wire.carbon().size(), 13u);
    ASSERT_EQ(r.size(), 14u);
    EXPECT_EQ(r[13], 0);
    EXPECT_NEAR(r[1], p.grub + h[1] / 2, lengthTolerance);
    EXPECT_NEAR(r[12], h[12] / 2, lengthTolerance);
}

TEST(Grid, CylinderGrowthKeepsFaceWidthsAndClosesOnTheAxis) {
    TempFolder folder;
    const Parametry p =
        parametersFor(folder, shaped(constantStage(8, 950, 1.2), SampleShape::Cylinder, 2));
    Walec cylinder(p);
    ASSERT_LT(cylinder.carbon().size(), static_cast<std::size_t>(p.N) + 1);
    runFor(cylinder, 8 * 3600, 1223, 1.2);
    const auto& r = cylinder.faceRadii();
    const auto& h = cylinder.widths();
    ASSERT_EQ(cylinder.carbon().size(), static_cast<std::size_t>(p.N) + 1);
    ASSERT_EQ(r.size(), cylinder.carbon().size() + 1);
    for (std::size_t i = 1; i + 1 < cylinder.carbon().size(); ++i)
        EXPECT_NEAR(r[i] - r[i + 1], h[i], 1e-6) << "cell " << i;
    EXPECT_EQ(r.back(), 0);
}

#include "HardnessReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

SteelChemistry steel8620() {
    SteelChemistry steel;
    steel.c = 0.20;
    steel.mn = 0.80;
    steel.si = 0.25;
    steel.ni = 0.55;
    steel.cr = 0.50;
    steel.mo = 0.20;
    return steel;
}

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(HardenabilityReport, GivesTheIdealCriticalDiameterInMillimetresAndInches) {
    // DI = 0.108 · 3.66664 · 1.175 · 1.19965 · 2.08 · 1.6 = 1.8577 in = 47.18 mm
    const std::string text = hardenabilityReport("s.tav", steel8620());
    EXPECT_TRUE(holds(text, "s.tav: ideal critical diameter 47.2 mm (1.86 in)\n")) << text;
    // Andrews: 539 − 84.6 − 24.32 − 9.735 − 6.05 − 1.5 = 412.8; at 0.8 % C 159.0
    EXPECT_TRUE(holds(text, "s.tav: Ms of the core 413 °C, of 0.8 % C 159 °C\n")) << text;
}

TEST(HardenabilityReport, GivesTheJominyCurveFrom1_5To50Millimetres) {
    const std::string text = hardenabilityReport("s.tav", steel8620());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 15 + 1) << text;
    EXPECT_TRUE(holds(text, "   1.5 mm  ")) << text;
    EXPECT_TRUE(holds(text, "    50 mm  ")) << text;
}

TEST(HardenabilityReport, NamesAnElementBeyondItsFactorsRange) {
    SteelChemistry steel = steel8620();
    steel.ni = 3.25;
    EXPECT_TRUE(holds(hardenabilityReport("s.tav", steel),
                      "s.tav: note: Ni 3.25 % is beyond the range of A255's factors (0-2 %): "
                      "taken as 2 %\n"));
}

TEST(HardnessReport, OfTheGradeCurvesIsTheCaseHardeningDepthAlone) {
    CaseHardness hardness;
    hardness.depth = {0, 500, 1000};
    hardness.hv = {700, 600, 500};
    EXPECT_EQ(hardnessReport("s.tav", hardness, 550),
              "s.tav: case-hardening depth 0.750 mm at 550 HV\n");
}

TEST(HardnessReport, OfTheQuenchAddsSurfaceCoreAusteniteAndMs) {
    CaseHardness hardness;
    hardness.fromQuench = true;
    hardness.depth = {0, 500, 1000};
    hardness.hv = {720, 600, 500};
    hardness.austenite = {11.66, 5, 1};
    hardness.coreHv = 380.4;
    hardness.surfaceMsC = 171.2;
    EXPECT_EQ(hardnessReport("s.tav", hardness, 650),
              "s.tav: case-hardening depth 0.292 mm at 650 HV\n"
              "s.tav: surface hardness 720 HV, core hardness 380 HV\n"
              "s.tav: retained austenite 11.7 % at the surface\n"
              "s.tav: Ms 171 °C at the surface\n");
}

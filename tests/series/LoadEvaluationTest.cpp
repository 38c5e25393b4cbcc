#include "LoadEvaluation.h"

#include "SetNames.h"
#include "SteelGrades.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Interpolation between short decimals, exact to a few ulps.
constexpr double tolerance = 1e-12;

TDblsArr arrayOf(std::initializer_list<double> values) {
    TDblsArr array;
    for (double value : values)
        array.append(value);
    return array;
}

// A semi-infinite load after 4 h: surface 0.95 % C, case depths 0.62/0.75/0.80 mm, the last
// hardness profile crossing 550 HV at 0.4 + 0.2 · 10/160 = 0.4125 mm, 180.4 g/m².
LoadedSet computedLoad(SampleShape shape = SampleShape::SemiInfinite, double thickness = 0) {
    LoadedSet set;
    set.name = (fs::temp_directory_path() / "load-evaluation-test.tav").string();
    set.process.status = FileStatus::Whole;
    set.process.series.steelCarbon = 0.2;
    set.process.series.alloy = {1.0, 0.2, 0.6, 0.3, 0};
    set.process.series.times = {0, 4};
    set.shapeStatus = FileStatus::Whole;
    set.shape = shape;
    set.thickness = thickness;
    set.carbon.status = FileStatus::Whole;
    set.carbon.series.addProfile(4, arrayOf({0, 0.2, 0.4, 0.6, 0.8, 1.0}),
                                 arrayOf({1.0, 0.8, 0.6, 0.45, 0.32, 0.25}));
    set.hardness.status = FileStatus::Whole;
    set.hardness.series.addProfile(2, arrayOf({0, 0.2}), arrayOf({700, 500}));
    set.hardness.series.addProfile(4, arrayOf({0, 0.2, 0.4, 0.6}), arrayOf({800, 700, 560, 400}));
    set.depths.status = FileStatus::Whole;
    set.depths.series = TGrubosc(3);
    const double first[] = {0.3, 0.4, 0.45};
    const double last[] = {0.62, 0.75, 0.80};
    set.depths.series.appendRow(2, first);
    set.depths.series.appendRow(4, last);
    set.surface.status = FileStatus::Whole;
    set.surface.series.append(0, 0.2);
    set.surface.series.append(4, 0.95);
    set.mass.status = FileStatus::Whole;
    set.mass.series.series.append(4, 180.4);
    return set;
}

std::vector<LimitCheck> checked(const LoadedSet& set, std::string_view requirements,
                                const FileSeries<TWyniki>& austenite = {}) {
    const SpecReading reading = parsePartSpecification(requirements);
    EXPECT_TRUE(reading.limits) << reading.problem;
    return checkLimits(set, austenite, reading.limits.value_or(std::vector<SpecLimit>{}));
}

struct DepthCase {
    const char* name;
    double level;
    std::optional<double> depth;
};

class CaseDepthOfALoad : public testing::TestWithParam<DepthCase> {};

} // namespace

TEST(LoadEvaluation, FiguresAreTheLastRowsAndTheLastProfiles) {
    const LoadFigures figures = loadFigures(computedLoad(), {});
    EXPECT_EQ(figures.surfaceCarbon, 0.95);
    EXPECT_EQ(figures.massGain, 180.4);
    EXPECT_EQ(figures.surfaceHardness, 800);
    // The core of a semi-infinite sample keeps the steel's own carbon.
    EXPECT_EQ(figures.coreHardness, hardness(steelGrade({1.0, 0.2, 0.6, 0.3, 0}), 0.2));
    EXPECT_FALSE(figures.retainedAustenite);
}

TEST(LoadEvaluation, APlateCarburizedThroughHasTheCarbonOfItsMiddleInItsCore) {
    // 2 mm thick: the profile is written to the middle, 1 mm from each face.
    const LoadFigures figures = loadFigures(computedLoad(SampleShape::Plate, 2.0), {});
    EXPECT_EQ(figures.coreHardness, hardness(steelGrade({1.0, 0.2, 0.6, 0.3, 0}), 0.25));
    // 4 mm: the profile ends at 1 mm, short of the middle, where the steel is as it was.
    const LoadFigures thick = loadFigures(computedLoad(SampleShape::Plate, 4.0), {});
    EXPECT_EQ(thick.coreHardness, hardness(steelGrade({1.0, 0.2, 0.6, 0.3, 0}), 0.2));
}

TEST_P(CaseDepthOfALoad, FromTheDepthFileAtItsLevelsElseFromTheLastProfile) {
    const Measure depth = caseDepthAt(computedLoad(), GetParam().level);
    ASSERT_EQ(depth.value.has_value(), GetParam().depth.has_value());
    if (depth.value) {
        EXPECT_NEAR(*depth.value, *GetParam().depth, tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(LoadEvaluation, CaseDepthOfALoad,
                         testing::Values(DepthCase{"At040", 0.40, 0.62},
                                         DepthCase{"At035", 0.35, 0.75},
                                         DepthCase{"At030", 0.30, 0.80},
                                         DepthCase{"At050", 0.50, 0.4 + 0.2 * (0.1 / 0.15)},
                                         DepthCase{"AboveTheSurface", 1.2, 0.0},
                                         DepthCase{"BelowTheDeepestPoint", 0.21, std::nullopt}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LoadEvaluation, CaseHardeningDepthOfTheLastHardnessProfile) {
    // The set has no process file to run again: its hardness file's last profile is taken.
    const LoadFigures set = loadFigures(computedLoad(), {});
    EXPECT_NEAR(*caseHardeningDepthAt(set, 550).value, 0.4 + 0.2 * 10 / 160, tolerance);
    // A case that never reaches the limit has no depth hardened to it.
    EXPECT_EQ(caseHardeningDepthAt(set, 900).value, 0.0);
    const Measure throughout = caseHardeningDepthAt(set, 300);
    EXPECT_FALSE(throughout.value);
    EXPECT_EQ(throughout.why, Unchecked::HardThroughout);
}

TEST(LoadEvaluation, EachLimitPassesFailsOrIsNotCheckedAndTheVerdictNamesThem) {
    const std::vector<LimitCheck> checks =
        checked(computedLoad(), "case-hardening depth: 0.80 .. 1.10 mm\n"
                                "case depth: 0.7 .. 0.8 mm at 0.35 % C\n"
                                "surface carbon: 0.70 .. 1.00 % C\n"
                                "surface hardness: >= 58 HRC\n"
                                "retained austenite: <= 20 %\n");
    ASSERT_EQ(checks.size(), 5u);
    EXPECT_EQ(checks[0].outcome, Outcome::Fail);
    EXPECT_EQ(checks[1].outcome, Outcome::Pass);
    EXPECT_EQ(checks[2].outcome, Outcome::Pass);
    EXPECT_EQ(checks[3].outcome, Outcome::Pass);
    EXPECT_EQ(checks[4].outcome, Outcome::NotChecked);
    EXPECT_EQ(checks[4].measure.why, Unchecked::NoRetainedAustenite);
    const Verdict verdict = verdictOf(checks);
    EXPECT_FALSE(verdict.holds());
    EXPECT_EQ(verdictLine(verdict),
              "fails: case-hardening depth at 550 HV; not checked: retained austenite");
}

TEST(LoadEvaluation, EveryLimitHeldIsAPass) {
    const Verdict verdict =
        verdictOf(checked(computedLoad(), "case-hardening depth: >= 0.4 mm at 550 HV\n"
                                          "mass gain: 150 .. 200 g/m2\n"));
    EXPECT_TRUE(verdict.holds());
    EXPECT_EQ(verdictLine(verdict), "every limit holds");
}

TEST(LoadEvaluation, ALimitIsJudgedOnTheValueAsTheRecordShowsIt) {
    LoadedSet set = computedLoad();
    set.surface.series.append(4.5, 1.0004); // shown as 1.000 % C
    EXPECT_EQ(checked(set, "surface carbon: 0.70 .. 1.00 % C")[0].outcome, Outcome::Pass);
    set.surface.series.append(5, 1.0006); // shown as 1.001 % C
    EXPECT_EQ(checked(set, "surface carbon: 0.70 .. 1.00 % C")[0].outcome, Outcome::Fail);
}

TEST(LoadEvaluation, AFoilHasNoHardnessToCheck) {
    LoadedSet foil = computedLoad(SampleShape::Foil, 0.05);
    const std::vector<LimitCheck> checks = checked(foil, "surface hardness: >= 58 HRC\n"
                                                         "case-hardening depth: >= 0.1 mm\n"
                                                         "case depth: >= 0.01 mm at 0.35 % C\n");
    for (const LimitCheck& check : checks)
        EXPECT_EQ(check.outcome, Outcome::NotChecked) << limitLabel(check.limit);
    EXPECT_EQ(checks[0].measure.why, Unchecked::NoHardness);
    EXPECT_EQ(checks[2].measure.why, Unchecked::NoCaseDepth);
    EXPECT_EQ(verdictLine(verdictOf(checks)),
              "every limit holds that was checked; not checked: surface hardness, "
              "case-hardening depth at 550 HV, case depth at 0.35 % C");
}

TEST(LoadEvaluation, RetainedAusteniteIsTheSurfaceValueOfTheLastProfileOfItsFile) {
    const LoadedSet set = computedLoad();
    const std::string path = resultFileName(set.name, "aus");
    {
        std::ofstream aus(path, std::ios::binary);
        aus << "-\"Austenit szczatkowy na przekroju warstwy,  mm  %\r\n"
               "\"  2\r\n,    0      8.5\r\n, 0.1      4.0\r\n"
               "\"  4.00000\r\n, 0.00000      11.7\r\n, 0.100000     6.0\r\n";
    }
    const FileSeries<TWyniki> austenite = readRetainedAustenite(set.name);
    fs::remove(path);
    EXPECT_EQ(austenite.status, FileStatus::Whole);
    EXPECT_EQ(loadFigures(set, austenite).retainedAustenite, 11.7);
    const std::vector<LimitCheck> checks = checked(set, "class: AMS 2759/7 class 1", austenite);
    EXPECT_EQ(checks[0].outcome, Outcome::Pass); // surface carbon 0.95 within 0.70 .. 1.00
    EXPECT_EQ(checks[1].outcome, Outcome::Fail); // 11.7 % above 10 %
    EXPECT_EQ(readRetainedAustenite(set.name).status, FileStatus::Missing); // removed again
}

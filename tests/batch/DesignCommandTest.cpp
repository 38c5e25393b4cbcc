// tavcalc --design, --fit-beta and --fit-profile: what they write, and what they refuse.

#include "BatchRun.h"
#include "CommandCall.h"
#include "DesignCommands.h"

#include "ClockTime.h"
#include "FileTable.h"
#include "ProcessCheck.h"
#include "ProfileFit.h"
#include "ProfileMeasures.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>
#include <vector>

namespace {

std::map<std::filesystem::path, std::string> contents(const TempFolder& folder) {
    std::map<std::filesystem::path, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("")))
        files[entry.path().filename()] = readText(entry.path());
    return files;
}

const std::string semiInfinite = "0.2\r\n2e-05\r\n\r\n1.1\r\n0\r\n1.2\r\n0.25\r\n0\r\n\r\n2\r\n"
                                 "0 920 1.15\r\n1 920 1.15\r\nSemi-infinitive sample\r\n";
const std::string plate = "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                          "0 920 1.1\r\n1 920 1.1\r\nPlate\r\n2\r\n";
// Low pressure: 3 minutes of gas, then three boosts each followed by a neutral diffusion.
const std::string lowPressure =
    "0.2\r\n5e-06\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n8\r\n0 920 1\r\n0.05 920 1\r\n"
    "0.15 920 1 boost\r\n0.55 920 1 neutral\r\n0.65 920 1 boost\r\n1.05 920 1 neutral\r\n"
    "1.15 920 1 boost\r\n2.55 920 1 neutral\r\nSemi-infinitive sample\r\n";
const std::string foil = "0.1\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                         "0 920 1\r\n120 920 1\r\nFoil\r\n0.05\r\n";

// The designed file is run as a set, which the in-use list lists while it runs.
class DesignCommand : public testing::Test {
protected:
    KeptInUseList inUseList_;
    TempFolder folder_;
};

} // namespace

TEST_F(DesignCommand, WritesAProgrammeTheBatchRunTakesAsAnyOther) {
    const auto path = folder_.file("part.tav");
    writeText(path, semiInfinite);
    ASSERT_EQ(call(runDesignCommand, {"--design", path.string(), "--depth", "0.6", "--surface",
                                      "0.8", "--hardening", "850", "--hardening-time", "0.5"}),
              0)
        << lastMessage;
    const auto designed = folder_.file("part-design.tav");
    EXPECT_EQ(readText(path), semiInfinite) << "the file designed from is left alone";
    EXPECT_EQ(contents(folder_).size(), 2u) << "only the programme is written";
    const HeadReading reading = readCheckedProcessHead(readText(designed));
    ASSERT_TRUE(reading.head) << reading.problem.rule;
    EXPECT_EQ(reading.head->data.times.size(), 5u);
    EXPECT_EQ(reading.head->data.temperatures.back(), 850);
    EXPECT_EQ(reading.head->data.alloy, (std::array<double, 5>{1.1, 0, 1.2, 0.25, 0}));
    EXPECT_EQ(call(runBatch, {"--run", designed.string()}), 0) << lastMessage;
}

struct RefusedCase {
    const char* name;
    const std::string* file;
    std::vector<std::string> options;
    const char* named;
};

void PrintTo(const RefusedCase& row, std::ostream* out) {
    *out << row.name;
}

class RefusedDesign : public DesignCommand, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedDesign, ExitsTwoAndWritesNothing) {
    const auto path = folder_.file("part.tav");
    writeText(path, *GetParam().file);
    const auto before = contents(folder_);
    std::vector<std::string> words{"--design", path.string()};
    words.insert(words.end(), GetParam().options.begin(), GetParam().options.end());
    EXPECT_EQ(call(runDesignCommand, words), 2);
    EXPECT_NE(lastMessage.find(GetParam().named), std::string::npos) << lastMessage;
    EXPECT_EQ(contents(folder_), before);
}

INSTANTIATE_TEST_SUITE_P(
    Unreachable, RefusedDesign,
    testing::Values(
        RefusedCase{"Foil", &foil, {"--depth", "0.01"}, "design is for thick shapes"},
        RefusedCase{"SurfaceAboveBoost",
                    &semiInfinite,
                    {"--depth", "1", "--surface", "1.2"},
                    "surface target 1.2 % C: at or above the boost potential 1.15"},
        RefusedCase{"DeeperThanHalfThePlate", &plate, {"--depth", "1"}, "beyond the half"},
        RefusedCase{"HardeningWithoutTime",
                    &semiInfinite,
                    {"--depth", "1", "--hardening", "850"},
                    "--hardening and --hardening-time go together"},
        RefusedCase{"Slow", &semiInfinite, {"--depth", "4", "--temperature", "800"}, "100 h"},
        RefusedCase{"ChdAndDepth",
                    &semiInfinite,
                    {"--chd", "0.7", "--depth", "1"},
                    "--chd takes the place of --depth and --level"},
        RefusedCase{"ChdLimitAlone",
                    &semiInfinite,
                    {"--depth", "1", "--chd-limit", "513"},
                    "--chd-limit needs --chd"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DesignCommand, DesignsForACaseHardeningDepth) {
    const auto path = folder_.file("part.tav");
    writeText(path, semiInfinite);
    const auto designed = folder_.file("chd.tav");
    ASSERT_EQ(call(runDesignCommand, {"--design", path.string(), "--chd", "0.7", "--chd-limit",
                                      "513", "-o", designed.string()}),
              0)
        << lastMessage;
    EXPECT_NE(lastOutput.find("achieved: case-hardening depth 0."), std::string::npos)
        << lastOutput;
    EXPECT_NE(lastOutput.find("at 513 HV (target 0.7 mm)"), std::string::npos) << lastOutput;
    const std::optional<ProcessRecord> head = readCheckedProcessHead(readText(designed)).head;
    ASSERT_TRUE(head.has_value());
    // The programme's length, as the file's last time says, in hours and on the clock.
    const double hours = head->data.times.back();
    char total[96];
    std::snprintf(total, sizeof total, "total process time: %g h (%s)\n", hours,
                  clockText(hours).c_str());
    EXPECT_NE(lastOutput.find(total), std::string::npos) << lastOutput;
}

TEST_F(DesignCommand, FitBetaWritesACopyWithTheCoefficient) {
    const auto path = folder_.file("test.tav");
    writeText(path, foil);
    const auto copy = folder_.file("fitted.tav");
    ASSERT_EQ(
        call(runFitCommand, {"--fit-beta", path.string(), "--carbon", "0.7", "-o", copy.string()}),
        0)
        << lastMessage;
    const HeadReading reading = readCheckedProcessHead(readText(copy));
    ASSERT_TRUE(reading.head);
    EXPECT_GT(reading.head->data.transferCoefficient, 2e-5) << "0.7 % C needs a faster furnace";
    EXPECT_EQ(reading.head->data.times, (std::vector<double>{0, 120}));
    EXPECT_EQ(readText(path), foil);

    EXPECT_EQ(call(runFitCommand, {"--fit-beta", path.string(), "--carbon", "0.05"}), 2);
    EXPECT_NE(lastMessage.find("at or below the steel's"), std::string::npos) << lastMessage;
}

namespace {

// What a spreadsheet with a decimal comma exports of the final profile of `process`, each
// point `scatter` % C off it, alternately up and down.
std::string measuredText(const ProcessRecord& process, double scatter = 0) {
    NoProgress progress;
    const TrialResult run = runTrial(process, 0.35, progress);
    std::string text = "# 20MnCr5, sample 7, spectrometer\r\ndepth_mm;carbon\r\n";
    for (int point = 1; point <= 12; ++point) {
        const double depth = 0.05 * point;
        char row[64];
        std::snprintf(row, sizeof row, "%.2f;%.4f\r\n", depth,
                      *profileValueAt(run.depth, run.carbon, depth) +
                          (point % 2 == 0 ? scatter : -scatter));
        std::replace(row, row + sizeof row, '.', ',');
        text += row;
    }
    return text;
}

} // namespace

TEST_F(DesignCommand, FitProfileWritesACopyWithTheFittedCoefficient) {
    const auto path = folder_.file("part.tav");
    writeText(path, semiInfinite);
    ProcessRecord measuredRun = readCheckedProcessHead(semiInfinite).head.value();
    measuredRun.data.transferCoefficient = 8e-6;
    const auto measured = folder_.file("traverse.csv");
    writeText(measured, measuredText(measuredRun));
    const auto copy = folder_.file("fitted.tav");
    ASSERT_EQ(call(runProfileFitCommand, {"--fit-profile", path.string(), "--measured",
                                          measured.string(), "-o", copy.string()}),
              0)
        << lastMessage;
    EXPECT_NE(lastOutput.find("12 points compared"), std::string::npos) << lastOutput;
    EXPECT_NE(lastOutput.find("transfer coefficient "), std::string::npos) << lastOutput;
    EXPECT_NE(lastOutput.find("RMS difference"), std::string::npos) << lastOutput;
    EXPECT_EQ(lastOutput.find("not determined"), std::string::npos) << lastOutput;
    const HeadReading reading = readCheckedProcessHead(readText(copy));
    ASSERT_TRUE(reading.head);
    EXPECT_NEAR(reading.head->data.transferCoefficient, 8e-6, 8e-6 * 0.02);
    EXPECT_EQ(reading.head->data.potentials, (std::vector<double>{1.15, 1.15}));
    EXPECT_EQ(readText(path), semiInfinite);
}

// The boosts hold the surface at saturation whatever the gas stage did: the measurement hardly
// depends on β. The fit still gives and writes the least-squares value, but says that it is
// not determined.
TEST_F(DesignCommand, FitProfileSaysWhenTheMeasurementDoesNotDetermineBeta) {
    const auto path = folder_.file("boosted.tav");
    writeText(path, lowPressure);
    const auto measured = folder_.file("traverse.csv");
    writeText(measured, measuredText(readCheckedProcessHead(lowPressure).head.value(), 0.01));
    const auto copy = folder_.file("fitted.tav");
    ASSERT_EQ(call(runProfileFitCommand, {"--fit-profile", path.string(), "--measured",
                                          measured.string(), "-o", copy.string()}),
              0)
        << lastMessage;
    EXPECT_NE(lastOutput.find("\n  " + std::string(undeterminedBetaNote) + "\n"), std::string::npos)
        << lastOutput;
    EXPECT_EQ(lastOutput.find(undeterminedOffsetNote), std::string::npos) << lastOutput;
    EXPECT_TRUE(readCheckedProcessHead(readText(copy)).head.has_value());
}

struct RefusedFitCase {
    const char* name;
    const std::string* file;
    std::string measured;
    std::vector<std::string> options;
    int status;
    const char* named;
};

void PrintTo(const RefusedFitCase& row, std::ostream* out) {
    *out << row.name;
}

class RefusedProfileFit : public DesignCommand,
                          public testing::WithParamInterface<RefusedFitCase> {};

TEST_P(RefusedProfileFit, WritesNothing) {
    const auto path = folder_.file("part.tav");
    writeText(path, *GetParam().file);
    const auto measured = folder_.file("traverse.csv");
    writeText(measured, GetParam().measured);
    const auto before = contents(folder_);
    std::vector<std::string> words{
        "--fit-profile",   path.string(), "--measured",
        measured.string(), "-o",          folder_.file("out.tav").string()};
    words.insert(words.end(), GetParam().options.begin(), GetParam().options.end());
    EXPECT_EQ(call(runProfileFitCommand, words), GetParam().status);
    EXPECT_NE(lastMessage.find(GetParam().named), std::string::npos) << lastMessage;
    EXPECT_EQ(contents(folder_), before);
}

INSTANTIATE_TEST_SUITE_P(
    DesignCommand, RefusedProfileFit,
    testing::Values(
        RefusedFitCase{"HardnessOfAFoil",
                       &foil,
                       "depth_mm,hardness_HV\n0.01,800\n0.02,700\n"
                       "0.03,600\n",
                       {},
                       2,
                       "no hardness profile"},
        RefusedFitCase{"TwoPoints",
                       &semiInfinite,
                       "depth_mm,carbon\n0.1,0.9\n0.2,0.7\n",
                       {},
                       2,
                       "needs at least 3"},
        RefusedFitCase{
            "BadRow", &semiInfinite, "depth_mm,carbon\n0.1,0.9\n0.2;0.7\n", {}, 1, "Line 3"},
        RefusedFitCase{"UnknownFit",
                       &semiInfinite,
                       "depth_mm,carbon\n0.1,0.9\n",
                       {"--fit", "ck"},
                       2,
                       "--fit \"ck\": must be \"beta\" or \"beta,potential\""}),
    [](const auto& param) { return std::string(param.param.name); });

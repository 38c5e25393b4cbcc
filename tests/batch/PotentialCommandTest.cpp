// tavcalc --potential: the forms users type, what each prints, and what it refuses.

#include "PotentialCommand.h"
#include "CommandCall.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PrintedRow {
    const char* name;
    std::vector<std::string> words; // after --potential --temperature 925
    std::vector<std::string> lines; // each printed, as a whole line
};

class PotentialPrinted : public testing::TestWithParam<PrintedRow> {};

// Hand values (python3, docs/atmosphere.md) rounded as printed.
INSTANTIATE_TEST_SUITE_P(
    Forms, PotentialPrinted,
    testing::Values(
        PrintedRow{
            "probe", {"--probe", "1150"}, {"carbon potential 0.963 % C", "carbon activity 0.6969"}},
        PrintedRow{
            "probeWithCO", {"--probe", "1150", "--co", "20"}, {"carbon potential 0.963 % C"}},
        PrintedRow{"processFactor",
                   {"--probe", "1150", "--process-factor", "150"},
                   {"carbon potential 0.995 % C"}},
        PrintedRow{"dewPoint",
                   {"--dew-point", "-5"},
                   {"carbon potential 0.770 % C", "carbon activity 0.5324"}},
        PrintedRow{"dewPointWithGas",
                   {"--dew-point", "-5", "--co", "20", "--h2", "40"},
                   {"carbon potential 0.770 % C"}},
        PrintedRow{
            "co2", {"--co2", "0.20"}, {"carbon potential 0.607 % C", "carbon activity 0.4043"}},
        PrintedRow{"co2WithCO", {"--co2", "0.20", "--co", "20"}, {"carbon potential 0.607 % C"}},
        PrintedRow{"carbon",
                   {"--carbon", "1.00"},
                   {"probe 1152.4 mV", "dew point -9.13 °C", "CO2 0.1107 %"}},
        PrintedRow{"carbonWithGas",
                   {"--carbon", "1.00", "--co", "20", "--h2", "40"},
                   {"probe 1152.4 mV"}}),
    [](const testing::TestParamInfo<PrintedRow>& row) { return std::string(row.param.name); });

std::vector<std::string> at925(const std::vector<std::string>& words) {
    std::vector<std::string> all = {"--potential", "--temperature", "925"};
    all.insert(all.end(), words.begin(), words.end());
    return all;
}

} // namespace

TEST_P(PotentialPrinted, PrintsTheQuantityAndItsUnit) {
    ASSERT_EQ(0, call(runPotentialCommand, at925(GetParam().words))) << lastMessage;
    for (const std::string& line : GetParam().lines)
        EXPECT_NE(std::string::npos, ("\n" + lastOutput).find("\n" + line + "\n"))
            << line << " in\n"
            << lastOutput;
}

TEST(PotentialCommand, SootIsALineAndNoCarbon) {
    ASSERT_EQ(0, call(runPotentialCommand, at925({"--probe", "1150", "--co", "30"})));
    EXPECT_NE(std::string::npos, lastOutput.find("soot")) << lastOutput;
    EXPECT_EQ(std::string::npos, ("\n" + lastOutput).find("\ncarbon potential")) << lastOutput;
    ASSERT_EQ(0, call(runPotentialCommand, at925({"--carbon", "1.4"})));
    EXPECT_NE(std::string::npos, lastOutput.find("soot limit 1.277 % C")) << lastOutput;
}

TEST(PotentialCommand, WithASetPrintsTheSteelsSurfaceCarbon) {
    TempFolder folder;
    const auto path = folder.file("steel.tav");
    writeText(path, "0.2\r\n2e-05\r\n\r\n1.1\r\n0\r\n1.2\r\n0.25\r\n0\r\n\r\n2\r\n"
                    "0 920 1.15\r\n1 920 1.15\r\nSemi-infinitive sample\r\n");
    ASSERT_EQ(0, call(runPotentialCommand, at925({"--probe", "1150", "--set", path.string()})))
        << lastMessage;
    // Q = 0.8594175 for Cr 1.1, Mn 1.2, Si 0.25: 1.0869 % C (hand value).
    EXPECT_NE(std::string::npos, lastOutput.find("surface carbon 1.087 % C")) << lastOutput;
    EXPECT_NE(std::string::npos, lastOutput.find("alloy factor Q 0.8594")) << lastOutput;
}

struct RefusedRow {
    const char* name;
    std::vector<std::string> words;
    int status;
    const char* message; // the option and the value
};

class PotentialRefused : public testing::TestWithParam<RefusedRow> {};

TEST_P(PotentialRefused, NamesTheOptionAndTheValue) {
    EXPECT_EQ(GetParam().status, call(runPotentialCommand, GetParam().words));
    EXPECT_NE(std::string::npos, lastMessage.find(GetParam().message)) << lastMessage;
    EXPECT_EQ("", lastOutput);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, PotentialRefused,
    testing::Values(
        RefusedRow{"text", at925({"--probe", "abc"}), 2, "--probe abc: must be a number"},
        RefusedRow{"negativeCO", at925({"--probe", "1150", "--co", "-20"}), 2, "--co -20:"},
        RefusedRow{"probe3000", at925({"--probe", "3000"}), 2, "--probe 3000:"},
        RefusedRow{"tooMuchGas", at925({"--dew-point", "-5", "--co", "70"}), 2,
                   "--h2 40 (the default)"},
        RefusedRow{"cold",
                   {"--potential", "--temperature", "20", "--probe", "1150"},
                   2,
                   "--temperature 20:"},
        RefusedRow{"noTemperature", {"--potential", "--probe", "1150"}, 2, "needs --temperature"},
        RefusedRow{"noReading", at925({}), 2, "needs one reading"},
        RefusedRow{"twoReadings", at925({"--probe", "1150", "--co2", "0.2"}), 2,
                   "needs one reading"},
        RefusedRow{"factorWithoutProbe", at925({"--co2", "0.2", "--process-factor", "150"}), 2,
                   "--process-factor goes with"},
        RefusedRow{"unknownOption", at925({"--oxygen", "3"}), 2, "unknown option --oxygen"},
        RefusedRow{"missingSet", at925({"--probe", "1150", "--set", "/nonexistent/set.tav"}), 1,
                   "cannot be opened"}),
    [](const testing::TestParamInfo<RefusedRow>& row) { return std::string(row.param.name); });

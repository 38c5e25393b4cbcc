#include "MeasuredProfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <ostream>

namespace {

struct AcceptedCase {
    const char* name;
    std::string text;
    MeasuredQuantity quantity;
    std::vector<double> depth;
    std::vector<double> value;
};

void PrintTo(const AcceptedCase& row, std::ostream* out) {
    *out << row.name;
}

struct RefusedCase {
    const char* name;
    std::string text;
    std::size_t line;  // 0: the whole file
    const char* words; // what the refusal must say
};

void PrintTo(const RefusedCase& row, std::ostream* out) {
    *out << row.name;
}

class Accepted : public testing::TestWithParam<AcceptedCase> {};
class Refused : public testing::TestWithParam<RefusedCase> {};

} // namespace

TEST_P(Accepted, ReadsEveryPoint) {
    const MeasuredReading reading = parseMeasuredProfile(GetParam().text);
    ASSERT_TRUE(reading.profile) << reading.problem;
    EXPECT_EQ(reading.profile->quantity, GetParam().quantity);
    EXPECT_EQ(reading.profile->depth, GetParam().depth);
    EXPECT_EQ(reading.profile->value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    MeasuredProfile, Accepted,
    testing::Values(
        AcceptedCase{"Comma",
                     "depth_mm,carbon\n0.1,0.82\n0.5,0.4\n",
                     MeasuredQuantity::Carbon,
                     {0.1, 0.5},
                     {0.82, 0.4}},
        AcceptedCase{"SemicolonDecimalComma",
                     "depth_mm;hardness_HV\r\n0,1;712,5\r\n1;600\r\n",
                     MeasuredQuantity::Hardness,
                     {0.1, 1},
                     {712.5, 600}},
        AcceptedCase{"TabDecimalComma",
                     "depth_mm\tcarbon\n0,25\t0,7\n",
                     MeasuredQuantity::Carbon,
                     {0.25},
                     {0.7}},
        AcceptedCase{"HeaderBlankLinesBom",
                     "\xEF\xBB\xBF# 16MnCr5, sample 3\r\n# spectrometer\r\n\r\ndepth_mm,carbon\r\n"
                     "\r\n0.05, 0.9\r\n\r\n1e-1,+8e-1\r\n",
                     MeasuredQuantity::Carbon,
                     {0.05, 0.1},
                     {0.9, 0.8}},
        AcceptedCase{"EmptyTrailingColumns",
                     "depth_mm;carbon;;\n0.2;0.6;;\n",
                     MeasuredQuantity::Carbon,
                     {0.2},
                     {0.6}},
        AcceptedCase{"NoLastLineEnd",
                     "Depth_mm,Hardness_HV\n0,50\n2,1200",
                     MeasuredQuantity::Hardness,
                     {0, 2},
                     {50, 1200}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MeasuredProfile, KeepsTheHeaderText) {
    const MeasuredReading reading =
        parseMeasuredProfile("# steel 20MnCr5\n#\ndepth_mm,carbon\n0,1");
    ASSERT_TRUE(reading.profile);
    EXPECT_EQ(reading.profile->header, (std::vector<std::string>{" steel 20MnCr5", ""}));
}

TEST_P(Refused, NamesTheLine) {
    const MeasuredReading reading = parseMeasuredProfile(GetParam().text);
    EXPECT_FALSE(reading.profile);
    EXPECT_EQ(reading.line, GetParam().line);
    EXPECT_NE(reading.problem.find(GetParam().words), std::string::npos) << reading.problem;
    if (GetParam().line != 0) {
        EXPECT_EQ(reading.problem.find("Line " + std::to_string(GetParam().line) + ":"), 0U)
            << reading.problem;
    }
}

INSTANTIATE_TEST_SUITE_P(
    MeasuredProfile, Refused,
    testing::Values(
        RefusedCase{"Empty", "", 0, "depth_mm,carbon"},
        RefusedCase{"HeaderOnly", "# nothing measured\n", 0, "depth_mm,carbon"},
        RefusedCase{"NoPoints", "depth_mm,carbon\n\n", 0, "No measured points"},
        RefusedCase{"UnknownQuantity", "# x\ndepth_mm,nitrogen\n0,1\n", 2, "depth_mm,carbon"},
        RefusedCase{"RowBeforeQuantity", "0.1,0.8\n", 1, "depth_mm,carbon"},
        RefusedCase{"OneNumber", "depth_mm,carbon\n0.1,0.8\n0.2\n", 3, "not two numbers"},
        RefusedCase{"ThreeNumbers", "depth_mm,carbon\n0.1,0.8,3\n", 2, "not two numbers"},
        RefusedCase{"Text", "depth_mm,carbon\n0.1,abc\n", 2, "not two numbers"},
        RefusedCase{"DecimalCommaWithComma", "depth_mm,carbon\n0,1,0,8\n", 2, "not two numbers"},
        RefusedCase{"OtherSeparatorThanHeader", "depth_mm;carbon\n0.1,0.8\n", 2, "not two numbers"},
        RefusedCase{"NotFinite", "depth_mm,carbon\ninf,0.8\n", 2, "not two numbers"},
        RefusedCase{"NegativeDepth", "depth_mm,carbon\n0,0.8\n-0.1,0.8\n", 3, "negative"},
        RefusedCase{"NegativeCarbon", "depth_mm,carbon\n0.1,-0.01\n", 2, "carbon"},
        RefusedCase{"CarbonAboveDiffusionRange", "depth_mm,carbon\n0.1,4.31\n", 2, "4.3"},
        RefusedCase{"HardnessBelowRange", "depth_mm,hardness_HV\n0.1,49\n", 2, "50"},
        RefusedCase{"HardnessAboveRange", "depth_mm;hardness_HV\n0,1;1200,5\n", 2, "1200"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MeasuredProfile, ReadsAFileAndRefusesAMissingOne) {
    const std::string path = testing::TempDir() + "measured_profile.csv";
    std::ofstream(path, std::ios::binary) << "depth_mm;carbon\r\n0,3;0,55\r\n";
    const MeasuredReading reading = readMeasuredProfile(path);
    ASSERT_TRUE(reading.profile) << reading.problem;
    EXPECT_EQ(reading.profile->value, std::vector<double>{0.55});
    std::remove(path.c_str());

    const MeasuredReading missing = readMeasuredProfile(path);
    EXPECT_FALSE(missing.profile);
    EXPECT_NE(missing.problem.find("measured_profile.csv"), std::string::npos);
}

#include "ProcessData.h"
#include "ProcessCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <locale>
#include <random>
#include <sstream>
#include <vector>

namespace {

ProcessRecord plate() {
    ProcessRecord process;
    process.data.steelCarbon = 0.2;
    process.data.transferCoefficient = 0.00001;
    process.data.alloy = {1.1, 0, 0.9, 0.25, 0};
    process.data.times = {0, 4.5};
    process.data.temperatures = {925, 925};
    process.data.potentials = {1.2, 0.8};
    process.shape = SampleShape::Plate;
    process.thickness = 4;
    return process;
}

} // namespace

TEST(ProcessData, WritesTheLayoutWithCrLfAndGeneralNumbers) {
    ProcessRecord process = plate();
    EXPECT_EQ(processDataText(process), "0.2\r\n1e-05\r\n\r\n1.1\r\n0\r\n0.9\r\n0.25\r\n0\r\n"
                                        "\r\n2\r\n0 925 1.2\r\n4.5 925 0.8\r\nPlate\r\n4\r\n");
    process.shape = SampleShape::SemiInfinite;
    EXPECT_TRUE(processDataText(process).ends_with("0.8\r\nSemi-infinitive sample\r\n"));
}

TEST(ProcessData, AnUnfilledValueIsWrittenAsItsNumber) {
    // What the dialog saves for empty boxes; the value rules refuse it when the file is read.
    ProcessRecord process = plate();
    process.data.times[0] = process.data.temperatures[0] = process.data.potentials[0] =
        unfilledValue;
    process.thickness = unfilledValue;
    EXPECT_NE(processDataText(process, 1)
                  .find("\r\n1\r\n2.00999e+06 2.00999e+06 2.00999e+06\r\n"
                        "4.5 925 0.8\r\nPlate\r\n2.00999e+06\r\n"),
              std::string::npos);
}

TEST(ProcessData, ExtractsTheHeadAndStops) {
    std::istringstream in("0.2\r\n2e-05\r\n\r\n1\r\n2\r\n3\r\n4\r\n5\r\n\r\n2\r\n0 900 1\r\n"
                          "4 900 0.8\r\nPlate\r\n4\r\n");
    TDane data;
    in >> data;
    EXPECT_DOUBLE_EQ(data.steelCarbon, 0.2);
    EXPECT_DOUBLE_EQ(data.transferCoefficient, 2e-05);
    EXPECT_EQ(data.alloy, (std::array<double, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(data.times, (std::vector<double>{0, 4}));
    EXPECT_EQ(data.temperatures, (std::vector<double>{900, 900}));
    EXPECT_EQ(data.potentials, (std::vector<double>{1, 0.8}));
    in >> std::ws;
    std::string shape;
    std::getline(in, shape);
    EXPECT_EQ(shapeFromLine(shape), SampleShape::Plate);
}

TEST(ProcessData, ShapeLinesAcceptPolishNamesInBothEncodings) {
    EXPECT_EQ(shapeFromLine("Semi-infinitive sample\r"), SampleShape::SemiInfinite);
    EXPECT_EQ(shapeFromLine("Próbka półnieskończona"), SampleShape::SemiInfinite);
    EXPECT_EQ(shapeFromLine("Pr\xF3"
                            "bka p\xF3\xB3niesko\xF1"
                            "czona\r"),
              SampleShape::SemiInfinite);
    EXPECT_EQ(shapeFromLine("P\xB3yta"), SampleShape::Plate);
    EXPECT_EQ(shapeFromLine("Walec"), SampleShape::Cylinder);
    EXPECT_EQ(shapeFromLine("Drut"), SampleShape::Wire);
    EXPECT_EQ(shapeFromName("Drut"), std::nullopt);
    EXPECT_EQ(shapeFromLine("foil"), std::nullopt);
    EXPECT_EQ(shapeFromName("Próbka półnieskończona"), std::nullopt);
}

struct WrittenValue {
    double value;
    double read; // what the file gives back
};

class AsWritten : public testing::TestWithParam<WrittenValue> {};

TEST_P(AsWritten, KeepsSixSignificantDigits) {
    EXPECT_EQ(asWritten(GetParam().value), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(ProcessData, AsWritten,
                         testing::Values(WrittenValue{0.2, 0.2}, WrittenValue{925, 925},
                                         WrittenValue{2.0724234e-05, 2.07242e-05},
                                         WrittenValue{1.1700000001, 1.17},
                                         WrittenValue{1.2345678, 1.23457},
                                         WrittenValue{1234567, 1.23457e+06},
                                         WrittenValue{-0.0000123456789, -1.23457e-05}));

namespace {

// What the file's text of `value` reads back as: six significant digits written as "%g" and
// read in the C locale, the writer's and the reader's way.
double readBackFromText(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return fileNumber(out.str()).value_or(-1);
}

// Values of every size, and the ones where the sixth digit is a close call: ties of the decimal
// text and their neighbours one unit of the last place away.
std::vector<double> manyValues() {
    std::vector<double> values;
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> exponent(-18, 29), mantissa(1, 10);
    for (int i = 0; i < 200000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, std::floor(exponent(random))));
    for (int k = 0; k < 20000; ++k) {
        const double tie = (123450 + k * 7 + 0.5) * std::pow(10.0, k % 30 - 15);
        for (const double near : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300)})
            values.insert(values.end(), {near, -near});
        values.push_back(k / 1000.0);
        values.push_back(920 + k * 1e-4);
        values.push_back(1234565.0 + 10 * k);
        values.push_back(std::pow(10.0, k % 40 - 17));
        values.push_back(std::nextafter(std::pow(10.0, k % 40 - 17), 0.0));
        values.push_back(999999.5 * std::pow(10.0, k % 30 - 15));
    }
    values.insert(values.end(), {0.0, -0.0, 1e-300, 5e-324, 1e300, 2009990.0, 0.1 + 0.2});
    return values;
}

} // namespace

TEST(ProcessData, AsWrittenIsWhatTheTextReadsBackAsForManyValues) {
    std::size_t wrong = 0;
    for (const double value : manyValues())
        if (const double read = readBackFromText(value); asWritten(value) != read) {
            if (++wrong <= 10)
                ADD_FAILURE() << std::setprecision(17) << value << " is written as " << read
                              << ", not " << asWritten(value);
        }
    EXPECT_EQ(0U, wrong);
}

TEST(ProcessData, TheWrittenRecordIsWhatTheWrittenFileHolds) {
    // Values with more digits than a file keeps, in every field, for a thick and a thin shape.
    ProcessRecord process;
    process.data.steelCarbon = 0.2123456789;
    process.data.transferCoefficient = 2.0724234e-05;
    process.data.alloy = {1.00000049, 0.1234567, 0.98765432, 0.3, 0};
    process.data.times = {0, 1.5912345, 1.7234567};
    process.data.temperatures = {925.00001, 925, 880.123456};
    process.data.potentials = {1.1999999, 0.80000049, 0.8};
    process.thickness = 1.50000001;
    for (SampleShape shape : {SampleShape::Plate, SampleShape::SemiInfinite, SampleShape::Wire}) {
        process.shape = shape;
        const ProcessRecord record = asWritten(process);
        const std::string text = processDataText(process);
        // The record read back writes the very same file.
        EXPECT_EQ(processDataText(record), text);
        std::istringstream file(text);
        TDane read;
        file >> read;
        EXPECT_EQ(record.data.steelCarbon, read.steelCarbon);
        EXPECT_EQ(record.data.transferCoefficient, read.transferCoefficient);
        EXPECT_EQ(record.data.alloy, read.alloy);
        EXPECT_EQ(record.data.times, read.times);
        EXPECT_EQ(record.data.temperatures, read.temperatures);
        EXPECT_EQ(record.data.potentials, read.potentials);
        EXPECT_EQ(record.shape, shape);
        std::string shapeLine;
        std::getline(file >> std::ws, shapeLine);
        double thickness = unfilledValue;
        file >> thickness;
        EXPECT_EQ(record.thickness, thickness) << shapeLine;
    }
}

namespace {

struct ConditionTail {
    const char* tail;                       // what follows a row's three numbers
    std::optional<StageCondition> expected; // none: refused
};

void PrintTo(const ConditionTail& row, std::ostream* out) {
    *out << '"' << row.tail << '"';
}

class ConditionWords : public testing::TestWithParam<ConditionTail> {};

constexpr StageCondition gas{};
constexpr StageCondition neutral{SurfaceCondition::Neutral, std::nullopt};
constexpr StageCondition boost{SurfaceCondition::Boost, std::nullopt};

} // namespace

TEST_P(ConditionWords, ReadWhatTheTailSays) {
    const ConditionReading reading = readConditionWord(GetParam().tail);
    EXPECT_EQ(reading.condition, GetParam().expected);
    EXPECT_EQ(reading.rule.empty(), GetParam().expected.has_value()) << reading.rule;
}

INSTANTIATE_TEST_SUITE_P(
    ProcessData, ConditionWords,
    testing::Values(ConditionTail{"", gas}, ConditionTail{" \r", gas}, ConditionTail{" gas\r", gas},
                    ConditionTail{" neutral", neutral}, ConditionTail{"\tboost \r", boost},
                    ConditionTail{" boost 0.0035\r",
                                  StageCondition{SurfaceCondition::Boost, 0.0035}},
                    ConditionTail{" boost 2e-3", StageCondition{SurfaceCondition::Boost, 2e-3}},
                    // Refused here or by the value rules (a flux limit not positive).
                    ConditionTail{" boost -1", StageCondition{SurfaceCondition::Boost, -1.0}},
                    ConditionTail{" Boost", std::nullopt}, ConditionTail{" vacuum", std::nullopt},
                    ConditionTail{" boost fast", std::nullopt},
                    ConditionTail{" boost 1 2", std::nullopt},
                    ConditionTail{" neutral 0.5", std::nullopt},
                    ConditionTail{" gas 1", std::nullopt}, ConditionTail{" 4", std::nullopt},
                    // A boost's own ceiling, with or without a flux limit before it.
                    ConditionTail{" boost limit 1.26",
                                  StageCondition{SurfaceCondition::Boost, std::nullopt, 1.26}},
                    ConditionTail{" boost 0.0095 limit 1.26\r",
                                  StageCondition{SurfaceCondition::Boost, 0.0095, 1.26}},
                    ConditionTail{" boost limit", std::nullopt},
                    ConditionTail{" boost limit high", std::nullopt},
                    ConditionTail{" boost limit 1.2 0.01", std::nullopt},
                    ConditionTail{" boost 0.01 limit 1.2 limit 1.3", std::nullopt},
                    ConditionTail{" neutral limit 1.2", std::nullopt}));

TEST(ProcessData, ABoostsCeilingIsWrittenAfterItsFluxLimit) {
    EXPECT_EQ(conditionWord(StageCondition{SurfaceCondition::Boost, 0.0095, 1.26}),
              "boost 0.0095 limit 1.26");
    EXPECT_EQ(conditionWord(StageCondition{SurfaceCondition::Boost, std::nullopt, 1.3}),
              "boost limit 1.3");
}

TEST(ProcessData, ConditionWordsRoundTripThroughEveryReader) {
    ProcessRecord process;
    process.shape = SampleShape::Plate;
    process.thickness = 4;
    TDane& data = process.data;
    data.steelCarbon = 0.2;
    data.transferCoefficient = 2e-05;
    const std::vector<StageCondition> conditions = {
        gas, boost, neutral, StageCondition{SurfaceCondition::Boost, 0.00123456789, 1.2345678},
        gas};
    for (std::size_t row = 0; row < conditions.size(); ++row) {
        data.times.push_back(0.25 * static_cast<double>(row));
        data.temperatures.push_back(920);
        data.potentials.push_back(0.8);
    }
    data.conditions = conditions;
    const std::string text = processDataText(process);
    EXPECT_NE(
        text.find("\r\n5\r\n0 920 0.8\r\n0.25 920 0.8 boost\r\n0.5 920 0.8 neutral\r\n"
                  "0.75 920 0.8 boost 0.00123457 limit 1.23457\r\n1 920 0.8\r\nPlate\r\n4\r\n"),
        std::string::npos)
        << text;

    std::vector<StageCondition> written = conditions;
    written[3].fluxLimit = asWritten(*written[3].fluxLimit);
    written[3].ceiling = asWritten(*written[3].ceiling);
    std::istringstream file(text);
    TDane read;
    ASSERT_TRUE(file >> read);
    EXPECT_EQ(read.conditions, written);
    EXPECT_EQ(read.times, data.times);
    std::string shapeLine;
    std::getline(file >> std::ws, shapeLine);
    EXPECT_EQ(shapeFromLine(shapeLine), SampleShape::Plate);
}

TEST(ProcessData, AnUnknownWordFailsTheViewersReading) {
    std::istringstream file("0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n2\n0 900 1\n4 900 1 carbide\n"
                            "Plate\n4\n");
    TDane read;
    EXPECT_FALSE(file >> read);
}

TEST(ProcessData, ConditionsRaiseTheRowLimit) {
    TDane data;
    data.conditions.assign(50, gas);
    EXPECT_EQ(stageLimit(data), 10U);
    data.conditions[7] = neutral;
    EXPECT_EQ(stageLimit(data), 100U);
    EXPECT_EQ(stageCondition(data, 7), neutral);
    EXPECT_EQ(stageCondition(TDane{}, 3), gas);
    EXPECT_EQ(conditionWord(StageCondition{SurfaceCondition::Boost, 1e-5}), "boost 1e-05");
}

TEST(ProcessData, SettingsAreWrittenAfterTheShapeBlockAndReadBack) {
    ProcessRecord process = plate();
    const std::string plain = processDataText(process);
    EXPECT_EQ(plain.substr(plain.size() - 10), "Plate\r\n4\r\n");
    for (DiffusivityModel law : {DiffusivityModel::Standard, DiffusivityModel::Tibbetts,
                                 DiffusivityModel::SlyckeEricsson}) {
        process.settings.diffusivity = law;
        const std::string text = processDataText(process);
        EXPECT_EQ(text, plain + "diffusivity: " + std::string(diffusivityWord(law)) + "\r\n");
        const HeadReading reading = readCheckedProcessHead(text);
        ASSERT_TRUE(reading.head) << reading.problem.field << " " << reading.problem.rule;
        EXPECT_EQ(reading.head->settings, process.settings);
        EXPECT_EQ(processDataText(*reading.head), text);
    }
}

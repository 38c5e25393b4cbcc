#include "HardeningSettings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

template <class Value> std::string brokenRule(const SettingRead<Value>& read) {
    return std::holds_alternative<BrokenRule>(read) ? std::get<BrokenRule>(read).rule
                                                    : std::string();
}

struct Refusal {
    const char* line; // the name and its value
    const char* rule; // what the refusal says
};

void PrintTo(const Refusal& row, std::ostream* out) {
    *out << row.line;
}

std::string ruleFor(const std::string& line) {
    const std::size_t colon = line.find(':');
    const std::string name = line.substr(0, colon), value = line.substr(colon + 1);
    if (name == "quench")
        return brokenRule(readQuench(value));
    if (name == "temper")
        return brokenRule(readTemper(value));
    if (name == "cryo")
        return brokenRule(readCryo(value));
    if (name == "chemistry")
        return brokenRule(readChemistry(value));
    return brokenRule(readGrade(value));
}

class HardeningRefusal : public testing::TestWithParam<Refusal> {};

} // namespace

TEST_P(HardeningRefusal, NamesTheRuleTheValueBroke) {
    EXPECT_EQ(ruleFor(GetParam().line), GetParam().rule);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HardeningRefusal,
    testing::Values(
        Refusal{"quench:", "no medium"}, Refusal{"quench: brine 20", "\"brine\" is no medium"},
        Refusal{"quench: oil", "the bath temperature must be a number of -50 to 600 °C"},
        Refusal{"quench: oil 25,5", "the bath temperature must be a number of -50 to 600 °C"},
        Refusal{"quench: oil 25 h 0.3", "\"h\" is neither \"H\" nor \"section\""},
        Refusal{"quench: oil 25 H", "\"H\" needs a positive number after it"},
        Refusal{"quench: oil 25 H 0", "\"H\" needs a positive number after it"},
        Refusal{"quench: oil 25 H 0.3 H 0.4", "\"H\" is given twice"},
        Refusal{"temper: 180", "two numbers are needed"},
        Refusal{"temper: 50 2", "the temperature must lie between 100 and 700 °C"},
        Refusal{"temper: 180 0", "the time must be positive"},
        Refusal{"cryo: 20", "one number of -273 to 0 °C is needed"},
        Refusal{"cryo: -80 -196", "one number of -273 to 0 °C is needed"},
        Refusal{"chemistry: Cu", "each element needs its content after it"},
        Refusal{"chemistry: Nb 0.03", "\"Nb\" is not one of Cu, V, B, Al, W, Co, grain"},
        Refusal{"chemistry: Cu 0.1 Cu 0.2", "\"Cu\" is given twice"},
        Refusal{"chemistry: V x", "the value of \"V\" must be a content of 0 to 5 %"},
        Refusal{"chemistry: grain 20", "the value of \"grain\" must be a grain size of 1 to 12"},
        Refusal{"grade:   ", "no name"}));

TEST(HardeningSettings, ReadAQuenchWithItsOptions) {
    const auto read = readQuench(" salt 180  section 4 H 0.5");
    ASSERT_TRUE(std::holds_alternative<QuenchSetting>(read)) << brokenRule(read);
    const QuenchSetting quench = std::get<QuenchSetting>(read);
    EXPECT_EQ(quench.medium, QuenchMedium::Salt);
    EXPECT_EQ(quench.bathC, 180);
    EXPECT_EQ(quench.severity, 0.5);
    EXPECT_EQ(quench.sectionMm, 4);
    EXPECT_EQ(quenchText(quench), "salt 180 H 0.5 section 4");
}

TEST(HardeningSettings, WriteWhatTheyReadBack) {
    for (const char* text : {"oil 25", "water 20 H 1.2", "gas -10 section 12.5"})
        EXPECT_EQ(quenchText(std::get<QuenchSetting>(readQuench(text))), text);
    EXPECT_EQ(temperText(std::get<TemperSetting>(readTemper("180 2"))), "180 2");
    EXPECT_EQ(cryoText(std::get<double>(readCryo("-196"))), "-196");
    EXPECT_EQ(chemistryText(std::get<ExtraElements>(readChemistry("V 0.05 Cu 0.1 grain 8"))),
              "Cu 0.1 V 0.05 grain 8");
    EXPECT_EQ(std::get<std::string>(readGrade(" 18CrNiMo7-6 ")), "18CrNiMo7-6");
}

TEST(HardeningSettings, GiveEachMediumItsSeverity) {
    EXPECT_EQ(typicalSeverity(QuenchMedium::Oil), 0.35);
    EXPECT_GT(typicalSeverity(QuenchMedium::Water), typicalSeverity(QuenchMedium::Polymer));
    EXPECT_GT(typicalSeverity(QuenchMedium::Polymer), typicalSeverity(QuenchMedium::Oil));
    EXPECT_LT(typicalSeverity(QuenchMedium::Gas), typicalSeverity(QuenchMedium::Salt));
}

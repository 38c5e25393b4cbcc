#include "SurfaceConditions.h"
#include "ProcessCheck.h"
#include "ProcessData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class EveryCondition : public testing::TestWithParam<ConditionTraits> {};

// A plate whose second row carries `condition`.
TDane plateWith(const StageCondition& condition) {
    TDane data;
    data.steelCarbon = 0.2;
    data.transferCoefficient = 0.00002;
    data.alloy = {1, 0, 0.5, 0.3, 0};
    data.times = {0, 4};
    data.temperatures = {900, 900};
    data.potentials = {1, 0.8};
    data.conditions = {StageCondition{}, condition};
    return data;
}

// The condition of `kind` without a flux limit or a ceiling.
StageCondition bare(SurfaceCondition kind) {
    return {kind, std::nullopt, std::nullopt};
}

std::optional<ProcessProblem> problemOf(const StageCondition& condition) {
    return checkProcessValues(plateWith(condition), SampleShape::Plate, 4);
}

} // namespace

// A word two rows shared would read as the first row's condition: a new row brings its own.
TEST_P(EveryCondition, ItsWordReadsBackAsItAndIsWrittenSo) {
    const ConditionTraits& row = GetParam();
    const ConditionReading read = readConditionWord(std::string(row.word) + "\r");
    ASSERT_TRUE(read.condition) << read.rule;
    EXPECT_EQ(*read.condition, bare(row.kind));
    EXPECT_EQ(conditionNamed(row.word), row.kind);
    // The plain condition is written bare, as gas rows always were.
    EXPECT_EQ(conditionWord(bare(row.kind)), isPlain(row.kind) ? "" : row.word);
    EXPECT_EQ(readConditionWord(conditionWord(bare(row.kind))).condition, bare(row.kind));
}

// A flux limit, a ceiling and both after the word: read back and written so where the condition
// takes them, refused where it does not.
TEST_P(EveryCondition, ItsValuesFollowItsWordOnlyWhereItTakesThem) {
    const ConditionTraits& row = GetParam();
    const struct {
        const char* words;
        StageCondition condition;
        bool taken;
    } cases[] = {
        {" 2.5", {row.kind, 2.5, std::nullopt}, row.takesFluxLimit},
        {" limit 1.1", {row.kind, std::nullopt, 1.1}, row.takesCeiling},
        {" 2.5 limit 1.1", {row.kind, 2.5, 1.1}, row.takesFluxLimit && row.takesCeiling},
    };
    for (const auto& [words, condition, taken] : cases) {
        const std::string written = std::string(row.word) + words;
        const ConditionReading read = readConditionWord(written);
        ASSERT_EQ(read.condition.has_value(), taken) << written << ": " << read.rule;
        if (!taken)
            continue;
        EXPECT_EQ(*read.condition, condition) << written;
        EXPECT_EQ(conditionWord(condition), written);
        EXPECT_FALSE(problemOf(condition)) << written;
    }
}

// A record built in code may carry a value the condition does not take: the checks refuse it.
TEST_P(EveryCondition, AValueItDoesNotTakeIsRefused) {
    const ConditionTraits& row = GetParam();
    const auto flux = problemOf(StageCondition{row.kind, 2.5});
    EXPECT_EQ(flux.has_value(), !row.takesFluxLimit);
    if (flux) {
        EXPECT_EQ(flux->field + " " + flux->rule, "stage 2 flux limit belongs to a boost only");
    }
    EXPECT_EQ(problemOf(StageCondition{row.kind, std::nullopt, 1.1}).has_value(),
              !row.takesCeiling);
}

TEST_P(EveryCondition, OnlyThePlainOneMayStandOnTheFirstRow) {
    const ConditionTraits& row = GetParam();
    TDane data = plateWith(StageCondition{});
    data.conditions[0] = bare(row.kind);
    EXPECT_EQ(checkProcessValues(data, SampleShape::Plate, 4).has_value(), !isPlain(row.kind));
    EXPECT_EQ(usesConditions(plateWith(bare(row.kind))), !isPlain(row.kind));
}

// The solver sets the limit a stage holds only for a held surface, and the time step compares a
// stage that offers the saturation limit with it: the two go together.
TEST_P(EveryCondition, OnlyAHeldSurfaceOffersTheSaturationLimit) {
    const ConditionTraits& row = GetParam();
    EXPECT_EQ(row.offer == Offer::Saturation, row.boundary == SurfaceBoundary::Held);
    // A row's potential reaches the surface through the stages that offer it, and only those.
    EXPECT_EQ(potentialOffered(plateWith(bare(row.kind)), 1), row.offer == Offer::Potential);
}

TEST_P(EveryCondition, AnUnknownWordIsRefusedNamingIt) {
    const ConditionTraits& row = GetParam();
    const ConditionReading read = readConditionWord("vacuum");
    ASSERT_FALSE(read.condition);
    EXPECT_NE(read.rule.find("\"" + std::string(row.word) + "\""), std::string::npos) << read.rule;
}

INSTANTIATE_TEST_SUITE_P(SurfaceConditions, EveryCondition, testing::ValuesIn(allConditions),
                         [](const testing::TestParamInfo<ConditionTraits>& row) {
                             return std::string(row.param.word);
                         });

TEST(SurfaceConditions, ThePlainConditionIsGasWhichOffersThePotential) {
    EXPECT_EQ(StageCondition{}.kind, plainCondition);
    EXPECT_EQ(conditionTraits(plainCondition).offer, Offer::Potential);
    EXPECT_EQ(conditionTraits(plainCondition).boundary, SurfaceBoundary::Atmosphere);
    EXPECT_EQ(readConditionWord("").condition, StageCondition{});
}

TEST(SurfaceConditions, ChoicesListEveryWordAndTheLimitedOnesLast) {
    const std::string listed =
        conditionChoices([](std::string_view word) { return "(" + std::string(word) + ", J0)"; });
    EXPECT_EQ(listed, "\"gas\", \"neutral\", \"boost\" or (boost, J0)");
    EXPECT_EQ(readConditionWord("vacuum").rule,
              "must be \"gas\", \"neutral\", \"boost\" or \"boost\" with a flux limit in "
              "g/(m²·s), not \"vacuum\"");
}

TEST(SurfaceConditions, TheLowPressurePulsesAreAHeldBoostAndANeutralDiffusion) {
    EXPECT_EQ(conditionWord(heldBoost(std::nullopt)), "boost");
    EXPECT_EQ(conditionWord(heldBoost(1.1)), "boost limit 1.1");
    EXPECT_EQ(conditionTraits(heldBoost(1.1).kind).boundary, SurfaceBoundary::Held);
    EXPECT_EQ(conditionWord(neutralDiffusion), "neutral");
    EXPECT_FALSE(conditionTraits(neutralDiffusion.kind).offer);
}

TEST(SurfaceConditions, AWordTakesNoValuesBeforeItsOwn) {
    EXPECT_FALSE(conditionNamed("Boost"));
    EXPECT_FALSE(readConditionWord("limit 1.1 boost").condition);
    EXPECT_EQ(readConditionWord("boost 2 limit").rule,
              "must be a number after \"limit\" (the surface carbon a boost holds, in % C)");
}

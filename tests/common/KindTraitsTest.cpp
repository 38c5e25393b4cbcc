#include "KindTraits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class EveryKind : public testing::TestWithParam<KindTraits> {};

} // namespace

// A name two rows shared would read as the first row's kind: a new row must bring its own.
TEST_P(EveryKind, EachOfItsNamesReadsBackAsIt) {
    const KindTraits& kind = GetParam();
    for (std::string_view name : {kind.name, kind.computationName, kind.polishName}) {
        EXPECT_EQ(shapeFromLine(std::string(name) + "\r"), kind.shape) << name;
        EXPECT_EQ(shapeFromName(name) == kind.shape, kind.offered && name == kind.name) << name;
    }
    EXPECT_EQ(shapeName(kind.shape), kind.name);
}

TEST_P(EveryKind, ThinKindsAreTimedInSecondsAndWriteTheMeanInsteadOfDepths) {
    const KindTraits& kind = GetParam();
    const auto writes = [&kind](ResultFile file) {
        return std::ranges::count(kind.resultFiles, file) == 1;
    };
    EXPECT_EQ(kind.timeUnit == TimeUnit::Seconds, kind.thin);
    EXPECT_EQ(writes(ResultFile::Mean), kind.thin);
    EXPECT_EQ(writes(ResultFile::CaseDepth), !kind.thin);
    EXPECT_EQ(writes(ResultFile::Hardness), !kind.thin);
    EXPECT_TRUE(writes(ResultFile::Surface) && writes(ResultFile::Mass));
    // Design needs a case below a surface; the foil test a section that takes up carbon whole.
    EXPECT_EQ(kind.design, !kind.thin);
    EXPECT_EQ(kind.foilTest, kind.thin);
    EXPECT_EQ(kind.size == SampleSize::None, kind.volumePerSurface == 0.0);
}

INSTANTIATE_TEST_SUITE_P(KindTraits, EveryKind, testing::ValuesIn(allKinds),
                         [](const testing::TestParamInfo<KindTraits>& row) {
                             std::string name(row.param.englishName);
                             std::erase_if(name, [](char c) { return c == ' ' || c == '-'; });
                             return name;
                         });

TEST(KindTraits, OnlyTheFourShapesOfTheMenuAreOffered) {
    EXPECT_EQ(std::ranges::count_if(allKinds, &KindTraits::offered), 4);
    EXPECT_FALSE(kindTraits(SampleShape::Wire).offered);
}

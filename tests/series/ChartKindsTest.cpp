// The chart-kind table against the kind table: a set opens a chart for each file its kind writes
// and for its main file's views, and each chart is named apart from the others.

#include "ChartKinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

constexpr ChartKind everyChart[] = {
    ChartKind::Temperature, ChartKind::Potential, ChartKind::Carbon, ChartKind::CaseDepth,
    ChartKind::Surface,     ChartKind::Hardness,  ChartKind::Mass,   ChartKind::Mean,
    ChartKind::Austenite,   ChartKind::Carbide};

} // namespace

TEST(ChartKinds, EveryKindsChartsShowTheMainFileAndEachFileItWrites) {
    for (const KindTraits& kind : allKinds) {
        SCOPED_TRACE(kind.englishName);
        std::set<ChartKind> expected;
        for (ChartKind chart : everyChart)
            if (!chartKindTraits(chart).file)
                expected.insert(chart);
        for (ResultFile file : kind.resultFiles) {
            EXPECT_EQ(chartKindTraits(chartShowing(file)).file, file);
            expected.insert(chartShowing(file));
        }
        EXPECT_EQ(std::set<ChartKind>(kind.charts.begin(), kind.charts.end()), expected);
        EXPECT_EQ(kind.charts.size(), expected.size()) << "a chart listed twice";
    }
}

// Saved and exported charts are named by the stem: two charts of one set must not share a file.
TEST(ChartKinds, StemsAreDistinctAsciiAndTitlesDistinct) {
    std::set<std::string_view> stems, titles;
    for (ChartKind chart : everyChart) {
        const ChartKindTraits& traits = chartKindTraits(chart);
        EXPECT_EQ(traits.kind, chart);
        EXPECT_TRUE(std::ranges::all_of(traits.fileStem, [](char c) {
            return c > ' ' && static_cast<unsigned char>(c) < 0x80;
        })) << traits.fileStem;
        stems.insert(traits.fileStem);
        titles.insert(traits.title);
    }
    EXPECT_EQ(stems.size(), std::size(everyChart));
    EXPECT_EQ(titles.size(), std::size(everyChart));
    EXPECT_EQ(std::set<ChartKind>(comparedKinds.begin(), comparedKinds.end()).size(),
              std::size(everyChart));
}

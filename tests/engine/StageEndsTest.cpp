// Rows that end no stage: a furnace log's rows shape the path between stage ends without
// cutting the solver's steps, and write no profile of their own.

#include "Computation.h"
#include "Gruba.h"
#include "Parametry.h"
#include "ResultStreams.h"
#include "RunFixture.h"
#include "Steruj.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Finished {
    std::vector<double> carbon;
    std::string main, surface;
};

Finished runInMemory(const Parametry& parametry) {
    MemoryStreams streams;
    NoProgress progress;
    const KeptRun kept = runKept(parametry, progress, streams);
    EXPECT_EQ(RunStatus::Finished, kept.outcome.status) << kept.outcome.error;
    return {kept.sample->carbon(), streams.text(), streams.text(ResultFile::Surface)};
}

// 4 h at 920 °C and 1.0 % C, as one stage, or as 401 rows of which only the last ends one.
TEST(StageEndsTest, RowsOnAStraightPathChangeNothing) {
    const Finished typed = runInMemory(Parametry(constantStage(4, 920, 1.0), {}));
    ProcessRecord logged = constantStage(4, 920, 1.0);
    TDane& data = logged.data;
    data.times.clear(), data.temperatures.clear(), data.potentials.clear(), data.conditions.clear();
    for (int row = 0; row <= 400; ++row) {
        data.times.push_back(row * 0.01);
        data.temperatures.push_back(920);
        data.potentials.push_back(1.0);
    }
    Parametry parametry(logged, {});
    parametry.stageEnds.assign(401, false);
    parametry.stageEnds.back() = true;
    const Finished replayed = runInMemory(parametry);
    EXPECT_EQ(typed.carbon, replayed.carbon) << "the same steps, to the last bit";
    EXPECT_EQ(typed.surface, replayed.surface);
    EXPECT_EQ(typed.main, replayed.main) << "one profile, at the end";
}

// A potential step inside the run, met by a row that ends no stage: the run follows it.
TEST(StageEndsTest, RowsBetweenStageEndsShapeThePath) {
    const ProcessRecord lower = constantStage(2, 920, 0.6);
    ProcessRecord stepped =
        stagedProcess(0.2, 2e-5, {{0, 920, 0.6}, {1, 920, 0.6}, {1.01, 920, 1.2}, {2, 920, 1.2}});
    Parametry parametry(stepped, {});
    parametry.stageEnds = {false, false, false, true};
    const Finished typed = runInMemory(Parametry(lower, {}));
    const Finished replayed = runInMemory(parametry);
    EXPECT_GT(replayed.carbon[1], typed.carbon[1] + 0.2);
}

} // namespace

// Golden sets: every file a computation writes, compared byte for byte with a stored copy.
//
// Each stored set was computed once and checked; a change anywhere in the engine, the writers
// or the process-data reader that moves a single printed digit fails here. The sets are small:
// one per sample kind, a multi-stage programme with ramps, an alloy grade with its own hardness
// curve beside carbon steel, and every surface condition: neutral stages, boosts held at
// saturation, under a flux limit and under a ceiling, and a designed low-pressure programme.

#include "BatchRun.h"
#include "DesignCommands.h"
#include "RunFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

const std::filesystem::path golden = TAVRIX_GOLDEN_DIR;

// Every file of the folder whose name starts with `stem` followed by ".", by name.
std::map<std::string, std::string> filesOf(const std::filesystem::path& folder,
                                           const std::string& stem) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().stem() == stem)
            files[entry.path().filename().string()] = readText(entry.path());
    return files;
}

// Compares whole files; on a difference names the first line that differs.
void expectSameFiles(const std::map<std::string, std::string>& expected,
                     const std::map<std::string, std::string>& written) {
    ASSERT_FALSE(expected.empty());
    std::vector<std::string> expectedNames, writtenNames;
    for (const auto& [name, text] : expected)
        expectedNames.push_back(name);
    for (const auto& [name, text] : written)
        writtenNames.push_back(name);
    EXPECT_EQ(writtenNames, expectedNames);
    for (const auto& [name, text] : expected) {
        const auto found = written.find(name);
        if (found == written.end() || found->second == text)
            continue;
        std::size_t line = 1, at = 0;
        while (at < text.size() && at < found->second.size() && text[at] == found->second[at])
            line += text[at++] == '\n';
        ADD_FAILURE() << name << " differs from its golden copy from line " << line;
    }
}

// Every run claims its set in the in-use list, which is kept as it was.
class GoldenSet : public testing::TestWithParam<const char*> {
protected:
    // The stored process data of `name`, copied into the test's folder.
    std::filesystem::path copiedInput(const std::string& name) const {
        const std::filesystem::path path = folder_.file(name + ".tav");
        std::filesystem::copy_file(golden / "input" / (name + ".tav"), path);
        return path;
    }

    // Runs a command of tavcalc as main does, its terminal output swallowed.
    static int quietly(int (*command)(const std::vector<std::string>&),
                       const std::vector<std::string>& words) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = command(words);
        testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
        return status;
    }

    KeptInUseList inUseList_;
    TempFolder folder_;
};

class GoldenRun : public GoldenSet {};

} // namespace

TEST_P(GoldenRun, WritesEveryFileAsStored) {
    const std::string name = GetParam();
    ASSERT_EQ(quietly(runBatch, {copiedInput(name).string()}), 0);
    expectSameFiles(filesOf(golden / "expected", name), filesOf(folder_.file(""), name));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, GoldenRun,
                         testing::Values("semi-infinite", "plate", "cylinder", "foil", "wire",
                                         "neutral-plate", "lp-stages", "boost-cylinder",
                                         "lp-designed"),
                         [](const testing::TestParamInfo<const char*>& kind) {
                             std::string name = kind.param;
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(GoldenSet, DesignWritesTheStoredProgramme) {
    const std::string out = folder_.file("plate-design.tav").string();
    ASSERT_EQ(quietly(runDesignCommand, {copiedInput("plate").string(), "--depth", "0.5",
                                         "--surface", "0.8", "-o", out}),
              0);
    expectSameFiles(filesOf(golden / "expected", "plate-design"),
                    filesOf(folder_.file(""), "plate-design"));
}

TEST_F(GoldenSet, FoilFitWritesTheStoredCoefficient) {
    const std::string out = folder_.file("foil-fit.tav").string();
    ASSERT_EQ(quietly(runFitCommand, {copiedInput("foil").string(), "--carbon", "0.6", "-o", out}),
              0);
    expectSameFiles(filesOf(golden / "expected", "foil-fit"),
                    filesOf(folder_.file(""), "foil-fit"));
}

TEST_F(GoldenSet, LowPressureDesignWritesTheStoredPulses) {
    const std::string out = folder_.file("lp-design.tav").string();
    ASSERT_EQ(quietly(runDesignCommand, {copiedInput("semi-infinite").string(), "--low-pressure",
                                         "--depth", "0.8", "--surface", "0.75", "-o", out}),
              0);
    expectSameFiles(filesOf(golden / "expected", "lp-design"),
                    filesOf(folder_.file(""), "lp-design"));
}

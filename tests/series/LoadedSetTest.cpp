// A set read once: every file's series with its own status, whichever of them is damaged or
// missing, and the process data, shape and thickness of the main file.

#include "LoadedSet.h"
#include "SampleFiles.h"
#include "SetNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <ostream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::string_view extensions[] = {"tav", "gru", "pow", "twa", "mas", "sre"};

std::string_view soundFile(std::string_view extension) {
    if (extension == "tav")
        return samples::plateMain;
    if (extension == "gru")
        return samples::depths;
    if (extension == "pow")
        return samples::surface;
    if (extension == "twa")
        return samples::hardness;
    if (extension == "mas")
        return samples::mass;
    return samples::mean;
}

// The status the set gives the file with `extension`; the main file's is that of its profiles.
FileStatus statusOf(const LoadedSet& set, std::string_view extension) {
    if (extension == "tav")
        return set.carbon.status;
    if (extension == "gru")
        return set.depths.status;
    if (extension == "pow")
        return set.surface.status;
    if (extension == "twa")
        return set.hardness.status;
    if (extension == "mas")
        return set.mass.status;
    return set.mean.status;
}

enum class Fault { None, Damaged, Missing };

struct FaultCase {
    const char* name;
    std::string_view extension;
    Fault fault;
};

void PrintTo(const FaultCase& row, std::ostream* out) {
    *out << row.name;
}

// A sound file cut where a number or a header should be, so that its reader stops early.
std::string damaged(std::string_view extension) {
    if (extension == "mas" || extension == "sre")
        return std::string(soundFile(extension).substr(0, soundFile(extension).find(",12")));
    if (extension == "gru")
        return std::string(soundFile(extension)) + "x 1 2 3\n";
    return std::string(soundFile(extension)) + ", 0.3\n";
}

class LoadedSetTest : public testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override {
        folder_ = fs::path(testing::TempDir()) / ("loaded-set-" + std::string(GetParam().name));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string setName() const { return (folder_ / "set.tav").string(); }

    void write(std::string_view extension, std::string_view text) const {
        std::ofstream(resultFileName(setName(), extension), std::ios::binary) << text;
    }

private:
    fs::path folder_;
};

const FaultCase faults[] = {
    {"AllWhole", "tav", Fault::None},           {"MainDamaged", "tav", Fault::Damaged},
    {"DepthsDamaged", "gru", Fault::Damaged},   {"DepthsMissing", "gru", Fault::Missing},
    {"SurfaceDamaged", "pow", Fault::Damaged},  {"SurfaceMissing", "pow", Fault::Missing},
    {"HardnessDamaged", "twa", Fault::Damaged}, {"HardnessMissing", "twa", Fault::Missing},
    {"MassDamaged", "mas", Fault::Damaged},     {"MassMissing", "mas", Fault::Missing},
    {"MeanDamaged", "sre", Fault::Damaged},     {"MeanMissing", "sre", Fault::Missing},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Files, LoadedSetTest, testing::ValuesIn(faults),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_P(LoadedSetTest, EachFileKeepsItsOwnStatus) {
    const FaultCase& row = GetParam();
    for (std::string_view extension : extensions) {
        if (extension != row.extension || row.fault == Fault::None)
            write(extension, soundFile(extension));
        else if (row.fault == Fault::Damaged)
            write(extension, damaged(extension));
    }
    std::ostringstream bugs;
    auto* saved = std::cout.rdbuf(bugs.rdbuf()); // the depth reader's "BUG!!!" lines
    const LoadedSet set = loadSet(setName());
    std::cout.rdbuf(saved);

    for (std::string_view extension : extensions) {
        FileStatus expected = FileStatus::Whole;
        if (extension == row.extension && row.fault == Fault::Damaged)
            expected = FileStatus::Damaged;
        if (extension == row.extension && row.fault == Fault::Missing)
            expected = FileStatus::Missing;
        EXPECT_EQ(statusOf(set, extension), expected) << extension;
    }
    // The head reads whatever follows it.
    EXPECT_EQ(set.process.status, FileStatus::Whole);
    EXPECT_EQ(set.shapeStatus, FileStatus::Whole);
    EXPECT_EQ(set.shape, SampleShape::Plate);
    EXPECT_DOUBLE_EQ(set.thickness, 4);
    EXPECT_EQ(set.process.series.times, (std::vector<double>{0, 4}));
    EXPECT_EQ(set.carbon.series.profileCount(), 2);
}

TEST(LoadedSet, MissingMainFileLeavesEveryMainView) {
    const LoadedSet set = loadSet((fs::temp_directory_path() / "no-such-set.tav").string());
    EXPECT_FALSE(set.mainFileOpened());
    EXPECT_EQ(set.shapeStatus, FileStatus::Missing);
    EXPECT_EQ(set.carbon.status, FileStatus::Missing);
    EXPECT_FALSE(set.shape);
}

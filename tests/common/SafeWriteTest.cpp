// The two ways files are written: checked streams and whole replacements, on a disk that fills
// up (FullDisk.h, /dev/full) and into a folder that is not there.

#include "AtomicFile.h"
#include "CheckedFile.h"
#include "FullDisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SafeWrite : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavrix-write-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

} // namespace

TEST_F(SafeWrite, AReplacementThatFailsLeavesTheOldFileWhole) {
    const std::filesystem::path path = folder_ / "set.tav";
    std::ofstream(path, std::ios::binary) << "old programme\r\n";
    const AtomicFile file(path.string());
    const std::string problem = saidOnAFullDisk(
        64, [&file] { return file.replace(std::string(4096, 'x')).value_or(std::string()); });
    EXPECT_EQ(problem, "cannot write " + path.string() + ": File too large");
    EXPECT_EQ(fileText(path), "old programme\r\n");
    EXPECT_FALSE(std::filesystem::exists(file.temporaryPath()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(SafeWrite, AReplacementTakesTheNewContentWhole) {
    const std::filesystem::path path = folder_ / "set.tav";
    std::ofstream(path, std::ios::binary) << "old programme, longer than the new one\r\n";
    EXPECT_EQ(AtomicFile(path.string()).replace("new\r\n"), std::nullopt);
    EXPECT_EQ(fileText(path), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
    EXPECT_EQ(AtomicFile((folder_ / "none" / "set.tav").string()).replace("x"),
              "cannot write " + (folder_ / "none" / "set.tav").string() +
                  ": No such file or directory");
}

namespace {

struct FailingFile {
    const char* name;
    const char* path; // relative to the test's folder, or absolute
    const char* problem;
    const char* reason;
};

void PrintTo(const FailingFile& row, std::ostream* out) {
    *out << row.name;
}

class FailingCheckedFile : public SafeWrite, public testing::WithParamInterface<FailingFile> {};

} // namespace

TEST_P(FailingCheckedFile, NamesTheFileAndTheSystemsReason) {
    const std::filesystem::path path = std::filesystem::path(GetParam().path).is_absolute()
                                           ? GetParam().path
                                           : folder_ / GetParam().path;
    CheckedFile file;
    file.open(path.string(), CheckedFile::Mode::Truncate);
    file << std::string(100000, 'x') << 1.5 << "\r\n"; // past the buffer: written at once
    EXPECT_FALSE(file.close());
    EXPECT_FALSE(file.good());
    EXPECT_EQ(file.problem(),
              std::string(GetParam().problem) + " " + path.string() + ": " + GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    SafeWrite, FailingCheckedFile,
    testing::Values(FailingFile{"FullDisk", "/dev/full", "cannot write", "No space left on device"},
                    FailingFile{"MissingFolder", "none/a.gru", "cannot open",
                                "No such file or directory"}),
    [](const testing::TestParamInfo<FailingFile>& row) { return std::string(row.param.name); });

TEST_F(SafeWrite, ACheckedFileKeepsItsFormatAcrossFilesAndAppends) {
    const std::filesystem::path path = folder_ / "set.tav";
    std::ofstream(path, std::ios::binary) << "head\r\n";
    CheckedFile file;
    file << "dropped"; // not open: no output
    ASSERT_TRUE(file.open(path.string(), CheckedFile::Mode::Append));
    file << std::setprecision(3) << 3.14159 << "\r\n";
    EXPECT_TRUE(file.close());
    ASSERT_TRUE(file.open(path.string(), CheckedFile::Mode::Append));
    file << 2.71828 << "\r\n";
    EXPECT_TRUE(file.close());
    EXPECT_EQ(fileText(path), "head\r\n3.14\r\n2.72\r\n");
    EXPECT_TRUE(file.problem().empty());
}

#include "FileTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class FileTableFile : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavrix-list-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "pliki.lst").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string path_;
};

} // namespace

TEST(FileTable, NamesCompareWithoutLetterCase) {
    TFileTable table;
    EXPECT_TRUE(table.add("/prog/Stal20.TAV"));
    EXPECT_FALSE(table.add("/PROG/stal20.tav"));
    EXPECT_TRUE(table.contains("/prog/STAL20.tav"));
    EXPECT_FALSE(table.remove("/prog/other.tav"));
    EXPECT_TRUE(table.remove("/prog/stal20.tav"));
    EXPECT_TRUE(table.names().empty());
}

TEST(FileTable, ReadsWholeLinesAndStopsAtTheEnd) {
    TFileTable table;
    std::istringstream in("5\r\n/HOME/MY SETS/A.TAV\r\n/B.TAV\n");
    table.read(in);
    ASSERT_EQ(table.names().size(), 2u);
    EXPECT_EQ(table.names()[0], "/HOME/MY SETS/A.TAV");
    EXPECT_TRUE(table.contains("/home/my sets/a.tav"));
}

TEST(FileTable, EmptyStreamLeavesTheTableAndZeroIsEmpty) {
    TFileTable table;
    table.add("/x.tav");
    std::istringstream empty("");
    table.read(empty);
    EXPECT_EQ(table.names().size(), 1u);
    std::istringstream zero("0");
    table.read(zero);
    EXPECT_TRUE(table.names().empty());
}

TEST_F(FileTableFile, UpdatesRoundTripWithCrLf) {
    EXPECT_TRUE(updateFileTable(path_, ListChange::Add, "/sets/a.tav"));
    EXPECT_TRUE(updateFileTable(path_, ListChange::Add, "/sets/A.TAV"));
    EXPECT_TRUE(updateFileTable(path_, ListChange::Add, "/sets/b c.tav"));
    EXPECT_EQ(fileText(path_), "2\r\n/SETS/A.TAV\r\n/SETS/B C.TAV\r\n");
    EXPECT_TRUE(updateFileTable(path_, ListChange::Remove, "/sets/a.tav"));
    EXPECT_EQ(fileText(path_), "1\r\n/SETS/B C.TAV\r\n");
    EXPECT_EQ(removeStaleEntries(path_), std::nullopt); // no computation holds them
    EXPECT_EQ(fileText(path_), "0");
}

TEST_F(FileTableFile, MissingFileReadsAsUnopened) {
    TFileTable table;
    EXPECT_FALSE(readFileTable(path_, table));
    EXPECT_TRUE(table.names().empty());
}

TEST_F(FileTableFile, ConcurrentUpdatesLoseNoEntry) {
    constexpr int writers = 4;
    constexpr int namesEach = 25;
    for (int w = 0; w < writers; ++w) {
        if (::fork() == 0) {
            for (int k = 0; k < namesEach; ++k)
                updateFileTable(path_, ListChange::Add,
                                "/sets/w" + std::to_string(w) + "_" + std::to_string(k) + ".tav");
            ::_exit(0);
        }
    }
    for (int w = 0; w < writers; ++w)
        ::wait(nullptr);
    TFileTable table;
    ASSERT_TRUE(readFileTable(path_, table));
    EXPECT_EQ(table.names().size(), static_cast<std::size_t>(writers * namesEach));
}

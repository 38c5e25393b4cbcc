#include "SetNames.h"

#include <gtest/gtest.h>

#include <ostream>

#include <unistd.h> // getpid

#include <filesystem>
#include <fstream>
#include <string>

TEST(SetNames, RelativeNamesGoIntoTheProgramFolder) {
    EXPECT_EQ(completeName("stal20.tav", "/opt/tavrix/"), "/opt/tavrix/stal20.tav");
    EXPECT_EQ(completeName("/data/20HMN.tav", "/opt/tavrix/"), "/data/20HMN.tav");
    EXPECT_EQ(programFolder().back(), '/');
    EXPECT_EQ(listFilePath(), programFolder() + "pliki.lst");
}

struct ResultNameCase {
    const char* set;
    const char* extension;
    const char* expected;
};

void PrintTo(const ResultNameCase& row, std::ostream* out) {
    *out << row.set << " " << row.extension;
}

class ResultNames : public testing::TestWithParam<ResultNameCase> {};

TEST_P(ResultNames, ReplaceTheThreeCharactersAfterTheLastDot) {
    EXPECT_EQ(resultFileName(GetParam().set, GetParam().extension), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SetNames, ResultNames,
                         testing::Values(ResultNameCase{"/a/stal20.tav", "pow", "/a/stal20.pow"},
                                         ResultNameCase{"/a/b.c/x.TAV", "mas", "/a/b.c/x.mas"},
                                         ResultNameCase{"/a/x.tavx", "gru", "/a/x.grux"},
                                         ResultNameCase{"/a/x.t", "sre", "/a/x.sre"},
                                         ResultNameCase{"/a.b/tavfile", "twa",
                                                        "/a.b/tavfile.twa"}));

TEST(SetNames, UpperCaseLeavesUtf8Alone) {
    EXPECT_EQ(upperCased("/home/jó/stal20.tav"), "/HOME/Jó/STAL20.TAV");
}

// A name typed on a command line, in a current folder and a program folder that hold (or lack)
// a file of that name.
struct CommandLineNameCase {
    const char* name;
    bool inCurrentFolder;
    bool inProgramFolder;
    const char* expected; // "here/..." or "program/..." below the test's folder, or absolute
};

void PrintTo(const CommandLineNameCase& row, std::ostream* out) {
    *out << row.name << (row.inCurrentFolder ? " here" : "")
         << (row.inProgramFolder ? " in program folder" : "");
}

class CommandLineNames : public testing::TestWithParam<CommandLineNameCase> {
protected:
    void SetUp() override {
        root_ =
            std::filesystem::temp_directory_path() / ("tavrix-names-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_ / "here" / "sub");
        std::filesystem::create_directories(root_ / "program" / "sub");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::filesystem::path root_;
};

TEST_P(CommandLineNames, ComeFromTheCurrentFolderFirstThenFromTheProgramFolder) {
    const CommandLineNameCase& row = GetParam();
    const std::filesystem::path file = std::filesystem::path(row.name).lexically_normal();
    if (row.inCurrentFolder)
        std::ofstream(root_ / "here" / file) << "0.2\n";
    if (row.inProgramFolder)
        std::ofstream(root_ / "program" / file) << "0.2\n";
    const std::string expected =
        row.expected[0] == '/' ? row.expected : (root_ / row.expected).string();

    EXPECT_EQ(commandLineName(row.name, root_ / "here", (root_ / "program").string() + "/"),
              expected);
}

INSTANTIATE_TEST_SUITE_P(
    SetNames, CommandLineNames,
    testing::Values(CommandLineNameCase{"x.tav", true, true, "here/x.tav"},
                    CommandLineNameCase{"x.tav", false, true, "program/x.tav"},
                    CommandLineNameCase{"x.tav", false, false, "here/x.tav"},
                    CommandLineNameCase{"./sub/x.tav", true, false, "here/sub/x.tav"},
                    CommandLineNameCase{"sub/x.tav", false, true, "program/sub/x.tav"},
                    CommandLineNameCase{"/data/20HMN.tav", false, false, "/data/20HMN.tav"}));

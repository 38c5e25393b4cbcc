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

struct SameNameCase {
    const char* name; // of the case
    const char* one;
    const char* other;
    bool same;
};

void PrintTo(const SameNameCase& row, std::ostream* out) {
    *out << row.name;
}

class SameSetNames : public testing::TestWithParam<SameNameCase> {};

TEST_P(SameSetNames, IgnoreTheCaseOfAsciiAndPolishLetters) {
    EXPECT_EQ(sameSetName(GetParam().one, GetParam().other), GetParam().same);
    EXPECT_EQ(sameSetName(GetParam().other, GetParam().one), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    SetNames, SameSetNames,
    testing::Values(
        SameNameCase{"UpperCase", "/home/jan/stal20.tav", "/HOME/JAN/STAL20.TAV", true},
        SameNameCase{"MixedCase", "/Home/Jan/Stal20.Tav", "/home/jan/stal20.tav", true},
        SameNameCase{"PolishLetterAsListed", "/dane/STAł.TAV", "/dane/STAŁ.tav", true},
        SameNameCase{"EveryPolishLetter", "/źródła/żółć ąęńś.tav", "/ŹRÓDŁA/ŻÓŁĆ ĄĘŃŚ.TAV", true},
        SameNameCase{"PolishLetterIsNoAsciiOne", "/dane/zolc.tav", "/dane/żółć.tav", false},
        SameNameCase{"AnotherSet", "/home/jan/stal20.tav", "/home/jan/stal21.tav", false},
        SameNameCase{"APrefixOnly", "/home/jan/stal20", "/home/jan/stal20.tav", false}),
    [](const testing::TestParamInfo<SameNameCase>& row) { return std::string(row.param.name); });

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

// A copy of the programs in "<root>/usr/bin/", with or without the portable marker, and the
// environment its user has.
struct FolderRuleCase {
    const char* label;
    bool marked;
    const char* xdgDataHome; // "@" stands for the test's folder
    const char* expectedData;
};

void PrintTo(const FolderRuleCase& row, std::ostream* out) {
    *out << row.label;
}

class ProgramFolderRule : public testing::TestWithParam<FolderRuleCase> {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("tavrix-folders-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_ / "usr/bin");
        std::filesystem::create_directories(root_ / "usr/share/tavrix/examples");
        std::ofstream(root_ / "usr/share/tavrix/examples/plate.tav") << "0.2\n";
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string at(std::string_view path) const {
        std::string text(path);
        if (const std::size_t marker = text.find('@'); marker != std::string::npos)
            text.replace(marker, 1, root_.string());
        return text;
    }
    ProgramFolders folders(const FolderRuleCase& row) const {
        const std::string program = (root_ / "usr/bin/").string();
        if (row.marked)
            std::ofstream(program + "tavrix.portable") << "portable\n";
        return programFoldersAt(program, at(row.xdgDataHome), at("@/home"));
    }

    std::filesystem::path root_;
};

TEST_P(ProgramFolderRule, PortableCopiesKeepEverythingBesideThemInstalledOnesUseTheUsersFolder) {
    const FolderRuleCase& row = GetParam();
    const ProgramFolders result = folders(row);

    const std::string program = (root_ / "usr/bin/").string();
    EXPECT_EQ(result.program, program);
    EXPECT_EQ(result.portable, row.marked);
    EXPECT_EQ(result.data, at(row.expectedData));
    EXPECT_EQ(result.shipped, row.marked ? program : (root_ / "usr/share/tavrix/").string());
}

TEST_P(ProgramFolderRule, TheFirstUseOfAnInstalledCopyGetsTheExamplesOnce) {
    const FolderRuleCase& row = GetParam();
    const ProgramFolders result = folders(row);

    EXPECT_EQ(prepareDataFolder(result), std::nullopt);
    const std::filesystem::path copied = result.data + "examples/plate.tav";
    EXPECT_EQ(std::filesystem::exists(copied), !row.marked);
    if (row.marked)
        return;
    // The user's own changes stay: the examples are copied when the folder is made, not later.
    std::filesystem::remove(copied);
    EXPECT_EQ(prepareDataFolder(result), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(copied));
}

INSTANTIATE_TEST_SUITE_P(
    SetNames, ProgramFolderRule,
    testing::Values(FolderRuleCase{"PortableIgnoresXdg", true, "@/xdg", "@/usr/bin/"},
                    FolderRuleCase{"InstalledHome", false, "", "@/home/.local/share/Tavrix/"},
                    FolderRuleCase{"InstalledXdg", false, "@/xdg", "@/xdg/Tavrix/"},
                    FolderRuleCase{"RelativeXdgIgnored", false, "xdg",
                                   "@/home/.local/share/Tavrix/"}),
    [](const testing::TestParamInfo<FolderRuleCase>& rule) {
        return std::string(rule.param.label);
    });

TEST(SetNames, ADataFolderThatCannotBeMadeIsReported) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("tavrix-not-a-folder-" + std::to_string(::getpid()));
    std::ofstream(file) << "x";
    const ProgramFolders folders{"/usr/bin/", "/usr/share/tavrix/", file.string() + "/Tavrix/",
                                 false};
    const std::optional<std::string> problem = prepareDataFolder(folders);
    std::filesystem::remove(file);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(folders.data), std::string::npos) << *problem;
}

TEST(SetNames, ASuffixGoesBeforeTheExtension) {
    EXPECT_EQ(suffixedName("/sets/walk1.tav", "-design"), "/sets/walk1-design.tav");
    EXPECT_EQ(suffixedName("walk1.tav", "-fit"), "walk1-fit.tav");
    EXPECT_EQ(suffixedName("/sets/a.b/walk1", "-fit"), "/sets/a.b/walk1-fit");
}

TEST(SetNames, AProposedNameOverwritesNoFile) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tavrix-suffix-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string set = (folder / "walk1.tav").string();
    EXPECT_EQ(unusedSuffixedName(set, "-design"), (folder / "walk1-design.tav").string());
    for (const char* taken : {"walk1-design.tav", "walk1-design-2.tav"})
        std::ofstream(folder / taken) << "0.2\r\n";
    EXPECT_EQ(unusedSuffixedName(set, "-design"), (folder / "walk1-design-3.tav").string());
    std::filesystem::remove_all(folder);
}

// Every file that can go goes, missing ones are no problem, and each that stays is named (a
// folder with a file in it stays whoever runs the test).
TEST(SetNames, DeletingASetNamesEachFileThatStays) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tavrix-delete-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "set.pow" / "inside");
    std::filesystem::create_directories(folder / "set.mas" / "inside");
    std::ofstream(folder / "set.tav") << "process data";
    std::ofstream(folder / "set.gru") << "depths";
    const std::string set = (folder / "set.tav").string();
    constexpr std::string_view extensions[] = {"pow", "gru", "mas", "twa"};

    const std::optional<std::string> problem = deleteSetFiles(set, extensions);
    const std::string pow = (folder / "set.pow").string(), mas = (folder / "set.mas").string();
    EXPECT_EQ(problem, "cannot delete " + pow + ": Directory not empty\ncannot delete " + mas +
                           ": Directory not empty");
    EXPECT_FALSE(std::filesystem::exists(folder / "set.tav"));
    EXPECT_FALSE(std::filesystem::exists(folder / "set.gru"));

    std::filesystem::remove_all(folder / "set.pow" / "inside");
    std::filesystem::remove_all(folder / "set.mas" / "inside");
    EXPECT_EQ(deleteSetFiles(set, extensions), std::nullopt) << "deleted again, it goes";
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

// The Python module used from its build runs under a Python whose prefix ships no examples.
TEST(SetNames, ADataFolderWithoutShippedExamplesIsMadeEmpty) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() /
                                       ("tavrix-no-examples-" + std::to_string(::getpid()));
    const ProgramFolders folders{(root / "usr/bin/").string(),
                                 (root / "usr/share/tavrix/").string(),
                                 (root / "home/Tavrix/").string(), false};
    EXPECT_EQ(prepareDataFolder(folders), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(folders.data));
    EXPECT_TRUE(std::filesystem::is_empty(folders.data));
    std::filesystem::remove_all(root);
}

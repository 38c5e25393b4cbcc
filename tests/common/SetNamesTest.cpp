#include "SetNames.h"

#include <gtest/gtest.h>

#include <ostream>

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

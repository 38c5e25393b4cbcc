#include "NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

struct NumberCase {
    const char* name;
    double value;
    int decimals;
    const char* general; // as "%g" writes it in the C locale
    const char* fixed;   // as "%.*f" with `decimals`
};

// The C library's locale for as long as it lives, then the one before.
class ProcessLocale {
public:
    explicit ProcessLocale(const char* name)
        : before_(std::setlocale(LC_ALL, nullptr)), set_(std::setlocale(LC_ALL, name) != nullptr) {}
    ~ProcessLocale() { std::setlocale(LC_ALL, before_.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;
    bool set() const { return set_; }

private:
    std::string before_;
    bool set_;
};

class NumberText : public testing::TestWithParam<NumberCase> {};

} // namespace

// A Polish desktop, or a script that set its locale, writes "0,8" through printf; a message never.
TEST_P(NumberText, IsTheCLocalesUnderADecimalCommaLocale) {
    const NumberCase& row = GetParam();
    const ProcessLocale polish("pl_PL.UTF-8");
    ASSERT_TRUE(polish.set()) << "tools/install-deps.sh generates the pl_PL.UTF-8 locale";
    EXPECT_EQ(generalText(row.value), row.general);
    EXPECT_EQ(fixedText(row.value, row.decimals), row.fixed);
}

TEST_P(NumberText, IsWhatPrintfWritesInTheCLocale) {
    const NumberCase& row = GetParam();
    const ProcessLocale c("C");
    char general[64], fixed[64];
    std::snprintf(general, sizeof general, "%g", row.value);
    std::snprintf(fixed, sizeof fixed, "%.*f", row.decimals, row.value);
    EXPECT_EQ(generalText(row.value), general);
    EXPECT_EQ(fixedText(row.value, row.decimals), fixed);
}

INSTANTIATE_TEST_SUITE_P(
    Common, NumberText,
    testing::Values(NumberCase{"Potential", 0.8, 3, "0.8", "0.800"},
                    NumberCase{"Coefficient", 2e-5, 2, "2e-05", "0.00"},
                    NumberCase{"Temperature", 920, 0, "920", "920"},
                    NumberCase{"SixDigits", 1234567, 1, "1.23457e+06", "1234567.0"},
                    NumberCase{"Negative", -0.35, 3, "-0.35", "-0.350"},
                    NumberCase{"RoundsHalfToEven", 0.125, 2, "0.125", "0.12"}),
    [](const testing::TestParamInfo<NumberCase>& row) { return std::string(row.param.name); });

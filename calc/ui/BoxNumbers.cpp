#include "BoxNumbers.h"

#include "ProcessData.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <locale.h> // newlocale (POSIX)
#include <stdlib.h> // strtod_l (glibc)

namespace {

constexpr std::size_t boxTextLength = 9;

// strtod's own rules for where a number ends, but with the classic decimal point whatever
// LC_NUMERIC says.
double classicStrtod(const std::string& text) {
    static const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, classic);
}

} // namespace

double boxNumber(std::string_view text) {
    std::string head(text.substr(0, boxTextLength));
    if (head.empty())
        return emptyCell;
    // The filter admits a comma, and cutting "0,8" at the comma would silently give 0.
    std::replace(head.begin(), head.end(), ',', '.');
    return classicStrtod(head);
}

std::string fixedText(double value) {
    // Room for the 309 integer digits of the largest double, its sign, point and decimals.
    char digits[320];
    const auto [end, error] =
        std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::fixed, 6);
    if (error != std::errc())
        return {};
    return std::string(std::begin(digits), end);
}

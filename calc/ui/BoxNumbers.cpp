#include "BoxNumbers.h"

#include "ProcessForm.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <locale.h> // newlocale (POSIX)
#include <stdlib.h> // strtod_l (glibc)

namespace {

// strtod's own rules for where a number ends, but with the classic decimal point whatever
// LC_NUMERIC says.
double classicStrtod(const std::string& text) {
    static const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, classic);
}

// `value` as std::to_chars writes it with `format`; with none, the shortest exact text.
template <typename... Format> std::string charsText(double value, Format... format) {
    // Room for the 309 integer digits of the largest double, its sign, point and decimals.
    char digits[320];
    const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), value, format...);
    return error == std::errc() ? std::string(std::begin(digits), end) : std::string();
}

} // namespace

double boxNumber(std::string_view text) {
    std::string number(text);
    if (number.empty())
        return emptyCell;
    // The filter admits a comma, and cutting "0,8" at the comma would silently give 0.
    std::replace(number.begin(), number.end(), ',', '.');
    return classicStrtod(number);
}

std::string loadedText(double value) {
    const std::string fixed = charsText(value, std::chars_format::fixed, 6);
    if (!fixed.empty() && boxNumber(fixed) == value)
        return fixed;
    return charsText(value);
}

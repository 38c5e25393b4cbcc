#include "BoxNumbers.h"

#include "ProcessForm.h"

#include <algorithm>
#include <charconv>
#include <iterator>

std::optional<double> boxNumber(std::string_view text) {
    std::string number(text);
    if (number.empty())
        return emptyCell;
    // The filter admits a comma, and cutting "0,8" at the comma would silently give 0.
    std::replace(number.begin(), number.end(), ',', '.');
    // from_chars reads the classic decimal point whatever LC_NUMERIC says.
    double value = 0;
    const char* const end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::string loadedText(double value) {
    // Room for the longest shortest form of a double, its sign, point and exponent.
    char digits[32];
    const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), value);
    return error == std::errc() ? std::string(std::begin(digits), end) : std::string();
}

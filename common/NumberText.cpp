#include "NumberText.h"

#include <charconv>

namespace {

// std::to_chars writes as printf does in the C locale, never in the process's.
std::string charsOf(double value, std::chars_format format, int precision) {
    char text[400]; // room for a fixed form of the largest double
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text, value, format, precision);
    return std::string(text, written.ptr);
}

} // namespace

std::string generalText(double value) {
    return charsOf(value, std::chars_format::general, 6);
}

std::string fixedText(double value, int decimals) {
    return charsOf(value, std::chars_format::fixed, decimals);
}

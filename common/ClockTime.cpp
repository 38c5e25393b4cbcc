#include "ClockTime.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

std::string clockText(double hours) {
    const long long seconds = std::llround(hours * 3600);
    const long long magnitude = seconds < 0 ? -seconds : seconds;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld:%02lld:%02lld", seconds < 0 ? "-" : "",
                  magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
    return text;
}

std::optional<double> clockHours(std::string_view text) {
    std::vector<long long> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = text.find(':', start);
        const std::string_view part = text.substr(start, colon - start);
        long long value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() || value < 0)
            return std::nullopt;
        parts.push_back(value);
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
    }
    if (parts.size() != 3 || parts[1] >= 60 || parts[2] >= 60)
        return std::nullopt;
    return double(parts[0]) + double(parts[1]) / 60 + double(parts[2]) / 3600;
}

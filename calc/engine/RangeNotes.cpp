#include "RangeNotes.h"

#include <algorithm>
#include <locale>
#include <sstream>

std::string shortNumber(double value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.precision(4);
    text << value;
    return text.str();
}

double RangeNotes::clamp(std::string_view quantity, double value, double low, double high,
                         std::string_view unit, std::string_view relation) {
    if (value >= low && value <= high)
        return value;
    const double end = value < low ? low : high;
    std::string key = std::string(quantity) + '|' + std::string(relation);
    if (std::find(keys_.begin(), keys_.end(), key) == keys_.end()) {
        keys_.push_back(std::move(key));
        const std::string u = unit.empty() ? "" : " " + std::string(unit);
        notes_.push_back(std::string(quantity) + " " + shortNumber(value) + u +
                         " is beyond the range of " + std::string(relation) + " (" +
                         shortNumber(low) + "-" + shortNumber(high) + u + "): taken as " +
                         shortNumber(end) + u);
    }
    return end;
}

void RangeNotes::note(const std::string& text) {
    if (std::find(keys_.begin(), keys_.end(), text) != keys_.end())
        return;
    keys_.push_back(text);
    notes_.push_back(text);
}

#pragma once
// The notes of a model's relations applied outside the range they were fitted on.
//
// Every empirical relation of the hardness model holds on a range of its inputs; a value beyond
// it is taken at the nearest end of the range (never extrapolated: a fitted polynomial may
// diverge outside its data) and noted once per quantity and relation, with the first value
// that was clamped.

#include <string>
#include <string_view>
#include <vector>

class RangeNotes {
public:
    // `value` within [low, high]; a value outside is noted as "<quantity> <value> <unit> is
    // beyond the range of <relation> (<low>-<high> <unit>): taken as <end> <unit>".
    double clamp(std::string_view quantity, double value, double low, double high,
                 std::string_view unit, std::string_view relation);
    // A free note, kept once.
    void note(const std::string& text);

    const std::vector<std::string>& notes() const { return notes_; }

private:
    std::vector<std::string> keys_;
    std::vector<std::string> notes_;
};

// A number as the notes and the command line print it: up to four significant digits, a
// decimal point whatever the locale.
std::string shortNumber(double value);

#pragma once
// How a number passes between a box of the process-data dialog and the form or a file.
//
// Both directions are independent of the desktop's locale: a box always shows a decimal point,
// and a decimal comma typed by the user reads as a point.

#include <optional>
#include <string>
#include <string_view>

// The characters a numeric box admits, as typed or pasted.
inline constexpr std::string_view numberCharacters = "..,,1234567890eE-";

// The value of a box's text; an empty text gives emptyCell. The whole text must be one number
// ("0.2", "2e-5", "1,5"): text that holds more ("0.2-0.3"), less ("0.2e") or no number ("e-5")
// gives nothing, for the form to refuse rather than to run on the part it could read.
std::optional<double> boxNumber(std::string_view text);

// A value as a box shows it after loading or designing: with the digits it needs and no more
// ("930", "0.2", "2e-05"), so that reading the box gives the very same number.
std::string loadedText(double value);

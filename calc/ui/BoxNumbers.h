#pragma once
// How a number passes between a box of the process-data dialog and the form or a file.
//
// Both directions are independent of the desktop's locale: a box always shows a decimal point,
// and a decimal comma typed by the user reads as a point.

#include <string>
#include <string_view>

// The characters a numeric box admits, as typed or pasted.
inline constexpr std::string_view numberCharacters = "..,,1234567890eE-";

// The value of a box's text; an empty text gives emptyCell. The number ends at the first
// character that cannot continue it, and text with no number at its start gives 0. Every
// character of the number counts: cutting the text short would change "1.2345e-05" to 1.2345.
double boxNumber(std::string_view text);

// A value as a box shows it after loading, so that reading the box gives the very same number:
// fixed notation with six decimals ("925.000000") wherever that is exact, else the shortest text
// that is ("1.25e-06", which six decimals would turn into 0.000001).
std::string loadedText(double value);

#pragma once
// A time as a clock shows it, "h:mm:ss": how a programme's total time reads at a glance, and how
// the seconds of a low-pressure programme's pulses are typed into a table kept in hours.

#include <optional>
#include <string>
#include <string_view>

// "12:00:00" for 12 h, "0:00:30" for 30 s; rounded to the whole second.
std::string clockText(double hours);

// The hours of "h:mm:ss" (minutes and seconds below 60, every part whole, the hours perhaps
// above 24); nothing for any other text ("0:30" could be minutes or seconds).
std::optional<double> clockHours(std::string_view text);

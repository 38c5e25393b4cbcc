#pragma once
// The carburizing steels the calculation window offers by name, each with the middle of its
// composition ranges (EN 10084 for the European names, SAE J404 for the four-digit ones), which
// the user may then edit. One table, read by the window's grade picker and by the tests.

#include <optional>
#include <span>
#include <string_view>

struct CarburizingSteel {
    std::string_view name;        // as the standard writes it, stored on the `grade:` line
    std::string_view standard;    // "EN 10084" or "SAE J404"
    double c, cr, mo, mn, si, ni; // %: the steel carbon, then the alloy in the file's order
    double cu, v, b;              // %: the elements a `chemistry:` line carries
};

std::span<const CarburizingSteel> carburizingSteels();
std::optional<CarburizingSteel> carburizingSteel(std::string_view name);

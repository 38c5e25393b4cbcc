#include "CarburizingSteels.h"

#include <algorithm>
#include <array>

namespace {

// Middles of the ranges; silicon 0.25 % where the standard gives only a maximum of 0.40 %,
// no element the standard does not name.
constexpr std::array<CarburizingSteel, 11> steels{{
    //  name          standard     C      Cr     Mo     Mn     Si    Ni     Cu V  B
    {"16MnCr5", "EN 10084", 0.165, 0.95, 0, 1.15, 0.25, 0, 0, 0, 0},
    {"20MnCr5", "EN 10084", 0.195, 1.15, 0, 1.25, 0.25, 0, 0, 0, 0},
    {"20MoCr4", "EN 10084", 0.20, 0.45, 0.45, 0.85, 0.25, 0, 0, 0, 0},
    {"18CrNiMo7-6", "EN 10084", 0.18, 1.65, 0.30, 0.70, 0.25, 1.55, 0, 0, 0},
    {"17NiCrMo6-4", "EN 10084", 0.17, 0.95, 0.20, 0.75, 0.25, 1.35, 0, 0, 0},
    {"16NiCrMo13", "EN 10084", 0.15, 0.95, 0.25, 0.45, 0.25, 3.25, 0, 0, 0},
    {"23MnCrMo5", "EN 10084", 0.23, 1.15, 0.25, 1.25, 0.25, 0, 0, 0, 0},
    {"20NiCrMo2", "EN 10084", 0.20, 0.525, 0.20, 0.80, 0.25, 0.55, 0, 0, 0},
    {"8620", "SAE J404", 0.205, 0.50, 0.20, 0.80, 0.25, 0.55, 0, 0, 0},
    {"4320", "SAE J404", 0.195, 0.50, 0.25, 0.55, 0.25, 1.825, 0, 0, 0},
    {"9310", "SAE J404", 0.105, 1.20, 0.115, 0.55, 0.25, 3.25, 0, 0, 0},
}};

} // namespace

std::span<const CarburizingSteel> carburizingSteels() {
    return steels;
}

std::optional<CarburizingSteel> carburizingSteel(std::string_view name) {
    const auto found = std::ranges::find(steels, name, &CarburizingSteel::name);
    if (found == steels.end())
        return std::nullopt;
    return *found;
}

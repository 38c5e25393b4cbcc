#include "HardnessScale.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr double firstHrc = 20;
// HV of 20, 21, ... 68 HRC (ASTM E140, table 1).
constexpr std::array<double, 49> vickers = {
    238, 243, 248, 254, 260, 266, 272, 279, 286, 294, 302, 310, 318, 327, 336, 345, 354,
    363, 372, 382, 392, 402, 412, 423, 434, 446, 458, 471, 484, 498, 513, 528, 544, 560,
    577, 595, 613, 633, 653, 674, 697, 720, 746, 772, 800, 832, 865, 900, 940};

} // namespace

double hvFromHrc(double hrc) {
    const double row = std::clamp(hrc - firstHrc, 0.0, double(vickers.size() - 1));
    const auto below = std::min(static_cast<std::size_t>(row), vickers.size() - 2);
    const double share = row - double(below);
    return vickers[below] + share * (vickers[below + 1] - vickers[below]);
}

double hrcFromHv(double hv) {
    const double value = std::clamp(hv, vickers.front(), vickers.back());
    const auto above = std::upper_bound(vickers.begin() + 1, vickers.end() - 1, value);
    const auto below = above - 1;
    const double share = (value - *below) / (*above - *below);
    return firstHrc + double(below - vickers.begin()) + share;
}

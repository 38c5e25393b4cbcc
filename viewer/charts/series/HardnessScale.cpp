#include "HardnessScale.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace {

// HV at 20, 21, ..., 68 HRC (ASTM E140, Table 1).
constexpr std::array<double, 49> vickersAtWholeHrc{
    238, 243, 248, 254, 260, 266, 272, 279, 286, 294, // 20..29
    302, 310, 318, 327, 336, 345, 354, 363, 372, 382, // 30..39
    392, 402, 412, 423, 434, 446, 458, 471, 484, 498, // 40..49
    513, 528, 544, 560, 577, 595, 613, 633, 653, 674, // 50..59
    697, 720, 746, 772, 800, 832, 865, 900, 940};     // 60..68

static_assert(vickersAtWholeHrc.size() == highestTabulatedHrc - lowestTabulatedHrc + 1);

} // namespace

std::optional<double> vickersFromRockwellC(double hrc) {
    if (!(hrc >= lowestTabulatedHrc && hrc <= highestTabulatedHrc))
        return std::nullopt;
    const double steps = hrc - lowestTabulatedHrc;
    const auto below = static_cast<std::size_t>(std::floor(steps));
    if (below + 1 >= vickersAtWholeHrc.size())
        return vickersAtWholeHrc.back();
    const double fraction = steps - static_cast<double>(below);
    return vickersAtWholeHrc[below] +
           fraction * (vickersAtWholeHrc[below + 1] - vickersAtWholeHrc[below]);
}

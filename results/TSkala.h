#pragma once
// The axis record of a chart window: its ranges and division counts, edited by the scale dialog.

#include <cstdint>

struct TSkala {
    std::int32_t xDivisions = 4;
    std::int32_t yDivisions = 4;
    double xStart = 0;
    double xEnd = 0;
    double yStart = 0;
    double yEnd = 0;
};

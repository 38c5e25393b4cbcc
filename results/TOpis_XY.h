#pragma once
// The captions a "mas" or "sre" file brings with it: the chart shows them instead of built-in
// ones. Any of them may be empty.

#include <string>

struct TOpis_XY {
    std::string xCaption;      // UTF-8
    std::string middleCaption; // UTF-8
    std::string yCaption;      // UTF-8
};

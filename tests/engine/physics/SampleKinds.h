#pragma once
// The five sample kinds as the physics tests run them: sizes and programme lengths chosen so
// that each kind shows its own behaviour (the plate's carbon reaches its mid-plane, the
// cylinder's does not reach its axis, foil and wire take up a fair part of what they can hold)
// while a Debug build runs each in well under a second.

#include "DrivenSample.h"
#include "Drut.h"
#include "Folia.h"
#include "Gruba.h"
#include "Plyta.h"
#include "Walec.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

struct SampleKindCase {
    const char* name; // in the test's name
    SampleShape shape;
    double thickness; // mm: plate or foil thickness, cylinder or wire diameter
    double duration;  // programme length, h (s for a foil or a wire)
    bool perLength;   // mass gain per metre of length rather than per square metre
    SolverFactory make;
};

inline const SampleKindCase sampleKinds[] = {
    {"SemiInfinite", SampleShape::SemiInfinite, unfilledValue, 4, false, makeSolver<Gruba>},
    {"Plate", SampleShape::Plate, 4, 8, false, makeSolver<Plyta>},
    {"Foil", SampleShape::Foil, 0.05, 300, false, makeSolver<Folia>},
    {"Cylinder", SampleShape::Cylinder, 10, 8, true, makeSolver<Walec>},
    {"Wire", SampleShape::Wire, 0.01, 30, true, makeSolver<Drut>},
};

inline void PrintTo(const SampleKindCase& kind, std::ostream* out) {
    *out << kind.name;
}

inline std::string kindName(const testing::TestParamInfo<SampleKindCase>& row) {
    return row.param.name;
}

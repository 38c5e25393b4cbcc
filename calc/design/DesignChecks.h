#pragma once
// What the gas design and the low-pressure design ask alike of the values they share, so that
// one mistake is refused in the same words by both: the shape, the carburizing temperature, the
// depth and the hardening stage, and a depth the sample is too thin for.

#include "ProcessData.h"
#include "ProgrammeDesign.h"

#include <optional>
#include <string>

// The values both designs read. `depthName` is how a message names the depth ("case depth").
struct SharedTargets {
    const ProcessRecord& steel;
    double celsius; // °C, carburizing temperature
    double depth;   // mm
    const std::optional<HardeningStage>& hardening;
    std::string depthName;
};

// What is wrong with the shared values in themselves: the design refuses them.
std::optional<std::string> sharedInputProblem(const SharedTargets& targets);

// A depth beyond the middle of a plate or cylinder: sound values that no programme meets.
std::optional<std::string> depthBeyondSample(const SharedTargets& targets);

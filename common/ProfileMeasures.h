#pragma once
// What a computed profile says at given depths: its value between nodes, its distance from a
// measurement, and the case-hardening depth of a hardness profile.
//
// A computed profile is given as node depths `x`, rising, and one value per node in `y`; the
// depths are in the unit of the depths they are compared with (mm for a measurement). Between
// nodes the profile is taken as linear, and it says nothing outside its first and last node.

#include "MeasuredProfile.h"

#include <cstddef>
#include <optional>
#include <vector>

// The hardness that defines the case-hardening depth unless the drawing names another (HV).
inline constexpr double defaultHardnessLimit = 550.0;

// The profile's value at `depth`, linear between the neighbouring nodes; empty outside the
// profile.
std::optional<double> profileValueAt(const std::vector<double>& x, const std::vector<double>& y,
                                     double depth);

struct ProfileMisfit {
    std::optional<double> rms; // root-mean-square of measured − computed; empty when none compared
    std::size_t compared = 0;  // points inside the computed profile
    std::size_t beyond = 0;    // points outside it, left out
};

// How far a measurement lies from a computed profile of the same quantity.
ProfileMisfit profileMisfit(const MeasuredProfile& measured, const std::vector<double>& x,
                            const std::vector<double>& y);

// Case-hardening depth: the depth at which the hardness `hv` (HV) falls from `limit` or above to
// below it, the first such fall inwards from the surface, linear between nodes. Empty when the
// profile never reaches the limit or never falls below it again.
std::optional<double> hardnessCaseDepth(const std::vector<double>& x, const std::vector<double>& hv,
                                        double limit = defaultHardnessLimit);

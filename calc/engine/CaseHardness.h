#pragma once
// The hardness of a case from its carbon profile by the curve of its steel's grade, and the
// hardness file's blocks.

#include "SteelGrades.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The hardness of a case as the hardness file gives it: the resampled points from the surface on
// whose carbon exceeds ck + 0.01 % C (X and C with their ghost point first, as resampled).
struct CaseHardness {
    std::vector<double> depth; // µm
    std::vector<double> hv;    // HV
    bool fromQuench = false;   // the quench model's, not the grade curves'
    // A hardness from the quench only: the austenite retained at each point (%), the
    // martensite start at the surface and the notes of relations used beyond their range.
    std::vector<double> austenite;
    std::optional<double> surfaceMsC; // °C
    std::optional<double> coreHv;     // HV of the steel's own carbon at the centre
    std::vector<std::string> notes;

    std::vector<double> depthMm() const; // the depths in mm, as drawings and measurements give them
};
CaseHardness caseHardness(const std::vector<double>& X, const std::vector<double>& C, double ck,
                          const std::vector<double>& sklad);

// Appends one block to a profile file of the hardness-file layout: the time line (hours), then a
// line for every point, its depth (mm) and `values` at three significant digits.
void writeHardnessBlock(std::ostream& out, double t, const std::vector<double>& depth,
                        const std::vector<double>& values);

// Appends one block to the hardness file: the time line (hours), then a line for every point
// of the case hardness.
void hardnessProfile(std::ostream& twa, double t, const std::vector<double>& X,
                     const std::vector<double>& C, double ck, const std::vector<double>& sklad);

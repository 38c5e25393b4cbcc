#pragma once
// The steel grades the hardness model knows, and the hardness of the case they give.
//
// A steel is identified by its alloy contents: thirteen alloy grades, each with a window per
// element, and plain carbon steel for everything else. Each grade has an empirical curve of
// hardness (HV) over the local carbon content.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The first grade (in table order) whose Mn, Ni, Cr and Mo windows all hold; " stal węglowa "
// (carbon steel) when none does. `sklad` is in file order: Cr, Mo, Mn, Si, Ni (%).
std::string_view steelGrade(const std::vector<double>& sklad);

// Hardness (HV) of grade `grade` at carbon content `carbon` (% C).
double hardness(std::string_view grade, double carbon);

// % C: the carbon content at which the curve of `grade` is hardest. Above it retained austenite
// softens the case, and the curves describe a measured traverse less well.
double hardestCarbon(std::string_view grade);

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

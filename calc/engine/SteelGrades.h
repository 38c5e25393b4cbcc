#pragma once
// The steel grades the hardness model knows, and the hardness of the case they give.
//
// A steel is identified by its alloy contents: thirteen alloy grades, each with a window per
// element, and plain carbon steel for everything else. Each grade has an empirical curve of
// hardness (HV) over the local carbon content.

#include <iosfwd>
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

    std::vector<double> depthMm() const; // the depths in mm, as drawings and measurements give them
};
CaseHardness caseHardness(const std::vector<double>& X, const std::vector<double>& C, double ck,
                          const std::vector<double>& sklad);

// Appends one block to the hardness file: the time line (hours), then a line for every point
// of the case hardness.
void hardnessProfile(std::ostream& twa, double t, const std::vector<double>& X,
                     const std::vector<double>& C, double ck, const std::vector<double>& sklad);

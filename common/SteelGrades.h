#pragma once
// The steel grades the hardness model knows: a table of facts shared by the computation, which
// turns a case's carbon into hardness (CaseHardness.h), and the programs that name a set's grade.
//
// A steel is identified by its alloy contents: thirteen alloy grades, each with a window per
// element, and plain carbon steel for everything else. Each grade has an empirical curve of
// hardness (HV) over the local carbon content.

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

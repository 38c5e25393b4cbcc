#pragma once
// `tavcalc --potential`: a reading of the furnace's instruments as the carbon potential it means,
// or a carbon potential as what the instruments should read.
//
// tavcalc --potential --temperature DEGC (--probe MV [--process-factor PF] | --dew-point DEGC
//         | --co2 PCT | --carbon PCT) [--co PCT] [--h2 PCT] [--set FILE.tav]
// 0: printed (a gas that soots too, in a line with the word soot); 2: a reading malformed or
// impossible; 1: the set unusable.

#include <string>
#include <vector>

int runPotentialCommand(const std::vector<std::string>& words);

#pragma once
// `tavcalc --design`, `tavcalc --fit-beta` and `tavcalc --fit-profile`: process design, the
// foil test and the fit to a measured profile from the command line. Each takes the words after its
// mode and returns the process exit status.

#include <string>
#include <vector>

// tavcalc --design FILE.tav (--depth MM [--level PCT] | --chd MM [--chd-limit HV])
//         [--surface PCT] [--diffuse PCT]
//         [--boost PCT] [--temperature DEGC] [--hardening DEGC --hardening-time H] [--step H]
//         [-o OUT.tav]
// tavcalc --design FILE.tav --low-pressure --depth MM [--level PCT] --surface PCT
//         [--temperature DEGC] [--hardening DEGC --hardening-time H] [--min-boost S]
//         [--limit PCT] [-o OUT.tav]
// 0: the programme is written; 2: a target cannot be met (nothing written); 1: FILE unusable.
int runDesignCommand(const std::vector<std::string>& words);

// tavcalc --fit-beta FILE.tav --carbon PCT [-o OUT.tav]
// 0: the coefficient is printed (and the copy written); 2: the measurement is refused.
int runFitCommand(const std::vector<std::string>& words);

// tavcalc --fit-profile FILE.tav --measured FILE.csv [--fit beta | beta,potential] [-o OUT.tav]
// 0: the fitted values are printed (and the copy written); 2: refused; 1: a file unusable.
int runProfileFitCommand(const std::vector<std::string>& words);

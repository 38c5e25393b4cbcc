#pragma once
// tavcalc's command line: its modes and options, kept as the one list that --help prints.

#include <string>
#include <vector>

enum class CalcMode {
    Window,        // the calculation window for the shape named first
    Run,           // --run FILE.tav ...
    Design,        // --design FILE.tav --depth MM ...
    FitBeta,       // --fit-beta FILE.tav --carbon PCT ...
    FitProfile,    // --fit-profile FILE.tav --measured FILE.csv ...
    Hardenability, // --hardenability FILE.tav
    Potential,     // --potential --temperature DEGC --probe MV ...
    Replay,        // --replay PLAN.tav --log LOG.csv ...
    Help,          // --help
    Version,       // --version
    UnknownOption, // an option tavcalc does not know: the usage goes to standard error
};

// `arguments` without the program's name. The mode is the first word that is not one of the
// window toolkit's options.
CalcMode calcMode(const std::vector<std::string>& arguments);

// One line per mode and option, then where relative names are taken from.
std::string calcUsage();

// The one line said, instead of an abort, when the window is asked for where none can be shown.
std::string noDisplayLine();

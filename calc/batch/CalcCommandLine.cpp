#include "CalcCommandLine.h"

#include "CommandUsage.h"
#include "WindowSystem.h"

namespace {

constexpr UsageLine calcUsageLines[] = {
    {"tavcalc SHAPE", "the calculation window for SHAPE: \"Semi-infinitive sample\", \"Plate\", "
                      "\"Foil\" or \"Cylinder\""},
    {"tavcalc --run SET.tav ...",
     "computes process-data files without a window; Ctrl-C cancels; status 0 only when all ran"},
    {"tavcalc --help", "prints this text"},
    {"tavcalc --version", "prints the program's version"},
    {"-platform NAME", "the window system for the window, for instance offscreen"},
};

} // namespace

CalcMode calcMode(const std::vector<std::string>& arguments) {
    const std::vector<std::string> own = programArguments(arguments);
    if (own.empty())
        return CalcMode::Window;
    const std::string& first = own.front();
    if (first == "--run")
        return CalcMode::Run;
    if (first == "--help" || first == "-h")
        return CalcMode::Help;
    if (first == "--version")
        return CalcMode::Version;
    if (first.starts_with("-"))
        return CalcMode::UnknownOption;
    return CalcMode::Window;
}

std::string calcUsage() {
    return usageText(calcUsageLines);
}

std::string noDisplayLine() {
    return "tavcalc: no display to show the calculation window on; "
           "tavcalc --run SET.tav computes without one\n";
}

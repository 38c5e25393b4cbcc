// tavcalc: the calculation program. Started with a sample shape it shows the process-data
// window; "--run", "--design", "--fit-beta", "--fit-profile", "--potential" and "--replay" work
// without any window (and so without a display).

#include "BatchRun.h"
#include "CalcCommandLine.h"
#include "DesignCommands.h"
#include "HardnessReport.h"
#include "InterfaceLanguage.h"
#include "PotentialCommand.h"
#include "ReplayCommand.h"
#include "SetNames.h"
#include "TTavrixApp.h"
#include "WindowSystem.h"
#include "WindowSystemStart.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// The words after the mode's own.
std::vector<std::string> modeWords(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = programArguments(arguments);
    words.erase(words.begin());
    return words;
}

// An installed copy makes the user's data folder at its first use, where set names without a
// folder lead. Going on without it, the in-use list reports what it cannot do.
void prepareData() {
    if (const std::optional<std::string> problem = prepareDataFolder())
        std::fprintf(stderr, "tavcalc: %s\n", problem->c_str());
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (calcMode(arguments)) {
    case CalcMode::Run:
        prepareData();
        return runBatch(modeWords(arguments));
    case CalcMode::Design:
        prepareData();
        return runDesignCommand(modeWords(arguments));
    case CalcMode::FitBeta:
        prepareData();
        return runFitCommand(modeWords(arguments));
    case CalcMode::FitProfile:
        prepareData();
        return runProfileFitCommand(modeWords(arguments));
    case CalcMode::Hardenability:
        prepareData();
        return runHardenabilityCommand(modeWords(arguments));
    case CalcMode::Potential:
        return runPotentialCommand(modeWords(arguments));
    case CalcMode::Replay:
        prepareData();
        return runReplayCommand(modeWords(arguments));
    case CalcMode::Help:
        std::fputs(calcUsage().c_str(), stdout);
        return 0;
    case CalcMode::Version:
        std::printf("tavcalc %s\n", TTavrixApp::version());
        return 0;
    case CalcMode::UnknownOption:
        std::fputs(calcUsage().c_str(), stderr);
        return 2;
    case CalcMode::Window:
        break;
    }
    if (!displayNamed(arguments)) {
        std::fputs(noDisplayLine().c_str(), stderr);
        return 1;
    }
    prepareData();
    auto app = [&] {
        WindowSystemStart start(noDisplayLine());
        return std::make_unique<TTavrixApp>(argc, argv);
    }();
    useLanguage(startLanguage(QCoreApplication::arguments().mid(1)));
    return app->run();
}

// tavcalc: the calculation program. Started with a sample shape it shows the process-data
// window; "--run" computes files without any window (and so without a display).

#include "BatchRun.h"
#include "CalcCommandLine.h"
#include "TTavrixApp.h"
#include "WindowSystem.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (calcMode(arguments)) {
    case CalcMode::Run: {
        std::vector<std::string> files = programArguments(arguments);
        files.erase(files.begin());
        return runBatch(files);
    }
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
    TTavrixApp app(argc, argv);
    return app.run();
}

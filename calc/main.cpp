// tavcalc: the calculation program. Started with a sample shape it shows the process-data
// window; "--run" computes files without any window (and so without a display).

#include "BatchRun.h"
#include "TTavrixApp.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--run")
        return runBatch(argc, argv);
    if (first == "--version") {
        std::printf("tavcalc %s\n", TTavrixApp::version());
        return 0;
    }
    TTavrixApp app(argc, argv);
    return app.run();
}

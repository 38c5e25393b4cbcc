#include "TavApp.h"

#include "FileTable.h"
#include "GuardedApplication.h"
#include "SplashWindow.h"
#include "TavFrame.h"

#include <cmath>

namespace {

// Keeps the splash up for a moment of work rather than a timed wait, as long on any display.
void busyDelay() {
    volatile double sink = 0;
    for (int i = 0; i < 320'000; ++i)
        sink = std::sin(static_cast<double>(i));
    (void)sink;
}

} // namespace

TTavApp::TTavApp(ProgramPlace place) : place_(std::move(place)) {}

TTavApp::~TTavApp() = default;

int TTavApp::run() {
    initApplication();
    initMainWindow();
    frame_->show();
    return GuardedApplication::runEventLoop();
}

void TTavApp::initApplication() {
    // Calculations still running from before this start are no longer listed.
    resetFileTable(place_.ListFilePath.toStdString());
}

void TTavApp::initMainWindow() {
    auto frame = std::make_unique<TTavFrame>(place_);
    TSplashWindow splash;
    splash.show();
    QCoreApplication::processEvents();
    busyDelay();
    frame_ = std::move(frame);
}

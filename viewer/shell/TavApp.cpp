#include "TavApp.h"

#include "FileTable.h"
#include "GuardedApplication.h"
#include "MessageBox.h"
#include "SplashWindow.h"
#include "TavFrame.h"
#include "TavMDIClient.h"
#include "ViewerLink.h"

#include <cmath>

namespace {

// The splash stands for a fixed amount of work rather than a timed wait.
void busyDelay() {
    [[maybe_unused]] volatile double sink = 0;
    for (int i = 0; i < 320'000; ++i)
        sink = std::sin(static_cast<double>(i));
}

} // namespace

TTavApp::TTavApp(ProgramPlace place, QString startSet)
    : place_(std::move(place)), startSet_(std::move(startSet)) {}

TTavApp::~TTavApp() = default;

int TTavApp::run() {
    initApplication();
    initMainWindow();
    frame_->show();
    // Sets handed over by tavcalc or by a second start open here. Where another viewer of the
    // same data folder already listens, it stays the one that receives them.
    ViewerServer server;
    server.listen(viewerServerName(place_.ListFilePath));
    QObject::connect(&server, &ViewerServer::setRequested, frame_.get(),
                     [this](const QString& setName) {
                         frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
                         frame_->raise();
                         frame_->activateWindow();
                         frame_->sets().openResults(setName);
                     });
    if (!startSet_.isEmpty())
        frame_->sets().openResults(startSet_);
    return GuardedApplication::runEventLoop();
}

void TTavApp::initApplication() {
    // Entries of calculations that crashed would keep their sets locked away for ever; those
    // of calculations running now stay.
    if (const auto problem = removeStaleEntries(place_.ListFilePath.toStdString()))
        showListProblem(nullptr, *problem);
}

void TTavApp::initMainWindow() {
    auto frame = std::make_unique<TTavFrame>(place_);
    TSplashWindow splash;
    splash.show();
    // Painted now: the work below keeps the event loop from doing it.
    QCoreApplication::processEvents();
    busyDelay();
    frame_ = std::move(frame);
}

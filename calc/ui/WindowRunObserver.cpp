#include "WindowRunObserver.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace {

// Often enough for Cancel to feel immediate, seldom enough that a run of millions of steps does
// not spend its time in the event loop.
constexpr qint64 inputInterval = 40; // ms

} // namespace

WindowRunObserver::WindowRunObserver(QProgressBar& gauge) : gauge_(gauge) {}

void WindowRunObserver::setProgress(int percent) {
    gauge_.setValue(percent);
}

void WindowRunObserver::betweenSteps() {
    // The first step lets input through at once, so the dialog shows its running state now.
    if (sinceInput_.isValid() && !sinceInput_.hasExpired(inputInterval))
        return;
    QCoreApplication::processEvents();
    sinceInput_.start();
}

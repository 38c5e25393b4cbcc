#include "WindowRunObserver.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace {

// Often enough for Cancel to feel immediate, seldom enough that a run of millions of steps does
// not spend its time in the event loop.
constexpr qint64 inputInterval = 40; // ms
// Reading the clock costs about as much as a step of a thin sample: look at it now and then.
constexpr unsigned stepsPerClockReading = 64;

} // namespace

WindowRunObserver::WindowRunObserver(QProgressBar& gauge, const bool& cancelled)
    : gauge_(gauge), cancelled_(cancelled) {}

void WindowRunObserver::setProgress(int percent) {
    gauge_.setValue(percent);
}

bool WindowRunObserver::cancelRequested() {
    // The first step lets input through at once, so the dialog shows its running state now.
    if (sinceInput_.isValid()) {
        if (++stepsSinceClock_ < stepsPerClockReading)
            return cancelled_;
        stepsSinceClock_ = 0;
        if (!sinceInput_.hasExpired(inputInterval))
            return cancelled_;
    }
    QCoreApplication::processEvents();
    sinceInput_.start();
    return cancelled_;
}

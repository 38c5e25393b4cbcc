#pragma once
// Ctrl-C for computations started from Python.

#include "RunObserver.h"

#include <pybind11/pybind11.h>

// Lets Ctrl-C stop a computation started from the main thread, where Python runs its signal
// handlers: every so many steps it takes the GIL for a moment and lets them run. A handler that
// raises (KeyboardInterrupt) cancels the computation; its exception stays set, to be raised.
// Other threads never take the GIL here, so that a sweep in threads keeps running in parallel.
class InterruptWatch : public RunObserver {
public:
    // Made while the GIL is held.
    InterruptWatch();
    void setProgress(int /*percent*/) override {}
    bool cancelRequested() override;
    // With the GIL held again: raises what the signal handler raised, if it did.
    void raiseIfInterrupted() const;

private:
    // A thousand steps are a few milliseconds of the slowest sample's computation; the check
    // costs well under a microsecond.
    static constexpr unsigned stepsBetweenChecks = 1024;
    bool watching_ = false;
    bool interrupted_ = false;
    unsigned steps_ = 0;
};

// Runs `compute(RunObserver&)` without the GIL, so that threads compute in parallel, watched
// for Ctrl-C, which raises KeyboardInterrupt. `compute` touches no Python object.
template <typename Compute> auto interruptible(Compute compute) {
    InterruptWatch watch;
    auto computed = [&] {
        try {
            const pybind11::gil_scoped_release computing;
            return compute(static_cast<RunObserver&>(watch));
        } catch (...) {
            watch.raiseIfInterrupted(); // the cancel's own error gives way to the interrupt
            throw;
        }
    }();
    watch.raiseIfInterrupted();
    return computed;
}

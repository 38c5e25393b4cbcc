#pragma once
// How a run reports to whoever started it, without knowing any window type.

class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The gauge: a whole percentage of the process time, 0 to 100.
    virtual void setProgress(int percent) = 0;
    // Asked after every time step: true ends the run as cancelled. A window lets pending input
    // through here first, so that its Cancel can arrive (cheaply: it is asked millions of times
    // in a long run).
    virtual bool cancelRequested() { return false; }
};

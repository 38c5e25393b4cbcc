#pragma once
// How a run reports to whoever started it, without knowing any window type.

class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The gauge: a whole percentage of the process time, 0 to 100.
    virtual void setProgress(int percent) = 0;
    // Called after every time step, before the cancel flag is read: a window may let pending
    // input through here (cheaply: it is called millions of times in a long run).
    virtual void betweenSteps() {}
};

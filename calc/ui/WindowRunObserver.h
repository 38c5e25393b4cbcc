#pragma once
// Connects a run to the progress dialog: the gauge follows the run, and pending window input
// is let through between steps, so that the dialog repaints and its Cancel reaches the run.

#include "RunObserver.h"

#include <QElapsedTimer>

class QProgressBar;

class WindowRunObserver : public RunObserver {
public:
    // `cancelled` is the dialog's own flag, set by its Cancel.
    WindowRunObserver(QProgressBar& gauge, const bool& cancelled);

    void setProgress(int percent) override;
    bool cancelRequested() override;

private:
    QProgressBar& gauge_;
    const bool& cancelled_;
    QElapsedTimer sinceInput_;
    unsigned stepsSinceClock_ = 0;
};

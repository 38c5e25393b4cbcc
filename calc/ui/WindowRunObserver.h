#pragma once
// Connects a run to the progress dialog: the gauge follows the run, and pending window input
// is let through between steps, so that the dialog repaints and its Cancel reaches the run.

#include "RunObserver.h"

#include <QElapsedTimer>

class QProgressBar;

class WindowRunObserver : public RunObserver {
public:
    explicit WindowRunObserver(QProgressBar& gauge);

    void setProgress(int percent) override;
    void betweenSteps() override;

private:
    QProgressBar& gauge_;
    QElapsedTimer sinceInput_;
    unsigned stepsSinceClock_ = 0;
};

#pragma once
// What the searches over trial runs share.

#include "RunObserver.h"

#include <cstdio>
#include <string>

// Lets a trial's steps through to the search's observer (so a window stays responsive and its
// Cancel arrives); a trial's own gauge is not shown, the search reports its own share.
class TrialObserver : public RunObserver {
public:
    explicit TrialObserver(RunObserver& outer) : outer_(outer) {}
    void setProgress(int /*percent*/) override {}
    bool cancelRequested() override { return outer_.cancelRequested(); }

private:
    RunObserver& outer_;
};

// A value as a message names it: the shortest general form ("0.8", "2e-05").
inline std::string numberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

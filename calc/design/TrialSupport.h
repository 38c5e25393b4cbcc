#pragma once
// What the searches over trial runs share.

#include "NumberText.h"
#include "RunObserver.h"

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

// A value as a message names it: the shortest general form ("0.8", "2e-05"). For what the user
// gave, so that it reads as typed.
inline std::string numberText(double value) {
    return generalText(value);
}

// A computed value as a message names it, with a fixed number of decimals: three for a depth in
// mm or a carbon content in % C (the design's tolerances are of that order), two for hours.
inline std::string decimalText(double value, int decimals) {
    return fixedText(value, decimals);
}
inline std::string millimetres(double value) {
    return decimalText(value, 3) + " mm";
}
inline std::string carbonText(double value) {
    return decimalText(value, 3) + " % C";
}
inline std::string hoursText(double value) {
    return decimalText(value, 2) + " h";
}

#pragma once
// What a chart window asks of the MDI client that holds it.

#include <QString>

#include <memory>

struct LoadedSet;

class ChartContext {
public:
    virtual ~ChartContext() = default;
    // Charts are rebuilt whenever their window is resized.
    virtual bool autoFit() const = 0;
    // The last opened set is a foil or a wire: time axes in seconds.
    virtual bool foilSample() const = 0;
    virtual void setFoilSample(bool foil) = 0;
    // Full name of the set's main file while a set is being opened; empty otherwise.
    virtual QString openFileName() const = 0;
    // The set being opened, read once and shared by all its windows; null when none is.
    virtual std::shared_ptr<const LoadedSet> openSet() const = 0;
    // The user has been told once what is wrong with the set's files (an unfinished set shown
    // on request): its windows show what there is without a message each.
    virtual bool fileFaultsTold() const { return false; }
};

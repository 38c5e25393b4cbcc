#pragma once
// What may end a run before its programme does: asked by the run loop after every step, once
// the step's files are written and a cancel has been asked for, with the sample and the process
// time that step reached. A run it ends reports RunStatus::Reached.

class Gruba;

class StopCondition {
public:
    virtual ~StopCondition() = default;
    // `time` in s. True ends the run at this step.
    virtual bool holds(const Gruba& sample, double time) = 0;
};

// The condition of a run that only its programme ends.
class NeverStops : public StopCondition {
public:
    bool holds(const Gruba& /*sample*/, double /*time*/) override { return false; }
};

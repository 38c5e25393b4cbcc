#pragma once
// The viewer's outermost loop: an abnormal end of a run (a non-zero result or an escaped
// exception) is reported, and the user may start the viewer afresh in the same process.

#include <functional>

// Calls `run` until it returns 0 or the user declines a restart. Returns 0, the last non-zero
// result, or 1 after an exception.
int runWithRestart(const std::function<int()>& run);

#pragma once
// The state one run shares between the run controller, the solvers and the window that started
// it. There is one instance per process: runs follow one another, never overlap.

#include <atomic>
#include <cstdint>

struct RunState {
    double temperatureK = 0; // K, current process temperature (set by the run controller)
    double potentialC = 0;   // % C, current carbon potential of the atmosphere
    double timeStep = 0;     // s, set by oblKr, shortened by the controller at stage ends
    double beta = 0;         // µm/s, carbon transfer coefficient (set by the solver)
    // Set to 1 by a Cancel button or an interrupt; read after every step, cleared by the run.
    // Atomic so that a signal handler may set it.
    std::atomic<std::uint8_t> cancelRequested{0};
};

extern RunState runState;

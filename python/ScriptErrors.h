#pragma once
// The errors the module raises; TavrixModule registers each as a Python exception. Their
// messages are the ones the tavcalc commands print.

#include <stdexcept>

// tavrix.ProcessError, a ValueError: the input is wrong in itself.
class ProcessError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
// tavrix.RunError, a RuntimeError: a computation failed or was cancelled.
class RunError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
// tavrix.WriteError, an OSError: a file could not be written.
class WriteError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
// tavrix.UnreachableError, a ValueError: sound targets that no programme meets.
class UnreachableError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

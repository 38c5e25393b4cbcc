#pragma once
// The errors the module raises; TavrixModule registers each as a Python exception. Their
// messages are the ones the tavcalc commands print.

#include "CommandStatus.h"

#include <stdexcept>
#include <string>

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

// Raises the exception the status table gives `status`, with `message`.
[[noreturn]] inline void raiseFor(CommandStatus status, const std::string& message) {
    switch (statusEntry(status).exception) {
    case ScriptException::UnreachableError:
        throw UnreachableError(message);
    case ScriptException::RunError:
        throw RunError(message);
    case ScriptException::WriteError:
        throw WriteError(message);
    case ScriptException::None:
    case ScriptException::ProcessError:
        break;
    }
    throw ProcessError(message);
}

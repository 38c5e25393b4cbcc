#pragma once
// How a command ended, and the one table that tells every front end what to make of it: the
// words that lead its message, tavcalc's exit status, the exception a script gets and whether a
// window tells it as a mistake in the data or as an error.

#include <string>

enum class CommandStatus {
    Done,
    Usage,       // options missing or in conflict
    Unusable,    // a file the command reads cannot be used, or a set name a run cannot take
    Refused,     // the input is wrong in itself
    Unreachable, // sound targets that no programme meets
    Cancelled,   // a design stopped by the user
    Failed,      // a design that found no answer, or a run that failed
    FitCancelled,
    FitFailed,   // a fit that found no answer
    WriteFailed, // the answer could not be written
    InUse,       // a set that another run computes
    RunCancelled,
};

// The Python exception of a status (the module registers one class per kind).
enum class ScriptException { None, ProcessError, UnreachableError, RunError, WriteError };

// How a window tells a status: not at all, under "Check data!", or under "Error!".
enum class WindowNotice { None, CheckData, Error };

struct StatusEntry {
    CommandStatus status;
    const char* lead; // put before the reason
    int exitStatus;
    ScriptException exception;
    WindowNotice notice;
};

const StatusEntry& statusEntry(CommandStatus status);

// The message of a status: its lead and the reason ("refused: case depth 0 mm: ...").
std::string statusMessage(CommandStatus status, const std::string& reason);

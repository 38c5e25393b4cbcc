#include "CommandStatus.h"

#include <array>

namespace {

using enum CommandStatus;
using enum ScriptException;

// A cancelled design names no reason. A window says nothing of a cancel: the user asked for it.
// A set that --run refuses or cannot finish fails the batch (1); its other sets still run.
constexpr std::array statusTable{
    StatusEntry{Done, "", 0, None, WindowNotice::None},
    StatusEntry{Usage, "", 2, ProcessError, WindowNotice::CheckData},
    StatusEntry{Unusable, "", 1, ProcessError, WindowNotice::CheckData},
    StatusEntry{Refused, "refused: ", 2, ProcessError, WindowNotice::CheckData},
    StatusEntry{Unreachable, "the targets cannot be met: ", 2, UnreachableError,
                WindowNotice::CheckData},
    StatusEntry{Cancelled, "design cancelled; nothing written", 1, RunError, WindowNotice::None},
    StatusEntry{Failed, "", 1, RunError, WindowNotice::Error},
    StatusEntry{FitCancelled, "fit stopped ", 1, RunError, WindowNotice::None},
    StatusEntry{FitFailed, "fit stopped ", 1, RunError, WindowNotice::Error},
    StatusEntry{WriteFailed, "", 1, WriteError, WindowNotice::Error},
    StatusEntry{InUse, "", 1, RunError, WindowNotice::CheckData},
    StatusEntry{RunCancelled, "", 1, RunError, WindowNotice::None},
};

} // namespace

const StatusEntry& statusEntry(CommandStatus status) {
    for (const StatusEntry& entry : statusTable)
        if (entry.status == status)
            return entry;
    return statusTable.front();
}

std::string statusMessage(CommandStatus status, const std::string& reason) {
    return statusEntry(status).lead + reason;
}

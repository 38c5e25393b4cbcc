#pragma once
// What a run that did not finish leaves of its set: decided here once, for the calculation
// window and the batch run alike. The computation itself only closes its files.

#include "Computation.h"

#include <optional>
#include <string>
#include <string_view>

// Whether a cancelled run takes its process data with it.
enum class CancelledInput {
    // Intended, kept for users who rely on it: the window's Cancel leaves no file of the set,
    // its process data included.
    Deleted,
    // A batch run never deletes the file it was given: the process data stay as they were.
    Kept,
};

// Leaves the set of a run that ended as `status`; a finished run is left as it is. Every result
// file of the set goes; after a failure the main file is cut back to `processData` (the head
// the run started from); after a cancel it goes too, or is put back to `processData` as
// `input` says. Nothing when all went so; else, for the user, each file that could not be
// deleted or put back, named with the system's reason.
std::optional<std::string> leaveUnfinishedRun(const std::string& setName, RunStatus status,
                                              std::string_view processData, CancelledInput input);

// Cuts the set's main file back to the length of `processData`, the head a run starts from, so
// that the profiles of an earlier run go before a run appends its own. Nothing when it was cut;
// else the system's reason, for the user.
std::optional<std::string> cutBackToProcessData(const std::string& setName,
                                                std::string_view processData);

#include "UnfinishedRun.h"

#include "AtomicFile.h"
#include "KindTraits.h"
#include "SetNames.h"

#include <filesystem>

namespace {

// Both problems, a line each.
std::optional<std::string> joined(const std::optional<std::string>& first,
                                  const std::optional<std::string>& second) {
    if (first && second)
        return *first + "\n" + *second;
    return first ? first : second;
}

} // namespace

std::optional<std::string> leaveUnfinishedRun(const std::string& setName, RunStatus status,
                                              std::string_view processData, CancelledInput input) {
    switch (status) {
    case RunStatus::Finished:
    case RunStatus::Reached: // its files end where its stop condition held
        return std::nullopt;
    case RunStatus::Failed: {
        const std::optional<std::string> cut = cutBackToProcessData(setName, processData);
        return joined(deleteResultFiles(setName, setFileExtensions),
                      cut ? std::optional(setName + ": " + *cut) : std::nullopt);
    }
    case RunStatus::Cancelled:
        break;
    }
    const std::optional<std::string> deleted = deleteSetFiles(setName, setFileExtensions);
    if (input == CancelledInput::Deleted)
        return deleted;
    // Written beside and renamed over, so the user's input is never half written.
    return joined(deleted, AtomicFile(setName).replace(processData));
}

std::optional<std::string> cutBackToProcessData(const std::string& setName,
                                                std::string_view processData) {
    std::error_code error;
    std::filesystem::resize_file(setName, processData.size(), error);
    if (error)
        return error.message();
    return std::nullopt;
}

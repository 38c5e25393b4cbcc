#include "UnfinishedRun.h"

#include "AtomicFile.h"
#include "KindTraits.h"
#include "SetNames.h"

#include <filesystem>

std::optional<std::string> leaveUnfinishedRun(const std::string& setName, RunStatus status,
                                              std::string_view processData, CancelledInput input) {
    switch (status) {
    case RunStatus::Finished:
        return std::nullopt;
    case RunStatus::Failed: {
        deleteResultFiles(setName, setFileExtensions);
        if (const std::optional<std::string> problem = cutBackToProcessData(setName, processData))
            return setName + ": " + *problem;
        return std::nullopt;
    }
    case RunStatus::Cancelled:
        break;
    }
    deleteSetFiles(setName, setFileExtensions);
    if (input == CancelledInput::Deleted)
        return std::nullopt;
    // Written beside and renamed over, so the user's input is never half written.
    return AtomicFile(setName).replace(processData);
}

std::optional<std::string> cutBackToProcessData(const std::string& setName,
                                                std::string_view processData) {
    std::error_code error;
    std::filesystem::resize_file(setName, processData.size(), error);
    if (error)
        return error.message();
    return std::nullopt;
}

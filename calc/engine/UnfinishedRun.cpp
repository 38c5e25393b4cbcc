#include "UnfinishedRun.h"

#include "ResultStreams.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// Written beside and renamed over, so the user's input is never half written.
bool putBack(const std::string& path, std::string_view processData) {
    const std::string temporary = path + ".restore";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << processData;
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace

bool leaveUnfinishedRun(const std::string& setName, RunStatus status, std::string_view processData,
                        CancelledInput input) {
    switch (status) {
    case RunStatus::Finished:
        return true;
    case RunStatus::Failed: {
        deleteResultFiles(setName);
        std::error_code error;
        std::filesystem::resize_file(setName, processData.size(), error);
        return !error;
    }
    case RunStatus::Cancelled:
        break;
    }
    deleteSet(setName);
    return input == CancelledInput::Deleted || putBack(setName, processData);
}

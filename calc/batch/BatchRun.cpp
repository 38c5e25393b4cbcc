#include "BatchRun.h"

#include "CalcCommandLine.h"
#include "Computation.h"
#include "FileTable.h"
#include "ProcessCheck.h"
#include "ResultStreams.h"
#include "RunState.h"
#include "Saturation.h"
#include "SetNames.h"
#include "TerminalProgress.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* thickExtensions[] = {"pow", "twa", "mas", "gru"};
constexpr const char* thinExtensions[] = {"pow", "mas", "sre"};
constexpr const char* allResultExtensions[] = {"ste", "twa", "pow", "gru",
                                               "mas", "sre", "grx", "roz"};

// Ctrl-C acts as Cancel at the next step boundary; a second one ends the program at once.
extern "C" void requestCancel(int) {
    runState.cancelRequested = 1;
}

void catchInterrupt() {
    struct sigaction action {};
    action.sa_handler = requestCancel;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

std::optional<std::string> fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Puts the process data back as they were before the run: written beside and renamed over,
// so the user's input is never half written.
bool restoreHead(const std::string& path, const std::string& head) {
    const std::string temporary = path + ".restore";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << head;
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

void complain(const std::string& path, const std::string& what) {
    std::fprintf(stderr, "tavcalc: %s: %s\n", path.c_str(), what.c_str());
}

// A set whose name ends in a result file's extension would overwrite its own process data.
bool clashesWithResults(const std::string& path) {
    for (const char* extension : allResultExtensions)
        if (resultFileName(path, extension) == path)
            return true;
    return false;
}

void listResults(const std::string& path, SampleShape shape) {
    std::printf("%s: finished; results:\n  %s\n", path.c_str(), path.c_str());
    const bool thin = shape == SampleShape::Foil || shape == SampleShape::Wire;
    auto list = [&](auto& extensions) {
        for (const char* extension : extensions)
            std::printf("  %s\n", resultFileName(path, extension).c_str());
    };
    if (thin)
        list(thinExtensions);
    else
        list(thickExtensions);
}

enum class FileResult { Finished, Refused, Failed, Cancelled };

// Validates, registers, runs and unregisters one process-data file.
FileResult runFile(const std::string& argument) {
    const std::string path = commandLineName(argument);
    const std::optional<std::string> text = fileText(path);
    if (!text) {
        complain(path, "cannot be opened");
        return FileResult::Refused;
    }
    const HeadReading reading = readCheckedProcessHead(*text);
    if (!reading.head) {
        complain(path, reading.problem.field + " " + reading.problem.rule);
        return FileResult::Refused;
    }
    if (clashesWithResults(path)) {
        complain(path, "the name must not end in the extension of a result file");
        return FileResult::Refused;
    }
    TFileTable inUse;
    readFileTable(listFilePath(), inUse);
    if (inUse.contains(path)) {
        complain(path, "Filename is already in use");
        return FileResult::Refused;
    }

    const std::string head = text->substr(0, reading.head->length);
    updateFileTable(listFilePath(), ListChange::Add, path);
    std::error_code error;
    std::filesystem::resize_file(path, head.size(), error);

    ResultStreams streams; // every file starts as a fresh program would
    TerminalProgress progress(stdout, std::filesystem::path(path).filename().string());
    const RunOutcome outcome = runComputation(path, progress, streams);
    progress.finish();
    updateFileTable(listFilePath(), ListChange::Remove, path);
    for (const std::string& warning : saturationWarnings(reading.head->data, outcome.surfaceAtRows))
        complain(path, "warning: " + warning);

    switch (outcome.status) {
    case RunStatus::Finished:
        listResults(path, reading.head->shape);
        return FileResult::Finished;
    case RunStatus::Cancelled:
        restoreHead(path, head);
        complain(path, "cancelled; its result files are deleted");
        return FileResult::Cancelled;
    case RunStatus::Failed:
        std::filesystem::resize_file(path, head.size(), error);
        complain(path, outcome.error);
        return FileResult::Failed;
    }
    return FileResult::Failed;
}

} // namespace

int runBatch(const std::vector<std::string>& files) {
    if (files.empty()) {
        std::fputs(calcUsage().c_str(), stderr);
        return 2;
    }
    catchInterrupt();
    bool allRan = true;
    for (const std::string& file : files) {
        const FileResult result = runFile(file);
        allRan = allRan && result == FileResult::Finished;
        if (result == FileResult::Cancelled)
            break;
    }
    return allRan ? 0 : 1;
}

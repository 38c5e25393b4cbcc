#include "RunFixture.h"

#include "ResultStreams.h"
#include "SetNames.h"
#include "TestDataFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// Every test program of the engine and the batch run computes in a data folder of its own.
[[maybe_unused]] const bool ownDataFolder = (useTestDataFolder(), true);

} // namespace

std::string readText(const std::filesystem::path& path) {
    return wholeFile(path.string()).value_or(std::string());
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<double> lastRow(const std::filesystem::path& path) {
    std::istringstream lines(readText(path));
    std::string line, last;
    while (std::getline(lines, line))
        if (line.rfind(", ", 0) == 0)
            last = line;
    std::istringstream row(last.substr(1));
    std::vector<double> values;
    for (double value = 0; row >> value;)
        values.push_back(value);
    return values;
}

ProfileBlock lastBlock(const std::filesystem::path& path) {
    std::istringstream lines(readText(path));
    ProfileBlock block;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("\"")) {
            block = {};
        } else if (line.starts_with(", ")) {
            std::istringstream row(line.substr(2));
            double x = 0, y = 0;
            row >> x >> y;
            block.x.push_back(x);
            block.y.push_back(y);
        }
    }
    return block;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tavrix-engine-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::filesystem::remove_all(path_);
}

RunOutcome writeAndRun(const std::filesystem::path& path, const ProcessRecord& process,
                       ResultStreams& streams) {
    EXPECT_TRUE(writeProcessData(path.string(), process));
    NoProgress progress;
    return runComputation(path.string(), progress, streams);
}

KeptInUseList::KeptInUseList() {
    if (std::filesystem::exists(listFilePath()))
        saved_ = readText(listFilePath());
}

KeptInUseList::~KeptInUseList() {
    if (saved_)
        writeText(listFilePath(), *saved_);
    else
        std::filesystem::remove(listFilePath());
}

#include "RunFixture.h"

#include "ResultStreams.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

ProcessForm constantStage(double hours, double celsius, double potential, double ck,
                          double transferCmPerS) {
    ProcessForm form;
    form.steelCarbon = ck;
    form.transferCoefficient = transferCmPerS;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    form.time[0] = 0, form.temperature[0] = celsius, form.potential[0] = potential;
    form.time[1] = hours, form.temperature[1] = celsius, form.potential[1] = potential;
    return form;
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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

namespace {

RunOutcome runWritten(const std::filesystem::path& path, bool written, ResultStreams& streams) {
    EXPECT_TRUE(written);
    NoProgress progress;
    return runComputation(path.string(), progress, streams);
}

} // namespace

RunOutcome writeAndRun(const std::filesystem::path& path, const ProcessForm& form,
                       std::string_view shape, ResultStreams& streams) {
    return runWritten(path, writeProcessData(path.string(), form, shape), streams);
}

RunOutcome writeAndRun(const std::filesystem::path& path, const ProcessRecord& process,
                       ResultStreams& streams) {
    return runWritten(path, writeProcessData(path.string(), process), streams);
}

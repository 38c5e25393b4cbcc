#include "ScriptRun.h"

#include "Gruba.h"
#include "KindTraits.h"
#include "Parametry.h"
#include "ProfileMeasures.h"
#include "ResultStreams.h"
#include "Saturation.h"
#include "ScriptErrors.h"
#include "SetNames.h"
#include "Steruj.h"
#include "TrialSupport.h"
#include "UnfinishedRun.h"

#include <algorithm>
#include <sstream>
#include <tuple>

namespace py = pybind11;

namespace {

// The last block of a profile file, or nothing when the file holds none.
std::pair<std::vector<double>, std::vector<double>> lastProfile(const TWyniki& profiles) {
    if (profiles.profileCount() == 0)
        return {};
    const std::span<const double> values = profiles.profile(profiles.profileCount() - 1);
    const std::span<const double> grid = profiles.grid();
    return {std::vector<double>(grid.begin(), grid.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                 grid.size(), values.size()))),
            std::vector<double>(values.begin(), values.end())};
}

void raiseUnlessFinished(const RunOutcome& outcome) {
    if (outcome.status == RunStatus::Failed)
        throw RunError(outcome.error);
    if (outcome.status == RunStatus::Cancelled)
        throw RunError("the run was cancelled");
}

} // namespace

py::array_t<double> array(std::span<const double> values) {
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

ResultSeries::ResultSeries(const ResultTexts& texts) {
    std::istringstream mainIn(texts.main);
    TWyniki carbonProfiles;
    readCarbonFile(mainIn, carbonProfiles);
    std::tie(carbonX, carbon) = lastProfile(carbonProfiles);
    std::istringstream hardnessIn(texts.hardness);
    TWyniki hardnessProfiles;
    readHardnessFile(hardnessIn, hardnessProfiles);
    std::tie(hardnessX, hardness) = lastProfile(hardnessProfiles);
    std::istringstream surfaceIn(texts.surface);
    readSurfaceFile(surfaceIn, surface);
    std::istringstream massIn(texts.mass);
    TOpis_XY captions;
    TSkala scale;
    readXYFile(massIn, captions, scale, mass);
}

const Gruba& Result::sample() const {
    return kept.controller->sample();
}

double Result::surfaceCarbon() const {
    return sample().carbon()[1];
}

double Result::massGain() const {
    return sample().massGain();
}

double Result::depth(double level) const {
    return sample().oblGrub(level) * 0.001;
}

double Result::chd(double limit) const {
    const std::span<const ResultFile> files = kindTraits(shape).resultFiles;
    if (std::ranges::find(files, ResultFile::Hardness) == files.end())
        throw py::value_error("a " + scriptName(shape) +
                              " has no hardness profile: chd needs a semi-infinite sample, a "
                              "plate or a cylinder");
    if (const auto depth = hardnessCaseDepth(series().hardnessX, series().hardness, limit))
        return *depth;
    throw py::value_error("no hardness case depth at " + numberText(limit) +
                          " HV: the hardness profile does not fall from the limit to below it");
}

Profile Result::profile() const {
    const ResultSeries& read = series();
    return {array(read.carbonX), array(read.carbon), array(read.hardnessX), array(read.hardness)};
}

TimeSeries Result::surfaceSeries() const {
    return {array(series().surface.x()), array(series().surface.y())};
}

TimeSeries Result::massSeries() const {
    return {array(series().mass.x()), array(series().mass.y())};
}

const ResultSeries& Result::series() const {
    if (!parsed)
        parsed.emplace(texts);
    return *parsed;
}

Result runInMemory(const Process& process, RunObserver& observer,
                   const std::vector<bool>& stageEnds) {
    MemoryStreams streams;
    Parametry parametry(process.record, {});
    parametry.stageEnds = stageEnds;
    KeptRun kept = runKept(parametry, observer, streams);
    raiseUnlessFinished(kept.outcome);
    const std::vector<double> rows = kept.outcome.surfaceAtRows;
    Result result(std::move(kept),
                  {process.text() + streams.text(), streams.text(ResultFile::Surface),
                   streams.text(ResultFile::Hardness), streams.text(ResultFile::Mass)},
                  process.record.shape);
    result.warnings = saturationWarnings(process.record.data, rows);
    return result;
}

Result runToFiles(Process& process, const std::string& path, RunObserver& observer) {
    process.write(path);
    const std::string head = process.text();
    ResultStreams streams;
    KeptRun kept = runKept(Parametry(path), observer, streams);
    if (kept.outcome.status != RunStatus::Finished)
        leaveUnfinishedRun(path, kept.outcome.status, head, CancelledInput::Kept);
    raiseUnlessFinished(kept.outcome);
    const auto fileText = [&path](std::optional<ResultFile> file) {
        return wholeFile(file ? resultFileName(path, extension(*file)) : path).value_or("");
    };
    const std::vector<double> rows = kept.outcome.surfaceAtRows;
    Result result(std::move(kept),
                  {fileText(std::nullopt), fileText(ResultFile::Surface),
                   fileText(ResultFile::Hardness), fileText(ResultFile::Mass)},
                  process.record.shape);
    result.warnings = saturationWarnings(process.record.data, rows);
    return result;
}

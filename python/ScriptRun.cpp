#include "ScriptRun.h"

#include "Gruba.h"
#include "KindTraits.h"
#include "Parametry.h"
#include "ProfileMeasures.h"
#include "ResultStreams.h"
#include "RunCommand.h"
#include "Saturation.h"
#include "ScriptErrors.h"
#include "SetNames.h"
#include "Steruj.h"
#include "TrialSupport.h"

#include <algorithm>
#include <sstream>
#include <tuple>
#include <utility>

namespace py = pybind11;

namespace {

// What a finished run warns of: potentials and computed surfaces above the saturation limit,
// and cementite left in the case.
std::vector<std::string> runWarnings(const TDane& data, const RunOutcome& outcome) {
    std::vector<std::string> warnings = saturationWarnings(data, outcome.surfaceAtRows);
    if (const auto carbide = carbideWarning(outcome.remainingCarbide))
        warnings.push_back(*carbide);
    return warnings;
}

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

// Claims the set as tavcalc --run does, so that a window and a script never compute one set at
// once; the in-use list's folder is made as the programs make it.
void prepareFolder() {
    if (const std::optional<std::string> problem = prepareDataFolder())
        throw WriteError(*problem);
}

// The cementite file's text, which only a run with carbides has.
std::optional<std::string> carbideText(const RunOutcome& outcome, std::string text) {
    return outcome.carbideAtStageEnds ? std::optional(std::move(text)) : std::nullopt;
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
    if (texts.carbide) {
        std::istringstream carbideIn(*texts.carbide);
        TWyniki carbideProfiles;
        readHardnessFile(carbideIn, carbideProfiles);
        carbide = lastProfile(carbideProfiles).second;
    }
    std::istringstream surfaceIn(texts.surface);
    readSurfaceFile(surfaceIn, surface);
    std::istringstream massIn(texts.mass);
    TOpis_XY captions;
    TSkala scale;
    readXYFile(massIn, captions, scale, mass);
}

const Gruba& Result::sample() const {
    return *kept.sample;
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

const CaseHardness& Result::finalHardness() const {
    if (!kept.outcome.finalHardness)
        throw py::value_error("a " + scriptName(shape) +
                              " has no hardness profile: it needs a semi-infinite sample, a "
                              "plate or a cylinder");
    return *kept.outcome.finalHardness;
}

double Result::surfaceHardness() const {
    const CaseHardness& hardness = finalHardness();
    if (hardness.hv.empty())
        throw py::value_error("the case holds no point above the steel's carbon");
    return hardness.hv.front();
}

std::optional<double> Result::coreHardness() const {
    return finalHardness().coreHv;
}

std::optional<double> Result::surfaceAustenite() const {
    const CaseHardness& hardness = finalHardness();
    if (hardness.austenite.empty())
        return std::nullopt;
    return hardness.austenite.front();
}

std::optional<double> Result::surfaceMs() const {
    return finalHardness().surfaceMsC;
}

double Result::chd(double limit) const {
    finalHardness();
    if (const auto depth = hardnessCaseDepth(series().hardnessX, series().hardness, limit))
        return *depth;
    throw py::value_error("no hardness case depth at " + numberText(limit) +
                          " HV: the hardness profile does not fall from the limit to below it");
}

Profile Result::profile() const {
    const ResultSeries& read = series();
    const std::vector<double> none;
    const std::vector<double>& austenite =
        kept.outcome.finalHardness ? kept.outcome.finalHardness->austenite : none;
    return {
        array(read.carbonX),   array(read.carbon),
        array(read.hardnessX), array(read.hardness),
        array(austenite),      read.carbide ? std::optional(array(*read.carbide)) : std::nullopt};
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
    const std::vector<std::string> warnings = runWarnings(process.record.data, kept.outcome);
    ResultTexts texts{process.text() + streams.text(), streams.text(ResultFile::Surface),
                      streams.text(ResultFile::Hardness), streams.text(ResultFile::Mass),
                      carbideText(kept.outcome, streams.text(ResultFile::Carbide))};
    Result result(std::move(kept), std::move(texts), process.record.shape);
    result.warnings = warnings;
    return result;
}

Result runToFiles(const Process& process, const std::string& path, RunObserver& observer) {
    prepareFolder();
    const std::string head = process.text();
    const auto writeHead = [&process, &path]() -> RunRefusal {
        process.writeFile(path);
        return {};
    };
    ResultStreams streams;
    SetRunOutcome run = runSet(runRequest(path, {}), head,
                               {writeHead, [&path] { return Parametry(path); }}, observer, streams);
    if (!run.ran)
        raiseFor(run.end.status, run.end.message());
    KeptRun& kept = run.kept;
    if (run.leftFiles)
        throw RunError(kept.outcome.error + "\n" + *run.leftFiles);
    raiseUnlessFinished(kept.outcome);
    const auto fileText = [&path](std::optional<ResultFile> file) {
        return wholeFile(file ? resultFileName(path, extension(*file)) : path).value_or("");
    };
    const std::vector<std::string> warnings = runWarnings(process.record.data, kept.outcome);
    ResultTexts texts{fileText(std::nullopt), fileText(ResultFile::Surface),
                      fileText(ResultFile::Hardness), fileText(ResultFile::Mass),
                      carbideText(kept.outcome, fileText(ResultFile::Carbide))};
    Result result(std::move(kept), std::move(texts), process.record.shape);
    result.warnings = warnings;
    if (const std::optional<std::string> problem = releaseRunSet(*run.claim.claim))
        result.warnings.push_back(*problem);
    return result;
}

#include "RunCommand.h"

#include "KindTraits.h"
#include "ResultStreams.h"
#include "SetNames.h"

#include <cmath>
#include <utility>

namespace {

using enum CommandStatus;

RunRefusal refusal(CommandStatus status, std::string file, std::string reason) {
    return {status, std::move(file), std::move(reason)};
}

// A set whose name ends in a result file's extension would overwrite its own process data.
bool clashesWithResults(const std::string& path) {
    for (std::string_view extension : setFileExtensions)
        if (resultFileName(path, extension) == path)
            return true;
    return false;
}

// The as-run record beside the set, when it has one; a record that does not read refuses the
// set, naming the record.
RunRefusal readAsRunBeside(const std::string& path, std::optional<AsRunRecord>& record) {
    const std::string name = asRunRecordName(path);
    const std::optional<std::string> text = wholeFile(name);
    if (!text)
        return {};
    AsRunRecordReading reading = readAsRunRecord(*text);
    if (!reading.record)
        return refusal(Unusable, name, "line " + std::to_string(reading.line) + " " + reading.rule);
    record = std::move(reading.record);
    return {};
}

HeadRead headOf(const std::string& path, const std::string& text, RowLimit limit) {
    HeadRead read;
    const HeadReading reading = readCheckedProcessHead(text, limit);
    if (!reading.head) {
        read.refusal = refusal(Unusable, path, reading.problem.field + " " + reading.problem.rule);
        return read;
    }
    read.text = text.substr(0, reading.head->length);
    read.head = reading.head;
    return read;
}

RunRefusal cannotBeOpened(const std::string& path) {
    return refusal(Unusable, path, "cannot be opened");
}

} // namespace

std::optional<std::string> runConflict(const RunOptions& options, Spelling spelling) {
    if (options.chdLimit && !(*options.chdLimit > 0))
        return spelledWords("{chd_limit} needs a hardness in HV", spelling);
    return std::nullopt;
}

RunRequest runRequest(std::string path, const RunOptions& options) {
    RunRequest request;
    request.path = std::move(path);
    request.hardnessLimit = options.chdLimit.value_or(request.hardnessLimit);
    return request;
}

std::string RunRefusal::message() const {
    return (file.empty() ? std::string() : file + ": ") + statusMessage(status, reason);
}

HeadRead readSetHead(const std::string& path, RowLimit limit) {
    const std::optional<std::string> text = wholeFile(path);
    if (!text)
        return {std::nullopt, {}, cannotBeOpened(path)};
    return headOf(path, *text, limit);
}

Parametry RunSet::parametry() const {
    if (!asRun)
        return Parametry(request.path);
    Parametry p(process, request.path);
    p.stageEnds = asRun->stageEnds();
    return p;
}

RunSetReading readRunSet(const RunRequest& request) {
    const std::string& path = request.path;
    const std::optional<std::string> text = wholeFile(path);
    if (!text)
        return {std::nullopt, cannotBeOpened(path)};
    std::optional<AsRunRecord> asRun;
    if (RunRefusal refused = readAsRunBeside(path, asRun))
        return {std::nullopt, std::move(refused)};
    HeadRead read = headOf(path, *text, asRun ? RowLimit::None : RowLimit::Form);
    if (!read.head)
        return {std::nullopt, std::move(read.refusal)};
    const std::size_t rows = read.head->data.times.size();
    if (asRun && asRun->rows.size() != rows)
        return {std::nullopt,
                refusal(Unusable, path,
                        "has " + std::to_string(rows) + " stage rows, its as-run record " +
                            std::to_string(asRun->rows.size()))};
    return {RunSet{request, std::move(*read.head), std::move(read.text), std::move(asRun)}, {}};
}

RunClaim claimRunSet(const std::string& path) {
    if (clashesWithResults(path))
        return {std::nullopt,
                refusal(Unusable, path, "the name must not end in the extension of a result file")};
    SetClaim claim = SetClaim::claim(listFilePath(), path);
    switch (claim.status()) {
    case SetClaim::Status::Claimed:
        return {std::move(claim), {}};
    case SetClaim::Status::InUse:
        return {std::nullopt, refusal(InUse, path, "Filename is already in use")};
    case SetClaim::Status::Failed:
        break;
    }
    return {std::nullopt,
            refusal(WriteFailed, path, "the in-use list cannot be updated: " + claim.problem()),
            claim.problem()};
}

std::optional<std::string> releaseRunSet(SetClaim& claim) {
    if (claim.release())
        return std::nullopt;
    return "the in-use list cannot be updated: " + claim.problem();
}

CommandStatus runStatus(RunStatus status) {
    switch (status) {
    case RunStatus::Finished:
        return Done;
    case RunStatus::Cancelled:
        return RunCancelled;
    case RunStatus::Failed:
        break;
    }
    return Failed;
}

namespace {

RunRefusal runEnd(const std::string& path, const RunOutcome& outcome) {
    const CommandStatus status = runStatus(outcome.status);
    if (status == RunCancelled)
        return refusal(status, path, "cancelled; its result files are deleted");
    return refusal(status, path, status == Done ? std::string() : outcome.error);
}

} // namespace

SetRunOutcome runSet(const RunRequest& request, const std::string& head, const RunSteps& steps,
                     RunObserver& observer, ResultStreams& streams) {
    SetRunOutcome run;
    run.claim = claimRunSet(request.path);
    if (run.claim.refusal) {
        run.end = run.claim.refusal;
        return run;
    }
    if (RunRefusal refused = steps.layHead()) {
        run.end = std::move(refused);
        return run;
    }
    run.kept = runKept(steps.parametry(), observer, streams);
    run.ran = true;
    RunOutcome& outcome = run.kept.outcome;
    if (steps.complete && outcome.status == RunStatus::Finished)
        if (std::optional<std::string> problem = steps.complete(run.kept)) {
            outcome.status = RunStatus::Failed;
            outcome.error = std::move(*problem);
        }
    // The set stays claimed until its files are as the outcome leaves them.
    run.leftFiles = leaveUnfinishedRun(request.path, outcome.status, head, request.cancelled);
    run.end = runEnd(request.path, outcome);
    return run;
}

#pragma once
// The run command, below tavcalc --run (and the run of --replay's as-run set), the Python
// module's written run and the calculation window's "Start!": the options --run takes, the set
// read as a run reads it, its claim in the in-use list, the run itself with what it leaves of
// the set, and the status of each way it can end.

#include "AsRunRecord.h"
#include "CommandStatus.h"
#include "Computation.h"
#include "FileTable.h"
#include "OptionNames.h"
#include "Parametry.h"
#include "ProcessCheck.h"
#include "ProfileMeasures.h"
#include "UnfinishedRun.h"

#include <functional>
#include <optional>
#include <string>

class ResultStreams;

// The options of --run as the user gave them, beside the sets.
struct RunOptions {
    std::optional<double> chdLimit; // HV; NaN when the word given is not a number
};

// The options that cannot be used, in the front end's spelling; nothing when they can.
std::optional<std::string> runConflict(const RunOptions& options, Spelling spelling);

// One set to run, with the options' defaults.
struct RunRequest {
    std::string path;                                // the set's process-data file, complete
    double hardnessLimit = defaultHardnessLimit;     // HV, of the case-hardening depth told
    CancelledInput cancelled = CancelledInput::Kept; // what a cancel does with the process data
};

RunRequest runRequest(std::string path, const RunOptions& options);

// Why a set was not run, or how its run ended, about one file: its status and reason.
struct RunRefusal {
    CommandStatus status = CommandStatus::Done;
    std::string file; // the set's, or its as-run record's; empty for the options
    std::string reason;
    explicit operator bool() const { return status != CommandStatus::Done; }
    // "FILE: " (when there is a file) and the status's message.
    std::string message() const;
};

// A process-data file's head as every front end reads it: refused (Unusable) when the file
// cannot be opened or its head is not sound.
struct HeadRead {
    std::optional<ProcessHead> head;
    std::string text; // the file's text up to the head's end
    RunRefusal refusal;
};
HeadRead readSetHead(const std::string& path, RowLimit limit = RowLimit::Form);

// A set as a run reads it: its head and, for a logged load's set, the as-run record beside it,
// which lifts the form's row limit and says where stages end.
struct RunSet {
    RunRequest request;
    ProcessHead process;
    std::string head; // the file's text up to the head's end
    std::optional<AsRunRecord> asRun;
    Parametry parametry() const;
};
struct RunSetReading {
    std::optional<RunSet> set;
    RunRefusal refusal;
};
RunSetReading readRunSet(const RunRequest& request);

// The set claimed for one run, or why not: a name ending in a result file's extension, which
// the run would overwrite (Unusable); a set another run computes (InUse); an in-use list that
// cannot be updated (WriteFailed).
struct RunClaim {
    std::optional<SetClaim> claim;
    RunRefusal refusal;
    std::string listProblem = {}; // the system's words, for a window that says them its own way
};
RunClaim claimRunSet(const std::string& path);

// Takes the set off the in-use list: nothing when done, else the words of the problem.
std::optional<std::string> releaseRunSet(SetClaim& claim);

// What a front end does at each step of a claimed run: lays the process data the run starts
// from into the set's file (a refusal stops the run), makes the run's parameters, and, when
// given, writes what belongs to a finished run beside its result files while the set is still
// claimed (a problem fails the run).
struct RunSteps {
    std::function<RunRefusal()> layHead;
    std::function<Parametry()> parametry;
    std::function<std::optional<std::string>(const KeptRun&)> complete = {};
};

// How a claimed run went: the claim, still held so that the front end reads or reports the
// set's files before it lets the set go; the run and how it ended; what could not be cleared
// of an unfinished run's files.
struct SetRunOutcome {
    RunClaim claim;
    KeptRun kept;
    bool ran = false; // claimed, its head laid and computed
    RunRefusal end;   // the claim's or the head's refusal, or how the run ended
    std::optional<std::string> leftFiles;
};

// Claims the set of `request`, lays its head and runs it through `streams` with `observer`,
// leaving the set's files as its end says (`head`: the process data a failed run is cut back
// to).
SetRunOutcome runSet(const RunRequest& request, const std::string& head, const RunSteps& steps,
                     RunObserver& observer, ResultStreams& streams);

// The status of a run's end: Done, RunCancelled or Failed.
CommandStatus runStatus(RunStatus status);

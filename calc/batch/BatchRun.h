#pragma once
// `tavcalc --run FILE.tav [FILE.tav ...] [--chd-limit HV]`: computes process-data files without
// a window, and prints each one's case-hardening depth at 550 HV (or HV). `words` are those
// after "--run". Returns the process exit status: 0 only when every file
// ran to its end, 2 when no file is named.

#include "Computation.h"
#include "ProfileMeasures.h"
#include "RunCommand.h"

#include <optional>
#include <string>
#include <vector>

int runBatch(const std::vector<std::string>& words);

// What Ctrl-C does during a batch run: the running file is cancelled at its next step and no
// later file is started. Safe in a signal handler.
void requestBatchCancel();

// Ctrl-C cancels the run under way at its next step (requestBatchCancel); a second one ends the
// program at once.
void catchInterrupt();

enum class FileResult { Finished, Refused, Failed, Cancelled };

struct SetRun {
    FileResult result = FileResult::Refused;
    KeptRun kept; // the run, when it started
};

// One set run as --run runs it (RunCommand.h): claimed in the in-use list, its head laid, run
// through fresh streams with the gauge on the terminal, saturation warned about against
// `saturationData` when given, its files left as the outcome says and the outcome reported,
// with the case-hardening depth at the request's hardness limit; every refusal said here.
SetRun runClaimedSet(const RunRequest& request, const std::string& head, SampleShape shape,
                     const RunSteps& steps, const TDane* saturationData);

// mm, the case-hardening depth at `limit` HV of a run's last hardness block.
std::optional<double> finalCaseHardeningDepth(const CaseHardness& hardness, double limit);

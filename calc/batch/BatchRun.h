#pragma once
// `tavcalc --run FILE.tav [FILE.tav ...] [--chd-limit HV]`: computes process-data files without
// a window, and prints each one's case-hardening depth at 550 HV (or HV). `words` are those
// after "--run". Returns the process exit status: 0 only when every file
// ran to its end, 2 when no file is named.

#include "Computation.h"
#include "Parametry.h"
#include "ProfileMeasures.h"

#include <functional>
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

// One set run as --run runs it: claimed in the in-use list, its head laid by `layHead` (false:
// refused, said by it), `parametry` computed through fresh streams with the gauge on the
// terminal, saturation warned about against `saturationData` when given, its files left as
// the outcome says and the outcome reported, the case-hardening depth at `hardnessLimit` HV.
// `complete`, when given, writes what belongs to a finished run beside its result files while
// the set is still claimed; the problem it returns fails the run.
using RunCompletion = std::function<std::optional<std::string>(const KeptRun&)>;
SetRun runClaimedSet(const std::string& path, const std::string& head, SampleShape shape,
                     const std::function<bool()>& layHead,
                     const std::function<Parametry()>& parametry, const TDane* saturationData,
                     double hardnessLimit = defaultHardnessLimit,
                     const RunCompletion& complete = {});

// mm, the case-hardening depth at `limit` HV of a run's last hardness block.
std::optional<double> finalCaseHardeningDepth(const CaseHardness& hardness, double limit);

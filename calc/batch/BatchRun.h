#pragma once
// `tavcalc --run FILE.tav [FILE.tav ...] [--chd-limit HV]`: computes process-data files without
// a window, and prints each one's case-hardening depth at 550 HV (or HV). `words` are those
// after "--run". Returns the process exit status: 0 only when every file
// ran to its end, 2 when no file is named.

#include <string>
#include <vector>

int runBatch(const std::vector<std::string>& words);

// What Ctrl-C does during a batch run: the running file is cancelled at its next step and no
// later file is started. Safe in a signal handler.
void requestBatchCancel();

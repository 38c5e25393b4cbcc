#pragma once
// `tavcalc --run FILE.tav [FILE.tav ...]`: computes process-data files without a window.
// Returns the process exit status: 0 only when every file ran to its end.
int runBatch(int argc, char** argv);

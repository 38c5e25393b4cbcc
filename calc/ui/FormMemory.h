#pragma once
// What the process-data form of a shape held when its window last closed or started a run, kept
// in the user's settings: a new window of the shape opens with those values rather than empty.
// The values are kept as the process-data text the form would save, so that they come back
// through the loader that shows a file, their models and treatments with them.

#include "ProcessData.h"
#include "ProcessFileLoad.h"

#include <optional>
#include <string>

void keepFormText(SampleShape shape, const std::string& processText);

// The boxes of the text kept for the shape, empty where the form's box was empty; nothing when
// none was kept or the kept text no longer loads.
std::optional<LoadedBoxes> keptFormBoxes(SampleShape shape);

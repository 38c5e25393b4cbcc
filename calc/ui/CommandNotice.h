#pragma once
// How the trial dialogs tell the end of a command that did not finish: the status table's
// notice (none, "Check data!" or "Error!") over the window's words for the status.

#include "CommandStatus.h"

#include <string>

class QWidget;

void tellCommandEnd(QWidget* parent, CommandStatus status, const std::string& reason);
